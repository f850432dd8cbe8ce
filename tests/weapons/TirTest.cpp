#include "Armurerie.h"
#include "weapons/Armes.h"
#include "weapons/Flamme.h"
#include "weapons/FlammeV.h"
#include "weapons/LanceRoquette.h"
#include "weapons/RocketV.h"
#include "weapons/Tir.h"
#include "weapons/TirV.h"

namespace {
Tir* balle(int x, int y, int16_t dir, int16_t camp) {
  auto* t = new Tir();
  t->position = Rect(x, y, 0, 0);
  t->direction = dir;
  t->camp = camp;
  t->force = 15;
  return t;
}

// Behaviour and drawing passes run until the shot is spent: how many it flew.
int pas_de_vol(Mapping* m) {
  int k = 0;
  for (; m->vivant && k < 1000; ++k) {
    m->comportement();
    m->bliting();
  }
  return k;
}
}  // namespace

using Balle = Armurerie;

TEST_F(Balle, StraightBulletHitsOnThePredictedFrame) {
  Cible* c = cible(500, 180, 40, 60, ENNEMI);
  Tir* t = balle(100, 200, DROITE, ALLIE);
  ASSERT_EQ(t->TramePrincipale.w, 14);
  // Front edge after step k: 114 + 80k; the probe reaches 80 further: first beyond 500 at k = 4.
  for (int k = 1; k <= 3; ++k) t->bliting();
  EXPECT_EQ(c->coups, 0);
  t->bliting();
  EXPECT_EQ(c->coups, 1);
  EXPECT_EQ(c->total, 15);
  EXPECT_DOUBLE_EQ(c->angle, 0.0);
  EXPECT_FALSE(t->vivant);
  EXPECT_EQ(t->position.x, 100 + 5 * 80);
}

TEST_F(Balle, StraightBulletPassesOwnCampNonSolidAndHiddenButHitsTheDead) {
  cible(300, 180, 40, 60, ALLIE);
  cible(380, 180, 40, 60, ENNEMI)->physique = false;
  cible(460, 180, 40, 60, ENNEMI)->affichage = false;
  Cible* mort = cible(700, 180, 40, 60, NUL);
  mort->vivant = false;
  Tir* t = balle(100, 200, DROITE, ALLIE);
  for (int k = 0; k < 10 && t->vivant; ++k) t->bliting();
  for (auto& c : cibles_) EXPECT_EQ(c->coups, c.get() == mort ? 1 : 0);

  // Facing left, the bullet strikes what lies left of it.
  Cible* g = cible(0, 180, 40, 60, ENNEMI);
  Tir* u = balle(400, 200, GAUCHE, ALLIE);
  for (int k = 0; k < 10 && u->vivant; ++k) u->bliting();
  EXPECT_EQ(g->coups, 1);
}

TEST_F(Balle, StraightBulletRetiresOnItsFiftyFirstStep) {
  Tir* t = balle(0, 0, DROITE, ALLIE);
  for (int k = 0; k < 50; ++k) t->bliting();
  EXPECT_TRUE(t->vivant);
  t->blit_only();  // the draw-only pass still moves it
  EXPECT_FALSE(t->vivant);
  EXPECT_EQ(t->position.x, 51 * 80);
}

TEST_F(Balle, AimedBulletSkipsTheDeadAndRetiresPastHalfAScreen) {
  Cible* mort = cible(300, 150, 40, 100, ENNEMI);
  mort->vivant = false;
  auto* b = new TirV(Rect(100, 200, 0, 0), 0, DROITE, 0);
  b->camp = ALLIE;
  for (int k = 0; k < 6; ++k) {
    b->comportement();
    b->bliting();
  }
  EXPECT_EQ(mort->coups, 0);
  EXPECT_TRUE(b->vivant);  // 480 flown: not yet past half of 960
  EXPECT_EQ(b->position.y, 200);
  b->comportement();
  b->bliting();
  EXPECT_FALSE(b->vivant);

  // Aimed behind its facing, the step is negative: the range holds all the same.
  auto* r = new TirV(Rect(2000, 200, 0, 0), 0, DROITE, 0);
  r->vitesse = -80;
  for (int k = 0; k < 7; ++k) {
    r->comportement();
    r->bliting();
  }
  EXPECT_FALSE(r->vivant);
}

TEST_F(Balle, AimedBulletFlightFollowsItsSteps) {
  Cible* c = cible(100, -100, 40, 200, ENNEMI);
  auto* b = new TirV(Rect(100, 400, 0, 0), 90, DROITE, 1);
  b->camp = ALLIE;
  b->vitesse = 0;
  b->p_y = 80;
  b->force = 7;
  for (int k = 0; k < 8 && b->vivant; ++k) b->comportement();
  EXPECT_EQ(c->coups, 1);
  EXPECT_EQ(c->total, 7);
  EXPECT_DOUBLE_EQ(c->angle, 90.0);
  EXPECT_EQ(b->position.y, 400);  // the true height lives in y
  EXPECT_LT(b->y, 400);
  // In the draw-only pass it stays still.
  const double y = b->y;
  b->vivant = true;
  b->blit_only();
  EXPECT_EQ(b->y, y);
}

