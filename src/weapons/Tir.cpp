#include "weapons/Tir.h"

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "weapons/Projectiles.h"

Tir::Tir() : Mapping("Armes/tir.png", general::origine) {
  TramePrincipale = Rect(0, 0, image[0] ? image[0]->w : 0, image[0] ? image[0]->h : 0);
  layer = 5;
  Tas = true;
  vitesse = 80;
  direction = DROITE;
  demarrer(cycle);
}

Tir::~Tir() = default;

void Tir::avancer() {
  const int pas = direction == DROITE ? vitesse : direction == GAUCHE ? -vitesse : 0;
  const int x = position.x + pas;
  // A shot never wraps round the world: past 16 bits it is spent.
  if (x < INT16_MIN || x > INT16_MAX)
    vivant = false;
  else
    position.x = static_cast<Sint16>(x);
}

int Tir::p_collision(bool) {
  if (direction != DROITE && direction != GAUCHE) return PAS_COLLISION;
  const int x = position.x, y = position.y, w = TramePrincipale.w, h = TramePrincipale.h;
  const int fx = TramePrincipale.x, fy = relever_decalage_y(), v = vitesse;
  // The front edge and where this step takes it.
  const int avant = direction == DROITE ? x + w - fx : x + fx;
  const int apres = direction == DROITE ? avant + v : avant - v;
  const int32_t i = premier_touche("bullet", 0, avant, apres, [&](int32_t i) {
    // Cheapest refusals first: most of a map is decor that stops nothing.
    Mapping* o = Objets[i];
    if (!o || !o->physique || o->camp == camp || !o->affichage) return false;
    if (static_cast<uint32_t>(i) == element_actuel || !occupe(i)) return false;
    const int haut = o->position.y + o->relever_decalage_y(), bas = o->position.y + o->TramePrincipale.h;
    const int gauche = o->position.x, droite = o->position.x + o->TramePrincipale.w;
    if (!(y + fy < bas && y + h > haut)) return false;
    if (direction == DROITE) return apres > gauche && avant < droite;
    return apres < droite && avant > gauche;
  });
  if (i < 0) return PAS_COLLISION;
  colliser = i;
  return P_COLLISION;
}

void Tir::bliting() {
  parcours = static_cast<int16_t>(parcours + vitesse);
  avancer();
  if (vivant && p_collision(false) == P_COLLISION) {
    avancer();
    vivant = false;
    Objets[colliser]->recevoirdegats(force, this, direction, 0.0, 0);
  }
  SDL_Rect r = point_zoome(position.x, position.y);
  if (parcours > 4000) vivant = false;
  if (vivant) Blitter(image[general::dezoom == 1 ? 1 : 0], &TramePrincipale, general::ecran, &r);
}
