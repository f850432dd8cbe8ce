#include <cstring>
#include <memory>
#include <vector>

#include "Banc.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/Interface.h"

namespace {

class Widgets : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    copier_donnees();
    general::Police = TTF_OpenFont("police.ttf", 18);
    ASSERT_NE(general::Police, nullptr);
  }
  void TearDown() override {
    TTF_CloseFont(general::Police);
    general::Police = nullptr;
    Banc::TearDown();
  }
  static std::vector<Interface*> liste() {
    return std::vector<Interface*>(Interface::Interfaces, Interface::Interfaces + Interface::derniere_interface);
  }
  static bool indices_justes() {
    for (int32_t i = 0; i < Interface::derniere_interface; ++i)
      if (Interface::Interfaces[i]->element_actuel != i) return false;
    return true;
  }
};

// Rows of the screen holding a pixel of the given colour.
std::vector<int> lignes_rouges(int x_max, SDL_Color c = general::Rouge) {
  std::vector<int> rangs;
  for (int y = 0; y < general::ecran->h; ++y)
    for (int x = 0; x < x_max; ++x) {
      Uint8 r, g, b;
      lire_rgb(general::ecran, x, y, r, g, b);
      if (r == c.r && g == c.g && b == c.b) {
        rangs.push_back(y);
        break;
      }
    }
  return rangs;
}

}  // namespace

TEST_F(Widgets, ListGrowsAndShrinksKeepingOrderAndIndexes) {
  EXPECT_EQ(Interface::derniere_interface, 0);
  auto a = std::make_unique<Interface>("default.png", Rect(0, 0, 0, 0));
  ASSERT_EQ(Interface::derniere_interface, 1);
  auto b = std::make_unique<Interface>("default.png", Rect(0, 0, 0, 0));
  auto c = std::make_unique<Interface>();
  EXPECT_EQ(liste(), (std::vector<Interface*>{a.get(), b.get(), c.get()}));
  EXPECT_EQ(a->layer, 0);
  EXPECT_EQ(c->layer, 1);
  a.reset();
  EXPECT_EQ(liste(), (std::vector<Interface*>{b.get(), c.get()}));
  EXPECT_TRUE(indices_justes());
  b.reset();
  c.reset();
  EXPECT_EQ(Interface::derniere_interface, 0);
  EXPECT_EQ(Interface::Interfaces, nullptr);
}

TEST_F(Widgets, AWidgetWithoutPictureGivesItsPlaceUpAndLaterRemovesNothingElse) {
  auto a = std::make_unique<Interface>("default.png", Rect(0, 0, 0, 0));
  auto absent = std::make_unique<Interface>("absent.png", Rect(0, 0, 0, 0));
  auto suivant = std::make_unique<Interface>("default.png", Rect(0, 0, 0, 0));
  EXPECT_EQ(Interface::derniere_interface, 2);
  EXPECT_EQ(suivant->element_actuel, 1);
  absent.reset();
  suivant.reset();
  EXPECT_EQ(liste(), std::vector<Interface*>{a.get()});

  auto trou1 = std::make_unique<Interface>("default.png", Rect(0, 0, 0, 0));
  auto trou2 = std::make_unique<Interface>("default.png", Rect(0, 0, 0, 0));
  trou1->image[0] = trou2->image[0] = nullptr;
  auto b = std::make_unique<Interface>("default.png", Rect(0, 0, 0, 0));
  EXPECT_EQ(Interface::derniere_interface, 3);  // took the highest hole
  EXPECT_EQ(b->element_actuel, 2);
  auto c = std::make_unique<Interface>("default.png", Rect(0, 0, 0, 0));
  EXPECT_EQ(c->element_actuel, 1);
  trou2.reset();  // evicted: it must not take b out of the list
  trou1.reset();
  EXPECT_EQ(liste(), (std::vector<Interface*>{a.get(), c.get(), b.get()}));
  EXPECT_TRUE(indices_justes());
}

TEST_F(Widgets, NameIsCopiedAndCursorUnlinksOnDestruction) {
  char nom[] = "curseur.png";
  Interface::Curseur = new Interface(nom, general::origine);
  Interface::Curseur->be_curseur = true;
  std::strcpy(nom, "xxxxxxx.png");
  EXPECT_STREQ(Interface::Curseur->Nom.retournertexte(), "curseur.png");
  ASSERT_NE(Interface::Curseur->image[0], nullptr);
  delete Interface::Curseur;
  EXPECT_EQ(Interface::Curseur, nullptr);
}

