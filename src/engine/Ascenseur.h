#pragma once
// Lifts carry soldiers up to a marker and sink home once nobody alive rides.
#include "engine/Mapping.h"

class Ascenseur : public Mapping {
 public:
  static constexpr int NB_MAX_ASCENSEURS = 100;

  // A map's lift on "Divers/Ascenseur.png", starting where it is placed.
  explicit Ascenseur(SDL_Rect position);
  ~Ascenseur() override;

  void comportement() override;
  int contact_bouton();
  void bliting() override;

  bool monterdescendre = false;
  bool etage = false;  // true: at the marker or going home
  Timing Etage;
  SDL_Rect position_de_depart = {0, 0, 0, 0};

  static Ascenseur* Ascenseurs[NB_MAX_ASCENSEURS];
  static int nb_ascenseurs;
  static void Vider() { nb_ascenseurs = 0; }
};

// The marker a lift stops at.
class Bouton_Ascenseur : public Mapping {
 public:
  explicit Bouton_Ascenseur(SDL_Rect position);

  void interragir(Mapping*) override { enclenche = true; }
  bool get_enclenche() override { return enclenche; }
  void comportement() override {}
  void bliting() override;

  bool enclenche = false;
};
