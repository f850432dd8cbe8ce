#pragma once
// Ground vehicles keep to the ground: they fall onto what lies below them
// every frame and never climb. A fixed emplacement never moves sideways.
#include "characters/Vehicules.h"

class VehiculeTerrestre : public Vehicule {
 public:
  VehiculeTerrestre(P_char n, SDL_Rect pos);
  ~VehiculeTerrestre() override = default;

#if !GAME_EARLY
  // The earlier ground vehicles ran and moved as every other vehicle.
  void comportement() override;
  void mouvement() override;
#endif
  void controlejoueur() override;

  bool siege_attaque = false;

  static const ModeleVehicule Modeles[];
  static const int nb_modeles;
};
