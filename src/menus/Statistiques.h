#pragma once
// Two screens of the main menu that only show something and go back on
// Escape: the player's statistics and the credits.
#include <SDL.h>

void statistiques(SDL_Surface* Start);
void credits(SDL_Surface* Start);

// The play time as the statistics screen shows it.
struct Duree {
  long heure, min, sec;
};
Duree decouper(long secondes);
