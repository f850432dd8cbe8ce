#include "weapons/FusilaPompe.h"

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

short FusilaPompe::Tirer(SDL_Rect pos, bool ne_pas_tirer, bool, double angle, bool, bool illimite) {
  if (peut_tirer(ne_pas_tirer)) {
    auto* b = new FlammePompe(pos, direction, angle);
    b->force = force;
    b->camp = camp;
    Jouer_son(tir, b->calculer_volume(Mapping::centre_scrolling));
    retenir(b);
    consommer(illimite);
    cycle.remise_a_zero();
  }
  etape_recharge(ne_pas_tirer);
  return TIRER;
}
