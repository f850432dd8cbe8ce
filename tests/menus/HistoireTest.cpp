#include "Banc.h"
#include "Script.h"
#include "engine/Constantes.h"
#include "menus/EcranMenu.h"
#include "menus/EcranTitre2.h"
#include "menus/Statistiques.h"

namespace {

class Ecrans : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    copier_donnees();
    general::Police = TTF_OpenFont("police.ttf", 18);
    ASSERT_NE(general::Police, nullptr);
    general::continuer = true;
  }
  void TearDown() override {
    TTF_CloseFont(general::Police);
    general::Police = nullptr;
    Banc::TearDown();
  }
  // Runs the hook's steps: one per frame, pushed events first.
  void script(std::vector<std::function<void()>> etapes) {
    auto n = std::make_shared<size_t>(0);
    Horloge::crochet_image([etapes, n] {
      if (*n < etapes.size()) etapes[(*n)++]();
    });
  }
  int ligne() {
    int h = 0;
    TTF_SizeText(general::Police, "Story", nullptr, &h);
    return h;
  }
};

bool gris(SDL_Color c) { return c.r == 122 && c.g == 122 && c.b == 122; }

}  // namespace

TEST_F(Ecrans, TheStoryListStopsAtTheSeventhMissionOnceTheCampaignIsDone) {
  general::nb_mission_accompli = 9;
  EXPECT_EQ(derniere_mission_listee(), 6);
  general::nb_mission_accompli = 0;
  EXPECT_EQ(derniere_mission_listee(), 0);

  general::nb_mission_accompli = 9;
  SDL_Color bas{}, dessous{};
  int h = ligne();
  script({[] { pousser_touche(SDLK_UP); }, [] {}, [] {},
          [&] {
            bas = pixel(450, 295 + 6 * h + 5);
            dessous = pixel(450, 295 + 7 * h + 5);
            SDL_Event e{};
            e.type = SDL_QUIT;
            SDL_PushEvent(&e);
          }});
  histoire(nullptr);  // a missing background is drawn as nothing
  EXPECT_TRUE(gris(bas)) << "Up from the first mission highlights the seventh";
  EXPECT_FALSE(gris(dessous));
  EXPECT_FALSE(general::continuer);
}

TEST_F(Ecrans, AMissionWithoutMapsOffersNothingToPlay) {
  script({[] { pousser_touche(SDLK_RETURN); }});
  EXPECT_EQ(choisir_map(nullptr, 9), -1);
  EXPECT_EQ(general::nb_map_mission, 0);
}

TEST_F(Ecrans, EscapeOnTheMapChoiceGoesBackAndReturnPicksTheHighlightedMap) {
  ecrire_fichier("Mission2.txt", "a.map\nb.map\nc.map");
  script({[] { pousser_touche(SDLK_ESCAPE); }});
  EXPECT_EQ(choisir_map(nullptr, 1), -1);
  script({[] { pousser_touche(SDLK_UP); }, [] {}, [] { pousser_touche(SDLK_RETURN); }});
  EXPECT_EQ(choisir_map(nullptr, 1), 2);
  EXPECT_EQ(general::nb_map_mission, 3);
}

TEST_F(Ecrans, PlayTimeSplitsIntoHoursMinutesAndSeconds) {
  Duree d = decouper(3599);
  EXPECT_EQ(d.heure, 0);
  EXPECT_EQ(d.min, 59);
  EXPECT_EQ(d.sec, 59);
  d = decouper(3600);
  EXPECT_EQ(d.heure, 1);
  EXPECT_EQ(d.min, 0);
  EXPECT_EQ(d.sec, 0);
  d = decouper(2 * 3600 + 15 * 60 + 7);
  EXPECT_EQ(d.heure, 2);
  EXPECT_EQ(d.min, 15);
  EXPECT_EQ(d.sec, 7);
}

TEST_F(Ecrans, MenusWithoutTheirPicturesStillRun) {
  std::filesystem::remove_all("Menus");
  script({[] { pousser_touche(SDLK_DOWN); }, [] {}, [] { pousser_touche(SDLK_RETURN); }, [] {}, [] {},
          [] { pousser_touche(SDLK_ESCAPE); }, [] {}, [] {}, [] {
            SDL_Event e{};
            e.type = SDL_QUIT;
            SDL_PushEvent(&e);
          }});
  EcranTitre2(nullptr);  // statistics, then back to a fresh main menu
  EXPECT_FALSE(general::continuer);
}
