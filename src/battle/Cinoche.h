#pragma once
// Cut-scenes: the numbered pictures "Cinematiques/<name><k>.jpg" shown one
// after the other, each fading in from black, held until a key and faded
// out. Escape or the confirm key skips the rest. The first missing number
// ends the cut-scene.
#include "engine/Headers.h"

// Returns how many pictures were shown.
int JouerCinoche(const char* nom);
