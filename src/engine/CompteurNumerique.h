#pragma once
// Number widgets bound to a value their owner keeps: the line is rendered
// again only when the value changes.
#include "engine/Interface.h"

// Registered: the battle HUD's life and reinforcement counts.
class CompteurNumerique : public ecriture {
 public:
  CompteurNumerique() = default;
#if GAME_EARLY
  CompteurNumerique(int32_t* valeur, SDL_Rect Position, SDL_Color c);
#endif
  ~CompteurNumerique() override;

  // Binds the counter to a value its owner keeps and shows it at once: the
  // current battle loop builds its counters in place with it.
  void suivre(int32_t* valeur, SDL_Rect Position, SDL_Color c);

  void comportement() override;

  int32_t* valeur_suivie = nullptr;
  int32_t derniere_valeur = 0;
};

// Owner-drawn, with a label in front of the number.
class CompteurNumerique2 : public ecriture2 {
 public:
  CompteurNumerique2(const char* t, int32_t* v, SDL_Rect pos);
  ~CompteurNumerique2() override;

  void comportement() override;

  int32_t* valeur_suivie = nullptr;
  int32_t derniere_valeur = 0;

 private:
  void rendre_ligne();
};
