#pragma once
// Scripted runs of the whole program on the virtual clock: after every flip
// the hook runs the next step of the script, which may check the screen and
// push the next events.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "Banc.h"
#include "engine/Constantes.h"

class Script {
 public:
  // A step runs once, `attente` frames after the step before it.
  Script& puis(int attente, std::function<void()> f) {
    etapes_.push_back({attente, std::move(f), nullptr});
    return *this;
  }
  // A step that waits, after its `attente` frames, for its condition to hold.
  Script& quand(int attente, std::function<bool()> c, std::function<void()> f) {
    etapes_.push_back({attente, std::move(f), std::move(c)});
    return *this;
  }
  Script& touche(SDLKey k, int attente = 3) {
    return puis(attente, [k] { pousser_touche(k); });
  }
  Script& fermer(int attente = 3) {
    return puis(attente, [] {
      SDL_Event e{};
      e.type = SDL_QUIT;
      SDL_PushEvent(&e);
    });
  }
  // Hooks the script, runs the program and gives its exit status. A script
  // that runs dry closes the window so no test can hang.
  int lancer();
  int images() const { return images_; }
  bool fini() const { return etapes_.empty(); }

 private:
  struct Etape {
    int attente;
    std::function<void()> f;
    std::function<bool()> condition;
  };
  std::deque<Etape> etapes_;
  int images_ = 0;
  int depuis_ = 0;
};

// Plays rounds of the map editor from the title screen (the chord, the map
// "Aucun", the hand-over, the character "Soldat", put on file here, and a
// title screen again), then closes the window. Answers the heap's bytes in
// use while each round's editor is open: fewer than `tours` when the script
// stopped short.
std::vector<long> memoire_des_tours_editeur(int tours);

// True when the text is drawn in white at (x, y): every inked pixel of the
// line rendered with the game's font is white on screen.
bool texte_a(const std::string& texte, int x, int y);
// The RGB of one screen pixel.
SDL_Color pixel(int x, int y);
