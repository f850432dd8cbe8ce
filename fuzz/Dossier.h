#pragma once
// Targets whose readers write files of their own (diagnostics, save slots)
// work in a fresh folder under $TMPDIR, so a run leaves nothing in the tree
// and scripts/fuzz.sh can put it on a memory file system.
#include <unistd.h>

#include <cstdlib>
#include <string>

inline bool dossier_de_travail(const char* nom) {
  const char* tmp = std::getenv("TMPDIR");
  std::string modele = std::string(tmp && *tmp ? tmp : "/tmp") + "/fuzz-" + nom + "-XXXXXX";
  if (!::mkdtemp(modele.data()) || ::chdir(modele.c_str()) != 0) std::abort();
  return true;
}
