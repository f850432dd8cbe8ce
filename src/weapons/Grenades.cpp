#include "weapons/Grenades.h"

#include "weapons/Explosion.h"
#include "weapons/Projectiles.h"

Grenades::Grenades(SDL_Rect point, int16_t c, int dir)
    : Projete(point, c, dir, (dir == GAUCHE ? -1 : 1) * (early ? 35 : 50), "Armes/Grenades/grenade.png") {}

void Grenades::comportement() {
  avancer();
  if constexpr (early) {
    freiner(6);
    vecteur.y = static_cast<Sint16>(vecteur.y - 4);
    if (vecteur.y < -8) vecteur.y = -8;
  } else {
    freiner(10);
    vecteur.y = static_cast<Sint16>(vecteur.y - 8);
    // Falling steps alternate 8 and 16 px.
    if (vecteur.y < -16) vecteur.y = -8;
  }
}

void Grenades::bliting() {
  dessiner();
  vieillir(early ? 1500 : 500);
}

void Grenades::finir() {
  auto* e = poser_explosion("Explosion/", position, early ? 10 : 90);
  if (!e) return;
  e->camp = camp;
  e->position.y = borne16(e->position.y - e->TramePrincipale.h);
}
