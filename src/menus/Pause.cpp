#include "menus/Pause.h"

#include <memory>

#include "battle/JouerMap.h"
#include "battle/Objectifs.h"
#include "engine/BoucleMonde.h"
#include "engine/CompteurNumerique.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/Interface.h"
#include "menus/EcranMenu.h"
#include "platform/Horloge.h"

void suivre_entrees(const SDL_Event& e) {
  suivre_touches(e);
  if (e.type == SDL_QUIT) general::continuer = false;
}

void dessiner_fond_fige() {
  if (!general::ecran) return;
  SDL_FillRect(general::ecran, nullptr, SDL_MapRGB(general::ecran->format, 122, 122, 122));
  dessiner_monde_fige();
  BlitingInterfaces();
}

namespace {
constexpr int NB_ITEMS = 3;
constexpr int NB_LIGNES_MAX = 100;
}  // namespace

int Pause() {
  using namespace EcranMenu;
#if !GAME_EARLY
  general::pause = true;
#endif
  auto image = std::make_unique<Interface>("Menus/Pause/pause.png", general::origine);
  image->layer = 3;
  auto wex = std::make_unique<CompteurNumerique2>(texte("Wex Actuelle : ", "Actual Wex : "), &general::wex_actuelle,
                                                  Rect(600, 30, 0, 0));
  Etiquettes items;
  ecriture2* premier = etiquette(items, texte("Reprendre", "Continue"), 30, 88);
  const int h = hauteur(premier);
  etiquette(items, texte("Recommencer", "Retry the level"), 30, 88 + h);
  etiquette(items, texte("Quitter", "Quit the Level"), 30, 88 + 2 * h);
  Etiquettes objectifs;
  etiquette(objectifs, texte("Objectifs :", "Objectives : "), 376, 100);
  char* lignes[NB_LIGNES_MAX] = {};
  bool etats[NB_LIGNES_MAX] = {};
  bool* drapeaux[NB_LIGNES_MAX];
  for (int i = 0; i < NB_LIGNES_MAX; ++i) drapeaux[i] = &etats[i];
  int nb = 0;
  LireObjectifs(lignes, nb, drapeaux);
  int hl = 0;
  for (int i = 0; i < nb && i < NB_LIGNES_MAX; ++i) {
    ecriture2* l = etiquette(objectifs, lignes[i], 334, 166 + i * hl);
    if (i == 0) hl = hauteur(l);
  }

  int choix = 0;
  bool confirme = false;
  while (general::continuer && !confirme) {
    int k = evenement();
    if (k == SDLK_RETURN) confirme = true;
    if (k == SDLK_UP) choix = monter(choix, NB_ITEMS);
    if (k == SDLK_DOWN) choix = descendre(choix, NB_ITEMS);
    if (k == SDLK_ESCAPE) {
      choix = 0;
      confirme = true;
    }
    if (k >= 0) suivre_entrees(general::event);
    dessiner_fond_fige();
    barre(24, 88 + choix * h, 272, h);
    dessiner(items);
    wex->comportement();
    dessiner(objectifs);
    Horloge::flip(general::ecran);
  }
#if !GAME_EARLY
  general::pause = false;
#endif
  return choix;
}
