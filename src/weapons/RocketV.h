#pragma once
// The aimed rocket: flies along the aim with a rotated picture, strikes the
// object it meets with its force, then explodes.
#include "weapons/Tir.h"

class RocketV : public Tir {
 public:
  // `vitesse` is the launcher's speed, split along the angle.
  RocketV(SDL_Rect pos, double angle, int16_t vitesse);
  ~RocketV() override;

  void comportement() override;
  void bliting() override;
  using Tir::p_collision;
  virtual int p_collision(int16_t premier, bool);

  double Angle = 0;
  double y = 0;
  double p_y = 0;
  int32_t cycle2 = 4;

 private:
  bool explose = false;
};
