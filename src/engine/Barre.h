#pragma once
// Gauge: as many copies of one cell picture as the watched value fills.
#include "engine/Interface.h"

class Barre : public Interface {
 public:
#if !GAME_EARLY
  Barre(const char* IMG, SDL_Rect Position);
#endif

  void comportement() override;

  int32_t* valeur_suivie = nullptr;
  int32_t* maximum_valeur_suivie = nullptr;
  int32_t nb_gellule = 10;
};

// Cells a gauge shows for `valeur` of `maximum`: none when the maximum is 0
// or below.
int32_t cellules_pleines(int32_t valeur, int32_t maximum, int32_t nb_gellule);
