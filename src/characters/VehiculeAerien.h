#pragma once
// Aircraft: they fly wherever they are driven and fall only when nobody is
// aboard.
#include "characters/Vehicules.h"

class VehiculeAerien : public Vehicule {
 public:
  VehiculeAerien(P_char n, SDL_Rect pos);
  ~VehiculeAerien() override = default;

  static const ModeleVehicule Modeles[];
  static const int nb_modeles;
};
