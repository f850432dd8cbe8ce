#include <SDL_mixer.h>

#include <string>

#include "Scene.h"
#include "engine/Fonds.h"

namespace {
int compter(const std::string& operation) {
  int n = 0;
  for (const Son::Appel& a : Son::appels()) n += a.operation == operation;
  return n;
}
bool volume_canal0(int v) {
  for (const Son::Appel& a : Son::appels())
    if (a.operation == "volume" && a.canal == 0 && a.valeur == v) return true;
  return false;
}

class Terrain : public Scene {
 protected:
  void SetUp() override {
    Scene::SetUp();
    ecrire_png("Divers/eau.png", 100, 60, 0xFFC08020);
    for (const char* d : {"mouvement", "plongeon"})
      for (int i = 1; i <= 3; ++i)
        ecrire_png(std::string("Impact/Eau/") + d + "/" + std::to_string(i) + ".png", 20, 10, 0xFFFFFFFF);
  }
};
}  // namespace

TEST_F(Terrain, GroundStripCoversTheScreenAtAnyScroll) {
  ecrire_png("Sol/test/1.png", 200, 40, 0xFF00FF00);
  Sol* sol = creer<Sol>("Sol/test/");
  EXPECT_EQ(sol->position.y, 544 - 40);
  EXPECT_EQ(sol->layer, 1);
  for (int sx : {-1000, -450, -199, -1, 0, 137, 5000}) {
    SCOPED_TRACE(sx);
    SDL_FillRect(general::ecran, nullptr, 0);
    general::Scrolling = Rect(sx, 0, 0, 0);
    sol->bliting();
    for (int x : {0, 1, 199, 480, 958, 959}) {
      Uint8 r, g, b;
      lire_rgb(general::ecran, x, 530, r, g, b);
      EXPECT_GT(g, 200) << "x " << x;
    }
  }
}

// A short silent 8-bit mono WAV, enough for the mixer to play as music.
static std::string wav_muet() {
  auto mot = [](uint32_t v, int n) {
    std::string b;
    for (int i = 0; i < n; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
    return b;
  };
  const uint32_t n = 4410;
  return "RIFF" + mot(36 + n, 4) + "WAVEfmt " + mot(16, 4) + mot(1, 2) + mot(1, 2) + mot(44100, 4) +
         mot(44100, 4) + mot(1, 2) + mot(8, 2) + "data" + mot(n, 4) + std::string(n, '\x80');
}

TEST_F(Terrain, AmbienceStreamPlaysAtItsVolumeForTheBackgroundsLifetime) {
  ecrire_png("Fonds/test/1.png", 960, 544, 0xFF404040);
  ecrire_fichier("Fonds/test/Ambiance.wav", wav_muet());
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0);
  Son::utiliser_enregistreur(false);
  ASSERT_TRUE(Son::initialiser(44100, 128));
  Fond* fond = creer<Fond>("Fonds/test/");
  EXPECT_EQ(fond->layer, 0);
  EXPECT_EQ(fond->nb_frame, 1);
  ASSERT_NE(fond->Ambiance, nullptr);
  EXPECT_EQ(Mix_PlayingMusic(), 1);
  EXPECT_EQ(Mix_VolumeMusic(-1), 122 * MIX_MAX_VOLUME / 255);
  oublier(fond);
  delete fond;
  EXPECT_EQ(Mix_PlayingMusic(), 0);
  EXPECT_EQ(Mix_VolumeMusic(-1), 0);
  Son::fermer();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  Son::utiliser_enregistreur(true);
}

TEST_F(Terrain, MissingAmbiencePlaysNothing) {
  ecrire_png("Fonds/muet/1.png", 960, 544, 0xFF404040);
  Son::effacer_appels();
  Fond* fond = creer<Fond>("Fonds/muet/");
  EXPECT_EQ(fond->Ambiance, nullptr);
  oublier(fond);
  delete fond;
  EXPECT_EQ(compter("stream_play"), 0);
  EXPECT_EQ(compter("stream_close"), 0);
  EXPECT_FALSE(volume_canal0(122));
}

TEST_F(Terrain, UndergroundFillsBelowTheLevelOnly) {
  ecrire_png("Sol/fond/ssol.png", 200, 100, 0xFF0000FF);
  SSol* ssol = creer<SSol>("Sol/fond/");
  EXPECT_EQ(ssol->position.y, 544 - 100);
  SDL_FillRect(general::ecran, nullptr, 0);
  general::Scrolling = Rect(-30, 300, 0, 0);  // the view has gone 300 px under the level
  ssol->bliting();
  Uint8 r, g, b;
  lire_rgb(general::ecran, 0, 544 - 300 + 5, r, g, b);
  EXPECT_GT(r, 200);
  lire_rgb(general::ecran, 959, 543, r, g, b);
  EXPECT_GT(r, 200);
  lire_rgb(general::ecran, 500, 544 - 300 - 5, r, g, b);
  EXPECT_LT(r, 50);
}

TEST_F(Terrain, OnlyTheTopTileOfAColumnRipples) {
  Eau* haut = creer<Eau>(Rect(0, 0, 0, 0));
  Eau* milieu = creer<Eau>(Rect(0, 60, 0, 0));
  Eau* bas = creer<Eau>(Rect(0, 120, 0, 0));
  EXPECT_EQ(Eau::nb_eaux, 3);
  EXPECT_TRUE(Eau::Init_Eau);
  Tramer* nageur = soldat(10, 10, ALLIE, 50, 160);
  nageur->En_mouvement = true;
  for (Eau* e : {haut, milieu, bas}) e->comportement();
  EXPECT_EQ(haut->Impact, 0);
  EXPECT_EQ(milieu->Impact, 2);
  EXPECT_EQ(bas->Impact, 2);

  nageur->action = TOMBER;
  haut->comportement();
  EXPECT_EQ(haut->Impact, 0);  // a splash runs to its end first

  // Three frames of 200 ms, then it is over and a dive can start.
  nageur->En_mouvement = false;
  nageur->position.x = 5000;
  for (int i = 0; i < 3; ++i) {
    EXPECT_NE(haut->Impact, 2);
    Horloge::avancer(201);
    haut->comportement();
  }
  EXPECT_EQ(haut->Impact, 2);
  nageur->position.x = 10;
  haut->comportement();
  EXPECT_EQ(haut->Impact, 1);
  haut->bliting();  // draws the splash frame
}

TEST_F(Terrain, WaterListRefusesPastCapacityAndEmptiesWithTheWorld) {
  Eau::nb_eaux = Eau::NB_MAX_EAUX - 1;
  Eau* dernier = creer<Eau>(Rect(0, 0, 0, 0));
  creer<Eau>(Rect(0, 0, 0, 0));
  EXPECT_EQ(Eau::nb_eaux, Eau::NB_MAX_EAUX);
  EXPECT_EQ(Eau::Eaux[Eau::NB_MAX_EAUX - 1], dernier);
  Eau::Vider();
  EXPECT_EQ(Eau::nb_eaux, 0);
}
