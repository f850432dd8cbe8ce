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

  void set_porteur(SDL_Rect p) override {
    porteur = p;
    porteur_dit = true;
  }

#if GAME_EARLY
  // The early thrown kinds keep a player flag of their own beside the
  // weapon's; the carrier sets the weapon's, so this one stays false.
  virtual void sethero(bool v) { hero = v; }
  virtual bool gethero() { return hero; }
  bool hero = false;
#endif

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
  // The world point of the screen point (x, y), with pos's size: beside the
  // carrier whichever way the camera wraps, and held at the world's edge.
  SDL_Rect point_monde(int x, int y, SDL_Rect pos) const;

 private:
  SDL_Rect porteur = {0, 0, 0, 0};
  bool porteur_dit = false;
};
