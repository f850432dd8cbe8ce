#include <cstdlib>
#include <filesystem>

#include <vector>

#include "Armurerie.h"
#include "engine/BoucleMonde.h"
#include "weapons/Armes.h"
#include "weapons/Flamme.h"
#include "weapons/FlammeV.h"
#include "weapons/FusilaPompe.h"
#include "weapons/Katana.h"
#include "weapons/LanceRoquette.h"
#include "weapons/Tir.h"
#include "weapons/TirV.h"

namespace {
Armes* fusil(short recharge = 6, short reserve = 24) {
  return new Armes("QD-AR", FUSILS, 20, 80, 333, recharge, reserve, 1000, false, 0, 0);
}
const SDL_Rect BOUCHE = {100, 200, 0, 0};
}  // namespace

using Arme = Armurerie;

TEST_F(Arme, FirstShotLeavesAtOnceAndASecondWithinThePeriodIsRefused) {
  std::unique_ptr<Armes> a(fusil());
  EXPECT_EQ(a->Tirer(BOUCHE, false, false, 0, false, false), 1);
  EXPECT_EQ(a->get_charge_actuelle(), 5);
  EXPECT_EQ(trouver<Tir>().size(), 1u);
  EXPECT_EQ(trouver<Flamme>().size(), 1u);

  Horloge::avancer(300);
  EXPECT_EQ(a->Tirer(BOUCHE, false, false, 0, false, false), 1);  // fired or not, the carrier fires
  EXPECT_EQ(a->get_charge_actuelle(), 5);
  EXPECT_EQ(trouver<Tir>().size(), 1u);
  Horloge::avancer(40);
  a->Tirer(BOUCHE, false, false, 0, false, false);
  EXPECT_EQ(a->get_charge_actuelle(), 4);
}

TEST_F(Arme, EmptyMagazineRefillsFromReserveAfterTheReloadTime) {
  std::unique_ptr<Armes> a(fusil());
  a->sethero(true);
  for (int i = 0; i < 6; ++i) {
    if (i > 0) Horloge::avancer(334);
    a->Tirer(BOUCHE, false, false, 0, false, false);
  }
  EXPECT_EQ(a->get_charge_actuelle(), 0);
  EXPECT_TRUE(a->etat_de_recharge);  // the call that fired the last round starts reloading

  Horloge::avancer(1000);
  Son::effacer_appels();
  a->Tirer(BOUCHE, false, false, 0, false, false);
  EXPECT_EQ(a->get_charge_actuelle(), 0);  // not yet
  Horloge::avancer(1);
  a->Tirer(BOUCHE, false, false, 0, false, false);
  EXPECT_EQ(a->get_charge_actuelle(), 6);
  EXPECT_EQ(a->get_nb_munition(), 18);
  EXPECT_FALSE(a->etat_de_recharge);
  bool son = false;
  for (const auto& c : Son::appels())
    if (c.operation == "play" && c.nom.find("recharger.wav") != std::string::npos) son = true;
  EXPECT_TRUE(son);  // the hero hears it
}

TEST_F(Arme, ReloadKeyRefillsAtOnceReturningTheRoundsLeft) {
  std::unique_ptr<Armes> a(fusil());
  for (int i = 0; i < 4; ++i) {
    a->Tirer(BOUCHE, false, false, 0, false, false);
    Horloge::avancer(334);
  }
  ASSERT_EQ(a->get_charge_actuelle(), 2);
  a->Tirer(BOUCHE, true, false, 0, false, false);
  EXPECT_EQ(a->get_charge_actuelle(), 6);
  EXPECT_EQ(a->get_nb_munition(), 20);
  // An empty reserve leaves the weapon reloading, not firing.
  std::unique_ptr<Armes> vide(fusil(6, 0));
  for (int i = 0; i < 8; ++i) {
    vide->Tirer(BOUCHE, false, false, 0, false, false);
    Horloge::avancer(1001);
  }
  EXPECT_EQ(vide->get_charge_actuelle(), 0);
  EXPECT_EQ(vide->get_nb_munition(), 0);
}

TEST_F(Arme, UnlimitedAmmunitionPutsEachRoundBack) {
  std::unique_ptr<Armes> a(fusil());
  for (int i = 0; i < 20; ++i) {
    a->Tirer(BOUCHE, false, i % 2 == 0, 30, false, true);
    EXPECT_EQ(a->get_charge_actuelle() + a->get_nb_munition(), 30);
    Horloge::avancer(400);
  }
}

