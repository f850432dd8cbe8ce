#pragma once
// Name-keyed picture cache: every picture is loaded once, with a half-size
// copy made at load time. Entries live until the process ends.
#include "engine/Headers.h"

constexpr int NB_MAX_IMAGES = 100000;

extern SDL_Surface* Images[2][NB_MAX_IMAGES];
extern P_char nom_Images[NB_MAX_IMAGES];
extern bool garderImage[NB_MAX_IMAGES];
extern int nb_apparition[NB_MAX_IMAGES];
extern int nb_images;
extern int derniere_image_demandee;
extern int derniere_image_stockee;

// `signaler` false: a miss is expected (mirror names) and is not reported.
SDL_Surface* AllouerImage(const char* nom, int zoom, bool garder, bool signaler = true);
int StockerImage(const char* nom, SDL_Surface* image);
// Unless `miroir` is already in the cache (a file of that name included),
// stores there the mirror of `image`; nothing for a null picture.
void stocker_miroir(const char* miroir, SDL_Surface* image);
SDL_Surface*** TotalAllouerImage(const char* nom);
void LibererTotalImage(SDL_Surface*** t);  // frees the table, not the pictures

// The picture file `nom` in the screen's format (au_format_ecran), owned by
// the caller; null when it cannot be read, said once when `signaler`.
SDL_Surface* charger_image(const char* nom, bool signaler = true);

// Says once on stderr that a game file is missing.
void signaler_fichier_absent(const char* nom);
