#pragma once
// The world object: everything that exists in a battle (scenery, projectiles,
// effects, soldiers, vehicles) registers itself in one world table, through
// which objects run, draw, find and hit each other.
#include <cstdint>
#include <utility>

#include "engine/Bliting.h"
#include "engine/IndexMonde.h"
#include "engine/Variante.h"

enum Type {
  MAPPING = 0,
  TRAMER,
  OBSTACLES,
  TIR,
  BOUTON_ASCENSEUR,
  ASCENSEUR,
  FUMEE,
  OBJET_DESTRUCTIBLE,
  VEHICULE,
#if !GAME_EARLY
  COMMAND,
  ARME
#endif
};
enum Camp { ALLIE = 0, ENNEMI, NUL };
enum direc { DROITE = 0, GAUCHE, BAS, HAUT };
enum Collision { P_COLLISION = 0, COLLISION = 1, PAS_COLLISION = 2, GRAVITE = 16 };

class Mapping : public Bliting {
 public:
  static constexpr int32_t NB_OBJETS = 10000;
  // element_actuel of an object the full table refused: it is never run or drawn.
  static constexpr uint32_t NON_ENREGISTRE = 0xFFFFFFFFu;

  Mapping();
  Mapping(SDL_Surface* s, SDL_Rect trame);
  Mapping(const char* nom, SDL_Rect pos);
  ~Mapping() override;

  void bliting() override;

#if !GAME_EARLY
  virtual void Init2() {}
#endif
  virtual void set_cible(SDL_Rect) {}
  virtual void interragir2(Mapping*) {}
  virtual bool gethero() { return false; }
  virtual void sethero(bool) {}
  virtual int relever_decalage_y() { return TramePrincipale.y; }
  virtual int get_vecteur_y() { return 0; }
  virtual int get_vecteur_x() { return 0; }
  virtual SDL_Rect get_vecteur();
  virtual int get_vie_restante() { return vie; }
  virtual int get_id() { return 0; }
  virtual void set_objectif(Mapping*) {}
  virtual Mapping* get_objectif() { return nullptr; }
  virtual bool possibilite_avoir_objectif() { return false; }
  virtual void crever() {}
  virtual void evenementie_incontinue() {}
  virtual void interragir(Mapping*) {}
  virtual bool get_enclenche() { return false; }
#if GAME_EARLY
  // The early probe knows no first index, and its flag is not read.
  virtual int p_collision(bool persos);
#else
  virtual int p_collision(bool persos, int32_t premier);
#endif
  virtual void be_objectif(int, int) {}
  virtual void reformation(int, int, int, int) {}
  virtual void recevoirdegats(int16_t degats, Mapping* source, int16_t direction, double angle, int16_t drapeau);
  virtual void supblit();
  virtual bool get_conducteur() { return false; }

  int calcul_distance_x(Mapping* autre);
  int calcul_distance_y(Mapping* autre);
  int calcul_distance_x(SDL_Rect r);
  int calcul_distance_y(SDL_Rect r);
  int calculer_volume(Mapping* auditeur);
  // The same for a sound made at a point rather than at an object's centre.
  static int calculer_volume(SDL_Rect point, Mapping* auditeur);

  bool enregistre() const;

  // The world table.
  static Mapping* Objets[NB_OBJETS];
  static int32_t dernier_objet;
  static Mapping* centre_scrolling;
  // True when entry i holds an object with a picture.
  static bool occupe(int32_t i);
  // Drops entry i, moving the later entries down one place.
  static void Retirer(int32_t i);

  // The first entry from `premier` on, in table order, for which touche(i)
  // holds; -1 for none. Every entry touche can accept must reach x between x1
  // and x2 (either order); touche must change nothing.
  template <class F>
  static int32_t premier_touche(const char* sonde, int32_t premier, int x1, int x2, F&& touche);
  // Calls agir(o) for each entry that touche accepts, in table order; what
  // agir changes is seen by the entries after, as in a walk of the table.
  // etendue() gives the stretch of x afresh for each step.
  template <class E, class F, class G>
  static void pour_chaque_touche(const char* sonde, E&& etendue, F&& touche, G&& agir);
  // A movement probe: looks where this object's leading edge goes this step
  // (sideways by vitesse, or up or down across its width); on a hit colliser
  // takes the entry. P_COLLISION or PAS_COLLISION.
  template <class F>
  int sonder_deplacement(const char* sonde, int32_t premier, F&& touche);

