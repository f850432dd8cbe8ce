// The screens opened over a battle: the pause and game-over pictures, laid
// over the frozen scene, and the orders screen's banner, list panel, mode
// buttons and order bar.
#include <SDL_image.h>

#include <fstream>
#include <sstream>
#include <string>

#include "Dessin.h"

using namespace Dessin;

namespace {

const Uint32 PANNEAU = rgba(10, 20, 40, 200), ENCRE = rgba(240, 220, 120), TRAIT = rgba(200, 200, 210);

void pause() {
  SDL_Surface* s = toile(960, 544);
  rect(s, 16, 30, 300, 200, PANNEAU);  // the three choices
  cadre(s, 16, 30, 300, 200, TRAIT, 2);
  texte(s, "Pause", 30, 40, 28, ENCRE);
  rect(s, 320, 90, 620, 200, PANNEAU);  // the objectives
  cadre(s, 320, 90, 620, 200, TRAIT, 2);
  sauver("Menus/Pause/pause.png", s);
}

void game_over() {
  SDL_Surface* s = toile(960, 544, rgba(40, 0, 0, 120));
  // Both programs show it, one in English and one in French.
  texte(s, "Partie perdue / Game over", 480, 230, 48, rgba(220, 40, 40), true);
  rect(s, 290, 310, 300, 80, PANNEAU);
  sauver("Menus/GameOver/over.png", s);
}

// The list's rows start 10 px under the banner, at y 64, where clicks are taken.
void ordres() {
  SDL_Surface* s = toile(960, 54, PANNEAU);
  texte(s, "Ordres / Orders", 20, 12, 28, ENCRE);  // both programs show it
  sauver("Menus/Ordres/banniere.png", s);
  s = toile(215, 490, PANNEAU);
  cadre(s, 0, 0, 215, 490, TRAIT, 2);
  sauver("Menus/Ordres/liste.png", s);
  // Two halves: the left one picks squads, the right one vehicles.
  for (bool escouades : {true, false}) {
    s = toile(200, 40, PANNEAU);
    rect(s, escouades ? 0 : 100, 0, 100, 40, rgba(60, 90, 160, 230));
    // Signs, not words: three soldiers, and a truck.
    const Uint32 blanc = rgba(255, 255, 255);
    for (int k = 0; k < 3; ++k) {
      disque(s, 36 + 14 * k, 13, 4, blanc);
      rect(s, 32 + 14 * k, 18, 9, 14, blanc);
    }
    rect(s, 126, 14, 34, 12, blanc);
    rect(s, 160, 18, 12, 8, blanc);
    disque(s, 134, 29, 4, blanc);
    disque(s, 164, 29, 4, blanc);
    cadre(s, 0, 0, 200, 40, TRAIT, 2);
    sauver(escouades ? "Menus/Ordres/squads.png" : "Menus/Ordres/vehicules.png", s);
  }
  s = toile(400, 30, PANNEAU);
  cadre(s, 0, 0, 400, 30, TRAIT, 1);
  sauver("Menus/Ordres/barre.png", s);
}

// Every plain object of a map comes with the shadow of its own name, laid
// over its top-left corner (RGB: the game makes shadows half transparent).
// A shadow is a plain rectangle, so it shades only what is square at the
// top of its object: a crate's lid, a barrel's rim; the round or open
// shapes get a speck that shows nothing.
void ombres_des_objets() {
  std::ifstream f("Objets.txt", std::ios::binary);
  std::stringstream tout;
  tout << f.rdbuf();
  std::string nom;
  while (std::getline(tout, nom)) {
    if (!nom.empty() && nom.back() == '\r') nom.pop_back();
    if (nom.empty()) continue;
    SDL_Surface* objet = IMG_Load(("Objets/" + nom).c_str());
    if (!objet) {
      std::fprintf(stderr, "gendata: no picture for the object %s\n", nom.c_str());
      continue;
    }
    int w = 1, h = 1;
    if (nom == "caisse.png") w = objet->w, h = objet->h / 4;
    if (nom == "baril.png") w = objet->w, h = 4;
    SDL_Surface* s = toile(w, h, rgba(20, 20, 30));
    SDL_FreeSurface(objet);
    sauver("Ombres/" + nom, s, false);
  }
}

Etape bataille(11, "battle screens", [] {
  pause();
  game_over();
  ordres();
  ombres_des_objets();
});

}  // namespace
