#include "characters/Tramer.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "characters/Element.h"
#include "characters/InitierPersos.h"
#include "engine/Ascenseur.h"
#include "engine/BoucleMonde.h"
#include "engine/Demarrage.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"
#include "engine/cc.h"
#include "characters/Vehicules.h"
#include "weapons/Armes.h"
#include "weapons/Bouclier.h"
#include "weapons/Katana.h"
#include "weapons/LanceRoquette.h"

Tramer* Tramer::Persos[Tramer::NB_MAX_PERSOS];
int32_t Tramer::nb_persos = 0;
Tramer* Tramer::Hero = nullptr;
Tramer* Tramer::Escouade[2][Tramer::NB_ESCOUADES][Tramer::TAILLE_ESCOUADE];
int32_t Tramer::effectif_escouades[2][Tramer::NB_ESCOUADES];
int32_t Tramer::nb_escouade[2];
Mapping* Tramer::ordre_escouades[2][Tramer::NB_ESCOUADES];
Tramer* Tramer::Renforts[Tramer::NB_MAX_RENFORTS];
int32_t Tramer::nb_renfort = 0;
int32_t Tramer::limite[2];
#if !GAME_EARLY
Timing Tramer::TLimites;
#endif
bool Tramer::Fin = false;

int classe_posture(int action) {
  if (action == DISCRET || action == TIRER_DISCRET) return 1;
  if (action == RAMPER || action == TIRER_RAMPER) return 2;
  return 0;
}

namespace {

// Clones are in no registry: their ids count down from -1 so that no scan
// ever takes one for a listed soldier, nor two clones for each other.
int32_t prochain_id_clone = -1;

int nb_listes() { return Tramer::nb_persos < Tramer::NB_MAX_PERSOS ? Tramer::nb_persos : Tramer::NB_MAX_PERSOS; }

// A frame set by prefix: the cached one, else the one on disk, else null
// (quietly: a costume without some part is ordinary data).
Partie* ensemble(const std::string& prefixe) {
  for (int i = 0; i < Partie::nb_parties; ++i)
    if (charcmp(Partie::nom_Parties[i].retournertexte(), prefixe.c_str()))
      return Partie::AllouerPartie(prefixe.c_str());
  if (!Fichiers::existe((prefixe + "1.png").c_str())) return nullptr;
  return Partie::AllouerPartie(prefixe.c_str());
}

// A set of n frames all showing the last frame of b, cached under `nom`.
Partie* tenue(Partie* b, const std::string& nom, int n) {
  if (Partie* p = ensemble(nom)) return p;
  auto* p = new Partie();
  const auto noms = b->ReleverNoms(b->nb_frame - 1);
  for (int k = 0; k < n; ++k) p->ChangerImage(noms.data(), k);
  Partie::StockerPartie(nom.c_str(), p);
  return p;
}

// The arm sets show their second frame twice while the swing holds.
void doubler_deuxieme(Partie* p) {
  if (p && p->nb_frame >= 2) p->ChangerImage(p->ReleverNoms(1).data(), 2);
}

int index_choix(int v, int n) { return v >= 0 && v < n ? v : 0; }

// An AI soldier's second item is a shield.
Armes* nouveau_bouclier() { return new Bouclier(P_char("Armes/Bouclier/projectile.png")); }

}  // namespace

bool Tramer::get_etre_discret() const {
  return action == TIRER_DISCRET || action == DISCRET || action == RAMPER || action == TIRER_RAMPER;
}

// The head zone is the soldier's own: a prone woman's head lies higher than a man's.
int Tramer::relever_decalage_y() {
  return general::decalages_y[description.index_sexe()][classe_posture(action)];
}

Tramer::Tramer() { type_objet = TRAMER; }

