#include "weapons/TirV.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "weapons/Projectiles.h"

namespace {
const char* const* rangee_des_tirs(int r) { return general::Tirs[r >= 0 && r < 4 ? r : 0]; }
}  // namespace

TirV::TirV(SDL_Rect pos, double angle, int dir, int rangee) : TirV(pos, angle, dir, rangee_des_tirs(rangee)) {
  // The earlier build traced every aimed shot's first vertical step.
  if constexpr (early) ecrire_pas_vertical(p_y);
}

TirV::TirV(SDL_Rect pos, double angle, int dir, const char* const rangee[6]) : Mapping(static_cast<SDL_Surface*>(nullptr), Rect(0, 0, 0, 0)) {
  // The picture pair makes way for this bullet's own rotated frames.
  delete[] image;
  image = new SDL_Surface*[6]{};
  direction = static_cast<int16_t>(dir);
  camp = ALLIE;
  nb_frame = cadres_tournes(rangee, dir, angle, image);
  position = pos;
  TramePrincipale = Rect(0, 0, image[0] ? image[0]->w : 0, image[0] ? image[0]->h : 0);
  layer = 5;
  Tas = true;
  vitesse = 80;
  Angle = angle - 180.0 * dir;
  p_y = 80 * std::tan(angle * PI_ARMES / 180);
  y = pos.y;
  demarrer(cycle);
}

TirV::~TirV() {
  for (int i = 0; i < nb_frame && i < 6; ++i) {
    SDL_FreeSurface(image[i]);
    image[i] = nullptr;
  }
}

int TirV::p_collision(int16_t ignorer, bool) {
  if (direction != DROITE && direction != GAUCHE) return PAS_COLLISION;
  const int x = position.x, vx = vitesse, w = TramePrincipale.w, h = TramePrincipale.h;
  const double Y = y, p = p_y;
  // The stretch of x this step sweeps.
  const int x1 = direction == DROITE ? x : x + w, x2 = direction == DROITE ? x + vx + w : x - vx;
  const int32_t i = premier_touche("aimed bullet", ignorer, x1, x2, [&](int32_t i) {
    if (static_cast<uint32_t>(i) == element_actuel || !occupe(i)) return false;
    Mapping* o = Objets[i];
    if (!o->physique || o->camp == camp || !o->affichage || !o->vivant) return false;
    const double haut = o->position.y + o->relever_decalage_y(), bas = o->position.y + o->TramePrincipale.h;
    const int gauche = o->position.x, droite = o->position.x + o->TramePrincipale.w;
    if (direction == DROITE) {
      if (!(x < droite && x + vx + w > gauche)) return false;
      if constexpr (early) return Y + p < bas && Y + p + h > haut;
      return Y + p < bas && Y - p + h > haut;
    }
    if (!(x - vx < droite && x + w > gauche)) return false;
    if constexpr (early) return Y < bas && Y - p + h > haut;
    return Y - p < bas && Y + p + h > haut;
  });
  if (i < 0) return PAS_COLLISION;
  colliser = i;
  return P_COLLISION;
}

void TirV::comportement() {
  if (p_collision(0, false) == P_COLLISION) {
    vivant = false;
    Objets[colliser]->recevoirdegats(force, this, direction, Angle, 0);
  }
  if (vivant && (direction == DROITE || direction == GAUCHE)) {
    const int dx = direction == DROITE ? vitesse : -vitesse;
    const double dy = direction == DROITE ? -p_y : p_y;
    // A shot never wraps round the world: past 16 bits it is spent. That is
    // also where an unlimited shot that hits nothing ends.
    if (hors_16_bits(position.x + static_cast<double>(dx)) || hors_16_bits(y + dy)) {
      vivant = false;
    } else {
      position.x = court(position.x + dx);
      y += dy;
    }
  }
  parcours = static_cast<int16_t>(std::min(32767, parcours + pas_de_portee(vitesse)));
}

void TirV::dessiner_cadre(SDL_Rect r) {
  if (frame_en_cours >= 0 && frame_en_cours < nb_frame && frame_en_cours < 6)
    Blitter(image[frame_en_cours], &TramePrincipale, general::ecran, &r);
}

void TirV::bliting() {
  SDL_Rect r = Rect(position.x - general::Scrolling.x, court(y) - general::Scrolling.y, 0, 0);
  const int ew = general::ecran ? general::ecran->w : 960;
  if (parcours > ew / 2 && limite) vivant = false;
  if (++frame_en_cours >= nb_frame) frame_en_cours = 0;
  if (vivant) dessiner_cadre(r);
}

void TirV::blit_only() {
  if (!vivant) return;
  dessiner_cadre(Rect(position.x - general::Scrolling.x, court(y) - general::Scrolling.y, 0, 0));
}
