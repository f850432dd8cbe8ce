#pragma once
// The mine layer; the mine waits on the ground for a soldier of the other side.
#include "weapons/Lancer.h"

class Mineur : public Lancer {
 public:
  // `main`: the picture of the item in the hand.
  explicit Mineur(P_char main);

  short get_type2() override { return 7; }
  // Phase 0 draws the item in the hand, phase 1 lets it go.
  short afficher_arme(SDL_Rect pos, int frame, int dir) override;
};
