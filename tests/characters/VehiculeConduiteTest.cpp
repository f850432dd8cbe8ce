#include "Garage.h"
#include "weapons/RocketV.h"
#include "weapons/TirV.h"

using Conduite = Garage;

namespace {
const char* RIDER = "Vehicules/Terrestres/rider/";
const char* HELICO = "Vehicules/Aeriens/helicopter/";
const char* LOTUS = "Vehicules/Aeriens/Lotus/";
int repos(Vehicule* v) { return 544 - v->TramePrincipale.h - 15; }
}  // namespace

TEST_F(Conduite, TheDownKeyClimbsTheUpKeyDescendsAndOpposedKeysCancel) {
  Soldat* h = hero(0, 0);
  Vehicule* v = new VehiculeAerien(HELICO, Rect(1000, 200, 0, 0));
  monter(v, h);
  touche(controles::C_BAS) = true;
  v->comportement();
  EXPECT_EQ(v->position.y, 160);
  touche(controles::C_HAUT) = true;
  touche(controles::C_DROITE) = true;
  touche(controles::C_GAUCHE) = true;
  v->comportement();
  EXPECT_EQ(v->position.y, 160);
  EXPECT_EQ(v->position.x, 1000);
  touche(controles::C_BAS) = false;
  touche(controles::C_DROITE) = false;
  v->comportement();
  EXPECT_EQ(v->position.y, 200);
  EXPECT_EQ(v->position.x, 960);
  EXPECT_EQ(v->direction, GAUCHE);
  // Flying: nothing stops it, and it does not fall while manned.
  bloc(900, 100, 50, 400);
  v->comportement();
  EXPECT_EQ(v->position.x, 920);
  EXPECT_EQ(h->position.x, 960);  // the crew is moved before the step
  // Nor does it fly round the world's edge.
  v->position.x = -32750;
  v->comportement();
  EXPECT_EQ(v->position.x, -32750);
}

TEST_F(Conduite, TheRiderMovesTwoStepsAFrameOnFreeGroundAndOneAgainstAnObstacle) {
  Soldat* h = hero(0, 0);
  Vehicule* v = new VehiculeTerrestre(RIDER, Rect(100, 0, 0, 0));
  v->position.y = static_cast<Sint16>(repos(v));
  monter(v, h);
  touche(controles::C_DROITE) = true;
  v->comportement();
  EXPECT_EQ(v->position.x, 200);
  EXPECT_EQ(v->position.y, repos(v));  // rides on the rest line
  // A block just ahead: only the movement's own step.
  bloc(200 + v->TramePrincipale.w + 20, repos(v), 60, v->TramePrincipale.h);
  v->comportement();
  EXPECT_EQ(v->position.x, 250);
  // The climb keys do nothing on the ground.
  touche(controles::C_DROITE) = false;
  touche(controles::C_BAS) = true;
  v->comportement();
  EXPECT_EQ(v->position.x, 250);
  EXPECT_EQ(v->position.y, repos(v));
  // Nor does it drive round the world's edge.
  touche(controles::C_DROITE) = true;
  v->position.x = 32720;
  v->comportement();
  EXPECT_EQ(v->position.x, 32720);
}

TEST_F(Conduite, AFixedEmplacementIgnoresTheDirectionKeys) {
  Soldat* h = hero(0, 0);
  Vehicule* v = new VehiculeTerrestre("Vehicules/Terrestres/tourelles/", Rect(300, 0, 0, 0));
  v->position.y = static_cast<Sint16>(repos(v));
  monter(v, h);
  touche(controles::C_GAUCHE) = true;
  v->comportement();
  v->comportement();
  EXPECT_EQ(v->position.x, 300);
  EXPECT_EQ(v->direction, DROITE);
}

