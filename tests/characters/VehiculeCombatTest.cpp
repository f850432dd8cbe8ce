#include "Garage.h"

using Combat = Garage;

namespace {
const char* HELICO = "Vehicules/Aeriens/helicopter/";
const char* LOTUS = "Vehicules/Aeriens/Lotus/";
}  // namespace

TEST_F(Combat, HitsDuringTheFirstTwoSecondsOrWithoutDamageAreIgnored) {
  Vehicule* v = new VehiculeAerien(LOTUS, Rect(0, 0, 0, 0));
  general::infiltration = 1;
  v->statut = 0;
  Bloc* balle = bloc(0, 0, 1, 1);
  balle->vivant = false;
  v->recevoirdegats(100, balle, 0, 0, 0);
  EXPECT_EQ(v->vie, 250);
  EXPECT_TRUE(balle->vivant);  // the projectile goes on
  Horloge::avancer(2001);
  balle->vivant = false;
  v->recevoirdegats(0, balle, 0, 0, 0);
  EXPECT_TRUE(balle->vivant);
  v->recevoirdegats(100, nullptr, 0, 0, 0);
  EXPECT_EQ(v->vie, 150);
  EXPECT_EQ(v->statut, 3);  // the first hit alerts a calm vehicle
}

TEST_F(Combat, LightCraftFallToTheirFirstCountedHit) {
  for (const char* n : {"Vehicules/Aeriens/transport/", "Vehicules/Aeriens/ares/"}) {
    Vehicule* v = new VehiculeAerien(n, Rect(0, 0, 0, 0));
    Horloge::avancer(2001);
    v->recevoirdegats(1, nullptr, 0, 0, 0);
    EXPECT_FALSE(v->vivant) << n;
    EXPECT_FALSE(v->physique) << n;
  }
}

TEST_F(Combat, DestructionKillsEveryoneAboardAndPutsThemOutAtTheWreck) {
  Soldat* a = soldat(0, 0, ALLIE);
  Soldat* h = hero(0, 0);
  Soldat* b = soldat(0, 0, ALLIE);
  Vehicule* v = new VehiculeAerien(HELICO, Rect(700, 150, 0, 0));
  embarquer(v, {a, h, b});
  ASSERT_EQ(Mapping::centre_scrolling, v);
  Horloge::avancer(2001);
  v->recevoirdegats(300, nullptr, GAUCHE, 0, 0);
  EXPECT_EQ(v->nb_passager, 0);
  for (Soldat* s : {a, h, b}) {
    ASSERT_EQ(s->degats.size(), 1u);
    EXPECT_EQ(s->degats[0], 10000);
    EXPECT_EQ(s->sources[0], v);
    EXPECT_TRUE(s->affichage);
    EXPECT_EQ(s->position.x, 700);
    EXPECT_EQ(s->position.y, 150);
  }
  EXPECT_EQ(Mapping::centre_scrolling, h);
  EXPECT_EQ(v->camp, ALLIE);  // a wreck keeps its camp
  EXPECT_EQ(nb_joues("Impact.wav"), 1);
}

TEST_F(Combat, ACrewKilledAboardAStandingVehicleIsPutOutDeadAndTheVehicleGoesHome) {
  Soldat* a = soldat(0, 0, ALLIE);
  Soldat* h = hero(0, 0);
  Vehicule* v = new VehiculeAerien(HELICO, Rect(700, 50, 0, 0));
  embarquer(v, {a, h});
  v->position.x = 2000;
  Horloge::avancer(25000);
  Bloc* souffle = bloc(0, 0, 1, 1);  // a blast strikes the crew, not the vehicle
  for (Soldat* s : {a, h}) s->recevoirdegats(10000, souffle, 0, 0, 0);
  v->comportement();
  EXPECT_EQ(v->nb_passager, 0);
  for (Soldat* s : {a, h}) {
    EXPECT_TRUE(s->affichage);
    EXPECT_FALSE(s->vivant);
    EXPECT_EQ(s->position.x, 2000);  // lying where the vehicle stood
  }
  EXPECT_EQ(Mapping::centre_scrolling, h);
  EXPECT_FALSE(v->deplacement_x || v->tirer[0]);  // nobody drives it
  EXPECT_EQ(v->position.x, 700);                  // unmanned long enough: home
  EXPECT_EQ(v->camp, NUL);
}

