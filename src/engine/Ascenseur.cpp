#include "engine/Ascenseur.h"

#include <algorithm>
#include <cstdio>

#include "characters/Tramer.h"
#include "engine/Constantes.h"
#include "engine/Decor.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"

Ascenseur* Ascenseur::Ascenseurs[Ascenseur::NB_MAX_ASCENSEURS];
int Ascenseur::nb_ascenseurs = 0;

namespace {
// A rider is carried 110 px above the lift, so the lift stops climbing
// where neither can leave the 16-bit world.
constexpr int HAUT_LIMITE = INT16_MIN + 120;

bool chevauche(SDL_Rect a, int aw, int ah, SDL_Rect b, int bw, int bh) {
  return a.x < b.x + bw && a.x + aw > b.x && a.y < b.y + bh && a.y + ah > b.y;
}
}  // namespace

Ascenseur::Ascenseur(SDL_Rect pos) {
  image[0] = AllouerImage("Divers/Ascenseur.png", 0, false);
  image[1] = AllouerImage("Divers/Ascenseur.png", 1, false);
  TramePrincipale = Rect(0, 0, image[0] ? image[0]->w : 0, image[0] ? image[0]->h : 0);
  Etage.en_cours = true;
  Etage.remise_a_zero();
  layer = 3;
  position = pos;
  position_de_depart = pos;
  physique = true;
  type_objet = ASCENSEUR;
  if constexpr (early) return;  // the earlier build keeps no lift list
  if (nb_ascenseurs < NB_MAX_ASCENSEURS) {
    Ascenseurs[nb_ascenseurs++] = this;
  } else {
    static bool dit = false;
    if (!dit) std::fprintf(stderr, "lift list full: further lifts are not listed\n");
    dit = true;
  }
}

Ascenseur::~Ascenseur() {
  for (int i = 0; i < nb_ascenseurs; ++i)
    if (Ascenseurs[i] == this) {
      std::copy(Ascenseurs + i + 1, Ascenseurs + nb_ascenseurs, Ascenseurs + i);
      Ascenseurs[--nb_ascenseurs] = nullptr;
      break;
    }
}

int Ascenseur::contact_bouton() {
  for (int32_t i = 0; i < dernier_objet; ++i) {
    if (!occupe(i)) continue;
    Mapping* o = Objets[i];
    if (o->type_objet == BOUTON_ASCENSEUR &&
        chevauche(position, TramePrincipale.w, TramePrincipale.h, o->position, o->TramePrincipale.w,
                  o->TramePrincipale.h))
      return 1;
  }
  return 2;
}

void Ascenseur::comportement() {
  if (contact_bouton() == 1 && !etage) etage = true;
  monterdescendre = false;
  bool occupe_vivant = false;

  auto porter = [&](Mapping* c) {
    if (!chevauche(c->position, 130, 126, position, TramePrincipale.w, TramePrincipale.h)) return;
    if (c->vivant) {
      occupe_vivant = true;
      etage = false;
    }
    c->position.y = borne16(position.y - 110);
    if (contact_bouton() == 1) {
      monterdescendre = false;
      etage = true;
    } else if (c->vivant) {
      monterdescendre = true;
    }
  };
  if constexpr (early) {
    for (int i = 0; i < Tramer::nb_persos && i < Tramer::NB_MAX_PERSOS; ++i)
      if (Tramer::Persos[i]) porter(Tramer::Persos[i]);
  } else {
    for (int32_t i = 0; i < dernier_objet; ++i)
      if (occupe(i) && Objets[i]->type_objet == TRAMER) porter(Objets[i]);
  }

  // Left alone, the lift goes home (and stays there).
  if (!occupe_vivant) {
    monterdescendre = true;
    etage = true;
  }
  if (!monterdescendre) return;
  if (!etage) {
    if (position.y - 10 >= HAUT_LIMITE) position.y = static_cast<Sint16>(position.y - 10);
  } else if (position.y + 10 <= position_de_depart.y) {
    position.y = static_cast<Sint16>(position.y + 10);
  }
}

void Ascenseur::bliting() {
  SDL_Rect r = position_zoomee(position);
  if (!visible_zoomee(r, TramePrincipale)) return;
  SDL_Surface* s = image[general::dezoom == 1 ? 1 : 0];
  if (s) Blitter(s, nullptr, general::ecran, &r);
}

Bouton_Ascenseur::Bouton_Ascenseur(SDL_Rect pos) {
  image[0] = AllouerImage("Divers/b-ascenseur.png", 0, false);
  image[1] = AllouerImage("Divers/b-ascenseur.png", 1, false);
  TramePrincipale = Rect(0, 0, image[0] ? image[0]->w : 0, image[0] ? image[0]->h : 0);
  enclenche = false;
  type_objet = BOUTON_ASCENSEUR;
  position = pos;
}

void Bouton_Ascenseur::bliting() {
  enclenche = false;
  SDL_Rect r = position_zoomee(position);
  SDL_Surface* s = image[general::dezoom == 1 ? 1 : 0];
  if (s) Blitter(s, nullptr, general::ecran, &r);
}
