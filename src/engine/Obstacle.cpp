#include "engine/Obstacle.h"

#include <algorithm>
#include <cstdio>

#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"

Obstacle* Obstacle::Obstacles[Obstacle::NB_MAX_OBSTACLES];
int32_t Obstacle::nb_obstacles = 0;

Obstacle::Obstacle(const char* nom, SDL_Rect pos) {
  TramePrincipale = Rect(0, 0, 0, 0);
  image[0] = AllouerImage(nom, 0, false);
  image[1] = AllouerImage(nom, 1, false);
  // Thin pictures still get a box soldiers can stand on.
  TramePrincipale.w = static_cast<Uint16>(std::max(image[0] ? image[0]->w : 0, 20));
  TramePrincipale.h = static_cast<Uint16>(std::max(image[0] ? image[0]->h : 0, 20));
  type_objet = OBSTACLES;
  position = pos;
  physique = true;
  layer = 2;
  affichage = true;
  if (nb_obstacles < NB_MAX_OBSTACLES) {
    Obstacles[nb_obstacles++] = this;
  } else {
    static bool dit = false;
    if (!dit) std::fprintf(stderr, "obstacle list full: further obstacles are not listed\n");
    dit = true;
  }
}

Obstacle::~Obstacle() {
  for (int32_t i = 0; i < nb_obstacles; ++i)
    if (Obstacles[i] == this) {
      std::copy(Obstacles + i + 1, Obstacles + nb_obstacles, Obstacles + i);
      Obstacles[--nb_obstacles] = nullptr;
      break;
    }
}
