#pragma once
// A target missions ask to destroy or protect: one hit wrecks it, with an
// explosion; it stays in the world, wrecked, for the rest of the battle.
#include "engine/Mapping.h"

class Objet_Destructible : public Mapping {
 public:
  // Pictures from "Objets_destructibles/" + nom + "/": intact, damaged, destroyed.
  Objet_Destructible(const char* nom, SDL_Rect position);
  ~Objet_Destructible() override;

  void comportement() override;
  void recevoirdegats(int16_t degats, Mapping* source, int16_t direction, double angle, int16_t drapeau) override;
  void be_objectif(int c, int v) override;
  void bliting() override;
  void blit_only() override { bliting(); }
  virtual bool get_be_objectif() { return camp == NUL; }

  Timing cycle;
  SDL_Surface* Images[2][3] = {};
  int32_t vie_max = 100;
  char* nom = nullptr;
  bool detruit = false;
};
