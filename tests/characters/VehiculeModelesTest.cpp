#include "Garage.h"
#include "engine/OuvrirImage.h"

#include <fstream>
#include <iterator>

namespace {

struct Attendu {
  int genre;  // 0 ground, 1 air, 2 multi-role
  const char* nom;
  int vie, vitesse, places;
  int mode0, x0, y0, mode1, x1, y1;
  int force0, force1;  // the copied weapons' force tells which catalogue entry
  int tourelle;        // 0 common turret, 1 the rider's own, 2 none
  bool rouages, helice, fixe;
};

// The nine models as the game knows them.
const Attendu MODELES[] = {
    {0, "Vehicules/Terrestres/rider/", 250, 50, 4, 1, 170, 128, 0, 151, 128, 18, 18, 1, true, false, false},
    {0, "Vehicules/Terrestres/tourelles/", 250, 80, 4, 0, 144, 62, 3, 144, 62, 18, 18, 0, false, false, true},
    {1, "Vehicules/Aeriens/helicopter/", 250, 40, 8, 0, 435, 154, 3, 0, 0, 18, 18, 0, true, true, false},
    {1, "Vehicules/Aeriens/Lotus/", 250, 40, 3, 1, 282, 153, 0, 154, 129, 18, 18, 0, false, false, false},
    {1, "Vehicules/Aeriens/transport/", 1, 38, 3, 1, 152, 67, 0, 152, 67, 18, 18, 0, false, false, false},
    {1, "Vehicules/Aeriens/ares/", 1, 25, 3, 1, 215, 194, 0, 215, 194, 90, 18, 0, false, false, false},
    {2, "Vehicules/Polyvalents/zeus/", 250, 38, 8, 0, 113, 48, 1, 300, 231, 18, 18, 0, false, false, false},
    {2, "Vehicules/Polyvalents/skyhunter/", 120, 110, 2, 1, 223, 84, 2, 131, 130, 18, 90, 2, false, false, false},
    {2, "Vehicules/Polyvalents/QDS/", 400, 62, 8, 1, 372, 93, 2, 193, 97, 18, 90, 2, false, false, false},
};

Vehicule* construire(int genre, const char* nom, SDL_Rect pos) {
  if (genre == 0) return new VehiculeTerrestre(nom, pos);
  if (genre == 1) return new VehiculeAerien(nom, pos);
  return new VehiculePolyvalent(nom, pos);
}

}  // namespace

using Modeles = Garage;

TEST_F(Modeles, EachOfTheNineModelsTakesItsRowOfTheTable) {
  for (const Attendu& a : MODELES) {
    SCOPED_TRACE(a.nom);
    Vehicule* v = construire(a.genre, a.nom, Rect(100, 50, 0, 0));
    ASSERT_FALSE(v->refuse());
    EXPECT_EQ(v->vie, a.vie);
    EXPECT_EQ(v->vie_max, a.vie);
    EXPECT_EQ(v->vitesse, a.vitesse);
    EXPECT_EQ(v->nb_passager_possible, a.places);
    EXPECT_EQ(v->UtilisationArmes[0], a.mode0);
    EXPECT_EQ(v->UtilisationArmes[1], a.mode1);
    EXPECT_EQ(v->placements[0].x, a.x0);
    EXPECT_EQ(v->placements[0].y, a.y0);
    EXPECT_EQ(v->placements[1].x, a.x1);
    EXPECT_EQ(v->placements[1].y, a.y1);
    ASSERT_NE(v->ArmesVehic[0], nullptr);
    ASSERT_NE(v->ArmesVehic[1], nullptr);
    EXPECT_EQ(v->ArmesVehic[0]->get_force(), a.force0);
    EXPECT_EQ(v->ArmesVehic[1]->get_force(), a.force1);
    // Copies, never the catalogue's own weapon.
    EXPECT_NE(v->ArmesVehic[0], Element::ArmesPrincipales[9]);
    EXPECT_NE(v->ArmesVehic[0], v->ArmesVehic[1]);
    if (a.tourelle == 0) {
      EXPECT_EQ(v->Tourelle, AllouerImage("Vehicules/tourelle.png", 0, false));
      EXPECT_EQ(v->decalage_tourelle.x, 35);
      EXPECT_EQ(v->decalage_tourelle.y, 39);
    } else if (a.tourelle == 1) {
      EXPECT_EQ(v->Tourelle, AllouerImage("Vehicules/Terrestres/rider/Tourelle.png", 0, false));
      EXPECT_EQ(v->decalage_tourelle.x, 21);
      EXPECT_EQ(v->decalage_tourelle.y, 68);
    } else {
      EXPECT_EQ(v->Tourelle, nullptr);
    }
    EXPECT_EQ(v->Rouage[0] != nullptr, a.rouages);
    if (a.rouages) {
      for (int k = 0; k < 3; ++k) EXPECT_NE(v->Rouage[k][0][0], nullptr);
      EXPECT_NE(v->Rouage[0][0][0], v->Rouage[2][0][0]);
    }
    EXPECT_EQ(v->helice, a.helice);
    EXPECT_EQ(v->tourelle, a.fixe);
    SDL_Surface* corps = AllouerImage((std::string(a.nom) + "normal.png").c_str(), 0, false);
    ASSERT_NE(corps, nullptr);
    EXPECT_EQ(v->TramePrincipale.w, corps->w);
    EXPECT_EQ(v->TramePrincipale.h, corps->h);
    EXPECT_NE(v->die[0][0], nullptr);
    EXPECT_NE(v->Image[1][0], v->Image[0][0]);  // the mirrored body
    // The weapon points lie on the picture.
    EXPECT_LT(a.x0, corps->w);
    EXPECT_LT(a.y0, corps->h);
    EXPECT_LT(a.x1, corps->w);
    EXPECT_LT(a.y1, corps->h);
  }
}