void Tramer::valeurs_de_depart(const Perso& perso) {
  stats = caracteristiques(100, 100, 10, 2);
  // The earlier build has no respawn window.
#if !GAME_EARLY
  TLimites.en_cours = true;
#endif
  P_aura = nullptr;
  aura = 100;
  regeneration = 10;
  aura_activee = false;
  statut = general::infiltration ? 0 : 4;
  force = 1;
  general::sexe = perso.sexe;
  directionE = 0;
  escouade_en_cours = 0;
  Objectif = nullptr;
  cible = general::origine;
  physique = true;
  classe = NORMAL;
  conducteur = defense = lead = false;
  description = perso;
  bras_en_cours = RIFLE;
  cacher = false;
  reapparaitre = true;

  const int s = perso.index_sexe(), c = perso.index_couleur();
  for (int r = 0; r < 2; ++r)
    for (int k = 0; k < NB_TYPE_BRAS; ++k) Bras[r][k] = VBras[r][k] = BBras[s][c][r][k];
  if (perso.index_bras() != 0) {
    const std::string A = std::string(Element::relever(s, perso.index_bras())->nom.retournertexte()) + "/Bras/";
    VBras[0][GUN] = ensemble(A + "gun");
    VBras[0][POING] = ensemble(A + "cc");
    VBras[0][RIFLE] = ensemble(A + "rifle");
    VBras[0][HRIFLE] = ensemble(A + "hrifle");
    VBras[0][PROJECTILE] = ensemble(A + "projectile");
    doubler_deuxieme(VBras[0][POING]);
    doubler_deuxieme(VBras[0][PROJECTILE]);
    for (int k = 0; k < NB_TYPE_BRAS; ++k) VBras[1][k] = VBras[0][k];
    VBras[0][RIFLE] = ensemble(A + "riflei");
  }

  Inventaire2 = new Armes*[2]{nullptr, nullptr};
  decalage_x_arme = 40;
  TramePrincipale.x = TramePrincipale.y = 0;
  posseder_arme = true;
  vivant = true;
  type_objet = TRAMER;
  decalage = general::origine;
  direction = DROITE;
  action = TOMBER;
  layer = 4;
  comportement_actuel = ATTAQUER_ENNEMI;
  affichage = true;
  for (Partie*& p : Corps) p = nullptr;
  pos_arme = Rect(0, 49, 40, 0);
  nb_mouvement = 12;
  ArmePrincipale = ArmeSecondaire = nullptr;
}

void Tramer::habiller() {
  image[0] = AllouerImage("default.png", 0, false);
  image[1] = AllouerImage("default.png", 1, false);
  for (auto& etat : Habits)
    for (Partie*& p : etat) p = nullptr;
  const int s = description.index_sexe();
  for (int i = 0; i < NB_ELEMENTS; ++i) {
    // Set 0 is "nothing worn": it has no folder.
    const int v = description.index_vetement(i);
    Element* e = v != 0 ? Element::relever(s, v) : nullptr;
    if (!e || !e->nom.retournertexte()) continue;
    const std::string F = e->nom.retournertexte();
    auto dossier = [&](int etat) {
      const char* r = RepertoiresPersos[i][etat];
      return r ? F + r : std::string();
    };
    const std::string b = dossier(COURIR);
    Partie* B = b.empty() ? nullptr : ensemble(b);
    if (!B) continue;
    Habits[COURIR][i] = Habits[TIRER][i] = B;
    Partie* B1 = tenue(B, b + "1", 1);
    Habits[ATTERRIR][i] = Habits[ACOUVERT][i] = Habits[VISER][i] = Habits[TIRER_VISER][i] = B1;
    Partie* B2 = tenue(B, b + "2", 3);
    Habits[COGNER][i] = Habits[PROJETER][i] = B2;
    auto ou_base = [&](int etat) {
      const std::string d = dossier(etat);
      Partie* p = d.empty() ? nullptr : ensemble(d);
      return p ? p : B;
    };
    Habits[SAUTER][i] = Habits[TOMBER][i] = ou_base(SAUTER);
    Habits[DISCRET][i] = Habits[TIRER_DISCRET][i] = ou_base(DISCRET);
    Habits[ETRE_EJECTE][i] = ou_base(ETRE_EJECTE);
    Habits[MORT][i] = ou_base(MORT);
    Habits[RAMPER][i] = Habits[TIRER_RAMPER][i] = ou_base(RAMPER);
  }

  nb_framex = nb_framey = 1;
  vitesse = 20;
  frequence = frequenceTemp = 100;
  En_mouvement = true;
  diffusion = 0;
  position.x = position.y = 0;
  const int c = description.index_couleur();
  for (int e = 0; e < 20; ++e) Corps[e] = BCorps[s][c][e];
  if (Corps[0] && Corps[0]->Image[0][0])
    TramePrincipale = Rect(0, 0, Corps[0]->Image[0][0]->w, Corps[0]->Image[0][0]->h);
  TramePrincipale.x = TramePrincipale.y = 0;
}