  int16_t camp = NUL;
  int32_t vitesse = 0;
  int16_t vie = 0;
  int16_t direction = DROITE;
  int32_t colliser = -1;
  bool affichage = true;
  uint32_t element_actuel = NON_ENREGISTRE;
  bool physique = false;
  // Unique to this object for the whole run: an address may be handed to a
  // new object once the old one is freed, a number never is.
  uint64_t numero = 0;

 private:
  void initialisation();
};

template <class F>
int32_t Mapping::premier_touche(const char* sonde, int32_t premier, int x1, int x2, F&& touche) {
  if (premier < 0) premier = 0;
  auto parcourir = [&] {
    for (int32_t i = premier; i < dernier_objet; ++i)
      if (touche(i)) return i;
    return int32_t{-1};
  };
  if (!IndexMonde::actif) return parcourir();
  IndexMonde::preparer();
  int32_t meilleur = dernier_objet;
  IndexMonde::candidats(x1, x2, [&](int32_t i) {
    if (i >= premier && i < meilleur && touche(i)) meilleur = i;
  });
  const int32_t r = meilleur < dernier_objet ? meilleur : -1;
  if (IndexMonde::verifier) {
    const int32_t t = parcourir();
    if (t != r) IndexMonde::ecart(sonde, r, t);
  }
  // Whatever a probe reports is about to be struck or used: it is read again
  // at the next question.
  if (r >= 0) IndexMonde::bouge(Objets[r]);
  return r;
}

template <class E, class F, class G>
void Mapping::pour_chaque_touche(const char* sonde, E&& etendue, F&& touche, G&& agir) {
  for (int32_t i = 0;;) {
    const auto [x1, x2] = etendue();
    i = premier_touche(sonde, i, x1, x2, touche);
    if (i < 0) return;
    agir(Objets[i++]);
  }
}

template <class F>
int Mapping::sonder_deplacement(const char* sonde, int32_t premier, F&& touche) {
  const int x = position.x, w = TramePrincipale.w, tx = TramePrincipale.x;
  int x1 = x + tx, x2 = x + w - tx;
  if (direction == DROITE) x1 = x + w - tx, x2 = x1 + vitesse;
  if (direction == GAUCHE) x1 = x + tx, x2 = x1 - vitesse;
  const int32_t i = premier_touche(sonde, premier, x1, x2, touche);
  if (i < 0) return PAS_COLLISION;
  colliser = i;
  return P_COLLISION;
}

// A coordinate moved by `pas`, or left where it is when that would cross the
// world's 16-bit edge: nothing walks, drives or flies round the world.
inline Sint16 pas16(Sint16 v, int pas) {
  const int a = v + pas;
  return a < INT16_MIN || a > INT16_MAX ? v : static_cast<Sint16>(a);
}

// A sum held at the world's 16-bit edge instead of wrapping round to the far
// one: what is dropped, laid, thrown or fired there stays beside its owner.
inline Sint16 borne16(int v) { return static_cast<Sint16>(v < INT16_MIN ? INT16_MIN : v > INT16_MAX ? INT16_MAX : v); }

// A screen point plus the camera, as a world coordinate beside `pres`, a world
// place surely near it. The camera wraps with the world's coordinates, so the
// sum is right only to 65536 near the left and top edges; taken the short way
// from `pres`, then held at the edge.
inline Sint16 pres16(int somme, int pres) { return borne16(pres + static_cast<Sint16>(somme - pres)); }

// Every pass and probe asks this of every entry: it stays inline.
inline bool Mapping::occupe(int32_t i) {
  return i >= 0 && i < dernier_objet && Objets[i] && Objets[i]->image && Objets[i]->image[0];
}

bool ReleverObjetsaDetruire();
bool ReleverObjetsaDefendre();
int Relever_nb_Objets_Destructibles(int camp);
Mapping* ReleverMappingObjectif(SDL_Rect);
