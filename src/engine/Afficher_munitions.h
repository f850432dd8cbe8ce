#pragma once
// HUD widgets that follow one of the hero's weapon slots, so a weapon change
// shows at once: the ammunition count and the weapon's silhouette.
#include <string>

#include "engine/Interface.h"

class Armes;

class Afficher_munitions : public ecriture {
 public:
  Afficher_munitions(Armes* arme, SDL_Rect Position);

  void comportement() override;
  // Another slot to follow, another soldier's: its counts are shown at the
  // next draw even when they equal the last ones, and an empty slot clears
  // the line.
  void suivre(Armes** slot);

  Armes** pointeur2 = nullptr;  // the slot; set by the owner
  int32_t derniere_valeur_charge = 0;
  int32_t derniere_valeur_munition = 0;

 private:
  bool montre_ = false;  // a weapon's counts are on the line (0 / 0 included)
};

class Afficher_OmbreArme : public Interface {
 public:
  Afficher_OmbreArme(Armes** Ar, SDL_Rect pos);

  void comportement() override;

  Armes** pointeur2 = nullptr;
};

// "30  /  90": loaded, then reserve.
std::string texte_munitions(int32_t charge, int32_t reserve);

// What the HUD reads of a weapon. Null weapons give nothing.
int32_t charge_arme(const Armes* a);
int32_t reserve_arme(const Armes* a);
SDL_Surface* ombre_arme(const Armes* a);