TEST_F(Conduite, AnIdleVehicleFallsSixteenPixelsAFrameToTheRestLineUnlessItIsFixed) {
  Vehicule* r = new VehiculeTerrestre(RIDER, Rect(0, 100, 0, 0));
  bloc(0, 300, 400, 40);  // what lies below does not hold an idle vehicle
  r->comportement();
  EXPECT_EQ(r->position.y, 116);
  for (int i = 0; i < 40; ++i) r->comportement();
  EXPECT_EQ(r->position.y, repos(r));

  Vehicule* a = new VehiculeAerien(LOTUS, Rect(600, 10, 0, 0));
  a->comportement();
  EXPECT_EQ(a->position.y, 26);
  a->tourelle = true;
  a->comportement();
  EXPECT_EQ(a->position.y, 26);
  // The ground kind settles even as a fixed emplacement.
  Vehicule* f = new VehiculeTerrestre("Vehicules/Terrestres/tourelles/", Rect(900, 10, 0, 0));
  f->comportement();
  EXPECT_EQ(f->position.y, 26);
  // Under water nothing holds it, but it never sinks round the world's bottom.
  general::sous_marin = true;
  r->position.y = 32760;
  r->comportement();
  EXPECT_EQ(r->position.y, 32760);
}

TEST_F(Conduite, ATurretShotAimsAtThePointerAndKicksTheAimUpOrDown) {
  Soldat* h = hero(0, 0);
  Vehicule* v = new VehiculeAerien(LOTUS, Rect(200, 100, 0, 0));
  monter(v, h);
  general::Scrolling = Rect(40, -20, 0, 0);
  SDL_Surface* viseur = v->ArmesVehic[0]->viseur;
  const int vw = viseur ? viseur->w / 2 : 0, vh = viseur ? viseur->h / 2 : 0;
  // The pointer straight right of the pivot (154, 129), in screen terms.
  const int sy = 100 + 129;
  for (int essai = 0; essai < 6; ++essai) {
    v->set_cible(Rect(200 + 154 + 300 + vw - 40, sy + vh + 20, 0, 0));
    const int avant_y = v->cible.y;
    bouton(SDL_BUTTON_RIGHT) = true;
    Horloge::avancer(100);
    v->comportement();
    auto tirs = trouver<TirV>();
    ASSERT_EQ(tirs.size(), static_cast<size_t>(essai + 1));
    EXPECT_NEAR(tirs.back()->Angle, 0.0, 1e-6);
    const int ecart = v->cible.y - avant_y;
    EXPECT_TRUE(ecart == 12 || ecart == -13) << ecart;  // 0.7 x 18, truncated
    // Every round the turret fires goes back into its reserve.
    EXPECT_EQ(v->ArmesVehic[1]->get_nb_munition(), 301 + essai);
  }
  // No shot, no kick.
  bouton(SDL_BUTTON_RIGHT) = false;
  const int y = v->cible.y;
  Horloge::avancer(100);
  v->comportement();
  EXPECT_EQ(v->cible.y, y);
}

TEST_F(Conduite, TheTurretAimsBehindWhenThePointIsOnTheLeft) {
  Soldat* h = hero(0, 0);
  Vehicule* v = new VehiculeAerien(HELICO, Rect(200, 100, 0, 0));
  monter(v, h);
  v->set_cible(Rect(0, 100 + 154, 0, 0));
  bouton(SDL_BUTTON_LEFT) = true;
  v->comportement();
  auto tirs = trouver<TirV>();
  ASSERT_EQ(tirs.size(), 1u);
  EXPECT_GT(tirs[0]->Angle, 90.0);
  EXPECT_LT(tirs[0]->Angle, 270.0);
}

