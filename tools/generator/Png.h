#pragma once
// PNG through libpng; the same picture always gives the same bytes.
#include <SDL.h>

#include <string>

namespace Png {
// RGBA (colour type 6) by default; `alpha` false writes RGB (colour type 2),
// as the logos and shadows need.
bool ecrire(const std::string& chemin, SDL_Surface* s, bool alpha = true);
}
