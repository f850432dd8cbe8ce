#pragma once
// A puff of a rocket's smoke trail: changes frame every half second and
// fades after two.
#include "engine/Mapping.h"
#include "engine/Partie.h"

class Fumee : public Mapping {
 public:
  explicit Fumee(SDL_Rect r);

  void bliting() override;
  void blit_only() override { bliting(); }

  Timing cycle;
  Timing duree;
  int32_t diffusion = 0;
  Partie* img = nullptr;
};
