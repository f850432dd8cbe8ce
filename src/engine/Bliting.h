#pragma once
// Root of everything drawn: world objects and screen widgets alike.
#include "engine/Headers.h"

class Bliting {
 public:
  Bliting();
  virtual ~Bliting();
  Bliting(const Bliting&) = delete;
  Bliting& operator=(const Bliting&) = delete;

  virtual void comportement() {}
  virtual void bliting();
  virtual void blit_only() { bliting(); }

  bool vivant = true;
  uint8_t layer = 1;
  bool Tas = false;
  SDL_Rect TramePrincipale = {0, 0, 0, 0};
  // [0] normal size, [1] half size. The array is the object's; the pictures
  // belong to the cache. A few kinds swap in a longer array of frames and
  // then own that one instead.
  SDL_Surface** image;
  SDL_Rect position = {0, 0, 0, 0};
  int16_t type_objet = 0;
};
