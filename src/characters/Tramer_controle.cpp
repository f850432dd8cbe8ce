// The player's and the AI's action step, and the hero's weapon pick-up.
#include "characters/Tramer.h"
#include "weapons/Armes.h"

// The step itself, the use and pick-up keys arrive with the hero's controls.
void Tramer::evenement_hero(int, bool) {}
void Tramer::interraction() {}
void Tramer::interraction2() {}

void PrendreArme(Armes* ar) {
  // Tramer::Hero follows a hand-over, so the weapon goes to the soldier the
  // player controls, not to a dead one.
  Tramer* h = Tramer::Hero;
  if (!h || !ar) return;
  Armes* copie = Reproduire_Arme(ar);
  if (!copie) return;
  delete h->ArmePrincipale;
  h->ArmePrincipale = copie;
}

void ajouter_munition_hero(int) {
  Tramer* h = Tramer::Hero;
  if (h && h->ArmePrincipale) h->ArmePrincipale->ajouter_munitions(10);
}
