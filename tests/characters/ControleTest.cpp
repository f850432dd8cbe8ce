#include <cmath>

#include "Pilote.h"
#include "Sommet.h"
#include "characters/VehiculeTerrestre.h"
#include "engine/Ascenseur.h"
#include "weapons/Aura.h"
#include "weapons/Grenade.h"
#include "weapons/TirV.h"

namespace {

using Controle = Pilote;

TEST_F(Controle, WalkingMovesTwentyPixelsAStepAndBothKeysStop) {
  Tramer* t = hero(300);
  touche(controles::C_DROITE) = true;
  image(t);
  EXPECT_EQ(t->position.x, 320);
  image(t);
  EXPECT_EQ(t->position.x, 340);
  EXPECT_EQ(t->direction, DROITE);
  EXPECT_EQ(t->position.y, SOL);
  EXPECT_EQ(t->action, COURIR);

  touche(controles::C_GAUCHE) = true;
  image(t);
  EXPECT_EQ(t->position.x, 340);
  EXPECT_FALSE(t->En_mouvement);

  touche(controles::C_DROITE) = false;
  t->cible.x = 100;  // the drawing turns the hero toward the mouse
  image(t);
  EXPECT_EQ(t->position.x, 320);
  EXPECT_EQ(t->direction, GAUCHE);
  // Nobody walks round the world's edge.
  t->position.x = -32760;
  image(t);
  EXPECT_EQ(t->position.x, -32760);
  // Nor sinks round its bottom under water.
  general::sous_marin = true;
  t->position.y = 32760;
  image(t);
  image(t);
  EXPECT_EQ(t->position.y, 32760);
}

TEST_F(Controle, WallsStopTheWalkUnlessTheyAreOfTheSoldiersCamp) {
  Tramer* t = hero(320);
  Obstacle* mur = obstacle("Obstacles/mur.png", 240, 544 - 15 - 240);
  touche(controles::C_GAUCHE) = true;
  image(t);
  EXPECT_EQ(t->position.x, 300);
  image(t);
  image(t);
  EXPECT_EQ(t->position.x, 300);
  mur->camp = ALLIE;
  image(t);
  EXPECT_EQ(t->position.x, 280);
}

TEST_F(Controle, JumpRisesFortyThirtyTwoTwentyFourSixteenEightThenLands) {
  Tramer* t = hero(300);
  touche(controles::C_SAUT) = true;
  image(t);
  touche(controles::C_SAUT) = false;
  t->cycle.remise_a_zero();  // the animation clock ticks with the take-off
  EXPECT_EQ(t->action, SAUTER);

  std::vector<int> montees;
  int y = t->position.y, pire = y;
  for (int i = 0; i < 200 && t->action != ATTERRIR; ++i) {
    image(t);
    if (t->position.y < y) montees.push_back(y - t->position.y);
    y = t->position.y;
    if (y < pire) pire = y;
  }
  EXPECT_EQ(montees, (std::vector<int>{40, 32, 24, 16, 8}));
  EXPECT_EQ(pire, SOL - 120);
  EXPECT_EQ(t->action, ATTERRIR);
  EXPECT_EQ(t->position.y, SOL);
  for (int i = 0; i < 300 && t->action == ATTERRIR; ++i) image(t);
  EXPECT_EQ(t->action, COURIR);
  EXPECT_EQ(t->position.y, SOL);
}

TEST_F(Controle, ACeilingEndsTheJumpAndAFallLandsOnAPlatformSunkEightPixels) {
  Tramer* t = hero(300);
  obstacle("Obstacles/plateforme.png", 250, SOL - 60);
  touche(controles::C_SAUT) = true;
  image(t);
  touche(controles::C_SAUT) = false;
  int pire = SOL;
  for (int i = 0; i < 10; ++i) {
    image(t);
    if (t->position.y < pire) pire = t->position.y;
  }
  EXPECT_EQ(pire, SOL);
  EXPECT_EQ(t->action, ATTERRIR);
  EXPECT_EQ(t->position.y, SOL);

  Tramer* u = soldat("Chuteur", ALLIE, 900, 0);
  obstacle("Obstacles/plateforme.png", 850, 300);
  for (int i = 0; i < 100 && u->action != ATTERRIR; ++i) image(u, 0, false);
  EXPECT_EQ(u->action, ATTERRIR);
  EXPECT_EQ(u->position.y, 300 - 118 + 8);
  image(u, 0, false);
  EXPECT_EQ(u->position.y, 300 - 118 + 8);
}

// The last 16 px step may end off the ground line; whatever the next frame
// makes of the action, the soldier ends on it.
TEST_F(Controle, AFallEndsOnTheGroundLineWhateverTheNextFrameSetsTheActionTo) {
  soldat("Loin", ENNEMI, 3000, SOL);
  Tramer* t = soldat("Chuteur", ALLIE, 300, 0);
  auto lacher = [t](int hauteur) {
    t->position = Rect(300, SOL - hauteur, 0, 0);
    t->action = TOMBER;
  };
  auto image_ia = [t] {
    Horloge::avancer(10);
    t->comportement();  // the AI walks him on toward the enemy
    t->bliting();
  };
  for (int k = 0; k < 16; ++k) {
    lacher(160 + k);
    for (int i = 0; i < 30; ++i) image_ia();
    EXPECT_EQ(t->position.y, SOL) << "dropped from " << 160 + k << " px";
  }
  // A step that ends 8 px above the line lands him: the landing plays out,
  // and gives him back his walking pace.
  lacher(168);
  bool pose = false;
  for (int i = 0; i < 400 && !(pose && t->action != ATTERRIR); ++i) {
    image_ia();
    pose = pose || t->action == ATTERRIR;
  }
  EXPECT_TRUE(pose);
  EXPECT_EQ(t->frequence, 100);
  // So does a blow whose enemy runs off before it is over.
  Tramer* proche = soldat("Proche", ENNEMI, t->position.x + 100, SOL);
  image_ia();
  ASSERT_EQ(t->action, COGNER);
  proche->position.x = 3000;
  for (int i = 0; i < 400 && t->action == COGNER; ++i) image_ia();
  EXPECT_NE(t->action, COGNER);
  EXPECT_EQ(t->frequence, 100);

  Tramer* h = hero(300);
  h->position.y = SOL - 163;
  h->action = TOMBER;
  for (int i = 0; i < 30 && h->position.y < SOL - 8; ++i) image(h);
  ASSERT_EQ(h->position.y, SOL - 3);
  touche(controles::C_DISCRET) = true;
  Horloge::avancer(500);
  image(h);
  EXPECT_EQ(h->position.y, SOL);
}

TEST_F(Controle, PostureKeyCyclesStandingCrouchedProneAndALauncherSkipsProne) {
  Tramer* t = hero(300);
  touche(controles::C_DISCRET) = true;
  Horloge::avancer(500);
  image(t);
  EXPECT_EQ(t->action, DISCRET);
  image(t);
  EXPECT_EQ(t->action, DISCRET);  // once per half second
  Horloge::avancer(500);
  image(t);
  EXPECT_EQ(t->action, RAMPER);
  // Prone soldiers do not move sideways.
  touche(controles::C_DROITE) = true;
  image(t);
  EXPECT_EQ(t->position.x, 300);
  touche(controles::C_DROITE) = false;
  Horloge::avancer(500);
  image(t);
  EXPECT_EQ(t->action, COURIR);

  t->ArmePrincipale->type = BAZOOKA;
  Horloge::avancer(500);
  image(t);
  EXPECT_EQ(t->action, DISCRET);
  Horloge::avancer(500);
  image(t);
  EXPECT_EQ(t->action, COURIR);
}

TEST_F(Controle, WalkingOntoALowBlockStepsUpOntoIt) {
  Tramer* t = hero(100);
  const int pieds = SOL + 118;
  obstacle("Obstacles/bloc.png", 240, pieds - 20);
  touche(controles::C_DROITE) = true;
  image(t);
  EXPECT_EQ(t->position.y, pieds - 20 - 118 + 8);
  EXPECT_EQ(t->position.x, 120);
  for (int i = 0; i < 5; ++i) image(t);
  EXPECT_EQ(t->position.y, pieds - 20 - 118 + 8);
  EXPECT_EQ(t->action, COURIR);
}

// Crouched, or landing, the soldier probes downward, yet the step ahead is
// looked for the way he faces.
TEST_F(Controle, ACrouchedSoldierStepsUpOntoALowBlockGoingLeftToo) {
  Tramer* t = hero(400);
  t->action = DISCRET;
  t->cible.x = 100;  // the drawing turns the hero toward the mouse
  const int pieds = t->position.y + t->TramePrincipale.h;
  Obstacle* b = obstacle("Obstacles/bloc.png", 0, pieds - 20);
  b->position.x = static_cast<Sint16>(t->position.x + t->TramePrincipale.x - 10 - b->TramePrincipale.w);
  touche(controles::C_GAUCHE) = true;
  image(t);
  EXPECT_EQ(t->position.y, pieds - 20 - t->TramePrincipale.h + 8);
}

class Tir : public Pilote {
 protected:
  // The newest aimed bullet in the world.
  static TirV* derniere_balle() {
    auto v = objets<TirV>();
    return v.empty() ? nullptr : v.back();
  }
  // The shoulder of a standing soldier with a rifle.
  static SDL_Rect epaule(Tramer* t) {
    const SDL_Rect S = general::pos_bras[0][0][RIFLE];
    const int x = t->direction == GAUCHE ? t->position.x + t->TramePrincipale.w - S.x : t->position.x + S.x;
    return Rect(x, t->position.y + S.y, 0, 0);
  }
  // Aim so that the sight's centre lands at (dx, dy) from the shoulder.
  static void viser(Tramer* t, int dx, int dy) {
    const SDL_Rect O = epaule(t);
    SDL_Surface* v = t->ArmePrincipale->donnerViseur();
    t->cible = Rect(O.x + dx + v->w / 2, O.y + dy + v->h / 2, 0, 0);
  }
  static int longueur(Tramer* t) { return t->ArmePrincipale->donnerImage(0, 0)->w; }
};

TEST_F(Tir, AimedShotLeavesAtTheAngleFromTheShoulderAndTheGunsMuzzle) {
  Tramer* t = soldat("Tireur", ALLIE, 200, SOL);
  soldat("Femme", ALLIE, 2000, SOL, 1, 100, 0, 1);  // made last: the man still fires from his own shoulder
  Horloge::avancer(1000);
  t->action = TIRER;
  viser(t, 100, -100);
  const int y0 = t->cible.y;
  const short charge = t->ArmePrincipale->get_charge_actuelle();
  t->evenement_hero(0, false);
  TirV* b = derniere_balle();
  ASSERT_NE(b, nullptr);
  const SDL_Rect O = epaule(t);
  const double L = longueur(t), a = 45 * 3.14159265 / 180;
  EXPECT_NEAR(b->Angle, 45.0, 1e-3);
  EXPECT_EQ(b->position.x, static_cast<int>(O.x + L * std::cos(a)));
  EXPECT_EQ(b->position.y, static_cast<int>(O.y - L * std::sin(a)));
  EXPECT_EQ(t->ArmePrincipale->get_charge_actuelle(), charge - 1);
  // Recoil: 0.7 x the weapon's damage (15), up or down; AI soldiers move no mouse.
  EXPECT_EQ(std::abs(t->cible.y - y0), 10);
  EXPECT_EQ(Horloge::derniere_souris().w, 0);

  // Facing left the angle turns by half a circle and the shoulder mirrors.
  Tramer* g = soldat("Gaucher", ALLIE, 600, SOL);
  Horloge::avancer(1000);
  g->action = TIRER;
  g->direction = GAUCHE;
  viser(g, -100, -100);
  g->evenement_hero(0, false);
  b = derniere_balle();
  const SDL_Rect G = epaule(g);
  EXPECT_NEAR(b->Angle, 135.0 - 180.0, 1e-3);
  EXPECT_EQ(b->position.x, static_cast<int>(G.x + L * std::cos(135 * 3.14159265 / 180)));
}

TEST_F(Tir, AnAimPointOnTheShoulderShootsStraightAhead) {
  Tramer* t = soldat("Tireur", ALLIE, 200, SOL);
  Horloge::avancer(1000);
  t->action = TIRER;
  viser(t, 0, 0);
  t->evenement_hero(0, false);
  TirV* b = derniere_balle();
  ASSERT_NE(b, nullptr);
  EXPECT_FALSE(std::isnan(b->Angle));
  EXPECT_EQ(b->Angle, 0.0);
  const SDL_Rect O = epaule(t);
  EXPECT_EQ(b->position.x, O.x + longueur(t));
  EXPECT_EQ(b->position.y, O.y);
}

TEST_F(Tir, HerosRecoilMovesTheMouseOnlyWhenARoundLeft) {
  Tramer* t = hero(300);
  general::Scrolling = Rect(100, 0, 0, 0);
  Horloge::avancer(1000);
  t->cible = Rect(700, 200, 0, 0);  // screen point, right of the centre
  bouton(1) = true;
  image(t);
  EXPECT_EQ(t->direction, DROITE);
  EXPECT_EQ(t->action, TIRER);
  ASSERT_NE(objets<TirV>().size(), 0u);
  SDL_Rect m = Horloge::derniere_souris();
  EXPECT_EQ(m.w, 1);
  EXPECT_EQ(m.x, 700);
  EXPECT_EQ(m.y, t->cible.y);
  EXPECT_EQ(std::abs(t->cible.y - 200), 10);

  // An empty magazine: no round, no recoil, even when the reload ends.
  const int y = t->cible.y;
  t->ArmePrincipale->charge_actuelle = 0;
  Horloge::avancer(1000);
  image(t);
  EXPECT_EQ(t->cible.y, y);
  EXPECT_EQ(Horloge::derniere_souris().w, 1);

  // The aim left of the screen's centre turns the hero round.
  t->cible = Rect(100, 200, 0, 0);
  image(t);
  EXPECT_EQ(t->direction, GAUCHE);
}

TEST_F(Controle, ReloadKeyRefillsTheMagazineFromTheReserve) {
  Tramer* t = hero(300);
  Armes* a = t->ArmePrincipale;
  a->charge_actuelle = 0;
  const short reserve = a->get_nb_munition(), plein = a->get_recharge();
  for (int i = 0; i < 60; ++i) image(t);
  EXPECT_EQ(a->get_charge_actuelle(), 0);
  touche(controles::C_RECHARGER) = true;
  for (int i = 0; i < 60 && a->get_charge_actuelle() == 0; ++i) image(t);
  EXPECT_EQ(a->get_charge_actuelle(), plein);
  EXPECT_EQ(a->get_nb_munition(), reserve - plein);
}

TEST_F(Controle, WeaponKeysRingTheSecondaryItemsAndSwapTheSidearm) {
  Tramer* t = hero(300);
  Armes* lame = t->ArmeSecondaire;
  Armes* i0 = t->Inventaire2[0];
  Armes* i1 = t->Inventaire2[1];
  Horloge::avancer(300);
  touche(controles::C_ARMES) = true;
  image(t);
  EXPECT_EQ(t->ArmeSecondaire, i0);
  image(t);
  EXPECT_EQ(t->ArmeSecondaire, i0);  // a quarter of a second between changes
  Horloge::avancer(250);
  image(t);
  EXPECT_EQ(t->ArmeSecondaire, i1);
  touche(controles::C_ARMES) = false;
  bouton(4) = true;  // the wheel does the same
  Horloge::avancer(250);
  image(t);
  EXPECT_EQ(t->ArmeSecondaire, lame);
  EXPECT_EQ(t->Inventaire2[0], i0);
  EXPECT_EQ(t->Inventaire2[1], i1);
  bouton(4) = false;

  Armes* p = t->ArmePrincipale;
  Armes* s = Inventaire[0];
  p->set_id(1);
  s->set_id(8);
  Horloge::avancer(300);
  touche(controles::C_ARMEP) = true;
  image(t);
  EXPECT_EQ(t->ArmePrincipale, s);
  EXPECT_EQ(Inventaire[0], p);
  EXPECT_EQ(general::pistolet_choisi, 1);
  EXPECT_EQ(general::fusil_choisi, 8);

  // No swap through the scope.
  t->action = VISER;
  Horloge::avancer(300);
  image(t);
  EXPECT_EQ(t->ArmePrincipale, s);
}

TEST_F(Controle, AuraTogglesItsBoostAtMostEveryQuarterSecond) {
  Tramer* t = hero(300);
  delete t->ArmeSecondaire;
  t->ArmeSecondaire = new Aura("Vitesse", VITESSE);
  Horloge::avancer(300);
  bouton(3) = true;
  image(t);
  EXPECT_TRUE(t->aura_activee);
  EXPECT_EQ(t->vitesse, 40);
  image(t);
  EXPECT_EQ(t->vitesse, 40);
  Horloge::avancer(250);
  image(t);
  EXPECT_FALSE(t->aura_activee);
  EXPECT_EQ(t->vitesse, 20);
}

// A lift carries whoever its fixed 130 x 126 box finds: a demo soldier
// landed on it, 8 px into it, is within that box and rides it up.
TEST_F(Controle, ADemoSoldierStandingOnALiftRidesIt) {
  Tramer* t = soldat("Passager", ALLIE, 300, 0);
  auto* l = new Ascenseur(Rect(250, 400, 0, 0));
  l->Tas = true;
  t->position.y = static_cast<Sint16>(400 - t->TramePrincipale.h + 8);
  l->comportement();
  EXPECT_EQ(t->position.y, 400 - 110);
  EXPECT_EQ(l->position.y, 390);
}

TEST_F(Controle, AIStopsOnATravellingLift) {
  Tramer* t = soldat("Passager", ALLIE, 300, SOL);
  t->action = COURIR;
  auto* l = new Ascenseur(Rect(250, SOL + 118 - 5, 0, 0));
  l->Tas = true;
  l->etage = false;
  image(t, 0, true);
  EXPECT_FALSE(t->En_mouvement);
  EXPECT_EQ(t->position.x, 300);
  l->etage = true;
  image(t, 0, true);
  EXPECT_EQ(t->position.x, 320);
}

}  // namespace