void Tramer::entrer_en_escouade(bool hero) {
  // Drivers look for a vehicle and join no squad.
  if (!hero && description.armeprincipale == 2) return;
  auto ajouter = [this](int c, int e) {
    if (effectif_escouades[c][e] >= TAILLE_ESCOUADE) {
      std::fprintf(stderr, "squad %d of camp %d is full: a soldier stays out of it\n", e, c);
      return;
    }
    Escouade[c][e][effectif_escouades[c][e]++] = this;
    escouade_en_cours = e;
  };
  if (hero) {
    camp = ALLIE;
    ajouter(0, 0);
    return;
  }
  if (camp != ALLIE && camp != ENNEMI) return;
  const int c = camp;
  // Camp 0's squad 0 is the heroes'.
  if (nb_escouade[c] == 0 && c == ALLIE) nb_escouade[0] = 1;
  if (effectif_escouades[c][nb_escouade[c]] > 4) {
    if (nb_escouade[c] + 1 >= NB_ESCOUADES) {
      std::fprintf(stderr, "camp %d has no squad left: a soldier stays out of them\n", c);
      return;
    }
    ++nb_escouade[c];
  }
  ajouter(c, nb_escouade[c]);
}

Tramer::Tramer(P_char nom, Perso perso, bool hero) {
  valeurs_de_depart(perso);
  verifier = nom;
  if constexpr (early) {
    // The earlier soldier is not stood up anew: it only takes its side and
    // life from the record before it is armed.
    prendre_camp_et_vie();
    AllouerArmes(hero);
    InitialiserTimers();
  } else {
    Initialiser(hero);
  }
  habiller();
  entrer_en_escouade(hero);
  if (general::infiltration && camp == ALLIE) comportement_actuel = COPIER_JOUEUR;
  // The first of the heroes' squad starts where the map says.
  if (camp == ALLIE && effectif_escouades[0][0] == 1) position = general::Debut_map;
  role = false;
  pos_depart = general::origine;
}

Tramer::Tramer(Tramer* perso) {
  const Perso modele = perso ? perso->description : Perso();
  valeurs_de_depart(modele);
  Initialiser(false);
  verifier = perso ? perso->verifier : P_char("");
  habiller();
  clone = true;
  role = false;
  pos_depart = general::origine;
  id = prochain_id_clone--;
  if (prochain_id_clone > -1) prochain_id_clone = -1;  // wrapped: start again
}

Tramer::~Tramer() {
  liberer_armes();
  delete[] Inventaire2;
  Inventaire2 = nullptr;
  // Nothing may keep pointing at a soldier that is gone.
  if (Hero == this) Hero = nullptr;
  for (int i = 0; i < nb_listes(); ++i) {
    if (Persos[i] == this) Persos[i] = nullptr;
    if (Persos[i] && Persos[i]->Objectif == this) Persos[i]->Objectif = nullptr;
  }
  for (Tramer*& r : Renforts) {
    if (r == this) r = nullptr;
    if (r && r->Objectif == this) r->Objectif = nullptr;
  }
  for (int c = 0; c < 2; ++c)
    for (int e = 0; e < NB_ESCOUADES; ++e) {
      if (ordre_escouades[c][e] == this) ordre_escouades[c][e] = nullptr;
      for (int k = 0; k < TAILLE_ESCOUADE; ++k)
        if (Escouade[c][e][k] == this) Escouade[c][e][k] = nullptr;
    }
}

