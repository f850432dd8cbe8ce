#pragma once
// The grenade, thrown; it explodes half a second later.
#include "weapons/Lancer.h"

class Grenade : public Lancer {
 public:
  // `main`: the picture of the item in the hand.
  explicit Grenade(P_char main);

  short get_type2() override { return 4; }
  // Phase 0 draws the item in the hand, phase 1 lets it go.
  short afficher_arme(SDL_Rect pos, int frame, int dir) override;
};
