// The start-up and front-end files: the window icon, the four logos, the
// title picture and the menu sheets.
#include <string>

#include "Dessin.h"

using namespace Dessin;

namespace {

void icone() {
  SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 32, 32, 24, 0xFF0000, 0xFF00, 0xFF, 0);
  SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 40, 50, 40));
  SDL_Rect barre = {6, 14, 20, 4};
  SDL_FillRect(s, &barre, SDL_MapRGB(s->format, 200, 180, 60));
  SDL_Rect tete = {12, 6, 8, 8};
  SDL_FillRect(s, &tete, SDL_MapRGB(s->format, 220, 160, 120));
  SDL_SaveBMP(s, "qiv.bmp");
  SDL_FreeSurface(s);
}

// Full-screen pictures are plain RGB: SDL fades them with a surface alpha,
// which it ignores on pictures that carry their own.
void logos() {
  const char* textes[4] = {"Korvan and Vesk", "Quorvath OPS", "a squad shooter", "press nothing, it loads"};
  const Uint32 fonds[4] = {rgba(20, 20, 30), rgba(30, 40, 20), rgba(40, 20, 20), rgba(20, 30, 40)};
  for (int i = 0; i < 4; ++i) {
    SDL_Surface* s = toile(960, 544, fonds[i]);
    cadre(s, 40, 40, 880, 464, rgba(200, 200, 200), 4);
    texte(s, "LOGO " + std::to_string(i), 480, 220, 64, rgba(230, 230, 230), true);
    texte(s, textes[i], 480, 320, 32, rgba(200, 180, 60), true);
    sauver("Logo" + std::to_string(i) + ".png", s, false);
  }
}

void titre() {
  SDL_Surface* s = toile(960, 544, rgba(30, 60, 40));
  rect(s, 0, 380, 960, 164, rgba(60, 50, 30));
  for (int x = 0; x < 960; x += 120) rect(s, x + 20, 340, 60, 40, rgba(50, 80, 55));
  texte(s, "Korvan and Vesk", 480, 120, 56, rgba(240, 220, 120), true);
  texte(s, "Quorvath OPS", 480, 190, 40, rgba(220, 220, 220), true);
  sauver("Start.png", s, false);
}

void menus() {
  SDL_Surface* s = toile(360, 40);
  texte(s, "Press Return", 10, 6, 24, rgba(255, 255, 255));
  sauver("Menus/Start/press_start.png", s);
  s = toile(300, 36, rgba(0, 0, 0, 160));
  texte(s, "Up/Down: choose   Return: confirm", 8, 8, 16, rgba(230, 230, 230));
  sauver("Menus/Start/navigation.png", s);
  s = toile(200, 36, rgba(0, 0, 0, 160));
  texte(s, "Escape: back", 8, 8, 16, rgba(230, 230, 230));
  sauver("Menus/Start/navigation2.png", s);
  s = toile(960, 544, rgba(10, 10, 20, 230));
  texte(s, "Credits", 480, 120, 48, rgba(240, 220, 120), true);
  const char* lignes[] = {"Code: the team", "Placeholder art: the data generator", "Font: DejaVu Sans"};
  for (int i = 0; i < 3; ++i) texte(s, lignes[i], 480, 220 + 50 * i, 24, rgba(230, 230, 230), true);
  sauver("Menus/Start/Credits/credits.png", s);
}

Etape menus_etape(5, "menus", [] {
  icone();
  logos();
  titre();
  menus();
});

}  // namespace
