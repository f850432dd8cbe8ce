#include "Banc.h"
#include "engine/Constantes.h"
#include "engine/OuvrirImage.h"
#include "engine/OuvrirSon.h"

using Donnees = Banc;

// What the engine reads of the generated data set loads through its caches.
TEST_F(Donnees, CachesLoadTheGeneratedFiles) {
  copier_donnees();
  EXPECT_NE(AllouerImage("default.png", 0, false), nullptr);
  for (auto& rangee : general::Tirs)
    for (const char* nom : rangee)
      if (nom) {
        EXPECT_NE(AllouerImage(nom, 0, false), nullptr) << nom;
      }
  for (auto& rangee : general::Flammes)
    for (const char* nom : rangee)
      if (nom) {
        EXPECT_NE(AllouerImage(nom, 0, false), nullptr) << nom;
      }
  for (const char* nom : general::FichesFusils) EXPECT_NE(AllouerImage(nom, 0, false), nullptr) << nom;
  for (const char* nom : general::FichesAura) EXPECT_NE(AllouerImage(nom, 0, false), nullptr) << nom;
  for (int i = 0; i < 7; ++i) EXPECT_NE(AllouerImage(general::Images_Missions[i], 0, false), nullptr);
  for (const char* nom : {"Armes/tir.wav", "Armes/recharger.wav", "Armes/crihomme.wav", "Armes/crifemme.wav",
                          "Armes/Impact.wav", "Armes/Headshot.wav", "Armes/Explosion.wav"})
    EXPECT_NE(AllouerSon(nom, true), nullptr) << nom;
  TTF_Font* f = TTF_OpenFont("police.ttf", 18);
  EXPECT_NE(f, nullptr);
  if (f) TTF_CloseFont(f);
}

// Cut-scenes are the only JPEG pictures: they decode at screen size, with the
// black letterbox band and the light caption where they were drawn.
TEST_F(Donnees, GeneratedCutScenesDecodeWithTheirBandsAndCaption) {
  copier_donnees();
  SDL_Surface* s = IMG_Load("Cinematiques/PlaineDebut1.jpg");
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->w, 960);
  EXPECT_EQ(s->h, 544);
  Uint8 r, g, b;
  lire_rgb(s, 20, 20, r, g, b);
  EXPECT_LT(r + g + b, 30);
  int claire = 0;
  for (int x = 0; x < 960; ++x) {
    lire_rgb(s, x, 500, r, g, b);
    if (r > 200 && g > 180) ++claire;
  }
  EXPECT_GT(claire, 20);
  SDL_FreeSurface(s);
}
