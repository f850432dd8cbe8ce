#include "Embarquement.h"
#include "Garage.h"

using Bord = Garage;

namespace {
const char* HELICO = "Vehicules/Aeriens/helicopter/";
const char* LOTUS = "Vehicules/Aeriens/Lotus/";
}  // namespace

TEST_F(Bord, TheFirstUserGivesANeutralVehicleItsCampEvenWithoutASeat) {
  Vehicule* v = new VehiculeAerien(LOTUS, Rect(0, 0, 0, 0));
  v->nb_passager_possible = 0;
  Soldat* e = soldat(0, 0, ENNEMI);
  monter(v, e);
  EXPECT_EQ(v->camp, ENNEMI);
  EXPECT_EQ(v->nb_passager, 0);
  EXPECT_TRUE(e->affichage);
  // Once it has a camp, the other side cannot take it.
  v->nb_passager_possible = 3;
  Soldat* a = soldat(0, 0, ALLIE);
  monter(v, a);
  EXPECT_EQ(v->camp, ENNEMI);
  EXPECT_EQ(v->nb_passager, 0);
}

TEST_F(Bord, BoardingWaitsHalfASecondAfterBuildingAndBetweenUses) {
  Vehicule* v = new VehiculeAerien(HELICO, Rect(500, 40, 0, 0));
  Soldat* a = soldat(0, 300, ALLIE);
  Soldat* b = soldat(0, 300, ALLIE);
  Horloge::avancer(500);
  v->interragir(a);
  EXPECT_EQ(v->nb_passager, 0);  // 500 ms exactly is not yet past
  Horloge::avancer(1);
  v->interragir(a);
  v->interragir(b);  // same frame: refused
  ASSERT_EQ(v->nb_passager, 1);
  EXPECT_EQ(v->passagers[0], a);
  EXPECT_FALSE(a->affichage);
  EXPECT_EQ(a->position.x, 500);
  EXPECT_EQ(a->position.y, 40);
  Horloge::avancer(501);
  v->interragir(b);
  EXPECT_EQ(v->nb_passager, 2);
  // Leaving restarts the interval too.
  v->RetirerPassager(0);
  Soldat* c = soldat(0, 0, ALLIE);
  v->interragir(c);
  EXPECT_EQ(v->nb_passager, 1);
  EXPECT_EQ(v->passagers[0], b);
}

TEST_F(Bord, AtMapStartEveryoneOverlappingBoardsInTheSameFrame) {
  Vehicule* v = new VehiculeAerien(LOTUS, Rect(0, 0, 0, 0));
  general::debut_partie = true;
  Soldat* s[4];
  for (auto& x : s) {
    x = soldat(0, 0, ALLIE);
    v->interragir(x);
  }
  EXPECT_EQ(v->nb_passager, 3);  // three seats
  EXPECT_TRUE(s[3]->affichage);
  // The same soldier never takes two seats.
  v->RetirerPassager(2);
  v->interragir(s[0]);
  EXPECT_EQ(v->nb_passager, 2);
}

TEST_F(Bord, LeavingPutsTheOccupantBackAtTheVehicleAndKeepsTheOthersInOrder) {
  Vehicule* v = new VehiculeAerien(HELICO, Rect(0, 0, 0, 0));
  general::debut_partie = true;
  Soldat* s[4];
  for (auto& x : s) {
    x = soldat(0, 0, ALLIE);
    v->interragir(x);
  }
  v->position = Rect(900, 120, 0, 0);
  v->RetirerPassager(1);
  EXPECT_TRUE(s[1]->affichage);
  EXPECT_EQ(s[1]->position.x, 900);
  EXPECT_EQ(s[1]->position.y, 120);
  ASSERT_EQ(v->nb_passager, 3);
  EXPECT_EQ(v->passagers[0], s[0]);
  EXPECT_EQ(v->passagers[1], s[2]);
  EXPECT_EQ(v->passagers[2], s[3]);
  EXPECT_EQ(v->passagers[3], nullptr);
  v->RetirerPassager(3);  // no such occupant
  v->RetirerPassager(-1);
  EXPECT_EQ(v->nb_passager, 3);
  // Everyone aboard rides along.
  v->position = Rect(50, 60, 0, 0);
  EXPECT_FALSE(v->controlj());
  EXPECT_EQ(s[3]->position.x, 50);
  EXPECT_EQ(s[3]->position.y, 60);
}

