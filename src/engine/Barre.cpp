#include "engine/Barre.h"

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"

int32_t cellules_pleines(int32_t valeur, int32_t maximum, int32_t nb_gellule) {
  if (maximum <= 0) return 0;
  int64_t n = static_cast<int64_t>(valeur) * nb_gellule / maximum;
  return n < 0 ? 0 : static_cast<int32_t>(n > INT32_MAX ? INT32_MAX : n);
}

#if !GAME_EARLY
Barre::Barre(const char* IMG, SDL_Rect Position) {
  position = Position;
  layer = 3;
  image[0] = AllouerImage(IMG, 0, false);
}
#endif

void Barre::comportement() {
  if (!valeur_suivie || !maximum_valeur_suivie || !image || !image[0] || !general::ecran) return;
  int32_t n = cellules_pleines(*valeur_suivie, *maximum_valeur_suivie, nb_gellule);
  // Cells overlap by a pixel and a half.
  double pas = image[0]->w - 1.5;
  for (int32_t i = 0; i < n; ++i) {
    int x = static_cast<int>(position.x + i * pas);
    // A value far over its maximum must not stall the frame on cells off
    // screen.
    if (pas > 0 && x >= general::ecran->w) break;
    if (pas <= 0 && i > 0) break;
    SDL_Rect r = {static_cast<Sint16>(x), position.y, 0, 0};
    Blitter(image[0], nullptr, general::ecran, &r);
  }
}
