#include <climits>
#include <deque>
#include <functional>
#include <string>
#include <utility>

#include "Banc.h"
#include "engine/Constantes.h"
#include "engine/Saisie.h"

namespace {

using Touche = std::pair<SDLKey, Uint16>;

// Types the keys one at a time from the frame hook (a press and a release
// every other frame, as fast as the prompt takes them), then presses Return
// forever so a prompt that ignores a key cannot hang the test.
class Saisie : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    general::Police = TTF_OpenFont(GAME_DATA_DIR "/police.ttf", 18);
    ASSERT_NE(general::Police, nullptr);
    general::continuer = true;
  }
  void TearDown() override {
    if (general::Police) TTF_CloseFont(general::Police);
    general::Police = nullptr;
    general::continuer = true;
    Banc::TearDown();
  }
  void taper(std::deque<Touche> touches) {
    touches_ = std::move(touches);
    Horloge::remise_a_zero_images();
    Horloge::crochet_image([this] {
      if (Horloge::nb_images() % 2 == 0) return;
      if (apres_) apres_();
      if (touches_.empty()) {
        pousser_touche(SDLK_RETURN, 13);
        return;
      }
      auto [k, u] = touches_.front();
      touches_.pop_front();
      if (k == SDLK_UNKNOWN) {
        SDL_Event e{};
        e.type = SDL_QUIT;
        SDL_PushEvent(&e);
      } else {
        pousser_touche(k, u);
      }
    });
  }
  std::string texte(const char* base, std::deque<Touche> touches) {
    taper(std::move(touches));
    char* t = relever_texte("Nom : ", base);
    std::string r = t;
    delete[] t;
    return r;
  }
  std::deque<Touche> touches_;
  std::function<void()> apres_;
};

Touche lettre(char c) { return {static_cast<SDLKey>(c), static_cast<Uint16>(static_cast<unsigned char>(c))}; }
const Touche effacer = {SDLK_BACKSPACE, 8};
const Touche fermer = {SDLK_UNKNOWN, 0};  // the window's close button

bool couleur(int x, int y, int r, int g, int b) {
  Uint8 rr, gg, bb;
  lire_rgb(general::ecran, x, y, rr, gg, bb);
  return rr == r && gg == g && bb == b;
}

}  // namespace

TEST_F(Saisie, TypedLetterFollowsTheDefaultTextAndReturnGivesIt) {
  bool gris = false;
  apres_ = [&] { gris = gris || couleur(959, 543, 122, 122, 122); };
  EXPECT_EQ(texte("Aucun", {lettre('x')}), "Aucunx");
  EXPECT_TRUE(gris);
}

TEST_F(Saisie, BackspaceStopsAtASingleSpace) {
  std::deque<Touche> t(4, effacer);
  EXPECT_EQ(texte("Aucun", t), "A");
  t.push_back(effacer);
  EXPECT_EQ(texte("Aucun", t), " ");
  t.push_back(effacer);
  EXPECT_EQ(texte("Aucun", t), " ");
}

TEST_F(Saisie, ReturnAtOnceGivesAFreshCopyOfTheDefault) {
  char base[] = "Nouvelle_map";
  taper({});
  char* t = relever_texte("Nom : ", base);
  EXPECT_STREQ(t, "Nouvelle_map");
  EXPECT_NE(t, base);
  delete[] t;
  EXPECT_STREQ(base, "Nouvelle_map");
}

TEST_F(Saisie, OnlyPrintableLatin1CharactersAreTaken) {
  EXPECT_EQ(texte("", {{SDLK_ESCAPE, 27},
                       lettre('a'),
                       {SDLK_TAB, 9},
                       {SDLK_a, 1},
                       {SDLK_DELETE, 127},
                       {SDLK_UP, 0},
                       {SDLK_WORLD_73, 0xE9},
                       {SDLK_WORLD_0, 0x9B},
                       {SDLK_WORLD_1, 0x3A9},
                       lettre('/'),
                       lettre('b')}),
            "a\xE9/b");
}

TEST_F(Saisie, TextStopsAt255Bytes) {
  std::deque<Touche> t(260, lettre('z'));
  std::string r = texte("", t);
  EXPECT_EQ(r, std::string(TEXTE_SAISI_MAX, 'z'));
}

TEST_F(Saisie, WindowCloseEndsTheTextPromptWithTheCurrentText) {
  Touches[SDLK_RETURN] = true;
  EXPECT_EQ(texte("Aucun", {lettre('q'), fermer, lettre('r')}), "Aucunq");
  EXPECT_FALSE(general::continuer);
  EXPECT_FALSE(Touches[SDLK_RETURN]);

  // Already closing: a copy of the default, without a frame drawn.
  Horloge::remise_a_zero_images();
  char* t = relever_texte("Nom : ", "Aucun");
  EXPECT_STREQ(t, "Aucun");
  delete[] t;
  EXPECT_EQ(Horloge::nb_images(), 0u);
}

TEST_F(Saisie, NumberStartsAt100AndTakesDigitsArrowsAndBackspace) {
  bool vert = false;
  apres_ = [&] { vert = vert || couleur(0, 543, 0, 122, 0); };
  taper({lettre('5')});
  EXPECT_EQ(relever_nombre("Veuillez choisir : ", "Points de vie : ", 10), 1005);
  EXPECT_TRUE(vert);
  taper({lettre('5'), effacer});
  EXPECT_EQ(relever_nombre("Q", "N", 10), 100);
  taper({effacer, effacer, effacer, effacer, {SDLK_DOWN, 0}, {SDLK_UP, 0}, {SDLK_UP, 0}, {SDLK_DOWN, 0}});
  EXPECT_EQ(relever_nombre("Q", "N", 10), 1);
}

TEST_F(Saisie, NumberPromptIgnoresWindowCloseAndClearsKeysAndButtons) {
  Touches[SDLK_RETURN] = true;
  Souris[SDL_BUTTON_LEFT] = true;
  taper({fermer, lettre('2')});
  EXPECT_EQ(relever_nombre("Q", "N", 10), 1002);
  EXPECT_TRUE(general::continuer);
  EXPECT_FALSE(Touches[SDLK_RETURN]);
  EXPECT_FALSE(Souris[SDL_BUTTON_LEFT]);
}

TEST_F(Saisie, NumberNeverOverflows) {
  int n = 214748364;
  saisir_chiffre(n, SDLK_7, '7');
  EXPECT_EQ(n, INT_MAX);
  saisir_chiffre(n, SDLK_1, '1');
  EXPECT_EQ(n, INT_MAX);
  saisir_chiffre(n, SDLK_UP, 0);
  EXPECT_EQ(n, INT_MAX);
  n = 214748364;
  saisir_chiffre(n, SDLK_8, '8');
  EXPECT_EQ(n, 214748364);
  n = 0;
  saisir_chiffre(n, SDLK_BACKSPACE, 8);
  EXPECT_EQ(n, 0);
  EXPECT_TRUE(saisir_chiffre(n, SDLK_RETURN, 13));
  std::deque<Touche> neufs(15, lettre('9'));
  taper(neufs);
  int r = relever_nombre("Q", "N", 10);
  EXPECT_EQ(r, 1009999999);
}
