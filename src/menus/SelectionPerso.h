#pragma once
// The hero choice before a mission: Korvan, Vesk, or either where the map
// leaves it open. Borrows the menu background `Start`.
#include <SDL.h>

// Mode as a map's hero setting: 0 Korvan only, 1 free choice, 2 Vesk only.
// Stores general::perso_choisi (0 Korvan, 2 Vesk) and answers 0 when the
// player went back with Escape, 1 otherwise (the window closing included).
int Selectionner_Perso(SDL_Surface* Start, int mode);
