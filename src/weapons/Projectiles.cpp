#include "weapons/Projectiles.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstdio>

#include "engine/Constantes.h"
#include "engine/OuvrirImage.h"
#include "engine/Fonctions.h"
#include "engine/FormatEcran.h"

int16_t court(double v) {
  if (!(v > -2147483648.0 && v < 2147483647.0)) v = v > 0 ? 2147483647.0 : -2147483648.0;
  return static_cast<int16_t>(static_cast<int32_t>(v));
}

bool hors_16_bits(double v) { return !(v >= INT16_MIN && v <= INT16_MAX); }

int pas_de_portee(int vx) { return std::abs(vx); }

SDL_Rect point_zoome(int x, int y) {
  const double z = general::zoom;
  const SDL_Rect& S = general::Scrolling;
  const int ew = general::ecran ? general::ecran->w : 960, eh = general::ecran ? general::ecran->h : 544;
  SDL_Rect r = {0, 0, 0, 0};
  r.x = court(court(court(x * z) - S.x * z) + 0.5 * ew * (1 - z));
  r.y = court(court(court(y * z) - S.y * z) + eh * (1 - z));
  return r;
}

void demarrer(Timing& t) {
  t.remise_a_zero();
  t.en_cours = true;
}

void charger_avec_miroir(const char* nom, const char* miroir, SDL_Surface* sortie[4]) {
  sortie[0] = AllouerImage(nom, 0, false);
  if (!sortie[0]) {
    sortie[1] = sortie[2] = sortie[3] = nullptr;
    return;
  }
  sortie[1] = AllouerImage(nom, 1, false);
  stocker_miroir(miroir, sortie[0]);
  sortie[2] = AllouerImage(miroir, 0, false, false);
  sortie[3] = AllouerImage(miroir, 1, false, false);
}

int16_t cadres_tournes(const char* const rangee[6], int direction, double angle, SDL_Surface** cadres) {
  for (int i = 0; i < 6; ++i) cadres[i] = nullptr;
  const int sens = direction == 1 ? 1 : 0;
  int16_t n = 0;
  for (int i = 0; i < 5 && rangee[i]; ++i) {
    SDL_Surface*** t = TotalAllouerImage(rangee[i]);
    SDL_Surface* s = t[sens][0];
    LibererTotalImage(t);
    cadres[i] = s ? tourner(s, angle - 180.0 * direction, 1.0) : nullptr;
    n = static_cast<int16_t>(i + 1);
    if (!cadres[i] || !rangee[i + 1]) break;
  }
  return n;
}

void ecrire_pas_vertical(double p_y) { std::printf("%g", p_y); }

Mapping* retenir(Mapping* o) {
  if (o && (!o->enregistre() || !o->image || !o->image[0])) {
    delete o;
    return nullptr;
  }
  return o;
}
