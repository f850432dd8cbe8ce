#pragma once
// The aimed bullet: flies along the aiming angle with frames rotated to
// match. Also the root of the shotgun blast.
#include "engine/Mapping.h"

class TirV : public Mapping {
 public:
  TirV(SDL_Rect pos, double angle, int direction, int rangee);
  ~TirV() override;

  void comportement() override;
  void bliting() override;
  void blit_only() override;
  bool gethero() override { return hero; }
  void sethero(bool h) override { hero = h; }
  int get_vecteur_y() override { return static_cast<int>(p_y); }
  int get_vecteur_x() override { return vitesse; }
  virtual void set_limite(bool l) { limite = l; }
  using Mapping::p_collision;
  virtual int p_collision(int16_t ignorer, bool);

  bool limite = true;
  int16_t frame_en_cours = 0;
  int16_t nb_frame = 0;
  bool hero = false;
  double Angle = 0;
  double p_y = 0;
  int16_t force = 10;
  int16_t parcours = 0;
  double y = 0;
  Timing cycle;

 protected:
  // The frames come from `rangee`, a row of the shared sprite tables.
  TirV(SDL_Rect pos, double angle, int direction, const char* const rangee[6]);
  void dessiner_cadre(SDL_Rect r);
};
