#include "weapons/Projete.h"

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"
#include "weapons/Projectiles.h"

Projete::Projete(SDL_Rect point, int16_t c, int dir, int vx, const char* image_nom) {
  camp = c;
  direction = static_cast<int16_t>(dir);
  physique = false;
  demarrer(vie);
  vecteur.x = static_cast<Sint16>(vx);
  vecteur.y = 16;
  image[0] = AllouerImage(image_nom, 0, false);
  image[1] = AllouerImage(image_nom, 1, false);
  TramePrincipale = Rect(0, 0, image[0] ? image[0]->w : 0, image[0] ? image[0]->h : 0);
  position = point;
  Tas = true;
}

void Projete::freiner(int plancher) {
  if (direction == DROITE) {
    vecteur.x = static_cast<Sint16>(vecteur.x - 2);
    if (vecteur.x < plancher) vecteur.x = static_cast<Sint16>(plancher);
  } else {
    vecteur.x = static_cast<Sint16>(vecteur.x + 2);
    if (vecteur.x > -plancher) vecteur.x = static_cast<Sint16>(-plancher);
  }
}

void Projete::dessiner() {
  SDL_Rect r = {0, 0, 0, 0};
  r.x = static_cast<Sint16>(court(position.x * general::zoom) - general::Scrolling.x);
  r.y = static_cast<Sint16>(court(position.y * general::zoom) - general::Scrolling.y);
  Blitter(image[0], nullptr, general::ecran, &r);
}

void Projete::vieillir(int duree) {
  if (vie.cycle(duree) == 3) vivant = false;
  p_collision(false);
  if (!vivant && !fini) {
    fini = true;
    finir();
  }
}

int Projete::p_collision(bool) {
  const int sol = (general::ecran ? general::ecran->h : 544) - 40;
  if (position.y - vecteur.y > sol && !general::sous_marin) {
    int rebond = -vecteur.y / 2;
    if (rebond < 21) rebond = 21;
    vecteur.y = static_cast<Sint16>(rebond);
    position.y = static_cast<Sint16>(sol);
  }
  const int x = position.x, y = position.y, h = TramePrincipale.h;
  // The edge it leads with, where the next step would take it.
  const int X = direction == DROITE ? x + TramePrincipale.w + vecteur.x : x + TramePrincipale.x + vecteur.x;
  const int32_t i = premier_touche("thrown object", 0, X, X, [&](int32_t i) {
    if (!Mapping::occupe(i) || static_cast<uint32_t>(i) == element_actuel) return false;
    const Mapping* o = Mapping::Objets[i];
    if (!o->physique || o->camp == camp || !rebondit_sur(o)) return false;
    if (!(y < o->position.y + o->TramePrincipale.h && o->position.y < y + h)) return false;
    const int debut = o->position.x + o->TramePrincipale.x, fin = o->position.x + o->TramePrincipale.w;
    return debut < X && X < fin;
  });
  if (i < 0) return PAS_COLLISION;
  colliser = i;
  vecteur.x = static_cast<Sint16>(-vecteur.x / 2);
  direction = direction == DROITE ? GAUCHE : DROITE;
  return P_COLLISION;
}
