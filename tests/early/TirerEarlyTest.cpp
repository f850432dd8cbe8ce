// The earlier build's firing: four arguments, the older reload, a traced
// vertical step for aimed shots, and a shotgun blast that flies and strikes.
#include <algorithm>
#include <cmath>
#include <string>

#include "../weapons/Armurerie.h"
#include "Bataille.h"
#include "BordsDuMonde.h"
#include "Sommet.h"
#include "characters/Tramer.h"
#include "weapons/Armes.h"
#include "weapons/Aura.h"
#include "weapons/Bouclier.h"
#include "weapons/FlammePompe.h"
#include "weapons/Fumigene.h"
#include "weapons/FusilaPompe.h"
#include "weapons/Grenade.h"
#include "weapons/Grenades.h"
#include "weapons/Katana.h"
#include "weapons/LanceRoquette.h"
#include "weapons/Projectiles.h"
#include "weapons/RocketV.h"
#include "weapons/Tir.h"
#include "weapons/TirV.h"

namespace {

const SDL_Rect BOUCHE = {100, 200, 0, 0};

class TirerEarly : public Armurerie {
 protected:
  // A player's rifle: magazine `recharge`, reserve `reserve`, 1000 ms reload.
  static Armes* fusil(short recharge, short reserve) {
    auto* a = new Armes("QD-AR", FUSILS, 20, 80, 333, recharge, reserve, 1000, false, 0, 0);
    a->sethero(true);
    return a;
  }
  static int sons_recharge() {
    return static_cast<int>(std::count_if(Son::appels().begin(), Son::appels().end(), [](const Son::Appel& c) {
      return c.operation == "play" && c.nom.find("recharger.wav") != std::string::npos;
    }));
  }
};

}  // namespace

TEST_F(TirerEarly, LastCartridgeStartsAReloadAtMinusOneThatRefillsAfterTheReloadTime) {
  std::unique_ptr<Armes> a(fusil(1, 5));
  EXPECT_EQ(a->Tirer(BOUCHE, false, false, 0), 1);
  EXPECT_EQ(trouver<Tir>().size(), 1u);
  EXPECT_EQ(a->get_charge_actuelle(), -1);
  EXPECT_TRUE(a->etat_de_recharge);
  EXPECT_EQ(a->get_nb_munition(), 5) << "nothing was left to give back";
  EXPECT_EQ(sons_recharge(), 1) << "the reload sounds as it starts";

  Horloge::avancer(1000);
  a->Tirer(BOUCHE, false, false, 0);
  EXPECT_EQ(a->get_charge_actuelle(), -1);
  EXPECT_EQ(trouver<Tir>().size(), 1u);
  Horloge::avancer(1);
  a->Tirer(BOUCHE, false, false, 0);
  EXPECT_EQ(a->get_charge_actuelle(), 1);
  EXPECT_EQ(a->get_nb_munition(), 4);
  EXPECT_FALSE(a->etat_de_recharge);
  EXPECT_EQ(sons_recharge(), 1);
}

TEST_F(TirerEarly, AReserveOfThreeRefillsThreeThenNothingAndEveryReloadSounds) {
  std::unique_ptr<Armes> a(fusil(6, 3));
  auto vider = [&](int n) {
    for (int i = 0; i < n; ++i) {
      Horloge::avancer(334);
      a->Tirer(BOUCHE, false, true, 0);
    }
  };
  testing::internal::CaptureStdout();
  vider(6);
  Horloge::avancer(1001);
  a->Tirer(BOUCHE, false, true, 0);
  EXPECT_EQ(a->get_charge_actuelle(), 3);
  EXPECT_EQ(a->get_nb_munition(), 0);
  vider(3);
  EXPECT_EQ(a->get_charge_actuelle(), -1);
  Horloge::avancer(1001);
  a->Tirer(BOUCHE, false, true, 0);
  EXPECT_EQ(a->get_charge_actuelle(), 0);
  EXPECT_EQ(a->get_nb_munition(), 0);
  a->Tirer(BOUCHE, false, true, 0);  // an empty reload, and the next one starts
  EXPECT_EQ(a->get_charge_actuelle(), -1);
  EXPECT_EQ(sons_recharge(), 3);
  EXPECT_EQ(trouver<TirV>().size(), 9u);
  // Every aimed bullet traced its vertical step, level shots 0.
  EXPECT_EQ(testing::internal::GetCapturedStdout(), std::string(9, '0'));
}

