#include "weapons/RocketV.h"

#include <algorithm>
#include <cmath>

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/FormatEcran.h"
#include "engine/OuvrirImage.h"
#include "weapons/Fumee.h"
#include "weapons/Projectiles.h"
#include "weapons/Rocket.h"

RocketV::RocketV(SDL_Rect pos, double angle, int16_t v) {
  // Two rotated copies made for this rocket alone, freed with it.
  SDL_Surface* p = AllouerImage("Armes/Roquette.png", 0, false);
  image[0] = tourner(p, angle, 1.0);
  image[1] = tourner(p, angle, 0.5);
  const int w = image[0] ? image[0]->w : 0, h = image[0] ? image[0]->h : 0;
  TramePrincipale = Rect(0, 0, w, h);
  Angle = angle;
  if constexpr (early) ecrire_pas_vertical(80 * std::tan(angle * PI_ARMES / 180));
  y = pos.y;
  layer = 2;
  Tas = true;
  direction = DROITE;
  const double a = Angle * PI_ARMES / 180;
  p_y = v * std::sin(a);
  vitesse = static_cast<int32_t>(v * std::cos(a));
  position.x = borne16(static_cast<int>(pos.x + w * std::cos(a) * 0.5) - w / 2);
  position.y = borne16(static_cast<int>(pos.y - h / 2 - h * std::sin(a) * 0.5) - h / 2);
  position.w = pos.w;
  position.h = pos.h;
}

RocketV::~RocketV() {
  for (int i = 0; i < 2; ++i) {
    SDL_FreeSurface(image[i]);
    image[i] = nullptr;
  }
}

void RocketV::comportement() {
  if (cycle2 > 0) {
    retenir(new Fumee(Rect(position.x, court(y), 0, 0)));
    cycle2 = 0;
  }
  ++cycle2;
  // A rocket never wraps round the world: past 16 bits it is spent.
  if (hors_16_bits(position.x + static_cast<double>(vitesse)) || hors_16_bits(y - p_y)) {
    vivant = false;
    return;
  }
  position.x = court(position.x + vitesse);
  y -= p_y;
  parcours = static_cast<int16_t>(std::min(32767, parcours + pas_de_portee(vitesse)));
}

int RocketV::p_collision(int16_t premier, bool) {
  const int x = position.x, w = TramePrincipale.w, h = TramePrincipale.h;
  const int32_t i = premier_touche("aimed rocket", premier, x, x + vitesse + w, [&](int32_t i) {
    if (static_cast<uint32_t>(i) == element_actuel || !occupe(i)) return false;
    Mapping* o = Objets[i];
    if (!o->physique || o->camp == camp || !o->affichage || !o->vivant) return false;
    const int ox = o->position.x, oy = o->position.y, ow = o->TramePrincipale.w, oh = o->TramePrincipale.h;
    return x < ox + ow && ox < x + vitesse + w && y + p_y < oy + oh && oy + o->relever_decalage_y() < y + p_y + h;
  });
  if (i < 0) return PAS_COLLISION;
  colliser = i;
  return P_COLLISION;
}

void RocketV::bliting() {
  SDL_Rect r = Rect(position.x - general::Scrolling.x, court(y) - general::Scrolling.y, 0, 0);
  if (parcours > 4000) vivant = false;
  Blitter(image[general::dezoom == 1 ? 1 : 0], &TramePrincipale, general::ecran, &r);
  // Exploded once is the end of it, even if the target lets it through.
  if (explose || p_collision(0, false) != P_COLLISION) return;
  const int k = static_cast<int>(-p_y);
  vivant = false;
  explose = true;
  Objets[colliser]->recevoirdegats(force, this, direction, Angle, 0);
  const Sint16 bx = borne16(position.x + TramePrincipale.w), by = borne16(court(y) + TramePrincipale.h + k);
  Exploser_Roquette(this, Rect(bx, by, 0, 0));
  vivant = false;
}
