#include <string>

#include "Apparences.h"
#include "Banc.h"
#include "characters/EditeurPersos.h"
#include "characters/Element.h"
#include "engine/Constantes.h"
#include "engine/Interface.h"

namespace {
class Createur : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    copier_donnees();
    general::Police = TTF_OpenFont("police.ttf", 18);
    ASSERT_NE(general::Police, nullptr);
    vider_apparences();
    general::sexe = 0;
    new Element("Aucun", 0);
    new Element("Aucun", 1);
  }
  void TearDown() override {
    DesallouerPersos();
    vider_apparences();
    TTF_CloseFont(general::Police);
    general::Police = nullptr;
    Banc::TearDown();
  }
};

// The width the label's one line has when it reads `texte`.
int largeur(const char* texte) {
  int w = 0, h = 0;
  TTF_SizeText(general::Police, texte, &w, &h);
  return w;
}
}  // namespace

TEST_F(Createur, TwelveLabelsAreStackedWithoutGaps) {
  InitierEditeurPersos();
  ecriture* rangs[12];
  for (int r = 0; r < 12; ++r) rangs[r] = r == 5 ? Element::Nom_bras : Element::Noms[r < 5 ? r : r - 1];
  EXPECT_EQ(rangs[0]->position.x, 0);
  EXPECT_EQ(rangs[0]->position.y, 0);
  for (int r = 1; r < 12; ++r) {
    ASSERT_NE(rangs[r], nullptr);
    EXPECT_EQ(rangs[r]->position.x, 0);
    EXPECT_EQ(rangs[r]->position.y, rangs[r - 1]->position.y + rangs[r - 1]->image[0]->h) << r;
  }
  EXPECT_EQ(Interface::derniere_interface, 12);
  EXPECT_TRUE(Element::cycle.en_cours);
  EXPECT_TRUE(Element::Evenementie.en_cours);
  EXPECT_EQ(std::string(Element::texte_ligne(3).retournertexte()), "Haut 1 : Hommes/Aucun");
}

TEST_F(Createur, ClosingDeletesEveryLabelAndOpeningTwiceDoesNotStrandAny) {
  InitierEditeurPersos();
  InitierEditeurPersos();
  EXPECT_EQ(Interface::derniere_interface, 12);
  DesallouerPersos();
  EXPECT_EQ(Interface::derniere_interface, 0);
  for (ecriture* e : Element::Noms) EXPECT_EQ(e, nullptr);
  EXPECT_EQ(Element::Nom_bras, nullptr);
  DesallouerPersos();  // twice is harmless
}

TEST_F(Createur, SteppingAChoiceRewritesItsLabel) {
  ecrire_png("Hommes/Treillis-de-campagne/bas-1/run1.png", 20, 30, 0xFF00FF00);
  new Element("Treillis-de-campagne", 0);
  InitierEditeurPersos();
  ecriture* e = Element::Noms[0];
  ASSERT_EQ(e->nb_ligne, 1);
  ASSERT_NE(largeur("Bas 1 : Hommes/Aucun"), largeur("Bas 1 : Hommes/Treillis-de-campagne"));
  EXPECT_EQ(e->image[0]->w, largeur("Bas 1 : Hommes/Aucun"));
  Element::Next(0);
  EXPECT_EQ(e->nb_ligne, 1);  // the line was replaced, not added
  EXPECT_EQ(e->image[0]->w, largeur("Bas 1 : Hommes/Treillis-de-campagne"));
}
