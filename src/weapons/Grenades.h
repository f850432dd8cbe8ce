#pragma once
// A thrown grenade: arcs, bounces, and explodes when its half second is up.
#include "weapons/Projete.h"

class Grenades : public Projete {
 public:
  Grenades(SDL_Rect point, int16_t camp, int dir);

  void comportement() override;
  void bliting() override;
  void blit_only() override { bliting(); }

 protected:
  void finir() override;
  bool rebondit_sur(const Mapping* o) const override { return o->type_objet == OBSTACLES; }
};
