#pragma once
// The vehicle: boarded by the soldiers of its camp, driven by the player when
// the hero is aboard and by its own AI otherwise, armed with two weapons, and
// thrown back neutral at its start point some time after it is left or
// wrecked. The ground, air and multi-role kinds pick a model by name.
#include <cstdint>

#include "engine/Constantes.h"
#include "engine/Mapping.h"

class Armes;

// Use of a vehicle's weapon.
enum UtilisationArme { TOURELLE = 0, HORIZONTAL = 1, VERTICAL = 2, AUCUNE = 3 };

// One row of the model table: a model is a folder holding its pictures.
struct ModeleVehicule {
  const char* nom;
  int16_t vie;
  int32_t vitesse;
  uint8_t places;
  int modes[2];
  SDL_Rect placements[2];
  const char* tourelle;     // null: the common turret; "": none
  SDL_Rect pivot;           // (0, 0): the turret picture's usual pivot
  const char* rouages[3];   // two moving frames and the stopped one; null: none
  bool helice;
  bool fixe;                // a fixed emplacement
  int armes[2];             // entries of the weapon catalogue
};

class Vehicule : public Mapping {
 public:
  static constexpr int NB_MAX_VEHICULES = 1000;
  static constexpr int NB_MAX_PASSAGERS = 12;
  static constexpr int ARME_DEFAUT = 9;
  static constexpr int ARME_ROQUETTES = 8;

  ~Vehicule() override;

  void comportement() override;
  void bliting() override;
  void blit_only() override { bliting(); }
  void set_cible(SDL_Rect c) override { cible = c; }
  int get_id() override { return id; }
  void set_objectif(Mapping* obj) override { Objectif = obj; }
  Mapping* get_objectif() override { return Objectif; }
  bool possibilite_avoir_objectif() override { return true; }
  void interragir(Mapping* O) override;
#if GAME_EARLY
  // The early world object's probe takes one argument: this one is our own.
  virtual int p_collision(bool even, int32_t ignorer);
#else
  int p_collision(bool even, int32_t ignorer) override;
#endif
  void be_objectif(int Camp, int Vie) override;
  void recevoirdegats(int16_t degats, Mapping* ATK, int16_t Direction, double angle, int16_t decalage_y) override;

#if !GAME_EARLY
  virtual void mouvement();
#endif
  virtual int p_collision2(bool even, int32_t ignorer);
  virtual void controlejoueur();
  virtual void controleia();
  virtual bool controlj();

  void Tirs();
  void sortir_joueur();
  void RetirerPassager(int passager);
  // A vehicle whose model is unknown or whose body picture is missing: it
  // never runs, draws, registers or takes anyone aboard.
  bool refuse() const { return !Image || !Image[0][0]; }

  static int relever_nb_vehicule() { return nb_vehicule; }
  static void DesallouerVehicule(int id);
  // Forgets an object about to disappear: it leaves every seat and objective.
  static void Oublier(Mapping* o);

  SDL_Rect cible = {0, 0, 0, 0};
  SDL_Rect pos_depart = {0, 0, 0, 0};
  Armes* ArmesVehic[2] = {};
  int UtilisationArmes[2] = {AUCUNE, AUCUNE};
  int16_t direction2 = BAS;
  int statut = 4;
  bool tirer[2] = {};
  bool reapparaitre = true;
  bool deplacement_x = false;
  bool deplacement_y = false;
  int id = -1;
  Timing evenementie;
  Timing Invincibilite;
  Timing Mort;
  Timing cycle;
  Timing Ronde;
  Timing ES;
  bool En_mouvement = false;
  bool helice = false;
  bool tourelle = false;
  Mapping* passagers[NB_MAX_PASSAGERS] = {};
  Mapping* Objectif = nullptr;
  SDL_Surface*** Image = nullptr;
  SDL_Surface*** die = nullptr;
  SDL_Surface* Tourelle = nullptr;
  SDL_Surface*** Rouage[3] = {};
  Uint8 nb_passager = 0;
  Uint8 nb_passager_possible = 0;
  bool diffusion = false;
  SDL_Rect placements[2] = {};
  SDL_Rect decalage_tourelle = {35, 39, 0, 0};
  int vie_max = 1;
  P_char Nom;

  static int nb_vehicule;
  static Vehicule* Vehicules[NB_MAX_VEHICULES];

 protected:
  // The set-up every kind shares; the kind then picks its model.
  Vehicule(P_char n, SDL_Rect pos);
  // Applies the row named like the vehicle; no row leaves it refused.
  void choisir_modele(const ModeleVehicule* modeles, int nb);
  // Clears this frame's requests, then drives, moves and fires when manned;
  // false when nobody drives.
  bool conduire();
  // The requested steps; obstacles do not stop them.
  void avancer();
  // Falls 16 px a frame to the rest line, or stands on what it meets.
  void gravite();
  // Shared by the ground kind: the fire requests and the exit key.
  void boutons_et_sortie();
  int ligne_de_repos() const;

 private:
  void enregistrer();
  void retour_au_depart();
  void deposer_les_morts();
  void placer_tourelle(SDL_Rect p, bool hero);
  SDL_Rect point_de_tir(int k) const;
  Mapping* chercher_cible();
  void viser(Mapping* T);
  void approcher(Mapping* T);
  void patrouiller(SDL_Rect P);
  void espacer_convoi();
  void dessiner_etat(SDL_Rect p);
};
