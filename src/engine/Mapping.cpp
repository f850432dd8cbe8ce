#include "engine/Mapping.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "characters/Sang.h"
#include "characters/Vehicules.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"
#include "engine/OuvrirSon.h"

Mapping* Mapping::Objets[Mapping::NB_OBJETS];
int32_t Mapping::dernier_objet = 0;
Mapping* Mapping::centre_scrolling = nullptr;

void Mapping::Retirer(int32_t i) {
  if (i < 0 || i >= dernier_objet) return;
  for (int32_t k = i; k + 1 < dernier_objet; ++k) {
    Objets[k] = Objets[k + 1];
    if (Objets[k]) Objets[k]->element_actuel = static_cast<uint32_t>(k);
  }
  --dernier_objet;
  Objets[dernier_objet] = nullptr;
  IndexMonde::renumerote();
}

bool Mapping::enregistre() const {
  return element_actuel < static_cast<uint32_t>(dernier_objet) && Objets[element_actuel] == this;
}

void Mapping::initialisation() {
  vie = 0;
  camp = NUL;
  Tas = false;
  type_objet = MAPPING;
  vivant = true;
  colliser = -1;
  static uint64_t dernier_numero = 0;
  numero = ++dernier_numero;
  // Empty entries are reused from the top down; entry 0 is never reused.
  int32_t libre = IndexMonde::derniere_vide();
  if (libre == -2) {
    libre = -1;
    for (int32_t i = dernier_objet - 1; i >= 1 && libre < 0; --i)
      if (!occupe(i)) libre = i;
  }
#if GAME_EARLY
  // Every hit leaves a blood splash till the next battle: in a full world the
  // oldest one gives its entry up, so that a bullet always finds one.
  if (libre < 1 && dernier_objet >= NB_OBJETS) libre = Sang::rendre_la_plus_ancienne();
#endif
  if (libre >= 1) {
    element_actuel = static_cast<uint32_t>(libre);
    Objets[libre] = this;
    IndexMonde::inscrit(libre);
    return;
  }
  if (dernier_objet >= NB_OBJETS) {
    // A full world refuses the object rather than writing past the table.
    static bool dit = false;
    if (!dit) std::fprintf(stderr, "world table full: new objects are not registered\n");
    dit = true;
    element_actuel = NON_ENREGISTRE;
    return;
  }
  element_actuel = static_cast<uint32_t>(dernier_objet);
  IndexMonde::inscrit(dernier_objet);
  Objets[dernier_objet++] = this;
}

Mapping::Mapping() {
  initialisation();
  image[0] = image[1] = AllouerImage("default.png", 0, false);
  TramePrincipale = Rect(0, 0, 100, 100);
  physique = false;
  affichage = true;
  layer = 2;
}

Mapping::Mapping(SDL_Surface* s, SDL_Rect trame) {
  initialisation();
  image[0] = image[1] = s;
  TramePrincipale = trame;
  physique = false;
  layer = 1;
}

Mapping::Mapping(const char* nom, SDL_Rect pos) {
  initialisation();
  image[0] = AllouerImage(nom, 0, false);
  image[1] = AllouerImage(nom, 1, false);
  TramePrincipale = Rect(general::origine.x, general::origine.y, image[0] ? image[0]->w : 0,
                         image[0] ? image[0]->h : 0);
  position = pos;
  physique = false;
  affichage = true;
  layer = 1;
}

Mapping::~Mapping() {
  // No seat or objective may keep pointing at an object that is gone.
  Vehicule::Oublier(this);
  if (image) image[0] = image[1] = nullptr;
  vivant = false;
  if (enregistre()) {
    Objets[element_actuel] = nullptr;
    IndexMonde::inscrit(static_cast<int32_t>(element_actuel));
  }
  if (centre_scrolling == this) centre_scrolling = nullptr;
}

void Mapping::bliting() {
  if (!affichage || !image) return;
  SDL_Surface* s = image[general::dezoom == 1 ? 1 : 0];
  SDL_Rect r = position;
  r.x = static_cast<Sint16>(position.x - general::Scrolling.x);
  r.y = static_cast<Sint16>(position.y - general::Scrolling.y);
  const int lw = general::ecran ? general::ecran->w : 960, lh = general::ecran ? general::ecran->h : 544;
  if (r.x < lw && r.x > -(TramePrincipale.w * general::zoom) && r.y < lh &&
      r.y > -(TramePrincipale.h * general::zoom))
    Blitter(s, &TramePrincipale, general::ecran, &r);
}

SDL_Rect Mapping::get_vecteur() { return Rect(get_vecteur_x(), get_vecteur_y(), 0, 0); }

