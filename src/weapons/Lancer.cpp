#include "weapons/Lancer.h"

#include <cmath>

#include "characters/Tramer.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/Mapping.h"
#include "engine/OuvrirImage.h"

Lancer::Lancer(const P_char& main, const char* nom, const char* ombre) {
  nom_arme = nom;
  if (ombre) Ombre = AllouerImage(ombre, 0, false);
  type = GRENADES;
  charge_actuelle = NB_ITEMS;
  recharge = 1000;
  nb_munition = 0;
  const char* chemin = main.retournertexte() ? main.retournertexte() : "";
  grenade[0] = AllouerImage(chemin, 0, false);
  grenade[1] = AllouerImage(chemin, 1, false);
}

void Lancer::creer_arme(const char* nom) {
  type = GRENADES;
  nom_arme = nom ? nom : "";
}

#if GAME_EARLY
short Lancer::Tirer(SDL_Rect, bool, bool, double) { return charge_actuelle > 0 ? PROJETER : 0; }
#else
short Lancer::Tirer(SDL_Rect, bool, bool, double, bool, bool) { return charge_actuelle > 0 ? PROJETER : 0; }
#endif

float Lancer::recul_zoome() {
  const float z = static_cast<float>(general::zoom);
  return 130.0f * z - 10.0f * z;
}

SDL_Rect Lancer::point_main(SDL_Rect pos, int dir, float recul) {
  const float z = static_cast<float>(general::zoom);
  float x = pos.x;
  if (dir == 1) x = std::trunc(x + recul);
  SDL_Rect r = {0, 0, pos.w, pos.h};
  r.x = static_cast<Sint16>(dir == 1 ? x - 60.0f * z : x + 60.0f * z);
  r.y = static_cast<Sint16>(pos.y + 4.0f * z);
  return r;
}

SDL_Rect Lancer::point_monde(int x, int y, SDL_Rect pos) const {
  x += general::Scrolling.x;
  y += general::Scrolling.y;
  if (porteur_dit) return Rect(pres16(x, porteur.x), pres16(y, porteur.y), pos.w, pos.h);
  return Rect(borne16(x), borne16(y), pos.w, pos.h);
}

void Lancer::dessiner_main(SDL_Rect main) const {
  SDL_Surface* s = grenade[general::dezoom == 1 ? 1 : 0];
  if (s) Blitter(s, nullptr, general::ecran, &main);
}
