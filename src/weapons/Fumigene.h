#pragma once
// The smoke grenade, thrown; it leaves a lasting cloud.
#include "weapons/Lancer.h"

class Fumigene : public Lancer {
 public:
  // `main`: the picture of the item in the hand.
  explicit Fumigene(P_char main);

  short get_type2() override { return 5; }
  // Phase 0 draws the item in the hand, phase 1 lets it go.
  short afficher_arme(SDL_Rect pos, int frame, int dir) override;
};
