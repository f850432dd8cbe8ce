#include "menus/EcranTitre.h"

#include "editor/Mappeur.h"
#include "editor/Reference.h"
#include "engine/Constantes.h"
#include "menus/Chargement.h"
#include "menus/EcranMenu.h"

using namespace EcranMenu;

const char ACCORD_EDITEUR[5] = {'k', 'v', 'q', 'o', 'p'};
int taille_accord() { return early ? 3 : 5; }

namespace {

bool accord_complet() {
  for (int i = 0; i < taille_accord(); ++i)
    if (!touche(static_cast<unsigned char>(ACCORD_EDITEUR[i]))) return false;
  return true;
}

}  // namespace

void EcranTitre() {
  SDL_Surface* Start = nullptr;
  SDL_Surface* Press_Start = nullptr;
  auto ouvrir = [&] {
    Start = charger("Start.png");
    Press_Start = charger("Menus/Start/press_start.png");
  };
  auto fermer = [&] {
    liberer(Start);
    liberer(Press_Start);
  };
  ouvrir();
  bool cont = true;
  int u = 0;
  SDL_EnableUNICODE(1);
  while (general::continuer && cont) {
    fondu(Start, u);
    int k = evenement();
    if (k > 0) {
      if (k == SDLK_RETURN || k == controles::C_PROP) cont = false;
      touche(general::event.key.keysym.unicode) = true;
      if (accord_complet()) {
        for (bool& t : Touches) t = false;
        SDL_EnableUNICODE(0);
        // The editor ends on a title screen of its own, nested in this one:
        // ours lets its pictures go meanwhile, or every round of a long
        // editing session would hold another 2 MB until the program ends.
        fermer();
        Mappeur();
        if (general::continuer) {
          ouvrir();
          if (Start) SDL_SetAlpha(Start, SDL_SRCALPHA, static_cast<Uint8>(u));
        }
      }
    } else if (k == 0 && general::event.type == SDL_KEYUP) {
      touche(general::event.key.keysym.unicode) = false;
    }
    noir();
    poser(Start, 0, 0);
    poser_bas_gauche(Press_Start);
    fin_image();
  }
  SDL_EnableUNICODE(0);
  fermer();
  DesallouerMappeur();
  Chargement();
}
