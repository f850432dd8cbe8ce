#include "Choix.h"
#include "Script.h"
#include "menus/SelectionPerso.h"

namespace {

// The backdrop beside each hero (each picture is 300 px wide), bright when
// highlighted.
bool fond_korvan(SDL_Color c, bool choisi) {
  int d = choisi ? 1 : 2;
  return c.r == 40 / d && c.g == 60 / d && c.b == 80 / d;
}
bool fond_vesk(SDL_Color c, bool choisi) {
  int d = choisi ? 1 : 2;
  return c.r == 60 / d && c.g == 45 / d && c.b == 75 / d;
}

}  // namespace

TEST_F(Choix, AnImposedHeroIgnoresLeftAndRightAndIsStoredEitherWay) {
  SDL_Color gauche{}, droite{};
  auto bords = [&] {
    gauche = pixel(340, 272);
    droite = pixel(620, 272);
  };
  script(touches({SDLK_RIGHT, SDLK_LEFT}) + std::vector<Pas>{bords} + touches({SDLK_RETURN}));
  general::perso_choisi = 2;
  EXPECT_EQ(Selectionner_Perso(nullptr, 0), 1);
  EXPECT_EQ(general::perso_choisi, 0);
  EXPECT_TRUE(fond_korvan(gauche, true) && fond_korvan(droite, true)) << "Korvan alone, centred";

  script(touches({SDLK_LEFT}) + std::vector<Pas>{bords} + touches({SDLK_ESCAPE}));
  EXPECT_EQ(Selectionner_Perso(nullptr, 2), 0);
  EXPECT_EQ(general::perso_choisi, 2);
  EXPECT_TRUE(fond_vesk(gauche, true) && fond_vesk(droite, true)) << "Vesk alone, centred";
  EXPECT_TRUE(general::continuer);
}

TEST_F(Choix, FreeChoiceSwapsTheHighlightAndStartsOnKorvanEachTime) {
  SDL_Color k{}, v{}, k2{}, v2{};
  bool titre = false;
  int w = 0;
  TTF_SizeText(general::Police, "Character's Choice", &w, nullptr);
  script(std::vector<Pas>{[&] {
           k = pixel(200, 272);
           v = pixel(760, 272);
           titre = texte_a("Character's Choice", 480 - w / 2, 40);
         }} +
         touches({SDLK_RIGHT}) + std::vector<Pas>{[&] {
           k2 = pixel(200, 272);
           v2 = pixel(760, 272);
         }} +
         touches({SDLK_ESCAPE}));
  EXPECT_EQ(Selectionner_Perso(nullptr, 1), 0);
  EXPECT_EQ(general::perso_choisi, 2) << "Escape keeps the highlighted hero";
  EXPECT_TRUE(titre);
  EXPECT_TRUE(fond_korvan(k, true));
  EXPECT_TRUE(fond_vesk(v, false));
  EXPECT_TRUE(fond_korvan(k2, false));
  EXPECT_TRUE(fond_vesk(v2, true));

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
