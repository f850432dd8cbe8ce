#pragma once
// The shotgun: every shot is a short blast along the aim instead of a bullet.
#include "weapons/Armes.h"

class FusilaPompe : public Armes {
 public:
  FusilaPompe(const char* nom, short Type, short Force, short Vitesse, short Frequence, short Recharge,
              short Nb_munition, short Temps_de_Recharge, bool Snipe, short Decalage_y);
  explicit FusilaPompe(Armes a);

  short get_type2() override { return 1; }
  short Tirer(SDL_Rect pos, bool ne_pas_tirer, bool viser, double angle, bool instantane, bool illimite) override;
};