TEST_F(TirerEarly, TheReloadOnlyFlagDoesNothing) {
  std::unique_ptr<Armes> a(fusil(6, 24));
  for (int i = 0; i < 2; ++i, Horloge::avancer(334)) a->Tirer(BOUCHE, false, false, 0);
  ASSERT_EQ(a->get_charge_actuelle(), 4);
  const size_t tirs = trouver<Tir>().size();
  Son::effacer_appels();
  EXPECT_EQ(a->Tirer(BOUCHE, true, false, 0), 1);
  EXPECT_EQ(a->Tirer(BOUCHE, true, true, 30), 1);
  EXPECT_EQ(a->get_charge_actuelle(), 4);
  EXPECT_EQ(a->get_nb_munition(), 24);
  EXPECT_FALSE(a->etat_de_recharge);
  EXPECT_EQ(trouver<Tir>().size(), tirs);
  EXPECT_TRUE(trouver<TirV>().empty());
  EXPECT_TRUE(Son::appels().empty());
}

TEST_F(TirerEarly, EveryKindAnswersItsActionCode) {
  std::unique_ptr<Armes> fusils[3] = {
      std::unique_ptr<Armes>(fusil(6, 24)),
      std::make_unique<FusilaPompe>("QD-SG", FUSILS, 25, 80, 333, 6, 24, 2500, false, 0),
      std::make_unique<LanceRoquette>("N-Dead-Launcher", FUSILS, 90, 80, 500, 20, 80, 5000, false, 0)};
  testing::internal::CaptureStdout();
  for (auto& a : fusils) {
    EXPECT_EQ(a->Tirer(BOUCHE, false, true, 0), TIRER) << a->get_nom();
    EXPECT_EQ(a->Tirer(BOUCHE, false, true, 0), TIRER) << "refused by the cadence, still 1";
  }
  testing::internal::GetCapturedStdout();
  const int32_t objets = Mapping::dernier_objet;

  Katana lame(P_char("Couteau/"), 60);
  EXPECT_EQ(lame.Tirer(BOUCHE, false, false, 0), COGNER);
  Aura aura("Vitesse", VITESSE);
  EXPECT_EQ(aura.Tirer(BOUCHE, false, false, 0), 0);
  std::unique_ptr<Armes> lancers[3] = {std::make_unique<Grenade>(P_char("Armes/Grenades/grenade.png")),
                                       std::make_unique<Fumigene>(P_char("Armes/fumigene/projectile.png")),
                                       std::make_unique<Bouclier>(P_char("Armes/Bouclier/projectile.png"))};
  for (auto& l : lancers) {
    EXPECT_EQ(l->Tirer(BOUCHE, false, false, 0), PROJETER) << l->get_type2();
    l->charge_actuelle = 0;
    EXPECT_EQ(l->Tirer(BOUCHE, false, false, 0), 0) << "nothing left to throw";
    EXPECT_EQ(l->charge_actuelle, 0);
  }
  EXPECT_EQ(Mapping::dernier_objet, objets) << "only the firearms make anything";
}

TEST_F(TirerEarly, AimedRocketTracesItsStepAndEveryShotSoundsByDistance) {
  std::unique_ptr<LanceRoquette> l(
      new LanceRoquette("N-Dead-Launcher", FUSILS, 90, 80, 500, 20, 80, 5000, false, 0));
  Cible* camera = cible(100 + 1800, 200, 0, 0, NUL);
  Mapping::centre_scrolling = camera;
  testing::internal::CaptureStdout();
  l->Tirer(BOUCHE, false, true, 45);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "80");
  ASSERT_EQ(trouver<RocketV>().size(), 1u);
  RocketV* r = trouver<RocketV>()[0];
  EXPECT_EQ(r->vitesse, static_cast<int>(80 * std::cos(45 * PI_ARMES / 180)));
  // The sound plays at the rocket's distance from the camera's object.
  const int d = static_cast<int>(std::hypot(r->calcul_distance_x(camera), r->calcul_distance_y(camera)));
  ASSERT_FALSE(Son::appels().empty());
  EXPECT_EQ(Son::appels().back().valeur, d < 3600 ? 255 - d * 255 / 3600 : 0);
  Mapping::centre_scrolling = nullptr;
}

