#include <filesystem>
#include <string>

#include "Armurerie.h"
#include "weapons/Explosion.h"
#include "weapons/Fumee.h"
#include "weapons/LanceRoquette.h"
#include "weapons/Rocket.h"
#include "weapons/RocketV.h"

namespace {
LanceRoquette* lanceur() {
  return new LanceRoquette("N-Dead-Launcher", FUSILS, 90, 80, 500, 20, 80, 5000, false, 0);
}
}  // namespace

using Roquette = Armurerie;

TEST_F(Roquette, StraightRocketDealsNoDirectDamageAndExplodesOnItsSide) {
  // Without frames the blast is not centred on its picture: its point is the rocket's.
  std::filesystem::remove_all("Armes/Explosion-Roquette");
  for (int n = 1; n <= 10; ++n) oublier_image(("Armes/Explosion-Roquette/" + std::to_string(n) + ".png").c_str());
  Cible* c = cible(600, 150, 40, 120, ENNEMI);
  std::unique_ptr<LanceRoquette> l(lanceur());
  l->set_camp(ALLIE);
  EXPECT_EQ(l->Tirer(Rect(100, 200, 0, 0), false, false, 0, false, false), 1);
  Rocket* r = trouver<Rocket>().at(0);
  for (int k = 0; k < 10 && r->vivant; ++k) r->bliting();
  EXPECT_FALSE(r->vivant);
  EXPECT_EQ(c->coups, 0);
  auto e = trouver<Explosion>();
  ASSERT_EQ(e.size(), 1u);
  EXPECT_EQ(e[0]->camp, ALLIE);
  // At the rocket's far corner, raised by the blast's own height.
  EXPECT_EQ(e[0]->position.x, r->position.x + r->TramePrincipale.w);
  EXPECT_EQ(e[0]->position.y, r->position.y + r->TramePrincipale.h - e[0]->TramePrincipale.h);
}

TEST_F(Roquette, StraightRocketLeavesAPuffEachStepAndRetiresPastItsRange) {
  std::unique_ptr<LanceRoquette> l(lanceur());
  l->set_direction(GAUCHE);
  l->Tirer(Rect(5000, 200, 0, 0), false, false, 0, false, false);
  Rocket* r = trouver<Rocket>().at(0);
  EXPECT_EQ(r->position.x, 5000 - r->TramePrincipale.w);
  for (int k = 1; k <= 50; ++k) {
    r->bliting();
    EXPECT_EQ(trouver<Fumee>().size(), static_cast<size_t>(k));
  }
  EXPECT_TRUE(r->vivant);
  r->blit_only();  // the 51st step, even in the draw-only pass
  EXPECT_FALSE(r->vivant);
}

TEST_F(Roquette, AimedRocketDealsItsForceThenExplodesOnce) {
  Cible* c = cible(400, 100, 60, 200, ENNEMI);
  c->ranimer = true;  // protected: it lets the rocket go on
  std::unique_ptr<LanceRoquette> l(lanceur());
  l->set_camp(ALLIE);
  l->Tirer(Rect(100, 200, 0, 0), false, true, 0, false, false);
  EXPECT_EQ(l->get_charge_actuelle(), 19);
  RocketV* r = trouver<RocketV>().at(0);
  EXPECT_EQ(r->vitesse, 80);
  for (int k = 0; k < 8; ++k) {
    r->comportement();
    r->bliting();
  }
  EXPECT_EQ(c->coups, 1);
  EXPECT_EQ(c->total, 90);
  EXPECT_FALSE(r->vivant);
  auto e = trouver<Explosion>();
  ASSERT_EQ(e.size(), 1u);
  EXPECT_EQ(e[0]->camp, ALLIE);
  EXPECT_EQ(trouver<Fumee>().size(), 8u);
  // One that strikes by the world's right edge goes off there, not at the far left.
  cible(32750, 100, 17, 200, ENNEMI);
  Horloge::avancer(501);
  l->Tirer(Rect(32740, 200, 0, 0), false, true, 0, false, false);
  for (RocketV* v : trouver<RocketV>()) v->bliting();
  e = trouver<Explosion>();
  ASSERT_EQ(e.size(), 2u);
  for (Explosion* x : e) EXPECT_GT(x->position.x, 0);
}

TEST_F(Roquette, LeftFlyingAimedRocketKeepsItsRange) {
  std::unique_ptr<LanceRoquette> l(lanceur());
  l->Tirer(Rect(8000, 200, 0, 0), false, true, 180, false, false);
  RocketV* r = trouver<RocketV>().at(0);
  EXPECT_EQ(r->vitesse, -80);
  for (int k = 0; k < 50; ++k) {
    r->comportement();
    r->bliting();
  }
  EXPECT_TRUE(r->vivant);
  r->comportement();
  r->bliting();
  EXPECT_FALSE(r->vivant);
}

TEST_F(Roquette, PuffChangesFrameEveryHalfSecondAndFadesAfterTwo) {
  auto* f = new Fumee(Rect(10, 10, 0, 0));
  ASSERT_NE(f->img, nullptr);
  ASSERT_EQ(f->img->nb_frame, 3);
  f->bliting();
  EXPECT_EQ(f->diffusion, 0);
  Horloge::avancer(501);
  f->bliting();
  EXPECT_EQ(f->diffusion, 1);
  Horloge::avancer(501);
  f->bliting();
  Horloge::avancer(501);
  f->bliting();
  EXPECT_EQ(f->diffusion, 0);  // wraps around its frames
  EXPECT_TRUE(f->vivant);
  Horloge::avancer(500);
  f->bliting();
  EXPECT_FALSE(f->vivant);
}

TEST_F(Roquette, LauncherWithoutRocketPictureFiresNothingIntoTheWorld) {
  std::filesystem::remove("Armes/Roquette.png");
  oublier_image("Armes/Roquette.png");
  std::unique_ptr<LanceRoquette> l(lanceur());
  l->Tirer(Rect(100, 200, 0, 0), false, false, 0, false, false);
  Horloge::avancer(501);
  l->Tirer(Rect(100, 200, 0, 0), false, true, 30, false, false);
  EXPECT_TRUE(trouver<Rocket>().empty());
  EXPECT_TRUE(trouver<RocketV>().empty());
  EXPECT_EQ(l->get_charge_actuelle(), 18);
}

TEST_F(Roquette, StraightRocketsBlastStrikesTheEnemyAndSparesItsSide) {
  Cible* ennemi = cible(600, 150, 40, 120, ENNEMI);
  Cible* ami = cible(600, 150, 40, 120, ALLIE);
  std::unique_ptr<LanceRoquette> l(lanceur());
  l->set_camp(ALLIE);
  l->Tirer(Rect(100, 200, 0, 0), false, false, 0, false, false);
  Rocket* r = trouver<Rocket>().at(0);
  for (int k = 0; k < 10 && r->vivant; ++k) r->bliting();
  auto e = trouver<Explosion>();
  ASSERT_EQ(e.size(), 1u);
  ASSERT_GT(e[0]->nb_frame, 0);
  // The blast strikes every 100 ms while its frames play, 90 spread over them.
  for (int k = 0; k < 3; ++k) {
    Horloge::avancer(101);
    e[0]->comportement();
  }
  EXPECT_EQ(ennemi->coups, 3);
  EXPECT_EQ(ennemi->total, 3 * (90 / e[0]->nb_frame));
  EXPECT_EQ(ami->coups, 0);
}