TEST_F(Modeles, ANewVehicleStartsNeutralEmptyAndProtectedAtItsPlacement) {
  general::infiltration = 1;
  Vehicule* calme = new VehiculeAerien("Vehicules/Aeriens/Lotus/", Rect(300, 40, 0, 0));
  general::infiltration = 0;
  Vehicule* v = new VehiculeTerrestre("Vehicules/Terrestres/rider/", Rect(700, 80, 0, 0));
  EXPECT_EQ(calme->statut, 0);
  EXPECT_EQ(v->statut, 4);
  EXPECT_EQ(v->camp, NUL);
  EXPECT_EQ(v->nb_passager, 0);
  EXPECT_EQ(v->type_objet, VEHICULE);
  EXPECT_EQ(v->layer, 3);
  EXPECT_TRUE(v->physique);
  EXPECT_TRUE(v->reapparaitre);
  EXPECT_EQ(v->position.x, 700);
  EXPECT_EQ(v->pos_depart.y, 80);
  EXPECT_EQ(v->direction, DROITE);
  EXPECT_TRUE(v->enregistre());
  EXPECT_EQ(calme->id, 0);
  EXPECT_EQ(v->id, 1);
  EXPECT_EQ(Vehicule::Vehicules[1], v);
  EXPECT_EQ(Vehicule::relever_nb_vehicule(), 2);
}

TEST_F(Modeles, ANameMatchingNoModelIsRefusedAndNeverRunsDrawsOrTakesAnyone) {
  // Another case, a missing slash, a model of another kind, no name at all.
  const char* noms[] = {"Vehicules/Terrestres/Rider/", "Vehicules/Terrestres/rider", "Vehicules/Aeriens/Lotus/", ""};
  for (const char* n : noms) {
    SCOPED_TRACE(n);
    Vehicule* v = new VehiculeTerrestre(n, Rect(0, 0, 0, 0));
    refuses_.push_back(v);
    EXPECT_TRUE(v->refuse());
    EXPECT_EQ(v->Image, nullptr);
    EXPECT_EQ(v->die, nullptr);
    EXPECT_EQ(v->Rouage[0], nullptr);
    EXPECT_EQ(v->id, -1);
    EXPECT_FALSE(v->physique);
  }
  EXPECT_EQ(Vehicule::nb_vehicule, 0);

  Vehicule* v = refuses_.front();
  Soldat* s = soldat(0, 0, ALLIE);
  general::debut_partie = true;
  v->interragir(s);
  EXPECT_EQ(v->nb_passager, 0);
  EXPECT_TRUE(s->affichage);
  v->comportement();
  v->bliting();
  EXPECT_EQ(v->position.y, 0);  // not even gravity
}

