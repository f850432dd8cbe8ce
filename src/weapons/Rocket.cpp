#include "weapons/Rocket.h"

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"
#include "weapons/Explosion.h"
#include "weapons/Fumee.h"
#include "weapons/Projectiles.h"

void Exploser_Roquette(Mapping* roquette, SDL_Rect point) {
  auto* e = poser_explosion("Armes/Explosion-Roquette/", point, early ? 20 : 90);
  if (!e) return;
  e->camp = roquette->camp;
  e->position.y = borne16(e->position.y - e->TramePrincipale.h);
}

Rocket::Rocket() {
  image[0] = AllouerImage("Armes/Roquette.png", 0, false);
  image[1] = AllouerImage("Armes/Roquette.png", 1, false);
  TramePrincipale = Rect(0, 0, image[0] ? image[0]->w : 0, image[0] ? image[0]->h : 0);
  layer = 2;
  Tas = true;
  parcours = 0;
}

void Rocket::bliting() {
  if (cycle2 > 0) {
    retenir(new Fumee(position));
    cycle2 = 0;
  }
  ++cycle2;
  parcours = static_cast<int16_t>(parcours + vitesse);
  avancer();
  if (!explose && p_collision(false) == P_COLLISION) {
    avancer();
    vivant = false;
    explose = true;
    Exploser_Roquette(this, Rect(position.x + TramePrincipale.w, position.y + TramePrincipale.h, 0, 0));
  }
  SDL_Rect r = point_zoome(position.x, position.y);
  if (parcours > 4000) vivant = false;
  const int ew = general::ecran ? general::ecran->w : 960, eh = general::ecran ? general::ecran->h : 544;
  if (r.x > -TramePrincipale.w && r.x < ew && r.y > -TramePrincipale.h && r.y < eh)
    Blitter(image[general::dezoom == 1 ? 1 : 0], &TramePrincipale, general::ecran, &r);
}
