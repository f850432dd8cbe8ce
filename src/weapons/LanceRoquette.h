#pragma once
// The rocket launcher: its shots are rockets that end in an explosion.
#include "weapons/Armes.h"

class LanceRoquette : public Armes {
 public:
  LanceRoquette(const char* nom, short Type, short Force, short Vitesse, short Frequence, short Recharge,
                short Nb_munition, short Temps_de_Recharge, bool Snipe, short Decalage_y);
  explicit LanceRoquette(Armes a);

  short get_type2() override { return 2; }
#if GAME_EARLY
  short Tirer(SDL_Rect pos, bool ne_pas_tirer, bool viser, double angle) override;
#else
  short Tirer(SDL_Rect pos, bool ne_pas_tirer, bool viser, double angle, bool instantane, bool illimite) override;
#endif

 private:
  short feu(SDL_Rect pos, bool ne_pas_tirer, bool viser, double angle, bool illimite);
};
