#include "engine/eau.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "characters/Tramer.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"

Eau* Eau::Eaux[Eau::NB_MAX_EAUX];
int32_t Eau::nb_eaux = 0;
SDL_Surface* Eau::Animations[2][3];
bool Eau::Init_Eau = false;

void Eau::Charger_Animations() {
  static const char* const dossiers[2] = {"Impact/Eau/mouvement/", "Impact/Eau/plongeon/"};
  for (int r = 0; r < 2; ++r)
    for (int k = 0; k < 3; ++k)
      Animations[r][k] = AllouerImage((std::string(dossiers[r]) + std::to_string(k + 1) + ".png").c_str(), 0, true);
  Init_Eau = true;
}

Eau::Eau(SDL_Rect pos) {
  image[0] = AllouerImage("Divers/eau.png", 0, false);
  image[1] = AllouerImage("Divers/eau.png", 1, false);
  cycle.en_cours = true;
  cycle.remise_a_zero();
  Impact = 2;
  frame = 0;
  TramePrincipale = Rect(0, 0, image[0] ? image[0]->w : 0, image[0] ? image[0]->h : 0);
  position = pos;
  physique = false;
  if constexpr (early) {
    layer = 5;  // plain decor, no splashes and no list
    return;
  }
  layer = 6;
  if (!Init_Eau) Charger_Animations();
  if (nb_eaux < NB_MAX_EAUX) {
    Eaux[nb_eaux++] = this;
  } else {
    static bool dit = false;
    if (!dit) std::fprintf(stderr, "water list full: further tiles make no splash\n");
    dit = true;
  }
}

Eau::~Eau() {
  for (int32_t i = 0; i < nb_eaux; ++i)
    if (Eaux[i] == this) {
      std::copy(Eaux + i + 1, Eaux + nb_eaux, Eaux + i);
      Eaux[--nb_eaux] = nullptr;
      break;
    }
}

#if GAME_EARLY
void Eau::comportement() {}
void Eau::bliting() { Mapping::bliting(); }
#else
void Eau::comportement() {
  if (cycle.cycle(200) == 3) {
    if (++frame > 2) {
      frame = 0;
      Impact = 2;  // the splash is over
    }
    cycle.remise_a_zero();
  }
  if (Impact != 2) return;
  const int n = std::min<int32_t>(Tramer::nb_persos, Tramer::NB_MAX_PERSOS);
  for (int i = 0; i < n; ++i) {
    Tramer* t = Tramer::Persos[i];
    if (!t) continue;
    const bool dedans = t->position.x < position.x + TramePrincipale.w &&
                        t->position.x + t->TramePrincipale.w > position.x &&
                        t->position.y < position.y + TramePrincipale.h &&
                        t->position.y + t->TramePrincipale.h > position.y;
    if (!dedans || CheckEaux()) continue;
    if (t->action == TOMBER) {
      frame = 0;
      Impact = 1;
      cycle.remise_a_zero();
    } else if (t->En_mouvement) {
      frame = 0;
      Impact = 0;
      cycle.remise_a_zero();
    }
  }
}

bool Eau::CheckEaux() {
  const int c = position.x + TramePrincipale.w / 2;
  const int h = TramePrincipale.h;
  for (int32_t i = 0; i < nb_eaux; ++i) {
    Eau* e = Eaux[i];
    if (!e || e == this) continue;
    const int ce = e->position.x + e->TramePrincipale.w / 2;
    if (std::abs(ce - c) < TramePrincipale.w / 2 && e->position.y < position.y && e->position.y > position.y - 2 * h)
      return true;
  }
  return false;
}

void Eau::bliting() {
  if (!affichage) return;
  Mapping::bliting();
  if (Impact != 0 && Impact != 1) return;
  SDL_Surface* a = Animations[Impact][frame >= 0 && frame <= 2 ? frame : 0];
  if (!a) return;
  SDL_Rect r = Rect(position.x - general::Scrolling.x, position.y - general::Scrolling.y - a->h / 2, 0, 0);
  Blitter(a, nullptr, general::ecran, &r);
}
#endif
