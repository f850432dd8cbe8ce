#include <cstring>
#include <memory>
#include <string>

#include "Banc.h"
#include "engine/Afficher_munitions.h"
#include "engine/Barre.h"
#include "engine/CompteurNumerique.h"
#include "engine/Constantes.h"
#include "engine/Evenement_meteorologique.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"
#include "engine/Temps_Limite.h"
#include "engine/ecriture_dynamique.h"

namespace {

class Compteurs : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    copier_donnees();
    general::Police = TTF_OpenFont("police.ttf", 18);
    ASSERT_NE(general::Police, nullptr);
    general::pause = false;
    general::TimeUp = false;
    noircir();
  }
  void TearDown() override {
    general::pause = false;
    general::TimeUp = false;
    TTF_CloseFont(general::Police);
    general::Police = nullptr;
    Banc::TearDown();
  }
  static void noircir() { SDL_FillRect(general::ecran, nullptr, 0); }
};

// Whether a rendered line holds exactly this text.
bool montre(SDL_Surface* ligne, const std::string& texte, SDL_Color c = general::Blanc) {
  SDL_Surface* attendu = TTF_RenderText_Solid(general::Police, texte.c_str(), c);
  bool pareil = ligne && attendu && ligne->w == attendu->w && ligne->h == attendu->h;
  for (int y = 0; pareil && y < ligne->h; ++y)
    pareil = std::memcmp(static_cast<Uint8*>(ligne->pixels) + y * ligne->pitch,
                         static_cast<Uint8*>(attendu->pixels) + y * attendu->pitch, ligne->w) == 0;
  SDL_FreeSurface(attendu);
  return pareil;
}

bool rouge(int x, int y) {
  Uint8 r, g, b;
  lire_rgb(general::ecran, x, y, r, g, b);
  return r == 255 && g == 0 && b == 0;
}

}  // namespace

TEST_F(Compteurs, CounterRendersOnlyWhenItsValueChanges) {
  int32_t vie = 12;
  CompteurNumerique c;
  c.suivre(&vie, Rect(10, 64, 0, 0), general::Rouge);
  EXPECT_EQ(c.layer, 3);
  ASSERT_EQ(c.nb_ligne, 1);
  EXPECT_TRUE(montre(c.image[0], "12", general::Rouge));
  uint32_t avant = lignes_rendues();
  for (int i = 0; i < 5; ++i) c.comportement();
  EXPECT_EQ(lignes_rendues(), avant);
  vie = 9;
  c.comportement();
  EXPECT_EQ(lignes_rendues(), avant + 1);
  EXPECT_EQ(c.nb_ligne, 1);
  EXPECT_TRUE(montre(c.image[0], "9", general::Rouge));
  c.comportement();
  EXPECT_EQ(lignes_rendues(), avant + 1);

  int32_t wex = 40;
  CompteurNumerique2 c2("Actual Wex : ", &wex, Rect(600, 30, 0, 0));
  EXPECT_TRUE(montre(static_cast<SDL_Surface**>(c2.image)[0], "Actual Wex : 40"));
  avant = lignes_rendues();
  c2.comportement();
  EXPECT_EQ(lignes_rendues(), avant);
  wex = 41;
  c2.comportement();
  EXPECT_EQ(lignes_rendues(), avant + 1);
  EXPECT_TRUE(montre(c2.image[0], "Actual Wex : 41"));
}

TEST_F(Compteurs, NullValuesAndEmptyWeaponSlotsAreNeverRead) {
  CompteurNumerique c;
  c.suivre(nullptr, Rect(0, 0, 0, 0), general::Blanc);
  CompteurNumerique2 c2("Points : ", nullptr, Rect(0, 0, 0, 0));
  Afficher_munitions m(nullptr, Rect(8, 515, 0, 0));
  Afficher_OmbreArme o(nullptr, Rect(6, 444, 0, 0));
  Barre b("HUD/vie.png", Rect(8, 27, 0, 0));
  EXPECT_TRUE(montre(c2.image[0], "Points : "));
  uint32_t avant = lignes_rendues();
  for (int i = 0; i < 3; ++i) {
    c.comportement();
    c2.comportement();
    m.comportement();
    o.comportement();
    b.comportement();
  }
  Armes* vide = nullptr;
  m.pointeur2 = &vide;
  o.pointeur2 = &vide;
  m.comportement();
  o.comportement();
  int32_t valeur = 50;
  b.valeur_suivie = &valeur;  // still no maximum
  b.comportement();
  EXPECT_EQ(lignes_rendues(), avant);
  EXPECT_TRUE(montre(c2.image[0], "Points : "));
  Uint8 r, g, bl;
  lire_rgb(general::ecran, 10, 30, r, g, bl);
  EXPECT_EQ(r + g + bl, 0);
}

