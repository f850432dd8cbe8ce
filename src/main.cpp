#include "engine/Demarrage.h"

// SDL 1.2 on Linux has no entry wrapper: the process starts here and shuts
// SDL down when the game is over.
int main(int argc, char** argv) {
  int r = SDL_main(argc, argv);
  SDL_Quit();
  return r;
}
