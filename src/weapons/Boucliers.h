#pragma once
// A shield set down: a barrier of its camp that stands until it has
// absorbed its life or ten seconds have passed.
#include "engine/Mapping.h"

class Boucliers : public Mapping {
 public:
  static constexpr int VIE = 150;
  static constexpr int DUREE = 10000;

  // `point`: where it stands in the world (it is raised 30 px from there).
  Boucliers(SDL_Rect point, int16_t camp);

  void comportement() override;
  void bliting() override;
  void blit_only() override { bliting(); }
  void be_objectif(int camp, int vie) override;
  void recevoirdegats(int16_t degats, Mapping* source, int16_t direction, double angle, int16_t drapeau) override;
  bool get_be_objectif() const { return camp == NUL; }

  Timing cycle;
  int32_t vie_max = VIE;
  char* nom = nullptr;
  bool detruit = false;
};
