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
// which it ignores on pictures that carry their own. Both programs show
// them, one in English and one in French: no words but names.
void logos() {
  const Uint32 fonds[4] = {rgba(20, 20, 30), rgba(30, 40, 20), rgba(40, 20, 20), rgba(20, 30, 40)};
  for (int i = 0; i < 4; ++i) {
    SDL_Surface* s = toile(960, 544, fonds[i]);
    cadre(s, 40, 40, 880, 464, rgba(200, 200, 200), 4);
    texte(s, "LOGO " + std::to_string(i), 480, 220, 64, rgba(230, 230, 230), true);
    texte(s, i % 2 ? "Quorvath OPS" : "Korvan and Vesk", 480, 320, 32, rgba(200, 180, 60), true);
    // A loading bar, one quarter more on each logo.
    cadre(s, 330, 380, 300, 16, rgba(200, 200, 200), 2);
    rect(s, 334, 384, 73 * (i + 1), 8, rgba(200, 180, 60));
    sauver("Logo" + std::to_string(i) + ".png", s, false);
  }
}

// Text with a dark rim, readable on the bright sky and on black alike.
void texte_cerne(SDL_Surface* s, const std::string& t, int x, int y, int taille, Uint32 c) {
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx)
      if (dx || dy) texte(s, t, x + dx, y + dy, taille, rgba(20, 20, 30), true);
  texte(s, t, x, y, taille, c, true);
}

// The menus' backdrop, behind every screen from the title on: a bright sky
// over dark country, where the white labels of the menus stand (from y 220
// on the left, and the lists at x 250). The title screen fades it in again
// and again; the game's name is on the title's own overlay.
void titre() {
  SDL_Surface* s = toile(960, 544, rgba(150, 190, 230));
  for (int y = 0; y < 200; y += 8) rect(s, 0, y, 960, 8, rgba(110 + y / 5, 160 + y / 7, 220 + y / 20));
  disque(s, 800, 80, 36, rgba(255, 240, 190));
  for (int x = 0; x < 1100; x += 140) disque(s, x, 225 + (x / 140 % 2) * 8, 50 + (x / 140 % 3) * 14, rgba(90, 130, 120));
  rect(s, 0, 215, 960, 329, rgba(46, 74, 50));
  for (int k = 0; k < 4; ++k) rect(s, 0, 215 + 20 * k, 960, 4, rgba(56, 86, 58));  // furrows toward the horizon
  rect(s, 0, 480, 960, 64, rgba(38, 56, 40));
  sauver("Start.png", s, false);
}

// Keys drawn as a keyboard shows them: a light cap on a darker base.
void touche_clavier(SDL_Surface* s, int x, int y, int w, int h) {
  rect(s, x, y, w, h, rgba(60, 60, 70));
  rect(s, x + 2, y + 1, w - 4, h - 5, rgba(230, 230, 235));
}

// A filled arrowhead, its tip at (x, y), pointing along (dx, dy), one of
// the four directions.
void pointe(SDL_Surface* s, int x, int y, int dx, int dy, int taille, Uint32 c) {
  for (int k = 0; k < taille; ++k) {
    if (dy) rect(s, x - k, y - dy * k, 2 * k + 1, 1, c);
    else rect(s, x - dx * k, y - k, 1, 2 * k + 1, c);
  }
}

// The Return key's sign: down, then back to the left.
void signe_entree(SDL_Surface* s, int x, int y, int w, int h, Uint32 c, int e) {
  ligne(s, x + w, y, x + w, y + h, c, e);
  ligne(s, x + w, y + h, x + e, y + h, c, e);
  pointe(s, x, y + h, -1, 0, e * 2 + 2, c);
}

// The Escape hint's size: it sits in the screen's bottom-right corner.
constexpr int RETOUR_L = 110, RETOUR_H = 44;

// Menu hints for both programs, with keys and signs instead of words:
// Up/Down choose, Return confirms (a tick), Escape goes back.
void menus() {
  const Uint32 encre = rgba(30, 30, 40), panneau = rgba(0, 0, 0, 160);
  SDL_Surface* s = toile(190, 44, panneau);
  touche_clavier(s, 6, 6, 30, 32);
  pointe(s, 21, 12, 0, -1, 9, encre);
  rect(s, 19, 20, 5, 10, encre);
  touche_clavier(s, 40, 6, 30, 32);
  pointe(s, 55, 31, 0, 1, 9, encre);
  rect(s, 53, 13, 5, 10, encre);
  for (int k = 0; k < 3; ++k) rect(s, 78, 10 + 9 * k, 22, 5, k == 1 ? rgba(240, 220, 120) : rgba(200, 200, 200));
  touche_clavier(s, 112, 6, 40, 32);
  signe_entree(s, 120, 11, 22, 12, encre, 3);
  ligne(s, 158, 24, 165, 31, rgba(90, 220, 90), 4);  // the tick: confirmed
  ligne(s, 165, 31, 180, 12, rgba(90, 220, 90), 4);
  sauver("Menus/Start/navigation.png", s);
  s = toile(RETOUR_L, RETOUR_H, panneau);
  touche_clavier(s, 6, 6, 48, 32);
  texte(s, "Esc", 30, 20, 15, encre, true);  // as the key itself reads
  ligne(s, 70, 22, 100, 22, rgba(240, 220, 120), 4);  // back
  pointe(s, 62, 22, -1, 0, 10, rgba(240, 220, 120));
  sauver("Menus/Start/navigation2.png", s);

  // The title's overlay, drawn unfaded over the fading backdrop: the game's
  // name, and the Return key that starts it.
  s = toile(960, 544);
  texte_cerne(s, "Korvan and Vesk", 480, 90, 60, rgba(250, 225, 110));
  texte_cerne(s, "Quorvath OPS", 480, 160, 40, rgba(240, 240, 240));
  rect(s, 400, 410, 160, 80, rgba(0, 0, 0, 150));
  touche_clavier(s, 424, 422, 72, 56);
  signe_entree(s, 440, 434, 40, 24, rgba(30, 30, 40), 5);
  pointe(s, 536, 450, 1, 0, 16, rgba(250, 225, 110));  // go
  sauver("Menus/Start/press_start.png", s);

  s = toile(960, 544, rgba(10, 10, 20, 230));
  texte(s, "Cr\xE9" "dits / Credits", 480, 120, 48, rgba(240, 220, 120), true);
  const char* lignes[] = {"Code : l'\xE9quipe / Code: the team",
                          "Dessins : le g\xE9n\xE9rateur de donn\xE9" "es / Placeholder art: the data generator",
                          "Police / Font : DejaVu Sans"};
  for (int i = 0; i < 3; ++i) texte(s, lignes[i], 480, 220 + 50 * i, 24, rgba(230, 230, 230), true);
  // The credits are drawn over their screen's Escape hint: the veil leaves
  // its corner clear.
  rect(s, 960 - RETOUR_L, 544 - RETOUR_H, RETOUR_L, RETOUR_H, TRANSPARENT);
  sauver("Menus/Start/Credits/credits.png", s);
}

Etape menus_etape(5, "menus", [] {
  icone();
  logos();
  titre();
  menus();
});

}  // namespace
