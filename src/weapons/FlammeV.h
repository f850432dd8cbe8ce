#pragma once
// The flash of an aimed shot: a few frames rotated along the aim.
#include "engine/Mapping.h"

class FlammeV : public Mapping {
 public:
  FlammeV(SDL_Rect muzzle, double angle, int direction, int rangee);
  ~FlammeV() override;

  void bliting() override;
  void blit_only() override;

  Timing cycle;
  int16_t frame_en_cours = 0;
  int16_t nb_frame = 0;
};