TEST_F(Compteurs, AmmunitionTextIsLoadedThenReserve) {
  EXPECT_EQ(texte_munitions(30, 90), "30  /  90");
  EXPECT_EQ(texte_munitions(29, 90), "29  /  90");
  EXPECT_EQ(texte_munitions(0, 0), "0  /  0");
}

TEST_F(Compteurs, CountdownTextSplitsMinutesAndSeconds) {
  EXPECT_EQ(texte_compte_a_rebours(61), "1 min 1 sec");
  EXPECT_EQ(texte_compte_a_rebours(125), "2 min 5 sec");
  EXPECT_EQ(texte_compte_a_rebours(60), "1 min 0 sec");
  EXPECT_EQ(texte_compte_a_rebours(0), "0 min 0 sec");
}

TEST_F(Compteurs, CountdownCountsSecondsStopsInPauseAndSetsTimeUp) {
  Temps_Limite t(61, Rect(600, 40, 0, 0));
  EXPECT_TRUE(montre(t.image[0], "1 min 1 sec"));
  t.comportement();
  EXPECT_EQ(t.temps_ecoule, 0);
  Horloge::avancer(1001);
  t.comportement();
  EXPECT_EQ(t.temps_ecoule, 1);
  EXPECT_TRUE(montre(t.image[0], "1 min 0 sec"));
  EXPECT_FALSE(general::TimeUp);

  general::pause = true;
  Horloge::avancer(5000);
  t.comportement();
  EXPECT_EQ(t.temps_ecoule, 1);
  EXPECT_TRUE(montre(t.image[0], "1 min 0 sec"));
  general::pause = false;
  t.comportement();  // the second owed is counted at once
  EXPECT_EQ(t.temps_ecoule, 2);
  t.comportement();
  EXPECT_EQ(t.temps_ecoule, 2);

  for (int i = 0; i < 70; ++i) {
    Horloge::avancer(1001);
    t.comportement();
    if (t.temps_ecoule < 61) {
      EXPECT_FALSE(general::TimeUp);
    }
  }
  EXPECT_EQ(t.temps_ecoule, 61);
  EXPECT_TRUE(montre(t.image[0], "0 min 0 sec"));
  EXPECT_TRUE(general::TimeUp);
}

TEST_F(Compteurs, GaugeDrawsWholeCellsOverlappingByAPixelAndAHalf) {
  EXPECT_EQ(cellules_pleines(55, 100, 10), 5);
  EXPECT_EQ(cellules_pleines(9, 100, 10), 0);
  EXPECT_EQ(cellules_pleines(50, 0, 10), 0);
  EXPECT_EQ(cellules_pleines(-5, 100, 10), 0);
  EXPECT_EQ(cellules_pleines(INT32_MAX, 100, 10), 214748364);  // no overflow

  ecrire_png("cellule_jauge.png", 10, 6, 0xFF0000FF);
  int32_t valeur = 100, maximum = 100;
  Barre b("cellule_jauge.png", Rect(100, 200, 0, 0));
  EXPECT_EQ(b.layer, 3);
  EXPECT_EQ(b.nb_gellule, 10);
  b.valeur_suivie = &valeur;
  b.maximum_valeur_suivie = &maximum;
  b.comportement();
  // Ten cells at offsets 0, 8, 17, 25 ... 76 end at 86.
  EXPECT_TRUE(rouge(100 + 85, 203));
  EXPECT_FALSE(rouge(100 + 86, 203));
  noircir();
  valeur = 99;
  b.comportement();
  EXPECT_TRUE(rouge(100 + 77, 203));
  EXPECT_FALSE(rouge(100 + 78, 203));
  noircir();
  valeur = 2000000000;  // far over: cells stop at the screen edge
  b.comportement();
  EXPECT_TRUE(rouge(959, 203));
  noircir();
  maximum = 0;
  b.comportement();
  EXPECT_FALSE(rouge(100, 203));
}

TEST_F(Compteurs, DynamicTextFollowsItsTextAndRemovesLetters) {
  P_char nom("Relka");
  P_char* lien = &nom;
  ecriture_dynamique d(" ", &lien, Rect(6, 0, 0, 0));
  EXPECT_TRUE(montre(d.image[0], " Relka"));
  uint32_t avant = lignes_rendues();
  d.comportement();
  EXPECT_EQ(lignes_rendues(), avant);
  nom = "Vesk";
  d.comportement();
  EXPECT_EQ(lignes_rendues(), avant + 1);
  EXPECT_TRUE(montre(d.image[0], " Vesk"));

  P_char carte("map");
  P_char* lien2 = &carte;
  ecriture_dynamique2 d2("Nom : ", &lien2, Rect(0, 0, 0, 0));
  d2.retirer_lettre();
  EXPECT_STREQ(carte.retournertexte(), "ma");
  d2.comportement();
  EXPECT_TRUE(montre(d2.image[0], "Nom : ma"));
  carte = "m";
  d2.retirer_lettre();
  EXPECT_STREQ(carte.retournertexte(), " ");
  carte = "";
  d2.retirer_lettre();
  EXPECT_STREQ(carte.retournertexte(), "");
  P_char* rien = nullptr;
  ecriture_dynamique2 vide("Nom : ", &rien, Rect(0, 0, 0, 0));
  vide.retirer_lettre();
  vide.comportement();
}

