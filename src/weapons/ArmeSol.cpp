#include "weapons/ArmeSol.h"

#include "characters/Tramer.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "weapons/Armes.h"
#include "weapons/Projectiles.h"

ArmeSol::ArmeSol(Armes* a, SDL_Rect pos) {
  demarrer(cycle);
  Arme = Reproduire_Arme(a);
  SDL_Surface* s = a ? a->donnerImage(0, general::dezoom) : nullptr;
  image[0] = s;
  // Zoomed out, the weapon shows its half-size picture rather than a placeholder.
  if (SDL_Surface* petite = a ? a->donnerImage(0, 1) : nullptr) image[1] = petite;
  const int w = s ? s->w : 0, h = s ? s->h : 0;
  TramePrincipale = Rect(0, 0, w, h);
  position = pos;
  position.y = borne16(pos.y - h + 118);
  physique = false;
  layer = 5;
  camp = ENNEMI;
  Tas = true;
#if !GAME_EARLY
  type_objet = ARME;
#endif
}

ArmeSol::~ArmeSol() { delete Arme; }

void ArmeSol::comportement() {
#if !GAME_EARLY
  // The early build's weapons stay where they were dropped.
  {
    const int h = TramePrincipale.h;
    const int eh = general::ecran ? general::ecran->h : 544;
    direction = BAS;
    if (p_collision(false, 0) != P_COLLISION) {
      if (position.y < eh - h - 23 || general::sous_marin)
        position.y = pas16(position.y, 16);
      else
        position.y = court(eh - h - 15);
    } else if (colliser >= 0 && colliser < dernier_objet && Objets[colliser]) {
      position.y = court(Objets[colliser]->position.y - h + 8);
    }
  }
#endif
  if (cycle.cycle(15000) == 3) vivant = false;
}

void ArmeSol::bliting() {
  if (!affichage) return;
  SDL_Rect r = Rect(position.x - general::Scrolling.x, position.y - general::Scrolling.y, 0, 0);
  const int lw = general::ecran ? general::ecran->w : 960, lh = general::ecran ? general::ecran->h : 544;
  if (r.x < lw && r.x > -(TramePrincipale.w * general::zoom) && r.y < lh && r.y > -(TramePrincipale.h * general::zoom)) {
    SDL_Rect d = r;
    Blitter(image[general::dezoom == 1 ? 1 : 0], &TramePrincipale, general::ecran, &d);
  }
  // Within the hero's reach: its silhouette marks it.
  if (Arme && CollisionavecHero(this)) {
    SDL_Rect d = r;
    Blitter(Arme->donnerOmbre(), nullptr, general::ecran, &d);
  }
}

void ArmeSol::interragir2(Mapping* O) {
  if (vivant && O && O->type_objet == TRAMER) PrendreArme(Arme);
  vivant = false;
}
