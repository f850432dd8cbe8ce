#include "characters/Vehicules.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "characters/Element.h"
#include "characters/Tramer.h"
#include "engine/Fonctions.h"
#include "engine/FormatEcran.h"
#include "engine/OuvrirImage.h"
#include "engine/OuvrirSon.h"
#include "weapons/Armes.h"

int Vehicule::nb_vehicule = 0;
Vehicule* Vehicule::Vehicules[Vehicule::NB_MAX_VEHICULES];

namespace {

constexpr double PI = 3.14159265;

int largeur_ecran() { return general::ecran ? general::ecran->w : 960; }
int hauteur_ecran() { return general::ecran ? general::ecran->h : 544; }

int distance(Mapping* a, Mapping* b) {
  const double dx = a->calcul_distance_x(b), dy = a->calcul_distance_y(b);
  return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

// Angle in degrees from S to Q, 0 to the right and 90 up (screen y grows down).
double angle_vers(SDL_Rect S, SDL_Rect Q) {
  const float opp = static_cast<float>(S.y - Q.y), adj = static_cast<float>(Q.x - S.x);
  // Straight above or below: the quotient would be no number at all.
  double a = adj == 0.0f ? (opp < 0 ? -90.0 : 90.0) : std::atan(opp / adj) * 180.0 / PI;
  if (Q.x < S.x) a += 180.0;
  return a;
}

bool est_hero(const Mapping* o) {
  return o && general::hero >= 0 && o->element_actuel == static_cast<uint32_t>(general::hero);
}

Armes* copie_catalogue(int i) {
  Armes* a = Reproduire_Arme(Element::ArmesPrincipales[i]);
  if (!a) {
    static bool dit = false;
    if (!dit) std::fprintf(stderr, "vehicle weapon %d is not in the catalogue: the vehicle is unarmed\n", i);
    dit = true;
  }
  return a;
}

SDL_Surface* image_de(SDL_Surface*** t, int dir, int z) {
  if (!t || dir < 0 || dir > 1) return nullptr;
  return t[dir][z];
}

void dessiner(SDL_Surface* s, int x, int y) {
  if (!s || !general::ecran) return;
  SDL_Rect r = Rect(x, y, s->w, s->h);
  Blitter(s, nullptr, general::ecran, &r);
}

}  // namespace

Vehicule::Vehicule(P_char n, SDL_Rect pos) {
  // The earlier vehicles neither come back nor look around: their return
  // and look-around clocks never start.
  for (Timing* t : {&Invincibilite, &cycle, &ES}) {
    t->en_cours = true;
    t->remise_a_zero();
  }
  if constexpr (!early) {
    Ronde.en_cours = true;
    Ronde.remise_a_zero();
    Mort.en_cours = true;
    Mort.remise_a_zero();
  }
  statut = early || general::infiltration ? 0 : 4;
  placements[0] = placements[1] = general::origine;
  camp = NUL;
  type_objet = VEHICULE;
  TramePrincipale.w = TramePrincipale.h = 100;
  physique = true;
  vitesse = 40;
  vie = 1;
  enregistrer();
  layer = 3;
  Tourelle = AllouerImage("Vehicules/tourelle.png", 0, false);
  ArmesVehic[0] = copie_catalogue(ARME_DEFAUT);
  ArmesVehic[1] = copie_catalogue(ARME_DEFAUT);
  affichage = true;
  position = pos;
  pos_depart = pos;
  Nom = n;
  direction = DROITE;
}

Vehicule::~Vehicule() {
  if (id >= 0 && id < nb_vehicule && Vehicules[id] == this) DesallouerVehicule(id);
  for (Armes*& a : ArmesVehic) {
    delete a;
    a = nullptr;
  }
  LibererTotalImage(Image);
  LibererTotalImage(die);
  for (auto& r : Rouage) LibererTotalImage(r);
}

void Vehicule::enregistrer() {
  if (nb_vehicule < 0) nb_vehicule = 0;
  if (nb_vehicule >= NB_MAX_VEHICULES) {
    static bool dit = false;
    if (!dit) std::fprintf(stderr, "too many vehicles: the vehicle registry refuses the rest\n");
    dit = true;
    id = -1;
    return;
  }
  id = nb_vehicule;
  Vehicules[nb_vehicule++] = this;
}

void Vehicule::choisir_modele(const ModeleVehicule* modeles, int nb) {
  const char* nom = Nom.retournertexte();
  const ModeleVehicule* m = nullptr;
  for (int i = 0; i < nb && !m; ++i)
    if (nom && std::strcmp(nom, modeles[i].nom) == 0) m = &modeles[i];
  if (m) {
    const std::string dossier = m->nom;
    Image = TotalAllouerImage((dossier + "normal.png").c_str());
    die = TotalAllouerImage((dossier + "die.png").c_str());
    vie = m->vie;
    vitesse = m->vitesse;
    nb_passager_possible = m->places > NB_MAX_PASSAGERS ? NB_MAX_PASSAGERS : m->places;
    for (int k = 0; k < 2; ++k) {
      UtilisationArmes[k] = m->modes[k];
      placements[k] = m->placements[k];
      if (m->armes[k] != ARME_DEFAUT) {
        delete ArmesVehic[k];
        ArmesVehic[k] = copie_catalogue(m->armes[k]);
      }
    }
    if (m->tourelle) Tourelle = *m->tourelle ? AllouerImage(m->tourelle, 0, false) : nullptr;
    if (m->pivot.x || m->pivot.y) decalage_tourelle = m->pivot;
    if (m->rouages[0])
      for (int k = 0; k < 3; ++k) Rouage[k] = TotalAllouerImage(m->rouages[k]);
    helice = m->helice;
    tourelle = m->fixe;
  }
  vie_max = vie;
  if (refuse()) {
    std::fprintf(stderr, "vehicle \"%s\": unknown model or no body picture; it is left out\n", nom ? nom : "");
    if (id >= 0) DesallouerVehicule(id);
    id = -1;
    vivant = false;
    physique = false;
    nb_passager_possible = 0;
    return;
  }
  TramePrincipale.w = static_cast<Uint16>(Image[0][0]->w);
  TramePrincipale.h = static_cast<Uint16>(Image[0][0]->h);
}

// ---- Registry ----

void Vehicule::DesallouerVehicule(int id) {
  if (id < 0 || id >= nb_vehicule || nb_vehicule > NB_MAX_VEHICULES) return;
  for (int i = id; i + 1 < nb_vehicule; ++i) {
    Vehicules[i] = Vehicules[i + 1];
    if (Vehicules[i]) Vehicules[i]->id = i;
  }
  --nb_vehicule;
  Vehicules[nb_vehicule] = nullptr;
}

void Vehicule::Oublier(Mapping* o) {
  if (!o) return;
  for (int i = 0; i < nb_vehicule && i < NB_MAX_VEHICULES; ++i) {
    Vehicule* v = Vehicules[i];
    if (!v || v == o) continue;
    if (v->Objectif == o) v->Objectif = nullptr;
    int j = 0;
    for (int k = 0; k < v->nb_passager; ++k)
      if (v->passagers[k] != o) v->passagers[j++] = v->passagers[k];
    for (int k = j; k < v->nb_passager; ++k) v->passagers[k] = nullptr;
    v->nb_passager = static_cast<Uint8>(j);
  }
}

// ---- Per frame ----

int Vehicule::ligne_de_repos() const { return hauteur_ecran() - TramePrincipale.h - 15; }

void Vehicule::gravite() {
  direction2 = BAS;
  if (p_collision2(false, 0) == P_COLLISION) {
    Mapping* o = Objets[colliser];
    position.y = static_cast<Sint16>(o->position.y - TramePrincipale.h + 8);
  } else if (position.y < hauteur_ecran() - TramePrincipale.h - 23 || general::sous_marin) {
    position.y = pas16(position.y, 16);
  } else {
    position.y = static_cast<Sint16>(ligne_de_repos());
  }
}

bool Vehicule::conduire() {
  deplacement_x = deplacement_y = false;
  tirer[0] = tirer[1] = false;
  if constexpr (!early) deposer_les_morts();
  // Never a neutral one, which would fire on both camps. The earlier game
  // drove any vehicle its camp had taken, with nobody aboard or wrecked;
  // this one only a manned vehicle still whole.
  if (!vivant || camp == NUL) return false;
  if (!early && (!physique || nb_passager == 0)) return false;
  if (controlj())
    controlejoueur();
  else if (vivant)
    controleia();
#if GAME_EARLY
  avancer();
#else
  mouvement();
#endif
  Tirs();
  return true;
}

void Vehicule::comportement() {
  if (refuse() || conduire()) return;
  if constexpr (early) return;  // no gravity and no return there
  if (!tourelle) gravite();
  if (Mort.cycle(20000) == 3 && nb_passager == 0 && reapparaitre && !general::infiltration) retour_au_depart();
}

void Vehicule::retour_au_depart() {
  camp = NUL;
  vivant = true;
  vie = static_cast<int16_t>(vie_max);
  Invincibilite.remise_a_zero();
  Invincibilite.en_cours = true;
  evenementie.remise_a_zero();
  Mort.remise_a_zero();
  position = pos_depart;
  physique = true;
}

bool Vehicule::controlj() {
  bool hero = false;
  for (int k = 0; k < nb_passager; ++k) {
    Mapping* p = passagers[k];
    if (!p) continue;
    p->position = position;
    IndexMonde::bouge(p);
    if (est_hero(p)) hero = true;
  }
  return hero;
}

// ---- Boarding and leaving ----

void Vehicule::interragir(Mapping* O) {
  if (!O || refuse()) return;
  if (camp == NUL) camp = O->camp;
  // Hidden, he is aboard a vehicle already (this one or another): one at a
  // time, or two would take turns setting where he is. Only the seat is
  // refused: a neutral vehicle he touches still takes his camp.
  if (!O->affichage) return;
  // A wreck is never driven again here: whoever got in would stay there for
  // good. The earlier wrecks were still driven, and left with the use key.
  if (!early && !physique) return;
  if (nb_passager + 1 > nb_passager_possible || O->camp != camp) return;
  if (ES.cycle(500) != 3 && !general::debut_partie) return;
  for (int k = 0; k < nb_passager; ++k)
    if (passagers[k] == O) return;  // already aboard: one seat each
  if (est_hero(O)) {
    evenementie.en_cours = true;
    evenementie.remise_a_zero();
    centre_scrolling = this;
    P_char nom = Nom;
    FSOUND_SAMPLE* s = AllouerSon(nom + "Entree.wav", false);
    if (!s) s = AllouerSon("Vehicules/default.wav", false);
    Jouer_son(s, 250);
  }
  if (!general::debut_partie) ES.remise_a_zero();
  ++nb_passager;
  O->affichage = false;
  O->position = position;
  IndexMonde::bouge(O);
  passagers[nb_passager - 1] = O;
}

void Vehicule::RetirerPassager(int passager) {
  if (passager < 0 || passager >= nb_passager) return;
  if (Mapping* p = passagers[passager]) {
    p->position = position;
    // Out of a vehicle shorter than he is (a turret), his feet would end
    // below its bottom edge and stay sunk in the ground: he is raised to it.
    // Out of a taller one he falls from where it stands.
    if (p->TramePrincipale.h > TramePrincipale.h)
      p->position.y = borne16(position.y + TramePrincipale.h - p->TramePrincipale.h);
    IndexMonde::bouge(p);
    p->affichage = true;
  }
  for (int k = passager; k + 1 < nb_passager; ++k) passagers[k] = passagers[k + 1];
  --nb_passager;
  passagers[nb_passager] = nullptr;
  ES.remise_a_zero();
}

// A blast reaches the crew through a vehicle it leaves standing. Whoever it
// killed is put out where the vehicle stands: left in his seat he would be
// driven about dead and never come back, and his vehicle, counted as manned,
// would never go home. The hero leaves as with the use key, so the camera
// follows him.
void Vehicule::deposer_les_morts() {
  for (int k = nb_passager - 1; k >= 0; --k) {
    const Mapping* p = passagers[k];
    if (!p || p->vivant) continue;
    if (est_hero(p))
      sortir_joueur();
    else
      RetirerPassager(k);
  }
}

void Vehicule::sortir_joueur() {
  int h = -1;
  for (int k = 0; k < nb_passager; ++k)
    if (est_hero(passagers[k])) h = k;
  if (h < 0) return;
  Mapping* hero = passagers[h];
  RetirerPassager(h);
  // Seen again, he lowers his scope: raised, it would hold the view on the
  // screen point the pointer gave the vehicle, far from him, whether he left
  // by the key or with the wreck.
  baisser_lunette(dynamic_cast<Tramer*>(hero));
  centre_scrolling = general::hero >= 0 && general::hero < dernier_objet ? Objets[general::hero] : nullptr;
  ES.remise_a_zero();
}

// ---- Player ----

void Vehicule::boutons_et_sortie() {
  if (touche(controles::C_INTERRAGIR) && evenementie.cycle(500) == 3) {
    sortir_joueur();
    evenementie.en_cours = false;
  }
  if (bouton(SDL_BUTTON_LEFT)) tirer[0] = true;
  if (bouton(SDL_BUTTON_RIGHT)) tirer[1] = true;
}

void Vehicule::controlejoueur() {
  const bool d = touche(controles::C_DROITE), g = touche(controles::C_GAUCHE);
  const bool b = touche(controles::C_BAS), h = touche(controles::C_HAUT);
  if (d && d != g) {
    deplacement_x = true;
    direction = DROITE;
  } else if (g && g != d) {
    deplacement_x = true;
    direction = GAUCHE;
  }
  // The climb key is the one bound to "down": a crouch on foot, a climb aloft.
  if (b && b != h) {
    deplacement_y = true;
    direction2 = HAUT;
  } else if (h && h != b) {
    deplacement_y = true;
    direction2 = BAS;
  }
  boutons_et_sortie();
}

// ---- AI ----

Mapping* Vehicule::chercher_cible() {
  Mapping* T = nullptr;
  const bool calme = general::infiltration && statut == 0;
  int meilleur = 100000;
  for (int32_t i = 0; i < dernier_objet; ++i) {
    Mapping* o = Objets[i];
    if (!o || o->type_objet != TRAMER || o->camp == camp || o->get_vie_restante() <= 0 || !o->vivant) continue;
    if (!calme) {
      const int d = distance(this, o);
      if (d <= meilleur) {
        meilleur = d;
        T = o;
      }
      continue;
    }
    const int dx = calcul_distance_x(o), dy = calcul_distance_y(o);
    if (dy <= -250 || dy >= 250) continue;
    if (!((direction == GAUCHE && dx < 0) || (direction == DROITE && dx > 0))) continue;
    const int ecart = dx < 0 ? -dx : dx;
    if (ecart < meilleur) {
      meilleur = ecart;
      T = o;
    }
  }
  if (calme) {
    if (T && distance(this, T) > largeur_ecran() / 4) T = nullptr;
    if (!early && !T && tourelle && Ronde.cycle(4000) == 3) {
      direction = direction == DROITE ? GAUCHE : DROITE;
      Ronde.remise_a_zero();
    }
  }
  return T;
}

void Vehicule::patrouiller(SDL_Rect P) {
  const double dx = calcul_distance_x(P), dy = calcul_distance_y(P);
  const int d = static_cast<int>(std::sqrt(dx * dx + dy * dy));
  // The probe only sees the way ahead while a step is requested.
  deplacement_x = true;
  if (d > 1600 || p_collision(true, 0) == P_COLLISION) direction = P.x <= position.x ? GAUCHE : DROITE;
}

void Vehicule::espacer_convoi() {
  Vehicule* devant = nullptr;
  int meilleur = 10000;
  for (int i = 0; i < nb_vehicule && i < NB_MAX_VEHICULES; ++i) {
    Vehicule* v = Vehicules[i];
    if (!v || v == this || v->camp != camp || v->direction != direction) continue;
    const bool avant = direction == DROITE ? v->position.x > position.x : v->position.x < position.x;
    if (!avant) continue;
    const int d = distance(this, v);
    if (d <= meilleur) {
      meilleur = d;
      devant = v;
    }
  }
  deplacement_x = !devant || distance(devant, this) > 200;
}

void Vehicule::viser(Mapping* T) {
  const int tx = T->position.x + T->TramePrincipale.w / 2, ty = T->position.y + T->TramePrincipale.h / 2;
  if constexpr (early) {
    cible.x = borne16(tx);  // the earlier gunners aimed without a sweep
    cible.y = borne16(ty);
    return;
  }
  if (cible.x < tx && tx - cible.x > 20)
    cible.x = static_cast<Sint16>(cible.x + 20);
  else if (cible.x > tx && cible.x - tx > 20)
    cible.x = static_cast<Sint16>(cible.x - 20);
  if (cible.y < ty && ty - cible.y > 20)
    cible.y = static_cast<Sint16>(cible.y + 20);
  else if (cible.y > ty && cible.y - ty > 20)
    cible.y = static_cast<Sint16>(cible.y - 20);
}

void Vehicule::approcher(Mapping* T) {
  const int gx = calcul_distance_x(T);
  if ((gx < 0 ? -gx : gx) > largeur_ecran() / 2) {
    direction = gx < 0 ? GAUCHE : DROITE;
    espacer_convoi();
  }
  const int gy = calcul_distance_y(T);
  if ((gy < 0 ? -gy : gy) > 400) {
    deplacement_y = true;
    direction2 = gy >= 0 ? BAS : HAUT;
  }
}

void Vehicule::controleia() {
  Mapping* T = chercher_cible();
  if (!T) {
    if constexpr (!early) patrouiller(pos_depart);  // the earlier AI waited for a target
    return;
  }
  const int d = distance(this, T);
  if (d < 1000) viser(T);
  if (!Objectif || early) {
    approcher(T);
  } else if (Objectif->type_objet == TRAMER) {
    const int g = calcul_distance_x(Objectif);
    if ((g < 0 ? -g : g) > 200) {
      direction = g < 0 ? GAUCHE : DROITE;
      deplacement_x = true;
    } else {
      direction = g < 0 ? DROITE : GAUCHE;
    }
  } else {
    patrouiller(Objectif->position);
    if (calcul_distance_y(Objectif) > 200) {
      deplacement_y = true;
      direction2 = Objectif->position.y >= position.y ? BAS : HAUT;
    }
  }
  if (d < largeur_ecran()) tirer[0] = true;
}

// ---- Moving and probing ----

void Vehicule::avancer() {
  if (deplacement_x) position.x = pas16(position.x, direction == DROITE ? vitesse : -vitesse);
  if (deplacement_y) position.y = pas16(position.y, direction2 == BAS ? vitesse : -vitesse);
}

#if !GAME_EARLY
void Vehicule::mouvement() { avancer(); }
#endif

namespace {

// The probes' candidate rule and box, as the world object's probe.
struct Boite {
  int haut, bas, L, W;
};

bool candidat(Mapping* moi, int32_t i, bool even) {
  if (static_cast<uint32_t>(i) == moi->element_actuel || !Mapping::occupe(i)) return false;
  Mapping* o = Mapping::Objets[i];
  if (!o->physique || o->camp == moi->camp || o->type_objet == OBJET_DESTRUCTIBLE) return false;
  if (o->type_objet == VEHICULE && o->camp == NUL) return false;
  if ((o->type_objet == TRAMER || o->type_objet == VEHICULE) && !even) return false;
  return true;
}

Boite boite(Mapping* o) {
  Boite b{o->position.y + o->relever_decalage_y(), o->position.y + o->TramePrincipale.h, o->position.x,
          o->TramePrincipale.w};
  if (o->direction == DROITE) b.W -= o->TramePrincipale.x;
  if (o->direction == GAUCHE) {
    b.L += o->TramePrincipale.x;
    b.W -= o->TramePrincipale.x;
  }
  return b;
}

}  // namespace

int Vehicule::p_collision(bool even, int32_t ignorer) {
  if (!deplacement_x) return PAS_COLLISION;
  const int x = position.x, yy = position.y, w = TramePrincipale.w, h = TramePrincipale.h, tx = TramePrincipale.x;
  // The front edge and where this step takes it.
  const int avant = direction == DROITE ? x + w - tx : x + tx;
  const int apres = direction == DROITE ? avant + vitesse : avant - vitesse;
  const int32_t i = premier_touche("vehicle", ignorer, avant, apres, [&](int32_t i) {
    if (!candidat(this, i, even)) return false;
    const Boite b = boite(Objets[i]);
    if (!(yy + relever_decalage_y() < b.bas && yy + h - 16 > b.haut)) return false;
    if (direction == DROITE) return apres > b.L && avant < b.L + b.W;
    return apres < b.L + b.W && avant > b.L;
  });
  if (i < 0) return PAS_COLLISION;
  colliser = i;
  return P_COLLISION;
}

int Vehicule::p_collision2(bool even, int32_t ignorer) {
  if (!deplacement_y) return PAS_COLLISION;
  const int x = position.x, yy = position.y, w = TramePrincipale.w, h = TramePrincipale.h, tx = TramePrincipale.x;
  const int32_t i = premier_touche("vehicle, upright", ignorer, x + tx, x + w - tx, [&](int32_t i) {
    if (!candidat(this, i, even)) return false;
    Mapping* o = Objets[i];
    const Boite b = boite(o);
    if (!(x + tx < o->position.x + b.W && x + w - tx > o->position.x)) return false;
    if (direction2 == BAS) return yy + 8 < b.bas && yy + h + 8 > o->position.y;
    const int Y = yy - vitesse;
    return Y < b.bas && Y + h > o->position.y;
  });
  if (i < 0) return PAS_COLLISION;
  colliser = i;
  return P_COLLISION;
}

// ---- Firing ----

SDL_Rect Vehicule::point_de_tir(int k) const {
  SDL_Rect S = position;
  const SDL_Rect& p = placements[k];
  S.x = borne16(position.x + (direction == DROITE ? p.x : TramePrincipale.w - p.x));
  S.y = borne16(position.y + p.y);
  return S;
}

void Vehicule::Tirs() {
  for (int k = 0; k < 2; ++k) {
    Armes* A = ArmesVehic[k];
    if (!tirer[k] || !A) continue;
    A->camp = camp;
    A->direction = direction;
    const SDL_Rect S = point_de_tir(k);
    switch (UtilisationArmes[k]) {
      case TOURELLE: {
        const bool hero = controlj();
        SDL_Rect Q = cible;
        if (hero) {
          // Read beside the gun: by the left or top edge the view wraps, and
          // a sight in the void beyond would turn the turret away from it.
          Q.x = pres16(Q.x + general::Scrolling.x, S.x);
          Q.y = pres16(Q.y + general::Scrolling.y, S.y);
        }
        if (SDL_Surface* v = ArmesVehic[0] ? ArmesVehic[0]->viseur : nullptr) {
          Q.x = borne16(Q.x - v->w / 2);
          Q.y = borne16(Q.y - v->h / 2);
        }
        const double a = angle_vers(S, Q);
        const int lt = Tourelle ? Tourelle->w : 0;
        double cosinus = std::cos(a * PI / 180.0), sinus = std::sin(a * PI / 180.0);
        if constexpr (early) {
          // The earlier muzzle always lay up and ahead of the pivot.
          cosinus = std::fabs(cosinus);
          sinus = std::fabs(sinus);
        }
        SDL_Rect M = S;
        M.x = borne16(static_cast<int>(S.x + cosinus * lt));
        M.y = borne16(static_cast<int>(S.y - sinus * lt));
        const short avant = A->get_charge_actuelle();
        // The earlier turrets spent their reserve like any gun.
        A->Tirer(M, false, true, a, false, !early);
        if (!early && A->get_charge_actuelle() != avant) {
          // The gun kicks the aim up or down at random.
          const int s = Horloge::hasard() % 2 ? 1 : -1;
          const int y = static_cast<int>(s * A->get_force() * 0.7 + cible.y);
          if (hero) Horloge::deplacer_souris(cible.x, y < 0 ? 0 : y);
          cible.y = static_cast<Sint16>(y);
        }
        break;
      }
      case HORIZONTAL:
        A->Tirer(S, false, true, direction == DROITE ? 0 : 180, false, false);
        break;
      case VERTICAL:
        A->Tirer(S, false, true, 270, false, false);
        break;
      default:
        break;
    }
  }
}

// ---- Hits ----

void Vehicule::be_objectif(int Camp, int) {
  camp = static_cast<int16_t>(Camp);
  if constexpr (!early) reapparaitre = false;
}

void Vehicule::recevoirdegats(int16_t degats, Mapping* ATK, int16_t Direction, double, int16_t) {
  if (degats <= 0 || Invincibilite.cycle(early ? 5000 : 2000) != 3) {
    if (ATK) ATK->vivant = true;
    return;
  }
  if (statut == 0) statut = 3;
  vie = static_cast<int16_t>(vie - degats);
  if (vie <= 0) {
    physique = false;
    if constexpr (!early) vivant = false;  // the earlier wrecks stayed standing
  }
  Jouer_son(general::Impact, calculer_volume(centre_scrolling));
  if (physique) return;
  // Everyone aboard dies with the vehicle and is put out at the wreck.
  Mapping* bord[NB_MAX_PASSAGERS];
  const int n = nb_passager;
  for (int k = 0; k < n; ++k) bord[k] = passagers[k];
  for (int k = 0; k < n; ++k)
    if (bord[k]) bord[k]->recevoirdegats(10000, this, Direction, 0.0, 0);
  if (controlj()) sortir_joueur();
  // The earlier crews stayed inside. The hero still gets out: inside, he
  // would never come back and the camera would stay on the wreck.
  if constexpr (early) return;
  while (nb_passager > 0) RetirerPassager(0);
  Mort.remise_a_zero();
}

// ---- Drawing ----

void Vehicule::placer_tourelle(SDL_Rect p, bool hero) {
  if (ArmesVehic[0]) ArmesVehic[0]->direction = direction;
  SDL_Surface* viseur = ArmesVehic[0] ? ArmesVehic[0]->viseur : nullptr;
  for (int k = 0; k < 2; ++k) {
    if (UtilisationArmes[k] != TOURELLE) continue;
    // Drawn at the mount's offset on the picture, even where the world's edge holds the shots back.
    SDL_Rect S = point_de_tir(k);
    S.x = static_cast<Sint16>(p.x + (direction == DROITE ? placements[k].x : TramePrincipale.w - placements[k].x));
    S.y = static_cast<Sint16>(p.y + placements[k].y);
    SDL_Rect Q = cible;
    if (!hero) {
      Q.x = static_cast<Sint16>(Q.x - general::Scrolling.x);
      Q.y = static_cast<Sint16>(Q.y - general::Scrolling.y);
    }
    if (viseur) {
      Q.x = static_cast<Sint16>(Q.x - viseur->w / 2);
      Q.y = static_cast<Sint16>(Q.y - viseur->h / 2);
    }
    const double a = angle_vers(S, Q);
    if (hero) dessiner(viseur, Q.x, Q.y);
    SDL_Surface* R = tourner_garde(Tourelle, a, 1.0);
    if (!R) continue;
    const double c = std::cos(a * PI / 180.0), s = std::sin(a * PI / 180.0);
    const int dx = Tourelle->w / 2 - decalage_tourelle.x, dy = decalage_tourelle.y - Tourelle->h / 2;
    const int Dx = S.x - R->w / 2, Dy = S.y - R->h / 2;
    dessiner(R, static_cast<int>(c * dx - s * dy + Dx), static_cast<int>(Dy - (c * dy + s * dx)));
  }
}

void Vehicule::dessiner_etat(SDL_Rect p) {
  static const char* const MARQUES[] = {"normal.png", "alerte.png", "hostile.png", "interrogatif.png", "hostile.png",
                                        "mort.png"};
  const std::string dossier = camp == ALLIE ? "HUD/Allies/" : "HUD/Ennemis/";
  const char* marque = !vivant || statut < 0 || statut > 5 ? "mort.png" : MARQUES[statut];
  SDL_Surface* m = AllouerImage((dossier + marque).c_str(), 0, false);
  SDL_Surface* seg = AllouerImage(camp == ALLIE ? "HUD/VieAlliee.png" : "HUD/VieEnnemie.png", 0, false);
  SDL_Surface* cadre = AllouerImage("HUD/barre.png", 0, false);
  const int cw = cadre ? cadre->w : 0, ch = cadre ? cadre->h : 0;
  const int fx = p.x + TramePrincipale.w / 2 - cw / 2, fy = p.y - ch - 10;
  dessiner(cadre, fx, fy);
  if (seg && seg->w > 0 && vie_max > 0) {
    int n = vie * ((cw - 6) / seg->w) / vie_max;
    if (vie > 0 && n < 1) n = 1;
    for (int i = 0; i < n; ++i) dessiner(seg, fx + 3 + i * seg->w, fy + ch / 2 - seg->h / 2);
  }
  if (m) dessiner(m, p.x + TramePrincipale.w / 2 - m->w / 2, fy - m->h);
}

void Vehicule::bliting() {
  if (refuse()) return;
  SDL_Rect p = position;
  p.x = static_cast<Sint16>(position.x - general::Scrolling.x);
  p.y = static_cast<Sint16>(position.y - general::Scrolling.y);
  if (!(-TramePrincipale.w < p.x && p.x < largeur_ecran() && -TramePrincipale.h < p.y && p.y < hauteur_ecran()))
    return;
  // The earlier game took the size from the zoom factor: half size below 1.
  const int Z = early ? (general::zoom < 1.0 ? 1 : 0) : (general::dezoom == 1 ? 1 : 0);
  const int dir = direction == GAUCHE ? 1 : 0;
  if (vie < 1) {
    dessiner(image_de(die, dir, Z), p.x, p.y);
  } else {
    dessiner(image_de(Image, dir, Z), p.x, p.y);
    if (Rouage[0]) {
      if (cycle.cycle(200) == 3) {
        diffusion = !diffusion;
        cycle.remise_a_zero();
      }
      const bool arret = nb_passager == 0 || (!deplacement_x && !deplacement_y && !helice);
      dessiner(image_de(Rouage[arret ? 2 : diffusion ? 1 : 0], dir, Z), p.x, p.y);
    }
  }
  if (Tourelle && vivant) placer_tourelle(p, controlj());
  if (camp != NUL) dessiner_etat(p);
}
