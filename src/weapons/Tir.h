#pragma once
// The straight bullet: flies level, strikes the first solid object of
// another camp in its path. Also the root of the rockets.
#include "engine/Mapping.h"

class Tir : public Mapping {
 public:
  Tir();
  ~Tir() override;

  void bliting() override;
  // Even in the draw-only pass a straight shot keeps flying.
  void blit_only() override { bliting(); }
#if GAME_EARLY
  int p_collision(bool) override;
#else
  using Mapping::p_collision;
  virtual int p_collision(bool);
#endif

  int16_t frame_en_cours = 0;
  int16_t nb_frame = 0;
  bool hero = false;
  int16_t force = 10;
  int16_t parcours = 0;
  Timing cycle;

 protected:
  // Moves x one step the way it faces.
  void avancer();
};
