// The earlier vehicles: no gravity and no return, driven whenever their camp
// holds them, wrecked or not, an AI that waits for a target, five seconds of
// protection, crews that stay inside their wreck, and the older turret and
// weapons.
#include <cmath>

#include "../characters/Garage.h"
#include "engine/OuvrirImage.h"

using VehiculeAncien = Garage;

namespace {

const char* RIDER = "Vehicules/Terrestres/rider/";
const char* HELICO = "Vehicules/Aeriens/helicopter/";
const char* LOTUS = "Vehicules/Aeriens/Lotus/";

// A weapon that notes where and at what angle it is fired, whichever of the
// two firing calls the vehicles make; each shot spends a cartridge.
class Releve : public Armes {
 public:
  Releve() : Armes("N-Destructor", 2, 18, 80, 55, 150, 300, 4000, false, 0, 2) { charge_actuelle = 100; }
  short Tirer(SDL_Rect p, bool, bool, double a) { return noter(p, a); }
  short Tirer(SDL_Rect p, bool, bool, double a, bool, bool) { return noter(p, a); }
  std::vector<SDL_Rect> lieux;
  std::vector<double> angles;

 private:
  short noter(SDL_Rect p, double a) {
    lieux.push_back(p);
    angles.push_back(a);
    --charge_actuelle;
    return 0;
  }
};

Releve* armer(Vehicule* v, int k) {
  auto* r = new Releve;
  r->viseur = nullptr;  // the aim point is then the turret's target itself
  delete v->ArmesVehic[k];
  v->ArmesVehic[k] = r;
  return r;
}

// Boards then leaves: the vehicle keeps the camp and nobody is aboard.
void prendre_et_quitter(Vehicule* v, Mapping* s) {
  Horloge::avancer(501);
  v->interragir(s);
  v->RetirerPassager(0);
}

}  // namespace

TEST_F(VehiculeAncien, VehiclesStartCalmWithoutReturnClocksAndTheRiderCarriesTheCommonTurret) {
  Vehicule* r = new VehiculeTerrestre(RIDER, Rect(100, 50, 0, 0));
  EXPECT_EQ(r->statut, 0) << "calm on every map";
  EXPECT_EQ(r->Tourelle, AllouerImage("Vehicules/tourelle.png", 0, false));
  EXPECT_EQ(r->decalage_tourelle.x, 17);
  EXPECT_EQ(r->decalage_tourelle.y, 67);
  EXPECT_EQ(r->placements[0].x, 152);
  EXPECT_EQ(r->placements[0].y, 67);
  EXPECT_EQ(r->placements[1].x, 151);
  EXPECT_EQ(r->placements[1].y, 28);
  EXPECT_EQ(r->UtilisationArmes[0], HORIZONTAL);
  EXPECT_EQ(r->UtilisationArmes[1], TOURELLE);
  EXPECT_NE(r->Rouage[2], nullptr) << "the wheels are still the rider's own";
  // Three clocks run; the return and the look-around never start.
  EXPECT_TRUE(r->Invincibilite.en_cours && r->cycle.en_cours && r->ES.en_cours);
  EXPECT_FALSE(r->Mort.en_cours);
  EXPECT_FALSE(r->Ronde.en_cours);
  // The other models keep the common turret's own pivot.
  Vehicule* h = new VehiculeAerien(HELICO, Rect(0, 0, 0, 0));
  EXPECT_EQ(h->decalage_tourelle.x, 35);
  EXPECT_EQ(h->decalage_tourelle.y, 39);
}

TEST_F(VehiculeAncien, NothingFallsAndNoWreckOrEmptyVehicleEverComesBack) {
  Vehicule* sol = new VehiculeTerrestre(RIDER, Rect(100, 50, 0, 0));
  Vehicule* air = new VehiculeAerien(HELICO, Rect(900, 60, 0, 0));
  Vehicule* vide = new VehiculeAerien(LOTUS, Rect(2000, 70, 0, 0));
  prendre_et_quitter(vide, soldat(0, 0, ALLIE));
  vide->position.x = 2500;
  air->be_objectif(ENNEMI, 0);
  EXPECT_EQ(air->camp, ENNEMI);
  EXPECT_TRUE(air->reapparaitre) << "a target only takes a camp";
  Horloge::avancer(5001);
  air->recevoirdegats(1000, nullptr, 0, 0, 0);
  for (int i = 0; i < 100; ++i) {
    Horloge::avancer(1000);
    for (Vehicule* v : {sol, air, vide}) v->comportement();
  }
  EXPECT_EQ(sol->position.y, 50) << "no gravity";
  EXPECT_EQ(air->position.y, 60);
  EXPECT_FALSE(air->physique);
  EXPECT_LT(air->vie, 1) << "a wreck stays a wreck";
  EXPECT_EQ(vide->position.x, 2500) << "nobody to fight and no return";
  EXPECT_EQ(vide->camp, ALLIE);
}

