#pragma once
// A thrown item in flight (grenade or smoke grenade): moves by its vector,
// bounces on the ground line and off solid things of another camp, and when
// its time is up makes what it leaves behind.
#include "engine/Mapping.h"

class Projete : public Mapping {
 public:
  // `point`: the world point of the hand; w and h of `point` are kept.
  Projete(SDL_Rect point, int16_t camp, int dir, int vx, const char* image_nom);

  // 0 after a bounce off a solid object (colliser is its entry), else 2.
#if GAME_EARLY
  int p_collision(bool) override;
#else
  using Mapping::p_collision;
  int p_collision(bool);
#endif

  // x: horizontal step (signed); y: upward step.
  SDL_Rect vecteur = {0, 0, 0, 0};
  Timing vie;

 protected:
  // A thrown item never wraps round the world: it stops at the 16-bit edge
  // and goes off there when its time is up.
  void avancer() {
    position.x = pas16(position.x, vecteur.x);
    position.y = pas16(position.y, -vecteur.y);
  }
  // Slows toward `plancher` px per step in the direction of flight.
  void freiner(int plancher);
  // The full-size picture at the zoomed point, with no visibility test.
  void dessiner();
  // Dies after `duree` ms and leaves its remains: the world frees it later,
  // and the remains must not wait for that (nor come from a world being emptied).
  void vieillir(int duree);
  virtual void finir() {}
  // What it bounces off, besides being solid and of another camp.
  virtual bool rebondit_sur(const Mapping* o) const = 0;

 private:
  bool fini = false;
};
