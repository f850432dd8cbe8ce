#pragma once
// Weather over the whole screen: up to ten frames of a folder, tiled from
// the top-left corner, each tile showing a frame drawn at random.
#include <vector>

#include "engine/Interface.h"

class Evenement_meteorologique : public Interface {
 public:
  static constexpr int NB_FRAMES_MAX = 10;

  explicit Evenement_meteorologique(P_char dossier);

  void comportement() override;

  uint8_t nb_frame = 0;
  SDL_Surface* image[NB_FRAMES_MAX] = {};    // from the image cache
  std::vector<std::vector<int32_t>> tirage;  // [column][row]
  Timing cycle;

 private:
  void tirer();
};
