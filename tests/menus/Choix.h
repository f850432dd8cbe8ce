#pragma once
// A bench for the choice screens run on their own: demo data, the font, and
// a frame hook that runs one step per frame. A script that runs dry closes
// the window, so a screen that does not end cannot hang a test.
#include <functional>
#include <memory>
#include <vector>

#include "Banc.h"
#include "engine/Constantes.h"

class Choix : public Banc {
 public:
  using Pas = std::function<void()>;

 protected:
  void SetUp() override {
    Banc::SetUp();
    copier_donnees();
    general::Police = TTF_OpenFont("police.ttf", 18);
    ASSERT_NE(general::Police, nullptr);
    general::continuer = true;
  }
  void TearDown() override {
    Horloge::crochet_image(nullptr);
    TTF_CloseFont(general::Police);
    general::Police = nullptr;
    Banc::TearDown();
  }

  // Steps run one a frame; an empty step just lets a frame pass.
  void script(std::vector<Pas> pas) {
    auto n = std::make_shared<size_t>(0);
    sec_ = std::make_shared<bool>(false);
    auto sec = sec_;
    Horloge::crochet_image([pas, n, sec] {
      if (*n < pas.size()) {
        if (pas[*n]) pas[*n]();
        ++*n;
        return;
      }
      if ((*n)++ == pas.size() + 200) {
        *sec = true;
        SDL_Event e{};
        e.type = SDL_QUIT;
        SDL_PushEvent(&e);
      }
    });
  }
  // Keys, each followed by a frame to spend its release.
  static std::vector<Pas> touches(std::initializer_list<SDLKey> ks) {
    std::vector<Pas> v;
    for (SDLKey k : ks) {
      v.push_back([k] { pousser_touche(k); });
      v.push_back(nullptr);
    }
    return v;
  }
  static Pas fermer() {
    return [] {
      SDL_Event e{};
      e.type = SDL_QUIT;
      SDL_PushEvent(&e);
    };
  }
  // True when the script ran dry and the window had to be closed for it.
  bool a_sec() const { return sec_ && *sec_; }

 private:
  std::shared_ptr<bool> sec_;
};

inline std::vector<Choix::Pas> operator+(std::vector<Choix::Pas> a, const std::vector<Choix::Pas>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
