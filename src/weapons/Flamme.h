#pragma once
// The flash at the muzzle of a straight shot, shown for one frame.
#include "engine/Mapping.h"

class Flamme : public Mapping {
 public:
  Flamme(SDL_Rect p, int16_t direction);
  ~Flamme() override;

  void bliting() override;

  Timing cycle;
  // Its own pictures (cache-owned): [0] normal, [1] half size, [2] mirrored,
  // [3] mirrored half size. The world entry keeps the default picture.
  SDL_Surface* image[4] = {};
};
