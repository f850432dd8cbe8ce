// Test stand-in for the rockets' blast: a plain world object at the point,
// on the world object's default 100 x 100 frame. The real blast replaces it.
#include "weapons/Explosion.h"

Explosion::Explosion(P_char, SDL_Rect point, int) {
  position = point;
  layer = 8;
  Tas = true;
}
