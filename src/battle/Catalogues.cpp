#include "battle/Catalogues.h"

#include <cstdio>

#include "characters/Element.h"
#include "engine/OuvrirImage.h"
#include "platform/Fichiers.h"

std::vector<std::string> LireLignesCatalogue(const char* chemin) {
  std::vector<std::string> lignes(1);
  FILE* f = chemin ? Fichiers::ouvrir(chemin, "rb") : nullptr;
  if (!f) {
    signaler_fichier_absent(chemin ? chemin : "");
    return lignes;
  }
  for (int c; (c = std::fgetc(f)) != EOF && c != 0;) {
    if (c == '\n') {
      // The catalogs were written with CR LF line ends.
      if (!lignes.back().empty() && lignes.back().back() == '\r') lignes.back().pop_back();
      lignes.emplace_back();
    } else {
      lignes.back() += static_cast<char>(c);
    }
  }
  std::fclose(f);
  return lignes;
}

namespace {

void lire_apparences(const char* chemin, char sexe) {
  for (const std::string& nom : LireLignesCatalogue(chemin)) {
    auto* e = new Element(nom.c_str(), sexe);
    if (!e->enregistre()) delete e;  // the registry is full and said so
  }
}

}  // namespace

void LectureHommes() { lire_apparences("Hommes/Hommes.txt", 0); }
void LectureFemmes() { lire_apparences("Femmes/Femmes.txt", 1); }
