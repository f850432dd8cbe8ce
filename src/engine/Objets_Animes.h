#pragma once
// Looping animated decor (flags, fires...): up to ten frames, 200 ms each.
#include "engine/Mapping.h"

class Objets_Animes : public Mapping {
 public:
  Objets_Animes(const char* prefixe, SDL_Rect position);
  ~Objets_Animes() override;

  void interragir(Mapping* O) override;
  void bliting() override;
  void blit_only() override { bliting(); }

  int32_t nb_frame = 0;
  int32_t frame_en_cours = 0;
  Timing cycle;
};
