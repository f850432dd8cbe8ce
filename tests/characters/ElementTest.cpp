#include <string>

#include "Apparences.h"
#include "Banc.h"
#include "characters/Element.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"
#include "engine/Partie.h"
#include "weapons/Armes.h"

namespace {

class Apparence : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    vider_apparences();
    general::sexe = 0;
    general::couleur_de_peau = 0;
  }
  void TearDown() override {
    vider_apparences();
    for (auto& z : Element::CouleurPeau)
      for (auto& c : z)
        for (auto& s : c) s = nullptr;
    Banc::TearDown();
  }
  // A set folder holding the given part folders (and sleeves when asked).
  void dossier_set(const std::string& set, std::initializer_list<const char*> parties, bool bras,
                   Uint32 couleur = 0xFF00FF00) {
    for (const char* p : parties) ecrire_png(set + "/" + p + "/run1.png", 20, 30, couleur);
    if (bras) ecrire_png(set + "/Bras/rifle1.png", 40, 10, couleur);
  }
};

TEST_F(Apparence, SetLoadsEveryPartExceptGlassesUnderItsSexFolder) {
  dossier_set("Femmes/Pilote", {"bas-1", "haut-2", "visage", "casque", "lunettes"}, true);
  new Element("Aucun", 1);
  auto* e = new Element("Pilote", 1);
  EXPECT_EQ(e->element_actuel, 1);
  EXPECT_STREQ(e->nom.retournertexte(), "Femmes/Pilote");
  EXPECT_TRUE(e->existence[BAS1]);
  EXPECT_TRUE(e->existence[HAUT2]);
  EXPECT_TRUE(e->existence[YEUX]);  // the face comes from the "visage" folder
  EXPECT_TRUE(e->existence[CASQUE]);
  EXPECT_FALSE(e->existence[LUNETTES]);
  EXPECT_FALSE(e->existence[COU]);
  EXPECT_TRUE(e->existence_bras);
  ASSERT_NE(e->Images[1][0][BAS1], nullptr);
  EXPECT_EQ(e->Images[1][0][BAS1]->w, 10);
  EXPECT_STREQ(e->noms[HAUT2].retournertexte(), "Femmes/Pilote/haut-2/run1.png");
  EXPECT_EQ(Element::dernier_element[1], 2);
  EXPECT_EQ(Element::dernier_element[0], 0);
}

TEST_F(Apparence, RegistryReusesFreedEntriesFromTwoUpAndRefusesPastCapacity) {
  Element* e[5];
  for (auto& x : e) x = new Element("Vide", 0);
  delete e[1];
  delete e[3];
  auto* a = new Element("Nouveau", 0);
  EXPECT_EQ(a->element_actuel, 3);
  auto* b = new Element("Encore", 0);
  EXPECT_EQ(b->element_actuel, 5);  // entry 1 is never reused
  EXPECT_EQ(Element::relever(0, 1), nullptr);

  while (Element::dernier_element[0] < NB_MAX_ELEMENTS) new Element("Plein", 0);
  auto* trop = new Element("Trop", 0);
  EXPECT_FALSE(trop->enregistre());
  EXPECT_EQ(Element::dernier_element[0], NB_MAX_ELEMENTS);
  delete trop;
  EXPECT_NE(Element::Elements[0][NB_MAX_ELEMENTS - 1], nullptr);
}

TEST_F(Apparence, NextAndPreviousSkipSetsLackingThePartAndWrap) {
  dossier_set("Hommes/AvecHaut", {"haut-1"}, false);
  dossier_set("Hommes/SansHaut", {"bas-1"}, true);
  dossier_set("Hommes/AvecHaut2", {"haut-1"}, true);
  new Element("Aucun", 0);
  new Element("AvecHaut", 0);
  new Element("SansHaut", 0);
  new Element("AvecHaut2", 0);
  int& haut = Element::Construction_en_cours[HAUT1];
  Element::Next(3);
  EXPECT_EQ(haut, 1);
  Element::Next(3);
  EXPECT_EQ(haut, 3);
  Element::Next(3);
  EXPECT_EQ(haut, 0);
  Element::Previous(3);
  EXPECT_EQ(haut, 3);
  Element::Previous(3);
  EXPECT_EQ(haut, 1);
  Element::Previous(3);
  EXPECT_EQ(haut, 0);

  // Row 5 browses sleeves; rows past 5 are parts one lower.
  Element::Next(5);
  EXPECT_EQ(Element::Bras_en_cours, 2);
  Element::Next(6);
  EXPECT_EQ(Element::Construction_en_cours[POCHES], 0);
  // Glasses: no set has them, so the row stays on the empty set.
  Element::Next(8);
  EXPECT_EQ(Element::Construction_en_cours[LUNETTES], 0);
  Element::Next(12);
  Element::Previous(-1);
}

