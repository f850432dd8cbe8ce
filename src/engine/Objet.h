#pragma once
// Plain decor: a picture a soldier can hide behind.
#include "engine/Mapping.h"

class Objet : public Mapping {
 public:
#if GAME_EARLY
  Objet() = default;
#else
  Objet(const char* nom, SDL_Rect position);
#endif
  // Decor "Objets/" + nom at `position`, in either build (the early one has
  // no constructor that takes them).
  static Objet* Creer(const char* nom, SDL_Rect position);

  void interragir(Mapping* O) override;

 private:
  void habiller(const char* nom, SDL_Rect pos);
};