TEST_F(Bord, TheHeroBoardsTheCameraFollowsAndTheDefaultEntrySoundPlays) {
  // A model without an entry sound of its own.
  std::filesystem::remove(dossier_ / "Vehicules/Aeriens/helicopter/Entree.wav");
  Soldat* h = hero(100, 300);
  Vehicule* v = new VehiculeAerien(HELICO, Rect(100, 200, 0, 0));
  monter(v, h);
  ASSERT_EQ(v->nb_passager, 1);
  EXPECT_EQ(Mapping::centre_scrolling, v);
  EXPECT_TRUE(v->controlj());
  EXPECT_EQ(nb_joues("Vehicules/default.wav"), 1);
  bool volume = false;
  for (const auto& c : Son::appels())
    if (c.operation == "volume" && c.valeur == 250) volume = true;
  EXPECT_TRUE(volume);
  // A model with an entry sound of its own plays that one.
  Son::effacer_appels();
  std::filesystem::copy_file(dossier_ / "Vehicules/default.wav", dossier_ / "Vehicules/Aeriens/Lotus/Entree.wav",
                             std::filesystem::copy_options::overwrite_existing);
  Vehicule* w = new VehiculeAerien(LOTUS, Rect(0, 0, 0, 0));
  v->sortir_joueur();
  monter(w, h);
  EXPECT_EQ(nb_joues("Lotus/Entree.wav"), 1);
  EXPECT_EQ(nb_joues("default.wav"), 0);
}

TEST_F(Bord, TheHeroLeavesWithTheUseKeyOnlyAfterHalfASecondAndOnce) {
  Soldat* h = hero(100, 300);
  Vehicule* v = new VehiculeAerien(HELICO, Rect(100, 200, 0, 0));
  monter(v, h);
  touche(controles::C_INTERRAGIR) = true;
  Horloge::avancer(400);
  v->comportement();
  EXPECT_EQ(v->nb_passager, 1);
  Horloge::avancer(101);
  v->comportement();
  EXPECT_EQ(v->nb_passager, 0);
  EXPECT_TRUE(h->affichage);
  EXPECT_EQ(Mapping::centre_scrolling, h);
  EXPECT_FALSE(v->evenementie.en_cours);
  // Back in: the key still held does not throw him out before 500 ms.
  monter(v, h);
  v->comportement();
  EXPECT_EQ(v->nb_passager, 1);
}

TEST_F(Bord, HeroLeavingFindsHimAmongTheCrew) {
  Soldat* a = soldat(0, 0, ALLIE);
  Soldat* h = hero(0, 0);
  Soldat* b = soldat(0, 0, ALLIE);
  Vehicule* v = new VehiculeAerien(HELICO, Rect(0, 0, 0, 0));
  general::debut_partie = true;
  v->interragir(a);
  v->interragir(h);
  v->interragir(b);
  v->sortir_joueur();
  ASSERT_EQ(v->nb_passager, 2);
  EXPECT_EQ(v->passagers[0], a);
  EXPECT_EQ(v->passagers[1], b);
  EXPECT_FALSE(v->controlj());
  v->sortir_joueur();  // the hero is not aboard: nothing changes
  EXPECT_EQ(v->nb_passager, 2);
}

TEST_F(Bord, ASoldierSeekingAVehicleBoardsItAndTheVehicleTakesItsCamp) {
  // What the soldier's vehicle-seeking behaviour does once it reaches one.
  Soldat* s = soldat(400, 300, ENNEMI);
  s->comportement_actuel = REJOINDRE_VEHICULE;
  s->classe = CONDUCTEUR;
  Vehicule* v = new VehiculeTerrestre("Vehicules/Terrestres/rider/", Rect(380, 300, 0, 0));
  monter(v, s);
  EXPECT_EQ(v->camp, ENNEMI);
  ASSERT_EQ(v->nb_passager, 1);
  EXPECT_FALSE(s->affichage);
  // From then on its AI drives: no hero aboard.
  EXPECT_FALSE(v->controlj());
  Soldat* cible = soldat(100, 300, ALLIE);
  v->position.y = static_cast<Sint16>(544 - v->TramePrincipale.h - 15);
  v->comportement();
  EXPECT_EQ(s->position.x, v->position.x);
  EXPECT_EQ(v->cible.x, 20);  // the aim creeps toward the target
  EXPECT_TRUE(v->tirer[0]);   // well within a screen width
  EXPECT_EQ(cible->camp, ALLIE);
}

using BordEnBataille = Embarquement;

TEST_F(BordEnBataille, AHeroLeavingTheTurretFromHisScopeIsBackInViewByKeyOrFromItsWreck) {
  quitter_la_tourelle_en_visant();
}

TEST_F(BordEnBataille, ASoldierAboardOneVehicleBoardsNoOtherAtTheStartOrByTheUseKey) {
  un_vehicule_a_la_fois();
}

TEST_F(BordEnBataille, TheHeroIsNeverInHisScopeStanceWithAGunThatHasNoneBySwapOrPickUp) {
  changer_de_fusil_en_visant();
}
