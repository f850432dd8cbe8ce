#include "weapons/Fumee.h"

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "weapons/Projectiles.h"

Fumee::Fumee(SDL_Rect r) {
  position = r;
  physique = false;
  Tas = true;
  img = Partie::AllouerPartie("Armes/Fumee/");
  demarrer(cycle);
  demarrer(duree);
}

void Fumee::bliting() {
  const int n = img ? img->nb_frame : 0;
  if (cycle.cycle(500) == 3) {
    if (n > 0) diffusion = (diffusion + 1) % n;
    cycle.remise_a_zero();
  }
  if (affichage && n > 0) {
    SDL_Surface* s = img->Image[general::dezoom == 0 ? 0 : 2][diffusion % n];
    SDL_Rect p = point_zoome(position.x, position.y);
    const int ew = general::ecran ? general::ecran->w : 960, eh = general::ecran ? general::ecran->h : 544;
    if (s && p.x > -s->w && p.x < ew && p.y > -s->h && p.y < eh) Blitter(s, nullptr, general::ecran, &p);
  }
  if (duree.cycle(2000) == 3) vivant = false;
}
