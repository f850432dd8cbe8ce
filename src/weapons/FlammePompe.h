#pragma once
// The shotgun's blast: shown in front of the muzzle, it strikes everything
// of another camp under it once its frames have played, then is gone.
#include "weapons/TirV.h"

class FlammePompe : public TirV {
 public:
  // Its frames come from row `rangee` of the flame table.
  FlammePompe(SDL_Rect muzzle, int direction, double angle, int rangee);

  void comportement() override;
  void bliting() override;
  void blit_only() override;

  Timing cycle;

 private:
  void frapper();
  // Struck once: a target that puts the blast back alive does not get it again.
  bool a_frappe = false;
};
