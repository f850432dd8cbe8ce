#pragma once
// The blood splash of the earlier build: every hit a soldier takes leaves
// one. It looks up its frames, notes in "sang.txt" which files it tried, and
// then stays in the world, unseen and inert, until the next battle empties
// the world; only a full world table takes the oldest one's entry back.
#include "engine/Mapping.h"

#if GAME_EARLY
class Sang : public Mapping {
 public:
  // `dossier` ends with a slash; `direction` 1 takes the left-facing frames.
  // The layer and angle are taken and not used: a splash lies in layer 4.
  Sang(const char* dossier, short direction, Mapping* cible, SDL_Rect where, short layer, double angle);
  ~Sang() override;

  // For a world table with no entry left: deletes the oldest splash that
  // holds an entry registration may reuse (not entry 0) and gives that
  // entry; -1 when there is none.
  static int32_t rendre_la_plus_ancienne();

  void bliting() override {}
  void blit_only() override {}
  void crever() override;

  Timing cycle;
  int16_t DirBaseCible = 0;
  int16_t nb_image = 0;
  // The soldier hit; never owned, never read.
  Mapping* cible = nullptr;
  // Where the hit landed, relative to that soldier.
  SDL_Rect where = {0, 0, 0, 0};
  int16_t image_en_cours = 0;
  // Its own frames (the array is the splash's, the pictures the cache's),
  // apart from the picture pair every world object has.
  SDL_Surface** image = nullptr;

 private:
  // Every splash, oldest first.
  static Sang* premiere;
  static Sang* derniere;
  Sang* precedente = nullptr;
  Sang* suivante = nullptr;
};
#endif
