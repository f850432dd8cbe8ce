#include "characters/VehiculeTerrestre.h"

namespace {
constexpr int D = Vehicule::ARME_DEFAUT;
const SDL_Rect P0 = {0, 0, 0, 0};
// The earlier rider carried the common turret, higher up and further back.
const SDL_Rect RIDER_CANON = early ? SDL_Rect{152, 67, 0, 0} : SDL_Rect{170, 128, 0, 0};
const SDL_Rect RIDER_TOURELLE = early ? SDL_Rect{151, 28, 0, 0} : SDL_Rect{151, 128, 0, 0};
const char* const RIDER_IMAGE = early ? nullptr : "Vehicules/Terrestres/rider/Tourelle.png";
const SDL_Rect RIDER_PIVOT = early ? SDL_Rect{17, 67, 0, 0} : SDL_Rect{21, 68, 0, 0};
}  // namespace

const ModeleVehicule VehiculeTerrestre::Modeles[] = {
    {"Vehicules/Terrestres/rider/", 250, 50, 4, {HORIZONTAL, TOURELLE}, {RIDER_CANON, RIDER_TOURELLE}, RIDER_IMAGE,
     RIDER_PIVOT,
     {"Vehicules/Terrestres/rider/roues-1.png", "Vehicules/Terrestres/rider/roues-2.png",
      "Vehicules/Terrestres/rider/roues-stop.png"},
     false, false, {D, D}},
    {"Vehicules/Terrestres/tourelles/", 250, 80, 4, {TOURELLE, AUCUNE}, {{144, 62, 0, 0}, {144, 62, 0, 0}}, nullptr,
     P0, {}, false, true, {D, D}},
};
const int VehiculeTerrestre::nb_modeles = sizeof(Modeles) / sizeof(Modeles[0]);

VehiculeTerrestre::VehiculeTerrestre(P_char n, SDL_Rect pos) : Vehicule(n, pos) {
  tourelle = false;
  siege_attaque = false;
  choisir_modele(Modeles, nb_modeles);
}

#if !GAME_EARLY
void VehiculeTerrestre::comportement() {
  if (refuse() || conduire()) return;
  // Even a fixed emplacement settles on the ground; a wreck stays a wreck.
  gravite();
}

void VehiculeTerrestre::mouvement() {
  gravite();
  if (!tourelle && deplacement_x)
    position.x = pas16(position.x, direction == DROITE ? vitesse : -vitesse);
}
#endif

void VehiculeTerrestre::controlejoueur() {
  if (!tourelle) {
    const bool d = touche(controles::C_DROITE), g = touche(controles::C_GAUCHE);
    if (d && d != g) {
      deplacement_x = true;
      direction = DROITE;
      if (p_collision(false, 0) == PAS_COLLISION) position.x = pas16(position.x, vitesse);
    } else if (g && g != d) {
      deplacement_x = true;
      direction = GAUCHE;
      if (p_collision(false, 0) == PAS_COLLISION) position.x = pas16(position.x, -vitesse);
    }
  }
  boutons_et_sortie();
}
