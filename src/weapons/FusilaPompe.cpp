#include "weapons/FusilaPompe.h"

#include <cmath>

#include "characters/Tramer.h"
#include "engine/OuvrirSon.h"
#include "weapons/FlammePompe.h"
#include "weapons/Projectiles.h"

FusilaPompe::FusilaPompe(const char* nom, short Type, short Force, short Vitesse, short Frequence, short Recharge,
                         short Nb_munition, short Temps_de_Recharge, bool Snipe, short Decalage_y)
    : Armes(nom, Type, Force, Vitesse, Frequence, Recharge, Nb_munition, Temps_de_Recharge, Snipe, Decalage_y, 0) {
  if constexpr (!early) balle_en_cours = 3;
}

FusilaPompe::FusilaPompe(Armes a) {
  reprendre(a);
  viseur = a.viseur;
}

#if GAME_EARLY
short FusilaPompe::Tirer(SDL_Rect pos, bool ne_pas_tirer, bool, double angle) { return feu(pos, ne_pas_tirer, angle, false); }
#else
short FusilaPompe::Tirer(SDL_Rect pos, bool ne_pas_tirer, bool, double angle, bool, bool illimite) {
  return feu(pos, ne_pas_tirer, angle, illimite);
}
#endif

short FusilaPompe::feu(SDL_Rect pos, bool ne_pas_tirer, double angle, bool illimite) {
  if (peut_tirer(ne_pas_tirer)) {
    // The earlier blast takes the weapon's own row; the later one has a row of its own.
    auto* b = new FlammePompe(pos, direction, angle, early ? balle_en_cours : 3);
    b->force = force;
    b->camp = camp;
    if constexpr (early) {
      // It flies like an aimed bullet there, so it needs the steps of one.
      const double a = b->Angle * PI_ARMES / 180;
      b->p_y = vitesse * std::sin(a);
      b->vitesse = static_cast<int32_t>(std::cos(a) * vitesse);
    }
    jouer_tir(b);
    retenir(b);
    consommer(illimite);
    cycle.remise_a_zero();
  }
  etape_recharge(ne_pas_tirer);
  return TIRER;
}
