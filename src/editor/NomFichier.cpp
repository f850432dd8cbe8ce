#include "editor/NomFichier.h"

#include <cstdio>
#include <string>

#include "battle/Perso.h"
#include "engine/Constantes.h"
#include "engine/Saisie.h"

P_char relever_nom(const char* question, const char* base) {
  std::string enonce = question ? question : "";
  for (;;) {
    char* t = relever_texte(enonce.c_str(), base);
    P_char nom(t);
    delete[] t;
    if (!general::continuer || nom_perso_acceptable(nom.retournertexte())) return nom;
    std::fprintf(stderr, "name \"%s\" refused: not a plain file name of its own\n", nom.retournertexte());
    enonce = std::string("Nom refus\xE9, choisissez-en un autre. ") + (question ? question : "");
  }
}
