#include "weapons/LanceRoquette.h"

#include "characters/Tramer.h"
#include "engine/OuvrirSon.h"
#include "engine/OuvrirImage.h"
#include "weapons/Projectiles.h"
#include "weapons/Rocket.h"
#include "weapons/RocketV.h"

LanceRoquette::LanceRoquette(const char* nom, short Type, short Force, short Vitesse, short Frequence, short Recharge,
                             short Nb_munition, short Temps_de_Recharge, bool Snipe, short Decalage_y)
    : Armes(nom, Type, Force, Vitesse, Frequence, Recharge, Nb_munition, Temps_de_Recharge, Snipe, Decalage_y, 0) {}

LanceRoquette::LanceRoquette(Armes a) { reprendre(a); }

#if GAME_EARLY
short LanceRoquette::Tirer(SDL_Rect pos, bool ne_pas_tirer, bool viser, double angle) {
  return feu(pos, ne_pas_tirer, viser, angle, false);
}
#else
short LanceRoquette::Tirer(SDL_Rect pos, bool ne_pas_tirer, bool viser, double angle, bool, bool illimite) {
  return feu(pos, ne_pas_tirer, viser, angle, illimite);
}
#endif

short LanceRoquette::feu(SDL_Rect pos, bool ne_pas_tirer, bool viser, double angle, bool illimite) {
  if (peut_tirer(ne_pas_tirer)) {
    if (!viser) {
      consommer(illimite);
      auto* r = new Rocket();
      r->position = pos;
      if (direction == GAUCHE) r->position.x = court(pos.x - r->TramePrincipale.w);
      r->position.y = court(pos.y + decalage_y);
      r->direction = direction;
      r->force = force;
      r->vitesse = vitesse;
      r->camp = camp;
      jouer_tir(r);
      retenir(r);
    } else {
      auto* r = new RocketV(pos, angle, vitesse);
      r->force = force;
      r->camp = camp;
      jouer_tir(r);
      retenir(r);
      consommer(illimite);
    }
    cycle.remise_a_zero();
  }
  etape_recharge(ne_pas_tirer);
  return TIRER;
}
