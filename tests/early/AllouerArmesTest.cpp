// The earlier build's soldiers: armed by AllouerArmes from their record or
// the player's choices, turned by retourner_sens, stepping up the way they
// face, and the catalogue's snipers of that time.
#include <algorithm>
#include <vector>

#include "CatalogueComplet.h"
#include "Soldats.h"
#include "engine/Obstacle.h"
#include "weapons/Aura.h"
#include "weapons/Bouclier.h"
#include "weapons/TirV.h"

namespace {

class ArmesSoldat : public Soldats {
 protected:
  // Record entry 2 of the blades stands apart from the others.
  void SetUp() override {
    Soldats::SetUp();
    delete Element::ArmesMelee[2];
    Element::ArmesMelee[2] = new Katana(P_char("HG/"), 80);
  }
  static void armer(Tramer* t, int principale, int melee) {
    t->description.armeprincipale = static_cast<char>(principale);
    t->description.arme_melee = static_cast<char>(melee);
    t->AllouerArmes(false);
  }
};

}  // namespace

TEST_F(ArmesSoldat, RecordWeaponsGiveTheSoldiersBehaviourAndClass) {
  Tramer* t = soldat("Soldat", ENNEMI);
  ASSERT_NE(t, nullptr);
  t->comportement_actuel = SUIVRE_JOUEUR;
  Element::ArmesPrincipales[8]->set_id(8);
  armer(t, 8, 7);
  EXPECT_EQ(t->comportement_actuel, ATTAQUER_ENNEMI);
  ASSERT_NE(t->ArmePrincipale, nullptr);
  EXPECT_EQ(t->ArmePrincipale->get_type2(), 2) << "a rocket launcher";
  EXPECT_EQ(t->ArmePrincipale->get_id(), 8) << "picked up, it stays the hero's choice";
  EXPECT_EQ(t->classe, ARTILLEUR);
  ASSERT_NE(t->ArmeSecondaire, nullptr);
  EXPECT_STREQ(t->ArmeSecondaire->get_nom(), "HG/") << "melee 7 is blade 2";
  EXPECT_EQ(t->ArmeSecondaire->get_force(), 80);
  ASSERT_NE(t->Inventaire2[0], nullptr);
  EXPECT_STREQ(t->Inventaire2[0]->get_nom(), "HG-2/");
  EXPECT_EQ(t->Inventaire2[0]->get_force(), 25);
  ASSERT_NE(t->Inventaire2[1], nullptr);
  EXPECT_EQ(t->Inventaire2[1]->get_type2(), 6) << "a shield";

  armer(t, 2, 0);
  EXPECT_EQ(t->ArmePrincipale->get_type2(), 0);
  EXPECT_STREQ(t->ArmePrincipale->get_nom(), "QD-H");
  EXPECT_EQ(t->classe, CONDUCTEUR);
  armer(t, 4, 0);
  EXPECT_TRUE(t->ArmePrincipale->get_snipe());
  EXPECT_EQ(t->classe, SNIPER);
  armer(t, 1, 0);
  EXPECT_EQ(t->classe, NORMAL);
}

TEST_F(ArmesSoldat, HeroTakesCopiesOfItsChoicesAndKeepsItsClass) {
  general::fusil_choisi = 0;
  general::pistolet_choisi = 8;
  Tramer* t = soldat("Heros", ALLIE);
  t->classe = HERO;
  t->comportement_actuel = JOUEUR;
  t->AllouerArmes(true);
  EXPECT_EQ(t->classe, HERO);
  EXPECT_EQ(t->comportement_actuel, JOUEUR);
  ASSERT_NE(t->ArmePrincipale, nullptr);
  EXPECT_NE(t->ArmePrincipale, ArmesPrincipales[0]) << "a copy, not the catalogue's";
  EXPECT_STREQ(t->ArmePrincipale->get_nom(), "N-10");
  ASSERT_NE(t->ArmeSecondaire, nullptr);
  EXPECT_STREQ(t->ArmeSecondaire->get_nom(), "HG-2/");
  ASSERT_NE(Inventaire[0], nullptr);
  EXPECT_STREQ(Inventaire[0]->get_nom(), "QD-H");
}

