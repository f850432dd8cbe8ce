#pragma once
// Whole sessions from the program's entry point, on the virtual clock. Each
// step runs at the first frame its condition holds, at least `attente` frames
// after the step before. Too many frames, or a script run dry, close the
// window so no test can hang.
#include <deque>
#include <functional>
#include <string>

#include "Script.h"
#include "characters/Tramer.h"
#include "engine/Demarrage.h"
#include "engine/Logos.h"

class PartieComplete : public Banc {
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
  }

  void quand(std::function<bool()> c, std::function<void()> f, int attente = 2) {
    etapes_.push_back({std::move(c), std::move(f), attente});
  }
  void puis(int attente, std::function<void()> f) { quand([] { return true; }, std::move(f), attente); }

  int lancer() {
    Horloge::crochet_image([this] {
      ++images_;
      ++depuis_;
      if (images_ > LIMITE || (etapes_.empty() && depuis_ > 200)) {
        fermer();
        return;
      }
      if (etapes_.empty() || depuis_ < etapes_.front().attente || !etapes_.front().quand()) return;
      depuis_ = 0;
      auto f = std::move(etapes_.front().faire);
      etapes_.pop_front();
      f();
    });
    int r = SDL_main(0, nullptr);
    Horloge::crochet_image(nullptr);
    return r;
  }
  static void fermer() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
  }
  static bool menu_principal() { return texte_a(early ? "Histoire" : "Story", 26, 230); }
  static bool combat() { return Tramer::Hero && general::statut_jeu == 1 && !general::debut_partie; }

  struct Etape {
    std::function<bool()> quand;
    std::function<void()> faire;
    int attente;
  };
  std::deque<Etape> etapes_;
  int images_ = 0;
  int depuis_ = 0;
};
