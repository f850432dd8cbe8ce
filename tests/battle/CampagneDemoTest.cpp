// The generated campaign: mission files the readers accept as they are, and
// cut-scenes that are real JPEG pictures the player shows in full.
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "Banc.h"
#include "battle/Cinoche.h"
#include "battle/Missions.h"
#include "engine/Constantes.h"

namespace {

class CampagneDemo : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    copier_donnees();
  }
  std::string contenu(const std::string& nom) {
    std::ifstream f(dossier_ / nom, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
  }
};

TEST_F(CampagneDemo, EveryMissionNamesItsMapsWithoutAnEmptyOne) {
  std::set<std::string> maps;
  for (int m = 0; m < NB_MISSIONS; ++m) {
    std::string texte = contenu(general::FMissions[m]);
    ASSERT_FALSE(texte.empty()) << m;
    EXPECT_NE(texte.back(), '\n') << m;
    int n = LireNbMapMission(m);
    EXPECT_GE(n, 1);
    for (int i = 0; i < n; ++i) {
      std::string nom = LireNomMap(m, i);
      EXPECT_EQ(nom.size() > 4 ? nom.substr(nom.size() - 4) : "", ".map") << m << " " << i;
      maps.insert(nom);
    }
  }
  EXPECT_GE(maps.size(), 4u);
}

TEST_F(CampagneDemo, EveryDemoMapHasRealJpegCutScenesBeforeAndAfter) {
  std::set<std::string> maps;
  for (int m = 0; m < NB_MISSIONS; ++m)
    for (int i = 0; i < LireNbMapMission(m); ++i) {
      std::string nom = LireNomMap(m, i);
      maps.insert(nom.substr(0, nom.size() - 4));
    }
  for (const std::string& map : maps)
    for (auto [scene, nombre] : {std::pair{"Debut", 3}, {"Fin", 2}}) {
      for (int k = 1; k <= nombre; ++k) {
        std::string chemin = "Cinematiques/" + map + scene + std::to_string(k) + ".jpg";
        std::string octets = contenu(chemin);
        ASSERT_GT(octets.size(), 4u) << chemin;
        EXPECT_EQ(octets.substr(0, 3), "\xFF\xD8\xFF") << chemin;
        EXPECT_EQ(octets.substr(octets.size() - 2), "\xFF\xD9") << chemin;
        SDL_Surface* s = IMG_Load(chemin.c_str());
        ASSERT_NE(s, nullptr) << chemin;
        EXPECT_EQ(s->w, 960);
        EXPECT_EQ(s->h, 544);
        // The letterbox band decodes black.
        Uint8 r, g, b;
        lire_rgb(s, 5, 5, r, g, b);
        EXPECT_LT(r + g + b, 20) << chemin;
        SDL_FreeSurface(s);
      }
      // The player shows them all, one key each.
      Horloge::crochet_image([] {
        if (Horloge::nb_images() % 10 == 0) pousser_touche(SDLK_SPACE);
      });
      EXPECT_EQ(JouerCinoche((map + scene).c_str()), nombre) << map << scene;
      Horloge::crochet_image(nullptr);
      SDL_Event e;
      while (SDL_PollEvent(&e)) {
      }
    }
}

TEST_F(CampagneDemo, SkyColourSurvivesTheCompression) {
  // A flat sky area of the first map decodes within a few levels of its colour.
  SDL_Surface* s = IMG_Load("Cinematiques/PlaineDebut1.jpg");
  ASSERT_NE(s, nullptr);
  Uint8 r, g, b;
  lire_rgb(s, 600, 150, r, g, b);
  EXPECT_NEAR(r, 120, 3);
  EXPECT_NEAR(g, 170, 3);
  EXPECT_NEAR(b, 230, 3);
  lire_rgb(s, 480, 440, r, g, b);  // the ground
  EXPECT_NEAR(r, 90, 3);
  EXPECT_NEAR(g, 150, 3);
  EXPECT_NEAR(b, 60, 3);
  SDL_FreeSurface(s);
}

}  // namespace