TEST_F(Conduite, GunsFireAheadOrStraightDownAndAnUnusedGunNever) {
  Soldat* h = hero(0, 0);
  Vehicule* v = new VehiculeAerien(LOTUS, Rect(2000, 100, 0, 0));
  monter(v, h);
  v->direction = GAUCHE;
  bouton(SDL_BUTTON_LEFT) = true;
  v->comportement();
  auto tirs = trouver<TirV>();
  ASSERT_EQ(tirs.size(), 1u);
  // Straight back along the facing: the bullet keeps the angle relative to it.
  EXPECT_EQ(tirs[0]->direction, GAUCHE);
  EXPECT_NEAR(tirs[0]->Angle, 0.0, 1e-6);
  EXPECT_EQ(v->ArmesVehic[0]->camp, ALLIE);
  // Flown down to the world's bottom edge, it fires from there, not from the top.
  v->position.y = 32760;
  Horloge::avancer(1000);
  v->comportement();
  ASSERT_EQ(trouver<TirV>().size(), 2u);
  // Its turret, at the right edge and fired along it, too.
  bouton(SDL_BUTTON_LEFT) = false;
  bouton(SDL_BUTTON_RIGHT) = true;
  v->direction = DROITE;
  v->position.x = 32600;  // the pivot at x 32754
  general::Scrolling = Rect(32000, 32000, 0, 0);
  SDL_Surface* viseur = v->ArmesVehic[0]->viseur;
  v->set_cible(Rect(767 + (viseur ? viseur->w / 2 : 0), 767 + (viseur ? viseur->h / 2 : 0), 0, 0));
  Horloge::avancer(1000);
  v->comportement();
  ASSERT_EQ(trouver<TirV>().size(), 3u);
  for (TirV* t : trouver<TirV>()) EXPECT_GT(t->position.x, 0);
  for (TirV* t : trouver<TirV>()) EXPECT_GT(t->position.y, 0);
  // At the left edge, where the view wraps, aimed into the void beyond: it turns left.
  v->direction = GAUCHE;
  v->position = Rect(INT16_MIN, 100, 0, 0);
  general::Scrolling = Rect(static_cast<Sint16>(v->position.x + v->TramePrincipale.w / 2 - 480), 0, 0, 0);
  v->set_cible(Rect(0, 300, 0, 0));
  Horloge::avancer(1000);
  v->comportement();
  ASSERT_EQ(trouver<TirV>().size(), 4u);
  EXPECT_LT(trouver<TirV>()[3]->position.x, v->position.x + v->TramePrincipale.w / 2);
  bouton(SDL_BUTTON_RIGHT) = false;
  v->sortir_joueur();

  Vehicule* q = new VehiculePolyvalent("Vehicules/Polyvalents/QDS/", Rect(4000, 100, 0, 0));
  monter(q, h);
  bouton(SDL_BUTTON_RIGHT) = true;
  q->comportement();
  auto roquettes = trouver<RocketV>();
  ASSERT_EQ(roquettes.size(), 1u);
  EXPECT_NEAR(roquettes[0]->Angle, 270.0, 1e-6);
  q->sortir_joueur();

  // The helicopter's second gun and the emplacement's are never used.
  for (Vehicule* w : {static_cast<Vehicule*>(new VehiculeAerien(HELICO, Rect(6000, 100, 0, 0))),
                      static_cast<Vehicule*>(new VehiculeTerrestre("Vehicules/Terrestres/tourelles/",
                                                                   Rect(8000, 100, 0, 0)))}) {
    monter(w, h);
    const size_t avant = Mapping::dernier_objet;
    for (int i = 0; i < 5; ++i) {
      Horloge::avancer(200);
      w->comportement();
    }
    EXPECT_EQ(static_cast<size_t>(Mapping::dernier_objet), avant);
    EXPECT_EQ(w->ArmesVehic[1]->get_charge_actuelle(), w->ArmesVehic[1]->get_recharge());
    w->sortir_joueur();
  }
}

TEST_F(Conduite, AMissingTurretPictureNeitherCrashesTheShotNorTheDrawing) {
  Soldat* h = hero(0, 0);
  Vehicule* v = new VehiculeAerien(LOTUS, Rect(200, 100, 0, 0));
  v->Tourelle = nullptr;
  monter(v, h);
  v->set_cible(Rect(800, 300, 0, 0));
  bouton(SDL_BUTTON_RIGHT) = true;
  v->comportement();
  v->bliting();
  ASSERT_EQ(trouver<TirV>().size(), 1u);
}
