#pragma once
// What nearly every game file needs: SDL and its helpers, the fixed-width
// types, the text type and the build variant.
#include <SDL.h>
#include <SDL_gfxPrimitives.h>
#include <SDL_image.h>
#include <SDL_rotozoom.h>
#include <SDL_ttf.h>

#include <cstdint>

#include "engine/P_char.h"
#include "engine/Timing.h"
#include "engine/Variante.h"
#include "platform/Fichiers.h"
#include "platform/Horloge.h"
#include "sound/Son.h"
