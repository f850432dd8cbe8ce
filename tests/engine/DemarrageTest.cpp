#include <algorithm>
#include <filesystem>
#include <vector>

#include "Banc.h"
#include "characters/Tramer.h"
#include "engine/Constantes.h"
#include "engine/Demarrage.h"
#include "engine/Logos.h"
#include "engine/Partie.h"

namespace fs = std::filesystem;

using Initialisation = Banc;

TEST_F(Initialisation, AMissingFrameSetStopsStartUpAndTheFontIsRequired) {
  copier_donnees();
  fs::remove("Hommes/Noir/ejecte1.png");
  testing::internal::CaptureStderr();
  EXPECT_FALSE(initialisation());
  EXPECT_NE(testing::internal::GetCapturedStderr().find("Hommes/Noir/ejecte"), std::string::npos);

  fs::remove("police.ttf");
  if (general::Police) TTF_CloseFont(general::Police);
  general::Police = nullptr;
  testing::internal::CaptureStderr();
  EXPECT_FALSE(initialisation());
  EXPECT_NE(testing::internal::GetCapturedStderr().find("police.ttf"), std::string::npos);
}

TEST_F(Initialisation, BodyTablesShareSetsAndHoldTheFifthRunPicture) {
  copier_donnees();
  ASSERT_TRUE(initialisation());
  for (auto& sexe : BCorps)
    for (auto& T : sexe) {
      EXPECT_EQ(T[ACOUVERT], T[VISER]);
      EXPECT_EQ(T[COGNER], T[PROJETER]);
      EXPECT_NE(T[ACOUVERT], T[COGNER]);
      for (int k = 0; k < 3; ++k)
        EXPECT_STREQ(T[COGNER]->Noms[0][k].retournertexte(), T[COURIR]->Noms[0][4].retournertexte());
      EXPECT_EQ(T[COGNER]->Image[0][2], T[COURIR]->Image[0][4]);
    }
  EXPECT_NE(BCorps[0][0][ACOUVERT], BCorps[0][1][ACOUVERT]) << "each table has its own hold sets";
  EXPECT_EQ(BCorps[0][0][TIRER_RAMPER], BCorps[0][0][RAMPER]);
  EXPECT_EQ(BCorps[1][1][TIRER_RAMPER], BCorps[1][1][RAMPER]) << "a woman firing prone stays prone";
  EXPECT_STREQ(BCorps[1][1][RAMPER]->Noms[0][0].retournertexte(), "Femmes/Blanc/couche1.png")
      << "the dark-skinned women share the light-skinned ones' crawl set";
  EXPECT_STREQ(RepertoiresPersos[3][SAUTER], "/Haut-1/saut");
  EXPECT_EQ(RepertoiresPersos[3][TIRER], nullptr);
}

TEST_F(Initialisation, AMissingLogoIsSkippedAndTheOthersStillPlay) {
  copier_donnees();
  general::Police = TTF_OpenFont("police.ttf", 18);
  fs::remove("Logo2.png");
  Horloge::remise_a_zero_images();
  Logos(nullptr);
  EXPECT_EQ(Horloge::nb_images(), static_cast<Uint32>(NB_IMAGES_LOGOS - 26 - 13));
  Uint8 r, g, b;
  lire_rgb(general::ecran, 2, 2, r, g, b);
  EXPECT_NE(r, 180) << "logo 3 ends dimmed, not gone";
  TTF_CloseFont(general::Police);
  general::Police = nullptr;
}

TEST_F(Initialisation, FadeRunsFromBlackToWhiteAndTheWatcherStopsTheGameOnQuit) {
  std::vector<int> gris;
  Horloge::remise_a_zero_images();
  Horloge::crochet_image([&] {
    Uint8 r, g, b;
    lire_rgb(general::ecran, 10, 10, r, g, b);
    gris.push_back(r + g + b);
  });
  degrade(nullptr);
  Horloge::crochet_image(nullptr);
  ASSERT_EQ(gris.size(), 256u);
  EXPECT_EQ(gris.front(), 0);
  EXPECT_EQ(gris.back(), 3 * 255);
  EXPECT_TRUE(std::is_sorted(gris.begin(), gris.end()));

  general::continuer = true;
  general::event.type = SDL_QUIT;
  securite(nullptr);
  EXPECT_FALSE(general::continuer);
  general::continuer = true;
  general::event.type = SDL_NOEVENT;
}
