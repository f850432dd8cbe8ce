#include "battle/Cinoche.h"

#include <string>

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"

namespace {

void dessiner(SDL_Surface* image) {
  SDL_FillRect(general::ecran, nullptr, SDL_MapRGB(general::ecran->format, 0, 0, 0));
  SDL_Rect ou = Rect(0, 0, 0, 0);
  Blitter(image, nullptr, general::ecran, &ou);
  Horloge::flip(general::ecran);
  Horloge::attendre(1);
}

enum class Fin { IMAGE, TOUT };

// Fades the picture in and holds it until a key ends it.
Fin montrer(SDL_Surface* image, int& opacite) {
  opacite = 100;
  Timing fondu;
  fondu.en_cours = true;
  fondu.remise_a_zero();
  for (;;) {
    bool fin = false;
    // Only key presses count; anything else (the window's close box included) is dropped.
    if (SDL_PollEvent(&general::event) && general::event.type == SDL_KEYDOWN) {
      int touche = general::event.key.keysym.sym;
      if (touche == SDLK_ESCAPE || touche == controles::C_PROP) return Fin::TOUT;
      fin = true;
    }
    if (fondu.cycle(20) == 3) {
      opacite += 10;
      fondu.remise_a_zero();
    }
    if (opacite <= 255)
      SDL_SetAlpha(image, SDL_SRCALPHA, static_cast<Uint8>(opacite));
    else
      opacite = 255;
    dessiner(image);
    if (fin) return Fin::IMAGE;
  }
}

}  // namespace

int JouerCinoche(const char* nom) {
  if (!nom || !*nom || !general::ecran) return 0;
  int montrees = 0;
  for (int k = 1;; ++k) {
    std::string chemin = std::string("Cinematiques/") + nom + std::to_string(k) + ".jpg";
    // Faded by per-surface alpha every frame: in the screen's format.
    SDL_Surface* image = charger_image(chemin.c_str(), false);
    if (!image) break;
    ++montrees;
    int opacite = 100;
    if (montrer(image, opacite) == Fin::TOUT) {
      SDL_FreeSurface(image);
      break;
    }
    for (; opacite > 0; opacite -= 50) {
      SDL_SetAlpha(image, SDL_SRCALPHA, static_cast<Uint8>(opacite));
      dessiner(image);
    }
    SDL_FreeSurface(image);
  }
  return montrees;
}