TEST_F(VehiculeAncien, AVehicleItsCampHoldsDrivesWithoutCrewEvenWreckedAndTakesASoldierButANeutralOneStays) {
  soldat(4000, 100, ENNEMI);
  Vehicule* neutre = new VehiculeAerien(LOTUS, Rect(1000, 100, 0, 0));
  Vehicule* pris = new VehiculeAerien(LOTUS, Rect(1000, 400, 0, 0));
  Vehicule* epave = new VehiculeAerien(LOTUS, Rect(1000, 700, 0, 0));
  prendre_et_quitter(pris, soldat(0, 0, ALLIE));
  prendre_et_quitter(epave, soldat(0, 0, ALLIE));
  Horloge::avancer(5001);
  epave->recevoirdegats(1000, nullptr, 0, 0, 0);
  ASSERT_TRUE(epave->vivant) << "a wreck stays vivant";
  for (Vehicule* v : {neutre, pris, epave}) v->comportement();
  EXPECT_EQ(pris->position.x, 1040) << "empty, it still closes on the enemy";
  EXPECT_EQ(neutre->position.x, 1000) << "nobody's vehicle has no enemy";
  EXPECT_FALSE(neutre->tirer[0]);
  EXPECT_EQ(epave->position.x, 1040) << "a wreck is still driven";
  monter(epave, soldat(0, 0, ALLIE));
  EXPECT_EQ(epave->nb_passager, 1) << "and still boarded";
}

TEST_F(VehiculeAncien, TheAIWaitsForATargetAimsStraightAtItAndIgnoresItsObjective) {
  Soldat* pilote = soldat(0, 0, ENNEMI);
  Vehicule* v = new VehiculeAerien(LOTUS, Rect(1000, 100, 0, 0));
  monter(v, pilote);
  v->comportement();
  EXPECT_EQ(v->position.x, 1000) << "no patrol without a target";
  EXPECT_FALSE(v->tirer[0]);
  // Within 1000 px the aim goes straight to the target's centre.
  Soldat* cible = soldat(1000 + 160 - 20 - 300, 400, ALLIE);
  v->comportement();
  EXPECT_EQ(v->cible.x, cible->position.x + 20);
  EXPECT_EQ(v->cible.y, cible->position.y + 50);
  EXPECT_TRUE(v->tirer[0]);
  EXPECT_EQ(v->position.x, 1000) << "within half a screen it stands";
  // A soldier to follow changes nothing: it still closes on the target.
  v->set_objectif(soldat(1000, 100, ENNEMI));
  cible->position.x = 2000;
  v->comportement();
  EXPECT_EQ(v->position.x, 1040);
  EXPECT_EQ(v->direction, DROITE);
  // A calm emplacement of an infiltration map never looks around.
  general::infiltration = 1;
  Vehicule* poste = new VehiculeTerrestre("Vehicules/Terrestres/tourelles/", Rect(5000, 100, 0, 0));
  monter(poste, soldat(0, 0, ENNEMI));
  for (int i = 0; i < 3; ++i) {
    Horloge::avancer(4001);
    poste->comportement();
    EXPECT_EQ(poste->direction, DROITE);
  }
}