namespace {

using Sortie = Pilote;

// A turret is shorter than a soldier: whoever leaves it stands on the
// ground, not below it, and walks on there.
TEST_F(Sortie, LeavingAShortVehicleStandsTheSoldierOnTheGround) {
  Tramer* h = hero(300);
  general::hero = static_cast<int>(h->element_actuel);
  Vehicule* tourelle = new VehiculeTerrestre("Vehicules/Terrestres/tourelles/", Rect(280, 0, 0, 0));
  tourelle->Tas = true;
  for (int i = 0; i < 40; ++i) tourelle->comportement();  // settles on the ground
  ASSERT_EQ(tourelle->position.y + tourelle->TramePrincipale.h, 544 - 15);
  ASSERT_LT(tourelle->TramePrincipale.h, h->TramePrincipale.h);
  Horloge::avancer(501);
  tourelle->interragir(h);
  ASSERT_FALSE(h->affichage);
  touche(controles::C_INTERRAGIR) = true;
  Horloge::avancer(501);
  tourelle->comportement();
  touche(controles::C_INTERRAGIR) = false;
  ASSERT_TRUE(h->affichage) << "the use key put him out";
  EXPECT_EQ(h->position.y, SOL);
  touche(controles::C_DROITE) = true;
  for (int i = 0; i < 20; ++i) image(h);
  EXPECT_EQ(h->position.x, 280 + 20 * 20);
  EXPECT_EQ(h->position.y, SOL);
}

}  // namespace

// By the world's top edge a landing, a jump, a return above a post and an
// aim by the right edge all stay by the edge they are at.
TEST_F(SommetEnBataille, LandingJumpingRespawningAndAimingByTheTopStayThere) { au_sommet(); }
