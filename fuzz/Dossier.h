#pragma once
// Every input starts from the same working folder, so that a finding
// replays alone: a fresh folder under $TMPDIR (a memory file system under
// scripts/fuzz.sh, and nothing left in the tree), emptied before each input
// of whatever the readers wrote for the one before.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <system_error>
#include <vector>

// Called first thing for every input: the working folder, holding nothing
// but the empty folders `sous_dossiers`.
inline void dossier_propre(const char* nom, std::initializer_list<const char*> sous_dossiers = {}) {
  namespace fs = std::filesystem;
  static fs::path dossier;
  if (dossier.empty()) {
    const char* tmp = std::getenv("TMPDIR");
    std::string modele = std::string(tmp && *tmp ? tmp : "/tmp") + "/fuzz-" + nom + "-XXXXXX";
    if (!::mkdtemp(modele.data())) std::abort();
    dossier = modele;
  }
  std::error_code e;
  std::vector<fs::path> restes;
  for (fs::directory_iterator i(dossier, e), fin; !e && i != fin; i.increment(e)) restes.push_back(i->path());
  for (const fs::path& r : restes)
    if (!e) fs::remove_all(r, e);
  if (e || ::chdir(dossier.c_str()) != 0) std::abort();
  for (const char* d : sous_dossiers)
    if (::mkdir(d, 0700) != 0) std::abort();
}
