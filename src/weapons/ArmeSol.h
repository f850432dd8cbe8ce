#pragma once
// A weapon lying on the ground: left by a fallen enemy, it falls and
// settles, shows its silhouette while the hero touches it, goes to the
// player's soldier on a pick-up and is gone after 15 s.
#include "engine/Mapping.h"

class Armes;

class ArmeSol : public Mapping {
 public:
  // `a` is the fallen soldier's weapon (copied), `pos` the soldier's place.
  ArmeSol(Armes* a, SDL_Rect pos);
  ~ArmeSol() override;

  void comportement() override;
  void bliting() override;
  void blit_only() override { bliting(); }
  void interragir2(Mapping* O) override;

  Armes* Arme = nullptr;
  Timing cycle;
};
