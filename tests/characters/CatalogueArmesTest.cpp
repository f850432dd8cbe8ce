#include <string>

#include "CatalogueComplet.h"

namespace {

class Catalogue : public CatalogueComplet {
 protected:
  static std::string nom(Armes* a) { return a ? a->get_nom() : "(null)"; }
};

}  // namespace

TEST_F(Catalogue, FirearmsFollowTheCharacterFileIndexWithTheirNumbers) {
  Armes** t = Element::ArmesPrincipales;
  EXPECT_EQ(nom(t[2]), "QD-H");  // the drivers' pistol
  EXPECT_EQ(nom(t[8]), "N-Dead-Launcher");
  EXPECT_EQ(t[8]->get_type2(), 2);  // a rocket launcher
  EXPECT_EQ(t[3]->get_type2(), 1);  // a shotgun
  EXPECT_EQ(t[1]->get_force(), 15);
  EXPECT_EQ(t[1]->get_frequence(), 150);
  EXPECT_EQ(t[1]->get_recharge(), 38);
  EXPECT_EQ(t[1]->get_temps_de_recharge(), 500);
  EXPECT_EQ(t[9]->get_type(), BAZOOKA);
  EXPECT_EQ(t[9]->balle_en_cours, 2);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(t[i]->get_snipe(), i == 4 || i == 11) << nom(t[i]);
  EXPECT_EQ(t[0]->wex_requis, 5200);
  EXPECT_EQ(t[8]->wex_requis, 8900);
}

TEST_F(Catalogue, UnlockListsAscendAndIdsAreThePlaceInTheChoiceTable) {
  const char* fusils[8] = {"QD-AR", "N-10", "O-LD", "QD-SG", "Enfield", "O-HG", "N-Destructor", "N-Dead-Launcher"};
  const char* pistolets[4] = {"QD-H", "Migal-513", "N-897", "QD-1SK"};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(nom(Fusils[i]), fusils[i]);
    if (i > 0) EXPECT_LE(Fusils[i - 1]->wex_requis, Fusils[i]->wex_requis);
    EXPECT_EQ(ArmesPrincipales[i], Fusils[i]);
    EXPECT_EQ(Fusils[i]->get_id(), i);
  }
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(nom(Pistolets[i]), pistolets[i]);
    EXPECT_EQ(ArmesPrincipales[8 + i]->get_id(), 8 + i);
  }
  EXPECT_EQ(Pistolets[4], nullptr);
  // The lists share the objects: an id reads the same through either table.
  EXPECT_EQ(Element::ArmesPrincipales[2]->get_id(), 8);
}

TEST_F(Catalogue, BladesThrowablesAurasAndTheStartingKit) {
  EXPECT_EQ(Element::ArmesMelee[0]->wex_requis, 7300);  // "Azura/" is melee byte 0
  EXPECT_EQ(Element::ArmesMelee[4]->wex_requis, 0);     // "Couteau/" is byte 4
  EXPECT_EQ(Melee[0], Element::ArmesMelee[4]);
  EXPECT_EQ(Melee[4], Element::ArmesMelee[0]);
  for (int i = 1; i < 5; ++i) EXPECT_LE(Melee[i - 1]->wex_requis, Melee[i]->wex_requis);

  EXPECT_EQ(Element::Projectile[0]->get_type2(), 5);  // smoke grenade
  EXPECT_EQ(Element::Projectile[1]->get_type2(), 4);  // grenade
  EXPECT_EQ(Projectiles[0], Element::Projectile[1]);
  EXPECT_EQ(Projectiles[1]->wex_requis, 200);
  EXPECT_EQ(Projectiles[3]->wex_requis, 1000);
  EXPECT_EQ(Projectiles[3]->get_type2(), early ? 4 : 7);

  EXPECT_EQ(nom(Element::Auras[2]), early ? "R\xE9g\xE9n\xE9ration" : "Regeneration");
  EXPECT_EQ(Element::Auras[1]->get_type(), FORCE);

  ASSERT_NE(Inventaire, nullptr);
  EXPECT_EQ(nom(Inventaire[0]), "QD-H");
  EXPECT_EQ(nom(Inventaire[1]), "QD-AR");
  EXPECT_EQ(Inventaire[0]->get_type2(), 0);
  EXPECT_NE(Inventaire[0], Element::ArmesPrincipales[2]);  // copies, not the catalogue's own
}
