#include "Apparences.h"
#include "Banc.h"
#include "Png.h"
#include "battle/Perso.h"
#include "characters/Element.h"
#include "characters/InitierPersos.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"
#include "engine/Partie.h"

namespace {

class Demarrage : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    vider_apparences();
    copier_donnees();
    InitierApparences();
  }
  void TearDown() override {
    vider_apparences();
    Banc::TearDown();
  }
};

TEST_F(Demarrage, EmptySetsComeFirstThenTheListedOnes) {
  ASSERT_EQ(Element::dernier_element[0], 4);
  ASSERT_EQ(Element::dernier_element[1], 4);
  EXPECT_STREQ(Element::Elements[0][0]->nom.retournertexte(), "Hommes/Aucun");
  EXPECT_STREQ(Element::Elements[1][0]->nom.retournertexte(), "Femmes/Aucun");
  EXPECT_EQ(Element::Base, Element::Elements[1][0]);
  EXPECT_STREQ(Element::Elements[0][3]->nom.retournertexte(), "Hommes/Korvan");
  EXPECT_STREQ(Element::Elements[1][3]->nom.retournertexte(), "Femmes/Vesk");
  for (int s = 0; s < 2; ++s)
    for (int i = 1; i < 4; ++i) {
      EXPECT_TRUE(Element::Elements[s][i]->existence[BAS1]) << s << i;
      EXPECT_TRUE(Element::Elements[s][i]->existence_bras) << s << i;
    }
  for (int c : Element::Construction_en_cours) EXPECT_EQ(c, 0);
}

TEST_F(Demarrage, SkinPreviewsBySexAndColourWithTheThirdColourOnTheFirst) {
  EXPECT_EQ(Element::CouleurPeau[0][0][0], AllouerImage("Hommes/Blanc/run1.png", 0, false));
  EXPECT_EQ(Element::CouleurPeau[0][1][1], AllouerImage("Femmes/Noir/run1.png", 0, false));
  EXPECT_EQ(Element::CouleurPeau[1][1][0], AllouerImage("Hommes/Noir/run1.png", 1, false));
  EXPECT_EQ(Element::CouleurPeau[1][2][1], AllouerImage("Hommes/Blanc/run1.png", 1, false));
  EXPECT_NE(Element::CouleurPeau[0][0][1], nullptr);
}

TEST_F(Demarrage, DemoCharactersWearListedSetsTheyHave) {
  for (const char* nom : {"Korvan", "Vesk", "Relka", "OMUS_Fusilier", "Nemesis_Soldat", "Nemesis_Tireuse"}) {
    Perso p = LirePerso(nom);
    Element* e = Element::relever(p.index_sexe(), p.Vetements[BAS1]);
    ASSERT_NE(e, nullptr) << nom;
    EXPECT_GT(p.Vetements[BAS1], 0) << nom;
    EXPECT_TRUE(e->existence[BAS1]) << nom;
    EXPECT_GT(p.vie_perso, 0) << nom;
  }
  EXPECT_FALSE(LirePerso("Korvan").camp_perso);
  EXPECT_TRUE(LirePerso("Nemesis_Soldat").camp_perso);
  EXPECT_EQ(LirePerso("Vesk").sexe, 1);
}

TEST_F(Demarrage, CreatorPreviewShowsTheDressedFigure) {
  for (int i = 0; i < NB_ELEMENTS; ++i) Element::Construction_en_cours[i] = 1;
  Element::Bras_en_cours = 1;
  SDL_FillRect(general::ecran, nullptr, SDL_MapRGB(general::ecran->format, 0, 122, 0));
  Element::AfficherCreation(Rect(0, 0, 0, 0));
  Uint8 r, g, b;
  lire_rgb(general::ecran, 300 + 65, 100 + 55, r, g, b);  // the OMUS vest over the shirt
  EXPECT_EQ(r, 150);
  EXPECT_EQ(g, 140);
  if (getenv("APERCU")) Png::ecrire(getenv("APERCU"), general::ecran, false);
}

}  // namespace
