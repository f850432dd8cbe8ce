#include "engine/Bliting.h"

#include "engine/Constantes.h"
#include "engine/Fonctions.h"

Bliting::Bliting() : image(new SDL_Surface*[2]{nullptr, nullptr}) {}

Bliting::~Bliting() { delete[] image; }

void Bliting::bliting() {
  if (!image || !image[0]) return;
  SDL_Rect r = position;
  bool cadre = TramePrincipale.w != 0 && TramePrincipale.h != 0;
  Blitter(image[0], cadre ? &TramePrincipale : nullptr, general::ecran, &r);
}
