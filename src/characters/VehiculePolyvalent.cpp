#include "characters/VehiculePolyvalent.h"

namespace {
constexpr int D = Vehicule::ARME_DEFAUT, R = Vehicule::ARME_ROQUETTES;
const SDL_Rect P0 = {0, 0, 0, 0};
}  // namespace

const ModeleVehicule VehiculePolyvalent::Modeles[] = {
    {"Vehicules/Polyvalents/zeus/", 250, 38, 8, {TOURELLE, HORIZONTAL}, {{113, 48, 0, 0}, {300, 231, 0, 0}}, nullptr, P0,
     {}, false, false, {D, D}},
    // The bombers drop rockets and have no turret to draw.
    {"Vehicules/Polyvalents/skyhunter/", 120, 110, 2, {HORIZONTAL, VERTICAL}, {{223, 84, 0, 0}, {131, 130, 0, 0}}, "",
     P0, {}, false, false, {D, R}},
    {"Vehicules/Polyvalents/QDS/", 400, 62, 8, {HORIZONTAL, VERTICAL}, {{372, 93, 0, 0}, {193, 97, 0, 0}}, "", P0, {},
     false, false, {D, R}},
};
const int VehiculePolyvalent::nb_modeles = sizeof(Modeles) / sizeof(Modeles[0]);

VehiculePolyvalent::VehiculePolyvalent(P_char n, SDL_Rect pos) : Vehicule(n, pos) {
  choisir_modele(Modeles, nb_modeles);
}
