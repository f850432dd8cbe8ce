#include "engine/Afficher_munitions.h"

#include "engine/Constantes.h"
#include "engine/Fonctions.h"

#if __has_include("weapons/Armes.h")
#include "weapons/Armes.h"
#define ARMES_CONNUES 1
#else
#define ARMES_CONNUES 0
#endif

#if ARMES_CONNUES
int32_t charge_arme(const Armes* a) { return a ? a->charge_actuelle : 0; }
int32_t reserve_arme(const Armes* a) { return a ? a->nb_munition : 0; }
SDL_Surface* ombre_arme(const Armes* a) { return a ? a->Ombre : nullptr; }
#else
// Built before the weapons: no weapon can be held yet, so there is nothing
// to read.
int32_t charge_arme(const Armes*) { return 0; }
int32_t reserve_arme(const Armes*) { return 0; }
SDL_Surface* ombre_arme(const Armes*) { return nullptr; }
#endif

std::string texte_munitions(int32_t charge, int32_t reserve) {
  return std::to_string(charge) + "  /  " + std::to_string(reserve);
}

namespace {
Armes* arme_du(Armes** slot) { return slot ? *slot : nullptr; }
}  // namespace

Afficher_munitions::Afficher_munitions(Armes* arme, SDL_Rect Position) {
  position = Position;
  montre_ = arme != nullptr;
  if (arme) {
    derniere_valeur_charge = charge_arme(arme);
    derniere_valeur_munition = reserve_arme(arme);
  }
  ajouter_ligne(arme ? texte_munitions(derniere_valeur_charge, derniere_valeur_munition).c_str() : "");
}

void Afficher_munitions::comportement() {
  if (Armes* a = arme_du(pointeur2)) {
    int32_t charge = charge_arme(a), reserve = reserve_arme(a);
    if (!montre_ || charge != derniere_valeur_charge || reserve != derniere_valeur_munition) {
      montre_ = true;
      derniere_valeur_charge = charge;
      derniere_valeur_munition = reserve;
      retirer_ligne();
      ajouter_ligne(texte_munitions(charge, reserve).c_str());
    }
  }
  ecriture::comportement();
}

void Afficher_munitions::suivre(Armes** slot) {
  if (slot == pointeur2) return;
  pointeur2 = slot;
  montre_ = false;
  if (arme_du(slot)) return;
  retirer_ligne();
  ajouter_ligne("");
}

Afficher_OmbreArme::Afficher_OmbreArme(Armes** Ar, SDL_Rect pos) : pointeur2(Ar) { position = pos; }

void Afficher_OmbreArme::comportement() {
  SDL_Surface* s = ombre_arme(arme_du(pointeur2));
  if (!s) return;
  SDL_Rect r = position;
  Blitter(s, nullptr, general::ecran, &r);
}
