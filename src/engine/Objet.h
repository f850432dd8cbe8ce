#pragma once
// Plain decor: a picture a soldier can hide behind.
#include "engine/Mapping.h"

class Objet : public Mapping {
 public:
  Objet(const char* nom, SDL_Rect position);
  void interragir(Mapping* O) override;
};
