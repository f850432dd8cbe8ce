#pragma once
// A laid mine: waits on the ground until a soldier of another camp steps on
// its 100 x 100 area, then explodes.
#include "engine/Mapping.h"

class Mine : public Mapping {
 public:
  Mine(SDL_Rect point, int16_t camp);

  void comportement() override;
  void bliting() override;
  void blit_only() override { bliting(); }

  Timing cycle;
  Timing duree;
  int32_t diffusion = 0;

 private:
  // An object of type `t` and another camp overlapping the trigger area.
  bool marche_dessus(int16_t t) const;
};
