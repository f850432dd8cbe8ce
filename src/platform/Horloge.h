#pragma once
// The one door to the clock, the random source and the screen flip.
// The game never calls SDL_GetTicks, SDL_Delay, rand or SDL_Flip itself,
// so tests can swap in a virtual clock and watch every frame.
#include <SDL.h>
#include <cstdint>
#include <functional>

namespace Horloge {

Uint32 ticks();                 // milliseconds since start-up
void attendre(Uint32 ms);       // sleep (or move the virtual clock on)
int hasard();                   // 0 .. RAND_MAX, like rand()
void graine(unsigned int g);    // seed the random source
int flip(SDL_Surface* ecran);   // show the frame, then run the frame hook
// Moves the mouse pointer (SDL_WarpMouse); under the virtual clock it is only
// noted, so a test reads where the game put it.
void deplacer_souris(int x, int y);
SDL_Rect derniere_souris();     // last place asked, w = how many moves so far

// Test seam: a virtual clock that only moves when asked to (attendre, flip).
void utiliser_horloge_virtuelle(bool oui);
bool horloge_virtuelle();
void avancer(Uint32 ms);
void regler(Uint32 ms);

// Called after every flip; a test pushes its next events or reads pixels here.
using Crochet = std::function<void()>;
void crochet_image(Crochet c);
Uint32 nb_images();             // flips since the counter was last reset
void remise_a_zero_images();

}  // namespace Horloge
