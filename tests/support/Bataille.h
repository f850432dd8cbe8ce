#pragma once
// A bench for whole battles: the demo data, the start-up the game does
// before its title screen (window, font, frame sets, palette, appearance
// sets and weapons), and a frame hook that runs scripted steps, each when
// its condition holds, so a test can drive a battle and the screens it
// opens. Cut-scenes are removed unless a test keeps them.
#include <deque>
#include <filesystem>
#include <functional>
#include <string>

#include "Banc.h"
#include "Palette.h"
#include "battle/Catalogues.h"
#include "characters/InitierPersos.h"
#include "characters/Tramer.h"
#include "engine/Constantes.h"
#include "engine/Demarrage.h"
#include "engine/Interface.h"
#include "platform/Horloge.h"

class Bataille : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    copier_donnees();
    std::filesystem::remove_all(dossier_ / "Cinematiques.garde");
    std::filesystem::rename(dossier_ / "Cinematiques", dossier_ / "Cinematiques.garde");
    ASSERT_TRUE(initialisation());
    Objet_de_Reference::CreerVide();
    InitierPersos();
    LecturePalette();
    general::continuer = true;
    general::fichier_utilise = 1;
    general::perso_choisi = 0;
    general::wex_actuelle = 0;
#if !GAME_EARLY
    general::TimeUp = false;
#endif
    general::Scrolling = general::origine;
    general::Fin_map = {0, 10000, 0, 0};
  }
  void TearDown() override {
    Horloge::crochet_image(nullptr);
    ReinitialiserMap();
    Tramer::Hero = nullptr;
    Mapping::centre_scrolling = nullptr;
    vider_palette();
    LibererCatalogue();
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
    Banc::TearDown();
  }
  void garder_cinematiques() {
    std::filesystem::rename(dossier_ / "Cinematiques.garde", dossier_ / "Cinematiques");
  }

  // Script: each step runs at the first frame its condition holds (and at
  // least `attente` frames after the step before). A script that runs dry
  // or takes too long closes the window so no test can hang.
  struct Etape {
    std::function<bool()> quand;
    std::function<void()> faire;
    int attente;
  };
  Bataille& quand(std::function<bool()> c, std::function<void()> f, int attente = 2) {
    etapes_.push_back({std::move(c), std::move(f), attente});
    return *this;
  }
  Bataille& puis(std::function<void()> f, int attente = 2) {
    return quand([] { return true; }, std::move(f), attente);
  }
  void accrocher(int limite = 3000) {
    Horloge::crochet_image([this, limite] {
      ++images_;
      ++depuis_;
      if (en_bataille() && general::debut_partie) ++departs_;
      if (images_ > limite || (etapes_.empty() && depuis_ > 200)) {
        SDL_Event e{};
        e.type = SDL_QUIT;
        SDL_PushEvent(&e);
        return;
      }
      if (etapes_.empty() || depuis_ < etapes_.front().attente || !etapes_.front().quand()) return;
      depuis_ = 0;
      auto f = std::move(etapes_.front().faire);
      etapes_.pop_front();
      f();
    });
  }
  bool fini() const { return etapes_.empty(); }
  int images() const { return images_; }
  // Battles started, seen from their first frame.
  int departs() const { return departs_; }

  // A battle frame: the hero exists and the map is running.
  static bool en_bataille() { return Tramer::Hero && general::statut_jeu == 1; }
  static void clic(int x, int y, Uint8 b = 1) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
    e = SDL_Event{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = b;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
    e.type = SDL_MOUSEBUTTONUP;
    SDL_PushEvent(&e);
  }
  static void fermer() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
  }

 private:
  std::deque<Etape> etapes_;
  int images_ = 0;
  int depuis_ = 0;
  int departs_ = 0;
};
