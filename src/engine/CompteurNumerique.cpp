#include "engine/CompteurNumerique.h"

#include <string>

#include "engine/Constantes.h"

namespace {
std::string decimal(int32_t v) {
  char* t = intchar(v);
  std::string s = t;
  delete[] t;
  return s;
}
}  // namespace

#if GAME_EARLY
CompteurNumerique::CompteurNumerique(int32_t* valeur, SDL_Rect Position, SDL_Color c) { suivre(valeur, Position, c); }
#endif

void CompteurNumerique::suivre(int32_t* valeur, SDL_Rect Position, SDL_Color c) {
  Couleur = c;
  valeur_suivie = valeur;
  layer = 3;
  police = general::Police;
  position = Position;
  // Without a value there is nothing to show, but the widget still holds
  // its one line so a later change replaces it like any other.
  derniere_valeur = valeur ? *valeur : 0;
  ajouter_ligne(valeur ? decimal(derniere_valeur).c_str() : "");
}

CompteurNumerique::~CompteurNumerique() { valeur_suivie = nullptr; }

void CompteurNumerique::comportement() {
  if (valeur_suivie && *valeur_suivie != derniere_valeur) {
    derniere_valeur = *valeur_suivie;
    retirer_ligne();
    ajouter_ligne(decimal(derniere_valeur).c_str());
  }
  ecriture::comportement();
}

CompteurNumerique2::CompteurNumerique2(const char* t, int32_t* v, SDL_Rect pos) {
  valeur_suivie = v;
  derniere_valeur = v ? *v : 0;
  texte = t ? t : "";
  layer = 3;
  police = general::Police;
  position = pos;
  rendre_ligne();
}

CompteurNumerique2::~CompteurNumerique2() { valeur_suivie = nullptr; }

void CompteurNumerique2::rendre_ligne() {
  std::string ligne = texte.retournertexte();
  if (valeur_suivie) ligne += decimal(derniere_valeur);
  ajouter_ligne(ligne.c_str());
}

void CompteurNumerique2::comportement() {
  if (valeur_suivie && *valeur_suivie != derniere_valeur) {
    derniere_valeur = *valeur_suivie;
    retirer_ligne();
    rendre_ligne();
  }
  ecriture2::comportement();
}
