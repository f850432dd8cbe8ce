#pragma once
// A soldier's aura power as a weapon: it fires nothing; the carrier switches
// the boost named by `type` (VITESSE, FORCE or REGENERATION) on and off.
#include "weapons/Armes.h"

class Aura : public Armes {
 public:
  Aura(const char* nom, short Type);
  explicit Aura(const Armes& a);

  short get_type2() override { return 8; }
#if GAME_EARLY
  short Tirer(SDL_Rect, bool, bool, double) override { return 0; }
#else
  short Tirer(SDL_Rect, bool, bool, double, bool, bool) override { return 0; }
#endif
};