TEST_F(TirerEarly, ShotgunBlastTakesTheWeaponsRowFliesAndStrikes) {
  // The earlier start-up leaves the later blast row empty.
  const char* rangee3[6];
  std::copy(general::Flammes[3], general::Flammes[3] + 6, rangee3);
  std::fill(general::Flammes[3], general::Flammes[3] + 6, nullptr);
  std::unique_ptr<FusilaPompe> p(new FusilaPompe("QD-SG", FUSILS, 25, 80, 333, 6, 24, 2500, false, 0));
  EXPECT_EQ(p->balle_en_cours, 0);
  p->set_camp(ALLIE);
  const SDL_Rect bouche = {1000, 500, 0, 0};
  p->Tirer(bouche, false, false, 0);
  std::copy(rangee3, rangee3 + 6, general::Flammes[3]);
  ASSERT_EQ(trouver<FlammePompe>().size(), 1u);
  FlammePompe* b = trouver<FlammePompe>()[0];
  ASSERT_GT(b->nb_frame, 0) << "frames from the weapon's own row";
  EXPECT_EQ(b->position.x, 1000) << "from the muzzle itself";
  EXPECT_EQ(b->position.y, 500);
  EXPECT_EQ(b->vitesse, 80);
  EXPECT_EQ(p->get_charge_actuelle(), 5);

  // An enemy two steps ahead: the blast flies on and hits it once.
  Cible* e = cible(1000 + b->TramePrincipale.w + 100, 500, 20, b->TramePrincipale.h, ENNEMI);
  Cible* ami = cible(1000, 500, 20, 20, ALLIE);
  for (int k = 0; k < 4 && b->vivant; ++k) {
    b->comportement();
    if (b->vivant) b->bliting();
  }
  EXPECT_EQ(e->coups, 1);
  EXPECT_EQ(e->total, 25);
  EXPECT_EQ(ami->coups, 0);
  EXPECT_FALSE(b->vivant);
}

TEST_F(TirerEarly, ShotgunBlastIsGoneAfterItsLastFrameWithoutStrikingWhatItCovers) {
  std::unique_ptr<FusilaPompe> p(new FusilaPompe("QD-SG", FUSILS, 25, 80, 333, 6, 24, 2500, false, 0));
  p->set_camp(ALLIE);
  // Over the whole flight, but not solid: a bullet's probe passes it by.
  Cible* decor = cible(900, 400, 600, 300, ENNEMI);
  decor->physique = false;
  p->Tirer(Rect(1000, 500, 0, 0), false, true, 0);
  FlammePompe* b = trouver<FlammePompe>().at(0);
  ASSERT_GT(b->nb_frame, 1);
  int images = 0;
  for (; b->vivant && images < 10; ++images) {
    b->comportement();
    if (b->vivant) b->bliting();
  }
  EXPECT_EQ(images, b->nb_frame);
  EXPECT_EQ(b->position.x, 1000 + images * 80) << "it flew all the way";
  EXPECT_EQ(decor->coups, 0);
}

TEST_F(TirerEarly, LimitedAimedBulletRunsOutByItsHorizontalSteps) {
  // Across 56 a step at 45 degrees and 40 at 60: past half of 960 on the 9th and 13th.
  const struct {
    double angle;
    int pas;
  } attendus[] = {{45, 9}, {60, 13}};
  testing::internal::CaptureStdout();
  for (const auto& e : attendus) {
    std::unique_ptr<Armes> a(fusil(6, 24));
    a->Tirer(Rect(100, 8000, 0, 0), false, true, e.angle);
    TirV* b = trouver<TirV>().at(0);
    int k = 0;
    for (; b->vivant && k < 100; ++k) {
      b->comportement();
      b->bliting();
    }
    EXPECT_EQ(k, e.pas) << e.angle;
    delete b;
  }
  testing::internal::GetCapturedStdout();
}

TEST_F(TirerEarly, AThrownGrenadeStopsAtTheWorldsEdgeInsteadOfWrappingRound) {
  Grenade g(P_char("Armes/Grenades/grenade.png"));
  g.afficher_arme(BOUCHE, 1, GAUCHE);
  auto v = trouver<Grenades>();
  ASSERT_EQ(v.size(), 1u);
  v[0]->position.x = -32750;
  v[0]->comportement();
  EXPECT_EQ(v[0]->position.x, -32750);
}

using TirEnBataille = Bataille;

TEST_F(TirEnBataille, TheHerosGunFiresAfterTwentyFiveDaysOfPlayAsItDidAtStartUp) {
  EXPECT_GE(rafales_du_hero(3u << 30), 3);
}

// At the world's edges what a soldier leaves stays beside him, never at the far edge.
TEST_F(BordsEnBataille, WhatIsDroppedThrownOrFiredAtTheWorldsEdgeStaysThere) {
  const Bilan b = aux_bords();
  EXPECT_PRED1(au_bord, b.arme);
  EXPECT_PRED1(au_bord, b.pose);
  EXPECT_PRED1(au_bord, b.tir);
}

// By the world's top edge a landing, a jump, a return above a post and an
// aim by the right edge all stay by the edge they are at.
TEST_F(SommetEnBataille, LandingJumpingRespawningAndAimingByTheTopStayThere) { au_sommet(); }

// At every edge what the hero throws, lays or raises comes out beside him;
// a shot aimed up into the void past the left edge climbs as aimed.
TEST_F(BordsEnBataille, WhatIsThrownLaidOrRaisedAtEachOfTheWorldsEdgesComesOutBesideTheHero) {
  lancers_aux_bords();
}