TEST_F(Balle, FlashesLastTheirFrames) {
  auto* f = new Flamme(Rect(10, 10, 0, 0), DROITE);
  f->bliting();
  EXPECT_FALSE(f->vivant);

  auto* v = new FlammeV(Rect(200, 200, 0, 0), 30, DROITE, 0);
  ASSERT_EQ(v->nb_frame, 2);
  EXPECT_EQ(v->position.x, 200 - v->TramePrincipale.w / 2);
  // A muzzle at the world's left or top edge flashes there, not at the far one.
  auto* bord = new FlammeV(Rect(INT16_MIN, INT16_MIN, 0, 0), 30, GAUCHE, 0);
  EXPECT_EQ(bord->position.x, INT16_MIN);
  EXPECT_EQ(bord->position.y, INT16_MIN);
  v->blit_only();
  EXPECT_EQ(v->frame_en_cours, 0);
  v->bliting();
  EXPECT_TRUE(v->vivant);
  v->bliting();
  EXPECT_FALSE(v->vivant);
  v->vivant = true;  // put back alive, it draws nothing past its frames
  v->bliting();
  v->blit_only();
}

TEST_F(Balle, RotatedFramesFollowTheSpriteRow) {
  auto* b = new TirV(Rect(0, 0, 0, 0), 0, DROITE, 0);
  EXPECT_EQ(b->nb_frame, 3);
  auto* l = new TirV(Rect(0, 0, 0, 0), 180, GAUCHE, 2);
  EXPECT_EQ(l->nb_frame, 1);
  EXPECT_DOUBLE_EQ(l->Angle, 0.0);
  auto* hors = new TirV(Rect(0, 0, 0, 0), 0, DROITE, 9);  // an unknown row reads row 0
  EXPECT_EQ(hors->nb_frame, 3);
}

TEST_F(Balle, ZoomedViewScalesAroundTheScreenCentre) {
  general::zoom = 0.5;
  general::Scrolling = Rect(100, 40, 0, 0);
  auto* t = new Tir();
  t->position = Rect(1000, 300, 0, 0);
  t->vitesse = 0;
  SDL_FillRect(general::ecran, nullptr, 0);
  t->bliting();
  // x: 500 - 50 + 240 = 690; y: 150 - 20 + 272 = 402.
  Uint8 r, g, b;
  lire_rgb(general::ecran, 691, 403, r, g, b);
  EXPECT_GT(r, 200);
}

TEST_F(Balle, UnlimitedMissFliesOnToTheWorldsEdgeAndNeverWraps) {
  Cible* derriere = cible(100, 150, 40, 100, ENNEMI);
  cible(3000, 150, 40, 100, ALLIE);  // the map's far wall, of its own side
  auto* b = new TirV(Rect(1000, 200, 0, 0), 0, DROITE, 0);
  b->camp = ALLIE;
  b->set_limite(false);
  int pas = 0;
  for (; b->vivant && pas < 2000; ++pas) {
    b->comportement();
    b->bliting();
    ASSERT_GE(b->position.x, 1000);
  }
  EXPECT_FALSE(b->vivant);
  EXPECT_GT(b->position.x, 32767 - 80);
  EXPECT_EQ(derriere->coups, 0);

  // A straight bullet near the end of the 16-bit range is spent, not wrapped.
  Tir* t = balle(32700, 0, DROITE, ALLIE);
  t->bliting();
  EXPECT_FALSE(t->vivant);
  EXPECT_EQ(t->position.x, 32700);
}

TEST_F(Balle, ShotStraightUpCountsNoRangeAndIsSpentAtTheWorldsEdge) {
  auto* b = new TirV(Rect(100, 4000, 0, 0), 90, DROITE, 0);
  b->camp = ALLIE;
  b->vitesse = 0;  // its horizontal step rounded to nothing
  b->p_y = 80;
  const int pas = pas_de_vol(b);
  EXPECT_EQ(b->parcours, 0);
  EXPECT_EQ(pas, (4000 + 32768) / 80 + 1);
  EXPECT_GE(b->y, -32768);
}

TEST_F(Balle, AimedRangeCountsOnlyTheHorizontalSteps) {
  // 80 px a step split along the aim: 56 across at 45 degrees, 40 at 60; past
  // 480 for a bullet (half of 960), past 4000 for a rocket.
  const struct {
    double angle;
    int pas;
  } attendus[] = {{45, 9}, {60, 13}};
  for (const auto& e : attendus) {
    std::unique_ptr<Armes> a(new Armes("QD-AR", FUSILS, 20, 80, 333, 6, 24, 1000, false, 0, 0));
    a->Tirer(Rect(100, 8000, 0, 0), false, true, e.angle, false, false);
    TirV* b = trouver<TirV>().at(0);
    EXPECT_EQ(pas_de_vol(b), e.pas) << e.angle;
    delete b;
  }
  std::unique_ptr<LanceRoquette> l(new LanceRoquette("N-Dead-Launcher", FUSILS, 90, 80, 500, 20, 80, 5000, false, 0));
  l->Tirer(Rect(100, 8000, 0, 0), false, true, 45, false, false);
  EXPECT_EQ(pas_de_vol(trouver<RocketV>().at(0)), 72);
}