TEST_F(Apparence, ChoicesPastTheCountWrapInsteadOfReadingOutside) {
  dossier_set("Hommes/Casque", {"casque"}, false);
  new Element("Aucun", 0);
  new Element("Casque", 0);
  int& casque = Element::Construction_en_cours[CASQUE];
  casque = 200;  // as read from a hostile file
  Element::Next(11);
  EXPECT_EQ(casque, 0);
  casque = 200;
  Element::Previous(11);
  EXPECT_EQ(casque, 1);
  casque = 2;  // exactly the count
  Element::Next(11);
  EXPECT_EQ(casque, 0);
  Element::Bras_en_cours = -7;
  Element::Previous(5);
  EXPECT_EQ(Element::Bras_en_cours, 0);  // no set has sleeves
}

TEST_F(Apparence, RowTextsNameTheChosenSetWithItsSexFolder) {
  dossier_set("Hommes/Treillis", {"haut-1"}, true);
  new Element("Aucun", 0);
  new Element("Treillis", 0);
  Element::Construction_en_cours[HAUT1] = 1;
  EXPECT_STREQ(Element::texte_ligne(3).retournertexte(), "Haut 1 : Hommes/Treillis");
  EXPECT_STREQ(Element::texte_ligne(0).retournertexte(), "Bas 1 : Hommes/Aucun");
  Element::Bras_en_cours = 1;
  EXPECT_STREQ(Element::texte_ligne(5).retournertexte(), "Bras : Hommes/Treillis");
  EXPECT_STREQ(Element::texte_ligne(11).retournertexte(), "Casque : Hommes/Aucun");
  Element::Construction_en_cours[CASQUE] = 90;
  EXPECT_STREQ(Element::texte_ligne(11).retournertexte(), "Casque : ");
}

TEST_F(Apparence, PreviewDrawsTheFigureAtItsOwnPlace) {
  ecrire_png("peau.png", 50, 60, 0xFF0000FF);  // red
  dossier_set("Hommes/Veste", {"haut-1"}, true, 0xFF00FF00);
  Element::CouleurPeau[0][0][0] = AllouerImage("peau.png", 0, false);
  new Element("Aucun", 0);
  new Element("Veste", 0);
  Element::Construction_en_cours[HAUT1] = 1;
  Element::Construction_en_cours[CASQUE] = 255;
  Element::Bras_en_cours = 1;
  SDL_FillRect(general::ecran, nullptr, 0);
  Element::AfficherCreation(Rect(0, 0, 0, 0));
  Uint8 r, g, b;
  lire_rgb(general::ecran, 300 + 45, 100 + 55, r, g, b);
  EXPECT_EQ(r, 255);
  lire_rgb(general::ecran, 305, 105, r, g, b);  // the jacket over the skin
  EXPECT_EQ(g, 255);
  EXPECT_LT(r, 8);
  lire_rgb(general::ecran, 300 - 130 + (366 - 40) / 2 + 35, 108 + 5, r, g, b);  // the sleeve
  EXPECT_EQ(g, 255);
  lire_rgb(general::ecran, 5, 5, r, g, b);
  EXPECT_EQ(r + g + b, 0);
}

TEST_F(Apparence, PreviewShowsTheChosenMainWeaponAndNothingForAnIndexOutsideTheCatalogue) {
  ecrire_png("arme.png", 80, 6, 0xFFFF0000);  // blue
  Armes arme("Essai", FUSILS, 1, 1, 1, 1, 1, 1, false, 0, 0);
  arme.image[0] = arme.image[1] = AllouerImage("arme.png", 0, false);
  Element::ArmesPrincipales[5] = &arme;
  Uint8 r, g, b;
  const int x = 300 - 130 + (366 - 80) / 2;
  for (int choisie : {5, 4, 12, -1}) {
    SCOPED_TRACE(choisie);
    general::armeprincipale = static_cast<char>(choisie);
    SDL_FillRect(general::ecran, nullptr, 0);
    Element::AfficherCreation(Rect(0, 0, 0, 0));
    lire_rgb(general::ecran, x + 40, 108 + 3, r, g, b);
    EXPECT_EQ(b, choisie == 5 ? 255 : 0);
    lire_rgb(general::ecran, x - 1, 108 + 3, r, g, b);
    EXPECT_EQ(b, 0);
  }
  Element::ArmesPrincipales[5] = nullptr;
  general::armeprincipale = 0;
}

TEST_F(Apparence, PreviewFrameCountsToFourEveryTwoHundredMilliseconds) {
  Element::frame = 0;
  Element::cycle.en_cours = true;
  Element::cycle.remise_a_zero();
  for (int i = 1; i <= 6; ++i) {
    Horloge::avancer(201);
    Element::AfficherCreation(Rect(0, 0, 0, 0));
    EXPECT_EQ(Element::frame, i % 5);
  }
}

TEST_F(Apparence, DestroyedSetLeavesTheRegistry) {
  new Element("Aucun", 0);
  new Element("Un", 0);
  auto* e = new Element("Deux", 0);
  delete e;
  EXPECT_EQ(Element::relever(0, 2), nullptr);
  Element::Construction_en_cours[BAS1] = 2;
  Element::AfficherCreation(Rect(0, 0, 0, 0));
  Element::Previous(0);
  EXPECT_EQ(Element::Construction_en_cours[BAS1], 0);
}

}  // namespace
