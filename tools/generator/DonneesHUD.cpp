// The battle HUD: its frame, the gauge cells, and the weather folders.
#include <string>

#include "Dessin.h"

using namespace Dessin;

namespace {

// Fixed sequence: the same sources give the same bytes.
unsigned int suite = 12345;
int au_hasard(int n) {
  suite = suite * 1103515245u + 12345u;
  return static_cast<int>((suite >> 16) % static_cast<unsigned int>(n));
}

// A soldier's head in his helmet, in his side's colour.
void tete(SDL_Surface* s, int cx, int cy, Uint32 c) {
  disque(s, cx, cy + 2, 5, rgba(230, 190, 150));
  rect(s, cx - 7, cy - 6, 14, 6, c);
  rect(s, cx - 8, cy - 1, 16, 2, c);
}

// Half-transparent panels no larger than what they frame, so the fight at
// the screen's edges shows through them.
void cadre_hud() {
  SDL_Surface* s = toile(960, 544);
  Uint32 fond = rgba(20, 30, 40, 110), bord = rgba(190, 200, 210, 200);
  // Top left: name, life and aura gauges, life and reinforcement counts.
  rect(s, 0, 0, 300, 145, fond);
  cadre(s, 0, 0, 300, 145, bord, 2);
  cadre(s, 6, 25, 282, 18, bord);   // life gauge, 10 cells of 27 px
  cadre(s, 88, 46, 204, 18, bord);  // aura gauge, 10 cells of 20 px
  // Signs, not words: both programs, English and French, show this frame.
  rect(s, 64, 72, 12, 4, rgba(220, 50, 50));  // life: a red cross
  rect(s, 68, 68, 4, 12, rgba(220, 50, 50));
  tete(s, 190, 110, rgba(0, 158, 224));  // the allies' reinforcements
  tete(s, 210, 130, rgba(200, 60, 40));  // the enemies'
  // Bottom corners: each weapon's silhouette (at most 128 px wide, from
  // x 6 and 786) over its ammunition count.
  rect(s, 0, 440, 136, 104, fond);
  cadre(s, 0, 440, 136, 104, bord, 2);
  rect(s, 780, 440, 136, 104, fond);
  cadre(s, 780, 440, 136, 104, bord, 2);
  sauver("HUD.png", s);
}

void cellule(const std::string& nom, int w, Uint32 c) {
  SDL_Surface* s = toile(w, 14);
  rect(s, 1, 1, w - 2, 12, c);
  rect(s, 2, 2, w - 4, 3, rgba(255, 255, 255, 120));
  sauver(nom, s);
}

// Rain: slanted streaks, a different scatter per frame.
void pluie(int frames) {
  for (int f = 1; f <= frames; ++f) {
    SDL_Surface* s = toile(120, 120);
    for (int i = 0; i < 14; ++i) {
      int x = au_hasard(120), y = au_hasard(120);
      ligne(s, x, y, x - 4, y + 14, rgba(170, 190, 255, 170));
    }
    sauver("Pluie/" + std::to_string(f) + ".png", s);
  }
}

void neige(int frames) {
  for (int f = 1; f <= frames; ++f) {
    SDL_Surface* s = toile(100, 100);
    for (int i = 0; i < 10; ++i) disque(s, au_hasard(100), au_hasard(100), 1 + au_hasard(2), rgba(250, 250, 255, 220));
    sauver("Neige/" + std::to_string(f) + ".png", s);
  }
}

Etape hud(4, "hud", [] {
  cadre_hud();
  cellule("HUD/vie.png", 27, rgba(200, 40, 40));   // 278 / 27 = 10 cells
  cellule("HUD/aura.png", 20, rgba(90, 60, 220));  // 200 / 20 = 10 cells
  pluie(4);
  neige(3);
  dossier("Rien");  // the default weather: no frame at all
});

}  // namespace
