#pragma once
// A blade: fires nothing. The carrier swings it and deals the blow; the
// blade gives its damage, its swing frames and where they sit on the arm.
#include "engine/Partie.h"
#include "weapons/Armes.h"

class Katana : public Armes {
 public:
  // n: the blade's folder under "Armes/", ending with a slash.
  Katana(P_char n, short puissance);

  short get_type2() override { return 3; }
  void creer_arme(const char*) override { type = APOING; }
  short afficher_arme(SDL_Rect pos, int frame, int dir) override;
  SDL_Surface* donnerImage(int, int) override;
#if GAME_EARLY
  short Tirer(SDL_Rect, bool, bool, double) override;
#else
  short Tirer(SDL_Rect, bool, bool, double, bool, bool) override;
#endif

  // Where swing frame `frame` is drawn for a carrier drawn at pos.
  SDL_Rect point_lame(SDL_Rect pos, int frame, int dir) const;

  int32_t x0 = 0, x1 = 0, x2 = 0;
  int32_t y0 = 0, y1 = 0, y2 = 0;
  Partie* katana = nullptr;

 private:
  // The frame actually shown for a swing index: out-of-range indexes wrap.
  int cadre(int frame) const;
};
