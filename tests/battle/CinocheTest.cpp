#include "battle/Cinoche.h"

#include <filesystem>
#include <vector>

#include "Banc.h"
#include "Png.h"
#include "engine/Constantes.h"

namespace {

// One colour per picture, so each flip tells which picture shows and how faded.
struct Trame {
  Uint8 r, g, b;
};

class Cinoche : public Banc {
 protected:
  // Cut-scene pictures are opaque (JPG): written here as RGB, since SDL
  // ignores a surface's alpha when the picture has its own.
  void image(int k, Uint32 rgba) {
    std::filesystem::create_directories(dossier_ / "Cinematiques");
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 64, 32, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);
    SDL_FillRect(s, nullptr, rgba);
    ASSERT_TRUE(Png::ecrire((dossier_ / ("Cinematiques/intro" + std::to_string(k) + ".jpg")).string(), s, false));
    SDL_FreeSurface(s);
  }

  // Plays "intro", pressing `touches[i]` after frame `quand[i]`; records every frame.
  int jouer(std::vector<std::pair<Uint32, SDLKey>> script) {
    trames_.clear();
    Horloge::crochet_image([this, script] {
      Trame t;
      lire_rgb(general::ecran, 10, 10, t.r, t.g, t.b);
      trames_.push_back(t);
      for (auto& [quand, touche] : script)
        if (trames_.size() == quand) pousser_touche(touche);
      if (trames_.size() > 20000) pousser_touche(SDLK_ESCAPE);  // never hang the suite
    });
    int n = JouerCinoche("intro");
    Horloge::crochet_image(nullptr);
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
    return n;
  }
  std::vector<Trame> trames_;
};

TEST_F(Cinoche, PictureFadesInHoldsUntilAKeyAndFadesOutInFiftySteps) {
  image(1, 0xFFFFFFFF);
  EXPECT_EQ(jouer({{400, SDLK_SPACE}}), 1);
  // The frame that takes the key still shows the picture, then six fade-out frames.
  ASSERT_EQ(trames_.size(), 407u);
  EXPECT_NEAR(trames_[0].r, 100, 2);
  for (size_t i = 1; i < 400; ++i) EXPECT_GE(trames_[i].r, trames_[i - 1].r) << i;
  // 20 ms a step, two virtual milliseconds a frame: full after 16 steps.
  EXPECT_LT(trames_[150].r, 255);
  EXPECT_EQ(trames_[250].r, 255);
  const int sortie[] = {255, 205, 155, 105, 55, 5};
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(trames_[401 + i].r, sortie[i], 2) << i;
}

TEST_F(Cinoche, KeyDuringTheFadeInFadesOutFromTheOpacityReached) {
  image(1, 0xFFFFFFFF);
  jouer({{30, SDLK_RETURN}});
  ASSERT_EQ(trames_.size(), 34u);
  int atteinte = trames_[30].r;
  EXPECT_GT(atteinte, 100);
  EXPECT_LT(atteinte, 150);
  EXPECT_NEAR(trames_[31].r, atteinte, 2);
  EXPECT_NEAR(trames_[32].r, atteinte - 50, 2);
  EXPECT_NEAR(trames_[33].r, atteinte - 100, 2);
}

TEST_F(Cinoche, MissingNumberEndsTheCutScene) {
  image(1, 0xFF0000FF);
  image(2, 0xFF00FF00);
  image(4, 0xFFFF0000);
  EXPECT_EQ(jouer({{5, SDLK_SPACE}, {20, SDLK_SPACE}, {35, SDLK_SPACE}}), 2);
  for (auto& t : trames_) EXPECT_EQ(t.b, 0);
}

TEST_F(Cinoche, EscapeAndTheConfirmKeySkipTheRestOtherKeysOnlyAdvance) {
  image(1, 0xFF0000FF);
  image(2, 0xFF00FF00);
  image(3, 0xFFFF0000);
  for (SDLKey k : {SDLK_ESCAPE, static_cast<SDLKey>(controles::C_PROP)}) {
    EXPECT_EQ(jouer({{5, SDLK_RETURN}, {20, k}}), 2) << k;
    for (auto& t : trames_) EXPECT_EQ(t.b, 0);
  }
  // Return and Space walk through every picture.
  EXPECT_EQ(jouer({{5, SDLK_RETURN}, {20, SDLK_SPACE}, {35, SDLK_RETURN}}), 3);
  EXPECT_GT(trames_[30].b, 0);
}

TEST_F(Cinoche, WindowCloseIsIgnoredWhilePlaying) {
  image(1, 0xFFFFFFFF);
  general::continuer = true;
  int n = 0;
  Horloge::crochet_image([&n] {
    SDL_Event e{};
    e.type = SDL_QUIT;
    if (++n == 3) SDL_PushEvent(&e);
    if (n == 10) pousser_touche(SDLK_SPACE);
    if (n > 20000) pousser_touche(SDLK_ESCAPE);
  });
  EXPECT_EQ(JouerCinoche("intro"), 1);
  EXPECT_GE(Horloge::nb_images(), 10u);
  EXPECT_TRUE(general::continuer);
}

TEST_F(Cinoche, NoPictureShowsNothing) {
  Horloge::remise_a_zero_images();
  EXPECT_EQ(JouerCinoche("absent"), 0);
  EXPECT_EQ(JouerCinoche(""), 0);
  EXPECT_EQ(Horloge::nb_images(), 0u);
}

}  // namespace