Tramer* Tramer::AllouerPerso(const char* nom, bool hero) {
  if (nb_persos < 0) nb_persos = 0;
  if (nb_persos >= NB_MAX_PERSOS) {
    std::fprintf(stderr, "%d soldiers already: \"%s\" is left out\n", NB_MAX_PERSOS, nom ? nom : "");
    return nullptr;
  }
  const char* n = nom ? nom : "";
  Perso perso = LirePerso(n);
  // A placed soldier made from a hero's file is armed as the hero.
  if (std::strcmp(n, "Korvan") == 0 || std::strcmp(n, "Vesk") == 0) hero = true;
  auto* t = new Tramer(P_char(n), perso, hero);
  t->Tas = true;  // the world owns its soldiers
  t->id = nb_persos;
  Persos[nb_persos++] = t;

  // The first hero brings the other one along when the player chose both.
  if (hero && general::Choix_perso == 1 && t->camp == ALLIE && effectif_escouades[0][0] == 1 &&
      Escouade[0][0][0] == t) {
    const char* autre = nullptr;
    if (std::strcmp(n, "Korvan") == 0 || std::strcmp(n, "korvan") == 0) autre = "Vesk";
    if (std::strcmp(n, "Vesk") == 0 || std::strcmp(n, "vesk") == 0) autre = "Korvan";
    if (autre) {
      if (Tramer* second = AllouerPerso(autre, true)) {
        second->position = t->position;
        second->position.x = borne16(t->position.x - 75);
      }
    }
  }
  return t;
}

void Tramer::DesallouerPerso(int id) {
  if (id < 0 || id >= nb_listes()) return;
  for (int i = id; i + 1 < nb_listes(); ++i) {
    Persos[i] = Persos[i + 1];
    if (Persos[i]) Persos[i]->id = i;
  }
  Persos[--nb_persos] = nullptr;
}

bool Tramer::AjouterRenfort(Tramer* t) {
  if (!t) return false;
  if (nb_renfort < 0) nb_renfort = 0;
  if (nb_renfort >= NB_MAX_RENFORTS) return false;
  Renforts[nb_renfort++] = t;
  return true;
}

void Tramer::liberer_armes() {
  if (Inventaire2) {
    delete Inventaire2[0];
    delete Inventaire2[1];
    Inventaire2[0] = Inventaire2[1] = nullptr;
  }
  delete ArmePrincipale;
  delete ArmeSecondaire;
  ArmePrincipale = ArmeSecondaire = nullptr;
}

void Tramer::armer_ia() {
  comportement_actuel = ATTAQUER_ENNEMI;
  classe = NORMAL;
  Inventaire2[0] = new Katana(P_char("HG-2/"), 25);
  Inventaire2[1] = nouveau_bouclier();
  ArmeSecondaire = Reproduire_Arme(Element::ArmesMelee[description.index_arme_melee()]);
  const int a = description.index_arme_principale();
  Armes* modele = Element::ArmesPrincipales[a];
  if (modele) {
    if (a == 8) {
      ArmePrincipale = new LanceRoquette(*modele);
      classe = ARTILLEUR;
    } else {
      ArmePrincipale = new Armes(*modele);
    }
    // A launcher copy starts from nothing: which catalogue entry it is, and its
    // threshold, are still the catalogue's, so the hero who picks it up keeps it.
    ArmePrincipale->id = modele->id;
    ArmePrincipale->wex_requis = modele->wex_requis;
  }
  if (ArmePrincipale && ArmePrincipale->get_snipe())
    classe = SNIPER;
  else if (a == 2)
    classe = CONDUCTEUR;
}

void Tramer::armer_hero() {
  Inventaire2[0] = Reproduire_Arme(Projectiles[index_choix(general::projectile_choisi, 4)]);
  Inventaire2[1] = Reproduire_Arme(Element::Auras[index_choix(general::aura_choisie, 3)]);
  ArmeSecondaire = Reproduire_Arme(Melee[index_choix(general::melee_choisie, 5)]);
  ArmePrincipale = Reproduire_Arme(ArmesPrincipales[index_choix(general::fusil_choisi, 12)]);
  if (Inventaire) {
    delete Inventaire[0];
    Inventaire[0] = Reproduire_Arme(ArmesPrincipales[index_choix(general::pistolet_choisi, 12)]);
  }
}

void Tramer::prendre_camp_et_vie() {
  camp = description.camp_perso ? ENNEMI : ALLIE;
  stats.pv_max = stats.pv_restants = description.vie_perso;
}

void Tramer::Initialiser(bool hero) {
  vivant = affichage = physique = true;
  cacher = false;
  layer = 4;
  action = TOMBER;
  prendre_camp_et_vie();
  saut = 0;
  diffusion = 0;
  AllouerArmes(hero);
  InitialiserTimers();
}