TEST_F(Compteurs, WeatherTilesTheScreenWithItsFramesRedrawnEvery75Ms) {
  ecrire_png("Orage/1.png", 100, 100, 0xFF0000FF);
  ecrire_png("Orage/2.png", 100, 100, 0xFF00FF00);
  ecrire_png("Orage/3.png", 100, 100, 0xFFFF0000);
  Evenement_meteorologique m(P_char("Orage/"));
  EXPECT_EQ(m.nb_frame, 3);
  EXPECT_EQ(m.layer, 2);
  ASSERT_EQ(m.tirage.size(), 10u);
  ASSERT_EQ(m.tirage[0].size(), 6u);
  auto avant = m.tirage;
  m.comportement();
  EXPECT_EQ(m.tirage, avant);
  bool vus[3] = {};
  for (size_t c = 0; c < m.tirage.size(); ++c)
    for (size_t r = 0; r < m.tirage[c].size(); ++r) {
      int k = m.tirage[c][r];
      ASSERT_TRUE(k >= 0 && k < 3);
      vus[k] = true;
      Uint8 rr, g, b;
      lire_rgb(general::ecran, static_cast<int>(c * 100 + 50), std::min(543, static_cast<int>(r * 100 + 50)), rr, g, b);
      EXPECT_EQ(rr == 255, k == 0);
      EXPECT_EQ(g == 255, k == 1);
      EXPECT_EQ(b == 255, k == 2);
    }
  EXPECT_TRUE(vus[0] && vus[1] && vus[2]);
  Horloge::avancer(76);
  m.comportement();
  EXPECT_NE(m.tirage, avant);

  for (int i = 1; i <= 12; ++i) ecrire_png("Grele/" + std::to_string(i) + ".png", 40, 40, 0xFFFFFFFF);
  EXPECT_EQ(Evenement_meteorologique(P_char("Grele/")).nb_frame, 10);

  noircir();
  Evenement_meteorologique rien(P_char("Rien/"));
  EXPECT_EQ(rien.nb_frame, 0);
  rien.comportement();
  Uint8 r, g, b;
  lire_rgb(general::ecran, 480, 272, r, g, b);
  EXPECT_EQ(r + g + b, 0);
}

TEST_F(Compteurs, HudAndWeatherPicturesAreGenerated) {
  EXPECT_NE(AllouerImage("HUD.png", 0, false), nullptr);
  SDL_Surface* vie = AllouerImage("HUD/vie.png", 0, false);
  SDL_Surface* aura = AllouerImage("HUD/aura.png", 0, false);
  ASSERT_NE(vie, nullptr);
  ASSERT_NE(aura, nullptr);
  EXPECT_EQ(278 / vie->w, 10);
  EXPECT_EQ(200 / aura->w, 10);
  EXPECT_GE(Evenement_meteorologique(P_char("Pluie/")).nb_frame, 2);
  EXPECT_GE(Evenement_meteorologique(P_char("Neige/")).nb_frame, 2);
}

#if __has_include("weapons/Armes.h")
#include "weapons/Armes.h"

TEST_F(Compteurs, AmmunitionAndSilhouetteFollowTheWeaponSlot) {
  ecrire_png("ombre_hud.png", 20, 10, 0xFF0000FF);
  Armes fusil("Inconnu", 1, 10, 10, 100, 30, 90, 1000, false, 0, 1);
  fusil.charge_actuelle = 30;
  fusil.nb_munition = 90;
  fusil.Ombre = AllouerImage("ombre_hud.png", 0, false);
  Armes* slot = nullptr;
  Afficher_munitions m(&fusil, Rect(8, 515, 0, 0));
  EXPECT_TRUE(montre(m.image[0], "30  /  90"));
  m.pointeur2 = &slot;
  Afficher_OmbreArme o(&slot, Rect(6, 444, 0, 0));
  o.comportement();
  EXPECT_FALSE(rouge(6, 444));
  slot = &fusil;
  uint32_t avant = lignes_rendues();
  m.comportement();
  EXPECT_EQ(lignes_rendues(), avant);
  fusil.charge_actuelle = 29;
  m.comportement();
  EXPECT_TRUE(montre(m.image[0], "29  /  90"));
  o.comportement();
  EXPECT_TRUE(rouge(6, 444));
}
#endif
