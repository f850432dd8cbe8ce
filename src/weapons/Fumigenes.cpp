#include "weapons/Fumigenes.h"

#include "engine/Objets_Animes.h"
#include "weapons/Fumi.h"
#include "weapons/Projectiles.h"

Fumigenes::Fumigenes(SDL_Rect point, int16_t c, int dir)
    : Projete(point, c, dir, dir == GAUCHE ? -35 : 35,
              early ? "Armes/Grenades/grenade.png" : "Armes/Fumigene/projectile.png") {}

void Fumigenes::bliting() {
  avancer();
  freiner(6);
  vecteur.y = static_cast<Sint16>(vecteur.y - 4);
  if (vecteur.y < -8) vecteur.y = -8;
  dessiner();
  vieillir(1500);
}

void Fumigenes::finir() {
  if constexpr (early) {
    auto* o = new Objets_Animes("Armes/fumigene/", position);
    o->Tas = true;
    retenir(o);
  } else {
    retenir(new Fumi(position));
  }
}
