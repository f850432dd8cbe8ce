#include "battle/Missions.h"

#include <cstdint>
#include <limits>
#include <string>

#include "engine/Constantes.h"

namespace {
char Noms[NB_LIGNES_NOMS][NB_COLONNES_NOMS];
}

bool mission_valide(int mission) {
  return mission >= 0 && mission < NB_MISSIONS && general::FMissions[mission] != nullptr;
}

bool entree_vide(int mission, int map) {
  // Past the last line is the last line, as for its name: an empty one is
  // passed over there too.
  if (!mission_valide(mission) || map < 0) return false;
  if (!Fichiers::existe(general::FMissions[mission])) return false;
  const char* nom = LireNomMap(mission, map);
  return !nom || !*nom;
}

void mettre_systeme_a_jour(int mission_en_cours, int map_finie) {
  // Replaying an earlier map, or anything once the campaign is over, changes nothing.
  if (!mission_valide(mission_en_cours)) return;
  if (mission_en_cours != general::nb_mission_accompli || map_finie != general::nb_map_accompli_mission) return;
  general::nb_map_accompli_mission = map_finie + 1;
  ++general::nb_map_accompli;
  if (LireNbMapMission(mission_en_cours) <= general::nb_map_accompli_mission) {
    ++general::nb_mission_accompli;
    general::nb_map_accompli_mission = 0;
  }
}

char* LireNomMap(int mission, int map) {
  Noms[0][0] = 0;
  if (!mission_valide(mission)) return Noms[0];
  FILE* f = Fichiers::ouvrir(general::FMissions[mission], "rb");
  int ligne = 0, colonne = 0;
  if (f) {
    int c;
    while ((c = std::fgetc(f)) != EOF) {
      if (c != '\n') {
        if (colonne < NB_COLONNES_NOMS - 1) Noms[ligne][colonne++] = static_cast<char>(c);
        continue;
      }
      Noms[ligne][colonne] = 0;
      if (ligne == map) {
        std::fclose(f);
        return Noms[ligne];
      }
      // The table is full: the last line stands for everything after it.
      if (ligne + 1 >= NB_LIGNES_NOMS) break;
      ++ligne;
      colonne = 0;
    }
    std::fclose(f);
  }
  Noms[ligne][colonne] = 0;
  return Noms[ligne];
}

int LireNbMapMission(int mission) {
  if (!mission_valide(mission)) return 0;
  // Counted under the lower-case name; the resolver finds the one file.
  std::string nom = "mission" + std::to_string(mission + 1) + ".txt";
  return ReleverNbMap(nom.c_str());
}

int ReleverNbMap(const char* fichier) {
  FILE* f = Fichiers::ouvrir(fichier, "rb");
  if (!f) return 1;
  int sauts = 0;
  int c;
  while ((c = std::fgetc(f)) != EOF)
    if (c == '\n' && sauts < NB_LIGNES_NOMS - 1) ++sauts;
  std::fclose(f);
  return sauts + 1;
}

int ReleverNbMission(const char* fichier) { return ReleverNbMap(fichier); }

// Room for choosing a map of a mission and for a save menu; neither does
// anything yet.
void Selectionner_Map_Mission(int) {}
void MenuSauvegarde() {}

int ReleverProgression() {
  return static_cast<int>(static_cast<int64_t>(general::nb_map_accompli) * 100 / NB_MAPS_CAMPAGNE);
}

int ReleverTempsdeJeu() {
  int64_t t = static_cast<int64_t>(Horloge::ticks() / 1000) + general::temps_de_jeu;
  if (t > std::numeric_limits<int32_t>::max()) t = std::numeric_limits<int32_t>::max();
  return static_cast<int>(t);
}