void Tramer::AllouerArmes(bool hero) {
  // Every weapon held is the soldier's own: all of them go before new ones come.
  if (!Inventaire2) Inventaire2 = new Armes*[2]{nullptr, nullptr};
  liberer_armes();
  if (hero)
    armer_hero();
  else
    armer_ia();
}

int Tramer::retourner_sens(SDL_Rect point) { return point.x < position.x + TramePrincipale.w / 2 ? GAUCHE : DROITE; }

int Tramer::retourner_sens(Mapping* autre) {
  if (!autre) return direction;
  return autre->position.x + autre->TramePrincipale.w / 2 < position.x + TramePrincipale.w / 2 ? GAUCHE : DROITE;
}

void Tramer::InitialiserTimers() {
  for (Timing* t : {&Taura, &Tvie, &DureeStatut, &evenementie, &cycle, &csaut, &Invincibilite}) {
    t->en_cours = true;
    t->remise_a_zero();
  }
  if (Inventaire2)
    for (int i = 0; i < 2; ++i)
      if (Inventaire2[i]) Inventaire2[i]->cycle.remise_a_zero();
}

void Tramer::retirer_aura() {
  if (!P_aura) return;
  aura_activee = false;
  *P_aura = before_aura;
}

int relever_nb_persos(int camp) {
  int n = 0;
  for (int i = 0; i < nb_listes(); ++i) {
    const Tramer* t = Tramer::Persos[i];
    if (t && t->camp == camp && t->vivant) ++n;
  }
  return n;
}

int relever_nb_allies() { return relever_nb_persos(ALLIE); }
int relever_nb_ennemis() { return relever_nb_persos(ENNEMI); }

void ReinitialiserMap() {
#if !GAME_EARLY
  general::pause = false;
  general::TimeUp = false;
  // Each battle opens a fresh respawn window on the game clock: the timer
  // was made as the program loaded, before SDL counted, so its own stamp
  // would hold the window shut for weeks.
  Tramer::TLimites.remise_a_zero();
  Tramer::limite[0] = Tramer::limite[1] = 0;
#endif
  // The previous battle is torn down before its tables are forgotten, so
  // every object of it is told to die and the heap-owned ones are freed.
  Tramer::Fin = true;
  DetruireMapping();
  // Soldiers the full world table refused are still ours to free.
  for (int i = 0; i < nb_listes(); ++i)
    if (Tramer* t = Tramer::Persos[i]; t && t->Tas) delete t;
  if constexpr (!early)
    for (Tramer*& r : Tramer::Renforts) delete r;  // the destructor nulls the entry
  Tramer::Fin = false;
  Mapping::dernier_objet = 0;
  Tramer::nb_persos = 0;
  for (Tramer*& t : Tramer::Persos) t = nullptr;
  // The previous battle's vehicles belong to no one else: free them here.
  while (Vehicule::nb_vehicule > 0) {
    const int avant = Vehicule::nb_vehicule;
    delete Vehicule::Vehicules[avant - 1];
    if (Vehicule::nb_vehicule == avant) --Vehicule::nb_vehicule;  // an entry that was no vehicle
  }
  Vehicule::nb_vehicule = 0;
  if constexpr (!early) {
    Ascenseur::Vider();
    cc::Vider();
    Tramer::nb_renfort = 0;
    for (Tramer*& r : Tramer::Renforts) r = nullptr;
  }
  for (auto& camp : Tramer::ordre_escouades)
    for (Mapping*& o : camp) o = nullptr;
  for (auto& camp : Tramer::effectif_escouades)
    for (int32_t& n : camp) n = 0;
  for (auto& camp : Tramer::Escouade)
    for (auto& e : camp)
      for (Tramer*& t : e) t = nullptr;
  Tramer::nb_escouade[0] = Tramer::nb_escouade[1] = 0;
}

bool CollisionavecHero(Mapping* h) {
  const Tramer* o = Tramer::Hero;
  if (!h || !o) return false;
  const int ax = h->position.x, ay = h->position.y, aw = h->TramePrincipale.w, ah = h->TramePrincipale.h;
  const int bx = o->position.x, by = o->position.y, bw = o->TramePrincipale.w, bh = o->TramePrincipale.h;
  return ax < bx + bw && bx < ax + aw && ay < by + bh && by < ay + ah;
}