TEST_F(Arme, AimedShotSplitsTheSpeedAlongTheAngle) {
  std::unique_ptr<Armes> a(fusil());
  a->sethero(true);
  a->Tirer(BOUCHE, false, true, 0, false, false);
  ASSERT_EQ(trouver<TirV>().size(), 1u);
  TirV* b = trouver<TirV>()[0];
  EXPECT_EQ(b->vitesse, 80);
  EXPECT_DOUBLE_EQ(b->p_y, 0.0);
  EXPECT_TRUE(b->gethero());
  EXPECT_TRUE(b->limite);
  EXPECT_EQ(trouver<FlammeV>().size(), 1u);
  delete b;

  Horloge::avancer(400);
  a->Tirer(BOUCHE, false, true, 90, false, false);
  b = trouver<TirV>()[0];
  EXPECT_EQ(b->vitesse, 0);
  EXPECT_NEAR(b->p_y, 80.0, 1e-6);
  EXPECT_EQ(b->get_vecteur_y(), 80);
  delete b;

  // Facing left and aiming left is a level shot along the facing.
  Horloge::avancer(400);
  a->set_direction(GAUCHE);
  a->Tirer(BOUCHE, false, true, 180, false, false);
  b = trouver<TirV>()[0];
  EXPECT_EQ(b->direction, GAUCHE);
  EXPECT_EQ(b->vitesse, 80);
  EXPECT_NEAR(b->p_y, 0.0, 1e-6);
}

TEST_F(Arme, StraightShotFacingLeftStartsLeftOfTheMuzzle) {
  std::unique_ptr<Armes> a(fusil());
  a->set_direction(GAUCHE);
  a->Tirer(BOUCHE, false, false, 0, false, false);
  Flamme* f = trouver<Flamme>().at(0);
  Tir* t = trouver<Tir>().at(0);
  EXPECT_EQ(f->position.x + f->TramePrincipale.w, BOUCHE.x);
  EXPECT_EQ(t->position.x + t->TramePrincipale.w, f->position.x);
  EXPECT_EQ(f->position.y, BOUCHE.y - f->TramePrincipale.h / 2);
  EXPECT_EQ(t->direction, GAUCHE);
}

TEST_F(Arme, HitScanPlacesTheBulletJustShortOfTheTarget) {
  Cible* c = cible(600, 150, 40, 120, ENNEMI);
  std::unique_ptr<Armes> a(fusil());
  a->Tirer(BOUCHE, false, true, 0, true, false);
  TirV* b = trouver<TirV>().at(0);
  // Placed a step short of where its next step would reach the target.
  EXPECT_LE(b->position.x + 80 + b->TramePrincipale.w, 600);
  EXPECT_GT(b->position.x + 160 + b->TramePrincipale.w, 600);
  EXPECT_EQ(b->parcours, 0);
  bool plein = false;
  for (const auto& x : Son::appels())
    if (x.operation == "volume" && x.valeur == 255) plein = true;
  EXPECT_TRUE(plein);
  b->comportement();
  EXPECT_EQ(c->coups, 0);
  b->comportement();
  EXPECT_EQ(c->coups, 1);
  EXPECT_EQ(c->total, 20);
  EXPECT_FALSE(b->vivant);

  // A speed too small for a whole step ends the stepping at once.
  std::unique_ptr<Armes> lent(new Armes("QD-AR", FUSILS, 20, 1, 333, 6, 24, 1000, false, 0, 0));
  lent->Tirer(BOUCHE, false, true, 45, true, false);
  EXPECT_EQ(lent->get_charge_actuelle(), 5);
}

TEST_F(Arme, MissingBulletPictureMakesNoBullet) {
  std::filesystem::remove("Armes/tir.png");
  oublier_image("Armes/tir.png");
  std::unique_ptr<Armes> a(fusil());
  a->Tirer(BOUCHE, false, false, 0, false, false);
  EXPECT_TRUE(trouver<Tir>().empty());
  EXPECT_EQ(a->get_charge_actuelle(), 5);
}

TEST_F(Arme, ResourcesComeFromTheWeaponFolderWithSharedFallbacks) {
  std::unique_ptr<Armes> a(fusil());
  ASSERT_NE(a->image[0], nullptr);
  EXPECT_EQ(a->donnerImage(1, 1), a->image[3]);
  EXPECT_EQ(a->donnerImage(1, 1)->w, (a->image[0]->w + 1) / 2);
  EXPECT_NE(a->donnerOmbre(), nullptr);
  EXPECT_EQ(a->donnerViseur(), AllouerImage("viseur.png", 0, false));  // no sight of its own
  std::unique_ptr<Armes> e(new Armes("Enfield", FUSILS, 40, 80, 4000, 30, 120, 1500, true, 0, 1));
  EXPECT_NE(e->donnerViseur(), AllouerImage("viseur.png", 0, false));
  std::unique_ptr<Armes> inconnue(new Armes("Inconnue", FUSILS, 1, 80, 100, 6, 24, 100, false, 0, 0));
  EXPECT_EQ(inconnue->donnerImage(0, 0), nullptr);
  EXPECT_EQ(inconnue->tir, general::tirer);
}

