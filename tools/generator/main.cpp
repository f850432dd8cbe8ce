// Writes the complete demo data set into the folder given on the command line.
#include <SDL.h>

#include <cstdio>
#include <filesystem>

#include "Dessin.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: gendata <folder>\n");
    return 2;
  }
  std::filesystem::create_directories(argv[1]);
  std::filesystem::current_path(argv[1]);
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "gendata: %s\n", SDL_GetError());
    return 1;
  }
  Dessin::executer_etapes();
  SDL_Quit();
  return 0;
}
