#include <fstream>
#include <iterator>
#include <string>

#include "Banc.h"
#include "Palette.h"
#include "battle/Catalogues.h"

namespace {

class CataloguePalette : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    vider_palette();
  }
  void TearDown() override {
    vider_palette();
    Banc::TearDown();
  }
  std::string lire(const char* nom) {
    std::ifstream f(dossier_ / nom, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  }
  static const char* nom(long i) { return Objet_de_Reference::Objets_de_Reference[i]->Nom.retournertexte(); }
};

TEST_F(CataloguePalette, ThreePassReaderLeavesItsDiagnosticsAndDropsCarriageReturns) {
  ecrire_fichier("Obstacles.txt", "ab\r\nc\rd");
  LectureObstacles();
  ASSERT_EQ(Objet_de_Reference::nb_Objet_de_reference, 2);
  EXPECT_STREQ(nom(0), "Obstacles/ab");
  EXPECT_STREQ(nom(1), "Obstacles/cd");
  EXPECT_EQ(lire("Test2.txt"), "ab\nc\rd\n2\n4\n5\n");
  EXPECT_TRUE(std::filesystem::exists(dossier_ / "Test3.txt"));
  EXPECT_EQ(lire("Test3.txt"), "");

  // A missing catalog makes nothing and empties the diagnostics.
  ecrire_fichier("Vehicules/Aeriens.txt", "x/");
  LectureVehiculesTerrestres();
  EXPECT_EQ(Objet_de_Reference::nb_Objet_de_reference, 2);
  EXPECT_EQ(lire("Test2.txt"), "");
  LectureVehiculesAeriens();
  ASSERT_EQ(Objet_de_Reference::nb_Objet_de_reference, 3);
  EXPECT_STREQ(nom(2), "Vehicules/Aeriens/x/");
}

TEST_F(CataloguePalette, SimpleReadersKeepALoneCarriageReturnAndReadCrLfAsLf) {
  ecrire_fichier("Objets.txt", "a\r\nb\rc\r\n");
  ecrire_fichier("Objets_Animes.txt", "feu/");
  LectureObjets();
  LectureObjetsAnimes();
  ASSERT_EQ(Objet_de_Reference::nb_Objet_de_reference, 4);
  EXPECT_STREQ(nom(0), "a");
  EXPECT_STREQ(nom(1), "b\rc");
  EXPECT_STREQ(nom(2), "");
  EXPECT_STREQ(nom(3), "Objets_Animes/feu/");
}

TEST_F(CataloguePalette, ShadowsLoseCapitalNAndRAndAMissingListGivesOneEntry) {
  ecrire_png("Ombres/uage.png", 40, 20, 0xFF000000);
  ecrire_fichier("Ombres.txt", "Nuage.png\r\nrnRN");
  LectureOmbres();
  ASSERT_EQ(Objet_de_Reference::nb_Objet_de_reference, 2);
  EXPECT_STREQ(nom(0), "uage.png");
  EXPECT_STREQ(nom(1), "rn");
  Objet_de_Reference* o = Objet_de_Reference::Objets_de_Reference[0];
  EXPECT_EQ(o->type, OMBRE);
  ASSERT_NE(o->image[1], nullptr);
  EXPECT_NE(o->image[0], nullptr);
  EXPECT_EQ(o->TramePrincipale.w, 20);

  vider_palette();
  std::filesystem::remove(dossier_ / "Ombres.txt");
  LectureOmbres();
  ASSERT_EQ(Objet_de_Reference::nb_Objet_de_reference, 1);
  EXPECT_STREQ(nom(0), "");
  EXPECT_EQ(lire("Test3.txt"), "");
}

}  // namespace