TEST_F(Arme, CopiesKeepTheKindAndWhatEachKindKeeps) {
  std::unique_ptr<Armes> a(fusil());
  a->Tirer(BOUCHE, false, false, 0, false, false);
  a->set_id(4);
  a->wex_requis = 500;
  std::unique_ptr<Armes> c(Reproduire_Arme(a.get()));
  EXPECT_EQ(c->get_type2(), 0);
  EXPECT_EQ(c->get_charge_actuelle(), 5);
  EXPECT_EQ(c->get_id(), 4);
  EXPECT_EQ(c->wex_requis, 500);
  EXPECT_STREQ(c->get_nom(), "QD-AR");

  std::unique_ptr<Armes> pompe(new FusilaPompe("QD-SG", FUSILS, 25, 80, 333, 6, 24, 2500, false, 0));
  pompe->set_id(3);
  std::unique_ptr<Armes> cp(Reproduire_Arme(pompe.get()));
  EXPECT_EQ(cp->get_type2(), 1);
  EXPECT_EQ(cp->get_temps_de_recharge(), 2500);
  EXPECT_EQ(cp->get_nb_munition(), 24);
  EXPECT_EQ(cp->balle_en_cours, 0);
  EXPECT_EQ(cp->get_id(), 3);  // which catalogue entry it is goes with it
  EXPECT_STREQ(cp->get_nom(), "QD-SG");

  std::unique_ptr<Armes> lance(new LanceRoquette("N-Dead-Launcher", FUSILS, 90, 80, 500, 20, 80, 5000, false, 0));
  std::unique_ptr<Armes> cl(Reproduire_Arme(lance.get()));
  EXPECT_EQ(cl->get_type2(), 2);
  EXPECT_EQ(cl->get_nb_munition(), 80);

  std::unique_ptr<Armes> lame(new Katana(P_char("Couteau/"), 60));
  std::unique_ptr<Armes> ck(Reproduire_Arme(lame.get()));
  EXPECT_EQ(ck->get_type2(), 3);
  EXPECT_EQ(ck->get_force(), 60);
  EXPECT_EQ(static_cast<Katana*>(ck.get())->katana, static_cast<Katana*>(lame.get())->katana);

  EXPECT_EQ(Reproduire_Arme(nullptr), nullptr);
}

TEST_F(Arme, NoShotWrapsRoundTheWorld) {
  // Every kind of shot, fired toward the nearer 16-bit edge of the world: past
  // it a wrapped shot would come back in at the other end. A row per side.
  for (int16_t sens : {DROITE, GAUCHE}) {
    const int y = sens == DROITE ? 200 : 3000, x = sens == DROITE ? 32000 : -32000;
    const int bord = sens == DROITE ? -32768 : 32467;  // the far end, where a wrapped blast would stand
    Cible* loin = cible(sens == DROITE ? -32000 : 31600, y - 200, 400, 400, ENNEMI);
    Cible* decor = cible(bord, y - 200, 300, 400, ENNEMI);
    decor->physique = false;  // struck by a blast only
    const double angle = sens == DROITE ? 0 : 180;
    struct Coup {
      Armes* arme;
      bool viser, instantane;
    };
    const std::vector<Coup> coups = {
        {fusil(), false, false},
        {fusil(), true, false},
        {fusil(), true, true},
        {new Armes("Enfield", FUSILS, 40, 80, 4000, 30, 120, 1500, true, 0, 1), true, false},
        {new Armes("Enfield", FUSILS, 40, 80, 4000, 30, 120, 1500, true, 0, 1), true, true},
        {new LanceRoquette("N-Dead-Launcher", FUSILS, 90, 80, 500, 20, 80, 5000, false, 0), false, false},
        {new LanceRoquette("N-Dead-Launcher", FUSILS, 90, 80, 500, 20, 80, 5000, false, 0), true, false},
        {new FusilaPompe("QD-SG", FUSILS, 25, 80, 333, 6, 24, 2500, false, 0), true, false},
    };
    for (const Coup& c : coups) {
      std::unique_ptr<Armes> a(c.arme);
      a->set_camp(ALLIE);
      a->set_direction(sens);
      // The blast stands ahead of the muzzle: fired from the very edge.
      const int bouche = a->get_type2() == 1 ? (sens == DROITE ? 32760 : -32760) : x;
      a->Tirer(Rect(bouche, y, 0, 0), false, c.viser, angle, c.instantane, false);
      EXPECT_EQ(a->get_charge_actuelle(), a->get_recharge() - 1) << a->get_nom();
    }
    for (int k = 0; k < 80; ++k) {
      Horloge::avancer(10);
      BlitingMapping();
    }
    EXPECT_EQ(loin->coups, 0) << (sens == DROITE ? "fired right" : "fired left");
    EXPECT_EQ(decor->coups, 0) << (sens == DROITE ? "fired right" : "fired left");
  }
}
