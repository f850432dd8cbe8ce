#include "characters/InitierPersos.h"

#include "battle/Catalogues.h"
#include "characters/Element.h"
#include "engine/OuvrirImage.h"

Armes* ArmesPrincipales[12] = {};
Armes* Melee[5] = {};
Armes* Projectiles[4] = {};
Armes** Inventaire = nullptr;

void InitierApparences() {
  // Skin previews by zoom, colour and sex; the third colour keeps the first.
  static const char* const Peaux[2][2] = {{"Hommes/Blanc/run1.png", "Femmes/Blanc/run1.png"},
                                          {"Hommes/Noir/run1.png", "Femmes/Noir/run1.png"}};
  for (int z = 0; z < 2; ++z) {
    for (int c = 0; c < 3; ++c)
      for (int s = 0; s < 2; ++s) Element::CouleurPeau[z][c][s] = AllouerImage(Peaux[0][0], z, false);
    for (int c = 0; c < 2; ++c)
      for (int s = 0; s < 2; ++s) Element::CouleurPeau[z][c][s] = AllouerImage(Peaux[c][s], z, false);
  }
  for (int& c : Element::Construction_en_cours) c = 0;
  new Element("Aucun", 0);
  Element::Base = new Element("Aucun", 1);
  LectureHommes();
  LectureFemmes();
}
