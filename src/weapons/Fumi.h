#pragma once
// The cloud a smoke grenade leaves: loops its frames for the rest of the
// battle. Soldiers look for it by its type.
#include "engine/Mapping.h"

class Fumi : public Mapping {
 public:
  static constexpr int NB_MAX_FRAMES = 10;

  // Centred on the top-left corner of `ou` once its first frame is known.
  explicit Fumi(SDL_Rect ou);

  void bliting() override;
  void blit_only() override { bliting(); }

  int32_t nb_frame = 0;
  int32_t frame_en_cours = 0;
  Timing cycle;
  Timing Mort;
};
