#include "weapons/Mine.h"

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"
#include "weapons/Explosion.h"
#include "weapons/Projectiles.h"

Mine::Mine(SDL_Rect point, int16_t c) {
  Tas = true;
  position = point;
  physique = false;
  diffusion = 0;
  image[0] = AllouerImage("Armes/Mines/projectile.png", 0, false);
  // One size serves both views, so it stays armed when the view is halved.
  image[1] = image[0];
  demarrer(cycle);
  demarrer(duree);
  camp = c;
}

bool Mine::marche_dessus(int16_t t) const {
  const SDL_Rect& m = position;
  const int W = TramePrincipale.w, H = TramePrincipale.h;
  for (int32_t i = 0; i < Mapping::dernier_objet; ++i) {
    if (!Mapping::occupe(i) || static_cast<uint32_t>(i) == element_actuel) continue;
    const Mapping* o = Mapping::Objets[i];
    if (o->type_objet != t || o->camp == camp) continue;
    const SDL_Rect& p = o->position;
    if (m.x < p.x + o->TramePrincipale.w && p.x < m.x + W && m.y < p.y + o->TramePrincipale.h && p.y < m.y + H)
      return true;
  }
  return false;
}

void Mine::comportement() {
  if (!vivant || !(marche_dessus(TRAMER) || marche_dessus(TIR))) return;
  vivant = false;
  const SDL_Rect coin = Rect(borne16(position.x + TramePrincipale.w), borne16(position.y + TramePrincipale.h), 0, 0);
  auto* e = poser_explosion("Armes/Mines/", coin, 150);
  if (!e) return;
  e->position.y = borne16(e->position.y - e->TramePrincipale.h);
  e->camp = camp;
}

void Mine::bliting() {
  if (!affichage) return;
  SDL_Rect r = point_zoome(position.x, position.y);
  const int ew = general::ecran ? general::ecran->w : 960, eh = general::ecran ? general::ecran->h : 544;
  if (r.x > -TramePrincipale.w && r.x < ew && r.y > -TramePrincipale.h && r.y < eh)
    Blitter(image[0], &TramePrincipale, general::ecran, &r);
}
