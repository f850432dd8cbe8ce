#include "Banc.h"
#include "sound/Son.h"

using SonTest = Banc;

TEST_F(SonTest, RecorderKeepsCallsAndMissingFilesGiveNull) {
  ecrire_fichier("Fonds/vent.wav", "RIFF");
  EXPECT_EQ(Son::charger("absent.wav"), nullptr);
  Son::Echantillon* e = Son::charger("fonds/VENT.wav");
  ASSERT_NE(e, nullptr);
  Son::effacer_appels();
  Son::jouer(12, e);
  Son::volume(12, 300);  // clamped to the 0-255 scale
  Son::jouer(13, nullptr);
  ASSERT_EQ(Son::appels().size(), 2u);
  EXPECT_EQ(Son::appels()[0].operation, "play");
  EXPECT_EQ(Son::appels()[0].canal, 12);
  EXPECT_EQ(Son::appels()[1].valeur, 255);
  Son::liberer(e);

  Son::Flux* f = Son::ouvrir_flux("Fonds/vent.wav");
  ASSERT_NE(f, nullptr);
  Son::jouer_flux(f);
  Son::arreter_flux(f);
  Son::fermer_flux(f);
  EXPECT_EQ(Son::appels().back().operation, "stream_close");
  EXPECT_EQ(Son::ouvrir_flux("rien.wav"), nullptr);
  Son::jouer_flux(nullptr);  // nothing, no crash
}

TEST(SonReel, PlaysSilentlyOnTheDummyDriver) {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0);
  Son::utiliser_enregistreur(false);
  EXPECT_TRUE(Son::initialiser(44100, 128));
  Son::jouer(10, nullptr);
  Son::volume(10, 128);
  Son::arreter(10);
  SDL_Quit();
}
