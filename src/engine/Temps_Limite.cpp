#include "engine/Temps_Limite.h"

#include "engine/Constantes.h"

std::string texte_compte_a_rebours(int32_t secondes) {
  if (secondes < 0) secondes = 0;
  int32_t m = secondes / 60;
  return std::to_string(m) + " min " + std::to_string(secondes - 60 * m) + " sec";
}

#if !GAME_EARLY
Temps_Limite::Temps_Limite(int32_t limite, SDL_Rect pos) : temps_limite(limite) {
  cycle.remise_a_zero();
  cycle.en_cours = true;
  position = pos;
  ajouter_ligne(texte_compte_a_rebours(limite).c_str());
}

void Temps_Limite::comportement() {
  // The timer restarts only on a counted second, so the first frame after a
  // pause counts one at once.
  if (!general::pause && cycle.cycle(1000) == 3 && temps_ecoule < temps_limite) {
    ++temps_ecoule;
    retirer_ligne();
    ajouter_ligne(texte_compte_a_rebours(temps_limite - temps_ecoule).c_str());
    cycle.remise_a_zero();
  }
  if (temps_ecoule >= temps_limite) general::TimeUp = true;
  ecriture::comportement();
}
#endif
