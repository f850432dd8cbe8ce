#include "menus/SelectionPerso.h"

#include <cstdio>

#include "engine/Constantes.h"
#include "menus/EcranMenu.h"

using namespace EcranMenu;

namespace {

enum { KORVAN = 0, VESK = 1 };

const char* const Portraits[2][2] = {
    {"Menus/histoire/missions/personnages/korvan.png", "Menus/histoire/missions/personnages/vesk.png"},
    {"Menus/histoire/missions/personnages/korvannonselec.png",
     "Menus/histoire/missions/personnages/vesknonselec.png"}};

int largeur_de(SDL_Surface* s) { return s ? s->w : 0; }
int hauteur_de(SDL_Surface* s) { return s ? s->h : 0; }

// Centred on the screen by its own size.
void au_centre(SDL_Surface* s) {
  poser(s, general::ecran->w / 2 - largeur_de(s) / 2, general::ecran->h / 2 - hauteur_de(s) / 2);
}

}  // namespace

int Selectionner_Perso(SDL_Surface* Start, int mode) {
  if (mode < 0 || mode > 2) {
    // The setting comes from a map file: anything else leaves the choice open.
    std::fprintf(stderr, "hero setting %d unknown: both heroes are offered\n", mode);
    mode = 1;
  }
  Etiquettes titre;
  ecriture2* t = etiquette(titre, texte("Choix du personnage", "Character's Choice"), general::ecran->w / 2, 40);
  t->position.x = static_cast<Sint16>(t->position.x - largeur(t) / 2);

  SDL_Surface* images[2][2];
  for (int s = 0; s < 2; ++s)
    for (int p = 0; p < 2; ++p) images[s][p] = charger(Portraits[s][p]);
  int nb_persos = mode == 1 ? 2 : 1;
  int choix = KORVAN;
  bool valide = false, annule = false;

  while (general::continuer && !valide && !annule) {
    switch (evenement()) {
      case SDLK_RETURN:
        valide = true;
        break;
      case SDLK_ESCAPE:
        annule = true;
        break;
      case SDLK_RIGHT:
      case SDLK_LEFT:
        // With two heroes both keys swap; with one the highlight stays.
        choix = (choix == KORVAN && nb_persos == 2) ? VESK : KORVAN;
        break;
      default:
        break;
    }
    noir();
    poser(Start, 0, 0);
    dessiner(titre);
    if (mode == 0) {
      au_centre(images[0][KORVAN]);
    } else if (mode == 2) {
      au_centre(images[0][VESK]);
    } else {
      // Both sides are placed from Korvan's picture, so they meet in the middle.
      int w = largeur_de(images[0][KORVAN]), h = hauteur_de(images[0][KORVAN]);
      int y = general::ecran->h / 2 - h / 2;
      poser(images[choix == KORVAN ? 0 : 1][KORVAN], general::ecran->w / 2 - w, y);
      poser(images[choix == VESK ? 0 : 1][VESK], general::ecran->w / 2, y);
    }
    fin_image();
  }
  titre.clear();

  if (mode == 1)
    general::perso_choisi = choix == KORVAN ? 0 : 2;
  else
    general::perso_choisi = mode;
  for (auto& ligne : images)
    for (SDL_Surface*& s : ligne) liberer(s);
  return annule ? 0 : 1;
}
