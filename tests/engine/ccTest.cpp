#include "Scene.h"

namespace {
class Poste : public Scene {
 protected:
  void SetUp() override {
    Scene::SetUp();
    for (const char* n : {"Divers/cc-allie.png", "Divers/cc-neutre.png", "Divers/cc-ennemi.png"})
      ecrire_png(n, 80, 120, 0xFF808080);
  }
  // Runs the point at time t (ms after the capture started).
  void a(cc* p, Uint32 debut, Uint32 t) {
    Horloge::regler(debut + t);
    p->comportement();
  }
};
}  // namespace

TEST_F(Poste, CaptureNeedsMoreThanFourSecondsWithinLessThan200Pixels) {
  cc* proche = creer<cc>(Rect(1000, 1000, 0, 0), static_cast<int16_t>(NUL));
  cc* loin = creer<cc>(Rect(1000, 5000, 0, 0), static_cast<int16_t>(NUL));
  EXPECT_EQ(cc::nb_cc, 2);
  // Soldiers 50 px wide standing 199 px and 200 px right of each point.
  Tramer* a199 = soldat(1000 + 100 + 199, 1000, ALLIE);
  Tramer* a200 = soldat(1000 + 100 + 200, 5000, ALLIE);
  const Uint32 debut = Horloge::ticks();
  proche->interragir(a199);
  loin->interragir(a200);
  EXPECT_TRUE(proche->Evenementie.en_cours);
  EXPECT_EQ(proche->camp2, ALLIE);

  a(proche, debut, 4000);
  a(loin, debut, 4000);
  EXPECT_EQ(proche->camp, NUL);
  EXPECT_FALSE(loin->Evenementie.en_cours);  // nobody near: abandoned
  a(proche, debut, 4001);
  a(loin, debut, 4001);
  EXPECT_EQ(proche->camp, ALLIE);
  EXPECT_EQ(loin->camp, NUL);
}

TEST_F(Poste, LeavingEarlyAbandonsTheCapture) {
  cc* p = creer<cc>(Rect(0, 0, 0, 0), static_cast<int16_t>(NUL));
  Tramer* t = soldat(150, 0, ALLIE);
  const Uint32 debut = Horloge::ticks();
  p->interragir(t);
  a(p, debut, 2000);
  t->position.x = 2000;
  a(p, debut, 2100);
  t->position.x = 150;
  a(p, debut, 5000);
  EXPECT_EQ(p->camp, NUL);
  EXPECT_FALSE(p->Evenementie.en_cours);
}

TEST_F(Poste, NoSecondCaptureStartsWhileOneIsUnderWay) {
  cc* p = creer<cc>(Rect(0, 0, 0, 0), static_cast<int16_t>(ALLIE));
  Tramer* ami = soldat(0, 0, ALLIE);
  Tramer* ennemi = soldat(0, 0, ENNEMI);
  p->interragir(ami);
  EXPECT_FALSE(p->Evenementie.en_cours);  // already theirs
  p->camp = NUL;
  p->interragir(ami);
  p->interragir(ennemi);
  EXPECT_EQ(p->camp2, ALLIE);
}

TEST_F(Poste, NearestPointGoesToTheFirstListedOnATie) {
  Tramer* t = soldat(1000, 1000, ALLIE, 100, 100);
  EXPECT_EQ(ReleverCCLePlusProche(t, ENNEMI), nullptr);
  cc* gauche = creer<cc>(Rect(700, 1000, 0, 0), static_cast<int16_t>(ENNEMI));
  cc* droite = creer<cc>(Rect(1300, 1000, 0, 0), static_cast<int16_t>(ENNEMI));
  creer<cc>(Rect(1000, 1010, 0, 0), static_cast<int16_t>(ALLIE));  // nearest, wrong camp
  EXPECT_EQ(ReleverCCLePlusProche(t, ENNEMI), gauche);
  droite->position.x = 1299;
  EXPECT_EQ(ReleverCCLePlusProche(t, ENNEMI), droite);

  // Horizontally: only points level with the object count.
  gauche->position = Rect(1050, 5000, 0, 0);
  EXPECT_EQ(ReleverCCLePlusProche_x(t, ENNEMI), droite);
  EXPECT_EQ(ReleverCCLePlusProche_x(t, NUL), nullptr);
}

TEST_F(Poste, PointListRefusesPastCapacityAndForgetsDestroyedPoints) {
  for (int i = 0; i < cc::NB_MAX_CC; ++i) creer<cc>(Rect(0, 0, 0, 0), static_cast<int16_t>(NUL));
  cc* refuse = creer<cc>(Rect(0, 0, 0, 0), static_cast<int16_t>(NUL));
  EXPECT_EQ(cc::nb_cc, cc::NB_MAX_CC);
  for (int i = 0; i < cc::nb_cc; ++i) EXPECT_NE(cc::CCs[i], refuse);
  cc* premier = cc::CCs[0];
  oublier(premier);
  delete premier;
  EXPECT_EQ(cc::nb_cc, cc::NB_MAX_CC - 1);
  EXPECT_NE(cc::CCs[0], premier);
}
