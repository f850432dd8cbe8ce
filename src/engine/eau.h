#pragma once
// Water tiles: a ripple when a soldier wades into the top tile of a column,
// a splash when one falls in.
#include "engine/Mapping.h"

class Eau : public Mapping {
 public:
  static constexpr int NB_MAX_EAUX = 1000;

  // A map's water tile on "Divers/eau.png"; the splash pictures are loaded
  // by the first tile of the run.
  explicit Eau(SDL_Rect position);
  ~Eau() override;

  void comportement() override;
  void bliting() override;
#if !GAME_EARLY
  // True when another tile lies just above this one.
  bool CheckEaux();
#endif

  Timing cycle;
  int32_t Impact = 2;  // 0 ripple, 1 dive, 2 none
  int32_t frame = 0;

  static Eau* Eaux[NB_MAX_EAUX];
  static int32_t nb_eaux;
  static SDL_Surface* Animations[2][3];
  static bool Init_Eau;
  // The tiles belong to the world: emptied with it.
  static void Vider() { nb_eaux = 0; }
  static void Charger_Animations();
};
