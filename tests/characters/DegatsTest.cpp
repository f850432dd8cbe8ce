#include "Ejection.h"
#include "Soldats.h"
#include "engine/Mapping.h"
#include "weapons/ArmeSol.h"
#include "weapons/Explosion.h"
#include "weapons/Rocket.h"
#include "weapons/Tir.h"
#include "weapons/TirV.h"

namespace {

class Degats : public Soldats {
 protected:
  // A bullet at height y; `joueur` when the player fired it.
  TirV* balle(int y, bool joueur, int16_t direction = DROITE) {
    auto* b = new TirV(Rect(0, y, 0, 0), 0.0, direction, 0);
    b->sethero(joueur);
    b->vivant = false;  // as a bullet is when it hands over its damage
    return b;
  }
  static int sols() {
    int n = 0;
    for (int32_t i = 0; i < Mapping::dernier_objet; ++i)
      if (dynamic_cast<ArmeSol*>(Mapping::Objets[i])) ++n;
    return n;
  }
};

TEST_F(Degats, SpawnProtectionLetsBulletsThroughButNotBlasts) {
  Tramer* t = soldat("Cible", 1, 0, 300);
  TirV* b = balle(400, false);
  t->recevoirdegats(30, b, 0, 0.0, 0);
  EXPECT_EQ(t->stats.pv_restants, 100);
  EXPECT_TRUE(b->vivant);
  auto* e = new Explosion(P_char("Armes/Explosion3/"), Rect(0, 400, 0, 0), 50);
  auto* r = new Rocket();
  e->vivant = r->vivant = false;
  t->recevoirdegats(30, e, 0, 0.0, 0);
  t->recevoirdegats(30, r, 0, 0.0, 0);
  EXPECT_FALSE(e->vivant);
  EXPECT_FALSE(r->vivant);
  EXPECT_EQ(nb_sons("Impact"), 0);
  Horloge::avancer(1999);
  t->recevoirdegats(30, b, 0, 0.0, 0);
  EXPECT_EQ(t->stats.pv_restants, 100);
  Horloge::avancer(2);
  b->vivant = false;
  t->recevoirdegats(30, b, 0, 0.0, 0);
  EXPECT_EQ(t->stats.pv_restants, 70);
  EXPECT_FALSE(b->vivant);
  EXPECT_EQ(nb_sons("Impact"), 1);
}

TEST_F(Degats, PlayersHeadShotKillsAtOnceExceptAMapTarget) {
  Tramer* t = soldat("Cible", 1, 0, 300, 1, 100, 40);
  Tramer* objectif = soldat("Objectif", 1, 0, 300);
  objectif->be_objectif(1, 500);
  proteger_fini();
  // Standing man: the head ends at y + 25 + 15.
  t->recevoirdegats(5, balle(300 + 39, true), 0, 0.0, 0);
  EXPECT_EQ(t->stats.pv_restants, 0);
  EXPECT_FALSE(t->vivant);
  EXPECT_EQ(general::nb_hs, 1);
  EXPECT_EQ(general::nb_tue, 1);
  EXPECT_EQ(general::wex_actuelle, 40);
  EXPECT_EQ(nb_sons("Headshot"), 1);
  EXPECT_EQ(nb_sons("crihomme"), 1);
  objectif->recevoirdegats(5, balle(300, true), 0, 0.0, 0);
  EXPECT_EQ(objectif->stats.pv_restants, 95);
  EXPECT_EQ(general::nb_hs, 1);
}

TEST_F(Degats, HeadZoneFollowsPostureAndAVerticalOffsetCancelsIt) {
  Tramer* t = soldat("Cible", 1, 0, 300);
  soldat("Femme", 1, 2000, 300, 1, 100, 0, 1);  // made after him, she keeps her head to herself
  proteger_fini();
  t->action = RAMPER;  // prone man: head down to y + 109
  t->recevoirdegats(5, balle(300 + 108, true), 0, 0.0, 1);
  EXPECT_EQ(t->stats.pv_restants, 95);
  t->recevoirdegats(5, balle(300 + 109, true), 0, 0.0, 0);
  EXPECT_EQ(t->stats.pv_restants, 90);
  t->recevoirdegats(5, balle(300 + 108, true), 0, 0.0, 0);
  EXPECT_EQ(t->stats.pv_restants, 0);
}

TEST_F(Degats, AnEnemyHeadShotNeverDoesLessThanABodyHit) {
  Tramer* a = soldat("A", 0, 0, 300);
  Tramer* b = soldat("B", 0, 0, 300);
  proteger_fini();
  a->recevoirdegats(10, balle(300, false), 0, 0.0, 0);
  EXPECT_EQ(a->stats.pv_restants, 50);
  b->recevoirdegats(60, balle(300, false), 0, 0.0, 0);
  EXPECT_EQ(b->stats.pv_restants, 40);
  EXPECT_EQ(general::nb_hs, 0);
}

TEST_F(Degats, KnockDownAbove20UnlessSpedUpAndItLetsHitsPass) {
  Tramer* a = soldat("A", 1, 0, 300);
  Tramer* b = soldat("B", 1, 0, 300);
  Tramer* c = soldat("C", 1, 0, 300);
  proteger_fini();
  a->recevoirdegats(20, balle(400, false), 0, 0.0, 0);
  EXPECT_NE(a->action, ETRE_EJECTE);
  b->recevoirdegats(21, balle(400, false), 0, 0.0, 0);
  EXPECT_EQ(b->action, ETRE_EJECTE);
  c->vitesse = 40;
  c->recevoirdegats(21, balle(400, false), 0, 0.0, 0);
  EXPECT_NE(c->action, ETRE_EJECTE);
  TirV* suite = balle(400, false);
  b->recevoirdegats(21, suite, 0, 0.0, 0);
  EXPECT_EQ(b->stats.pv_restants, 79);
  EXPECT_TRUE(suite->vivant);
}

TEST_F(Degats, CountersAndWexRiseOnlyForThePlayersKills) {
  Tramer* ennemi = soldat("Ennemi", 1, 0, 300, 1, 10, 40);
  Tramer* allie = soldat("Allie", 0, 0, 300, 1, 10, 25);
  Tramer* autre = soldat("Autre", 1, 0, 300, 1, 10, 70);
  Tramer* hero = soldat("Hero", 0, 0, 300, 1, 10, 90);
  hero->classe = HERO;
  proteger_fini();
  autre->recevoirdegats(50, balle(400, false), 0, 0.0, 0);
  EXPECT_FALSE(autre->vivant);
  EXPECT_EQ(general::nb_tue, 0);
  EXPECT_EQ(general::wex_actuelle, 0);
  EXPECT_EQ(general::effectifs_map[1], 49);
  ennemi->recevoirdegats(50, balle(400, true), 0, 0.0, 0);
  EXPECT_EQ(general::nb_tue, 1);
  EXPECT_EQ(general::wex_actuelle, 40);
  allie->recevoirdegats(50, balle(400, true), 0, 0.0, 0);
  EXPECT_EQ(general::nb_tue, 2);
  EXPECT_EQ(general::wex_actuelle, 65);
  EXPECT_EQ(general::effectifs_map[0], 49);
  general::seconde_life = true;
  hero->recevoirdegats(50, balle(400, true), 0, 0.0, 0);
  EXPECT_EQ(general::nb_tue, 2);
  EXPECT_EQ(general::nb_mort, 1);
  EXPECT_EQ(general::wex_actuelle, 65);
  EXPECT_EQ(general::nb_hs, 0);
}

TEST_F(Degats, OnlyUnlockedEnemyWeaponsAreLeftOnTheGround) {
  Tramer* verrou = soldat("Verrou", 1, 0, 300, 1, 10);
  Tramer* lance = soldat("Lance", 1, 0, 300, 8, 10);
  Tramer* ouvert = soldat("Ouvert", 1, 0, 300, 1, 10);
  Tramer* allie = soldat("Allie", 0, 0, 300, 1, 10);
  auto* clone = new Tramer(ouvert);
  clone->Tas = true;
  clone->position = Rect(0, 300, 0, 0);
  proteger_fini();
  verrou->recevoirdegats(50, balle(400, false), 0, 0.0, 0);  // QD-AR needs 0: not below 0
  EXPECT_EQ(sols(), 0);
  general::wex_actuelle = 5000;
  lance->recevoirdegats(50, balle(400, false), 0, 0.0, 0);  // the launcher needs 8900
  allie->recevoirdegats(50, balle(400, false), 0, 0.0, 0);
  clone->recevoirdegats(50, balle(400, false), 0, 0.0, 0);
  EXPECT_EQ(sols(), 0);
  ouvert->recevoirdegats(50, balle(400, false), 0, 0.0, 0);
  ASSERT_EQ(sols(), 1);
}

TEST_F(Degats, WomansDeathCryAndTheKnockBackOfTheShot) {
  Tramer* f = soldat("Femme", 1, 0, 300, 1, 10, 0, 1);
  proteger_fini();
  f->recevoirdegats(50, balle(400, false, GAUCHE), 0, 0.0, 0);
  EXPECT_EQ(nb_sons("crifemme"), 1);
  EXPECT_EQ(nb_sons("crihomme"), 0);
  EXPECT_EQ(f->directionE, GAUCHE);
  EXPECT_FALSE(f->En_mouvement);
}

TEST_F(Degats, ABlastHasADirectionToKnockBackWith) {
  Tramer* t = soldat("T", 1, 0, 300);
  proteger_fini();
  t->directionE = 7;
  auto* e = new Explosion(P_char("Armes/Explosion3/"), Rect(0, 400, 0, 0), 50);
  t->recevoirdegats(10, e, 0, 0.0, 0);
  EXPECT_EQ(t->directionE, DROITE);
}

TEST_F(Degats, AHitTurnsTheSoldierToTheNearestEnemyCountingCrouchingAsFarther) {
  Tramer* t = soldat("T", 1, 1000, 300);
  Tramer* gauche = soldat("G", 0, 700, 300);
  Tramer* droite = soldat("D", 0, 1200, 300);
  soldat("Ami", 1, 1001, 300);
  proteger_fini();
  t->direction = GAUCHE;
  t->recevoirdegats(1, balle(400, false), 0, 0.0, 0);
  EXPECT_EQ(t->direction, DROITE);
  droite->action = DISCRET;  // 200 counts as 400: the left one (300) is nearer
  t->recevoirdegats(1, balle(400, false), 0, 0.0, 0);
  EXPECT_EQ(t->direction, GAUCHE);
  gauche->vivant = false;
  t->recevoirdegats(1, balle(400, false), 0, 0.0, 0);
  EXPECT_EQ(t->direction, DROITE);
}

TEST_F(Degats, ACloneLooksAtEverySoldierWhateverItsId) {
  Tramer* cible = soldat("Cible", 0, 0, 300);  // index 0
  Tramer* modele = soldat("Modele", 1, 1000, 300);
  auto* clone = new Tramer(modele);
  clone->Tas = true;
  clone->position = Rect(500, 300, 0, 0);
  proteger_fini();
  clone->direction = DROITE;
  clone->recevoirdegats(1, balle(400, false), 0, 0.0, 0);
  EXPECT_EQ(clone->direction, GAUCHE);
  EXPECT_TRUE(cible->vivant);
}

TEST_F(Degats, RespawnsAtTheCampsCommandCentreTenPerWindow) {
  centre(3000, 500, ENNEMI);
  centre(100, 500, ALLIE);
  Tramer* morts[11];
  for (int i = 0; i < 11; ++i) {
    morts[i] = soldat("M" + std::to_string(i), 1, 0, 450, 1, 80);
    morts[i]->vivant = false;
    morts[i]->stats.pv_restants = 0;
  }
  Horloge::avancer(100);
  for (Tramer* m : morts) m->reapparaitre2();
  for (int i = 0; i < 10; ++i) {
    EXPECT_TRUE(morts[i]->vivant) << i;
    EXPECT_EQ(morts[i]->position.x, 3000);
    EXPECT_EQ(morts[i]->position.y, 400);
    EXPECT_EQ(morts[i]->stats.pv_restants, 80);
  }
  EXPECT_FALSE(morts[10]->vivant);
  EXPECT_EQ(Tramer::limite[1], 10);
  // Freshly back: protected again.
  morts[0]->recevoirdegats(30, nullptr, 0, 0.0, 0);
  EXPECT_EQ(morts[0]->stats.pv_restants, 80);
  Horloge::avancer(15000);
  morts[10]->reapparaitre2();
  EXPECT_TRUE(morts[10]->vivant);
  EXPECT_EQ(Tramer::limite[1], 1);
}

TEST_F(Degats, NoCommandCentreNoRespawn) {
  centre(100, 500, ALLIE);
  Tramer* m = soldat("M", 1, 0, 450);
  m->vivant = false;
  m->reapparaitre2();
  EXPECT_FALSE(m->vivant);
  EXPECT_EQ(Tramer::limite[1], 0);
}

TEST_F(Degats, HeroRespawnsWhileThePoolLastsThenHandsOverToTheNearestAlly) {
  centre(100, 500, ALLIE);
  Tramer* hero = Tramer::AllouerPerso("Korvan", true);
  hero->classe = HERO;
  hero->comportement_actuel = JOUEUR;
  Tramer::Hero = hero;
  Mapping::centre_scrolling = hero;
  hero->position = Rect(1000, 300, 0, 0);
  Tramer* loin = soldat("Loin", 0, 2000, 300);
  Tramer* pres = soldat("Pres", 0, 800, 300);
  Tramer* cache = soldat("Cache", 0, 1000, 300);
  cache->affichage = false;
  soldat("Ennemi", 1, 1000, 300);
  hero->vivant = false;
  general::effectifs_map[0] = 4;  // three allies alive: one more may come
  hero->reapparaitrehero();
  EXPECT_TRUE(hero->vivant);
  EXPECT_EQ(hero->position.x, 100);
  EXPECT_EQ(hero->position.y, 400);
  EXPECT_STREQ(hero->ArmePrincipale->get_nom(), "N-10");

  hero->vivant = false;
  general::effectifs_map[0] = 3;
  hero->position = Rect(1000, 300, 0, 0);
  hero->reapparaitrehero();
  EXPECT_FALSE(hero->vivant);
  EXPECT_FALSE(hero->reapparaitre);
  EXPECT_EQ(Tramer::Hero, pres);
  EXPECT_EQ(Mapping::centre_scrolling, pres);
  EXPECT_EQ(general::hero, static_cast<int>(pres->element_actuel));
  EXPECT_EQ(pres->classe, HERO);
  EXPECT_EQ(pres->comportement_actuel, JOUEUR);
  EXPECT_NE(loin->classe, HERO);
}

TEST_F(Degats, HandOverFindsNobodyWhenNoAllyLives) {
  Tramer* hero = soldat("Seul", 0, 1000, 300);
  hero->classe = HERO;
  Tramer::Hero = hero;
  soldat("Ennemi", 1, 1000, 300);
  hero->vivant = false;
  general::effectifs_map[0] = 0;
  hero->reapparaitrehero();
  EXPECT_TRUE(hero->reapparaitre);
  EXPECT_EQ(Tramer::Hero, hero);
}

using DegatsEnBataille = EjectionEnBataille;

// The first tick knocks the enemy down, and his AI leaves him down till the
// fall has played out: he slides off, the later ticks pass, and none of them
// is a head hit.
TEST_F(DegatsEnBataille, ABlastKnocksAComputerSoldierDownOnceAndNeverTakesHisHead) {
  const Bilan b = souffler(150);
  ASSERT_EQ(b.pv_avant, 1000);
  EXPECT_TRUE(b.sur_la_ligne);
  EXPECT_EQ(b.pv_avant - b.pv_apres, 150 / 6) << "one tick of the demo mine's six";
  EXPECT_GT(b.images_a_terre, 5);
  EXPECT_GT(b.glissade, 100);
  EXPECT_TRUE(b.releve);
}

// Whatever cut a blow or a throw short, or when one played out, he walks on
// at his normal pace, and the next one plays slowly and gives it back.
TEST_F(DegatsEnBataille, AfterABlowOrThrowCutShortOrPlayedOutTheHeroWalksAtHisNormalPace) {
  const std::vector<int> normal{100, 200, 100};
  EXPECT_EQ(pas_apres_les_gestes(), std::vector<std::vector<int>>(4, normal))
      << "knock-down, posture key, jump cut as a blow starts, throw";
}

// A hit that neither knocks him down nor kills him leaves a blow or a throw
// where it was, for the hero and a computer soldier alike; and an item the
// weapon key brings out mid-blow is never let go.
TEST_F(DegatsEnBataille, HitsThatChangeNothingLeaveABlowOrThrowWhereItWas) { coups_et_jets_sous_le_feu(); }

}  // namespace
