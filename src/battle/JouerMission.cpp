#include "battle/JouerMission.h"

#include <cstdio>

// Not there yet: the story screen goes back to the main menu on 1.
int JouerMission(int id, int stade, SDL_Surface*) {
  std::fprintf(stderr, "missions cannot be played yet (mission %d, map %d)\n", id + 1, stade + 1);
  return 1;
}