#if GAME_EARLY
// Every early kind that moves brings its own probe; this plain one looks only
// ahead and below, and never up.
int Mapping::p_collision(bool) {
  const int x = position.x, y = position.y, fx = TramePrincipale.x, fw = TramePrincipale.w, fh = TramePrincipale.h;
  for (int32_t k = 0; k < dernier_objet && k < NB_OBJETS; ++k) {
    Mapping* o = Objets[k];
    if (static_cast<uint32_t>(k) == element_actuel || !occupe(k)) continue;
    if (!o->physique || o->camp == camp || !o->affichage) continue;
    const int X = o->position.x, Y = o->position.y;
    const int FX = o->TramePrincipale.x, FW = o->TramePrincipale.w, FH = o->TramePrincipale.h;
    bool touche = false;
    if (y < Y + FH && y + fh > Y) {
      if (direction == DROITE) {
        const int avant = x + fw + vitesse;
        touche = avant > X + FX && avant < X + FW;
      } else if (direction == GAUCHE) {
        const int avant = x - vitesse + fx;
        touche = avant < X + FW && avant > X;
      }
    }
    if (!touche && direction == BAS && x + fx < X + FW && x + fw > X) touche = y + 16 < Y + FH && y + fh + 8 > Y;
    if (touche) {
      colliser = k;
      return P_COLLISION;
    }
  }
  return PAS_COLLISION;
}
#else
int Mapping::p_collision(bool persos, int32_t premier) {
  const int x = position.x, yy = position.y, w = TramePrincipale.w, h = TramePrincipale.h, tx = TramePrincipale.x;
  const bool horizontal = direction == DROITE || direction == GAUCHE;
  auto touche = [&](int32_t i) {
    // Cheapest refusals first: most of a map is decor that stops nothing.
    Mapping* o = Objets[i];
    if (!o || !o->physique || o->camp == camp || o->type_objet == OBJET_DESTRUCTIBLE) return false;
    if (static_cast<uint32_t>(i) == element_actuel || !o->image || !o->image[0]) return false;
    if (o->type_objet == VEHICULE && o->camp == NUL) return false;
    if ((o->type_objet == TRAMER || o->type_objet == VEHICULE) && !persos) return false;

    const int haut = o->position.y + o->relever_decalage_y();
    const int bas = o->position.y + o->TramePrincipale.h;
    int L = o->position.x, W = o->TramePrincipale.w;
    if (o->direction == DROITE) W -= o->TramePrincipale.x;
    if (o->direction == GAUCHE) {
      L += o->TramePrincipale.x;
      W -= o->TramePrincipale.x;
    }
    if (horizontal) {
      if (!(yy + relever_decalage_y() < bas && yy + h - 16 > haut)) return false;
      if (direction == DROITE) {
        const int R = x + w - tx;
        return R + vitesse > L && R < L + W;
      }
      const int G = x + tx;
      return G - vitesse < L + W && G > L;
    }
    if (!(x + tx < o->position.x + W && x + w - tx > o->position.x)) return false;
    if (direction == BAS) return yy + 8 < bas && yy + h + 8 > o->position.y;
    return yy - 16 < bas && yy - vitesse + h > o->position.y;
  };
  return sonder_deplacement("world object", premier, touche);
}
#endif

void Mapping::recevoirdegats(int16_t degats, Mapping*, int16_t, double, int16_t) {
  if (degats >= 1) Jouer_son(general::Impact, calculer_volume(centre_scrolling));
}

void Mapping::supblit() {
  if (layer == 0 || !image || !image[0]) return;
  SDL_Rect source = TramePrincipale;
  source.h = static_cast<Uint16>(source.h / 2);
  SDL_Rect r = position;
  Blitter(image[0], &source, general::ecran, &r);
}

int Mapping::calcul_distance_x(Mapping* autre) {
  if (!autre) return 0;
  return (autre->position.x + autre->TramePrincipale.w / 2) - (position.x + TramePrincipale.w / 2);
}

int Mapping::calcul_distance_y(Mapping* autre) {
  if (!autre) return 0;
  return (autre->position.y + autre->TramePrincipale.h / 2) - (position.y + TramePrincipale.h / 2);
}

int Mapping::calcul_distance_x(SDL_Rect r) {
  if constexpr (early) return (r.x + r.w / 2) - (position.x + TramePrincipale.w / 2);
  return r.x - (position.x + TramePrincipale.w / 2);
}

int Mapping::calcul_distance_y(SDL_Rect r) {
  if constexpr (early) return std::abs((r.y + r.h / 2) - (position.y + TramePrincipale.h / 2));
  return r.y - (position.y + TramePrincipale.h / 2);
}

namespace {
int volume_a_distance(double dx, double dy) {
  const int d = static_cast<int>(std::sqrt(dx * dx + dy * dy));
  if (d == 0) return 255;
  const int q = d * 255 / 3600;
  return q < 255 ? 255 - q : 0;
}
}  // namespace

int Mapping::calculer_volume(Mapping* auditeur) {
  // Nobody to hear it (no camera yet): silence.
  if (!auditeur) return 0;
  return volume_a_distance(calcul_distance_x(auditeur), calcul_distance_y(auditeur));
}

int Mapping::calculer_volume(SDL_Rect point, Mapping* auditeur) {
  if (!auditeur) return 0;
  return volume_a_distance(auditeur->calcul_distance_x(point), auditeur->calcul_distance_y(point));
}

namespace {
template <typename F>
int compter(F&& garder) {
  int n = 0;
  for (int32_t i = 0; i < Mapping::dernier_objet; ++i)
    if (Mapping::occupe(i) && garder(Mapping::Objets[i])) ++n;
  return n;
}
}  // namespace

bool ReleverObjetsaDetruire() {
  return compter([](Mapping* o) { return o->type_objet == OBJET_DESTRUCTIBLE && o->camp == ENNEMI; }) > 0;
}

bool ReleverObjetsaDefendre() {
  return compter([](Mapping* o) { return o->type_objet == OBJET_DESTRUCTIBLE && o->camp == ALLIE; }) > 0;
}

int Relever_nb_Objets_Destructibles(int camp) {
  return compter([camp](Mapping* o) { return o->type_objet == OBJET_DESTRUCTIBLE && o->camp == camp && o->vie > 0; });
}

Mapping* ReleverMappingObjectif(SDL_Rect) { return nullptr; }
