#pragma once
// A small baseline JPEG writer (4:4:4, the standard tables): enough for the
// cut-scene pictures, and the same picture always gives the same bytes.
#include <SDL.h>

#include <string>

namespace Jpeg {
// `qualite` 1 to 100, as the usual scaling of the standard tables.
bool ecrire(const std::string& chemin, SDL_Surface* s, int qualite = 90);
}
