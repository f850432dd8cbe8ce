#pragma once
// A thrown smoke grenade: arcs and bounces for a second and a half, then
// leaves a smoke cloud where it lies. Soldiers are no obstacle to it.
#include "weapons/Projete.h"

class Fumigenes : public Projete {
 public:
  Fumigenes(SDL_Rect point, int16_t camp, int dir);

  // It moves while it is drawn, in the draw-only pass as well.
  void bliting() override;
  void blit_only() override { bliting(); }

 protected:
  void finir() override;
  bool rebondit_sur(const Mapping* o) const override { return o->type_objet != TRAMER; }
};
