#pragma once
// Pictures in the screen's own format. SDL blits fast only between surfaces
// of one format, so every picture is converted once when it is loaded, and
// its copies (half size, mirror, rotation) are made from the converted one.
#include "engine/Headers.h"

// The picture in the screen's format, with an alpha channel when it has one
// (as SDL_DisplayFormatAlpha, else as SDL_DisplayFormat). Takes s: the copy
// replaces it; without a screen, or when SDL refuses, s comes back.
SDL_Surface* au_format_ecran(SDL_Surface* s);

// The left-right mirror in its picture's own format: the mirror of an
// opaque picture is opaque, alpha and colour key stay as they were.
SDL_Surface* miroir_au_format(SDL_Surface* s);

// A turned and scaled copy (rotozoomSurface without smoothing) that shows
// what its picture shows: only the corners a rotation uncovers are
// see-through.
SDL_Surface* tourner(SDL_Surface* s, double angle, double zoom);
