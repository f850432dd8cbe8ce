#include "Script.h"

#include "battle/Perso.h"
#include "engine/Demarrage.h"
#include "engine/Logos.h"
#include "menus/EcranTitre.h"

int Script::lancer() {
  Horloge::crochet_image([this] {
    ++images_;
    if (etapes_.empty()) {
      if (++depuis_ > 2000) {
        depuis_ = 0;
        SDL_Event e{};
        e.type = SDL_QUIT;
        SDL_PushEvent(&e);
      }
      return;
    }
    if (++depuis_ < etapes_.front().attente) return;
    const auto& condition = etapes_.front().condition;
    if (condition && !condition()) {
      // A condition that never comes closes the window rather than hang.
      if (depuis_ > 30000) {
        SDL_Event e{};
        e.type = SDL_QUIT;
        SDL_PushEvent(&e);
      }
      return;
    }
    depuis_ = 0;
    auto f = std::move(etapes_.front().f);
    etapes_.pop_front();
    f();
  });
  int r = SDL_main(0, nullptr);
  Horloge::crochet_image(nullptr);
  return r;
}

std::vector<long> memoire_des_tours_editeur(int tours) {
  general::nom_perso = "Soldat";
  EXPECT_TRUE(SauvegarderPerso());
  std::vector<long> tenus;
  Script s;
  for (int t = 0; t < tours; ++t) {
    s.puis(4 + NB_IMAGES_LOGOS, [] {
      for (int i = 0; i < taille_accord(); ++i) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = static_cast<SDLKey>(ACCORD_EDITEUR[i]);
        e.key.keysym.unicode = static_cast<Uint16>(ACCORD_EDITEUR[i]);
        SDL_PushEvent(&e);
      }
    });
    s.touche(SDLK_RETURN, 10);  // the map "Aucun"
    s.puis(20, [&tenus] {
      tenus.push_back(octets_tenus());
      pousser_touche(SDLK_RETURN);  // the hand-over
    });
    s.touche(SDLK_RETURN, 10);  // "Soldat"
    s.touche(SDLK_RETURN, 10);  // leaving the character editor
  }
  s.fermer(20);
  EXPECT_EQ(s.lancer(), 0);
  return tenus;
}

SDL_Color pixel(int x, int y) {
  SDL_Color c{};
  lire_rgb(general::ecran, x, y, c.r, c.g, c.b);
  return c;
}

bool texte_a(const std::string& texte, int x, int y) {
  SDL_Surface* s = TTF_RenderText_Solid(general::Police, texte.c_str(), SDL_Color{255, 255, 255, 0});
  if (!s) return false;
  bool ok = true;
  int encre = 0;
  SDL_LockSurface(s);
  for (int j = 0; j < s->h && ok; ++j)
    for (int i = 0; i < s->w && ok; ++i) {
      bool plein = static_cast<Uint8*>(s->pixels)[j * s->pitch + i] != 0;
      if (!plein) continue;
      ++encre;
      SDL_Color c = pixel(x + i, y + j);
      ok = c.r == general::Blanc.r && c.g == general::Blanc.g && c.b == general::Blanc.b;
    }
  SDL_UnlockSurface(s);
  SDL_FreeSurface(s);
  return ok && encre > 0;
}
