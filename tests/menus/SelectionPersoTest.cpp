#include "Choix.h"
#include "Script.h"
#include "menus/SelectionPerso.h"

namespace {

// The jackets at the middle of each picture, bright when highlighted.
bool veste_korvan(SDL_Color c, bool choisi) {
  int d = choisi ? 1 : 2;
  return c.r == 70 / d && c.g == 100 / d && c.b == 50 / d;
}
bool veste_vesk(SDL_Color c, bool choisi) {
  int d = choisi ? 1 : 2;
  return c.r == 120 / d && c.g == 50 / d && c.b == 90 / d;
}

}  // namespace

TEST_F(Choix, AnImposedHeroIgnoresLeftAndRightAndIsStoredEitherWay) {
  SDL_Color milieu{};
  script(touches({SDLK_RIGHT, SDLK_LEFT}) + std::vector<Pas>{[&] { milieu = pixel(480, 272); }} +
         touches({SDLK_RETURN}));
  general::perso_choisi = 2;
  EXPECT_EQ(Selectionner_Perso(nullptr, 0), 1);
  EXPECT_EQ(general::perso_choisi, 0);
  EXPECT_TRUE(veste_korvan(milieu, true)) << "Korvan alone, centred";

  script(touches({SDLK_LEFT}) + std::vector<Pas>{[&] { milieu = pixel(480, 272); }} + touches({SDLK_ESCAPE}));
  EXPECT_EQ(Selectionner_Perso(nullptr, 2), 0);
  EXPECT_EQ(general::perso_choisi, 2);
  EXPECT_TRUE(veste_vesk(milieu, true)) << "Vesk alone, centred";
  EXPECT_TRUE(general::continuer);
}

TEST_F(Choix, FreeChoiceSwapsTheHighlightAndStartsOnKorvanEachTime) {
  SDL_Color k{}, v{}, k2{}, v2{};
  bool titre = false;
  int w = 0;
  TTF_SizeText(general::Police, "Character's Choice", &w, nullptr);
  script(std::vector<Pas>{[&] {
           k = pixel(360, 272);
           v = pixel(600, 272);
           titre = texte_a("Character's Choice", 480 - w / 2, 40);
         }} +
         touches({SDLK_RIGHT}) + std::vector<Pas>{[&] {
           k2 = pixel(360, 272);
           v2 = pixel(600, 272);
         }} +
         touches({SDLK_ESCAPE}));
  EXPECT_EQ(Selectionner_Perso(nullptr, 1), 0);
  EXPECT_EQ(general::perso_choisi, 2) << "Escape keeps the highlighted hero";
  EXPECT_TRUE(titre);
  EXPECT_TRUE(veste_korvan(k, true));
  EXPECT_TRUE(veste_vesk(v, false));
  EXPECT_TRUE(veste_korvan(k2, false));
  EXPECT_TRUE(veste_vesk(v2, true));

  script(touches({SDLK_RIGHT, SDLK_RIGHT, SDLK_RETURN}));
  EXPECT_EQ(Selectionner_Perso(nullptr, 1), 1);
  EXPECT_EQ(general::perso_choisi, 0);
  script(touches({SDLK_LEFT, SDLK_RETURN}));
  EXPECT_EQ(Selectionner_Perso(nullptr, 1), 1);
  EXPECT_EQ(general::perso_choisi, 2);
  script(touches({SDLK_LEFT, SDLK_LEFT, SDLK_RETURN}));
  EXPECT_EQ(Selectionner_Perso(nullptr, 1), 1);
  EXPECT_EQ(general::perso_choisi, 0);
  script(touches({SDLK_RETURN}));
  EXPECT_EQ(Selectionner_Perso(nullptr, 1), 1) << "Return without moving";
  EXPECT_EQ(general::perso_choisi, 0);
}

TEST_F(Choix, ClosingTheWindowOnTheHeroChoiceKeepsTheHighlightedHero) {
  script(touches({SDLK_RIGHT}) + std::vector<Pas>{fermer()});
  EXPECT_EQ(Selectionner_Perso(nullptr, 1), 1);
  EXPECT_EQ(general::perso_choisi, 2);
  EXPECT_FALSE(general::continuer);
}

TEST_F(Choix, HeroChoiceRunsWithoutItsPicturesAndOffersBothForAnUnknownSetting) {
  std::filesystem::remove_all("Menus");
  script(touches({SDLK_RIGHT, SDLK_RETURN}));
  EXPECT_EQ(Selectionner_Perso(nullptr, 7), 1);
  EXPECT_EQ(general::perso_choisi, 2) << "never a hero code the battle does not know";
  script(touches({SDLK_RETURN}));
  EXPECT_EQ(Selectionner_Perso(nullptr, -3), 1);
  EXPECT_EQ(general::perso_choisi, 0);
  EXPECT_FALSE(a_sec());
}
