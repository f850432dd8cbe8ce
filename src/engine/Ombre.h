#pragma once
// A shadow under decor, drawn half transparent above it. Shadows are left
// out of the frozen views (pause, editor).
#include "engine/Mapping.h"

class Ombre : public Mapping {
 public:
  // Pictures "Ombres/" + nom at both sizes; keeps its own copy of the name.
  Ombre(const char* nom, SDL_Rect position);
  ~Ombre() override;

  void comportement() override {}
  void blit_only() override {}
  void bliting() override;

  char* nom = nullptr;
};

// A map's shadow: as above, and its picture is made half transparent.
Ombre* AllouerOmbre(const char* nom, SDL_Rect position);
