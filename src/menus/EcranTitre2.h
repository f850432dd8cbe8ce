#pragma once
// The main menu, the mission list and the map choice. Each borrows the menu
// background `Start` and hands it on; none frees it.
#include <SDL.h>

void EcranTitre2(SDL_Surface* Start);
void histoire(SDL_Surface* Start);
// The chosen map of `mission`, or -1 when the player went back or the
// mission has no map.
int choisir_map(SDL_Surface* Start, int mission);
// The help pages of the early build's main menu; the current build has
// none and returns at once.
void informations(SDL_Surface* Start);

// Missions the story screen lists: 0 to the frontier, within the seven the
// tables hold (a finished campaign lists them all).
int derniere_mission_listee();
