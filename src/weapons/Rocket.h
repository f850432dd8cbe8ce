#pragma once
// The straight rocket: flies level leaving smoke, and explodes on the first
// solid object of another camp; the explosion does the damage.
#include "weapons/Tir.h"

class Rocket : public Tir {
 public:
  Rocket();

  void bliting() override;

  int32_t cycle2 = 2;

 private:
  bool explose = false;
};

// The blast at the end of a rocket: on the rocket's side, raised by its own height.
void Exploser_Roquette(Mapping* roquette, SDL_Rect point);
