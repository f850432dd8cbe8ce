#pragma once
// A blast: plays the numbered pictures of a folder and, every 100 ms while
// they play, strikes each object of another camp within reach.
#include "engine/Mapping.h"

class Explosion : public Mapping {
 public:
  static constexpr int NB_MAX_FRAMES = 10;

  // `point` is the centre of the first picture; creators that want the blast
  // to spare their side set `camp` afterwards.
  Explosion(P_char dossier, SDL_Rect point, int degat);

  void comportement() override;
  void bliting() override;
  void blit_only() override { bliting(); }

  P_char Noms[NB_MAX_FRAMES];
  Uint8 nb_frame = 0;
  int degat = 0;
  SDL_Rect dm_image = {0, 0, 0, 0};
  Uint8 frame_en_cours = 0;
  Timing cycle;

 private:
  void frapper();
};

// A blast the world owns, or null (and nothing left behind) when the full
// world table refuses it.
Explosion* poser_explosion(const char* dossier, SDL_Rect point, int degat);
// The harmless blast of a wrecked target; the world owns it.
void Creer_Explosion(SDL_Rect point);
