// Mission files come from anywhere: whatever bytes one holds, its map names
// and count stay inside their tables, and a won frontier map moves the
// frontier to a map the mission has.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Dossier.h"
#include "battle/Missions.h"
#include "engine/Constantes.h"

namespace {

void verifier(bool ok) {
  if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
  dossier_propre("mission");
  if (taille < 2) return 0;
  // The first byte picks the mission (two past the campaign too), the second
  // the map asked for, from -128 on.
  const int mission = donnees[0] % (NB_MISSIONS + 2) - 1;
  const int map = static_cast<int8_t>(donnees[1]);
  const std::string texte(reinterpret_cast<const char*>(donnees) + 2, taille - 2);
  const std::string fichier = "Mission" + std::to_string(std::clamp(mission + 1, 1, NB_MISSIONS)) + ".txt";
  FILE* f = std::fopen(fichier.c_str(), "wb");
  if (!f) std::abort();
  std::fwrite(texte.data(), 1, texte.size(), f);
  std::fclose(f);

  const int n = LireNbMapMission(mission);
  if (!mission_valide(mission)) {
    verifier(n == 0 && *LireNomMap(mission, map) == 0);
    return 0;
  }
  // Every line, NUL bytes kept, as far as the name table goes.
  std::vector<std::string> lignes(1);
  for (char c : texte) {
    if (c != '\n')
      lignes.back() += c;
    else if (lignes.size() < NB_LIGNES_NOMS)
      lignes.emplace_back();
    else
      break;
  }
  verifier(n == static_cast<int>(lignes.size()));
  for (int j : {map, 0, n - 1, n}) {
    const std::string& l = j >= 0 && j < n ? lignes[j] : lignes.back();
    const std::string attendu = l.substr(0, NB_COLONNES_NOMS - 1);
    const char* nom = LireNomMap(mission, j);
    verifier(std::strlen(nom) < NB_COLONNES_NOMS && std::strcmp(nom, attendu.c_str()) == 0);
  }

  // Winning the frontier map moves the frontier to the next map, or to the
  // next mission after the last one; winning any other map changes nothing.
  general::nb_mission_accompli = mission;
  general::nb_map_accompli_mission = std::clamp(map, 0, n - 1);
  general::nb_map_accompli = 0;
  mettre_systeme_a_jour(mission, map);
  if (map < 0 || map >= n) {
    verifier(general::nb_mission_accompli == mission && general::nb_map_accompli == 0);
  } else if (map + 1 < n) {
    verifier(general::nb_mission_accompli == mission && general::nb_map_accompli_mission == map + 1);
  } else {
    verifier(general::nb_mission_accompli == mission + 1 && general::nb_map_accompli_mission == 0);
  }
  return 0;
}
