#include "engine/Logos.h"

#include "battle/Catalogues.h"
#include "characters/InitierPersos.h"
#include "editor/Objet_de_Reference.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"

namespace {

Uint32 rouge() { return SDL_MapRGB(general::ecran->format, 180, 20, 20); }

void image(SDL_Surface* dessous, SDL_Surface* dessus) {
  SDL_FillRect(general::ecran, nullptr, rouge());
  for (SDL_Surface* s : {dessous, dessus})
    if (s) {
      SDL_Rect r = general::origine;
      Blitter(s, nullptr, general::ecran, &r);
    }
  Horloge::flip(general::ecran);
  Horloge::attendre(1);
}

// A missing logo has no fades: the loading around it goes on regardless.
void fondu_entrant(SDL_Surface* logo, SDL_Surface* precedent) {
  if (!logo) return;
  for (int a = 0; a <= 250; a += 10) {
    SDL_SetAlpha(logo, SDL_SRCALPHA, static_cast<Uint8>(a));
    image(precedent, logo);
  }
}

// Only half way: the logo stays dimmed under the next one.
void demi_fondu_sortant(SDL_Surface* logo) {
  if (!logo) return;
  for (int a = 255; a >= 135; a -= 10) {
    if (a != 255) SDL_SetAlpha(logo, SDL_SRCALPHA, static_cast<Uint8>(a));
    image(nullptr, logo);
  }
}

}  // namespace

void Logos(void*) {
  if (!general::ecran) return;
  SDL_Surface* logo[4] = {};

  logo[0] = charger_image("Logo0.png");
  fondu_entrant(logo[0], nullptr);
  InitierPersos();
  demi_fondu_sortant(logo[0]);

  logo[1] = charger_image("Logo1.png");
  fondu_entrant(logo[1], logo[0]);
  CreerEntreesFixes();
  demi_fondu_sortant(logo[1]);

  logo[2] = charger_image("Logo2.png");
  fondu_entrant(logo[2], logo[1]);
  LectureObjets();
  LectureObjets_Destructibles();
  LectureObstacles();
  LectureOmbres();
  LectureVehiculesTerrestres();
  demi_fondu_sortant(logo[2]);

  logo[3] = charger_image("Logo3.png");
  fondu_entrant(logo[3], logo[2]);
  LectureVehiculesAeriens();
  LectureVehiculesPolyvalents();
  LecturePersos();
  LectureObjetsAnimes();
  demi_fondu_sortant(logo[3]);

  for (SDL_Surface* s : logo)
    if (s) SDL_FreeSurface(s);
  general::commencer = true;
}
