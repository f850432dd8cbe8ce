#include "platform/Fichiers.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>

namespace Fichiers {
namespace {

bool present(const std::string& p) {
  struct stat st;
  return ::stat(p.c_str(), &st) == 0;
}

// The first entry of `dossier` equal to `nom` without regard to case.
bool chercher(const std::string& dossier, const std::string& nom, std::string& trouve) {
  DIR* d = ::opendir(dossier.empty() ? "." : dossier.c_str());
  if (!d) return false;
  bool ok = false;
  while (dirent* e = ::readdir(d)) {
    if (::strcasecmp(e->d_name, nom.c_str()) == 0) {
      trouve = e->d_name;
      ok = true;
      break;
    }
  }
  ::closedir(d);
  return ok;
}

}  // namespace

std::string resoudre(const char* chemin) {
  if (!chemin) return std::string();
  std::string brut(chemin);
  if (brut.empty() || present(brut)) return brut;
  for (char& c : brut)
    if (c == '\\') c = '/';
  if (present(brut)) return brut;

  std::string resultat;
  size_t debut = 0;
  if (brut[0] == '/') {
    resultat = "/";
    debut = 1;
  }
  while (debut <= brut.size()) {
    size_t fin = brut.find('/', debut);
    if (fin == std::string::npos) fin = brut.size();
    std::string composant = brut.substr(debut, fin - debut);
    if (!composant.empty()) {
      std::string base = resultat;
      std::string candidat = base + composant;
      std::string trouve;
      if (!present(candidat) && chercher(base, composant, trouve)) candidat = base + trouve;
      resultat = candidat;
    }
    if (fin < brut.size()) resultat += '/';
    debut = fin + 1;
  }
  return resultat;
}

bool existe(const char* chemin) { return chemin && present(resoudre(chemin)); }

FILE* ouvrir(const char* chemin, const char* mode) {
  if (!chemin || !mode) return nullptr;
  return std::fopen(resoudre(chemin).c_str(), mode);
}

EcritureSure::EcritureSure(const char* chemin) {
  if (!chemin || !*chemin) return;
  cible_ = resoudre(chemin);
  temporaire_ = cible_ + ".tmp" + std::to_string(::getpid());
  f_ = std::fopen(temporaire_.c_str(), "wb");
}

EcritureSure::~EcritureSure() {
  if (f_) std::fclose(f_);
  if (!valide_ && !temporaire_.empty()) std::remove(temporaire_.c_str());
}

bool EcritureSure::valider() {
  if (!f_) return false;
  bool ok = std::fflush(f_) == 0 && !std::ferror(f_);
  ok = (std::fclose(f_) == 0) && ok;
  f_ = nullptr;
  if (ok) ok = std::rename(temporaire_.c_str(), cible_.c_str()) == 0;
  valide_ = ok;
  return ok;
}

bool ecrire_u8(FILE* f, unsigned v) { return std::fputc(static_cast<int>(v & 0xFF), f) != EOF; }
bool ecrire_le16(FILE* f, unsigned v) { return ecrire_u8(f, v) && ecrire_u8(f, v >> 8); }
bool ecrire_le32(FILE* f, unsigned long v) {
  return ecrire_le16(f, static_cast<unsigned>(v & 0xFFFF)) &&
         ecrire_le16(f, static_cast<unsigned>((v >> 16) & 0xFFFF));
}
bool lire_u8(FILE* f, unsigned char& v) {
  int c = std::fgetc(f);
  if (c == EOF) return false;
  v = static_cast<unsigned char>(c);
  return true;
}
bool lire_le16(FILE* f, unsigned short& v) {
  unsigned char a, b;
  if (!lire_u8(f, a) || !lire_u8(f, b)) return false;
  v = static_cast<unsigned short>(a | (b << 8));
  return true;
}
bool lire_le32(FILE* f, unsigned int& v) {
  unsigned short a, b;
  if (!lire_le16(f, a) || !lire_le16(f, b)) return false;
  v = static_cast<unsigned int>(a) | (static_cast<unsigned int>(b) << 16);
  return true;
}

}  // namespace Fichiers
