#pragma once
// The soldier: hero, allies and enemies. Creation, arming, registries and
// the map reset are in Tramer.cpp; hits, death and respawn in
// Tramer_degats.cpp; the action step and pick-up in Tramer_controle.cpp; the
// AI in Tramer_IA.cpp; drawing in Tramer_dessin.cpp.
#include "battle/Perso.h"
#include "engine/Constantes.h"
#include "engine/Mapping.h"
#include "engine/Partie.h"
#include "engine/caracteristiques.h"

class Armes;

enum Etat {
  COURIR = 0,
  TIRER,
  TIRER_DISCRET,
  COGNER,
  TOMBER,
  SAUTER,
  ATTERRIR,
  MORT,
  DISCRET,
  ACOUVERT,
  COGNER2,
  VISER,
  TIRER_VISER,
  PROJETER,
  ETRE_EJECTE,
  RAMPER,
  TIRER_RAMPER,
  ASSOMMER,
  ELECTRIFIER,
  ENDORMI,
  GAZER,
  EBLOUIR,
  PERVERS,
  EXPLOSER,
  POMPER
};

enum comportement {
  ACCOMPLIR_OBJECTIF = 0,
  ATTAQUER_ENNEMI,
  SUIVRE_JOUEUR,
  JOUEUR,
  PROTEGER_CIBLE,
  MOUVEMENT_IMMOBILE,
  REJOINDRE_VEHICULE,
  COPIER_JOUEUR
};

enum classe { NORMAL = 0, CONDUCTEUR, ARTILLEUR, SNIPER, HERO };

// 1 crouched, 2 prone, 0 standing: indexes head zones, arm anchors, detection.
int classe_posture(int action);

class Tramer : public Mapping {
 public:
  // A bare soldier with the creation defaults, listed nowhere: for tests and
  // for code that fills in the rest itself.
  Tramer();
  // A soldier of the character file `nom` whose record is `perso`; the hero
  // is armed with the player's choices.
  Tramer(P_char nom, Perso perso, bool hero);
  // A reinforcement clone of `perso`: same looks and weapons, joins no squad
  // and no registry.
  explicit Tramer(Tramer* perso);
  ~Tramer() override;

  // The only way soldiers are made from character files; null when the
  // registry is full.
  static Tramer* AllouerPerso(const char* nom, bool hero);
  static void DesallouerPerso(int id);
  // Adds a clone to the reinforcements; false when they are full.
  static bool AjouterRenfort(Tramer* t);

  // Back on its feet with the side and life of its record, newly armed, timers restarted.
  void Initialiser(bool hero);
  // Frees every weapon held and gives new ones: the player's choices for
  // the hero, the record's weapons (and the behaviour and class they call
  // for) for any other soldier.
  void AllouerArmes(bool hero);
  void InitialiserTimers();
  // 1 when the point, or the other object's centre, lies left of this
  // soldier's centre: the facing that looks at it.
  int retourner_sens(SDL_Rect point);
  int retourner_sens(Mapping* autre);
  void retirer_aura();

  // Damage, death and respawn.
  void reapparaitre2();
  void reapparaitrehero();

  int nature_mvt() const { return classe_posture(action); }
  bool get_etre_discret() const;

  // World object operations.
  void comportement() override;
  void bliting() override;
  void blit_only() override;
#if !GAME_EARLY
  void Init2() override { pos_depart = position; }
#endif
  void set_cible(SDL_Rect r) override { cible = r; }
  int relever_decalage_y() override;
  int get_vie_restante() override { return stats.pv_restants; }
  int get_id() override { return id; }
  void set_objectif(Mapping* o) override { Objectif = o; }
  Mapping* get_objectif() override { return Objectif; }
  bool possibilite_avoir_objectif() override { return true; }
  void crever() override {}
  void evenementie_incontinue() override {}
  void interragir(Mapping*) override {}
  void be_objectif(int, int) override { reapparaitre = false; }
  void recevoirdegats(int16_t degats, Mapping* ATK, int16_t Direction, double angle, int16_t decalage_y) override;
  void supblit() override {}
  bool get_conducteur() override { return conducteur; }

  // Soldier operations.
  virtual void set_action(int16_t a) { action = a; }
  virtual void interraction();
  virtual void interraction2();
  virtual bool get_be_objectif() { return !reapparaitre; }
  // One action step: input 1 reads the player's keys, 0 follows the AI's settings.
  virtual void evenement_hero(int entree, bool ia);
  virtual bool collision() { return true; }

  // The AI (Tramer_IA.cpp).
  void Attaque();
  void Attaquer_Ennemi();
  void Effectuer_Ronde(SDL_Rect centre);
  void Accomplir_Objectif();
  void Aucun();
  Tramer* ReleverEnnemiLePlusProche();
  Tramer* ReleverEnnemiLePlusProcheVisible();
  Tramer* ReleverAllieLePlusProcheVisible();
  short vue();
  bool get_cacher();