TEST_F(Combat, AnAircraftComesBackNeutralTwentySecondsAfterItsDestruction) {
  Soldat* s = soldat(0, 0, ENNEMI);
  Vehicule* v = new VehiculeAerien(HELICO, Rect(700, 50, 0, 0));
  monter(v, s);
  v->position.x = 2000;
  Horloge::avancer(19000);  // long after construction, but destroyed now
  v->recevoirdegats(1000, nullptr, 0, 0, 0);
  Horloge::avancer(19999);
  v->comportement();
  EXPECT_FALSE(v->vivant);
  EXPECT_EQ(v->position.x, 2000);
  Horloge::avancer(2);
  v->comportement();
  EXPECT_TRUE(v->vivant);
  EXPECT_TRUE(v->physique);
  EXPECT_EQ(v->camp, NUL);
  EXPECT_EQ(v->vie, 250);
  EXPECT_EQ(v->position.x, 700);
  EXPECT_EQ(v->position.y, 50);
  // Protected again for two seconds.
  v->recevoirdegats(100, nullptr, 0, 0, 0);
  EXPECT_EQ(v->vie, 250);
}

TEST_F(Combat, AnAircraftLeftEmptyLongAfterItsLastReturnGoesBackAtOnce) {
  Soldat* s = soldat(0, 0, ALLIE);
  Vehicule* v = new VehiculeAerien(LOTUS, Rect(100, 50, 0, 0));
  monter(v, s);
  v->position = Rect(3000, 90, 0, 0);
  Horloge::avancer(25000);
  v->RetirerPassager(0);
  v->comportement();
  EXPECT_EQ(v->position.x, 100);
  EXPECT_EQ(v->camp, NUL);
}

TEST_F(Combat, GroundVehiclesTargetsAndInfiltrationMapsNeverBringAWreckBack) {
  Vehicule* sol = new VehiculeTerrestre("Vehicules/Terrestres/rider/", Rect(0, 0, 0, 0));
  Vehicule* cible = new VehiculeAerien(LOTUS, Rect(1000, 0, 0, 0));
  cible->be_objectif(ENNEMI, 0);
  EXPECT_EQ(cible->camp, ENNEMI);
  Vehicule* discret = new VehiculeAerien(LOTUS, Rect(3000, 0, 0, 0));
  Horloge::avancer(2001);
  for (Vehicule* v : {sol, cible, discret}) v->recevoirdegats(1000, nullptr, 0, 0, 0);
  general::infiltration = 1;
  Horloge::avancer(60000);
  for (Vehicule* v : {sol, cible, discret}) {
    v->comportement();
    EXPECT_FALSE(v->vivant);
  }
  general::infiltration = 0;
  discret->comportement();
  EXPECT_TRUE(discret->vivant);
}

// ---- AI ----

TEST_F(Combat, WithoutATargetTheAIPatrolsAroundItsStartAndTurnsFarAwayOrBlocked) {
  Soldat* pilote = soldat(0, 0, ENNEMI);
  Vehicule* v = new VehiculeAerien(LOTUS, Rect(1000, 100, 0, 0));
  monter(v, pilote);
  v->comportement();
  EXPECT_EQ(v->position.x, 1040);
  EXPECT_EQ(v->direction, DROITE);
  v->position.x = 1000 + 1700;
  v->comportement();
  EXPECT_EQ(v->direction, GAUCHE);
  EXPECT_EQ(v->position.x, 2660);
  // Blocked by a block ahead (back at the start, facing right).
  v->position.x = 1000;
  v->direction = DROITE;
  Bloc* b = bloc(1000 + v->TramePrincipale.w + 10, 100, 50, v->TramePrincipale.h);
  b->camp = ALLIE;
  v->comportement();
  EXPECT_EQ(v->direction, GAUCHE);
  EXPECT_FALSE(v->tirer[0]);
}

