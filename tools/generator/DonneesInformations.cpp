// The early build's help pages, one per title of its help screen. The screen
// draws a page last, over its own titles, so each page leaves the left column
// and the bottom corners clear and holds its text in a panel on the right.
#include <string>
#include <vector>

#include "Dessin.h"

using namespace Dessin;

namespace {

struct Page {
  const char* titre;
  std::vector<std::string> lignes;
};

// French, as the early build's menus are; Latin-1 like every text the game draws.
const Page PAGES[5] = {
    {"Assignations",
     {"A / D : aller \xE0 gauche, \xE0 droite",
      "Espace : sauter", "Z : s'accroupir, puis ramper, puis se relever",
      "Clic gauche : tirer avec l'arme principale", "Clic droit : arme secondaire (lancer, frapper)",
      "Fl\xE8" "che gauche / molette : changer d'arme principale",
      "Fl\xE8" "che droite / molette : changer d'arme secondaire", "V : viser \xE0 la lunette (fusils de pr\xE9" "cision)",
      "T : utiliser (v\xE9hicule, ascenseur, d\xE9" "cor)", "E : ramasser une arme", "C : ordres aux escouades",
      "Entr\xE9" "e : pause"}},
    {"Wex",
     {"Le Wex mesure votre exp\xE9rience des armes.", "Chaque ennemi abattu vous donne son Wex.",
      "Plus votre Wex monte, plus d'armes s'ouvrent", "sur les \xE9" "crans de choix avant chaque mission :",
      "fusils, pistolets, armes blanches et lancers.", "Le Wex acquis reste dans la partie sauvegard\xE9" "e."}},
    {"Aura",
     {"L'aura est la jauge sous celle de la vie.", "Choisissez une aura avant la mission :",
      "Vitesse, Force ou R\xE9g\xE9n\xE9ration.", "Elle agit tant que la jauge n'est pas vide",
      "et se recharge avec le temps."}},
    {"L'OMUS",
     {"L'OMUS est l'arm\xE9" "e de Korvan et Vesk.", "Prot\xE9gez leurs cibles et tenez les CC alli\xE9s.", "Le compteur bleu donne les renforts alli\xE9s."}},
    {"Les Nemesis",
     {"Les Nemesis sont l'ennemi.", "Le compteur rouge donne leurs renforts.",
      "Quand il tombe \xE0 z\xE9ro et qu'il ne reste", "aucun Nemesis debout, la carte est gagn\xE9" "e.",
      "D\xE9truisez leurs cibles et prenez leurs CC."}},
};

void page(int k) {
  SDL_Surface* s = toile(960, 544);
  rect(s, 250, 40, 680, 450, rgba(15, 20, 30));  // opaque: nothing of the menu shows through the text
  cadre(s, 250, 40, 680, 450, rgba(200, 180, 60), 3);
  texte(s, PAGES[k].titre, 590, 80, 36, rgba(240, 220, 120), true);
  int y = 130;
  for (const std::string& l : PAGES[k].lignes) {
    texte(s, l, 280, y, 20, rgba(230, 230, 230));
    y += 28;
  }
  sauver("Menus/Start/informations/" + std::to_string(k + 1) + ".png", s);
}

Etape informations(5, "help pages", [] {
  for (int k = 0; k < 5; ++k) page(k);
});

}  // namespace
