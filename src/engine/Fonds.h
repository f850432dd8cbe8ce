#pragma once
// The terrain every battle has: the background with its ambience, the
// ground strip along the bottom of the level, and the fill below it that
// underwater maps bring into view.
#include "engine/Mapping.h"

// Holder of the looping ambience stream.
struct Musique {
  Son::Flux* musique = nullptr;
};

class Fond : public Mapping {
 public:
  explicit Fond(const char* prefixe);
  ~Fond() override;
  void bliting() override;
  void blit_only() override { bliting(); }

  int32_t nb_frame = 0;
  int32_t frame_en_cours = 0;
  Timing cycle;
  Musique* Ambiance = nullptr;
};

class Sol : public Mapping {
 public:
  explicit Sol(const char* prefixe);
  ~Sol() override;
  void bliting() override;
  void blit_only() override { bliting(); }

  int32_t nb_frame = 0;
  int32_t frame_en_cours = 0;
  Timing cycle;
};

class SSol : public Mapping {
 public:
  explicit SSol(const char* prefixe);
  ~SSol() override;
  void bliting() override;
  void blit_only() override { bliting(); }

  int32_t nb_frame = 1;
  int32_t frame_en_cours = 0;
  Timing cycle;
};
