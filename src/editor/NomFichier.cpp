#include "editor/NomFichier.h"

#include <cstdio>
#include <string>

#include "battle/Perso.h"
#include "engine/Constantes.h"
#include "engine/Saisie.h"

P_char relever_nom(const char* question, const char* base, bool (*acceptable)(const char*)) {
  std::string enonce = question ? question : "";
  for (;;) {
    char* t = relever_texte(enonce.c_str(), base);
    if (!general::continuer) {
      P_char tel_quel(t);
      delete[] t;
      return tel_quel;
    }
    // The prompt never gives back an empty text: a cleared name is a blank.
    const std::string nom = sans_blancs(t);
    delete[] t;
    if (acceptable(nom.c_str())) return P_char(nom.c_str());
    std::fprintf(stderr, "name \"%s\" refused: empty, or not a plain file name of its own\n", nom.c_str());
    enonce = std::string("Nom refus\xE9, choisissez-en un autre. ") + (question ? question : "");
  }
}

P_char relever_nom_map(const char* question, const char* base) {
  return relever_nom(question, base, nom_fichier_acceptable);
}

P_char relever_nom_perso(const char* question, const char* base) {
  return relever_nom(question, base, nom_perso_acceptable);
}
