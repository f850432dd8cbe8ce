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

// The same turned copy, kept: arms, guns and turrets are drawn at the same
// angle frame after frame, so each angle is turned once. The copy belongs
// to the keeper (never freed by the caller) and stays valid until several
// hundred other copies have been turned. The keeper holds a reference to s,
// so a picture freed meanwhile is never mistaken for a new one at its
// address.
SDL_Surface* tourner_garde(SDL_Surface* s, double angle, double zoom);

// SDL_UpperBlit, with the same clipping and the same rectangle written
// back. A straight copy between two surfaces of one format moves whole rows
// with memcpy: SDL's own copy loop writes 8 bytes at a time past the cache,
// and the 960 x 544 background alone then cost half a frame.
int blit_rapide(SDL_Surface* src, SDL_Rect* srcrect, SDL_Surface* dst, SDL_Rect* dstrect);

// SDL_FillRect, with 32-bit surfaces filled a row at a time by plain stores
// (the battle fills the whole screen every frame).
int remplir(SDL_Surface* dst, SDL_Rect* r, Uint32 couleur);

// The picture file at `chemin` as au_format_ecran makes it of SDL_image's
// picture (SDL_image's picture itself without a screen). PNGs are read by
// libpng with every check on, zlib's included, straight into the screen's
// format but for those with a colour key; SDL_image reads other formats.
// Null when the file is missing or damaged: a damaged picture is a missing
// one, at once.
SDL_Surface* image_au_format_ecran(const char* chemin);