TEST_F(Combat, TheAIClosesOnAFarTargetKeepingItsConvoySpacing) {
  Soldat* p1 = soldat(0, 0, ENNEMI);
  Soldat* p2 = soldat(0, 0, ENNEMI);
  Soldat* p3 = soldat(0, 0, ENNEMI);
  Vehicule* tete = new VehiculeAerien(LOTUS, Rect(1000, 100, 0, 0));
  Vehicule* suivant = new VehiculeAerien(LOTUS, Rect(850, 100, 0, 0));
  Vehicule* loin = new VehiculeAerien(LOTUS, Rect(300, 100, 0, 0));
  monter(tete, p1);
  monter(suivant, p2);
  monter(loin, p3);
  soldat(5000, 150, ALLIE);
  for (Vehicule* v : {tete, suivant, loin}) v->comportement();
  EXPECT_EQ(tete->position.x, 1040);
  EXPECT_EQ(suivant->position.x, 850);  // within 200 px of the one ahead
  EXPECT_EQ(loin->position.x, 340);
  EXPECT_FALSE(tete->tirer[0]);  // too far to fire
}

TEST_F(Combat, TheAIStandsAndFiresAtATargetWithinHalfAScreenAndClimbsToAFarOne) {
  Soldat* pilote = soldat(0, 0, ENNEMI);
  Vehicule* v = new VehiculeAerien(LOTUS, Rect(1000, 100, 0, 0));
  monter(v, pilote);
  Soldat* cible = soldat(1000 + 160 - 20 - 300, 100, ALLIE);
  v->comportement();
  EXPECT_EQ(v->position.x, 1000);
  EXPECT_TRUE(v->tirer[0]);
  EXPECT_FALSE(v->tirer[1]);
  // Far below: it descends toward it.
  cible->position.y = 1200;
  v->comportement();
  EXPECT_EQ(v->position.y, 140);
}

TEST_F(Combat, AnAIVehicleWithASoldierToFollowStandsBesideItFacingAway) {
  Soldat* pilote = soldat(0, 0, ALLIE);
  Vehicule* v = new VehiculeAerien(LOTUS, Rect(1000, 100, 0, 0));
  monter(v, pilote);
  soldat(1500, 100, ENNEMI);
  Soldat* chef = soldat(1000 + 160 - 20 + 100, 100, ALLIE);
  v->set_objectif(chef);
  v->comportement();
  EXPECT_EQ(v->position.x, 1000);
  EXPECT_EQ(v->direction, GAUCHE);
  chef->position.x = 2000;
  v->comportement();
  EXPECT_EQ(v->direction, DROITE);
  EXPECT_EQ(v->position.x, 1040);
}

// ---- Drawing ----

TEST_F(Combat, TheLifeBarShowsNineSegmentsAtFullLifeAndOneAtTheLastPoint) {
  Soldat* s = soldat(0, 0, ALLIE);
  Vehicule* v = new VehiculeAerien(LOTUS, Rect(300, 200, 0, 0));
  monter(v, s);
  auto segments = [&] {
    SDL_FillRect(general::ecran, nullptr, SDL_MapRGB(general::ecran->format, 122, 122, 122));
    v->bliting();
    const int fx = 300 + v->TramePrincipale.w / 2 - 50, fy = 200 - 14 - 10;
    int n = 0;
    for (int i = 0; i < 10; ++i) {
      Uint8 r, g, b;
      lire_rgb(general::ecran, fx + 3 + i * 10 + 5, fy + 7, r, g, b);
      if (r < 100 && g > 180 && b < 100) ++n;  // the allied green, blending aside
    }
    return n;
  };
  EXPECT_EQ(segments(), 9);
  v->vie = 1;
  EXPECT_EQ(segments(), 1);
  v->vie = 125;
  EXPECT_EQ(segments(), 4);
}

TEST_F(Combat, AVehicleOffScreenDrawsNothing) {
  Vehicule* v = new VehiculeAerien(LOTUS, Rect(2000, 200, 0, 0));
  SDL_FillRect(general::ecran, nullptr, SDL_MapRGB(general::ecran->format, 122, 122, 122));
  v->bliting();
  general::Scrolling.x = 1500;
  Uint8 r, g, b;
  lire_rgb(general::ecran, 500 + v->TramePrincipale.w / 2, 200 + v->TramePrincipale.h / 2, r, g, b);
  EXPECT_EQ(r, 122);
  v->bliting();
  lire_rgb(general::ecran, 500 + v->TramePrincipale.w / 2, 200 + v->TramePrincipale.h / 2, r, g, b);
  EXPECT_NE(r, 122);
}
