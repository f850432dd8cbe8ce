#pragma once
// What the bullets, flames, blasts and rockets share: the zoomed view,
// rotated frames, mirrored picture sets and the rule for objects that
// cannot take part in the world.
#include "engine/Mapping.h"

constexpr double PI_ARMES = 3.14159265;

// Truncates toward zero to 16 bits, as every screen step does.
int16_t court(double v);
// A world position past 16 bits would wrap round to the other end of the
// world: a shot that would get there is spent instead.
bool hors_16_bits(double v);
// What one move adds to an aimed shot's range: its horizontal step, whichever
// way it goes, so that a shot aimed behind its facing still runs out. A shot
// straight up or down adds nothing and flies on to the world's edge.
int pas_de_portee(int vx);
// The world-to-screen point of the zoomed view (the plain one at zoom 1).
SDL_Rect point_zoome(int x, int y);
// A timer running from now.
void demarrer(Timing& t);
// [0] normal full size, [1] half size, [2] mirrored full size, [3] half size;
// the mirror is made once and kept in the picture cache under `miroir`.
void charger_avec_miroir(const char* nom, const char* miroir, SDL_Surface* sortie[4]);
// Frames of a sprite row rotated by `angle`, from the facing's picture; the
// surfaces are the caller's. Answers the number of frames tried (at most 5).
int16_t cadres_tournes(const char* const rangee[6], int direction, double angle, SDL_Surface** cadres);
// Writes a new aimed shot's vertical step to standard output, bare: the
// earlier build's trace of every aimed bullet and rocket.
void ecrire_pas_vertical(double p_y);
// An object without a first picture, or refused by a full world table,
// would never be run nor reaped: it is dropped at once. Answers o or null.
Mapping* retenir(Mapping* o);
