#include <cstdio>

#include "engine/Variante.h"

// The start-up sequence arrives with the window, the logos and the title
// screen; until then the program only says so.
int main(int, char**) {
  std::fprintf(stderr, "%s: the start-up sequence is not there yet.\n", early ? "game_early" : "game");
  return 0;
}
