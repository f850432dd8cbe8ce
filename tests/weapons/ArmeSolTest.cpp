#include "BordsDuMonde.h"
#include "Soldats.h"
#include "engine/Obstacle.h"
#include "weapons/ArmeSol.h"

namespace {

class Sol : public Soldats {
 protected:
  void SetUp() override {
    Soldats::SetUp();
    // A 60 x 40 weapon whose silhouette is pure red.
    ecrire_png("Armes/Essai/Essai.png", 60, 40, 0xFF00FF00);
    ecrire_png("Armes/Essai/ombre.png", 60, 40, 0xFF0000FF);
    essai_ = new Armes("Essai", 1, 10, 80, 100, 10, 40, 500, false, 0, 0);
  }
  void TearDown() override {
    delete essai_;
    Soldats::TearDown();
  }
  ArmeSol* poser(int x, int y) { return new ArmeSol(essai_, Rect(x, y, 0, 0)); }
  static bool present(Mapping* o) {
    for (int32_t i = 0; i < Mapping::dernier_objet; ++i)
      if (Mapping::Objets[i] == o) return true;
    return false;
  }
  Armes* essai_ = nullptr;
};

TEST_F(Sol, FallsSixteenPixelsAFrameThenRestsOnTheScreensBottom) {
  ArmeSol* a = poser(100, 300);
  EXPECT_EQ(a->position.y, 378);
  EXPECT_EQ(a->TramePrincipale.w, 60);
  EXPECT_EQ(a->TramePrincipale.h, 40);
  EXPECT_EQ(a->camp, ENNEMI);
  EXPECT_EQ(a->layer, 5);
  EXPECT_FALSE(a->physique);
  EXPECT_TRUE(a->Tas);
  ASSERT_NE(a->Arme, nullptr);
  EXPECT_NE(a->Arme, essai_);
  int y = a->position.y;
  while (y < 481) {
    a->comportement();
    EXPECT_EQ(a->position.y, y + 16);
    y = a->position.y;
  }
  a->comportement();
  EXPECT_EQ(a->position.y, 489);
  a->comportement();
  EXPECT_EQ(a->position.y, 489);
  EXPECT_EQ(a->direction, BAS);
}

TEST_F(Sol, UnderWaterItKeepsSinking) {
  general::sous_marin = true;
  ArmeSol* a = poser(100, 500);
  for (int i = 0; i < 10; ++i) a->comportement();
  EXPECT_EQ(a->position.y, 578 + 160);
  a->position.y = 32760;  // but never round the world's bottom
  a->comportement();
  EXPECT_EQ(a->position.y, 32760);
}

TEST_F(Sol, SettlesEightPixelsIntoWhatItFallsOn) {
  ecrire_png("Obstacles/Caisse.png", 200, 50, 0xFF444444);
  auto* caisse = new Obstacle("Obstacles/Caisse.png", Rect(50, 450, 0, 0));
  caisse->Tas = true;
  ArmeSol* a = poser(100, 300);  // at 378, 40 high: the crate is 32 px below
  a->comportement();
  a->comportement();
  a->comportement();
  EXPECT_EQ(a->position.y, 450 - 40 + 8);
}

TEST_F(Sol, GoneFifteenSecondsAfterItFellAndTheFramePassFreesIt) {
  ArmeSol* a = poser(100, 300);
  Horloge::avancer(15000);
  a->comportement();
  EXPECT_TRUE(a->vivant);
  Horloge::avancer(1);
  a->comportement();
  EXPECT_FALSE(a->vivant);
  BlitingMapping();
  EXPECT_FALSE(present(a));
}

TEST_F(Sol, PickedUpByTheSoldierThePlayerControls) {
  centre(100, 500, ALLIE);
  Tramer* hero = soldat("Hero", 0, 0, 300);
  Tramer* ami = soldat("Ami", 0, 200, 300);
  hero->classe = HERO;
  Tramer::Hero = hero;
  ArmeSol* a = poser(0, 300);
  a->interragir2(hero);
  EXPECT_FALSE(a->vivant);
  EXPECT_STREQ(hero->ArmePrincipale->get_nom(), "Essai");
  EXPECT_NE(hero->ArmePrincipale, a->Arme);

  // The hero falls with the pool spent: the next pick-up is the ally's.
  hero->vivant = false;
  general::effectifs_map[0] = 1;
  hero->reapparaitrehero();
  ASSERT_EQ(Tramer::Hero, ami);
  ArmeSol* b = poser(200, 300);
  b->interragir2(ami);
  EXPECT_STREQ(ami->ArmePrincipale->get_nom(), "Essai");
}

TEST_F(Sol, ANonSoldierOnlyMakesItVanish) {
  Tramer* hero = soldat("Hero", 0, 0, 300);
  Tramer::Hero = hero;
  ArmeSol* a = poser(0, 300);
  Mapping autre;
  a->interragir2(&autre);
  EXPECT_FALSE(a->vivant);
  EXPECT_STREQ(hero->ArmePrincipale->get_nom(), "QD-AR");
  ArmeSol* b = poser(0, 300);
  b->vivant = false;  // already taken: a second hand gets nothing
  b->interragir2(hero);
  EXPECT_STREQ(hero->ArmePrincipale->get_nom(), "QD-AR");
}

TEST_F(Sol, ShowsItsSilhouetteOnlyWithinTheHerosReach) {
  Tramer* hero = soldat("Hero", 0, 500, 100);
  Tramer::Hero = hero;
  ArmeSol* a = poser(100, 100);  // drawn at y 178
  SDL_FillRect(general::ecran, nullptr, 0);
  a->bliting();
  Uint8 r, g, b;
  lire_rgb(general::ecran, 110, 180, r, g, b);
  EXPECT_LT(r, 10);
  EXPECT_GT(g, 245);
  hero->position.x = 120;
  a->bliting();
  lire_rgb(general::ecran, 110, 180, r, g, b);
  EXPECT_GT(r, 245);
  EXPECT_LT(g, 10);
}

TEST_F(Sol, AWeaponWithoutPictureLeavesNothingBehind) {
  Tramer* t = soldat("Sans", 1, 0, 300, 1, 10);
  delete t->ArmePrincipale;
  t->ArmePrincipale = new Armes("Inconnue", 1, 10, 80, 100, 10, 40, 500, false, 0, 0);
  general::wex_actuelle = 100;
  proteger_fini();
  t->recevoirdegats(50, nullptr, 0, 0.0, 0);
  EXPECT_FALSE(t->vivant);
  for (int32_t i = 0; i < Mapping::dernier_objet; ++i) EXPECT_EQ(dynamic_cast<ArmeSol*>(Mapping::Objets[i]), nullptr);
}

}  // namespace

// At the world's edges what a soldier leaves stays beside him, never at the far edge.
TEST_F(BordsEnBataille, WhatIsDroppedLaidOrFiredAtTheWorldsEdgeStaysThere) {
  const Bilan b = aux_bords();
  EXPECT_PRED1(au_bord, b.arme);
  EXPECT_PRED1(au_bord, b.pose);
  EXPECT_PRED1(au_bord, b.tir);
}

// At every edge what the hero throws, lays or raises comes out beside him;
// a shot aimed up into the void past the left edge climbs as aimed.
TEST_F(BordsEnBataille, WhatIsThrownLaidOrRaisedAtEachOfTheWorldsEdgesComesOutBesideTheHero) {
  lancers_aux_bords();
}
