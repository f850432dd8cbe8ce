#pragma once
// Game file names were chosen on a system that ignores letter case
// ("Armes/Fumigene/" and "Armes/fumigene/" are one folder to the data).
// Every open of a game file resolves its name here first.
#include <cstdio>
#include <string>

namespace Fichiers {

// The exact name when it exists, else each component matched without regard
// to case; a component that matches nothing is kept as written, so a name
// for a new file still comes back usable.
std::string resoudre(const char* chemin);
bool existe(const char* chemin);

// fopen through the resolver.
FILE* ouvrir(const char* chemin, const char* mode);

// Writes go to a temporary name and replace the old file only once
// everything was written; on failure the old file is untouched.
class EcritureSure {
 public:
  explicit EcritureSure(const char* chemin);
  ~EcritureSure();  // abandons the temporary file unless valider() succeeded
  EcritureSure(const EcritureSure&) = delete;
  EcritureSure& operator=(const EcritureSure&) = delete;
  FILE* flux() const { return f_; }
  bool ouvert() const { return f_ != nullptr; }
  bool valider();  // closes, renames over the target; false on any failure

 private:
  std::string cible_, temporaire_;
  FILE* f_ = nullptr;
  bool valide_ = false;
};

// Little-endian readers and writers for the record files.
bool ecrire_u8(FILE* f, unsigned v);
bool ecrire_le16(FILE* f, unsigned v);
bool ecrire_le32(FILE* f, unsigned long v);
bool lire_u8(FILE* f, unsigned char& v);
bool lire_le16(FILE* f, unsigned short& v);
bool lire_le32(FILE* f, unsigned int& v);

}  // namespace Fichiers
