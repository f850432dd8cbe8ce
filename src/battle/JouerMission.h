#pragma once
// Plays mission `id` from map `stade`: the hero and weapon choice, then its
// maps. 0 when the last map played was won, 1 when nothing was played or the
// player left, 2 when it was lost.
#include <SDL.h>

int JouerMission(int id, int stade, SDL_Surface* Start);
