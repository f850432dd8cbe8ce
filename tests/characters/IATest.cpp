#include <cstdlib>
#include <string>
#include <vector>

#include "Soldats.h"
#include "battle/Perso.h"
#include "characters/VehiculeTerrestre.h"
#include "engine/Mapping.h"

namespace {

// A soldier whose action step only records what the AI asked of it, and
// walks and fires the way the step would: `vitesse` a frame along its facing,
// one shot whenever its weapon's period has run.
class Eclaireur : public Tramer {
 public:
  using Tramer::Tramer;
  struct Pas {
    int entree;
    bool mouvement;
    int16_t action;
    int16_t direction;
    short periode;
    int32_t vitesse;
  };
  void evenement_hero(int entree, bool mouvement) override {
    const short p = ArmePrincipale ? ArmePrincipale->get_frequence() : 0;
    pas.push_back({entree, mouvement, action, direction, p, vitesse});
    if (marcher && mouvement && (action == COURIR || action == TIRER || action == DISCRET))
      position.x = static_cast<Sint16>(position.x + (direction == DROITE ? vitesse : -vitesse));
    if (tirer && action == TIRER && ArmePrincipale && arme.cycle(p) == 3) {
      ++tirs;
      arme.remise_a_zero();
    }
  }
  bool marcher = false;
  bool tirer = false;
  int tirs = 0;
  Timing arme;
  std::vector<Pas> pas;
};

class IA : public Soldats {
 protected:
  // A listed soldier of camp c standing at (x, y), facing right.
  Eclaireur* recrue(const std::string& nom, int c, int x, int y, int arme = 1) {
    fiche(nom, 0, arme, c);
    auto* t = new Eclaireur(P_char(nom.c_str()), LirePerso(nom.c_str()), false);
    t->Tas = true;
    t->id = Tramer::nb_persos;
    Tramer::Persos[Tramer::nb_persos++] = t;
    t->position = Rect(x, y, 0, 0);
    t->action = COURIR;
    t->direction = DROITE;
    t->arme.en_cours = true;
    t->arme.duree_de_depart -= 100000;  // the first shot leaves at once
    return t;
  }
  // Runs the soldier's AI for ms milliseconds of 10 ms frames.
  static void jouer(Tramer* t, int ms, cc* poste = nullptr) {
    for (int k = 0; k < ms / 10; ++k) {
      Horloge::avancer(10);
      t->comportement();
      if (poste) poste->comportement();
    }
  }
  Mapping* fumee(int x, int y, int16_t c) {
    auto* f = new Mapping();
    f->Tas = true;
    f->type_objet = FUMEE;
    f->camp = c;
    f->position = Rect(x, y, 0, 0);
    return f;
  }
};

// Soldier frames are 130 px wide: a soldier at x has its centre at x + 65.

TEST_F(IA, NearestScansBreakTiesTheirOwnWay) {
  Eclaireur* garde = recrue("Garde", 1, 1000, 0);
  garde->direction = GAUCHE;
  Eclaireur* a = recrue("A", 0, 800, 0);
  Eclaireur* b = recrue("B", 0, 800, 0);
  Eclaireur* c = recrue("C", 0, 1200, 0);
  // Any side, the later one at equal distance; in sight, the earlier one in front.
  EXPECT_EQ(garde->ReleverEnnemiLePlusProche(), c);
  EXPECT_EQ(garde->ReleverEnnemiLePlusProcheVisible(), a);
  garde->direction = DROITE;
  EXPECT_EQ(garde->ReleverEnnemiLePlusProcheVisible(), c);

  // Crouching counts double for the plain scan; standing straight above is never in sight.
  c->action = DISCRET;
  a->position.x = b->position.x = 1000;
  a->position.y = b->position.y = -100;
  EXPECT_EQ(garde->ReleverEnnemiLePlusProche(), b);
  EXPECT_EQ(garde->ReleverEnnemiLePlusProcheVisible(), c);
  a->vivant = b->vivant = false;
  EXPECT_EQ(garde->ReleverEnnemiLePlusProche(), c);

  // Cover hides a still, crouched soldier only.
  c->cacher = true;
  c->En_mouvement = false;
  EXPECT_EQ(garde->ReleverEnnemiLePlusProcheVisible(), nullptr);
  c->En_mouvement = true;
  EXPECT_EQ(garde->ReleverEnnemiLePlusProcheVisible(), c);
  c->En_mouvement = false;
  c->action = RAMPER;
  EXPECT_EQ(garde->ReleverEnnemiLePlusProcheVisible(), c);
  c->position.y = 150;  // below the band
  EXPECT_EQ(garde->ReleverEnnemiLePlusProcheVisible(), nullptr);
}

TEST_F(IA, AllyScanKeepsToTheSameFacingAndLeavesThePlayerOut) {
  Eclaireur* s = recrue("S", 1, 0, 0);
  Eclaireur* loin = recrue("Loin", 1, 300, 0);
  Eclaireur* pres = recrue("Pres", 1, 200, 0);
  EXPECT_EQ(s->ReleverAllieLePlusProcheVisible(), pres);
  pres->direction = GAUCHE;
  EXPECT_EQ(s->ReleverAllieLePlusProcheVisible(), loin);
  loin->comportement_actuel = JOUEUR;
  EXPECT_EQ(s->ReleverAllieLePlusProcheVisible(), nullptr);
}

TEST_F(IA, SightIsLongForSnipersOnOpenMapsOnly) {
  Eclaireur* t = recrue("T", 1, 0, 0, 4);
  EXPECT_EQ(t->classe, SNIPER);
  EXPECT_EQ(t->vue(), 1520);
  general::infiltration = 1;
  EXPECT_EQ(t->vue(), 380);
  t->classe = NORMAL;
  general::infiltration = 0;
  EXPECT_EQ(t->vue(), 380);
}

TEST_F(IA, CrawlingIntruderIsSpottedAt126AndNotAt130) {
  general::infiltration = 1;
  Eclaireur* garde = recrue("Garde", 1, 0, 0);
  Eclaireur* intrus = recrue("Intrus", 0, 130, 0);
  intrus->action = RAMPER;
  ASSERT_EQ(garde->statut, 0);
  jouer(garde, 10);
  EXPECT_EQ(garde->statut, 0);
  // Its patrol turned it from the intruder in its way: face it again.
  garde->direction = DROITE;
  intrus->position.x = 126;
  jouer(garde, 10);
  EXPECT_EQ(garde->statut, 2);

  // Standing, the same rule gives 379 and 380.
  Eclaireur* g2 = recrue("Garde2", 1, 0, 1000);
  Eclaireur* debout = recrue("Debout", 0, 380, 1000);
  jouer(g2, 10);
  EXPECT_EQ(g2->statut, 0);
  g2->direction = DROITE;
  debout->position.x = 379;
  jouer(g2, 10);
  EXPECT_EQ(g2->statut, 2);
}

TEST_F(IA, AlertCallsOneCloneEvery500msUpToTen) {
  general::infiltration = 1;
  cc* poste = centre(2000, 0, ENNEMI);
  Eclaireur* garde = recrue("Garde", 1, 0, 0);
  Eclaireur* intrus = recrue("Intrus", 0, 200, 0);
  jouer(garde, 10);
  ASSERT_EQ(garde->statut, 2);
  // Kept in sight, the alert holds at 2.
  jouer(garde, 3000);
  EXPECT_EQ(garde->statut, 2);
  EXPECT_EQ(Tramer::nb_renfort, 0);

  intrus->position.x = -2000;  // behind the guard: out of sight
  Horloge::avancer(1000);
  garde->comportement();
  EXPECT_EQ(garde->statut, 2);
  Horloge::avancer(1);
  garde->comportement();
  EXPECT_EQ(garde->statut, 1);
  Horloge::avancer(500);
  garde->comportement();
  EXPECT_EQ(Tramer::nb_renfort, 0);
  Horloge::avancer(1);
  garde->comportement();
  ASSERT_EQ(Tramer::nb_renfort, 1);

  Tramer* c = Tramer::Renforts[0];
  EXPECT_TRUE(c->clone);
  EXPECT_EQ(c->statut, 3);
  EXPECT_EQ(c->camp, ENNEMI);
  EXPECT_EQ(c->position.x, poste->position.x);
  EXPECT_EQ(c->position.y, poste->position.y - 100);
  EXPECT_EQ(c->direction, GAUCHE);
  EXPECT_TRUE(c->enregistre());

  for (int k = 2; k <= 12; ++k) {
    Horloge::avancer(501);
    garde->comportement();
    EXPECT_EQ(Tramer::nb_renfort, k < 10 ? k : 10);
  }
  EXPECT_EQ(garde->statut, 1);
}

TEST_F(IA, NoPostOrNoEnemyMeansNoClone) {
  general::infiltration = 1;
  Eclaireur* garde = recrue("Garde", 1, 0, 0);
  garde->statut = 1;
  recrue("Intrus", 0, -2000, 0);
  jouer(garde, 2000);
  EXPECT_EQ(Tramer::nb_renfort, 0);
  EXPECT_EQ(garde->statut, 1);
}

TEST_F(IA, ComputerSoldierFiresAtAQuarterOfTheRate) {
  Eclaireur* tireur = recrue("Tireur", 1, 0, 0);
  recrue("Cible", 0, 300, 0);
  tireur->tirer = true;
  tireur->ArmePrincipale->set_frequence(100);
  jouer(tireur, 2000);
  EXPECT_EQ(tireur->comportement_actuel, ATTAQUER_ENNEMI);
  EXPECT_EQ(tireur->action, TIRER);
  ASSERT_FALSE(tireur->pas.empty());
  EXPECT_EQ(tireur->pas.back().periode, 400);
  EXPECT_EQ(tireur->ArmePrincipale->get_frequence(), 100);
  EXPECT_GE(tireur->tirs, 4);
  EXPECT_LE(tireur->tirs, 5);
}

TEST_F(IA, SmokeOfAnotherCampSilencesEvenASoldierAlreadyFiring) {
  Eclaireur* tireur = recrue("Tireur", 1, 0, 0);
  Eclaireur* cible = recrue("Cible", 0, 300, 0);
  tireur->tirer = true;
  tireur->ArmePrincipale->set_frequence(100);
  jouer(tireur, 1000);
  ASSERT_EQ(tireur->action, TIRER);
  ASSERT_GE(tireur->tirs, 2);

  Mapping* f = fumee(50, 50, ALLIE);
  f->TramePrincipale = Rect(0, 0, 40, 40);
  for (int x : {300, static_cast<int>(tireur->vue())}) {  // inside its range, then exactly at it
    SCOPED_TRACE(x);
    cible->position.x = static_cast<Sint16>(x);
    tireur->action = TIRER;
    tireur->tirs = 0;
    jouer(tireur, 1000);
    EXPECT_EQ(tireur->tirs, 0);
    EXPECT_NE(tireur->action, TIRER);
  }

  // Its own camp's smoke hides nothing, nor a cloud only touching its edge.
  cible->position.x = 300;
  f->camp = ENNEMI;
  jouer(tireur, 1000);
  EXPECT_EQ(tireur->action, TIRER);
  EXPECT_GE(tireur->tirs, 2);
  f->camp = ALLIE;
  f->position.x = 140;
  jouer(tireur, 10);
  EXPECT_EQ(tireur->action, TIRER);
}

TEST_F(IA, GapsAreSignedSoEnemiesAboveAndToTheLeftCount) {
  // An enemy on a platform far above is turned toward; one as far below is not.
  Eclaireur* s = recrue("S", 1, 1000, 0);
  Eclaireur* e = recrue("E", 0, 0, -400);
  jouer(s, 10);
  EXPECT_EQ(s->direction, GAUCHE);
  s->direction = DROITE;
  e->position.y = 400;
  jouer(s, 10);
  EXPECT_EQ(s->direction, DROITE);

  // A copying soldier fires at an enemy anywhere to its left.
  Eclaireur* suiveur = recrue("Suiveur", 0, 3000, 1000);
  Eclaireur* chef = recrue("Chef", 0, 3100, 1000);
  chef->comportement_actuel = JOUEUR;
  suiveur->comportement_actuel = COPIER_JOUEUR;
  s->position = Rect(-3000, 1000, 0, 0);
  e->position = Rect(9000, 9000, 0, 0);
  jouer(suiveur, 10);
  EXPECT_EQ(suiveur->action, TIRER);
}

TEST_F(IA, CloseEnemyMeansMeleeAndSoldierKeepsDistanceFromAllies) {
  Eclaireur* s = recrue("S", 1, 0, 0);
  Eclaireur* e = recrue("E", 0, 150, 0);
  jouer(s, 10);
  EXPECT_EQ(s->action, COGNER);
  EXPECT_FALSE(s->pas.back().mouvement);

  // Far off, it runs toward the enemy, and stops behind a friend at 99 px.
  e->position.x = 1000;
  s->action = COURIR;
  jouer(s, 10);
  EXPECT_EQ(s->pas.back().action, COURIR);
  EXPECT_TRUE(s->pas.back().mouvement);
  recrue("Ami", 1, 99, 0);
  jouer(s, 10);
  EXPECT_FALSE(s->pas.back().mouvement);
}

TEST_F(IA, LostEnemyIsFacedWhenWithinHalfAScreenHeight) {
  Eclaireur* s = recrue("S", 1, 1000, 0);
  recrue("E", 0, 0, 0);  // behind it
  jouer(s, 10);
  EXPECT_EQ(s->direction, GAUCHE);
}

TEST_F(IA, PatrolTurnsBackPast800pxAndWalksAtHalfSpeed) {
  general::infiltration = 1;
  Eclaireur* g = recrue("Garde", 1, 1000, 0);
  recrue("Loin", 0, -5000, 0);
  const int cx = 1000 + 65, cy = 59;
  g->pos_depart = Rect(cx - 800, cy, 0, 0);
  jouer(g, 10);
  EXPECT_EQ(g->comportement_actuel, ATTAQUER_ENNEMI);
  ASSERT_EQ(g->statut, 0);
  EXPECT_EQ(g->direction, DROITE);
  EXPECT_EQ(g->pas.back().vitesse, 10);
  EXPECT_TRUE(g->pas.back().mouvement);
  EXPECT_EQ(g->vitesse, 20);

  g->pos_depart.x = static_cast<Sint16>(cx - 801);
  jouer(g, 10);
  EXPECT_EQ(g->direction, GAUCHE);
}

TEST_F(IA, SoldierOrderedToANearEnemyPostGoesAndTakesIt) {
  cc* poste = centre(300, 0, ENNEMI);
  Eclaireur* s = recrue("S", 0, 0, 0);
  recrue("Loin", 1, 1600, 0);
  s->marcher = true;
  s->set_objectif(poste);
  jouer(s, 100, poste);
  EXPECT_EQ(s->comportement_actuel, ACCOMPLIR_OBJECTIF);
  EXPECT_GT(s->position.x, 0);
  EXPECT_TRUE(poste->Evenementie.en_cours);
  EXPECT_EQ(poste->camp2, ALLIE);
  // It stays beside the post while the capture runs, four seconds.
  const int x = s->position.x;
  int ms = 0;
  while (poste->camp != ALLIE && ms < 6000) jouer(s, 10, poste), ms += 10;
  EXPECT_EQ(poste->camp, ALLIE);
  EXPECT_GE(ms, 3900);
  EXPECT_LE(std::abs(s->position.x - x), s->vitesse);
}

TEST_F(IA, SoldierOrderedToAnUnguardedEnemyOrNeutralPostGoesOnUntilHeTakesIt) {
  cc* poste = centre(600, 0, ENNEMI);
  cc* neutre = centre(1600, 0, NUL);
  Eclaireur* s = recrue("S", 0, 0, 0);
  Eclaireur* loin = recrue("Loin", 1, -1600, 0);  // behind him, out of sight
  s->marcher = true;
  s->set_objectif(poste);
  int ms = 0;
  while (poste->camp != ALLIE && ms < 20000) jouer(s, 10, poste), ms += 10;
  EXPECT_EQ(poste->camp, ALLIE) << "he does not turn back after an enemy he cannot see";
  // Nobody left to fight, and a post nobody holds.
  loin->stats.pv_restants = 0;
  s->set_objectif(neutre);
  ms = 0;
  while (neutre->camp != ALLIE && ms < 20000) jouer(s, 10, neutre), ms += 10;
  EXPECT_EQ(neutre->camp, ALLIE);
}

TEST_F(IA, VanishedObjectiveIsDropped) {
  Eclaireur* s = recrue("S", 0, 0, 0);
  recrue("E", 1, 1600, 0);
  Mapping* m = fumee(2000, 0, NUL);
  s->set_objectif(m);
  jouer(s, 10);
  EXPECT_EQ(s->comportement_actuel, ACCOMPLIR_OBJECTIF);
  m->vivant = false;
  jouer(s, 10);
  EXPECT_EQ(s->Objectif, nullptr);
  EXPECT_EQ(s->comportement_actuel, ATTAQUER_ENNEMI);
}

TEST_F(IA, AimCreepsTowardTheEnemyAndNeverDividesByZero) {
  Eclaireur* s = recrue("S", 1, 0, 0);
  recrue("E", 0, 300, 0);
  jouer(s, 10);
  EXPECT_EQ(s->cible.x, 65 + 200);
  const int y0 = s->cible.y;
  // Aim centre straight above the soldier's centre: no slope, no change.
  s->ArmePrincipale->snipe = true;
  s->cible.x = static_cast<Sint16>(65 - (s->ArmePrincipale->viseur ? s->ArmePrincipale->viseur->w / 2 : 0));
  s->cible.y = static_cast<Sint16>(y0 - 100);
  jouer(s, 10);
  EXPECT_EQ(s->cible.y, y0 - 100);
}

TEST_F(IA, CopyingSoldierEndsItsPostureWalkWithAHeavyWeapon) {
  general::infiltration = 1;
  Eclaireur* suiveur = recrue("Suiveur", 0, 0, 0);
  suiveur->ArmePrincipale->set_type(2);
  Eclaireur* chef = recrue("Chef", 0, 100, 0);
  chef->comportement_actuel = JOUEUR;
  suiveur->comportement_actuel = COPIER_JOUEUR;
  chef->action = RAMPER;
  jouer(suiveur, 10);
  EXPECT_EQ(suiveur->comportement_actuel, COPIER_JOUEUR);
  EXPECT_EQ(suiveur->nature_mvt(), 1);
  // With a rifle it goes all the way down.
  suiveur->ArmePrincipale->set_type(1);
  suiveur->action = COURIR;
  jouer(suiveur, 10);
  EXPECT_EQ(suiveur->nature_mvt(), 2);
}

TEST_F(IA, NobodyKeepsPointingAtARetiredClone) {
  // A clone still searching after a minute is retired alive, so nobody's AI
  // has dropped it first.
  general::infiltration = 1;
  Eclaireur* s = recrue("S", 1, 0, 0);
  auto* clone = new Tramer(static_cast<Tramer*>(s));
  clone->Tas = true;
  ASSERT_TRUE(Tramer::AjouterRenfort(clone));
  auto* autre = new Tramer(static_cast<Tramer*>(s));
  autre->Tas = true;
  ASSERT_TRUE(Tramer::AjouterRenfort(autre));
  autre->Objectif = clone;
  s->set_objectif(clone);
  Tramer::ordre_escouades[1][0] = clone;
  Vehicule* v = new VehiculeTerrestre(P_char("Vehicules/Terrestres/rider/"), Rect(0, 0, 0, 0));
  v->passagers[0] = s;
  v->passagers[1] = clone;
  v->nb_passager = 2;
  v->Objectif = clone;

  clone->statut = 3;
  clone->DureeStatut.remise_a_zero();
  Horloge::avancer(60001);
  BlitingMapping();
  ASSERT_EQ(Tramer::nb_renfort, 1);
  EXPECT_EQ(Tramer::Renforts[0], autre);
  EXPECT_EQ(autre->Objectif, nullptr);
  EXPECT_EQ(s->Objectif, nullptr);
  EXPECT_EQ(Tramer::ordre_escouades[1][0], nullptr);
  EXPECT_EQ(v->nb_passager, 1);
  EXPECT_EQ(v->passagers[0], s);
  EXPECT_EQ(v->passagers[1], nullptr);
  EXPECT_EQ(v->Objectif, nullptr);
  // Running everyone again touches nothing freed.
  s->comportement();
  autre->comportement();
  BlitingMapping();
}

TEST_F(IA, AuraDrainsWhileActiveRefillsOtherwiseAndLifeRegenerates) {
  Eclaireur* t = recrue("T", 1, 0, 0);
  int32_t force = 50;
  t->P_aura = &force;
  t->before_aura = 7;
  t->aura = 3;
  t->aura_activee = true;
  t->stats.pv_restants = 85;
  Horloge::avancer(1001);
  t->comportement();
  EXPECT_EQ(t->aura, 1);
  EXPECT_EQ(t->stats.pv_restants, 95);
  Horloge::avancer(1001);
  t->comportement();
  EXPECT_EQ(t->aura, 0);
  EXPECT_FALSE(t->aura_activee);
  EXPECT_EQ(force, 7);
  EXPECT_EQ(t->stats.pv_restants, 100);
  Horloge::avancer(1001);
  t->comportement();
  EXPECT_EQ(t->aura, 1);
  t->aura = 100;
  Horloge::avancer(1001);
  t->comportement();
  EXPECT_EQ(t->aura, 100);
}

TEST_F(IA, KnockedDownGuardSearchesFiveSecondsButACloneNeverCalms) {
  general::infiltration = 1;
  Eclaireur* g = recrue("Garde", 1, 0, 0);
  recrue("Loin", 0, -5000, 0);
  g->action = ETRE_EJECTE;
  g->comportement();
  ASSERT_EQ(g->statut, 3);
  g->action = COURIR;
  Horloge::avancer(5000);
  g->comportement();
  EXPECT_EQ(g->statut, 3);
  Horloge::avancer(1);
  g->comportement();
  EXPECT_EQ(g->statut, 0);

  auto* c = new Tramer(static_cast<Tramer*>(g));
  c->Tas = true;
  c->clone = true;
  c->statut = 3;
  Horloge::avancer(10000);
  c->comportement();
  EXPECT_EQ(c->statut, 3);
}

TEST_F(IA, DriverMakesForTheNearestFreeVehicleAndBoardsItAlongside) {
  Eclaireur* d = recrue("Chauffeur", 1, 1000, 0, 2);
  ASSERT_EQ(d->classe, CONDUCTEUR);
  recrue("Loin", 0, 5000, 2000);
  Vehicule* v = new VehiculeTerrestre(P_char("Vehicules/Terrestres/rider/"), Rect(200, 0, 0, 0));
  ASSERT_FALSE(v->refuse());
  jouer(d, 10);
  EXPECT_EQ(d->comportement_actuel, REJOINDRE_VEHICULE);
  EXPECT_EQ(d->direction, GAUCHE);
  EXPECT_EQ(d->pas.back().entree, 0);

  d->position.x = static_cast<Sint16>(v->position.x + v->TramePrincipale.w / 2 - 65 + 150);
  Horloge::avancer(501);
  d->comportement();
  EXPECT_EQ(v->nb_passager, 1);
  EXPECT_EQ(v->passagers[0], d);
  EXPECT_EQ(v->camp, ENNEMI);

  // A full vehicle is no use: another driver fights instead.
  v->nb_passager_possible = 1;
  Eclaireur* d2 = recrue("Chauffeur2", 1, 2000, 0, 2);
  jouer(d2, 10);
  EXPECT_EQ(d2->comportement_actuel, ATTAQUER_ENNEMI);
  // Nor a wreck, even alongside: nobody would ever drive it out again.
  Vehicule* epave = new VehiculeTerrestre(P_char("Vehicules/Terrestres/rider/"), Rect(2000, 0, 0, 0));
  epave->physique = false;
  Horloge::avancer(501);
  jouer(d2, 10);
  EXPECT_EQ(d2->comportement_actuel, ATTAQUER_ENNEMI);
  epave->interragir(d2);
  EXPECT_EQ(epave->nb_passager, 0);
  EXPECT_EQ(epave->camp, d2->camp) << "a neutral one still takes its user's camp";
}

}  // namespace
