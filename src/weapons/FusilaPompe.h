#pragma once
// The shotgun: every shot is a short blast along the aim instead of a bullet.
#include "weapons/Armes.h"

class FusilaPompe : public Armes {
 public:
  FusilaPompe(const char* nom, short Type, short Force, short Vitesse, short Frequence, short Recharge,
              short Nb_munition, short Temps_de_Recharge, bool Snipe, short Decalage_y);
  explicit FusilaPompe(Armes a);

  short get_type2() override { return 1; }
#if GAME_EARLY
  short Tirer(SDL_Rect pos, bool ne_pas_tirer, bool viser, double angle) override;
#else
  short Tirer(SDL_Rect pos, bool ne_pas_tirer, bool viser, double angle, bool instantane, bool illimite) override;
#endif

 private:
  // Aimed or not, every shot is a blast along the angle.
  short feu(SDL_Rect pos, bool ne_pas_tirer, double angle, bool illimite);
};
