#pragma once
// JPEG through libjpeg, for the cut-scene pictures; the same picture always
// gives the same bytes.
#include <SDL.h>

#include <string>

namespace Jpeg {
// `qualite` 1 to 100, as libjpeg scales its standard tables.
bool ecrire(const std::string& chemin, SDL_Surface* s, int qualite = 90);
}