TEST_F(VehiculeAncien, HitsCountAfterFiveSecondsAndAWreckKeepsItsDeadCrewButPutsTheHeroOut) {
  Soldat* a = soldat(0, 0, ALLIE);
  Soldat* h = hero(0, 0);
  Soldat* b = soldat(0, 0, ALLIE);
  Vehicule* v = new VehiculeAerien(HELICO, Rect(700, 150, 0, 0));
  embarquer(v, {a, h, b});
  Horloge::avancer(4000);
  v->recevoirdegats(100, nullptr, 0, 0, 0);
  EXPECT_EQ(v->vie, 250) << "still protected after 4 s";
  Horloge::avancer(1001);
  v->recevoirdegats(300, nullptr, GAUCHE, 0, 0);
  EXPECT_FALSE(v->physique);
  EXPECT_TRUE(v->vivant);
  for (Soldat* s : {a, h, b}) {
    ASSERT_EQ(s->degats.size(), 1u);
    EXPECT_EQ(s->degats[0], 10000);
  }
  ASSERT_EQ(v->nb_passager, 2);
  EXPECT_EQ(v->passagers[0], a);
  EXPECT_EQ(v->passagers[1], b);
  EXPECT_FALSE(a->affichage);
  EXPECT_FALSE(b->affichage);
  // The hero lies at the wreck, where he can come back from, and the camera is his again.
  EXPECT_TRUE(h->affichage);
  EXPECT_EQ(h->position.x, 700);
  EXPECT_EQ(Mapping::centre_scrolling, h);
}

TEST_F(VehiculeAncien, TheTurretFiresFromUpAndAheadOfItsPivotWithoutRecoilAndTheGunsStraight) {
  Vehicule* v = new VehiculeAerien(HELICO, Rect(1000, 100, 0, 0));
  Vehicule* l = new VehiculeAerien(LOTUS, Rect(1000, 600, 0, 0));
  Releve* tourelle = armer(v, 0);
  Releve* canon = armer(l, 0);
  const int sx = 1000 + 435, sy = 100 + 154;
  v->cible = Rect(sx - 300, sy + 300, 0, 0);  // down and to the left: 225 degrees
  v->tirer[0] = true;
  v->Tirs();
  ASSERT_EQ(tourelle->angles.size(), 1u);
  const double a = tourelle->angles[0] * 3.14159265 / 180.0, w = v->Tourelle->w;
  EXPECT_NEAR(tourelle->angles[0], 225.0, 1e-4);
  EXPECT_EQ(tourelle->lieux[0].x, static_cast<int>(sx + std::fabs(std::cos(a)) * w));
  EXPECT_EQ(tourelle->lieux[0].y, static_cast<int>(sy - std::fabs(std::sin(a)) * w));
  EXPECT_GT(tourelle->lieux[0].x, sx + 60);
  EXPECT_EQ(v->cible.y, sy + 300) << "no recoil";
  // Driven at the left edge, where the view wraps, aimed into the void beyond: it turns left.
  monter(v, hero(0, 0));
  v->position = Rect(INT16_MIN, 100, 0, 0);
  general::Scrolling = Rect(static_cast<Sint16>(v->position.x + v->TramePrincipale.w / 2 - 480), 0, 0, 0);
  v->cible = Rect(0, 300, 0, 0);
  v->Tirs();
  ASSERT_EQ(tourelle->angles.size(), 2u);
  EXPECT_GT(tourelle->angles[1], 90.0);
  EXPECT_LT(tourelle->angles[1], 270.0);
  l->direction = GAUCHE;
  l->tirer[0] = true;
  l->Tirs();
  ASSERT_EQ(canon->angles.size(), 1u);
  EXPECT_EQ(canon->angles[0], 180.0);
  EXPECT_EQ(canon->lieux[0].x, 1000 + l->TramePrincipale.w - 282);
}

TEST_F(VehiculeAncien, PicturesFollowTheZoomFactor) {
  Vehicule* v = new VehiculeAerien(LOTUS, Rect(300, 200, 0, 0));
  auto dessine_a = [&](double zoom, int dezoom) {
    general::zoom = zoom;
    general::dezoom = dezoom;
    SDL_FillRect(general::ecran, nullptr, SDL_MapRGB(general::ecran->format, 122, 122, 122));
    v->bliting();
    Uint8 r, g, b;
    lire_rgb(general::ecran, 300 + 250, 200 + 100, r, g, b);  // the fuselage's tail end at full size
    return r != 122 || g != 122 || b != 122;
  };
  EXPECT_TRUE(dessine_a(1.0, 1)) << "full size at the battle's zoom";
  EXPECT_FALSE(dessine_a(0.5, 0)) << "half size below it";
}
