#pragma once
// The shield, set down in front of the carrier; it stops the other side's shots.
#include "weapons/Lancer.h"

class Bouclier : public Lancer {
 public:
  // `main`: the picture of the item in the hand.
  explicit Bouclier(P_char main);

  short get_type2() override { return 6; }
  // Phase 0 draws the item in the hand, phase 1 lets it go.
  short afficher_arme(SDL_Rect pos, int frame, int dir) override;
};
