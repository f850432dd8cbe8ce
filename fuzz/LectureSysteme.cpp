// Save slots come from disk: whatever bytes a slot holds, reading it must
// stay in bounds and leave every choice and the frontier usable as an index.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Dossier.h"
#include "battle/Missions.h"
#include "battle/Sauvegarde.h"
#include "engine/Constantes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
  dossier_propre("slot");
  if (taille < 2) return 0;
  // The first two bytes choose the battle about to be played.
  int mission = donnees[0] % (NB_MISSIONS + 2);
  int map = donnees[1];
  FILE* f = std::fopen("Systeme0.sav", "wb");
  if (!f) std::abort();
  std::fwrite(donnees + 2, 1, taille - 2, f);
  std::fclose(f);

  // A short slot leaves what it does not hold as it was: as at start-up,
  // not as the last input left it.
  general::fichier_utilise = 0;
  general::temps_de_jeu = 0;
  general::temps_de_jeu_pris = false;
  general::nb_hs = general::nb_tue = general::nb_mort = general::wex_actuelle = 0;
  general::nb_map_accompli = general::nb_map_accompli_mission = general::nb_mission_accompli = 0;
  general::Choix_perso = 0;
  general::perso_choisi = general::fusil_choisi = general::projectile_choisi = 0;
  general::melee_choisie = general::aura_choisie = 0;
  general::pistolet_choisi = 8;
  LectureSysteme(mission, map);
  bool bon = general::nb_mission_accompli >= 0 && general::nb_mission_accompli <= NB_MISSIONS &&
             general::perso_choisi >= 0 && general::perso_choisi <= 2 && general::fusil_choisi >= 0 &&
             general::fusil_choisi < 12 && general::pistolet_choisi >= 0 && general::pistolet_choisi < 12 &&
             general::projectile_choisi >= 0 && general::projectile_choisi < 4 && general::melee_choisie >= 0 &&
             general::melee_choisie < 5 && general::aura_choisie >= 0 && general::aura_choisie < 3 &&
             general::Choix_perso >= 0 && general::Choix_perso <= 2 && general::temps_de_jeu >= 0;
  if (!bon) std::abort();
  // Whatever the frontier, the campaign readers stay in their tables.
  LireNomMap(general::nb_mission_accompli, general::nb_map_accompli_mission);
  LireNbMapMission(general::nb_mission_accompli);
  ReleverProgression();
  return 0;
}
