#include "engine/cc.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/Constantes.h"
#include "engine/Decor.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"

cc* cc::CCs[cc::NB_MAX_CC];
int cc::nb_cc = 0;

namespace {
const char* const PICTURES[3] = {"Divers/cc-allie.png", "Divers/cc-ennemi.png", "Divers/cc-neutre.png"};

const char* picture(int camp) { return camp == ALLIE ? PICTURES[0] : camp == ENNEMI ? PICTURES[1] : PICTURES[2]; }
}  // namespace

cc::cc(SDL_Rect pos, int16_t c) {
  for (const char* p : {PICTURES[0], PICTURES[2], PICTURES[1]}) AllouerImage(p, general::dezoom, false);
  camp = c;
  camp2 = NUL;
#if !GAME_EARLY
  // The early build names no kind for capture points: nothing there asks.
  type_objet = COMMAND;
#endif
  Evenementie.en_cours = false;
  Evenementie.remise_a_zero();
  position = pos;
  if (nb_cc < NB_MAX_CC) {
    CCs[nb_cc++] = this;
  } else {
    static bool dit = false;
    if (!dit) std::fprintf(stderr, "capture point list full: further points are not listed\n");
    dit = true;
  }
}

cc::~cc() {
  for (int i = 0; i < nb_cc; ++i)
    if (CCs[i] == this) {
      std::copy(CCs + i + 1, CCs + nb_cc, CCs + i);
      CCs[--nb_cc] = nullptr;
      break;
    }
}

void cc::interragir(Mapping* O) {
  if (!O || O->camp == camp || Evenementie.en_cours) return;
  Evenementie.en_cours = true;
  Evenementie.remise_a_zero();
  camp2 = O->camp;
}

void cc::comportement() {
  bool proche = false;
  if (Evenementie.en_cours) {
    const int w = TramePrincipale.w, h = TramePrincipale.h;
    for (int32_t i = 0; i < dernier_objet && !proche; ++i) {
      if (!occupe(i) || Objets[i] == this) continue;
      Mapping* o = Objets[i];
      if (!o->affichage || !o->vivant || o->type_objet != TRAMER || o->camp != camp2) continue;
      proche = position.x + w > o->position.x - 200 && position.x < o->position.x + o->TramePrincipale.w + 200 &&
               position.y + h > o->position.y - 200 && position.y < o->position.y + o->TramePrincipale.h + 200;
    }
  }
  Evenementie.en_cours = proche;
  if (proche) {
    if (Evenementie.cycle(4000) == 3) camp = camp2;
  } else {
    Evenementie.remise_a_zero();
  }
}

void cc::bliting() {
  if (!affichage) return;
  SDL_Rect r = position_zoomee(position);
  if (!visible_zoomee(r, TramePrincipale)) return;
  SDL_Surface* s = AllouerImage(picture(camp), general::dezoom, false);
  if (s) Blitter(s, nullptr, general::ecran, &r);
}

cc* ReleverCCLePlusProche(Mapping* objet, int camp) {
  if (!objet) return nullptr;
  int meilleur = early ? 100000 : 1000000;
  cc* choisi = nullptr;
  for (int i = 0; i < cc::nb_cc && i < cc::NB_MAX_CC; ++i) {
    cc* p = cc::CCs[i];
    if (!p || p->camp != camp) continue;
    const double dx = objet->calcul_distance_x(p), dy = objet->calcul_distance_y(p);
    const int d = static_cast<int>(std::sqrt(dx * dx + dy * dy));
    if (d < meilleur) {
      meilleur = d;
      choisi = p;
    }
  }
  return choisi;
}

cc* ReleverCCLePlusProche_x(Mapping* objet, int camp) {
  if (!objet) return nullptr;
  int meilleur = 1000000;
  cc* choisi = nullptr;
  for (int i = 0; i < cc::nb_cc && i < cc::NB_MAX_CC; ++i) {
    cc* p = cc::CCs[i];
    if (!p || p->camp != camp) continue;
    if (!(p->position.y + p->TramePrincipale.h > objet->position.y &&
          p->position.y < objet->position.y + objet->TramePrincipale.h))
      continue;
    const int d = std::abs((p->position.x + p->TramePrincipale.w / 2) - (objet->position.x + objet->TramePrincipale.w / 2));
    if (d < meilleur) {
      meilleur = d;
      choisi = p;
    }
  }
  return choisi;
}
