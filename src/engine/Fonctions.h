#pragma once
// Drawing helpers shared by every subsystem.
#include "engine/Headers.h"

// The game's own blit: SDL's clipping, plus pictures that start left of or
// above the destination are cut instead of refused. (SDL 1.2 defines
// SDL_BlitSurface as a macro, hence the other name.)
void Blitter(SDL_Surface* src, SDL_Rect* srcrect, SDL_Surface* dst, SDL_Rect* dstrect);

Uint32 obtenirPixel(SDL_Surface* s, int x, int y);
void definirPixel(SDL_Surface* s, int x, int y, Uint32 pixel);
SDL_Surface* Symetrie_Horizontale(SDL_Surface* s);
SDL_Surface* Symetrie_Verticale(SDL_Surface* s);
SDL_Surface* IMG_load2(SDL_Surface* s);
SDL_Surface* ImageTrame(SDL_Surface* planche, SDL_Rect r);
void Blit_Symetrie_horizontale(SDL_Surface* s, SDL_Rect r);
void BlitSurface(SDL_Surface* s, SDL_Rect r, bool droit);

SDL_Rect Rect(int x, int y, int w, int h);
SDL_Color DonnerCouleur(int r, int g, int b);
SDL_Surface* GenererCadre(int largeur, int hauteur, SDL_Color couleur, int epaisseur);
void dessinerCadrillage(int pas_x, int pas_y, SDL_Surface* s);

#if GAME_EARLY
// The early chooser takes a flag: any non-zero value picks the first text.
const char* retourneur(const char* francais, const char* anglais, bool premier);
#else
const char* retourneur(const char* francais, const char* anglais, int langue);
#endif
const char* retourneur(const char* a, const char* b, const char* c, unsigned char n);

int y(int a, int b, int c);
int calcul_coef(double degres);
int position_suivant(const int* t, int n, int courant, int max);
void tri_creation(const int* t, int* sortie, int n);
