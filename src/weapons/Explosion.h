#pragma once
// The blast that rockets end in. Only what the rockets need of it is here.
#include "engine/Mapping.h"

class Explosion : public Mapping {
 public:
  Explosion(P_char dossier, SDL_Rect point, int degat);
};
