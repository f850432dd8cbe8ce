#include "menus/MenuOver.h"

#include <memory>

#include "battle/JouerMap.h"
#include "engine/Constantes.h"
#include "engine/Interface.h"
#include "menus/EcranMenu.h"
#include "menus/Pause.h"
#include "platform/Horloge.h"

int MenuOver(int mission, int map, const std::function<void()>& fermeture) {
  using namespace EcranMenu;
  auto image = std::make_unique<Interface>("Menus/GameOver/over.png", general::origine);
  image->layer = 3;
  Etiquettes items;
  ecriture2* premier = etiquette(items, texte("Recommencer le Niveau", "Retry ?"), 300, 320);
  const int h = hauteur(premier);
  etiquette(items, texte("Quitter la Partie", "Return to main screen"), 300, 320 + h);
  int choix = 0;
  bool confirme = false;
  while (general::continuer && !confirme) {
    int k = evenement();
    if (k == SDLK_RETURN) confirme = true;
    if (k == SDLK_UP) choix = monter(choix, 2);
    if (k == SDLK_DOWN) choix = descendre(choix, 2);
    if (k == SDLK_ESCAPE) {
      choix = 0;
      confirme = true;
    }
    if (k >= 0) suivre_entrees(general::event);
    dessiner_fond_fige();
    barre(300, 320 + choix * h, 272, h);
    dessiner(items);
    Horloge::flip(general::ecran);
  }
  image.reset();
  if (fermeture) fermeture();
  return choix == 0 ? JouerMap(mission, map) : 1;
}
