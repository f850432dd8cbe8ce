#pragma once
// The soldier: hero, allies and enemies. What the world, the scenery and the
// frame pass read of it is declared here; creation from a character file,
// control, AI, damage and drawing build on these fields.
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
  // A bare soldier with the creation defaults; the character-file
  // construction fills in the rest.
  Tramer();
  ~Tramer() override;

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
  static Tramer* Persos[NB_MAX_PERSOS];
  static int32_t nb_persos;
  static Tramer* Hero;
  static Tramer* Escouade[2][11][10];
  static int32_t effectif_escouades[2][11];
  static int32_t nb_escouade[2];
  static Mapping* ordre_escouades[2][11];
  static Tramer* Renforts[NB_MAX_RENFORTS];
  static int32_t nb_renfort;
  static int32_t limite[2];
  static Timing TLimites;
  static bool Fin;
};
