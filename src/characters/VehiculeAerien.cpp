#include "characters/VehiculeAerien.h"

#include "engine/Fonctions.h"

namespace {
constexpr int D = Vehicule::ARME_DEFAUT, R = Vehicule::ARME_ROQUETTES;
const SDL_Rect P0 = {0, 0, 0, 0};
}  // namespace

const ModeleVehicule VehiculeAerien::Modeles[] = {
    {"Vehicules/Aeriens/helicopter/", 250, 40, 8, {TOURELLE, AUCUNE}, {{435, 154, 0, 0}, {0, 0, 0, 0}}, nullptr, P0,
     {"Vehicules/Aeriens/helicopter/helice1.png", "Vehicules/Aeriens/helicopter/helice2.png",
      "Vehicules/Aeriens/helicopter/helicestop.png"},
     true, false, {D, D}},
    {"Vehicules/Aeriens/Lotus/", 250, 40, 3, {HORIZONTAL, TOURELLE}, {{282, 153, 0, 0}, {154, 129, 0, 0}}, nullptr, P0,
     {}, false, false, {D, D}},
    // Life 1: the first hit that counts brings these down.
    {"Vehicules/Aeriens/transport/", 1, 38, 3, {HORIZONTAL, TOURELLE}, {{152, 67, 0, 0}, {152, 67, 0, 0}}, nullptr, P0,
     {}, false, false, {D, D}},
    {"Vehicules/Aeriens/ares/", 1, 25, 3, {HORIZONTAL, TOURELLE}, {{215, 194, 0, 0}, {215, 194, 0, 0}}, nullptr, P0, {},
     false, false, {R, D}},
};
const int VehiculeAerien::nb_modeles = sizeof(Modeles) / sizeof(Modeles[0]);

VehiculeAerien::VehiculeAerien(P_char n, SDL_Rect pos) : Vehicule(n, pos) { choisir_modele(Modeles, nb_modeles); }
