#pragma once
// What the thrown and laid weapons share (grenade, smoke grenade, shield, mine
// layer): ten items and no reload; firing only asks the carrier to start its
// throw, and the carrier's drawing then shows the item and lets it go.
#include "weapons/Armes.h"

class Lancer : public Armes {
 public:
  static constexpr short NB_ITEMS = 10;

  void creer_arme(const char* nom) override;
#if GAME_EARLY
  short Tirer(SDL_Rect, bool, bool, double) override;
#else
  short Tirer(SDL_Rect, bool, bool, double, bool, bool) override;
#endif

  // The item in the hand: [0] full size, [1] half size.
  SDL_Surface* grenade[2] = {};

 protected:
  // `main`: the hand picture; `ombre` null keeps the base weapon's silhouette.
  Lancer(const P_char& main, const char* nom, const char* ombre);

  // The hand point for a carrier drawn at pos. A left-facing carrier's point
  // is first moved right by `recul`, worked out from pos.x.
  static SDL_Rect point_main(SDL_Rect pos, int dir, float recul);
  // The left shift of the thrown kinds (130 less 10, both scaled).
  static float recul_zoome();
  // Phase 0: the item drawn whole at the hand point.
  void dessiner_main(SDL_Rect main) const;
  // One item fewer, whether or not what it made could stay in the world.
  void depenser() { --charge_actuelle; }
};
