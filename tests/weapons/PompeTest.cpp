#include "Armurerie.h"
#include "weapons/FlammePompe.h"
#include "weapons/FusilaPompe.h"

using Pompe = Armurerie;

namespace {
FusilaPompe* fusil_a_pompe() { return new FusilaPompe("QD-SG", FUSILS, 25, 80, 333, 6, 24, 2500, false, 0); }
}  // namespace

TEST_F(Pompe, BlastStandsAheadOfTheMuzzleAlongTheAngle) {
  std::unique_ptr<FusilaPompe> p(fusil_a_pompe());
  EXPECT_EQ(p->balle_en_cours, 3);
  EXPECT_EQ(p->Tirer(Rect(1000, 500, 0, 0), false, false, 0, false, false), 1);  // not aimed: a blast all the same
  FlammePompe* b = trouver<FlammePompe>().at(0);
  const int w0 = b->TramePrincipale.w, h0 = b->TramePrincipale.h;
  ASSERT_GT(w0, 0);
  EXPECT_EQ(b->position.x, 1000 - w0 / 2 + (w0 / 2 + 18));
  EXPECT_EQ(b->position.y, 500 - h0 / 2);
  EXPECT_EQ(p->get_charge_actuelle(), 5);
}

TEST_F(Pompe, BlastStrikesEachEnemyInReachOnceAndSparesTheAlly) {
  std::unique_ptr<FusilaPompe> p(fusil_a_pompe());
  p->set_camp(ALLIE);
  p->Tirer(Rect(1000, 500, 0, 0), false, true, 0, false, false);
  FlammePompe* b = trouver<FlammePompe>().at(0);
  const SDL_Rect z = b->position;
  Cible* e1 = cible(z.x, z.y, 10, 10, ENNEMI);
  Cible* e2 = cible(z.x + 5, z.y + 5, 10, 10, NUL);
  e2->physique = false;  // solidity does not matter to a blast
  Cible* ami = cible(z.x, z.y, 10, 10, ALLIE);
  Cible* mort = cible(z.x, z.y, 10, 10, ENNEMI);
  mort->vivant = false;
  Cible* loin = cible(z.x + 300, z.y, 10, 10, ENNEMI);
  e1->ranimer = true;  // puts the blast back alive

  b->blit_only();
  EXPECT_EQ(e1->coups, 0);  // the draw-only pass deals nothing
  for (int k = 0; k < 5; ++k) b->bliting();
  EXPECT_EQ(e1->coups, 1);
  EXPECT_EQ(e1->total, 25);
  EXPECT_EQ(e2->coups, 1);
  EXPECT_EQ(ami->coups, 0);
  EXPECT_EQ(mort->coups, 0);
  EXPECT_EQ(loin->coups, 0);
  EXPECT_FALSE(b->vivant);
}
