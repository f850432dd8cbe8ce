// The campaign's files: the seven mission files naming the demo maps, and the
// cut-scenes played before and after each of those maps.
#include <string>
#include <vector>

#include "Dessin.h"
#include "Jpeg.h"

using namespace Dessin;

namespace {

struct Theme {
  const char* nom;  // the map file is <nom>.map, its cut-scenes <nom>Debut and <nom>Fin
  Uint32 ciel, sol;
};
const Theme THEMES[] = {
    {"Plaine", rgba(120, 170, 230), rgba(90, 150, 60)},
    {"Usine", rgba(110, 110, 120), rgba(70, 70, 75)},
    {"Infiltration", rgba(40, 40, 80), rgba(90, 90, 90)},
};

// Maps of each mission, by theme; short missions share maps.
const std::vector<int> MISSIONS[7] = {{0, 1}, {2}, {1, 0}, {2, 1}, {0}, {1, 2}, {0, 1, 2}};

// Facing right for `sens` 1, left for -1.
void soldat(SDL_Surface* s, int x, int y, int sens, Uint32 tenue, Uint32 casque) {
  const Uint32 peau = rgba(230, 190, 150), bottes = rgba(40, 30, 20);
  rect(s, x - 12, y + 60, 10, 50, tenue);  // legs
  rect(s, x + 2, y + 60, 10, 50, tenue);
  rect(s, x - 14, y + 105, 14, 8, bottes);
  rect(s, x + 2, y + 105, 14, 8, bottes);
  rect(s, x - 16, y + 10, 32, 52, tenue);  // body
  rect(s, x - 16, y + 40, 32, 6, bottes);  // belt
  disque(s, x, y, 12, peau);
  rect(s, x - 13, y - 14, 26, 9, casque);
  ligne(s, x - 16 * sens, y + 14, x - 30 * sens, y + 50, tenue, 7);  // arms
  ligne(s, x + 16 * sens, y + 14, x + 42 * sens, y + 30, tenue, 7);
  rect(s, sens > 0 ? x + 28 : x - 74, y + 24, 46, 6, rgba(30, 30, 30));  // rifle
}

// A caption in both languages: the cut-scenes serve both programs, and the
// early one speaks French only.
struct Legende {
  const char *fr, *en;
};

void image(const Theme& t, const std::string& scene, int k, int n, const Legende& legende) {
  SDL_Surface* s = toile(960, 544, t.ciel);
  rect(s, 0, 380, 960, 164, t.sol);
  rect(s, 0, 0, 960, 60, rgba(0, 0, 0));  // letterbox bands
  rect(s, 0, 484, 960, 60, rgba(0, 0, 0));
  const Uint32 allie = rgba(40, 90, 200), ennemi = rgba(180, 40, 40);
  for (int i = 0; i < k + 1; ++i) soldat(s, 160 + 90 * i, 270, 1, allie, rgba(20, 50, 120));
  if (scene == "Debut")
    for (int i = 0; i < k; ++i) soldat(s, 800 - 90 * i, 270, -1, ennemi, rgba(100, 20, 20));
  texte(s, t.nom, 480, 30, 32, rgba(255, 255, 255), true);
  texte(s, legende.fr, 480, 500, 20, rgba(255, 230, 120), true);
  texte(s, legende.en, 480, 526, 18, rgba(220, 220, 220), true);
  texte(s, std::to_string(k) + " / " + std::to_string(n), 900, 30, 18, rgba(200, 200, 200), true);
  std::string chemin = "Cinematiques/" + std::string(t.nom) + scene + std::to_string(k) + ".jpg";
  if (!Jpeg::ecrire(chemin, s)) std::fprintf(stderr, "gendata: cannot write %s\n", chemin.c_str());
  SDL_FreeSurface(s);
}

Etape missions(1, "missions", [] {
  for (int m = 0; m < 7; ++m) {
    std::string contenu;
    for (size_t i = 0; i < MISSIONS[m].size(); ++i)
      contenu += std::string(i ? "\n" : "") + THEMES[MISSIONS[m][i]].nom + ".map";
    // No final line feed: the game counts one more map after it, an empty one.
    fichier_texte("Mission" + std::to_string(m + 1) + ".txt", contenu);
  }
  dossier("Cinematiques");
  const Legende avant[] = {{"L'escouade d\xE9" "barque \xE0 l'aube.", "The squad lands at dawn."},
                           {"Des postes ennemis barrent la route.", "Enemy posts hold the way ahead."},
                           {"Prenez leurs postes de commandement.", "Take their command posts."}};
  const Legende apres[] = {{"La ligne est \xE0 nous.", "The line is ours."},
                           {"En avant vers le prochain objectif.", "On to the next objective."}};
  for (const Theme& t : THEMES) {
    for (int k = 1; k <= 3; ++k) image(t, "Debut", k, 3, avant[k - 1]);
    for (int k = 1; k <= 2; ++k) image(t, "Fin", k, 2, apres[k - 1]);
  }
});

}  // namespace