TEST_F(Modeles, AModelWhoseBodyPictureIsMissingIsRefused) {
  std::filesystem::remove(dossier_ / "Vehicules/Aeriens/ares/normal.png");
  // The cache may hold it from an earlier test: make it forget.
  for (int i = 0; i < nb_images; ++i)
    if (charcmp(nom_Images[i].retournertexte(), "Vehicules/Aeriens/ares/normal.png")) nom_Images[i] = "oubliee";
  Vehicule* v = new VehiculeAerien("Vehicules/Aeriens/ares/", Rect(0, 0, 0, 0));
  refuses_.push_back(v);
  EXPECT_TRUE(v->refuse());
  EXPECT_EQ(Vehicule::nb_vehicule, 0);
}

TEST_F(Modeles, TheRegistryRefusesVehiclesPastItsCapacity) {
  for (int i = 0; i < Vehicule::NB_MAX_VEHICULES; ++i) new VehiculeAerien("Vehicules/Aeriens/Lotus/", Rect(i, 0, 0, 0));
  ASSERT_EQ(Vehicule::nb_vehicule, Vehicule::NB_MAX_VEHICULES);
  Vehicule* de_trop = new VehiculeAerien("Vehicules/Aeriens/Lotus/", Rect(0, 0, 0, 0));
  refuses_.push_back(de_trop);
  EXPECT_EQ(de_trop->id, -1);
  EXPECT_EQ(Vehicule::nb_vehicule, Vehicule::NB_MAX_VEHICULES);
  EXPECT_EQ(Vehicule::Vehicules[Vehicule::NB_MAX_VEHICULES - 1]->position.x, Vehicule::NB_MAX_VEHICULES - 1);
}

TEST_F(Modeles, RemovingAnEntryRenumbersTheLaterVehiclesAndKeepsTheirOrder) {
  Vehicule* a = new VehiculeAerien("Vehicules/Aeriens/Lotus/", Rect(0, 0, 0, 0));
  Vehicule* b = new VehiculeAerien("Vehicules/Aeriens/Lotus/", Rect(0, 0, 0, 0));
  Vehicule* c = new VehiculeAerien("Vehicules/Aeriens/Lotus/", Rect(0, 0, 0, 0));
  Vehicule::DesallouerVehicule(0);
  EXPECT_EQ(Vehicule::nb_vehicule, 2);
  EXPECT_EQ(Vehicule::Vehicules[0], b);
  EXPECT_EQ(Vehicule::Vehicules[1], c);
  EXPECT_EQ(b->id, 0);
  EXPECT_EQ(c->id, 1);
  EXPECT_TRUE(a->enregistre());  // still in the world
  Vehicule::DesallouerVehicule(7);
  Vehicule::DesallouerVehicule(-1);
  EXPECT_EQ(Vehicule::nb_vehicule, 2);
  refuses_.push_back(a);
}

TEST_F(Modeles, ASoldierOrTargetThatIsDeletedLeavesEverySeatAndObjective) {
  Vehicule* v = new VehiculeAerien("Vehicules/Aeriens/helicopter/", Rect(0, 0, 0, 0));
  Vehicule* w = new VehiculeAerien("Vehicules/Aeriens/helicopter/", Rect(0, 0, 0, 0));
  auto* a = new Soldat(0, 0, ALLIE);
  Soldat* b = soldat(0, 0, ALLIE);
  Soldat* c = soldat(0, 0, ALLIE);
  general::debut_partie = true;
  v->interragir(b);
  v->interragir(a);
  v->interragir(c);
  v->set_objectif(a);
  w->set_objectif(v);
  delete a;
  ASSERT_EQ(v->nb_passager, 2);
  EXPECT_EQ(v->passagers[0], b);
  EXPECT_EQ(v->passagers[1], c);
  EXPECT_EQ(v->passagers[2], nullptr);
  EXPECT_EQ(v->get_objectif(), nullptr);
  // A vehicle that goes leaves the registry and the other's objective.
  delete v;
  EXPECT_EQ(w->get_objectif(), nullptr);
  EXPECT_EQ(Vehicule::nb_vehicule, 1);
  EXPECT_EQ(w->id, 0);
}

TEST_F(Modeles, TheDemoCatalogsListTheModelFolders) {
  auto lire = [](const char* n) {
    std::ifstream f(n, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  };
  EXPECT_EQ(lire("Vehicules/Terrestres.txt"), "rider/\ntourelles/");
  EXPECT_EQ(lire("Vehicules/Aeriens.txt"), "helicopter/\nLotus/\ntransport/\nares/");
  EXPECT_EQ(lire("Vehicules/Polyvalents.txt"), "zeus/\nskyhunter/\nQDS/");
}
