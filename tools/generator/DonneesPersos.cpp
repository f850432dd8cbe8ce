// The demo character files, written by the game's own writer: the two
// heroes, the editor's default character and soldiers of both camps.
// Appearance indexes follow the set lists: 1 OMUS, 2 Nemesis, 3 the hero.
#include <cstdio>
#include <cstdlib>

#include "Dessin.h"
#include "battle/Perso.h"
#include "characters/Element.h"
#include "engine/Constantes.h"

using namespace Dessin;

namespace {

struct Fiche {
  const char* nom;
  char sexe, peau, arme, melee, projectile, aura;
  int costume;  // the set worn on every part it has, and on the arms
  int vie, wex;
  char camp;
};

// Main weapons: 1 QD-AR, 2 QD-H, 4 Enfield, 5 Migal-513, 6 N-10, 9 N-Destructor,
// 11 O-LD. Blades: 0 Azura, 1 HG, 2 HG-2, 3 Kaiygh, 4 Couteau.
constexpr Fiche Fiches[] = {
    {"Korvan", 0, 0, 1, 4, 0, 0, 3, 200, 0, 0},
    {"Vesk", 1, 1, 6, 2, 1, 1, 3, 180, 0, 0},
    {"Relka", 1, 0, 5, 1, 0, 2, 2, 150, 300, 1},
    {"OMUS_Fusilier", 0, 0, 1, 4, 0, 0, 1, 100, 0, 0},
    {"OMUS_Eclaireuse", 1, 1, 6, 4, 1, 0, 1, 90, 0, 0},
    {"OMUS_Tireur", 0, 1, 4, 4, 0, 0, 1, 80, 0, 0},
    {"Nemesis_Soldat", 0, 1, 1, 4, 0, 0, 2, 100, 40, 1},
    {"Nemesis_Lourd", 0, 0, 9, 1, 0, 0, 2, 220, 120, 1},
    {"Nemesis_Tireuse", 1, 0, 11, 4, 0, 0, 2, 80, 90, 1},
};

Etape persos(50, "characters", [] {
  for (const Fiche& f : Fiches) {
    general::nom_perso = f.nom;
    general::sexe = f.sexe;
    general::couleur_de_peau = f.peau;
    general::armeprincipale = f.arme;
    general::arme_melee = f.melee;
    general::projectile = f.projectile;
    general::aura = f.aura;
    // Parts the costume lacks stay on the empty set; glasses never exist.
    for (int& c : Element::Construction_en_cours) c = f.costume;
    Element::Construction_en_cours[LUNETTES] = 0;
    Element::Bras_en_cours = f.costume;
    general::vie_perso = f.vie;
    general::Wex = f.wex;
    general::camp_perso = f.camp;
    if (!SauvegarderPerso()) {
      std::fprintf(stderr, "gendata: could not write the character %s\n", f.nom);
      std::exit(1);
    }
  }
});

}  // namespace
