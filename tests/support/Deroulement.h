#pragma once
// Scripted steps run from the frame hook: each at the first frame its
// condition holds, at least `attente` frames after the step before. A script
// that runs dry or takes too long closes the window so no test can hang.
#include <deque>
#include <functional>

#include "platform/Horloge.h"

class Deroulement {
 public:
  Deroulement& quand(std::function<bool()> c, std::function<void()> f, int attente = 2) {
    etapes_.push_back({std::move(c), std::move(f), attente});
    return *this;
  }
  Deroulement& puis(std::function<void()> f, int attente = 2) {
    return quand([] { return true; }, std::move(f), attente);
  }
  bool fini() const { return etapes_.empty(); }
  int images() const { return images_; }

  static void fermer() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
  }

 protected:
  // `chaque_image` runs first on every flip, before the script.
  void derouler(int limite, std::function<void()> chaque_image = nullptr) {
    Horloge::crochet_image([this, limite, chaque_image] {
      ++images_;
      ++depuis_;
      if (chaque_image) chaque_image();
      if (images_ > limite || (etapes_.empty() && depuis_ > 200)) {
        fermer();
        return;
      }
      if (etapes_.empty() || depuis_ < etapes_.front().attente || !etapes_.front().quand()) return;
      depuis_ = 0;
      auto f = std::move(etapes_.front().faire);
      etapes_.pop_front();
      f();
    });
  }

 private:
  struct Etape {
    std::function<bool()> quand;
    std::function<void()> faire;
    int attente;
  };
  std::deque<Etape> etapes_;
  int images_ = 0;
  int depuis_ = 0;
};