TEST_F(ArmesSoldat, RespawnReplacesTheWeaponsWithFullOnes) {
  Tramer* t = soldat("Soldat", ALLIE, 0, 300);
  centre(2000, 400, ALLIE);
  proteger_fini();
  Armes* a = t->ArmePrincipale;
  a->Tirer(Rect(0, 300, 0, 0), false, false, 0);
  ASSERT_LT(a->get_charge_actuelle(), a->get_recharge());
  t->recevoirdegats(200, nullptr, 0, 0.0, 0);
  ASSERT_FALSE(t->vivant);
  t->reapparaitre2();
  EXPECT_TRUE(t->vivant);
  EXPECT_EQ(t->position.x, 2000);
  EXPECT_EQ(t->position.y, 300);
  ASSERT_NE(t->ArmePrincipale, nullptr);
  EXPECT_EQ(t->ArmePrincipale->get_charge_actuelle(), t->ArmePrincipale->get_recharge());
  // Protected again from the respawn.
  t->recevoirdegats(10, nullptr, 0, 0.0, 0);
  EXPECT_EQ(t->stats.pv_restants, 100);
}

TEST_F(ArmesSoldat, FacingLooksAtWhatLiesLeftOfTheCentreAndRightAtTheCentre) {
  Tramer* t = soldat("Soldat", ALLIE, 1000, 300);
  const int centre = 1000 + t->TramePrincipale.w / 2;
  EXPECT_EQ(t->retourner_sens(Rect(centre, 0, 0, 0)), 0);
  EXPECT_EQ(t->retourner_sens(Rect(centre - 1, 0, 0, 0)), 1);
  EXPECT_EQ(t->retourner_sens(Rect(centre + 1, 0, 0, 0)), 0);
  Tramer* o = soldat("Autre", ENNEMI, 1000, 300);
  EXPECT_EQ(t->retourner_sens(o), 0) << "the same centre";
  o->position.x = 990;
  EXPECT_EQ(t->retourner_sens(o), 1);

  // A hit turns the soldier to the nearest living enemy, wherever the shot came from.
  proteger_fini();
  Tramer* loin = soldat("Loin", ENNEMI, 3000, 300);
  loin->vivant = true;
  t->direction = DROITE;
  testing::internal::CaptureStdout();  // the bullet's trace
  auto* balle = new TirV(Rect(2000, 300, 0, 0), 0.0, GAUCHE, 0);
  testing::internal::GetCapturedStdout();
  balle->Tas = true;
  t->recevoirdegats(5, balle, GAUCHE, 0.0, 1);
  EXPECT_EQ(t->direction, GAUCHE) << "toward the one at 990, not the shooter at 2000";
}

using CatalogueEarly = CatalogueComplet;

TEST_F(CatalogueEarly, FourEntriesCarryUnlimitedRange) {
  std::vector<int> snipers;
  for (int i = 0; i < 12; ++i)
    if (Element::ArmesPrincipales[i]->get_snipe()) snipers.push_back(i);
  EXPECT_EQ(snipers, (std::vector<int>{4, 6, 10, 11}));
  EXPECT_EQ(Element::ArmesPrincipales[3]->get_type2(), 1) << "the shotgun";
  EXPECT_EQ(Element::ArmesPrincipales[3]->balle_en_cours, 0) << "its blast uses the first row";
  EXPECT_EQ(Element::ArmesPrincipales[8]->get_type2(), 2) << "the rocket launcher";
}

// Crouched, he probes downward, yet the step ahead is looked for the way he faces.
TEST_F(ArmesSoldat, ACrouchedSoldierStepsUpOntoALowBlockGoingLeftToo) {
  Tramer* t = soldat("Soldat", ALLIE, 400);
  ASSERT_NE(t, nullptr);
  const int pieds = 544 - 15;
  t->position.y = static_cast<Sint16>(pieds - t->TramePrincipale.h);
  t->action = DISCRET;
  t->direction = GAUCHE;
  auto* b = new Obstacle("Obstacles/bloc.png", Rect(0, pieds - 20, 0, 0));
  b->Tas = true;
  b->position.x = static_cast<Sint16>(t->position.x + t->TramePrincipale.x - 10 - b->TramePrincipale.w);
  t->evenement_hero(0, true);
  EXPECT_EQ(t->position.y, pieds - 20 - t->TramePrincipale.h + 8);
}
