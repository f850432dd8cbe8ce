#include "platform/Horloge.h"

#include <cstdlib>
#include <random>

namespace Horloge {
namespace {
bool virtuelle = false;
Uint32 maintenant = 0;
Crochet crochet;
Uint32 compteur_images = 0;
SDL_Rect souris = {0, 0, 0, 0};
// The virtual random source is seeded so a test replays the same battle.
std::minstd_rand generateur(1);
}  // namespace

Uint32 ticks() { return virtuelle ? maintenant : SDL_GetTicks(); }

void attendre(Uint32 ms) {
  if (virtuelle)
    maintenant += ms;
  else
    SDL_Delay(ms);
}

int hasard() {
  if (virtuelle) return static_cast<int>(generateur() % (static_cast<unsigned>(RAND_MAX) + 1u));
  return std::rand();
}

void graine(unsigned int g) {
  std::srand(g);
  generateur.seed(g == 0 ? 1 : g);
}

int flip(SDL_Surface* ecran) {
  int r = ecran ? SDL_Flip(ecran) : 0;
  ++compteur_images;
  // Loops that never wait still reach their timers under the virtual clock.
  if (virtuelle) maintenant += 1;
  if (crochet) {
    Crochet c = crochet;  // the hook may replace itself
    c();
  }
  return r;
}

void deplacer_souris(int x, int y) {
  // SDL takes unsigned screen coordinates: a point above or left of the
  // window goes to its edge rather than wrapping to the far side.
  const Uint16 ux = static_cast<Uint16>(x < 0 ? 0 : x > 65535 ? 65535 : x);
  const Uint16 uy = static_cast<Uint16>(y < 0 ? 0 : y > 65535 ? 65535 : y);
  souris.x = static_cast<Sint16>(ux);
  souris.y = static_cast<Sint16>(uy);
  souris.w = static_cast<Uint16>(souris.w + 1);
  if (!virtuelle) SDL_WarpMouse(ux, uy);
}
SDL_Rect derniere_souris() { return souris; }

void utiliser_horloge_virtuelle(bool oui) {
  virtuelle = oui;
  maintenant = 0;
  souris = {0, 0, 0, 0};
  generateur.seed(1);
}
bool horloge_virtuelle() { return virtuelle; }
void avancer(Uint32 ms) { maintenant += ms; }
void regler(Uint32 ms) { maintenant = ms; }
void crochet_image(Crochet c) { crochet = std::move(c); }
Uint32 nb_images() { return compteur_images; }
void remise_a_zero_images() { compteur_images = 0; }

}  // namespace Horloge
