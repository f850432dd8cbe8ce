#pragma once
// Capture points (command centres): a soldier of another camp starts a
// capture with the use action; the point changes hands after 4 s during
// which some soldier of that camp stays within 200 px.
#include "engine/Mapping.h"

class cc : public Mapping {
 public:
  static constexpr int NB_MAX_CC = 20;

  // A map's capture point of camp `c` (ALLIE, ENNEMI or NUL).
  cc(SDL_Rect position, int16_t c);
  ~cc() override;

  void interragir(Mapping* O) override;
  void comportement() override;
  void bliting() override;

  Timing Evenementie;  // running while a capture is under way
  int16_t camp2 = NUL;

  static cc* CCs[NB_MAX_CC];
  static int nb_cc;
  static void Vider() { nb_cc = 0; }
};

cc* ReleverCCLePlusProche(Mapping* objet, int camp);
cc* ReleverCCLePlusProche_x(Mapping* objet, int camp);
