#include "battle/JouerMission.h"

#include "battle/JouerMap.h"
#include "battle/LireMap2.h"
#include "battle/Missions.h"
#include "engine/Constantes.h"
#include "menus/SelectionArmes.h"
#include "menus/SelectionPerso.h"

int JouerMission(int id, int stade, SDL_Surface* Start) {
  const int frontiere = general::nb_mission_accompli;
  // A mission in progress goes on with the hero and weapons of the save slot.
  if (!(id == frontiere && stade != 0)) {
    LireMap3(LireNomMap(id, stade));
    const int mode = id < frontiere || stade != 0 ? 1 : general::Choix_perso;
    if (Selectionner_Perso(Start, mode) == 0 || !general::continuer) return 1;
    Selectionner_Armes(Start);
    if (id != general::nb_mission_accompli) return JouerMap(id, stade);
  }
  int r = 1;
  // A frontier past a shortened mission's end plays its last map, whose win
  // moves the frontier on.
  while (id == general::nb_mission_accompli && general::continuer) {
    r = JouerMap(id, stade);
    if (r != 0) break;
    // A win the slot could not keep leaves the frontier behind: the next
    // battle reads it back, and the chain would replay the last map for ever.
    if (id == general::nb_mission_accompli && general::nb_map_accompli_mission <= stade) break;
    ++stade;
  }
  return r;
}