TEST_F(Widgets, PictureIsDrawnWholeAtItsPositionAndSizeWrittenBack) {
  ecrire_png("rouge.png", 6, 4, 0xFF0000FF);
  SDL_FillRect(general::ecran, nullptr, 0);
  Interface w("rouge.png", Rect(20, 30, 0, 0));
  w.comportement();
  EXPECT_EQ(w.position.w, 6);
  EXPECT_EQ(w.position.h, 4);
  EXPECT_EQ(lignes_rouges(40, SDL_Color{255, 0, 0, 0}), (std::vector<int>{30, 31, 32, 33}));
}

TEST_F(Widgets, TextLinesStackDownwardsAndRemovalTakesTheBottomOne) {
  SDL_FillRect(general::ecran, nullptr, 0);
  ecriture e(general::Police, P_char("Haut"), Rect(0, 100, 0, 0), general::Rouge);
  e.ajouter_ligne(P_char("Bas"));
  ASSERT_EQ(e.nb_ligne, 2);
  const int h0 = e.image[0]->h;
  e.comportement();
  auto rangs = lignes_rouges(200);
  ASSERT_FALSE(rangs.empty());
  EXPECT_GE(rangs.front(), 100);
  EXPECT_LT(rangs.front(), 100 + h0);
  EXPECT_GE(rangs.back(), 100 + h0);

  SDL_Surface* haut = e.image[0];
  e.ajouter_ligne(P_char("Troisieme"));
  e.retirer_ligne();
  EXPECT_EQ(e.nb_ligne, 2);
  EXPECT_EQ(e.image[0], haut);
  e.retirer_ligne();
  e.retirer_ligne();
  e.retirer_ligne();
  EXPECT_EQ(e.nb_ligne, 0);
  EXPECT_EQ(e.layer, 3);
  EXPECT_TRUE(e.enregistre());
}

TEST_F(Widgets, OwnerDrawnTextSkipsEmptyLinesAndIsNotRegistered) {
  ecriture2 t(general::Police, P_char("Un"), Rect(0, 0, 0, 0));
  t.ajouter_ligne("");
  t.ajouter_ligne(nullptr);
  EXPECT_EQ(t.nb_ligne, 1);
  t.ajouter_ligne("Deux");
  t.ajouter_ligne("Trois");
  EXPECT_EQ(t.nb_ligne, 3);
  ASSERT_NE(t.image[2], nullptr);
  EXPECT_EQ(Interface::derniere_interface, 0);
  ecriture vide(general::Police, P_char(""), Rect(0, 0, 0, 0), general::Blanc);
  EXPECT_EQ(vide.nb_ligne, 1);
  EXPECT_EQ(vide.image[0], nullptr);
  vide.comportement();  // a null line is skipped
}

TEST_F(Widgets, ProgressiveRevealGrowsFivePixelsEvery50MsThenMovesOn) {
  ecriture2 t(general::Police, P_char("ij"), Rect(0, 0, 0, 0));
  t.ajouter_ligne("Fin");
  t.progressif = true;
  const int w0 = t.image[0]->w, w1 = t.image[1]->w;
  ASSERT_GT(w0, 5);
  ASSERT_LE(w0, 10);
  std::vector<int> largeurs;
  std::vector<int> lignes;
  for (int k = 0; k < 8; ++k) {
    Horloge::avancer(51);
    t.comportement();
    largeurs.push_back(t.TramePrincipale.w);
    lignes.push_back(t.ligne_en_cours);
  }
  EXPECT_EQ(largeurs[0], 5);
  EXPECT_EQ(lignes[0], 0);
  EXPECT_EQ(largeurs[1], 0);  // 10 reaches the first line's width: next line
  EXPECT_EQ(lignes[1], 1);
  EXPECT_EQ(largeurs.back(), std::min(30, w1));
  t.retirer_ligne();
  EXPECT_EQ(t.ligne_en_cours, 0);
  EXPECT_EQ(t.TramePrincipale.w, 0);
}
