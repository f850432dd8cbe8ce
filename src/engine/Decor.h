#pragma once
// What the scenery kinds share: frames loaded by the object itself, the
// 200 ms frame clock, and the zoom-aware placement of the battle view.
#include "engine/Headers.h"

constexpr int NB_FRAMES_DECOR = 10;

int largeur_ecran();
int hauteur_ecran();

// Loads prefix + "1.png" ... "10.png" into `frames` (ten slots), straight from
// the files so the object owns them; stops at the first missing one.
// Gives the number loaded.
int charger_frames(const char* prefixe, SDL_Surface** frames);
SDL_Surface* charger_surface(const char* prefixe, const char* suffixe, bool signaler = true);
// Frees and clears `n` owned slots.
void liberer_frames(SDL_Surface** frames, int n);

// One step of a looping animation: a frame every 200 ms.
void animer(Timing& cycle, int32_t& frame_en_cours, int32_t nb_frame);

// World position to screen under general::zoom (truncating at each step).
SDL_Rect position_zoomee(SDL_Rect position);
// The zoomed on-screen test of lifts and capture points.
bool visible_zoomee(SDL_Rect r, SDL_Rect trame);
