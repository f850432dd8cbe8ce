#include <string>
#include <vector>

#include "Apparences.h"
#include "Banc.h"
#include "battle/Catalogues.h"

namespace {

using Catalogue = Banc;
using V = std::vector<std::string>;

TEST_F(Catalogue, EveryLineIsANameTheLastOneIncluded) {
  ecrire_fichier("Objets.txt", "a.png\nb.png");
  EXPECT_EQ(LireLignesCatalogue("Objets.txt"), (V{"a.png", "b.png"}));
  ecrire_fichier("Objets.txt", "a.png\n\nb.png\n");
  EXPECT_EQ(LireLignesCatalogue("Objets.txt"), (V{"a.png", "", "b.png", ""}));
}

TEST_F(Catalogue, CarriageReturnEndsALineOnlyBeforeALineFeed) {
  ecrire_fichier("Objets.txt", "a.png\r\nb\rc.png\r\n");
  EXPECT_EQ(LireLignesCatalogue("Objets.txt"), (V{"a.png", "b\rc.png", ""}));
}

TEST_F(Catalogue, MissingFileGivesOneEmptyNameAndNulEndsTheFile) {
  EXPECT_EQ(LireLignesCatalogue("Absent.txt"), (V{""}));
  ecrire_fichier("Objets.txt", std::string("a\nb\0c\nd", 7));
  EXPECT_EQ(LireLignesCatalogue("Objets.txt"), (V{"a", "b"}));
}

class CatalogueApparences : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    vider_apparences();
  }
  void TearDown() override {
    vider_apparences();
    Banc::TearDown();
  }
};

TEST_F(CatalogueApparences, ListedSetsFollowTheEmptySetInLineOrder) {
  ecrire_fichier("Hommes/Hommes.txt", "Garde\r\nPilote");
  ecrire_fichier("Femmes/Femmes.txt", "Medecin");
  ecrire_png("Hommes/Pilote/casque/run1.png", 4, 4, 0xFFFFFFFF);
  new Element("Aucun", 0);
  new Element("Aucun", 1);
  LectureHommes();
  LectureFemmes();
  ASSERT_EQ(Element::dernier_element[0], 3);
  ASSERT_EQ(Element::dernier_element[1], 2);
  EXPECT_STREQ(Element::Elements[0][1]->nom.retournertexte(), "Hommes/Garde");
  EXPECT_STREQ(Element::Elements[0][2]->nom.retournertexte(), "Hommes/Pilote");
  EXPECT_TRUE(Element::Elements[0][2]->existence[CASQUE]);
  EXPECT_STREQ(Element::Elements[1][1]->nom.retournertexte(), "Femmes/Medecin");
}

TEST_F(CatalogueApparences, ListPastTheRegistryIsCutWithoutHarm) {
  std::string liste;
  for (int i = 0; i < 300; ++i) liste += (i ? "\n" : "") + std::to_string(i);
  ecrire_fichier("Hommes/Hommes.txt", liste);
  new Element("Aucun", 0);
  LectureHommes();
  EXPECT_EQ(Element::dernier_element[0], NB_MAX_ELEMENTS);
  EXPECT_STREQ(Element::Elements[0][255]->nom.retournertexte(), "Hommes/254");
}

}  // namespace
