#pragma once
// Whole sessions from the program's entry point, on the virtual clock, driven
// by a script of steps.
#include <string>

#include "Apparences.h"
#include "Deroulement.h"
#include "Palette.h"
#include "Script.h"
#include "characters/InitierPersos.h"
#include "characters/Tramer.h"
#include "engine/Demarrage.h"
#include "engine/Logos.h"

class PartieComplete : public Banc, public Deroulement {
 protected:
  static constexpr int AVANT_TITRE = 2 + NB_IMAGES_LOGOS;
  static constexpr int LIMITE = 30000;

  void SetUp() override {
    Banc::SetUp();
    copier_donnees();
    general::continuer = true;
    general::fichier_utilise = -1;
    general::nb_mission_accompli = general::nb_map_accompli_mission = general::nb_map_accompli = 0;
    general::nb_tue = general::nb_mort = general::nb_hs = general::wex_actuelle = 0;
    general::temps_de_jeu = 0;
    general::temps_de_jeu_pris = false;
  }
  // The start-up's catalogue, palette and last battle live for a run in the
  // game; a later bench in the same process builds its own.
  void TearDown() override {
    Horloge::crochet_image(nullptr);
    ReinitialiserMap();
    Tramer::Hero = nullptr;
    Mapping::centre_scrolling = nullptr;
    LibererCatalogue();
    vider_apparences();
    vider_palette();
    Banc::TearDown();
  }

  // Runs the program from its entry point under the script; its exit status.
  int lancer() {
    derouler(LIMITE);
    int r = SDL_main(0, nullptr);
    Horloge::crochet_image(nullptr);
    return r;
  }
  // From the main menu: "Story", the first mission, the hero and the weapons
  // as they are; `choisi` is set once the mission starts.
  void premiere_mission(bool& choisi) {
    quand(menu_principal, [] { pousser_touche(SDLK_RETURN); }, 4);
    puis([] { pousser_touche(SDLK_RETURN); }, 4);   // the first mission
    puis([] { pousser_touche(SDLK_RETURN); }, 20);  // the hero
    puis([] { pousser_touche(SDLK_UP); }, 20);      // the weapons: the start line
    puis([&choisi] {
      pousser_touche(SDLK_RETURN);
      choisi = true;
    }, 5);
  }
  static bool menu_principal() { return texte_a(early ? "Histoire" : "Story", 26, 230); }
  static bool combat() { return Tramer::Hero && general::statut_jeu == 1 && !general::debut_partie; }
};
