#include "engine/Avis.h"

#include <cstdio>
#include <cstring>

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/Interface.h"
#include "platform/Horloge.h"

void Avertir(const std::string& texte, Uint32 duree) {
  std::fprintf(stderr, "%s\n", texte.c_str());
  SDL_Surface* ecran = general::ecran;
  if (!general::continuer || !ecran) return;
  // What the screen showed stays behind the notice.
  SDL_Surface* fond = SDL_DisplayFormat(ecran);
  ecriture2 ligne(general::Police, P_char(texte.c_str()), general::origine);
  const int w = ligne.nb_ligne > 0 && ligne.image[0] ? ligne.image[0]->w : 0;
  const int h = ligne.nb_ligne > 0 && ligne.image[0] ? ligne.image[0]->h : 0;
  ligne.position = Rect((ecran->w - w) / 2, (ecran->h - h) / 2, 0, 0);
  SDL_Rect bande = Rect(0, (ecran->h - h) / 2 - 10, ecran->w, h + 20);
  const Uint32 debut = Horloge::ticks();
  while (general::continuer && Horloge::ticks() - debut < duree) {
    SDL_Event e;
    while (SDL_PollEvent(&e))
      if (e.type == SDL_QUIT) general::continuer = false;
    if (fond) {
      SDL_Rect o = general::origine;
      Blitter(fond, nullptr, ecran, &o);
    }
    SDL_FillRect(ecran, &bande, SDL_MapRGB(ecran->format, 20, 20, 20));
    ligne.comportement();
    Horloge::flip(ecran);
    Horloge::attendre(50);
  }
  if (fond) SDL_FreeSurface(fond);
  // Keys pressed while the notice was up belong to nobody.
  std::memset(Touches, 0, sizeof Touches);
  std::memset(Souris, 0, sizeof Souris);
}
