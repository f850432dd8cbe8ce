#include "Scene.h"

namespace {
class Lift : public Scene {
 protected:
  void SetUp() override {
    Scene::SetUp();
    ecrire_png("Divers/Ascenseur.png", 120, 20, 0xFF20C0E0);
    ecrire_png("Divers/b-ascenseur.png", 40, 40, 0xFF2020C0);
  }
};
}  // namespace

TEST_F(Lift, ClimbsToItsMarkerHoldsAndSinksHomeWhenLeft) {
  Ascenseur* lift = creer<Ascenseur>(Rect(0, 1000, 0, 0));
  creer<Bouton_Ascenseur>(Rect(0, 700, 0, 0));
  EXPECT_EQ(Ascenseur::nb_ascenseurs, 1);
  Tramer* passager = soldat(0, 890, ALLIE);

  // The lift touches the marker once its top is above y 740.
  for (int i = 0; i < 40; ++i) lift->comportement();
  EXPECT_EQ(lift->position.y, 730);
  EXPECT_EQ(passager->position.y, 730 - 110);  // carried
  EXPECT_EQ(lift->contact_bouton(), 1);
  for (int i = 0; i < 10; ++i) lift->comportement();
  EXPECT_EQ(lift->position.y, 730);

  passager->position.x = 3000;  // steps off
  for (int i = 0; i < 40; ++i) lift->comportement();
  EXPECT_EQ(lift->position.y, 1000);
  lift->comportement();
  EXPECT_EQ(lift->position.y, 1000);
}

TEST_F(Lift, EmptyOrDeadRiddenLiftStaysHome) {
  Ascenseur* lift = creer<Ascenseur>(Rect(0, 1000, 0, 0));
  creer<Bouton_Ascenseur>(Rect(0, 700, 0, 0));
  for (int i = 0; i < 5; ++i) lift->comportement();
  EXPECT_EQ(lift->position.y, 1000);

  Tramer* mort = soldat(10, 900, ALLIE);
  mort->vivant = false;
  for (int i = 0; i < 5; ++i) lift->comportement();
  EXPECT_EQ(lift->position.y, 1000);
  EXPECT_EQ(mort->position.y, 890);  // still carried
}

TEST_F(Lift, LiftRiddenForeverKeepsItsPositionInRange) {
  Ascenseur* lift = creer<Ascenseur>(Rect(0, -32000, 0, 0));
  Tramer* passager = soldat(0, -32100, ALLIE);
  int16_t plus_haut = lift->position.y;
  for (int i = 0; i < 500; ++i) {
    lift->comportement();
    ASSERT_LE(lift->position.y, plus_haut) << "the lift wrapped round";
    plus_haut = lift->position.y;
  }
  EXPECT_LT(lift->position.y, -32000);
  EXPECT_LT(passager->position.y, lift->position.y);
}

TEST_F(Lift, LiftListRefusesPastCapacity) {
  Ascenseur::nb_ascenseurs = Ascenseur::NB_MAX_ASCENSEURS - 1;
  Ascenseur* dernier = creer<Ascenseur>(Rect(0, 0, 0, 0));
  creer<Ascenseur>(Rect(0, 0, 0, 0));
  EXPECT_EQ(Ascenseur::nb_ascenseurs, Ascenseur::NB_MAX_ASCENSEURS);
  EXPECT_EQ(Ascenseur::Ascenseurs[Ascenseur::NB_MAX_ASCENSEURS - 1], dernier);
}

TEST_F(Lift, MarkerIsPressedUntilItIsNextDrawn) {
  Bouton_Ascenseur* b = creer<Bouton_Ascenseur>(Rect(0, 0, 0, 0));
  EXPECT_FALSE(b->get_enclenche());
  b->interragir(nullptr);
  EXPECT_TRUE(b->get_enclenche());
  b->bliting();
  EXPECT_FALSE(b->get_enclenche());
}
