#pragma once
// Countdown of a timed map; when it runs out the battle's win/lose test
// learns it through general::TimeUp.
#include <string>

#include "engine/Interface.h"

#if !GAME_EARLY
class Temps_Limite : public ecriture {
 public:
  Temps_Limite(int32_t limite, SDL_Rect pos);

  void comportement() override;

  int32_t temps_ecoule = 0;
  int32_t temps_limite = 0;
  P_char** texte = nullptr;  // never used
};
#endif

// "2 min 5 sec" for 125 seconds.
std::string texte_compte_a_rebours(int32_t secondes);
