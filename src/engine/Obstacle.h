#pragma once
// Solid scenery: walls and platforms that soldiers and shots collide with.
#include "engine/Mapping.h"

class Obstacle : public Mapping {
 public:
  static constexpr int NB_MAX_OBSTACLES = 10000;

  Obstacle(const char* nom, SDL_Rect position);
  ~Obstacle() override;

  // The solid part starts at the top of the picture.
  int relever_decalage_y() override { return 0; }
  void blit_only() override { bliting(); }

  static Obstacle* Obstacles[NB_MAX_OBSTACLES];
  static int32_t nb_obstacles;
  static void Vider() { nb_obstacles = 0; }
};