  // Movement probes and action starters of the action step.
#if GAME_EARLY
  // The early world object's probe takes one argument: this one is our own.
  virtual int p_collision(bool even, int32_t ignorer);
#else
  int p_collision(bool even, int32_t ignorer) override;
#endif
  short Esca_collision();
  void sauter();
  void tirer();
  void tirer2();
  void cogner();
  void projeter();
  void cogner2();
  void commencer_geste(int16_t geste, int16_t bras);
  bool viser() const { return action != COGNER && action != PROJETER && action != MORT; }

  bool clone = false;
  int32_t* P_aura = nullptr;
  int32_t before_aura = 0;
  int32_t force = 1;
  int32_t regeneration = 10;
  int32_t aura = 100;
  bool aura_activee = false;
  Mapping* Objectif = nullptr;
  Armes** Inventaire2 = nullptr;
  bool lead = false;
  bool role = false;
  bool defense = false;
  Timing cycle;
  Timing DureeStatut;
  Timing csaut;
  Timing evenementie;
  Timing Taura;
  Timing Tvie;
  Timing Invincibilite;
  int32_t statut = 4;
  bool posseder_arme = true;
  bool conducteur = false;
  bool reapparaitre = true;
  bool cacher = false;
  int32_t frequence = 100;
  int32_t frequenceTemp = 100;
  int16_t decalage_x_arme = 40;
  int16_t nb_framex = 1, nb_framey = 1;
  int32_t id = 0;
  int16_t action = COURIR;
  int16_t bras_en_cours = RIFLE;
  Partie* Corps[20] = {};
  SDL_Rect decalage = {0, 0, 0, 0};
  SDL_Rect pos_arme = {0, 49, 40, 0};
  SDL_Rect pos_depart = {0, 0, 0, 0};
  P_char verifier;
  int16_t diffusion = 0;
  int16_t nb_diffusion = 0;
  int16_t nb_mouvement = 12;
  bool En_mouvement = true;
  int16_t classe = NORMAL;
  int16_t directionE = 0;
  int32_t escouade_en_cours = 0;
  Perso description;
  int16_t saut = 0;
  Partie* Habits[20][11] = {};
  Partie* Bras[2][5] = {};
  Partie* VBras[2][5] = {};
  SDL_Rect cible = {0, 0, 0, 0};
  caracteristiques stats;
  Armes* ArmePrincipale = nullptr;
  Armes* ArmeSecondaire = nullptr;
  int16_t comportement_actuel = ACCOMPLIR_OBJECTIF;

  static constexpr int NB_MAX_PERSOS = 200;
  static constexpr int NB_MAX_RENFORTS = 20;
  static constexpr int NB_ESCOUADES = 11;
  static constexpr int TAILLE_ESCOUADE = 10;
  static Tramer* Persos[NB_MAX_PERSOS];
  static int32_t nb_persos;
  static Tramer* Hero;
  static Tramer* Escouade[2][NB_ESCOUADES][TAILLE_ESCOUADE];
  static int32_t effectif_escouades[2][NB_ESCOUADES];
  static int32_t nb_escouade[2];
  static Mapping* ordre_escouades[2][NB_ESCOUADES];
  static Tramer* Renforts[NB_MAX_RENFORTS];
  static int32_t nb_renfort;
  static int32_t limite[2];
#if !GAME_EARLY
  static Timing TLimites;
#endif
  static bool Fin;

 private:
  // Construction steps shared by the main and clone constructors.
  void valeurs_de_depart(const Perso& perso);
  void prendre_camp_et_vie();
  void habiller();
  void entrer_en_escouade(bool hero);
  void liberer_armes();
  void armer_ia();
  void armer_hero();
  // The nearest living soldier of another camp, or null.
  Tramer* ennemi_le_plus_proche();
  // The command centre of its camp where the soldier comes back, or null.
  Mapping* lieu_de_reapparition();
  void tomber_arme();
#if GAME_EARLY
  // One splash for a hit taken.
  void laisser_sang(Mapping* ATK, int16_t Direction, double angle, int16_t decalage_y);
#endif
};

// Census of living soldiers.
int relever_nb_allies();
int relever_nb_ennemis();
int relever_nb_persos(int camp);

// Empties the world and every per-battle registry before a battle.
void ReinitialiserMap();

// True when the object's box overlaps the hero's (touching edges do not).
bool CollisionavecHero(Mapping* h);
// Rotates a weapon set: takes inv[0], shifts the rest down and stores `old` last.
Armes* changerdarme(Armes* old, Armes** inv, int taille);
// The player's soldier drops its main weapon for a copy of `ar`.
void PrendreArme(Armes* ar);
// Out of the scope stance, as its key takes him out; nothing outside it.
void baisser_lunette(Tramer* t);
void ajouter_munition_hero(int nb);
