// What the world pass and the widgets read: the scope overlay and the mouse
// cursor.
#include "Dessin.h"

using namespace Dessin;

namespace {

// A screen-sized black mask with a clear round window and a thin reticle.
void lunette() {
  const int w = 960, h = 544, r = 250;
  SDL_Surface* s = toile(w, h, rgba(0, 0, 0));
  disque(s, w / 2, h / 2, r, TRANSPARENT);
  const Uint32 trait = rgba(10, 10, 10);
  ligne(s, w / 2 - r, h / 2, w / 2 + r, h / 2, trait, 2);
  ligne(s, w / 2, h / 2 - r, w / 2, h / 2 + r, trait, 2);
  for (int k = 1; k <= 4; ++k) ligne(s, w / 2 - 6, h / 2 + 40 * k, w / 2 + 6, h / 2 + 40 * k, trait, 2);
  sauver("Armes/Lunette.png", s);
}

// An arrow pointing up-left, its tip at the picture's corner.
void curseur() {
  SDL_Surface* s = toile(16, 24);
  for (int y = 0; y < 16; ++y) rect(s, 0, y, y + 1, 1, rgba(0, 0, 0));
  for (int y = 1; y < 14; ++y) rect(s, 1, y, y - 1, 1, rgba(255, 255, 255));
  ligne(s, 5, 14, 10, 23, rgba(0, 0, 0), 3);
  sauver("curseur.png", s);
}

Etape monde(0, "world", [] {
  lunette();
  curseur();
});

}  // namespace
