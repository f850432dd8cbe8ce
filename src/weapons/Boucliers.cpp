#include "weapons/Boucliers.h"

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"
#include "weapons/Projectiles.h"

Boucliers::Boucliers(SDL_Rect point, int16_t c) {
  camp = c;
  Tas = true;
  physique = true;
  affichage = true;
  detruit = false;
  image[0] = AllouerImage("Armes/bouclier/bouclier.png", 0, false);
  // One size serves both views, so it keeps running when the view is halved.
  image[1] = image[0];
  vie = static_cast<int16_t>(VIE);
  vie_max = VIE;
  TramePrincipale = Rect(0, 0, image[0] ? image[0]->w : 0, image[0] ? image[0]->h : 0);
  position = point;
  position.y = borne16(position.y - 30);
  layer = 5;
  demarrer(cycle);
}

void Boucliers::comportement() {
  if (cycle.cycle(DUREE) == 3) vivant = false;
}

void Boucliers::be_objectif(int c, int v) {
  camp = static_cast<int16_t>(c);
  vie_max = v;
  vie = static_cast<int16_t>(v);
}

void Boucliers::recevoirdegats(int16_t degats, Mapping*, int16_t, double, int16_t) {
  if (degats <= 0) return;
  if (degats >= vie) {
    vie = 0;
    physique = false;
    vivant = false;
    return;
  }
  vie = static_cast<int16_t>(vie - degats);
}

void Boucliers::bliting() {
  if (!affichage) return;
  SDL_Rect r = {static_cast<Sint16>(court(position.x * general::zoom) - general::Scrolling.x),
                static_cast<Sint16>(court(position.y * general::zoom) - general::Scrolling.y), 0, 0};
  const int ew = general::ecran ? general::ecran->w : 960, eh = general::ecran ? general::ecran->h : 544;
  if (r.x > -TramePrincipale.w && r.x < ew && r.y > -TramePrincipale.h && r.y < eh)
    Blitter(image[0], nullptr, general::ecran, &r);
}
