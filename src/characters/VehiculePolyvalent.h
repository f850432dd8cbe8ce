#pragma once
// Multi-role craft: they fly like aircraft and often carry a gun that fires
// straight down.
#include "characters/Vehicules.h"

class VehiculePolyvalent : public Vehicule {
 public:
  VehiculePolyvalent(P_char n, SDL_Rect pos);
  ~VehiculePolyvalent() override = default;

  static const ModeleVehicule Modeles[];
  static const int nb_modeles;
};
