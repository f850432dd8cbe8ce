// The earlier build's blood splash: a burst of drops thrown away from the
// shot, in five frames for each way the shot flew.
#include <string>

#include "Dessin.h"

using namespace Dessin;

namespace {

constexpr int NB_CADRES = 5;
constexpr int L = 48, H = 36;

// Frame k of a splash thrown toward +x (sens 1) or -x (sens -1).
void cadre_sang(int k, int sens, const std::string& chemin) {
  SDL_Surface* s = toile(L, H);
  const int x0 = sens > 0 ? 8 : L - 9;
  const Uint32 sombre = rgba(120, 0, 0), vif = rgba(200, 20, 20);
  disque(s, x0, H / 2, 6 - k, sombre);
  // Drops fly out in a fan and shrink as they go.
  const int dy[4] = {-10, -4, 3, 9};
  for (int g = 0; g < 4; ++g) {
    const int x = x0 + sens * (6 + 5 * k + 3 * g);
    const int y = H / 2 + dy[g] * (k + 2) / 4;
    disque(s, x, y, 4 - (k + g) / 3 > 1 ? 4 - (k + g) / 3 : 1, vif);
  }
  sauver(chemin, s);
}

Etape sang(1, "blood splash", [] {
  for (int k = 0; k < NB_CADRES; ++k) {
    cadre_sang(k, 1, "Sang/Droite/" + std::to_string(k + 1) + ".png");
    cadre_sang(k, -1, "Sang/Gauche/" + std::to_string(k + 1) + ".png");
  }
});

}  // namespace
