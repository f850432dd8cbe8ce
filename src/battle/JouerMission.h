#pragma once
// Plays mission `id` from map `stade`: the hero and weapon choice, then its
// maps while they are won and the mission is the frontier. 1 when nothing
// was played, else the last battle's result (0 won).
#include <SDL.h>

int JouerMission(int id, int stade, SDL_Surface* Start);
