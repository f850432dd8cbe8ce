#include "weapons/Flamme.h"

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "weapons/Projectiles.h"

Flamme::Flamme(SDL_Rect p, int16_t dir) {
  charger_avec_miroir("Armes/flamme.png", "Armes/flamme.png2", image);
  TramePrincipale = Rect(0, 0, image[0] ? image[0]->w : 0, image[0] ? image[0]->h : 0);
  position = p;
  direction = dir;
  layer = 2;
  physique = false;
  Tas = true;
  demarrer(cycle);
}

Flamme::~Flamme() = default;

void Flamme::bliting() {
  SDL_Rect r = point_zoome(position.x, position.y);
  Blitter(image[2 * (direction == GAUCHE ? 1 : 0) + (general::dezoom == 1 ? 1 : 0)], nullptr, general::ecran, &r);
  vivant = false;
}
