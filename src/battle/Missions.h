#pragma once
// The campaign: seven missions, each a text file naming its maps in playing
// order, and the frontier (the mission in progress and its first map not yet
// won) that only a won frontier map moves.
#include "engine/Headers.h"

constexpr int NB_MISSIONS = 7;
constexpr int NB_MAPS_CAMPAGNE = 32;  // progress is counted out of this
// The map-name table: lines past the last are dropped, characters past the
// last column are dropped (one byte stays for the terminating zero).
constexpr int NB_LIGNES_NOMS = 256;
constexpr int NB_COLONNES_NOMS = 256;

// True for a mission that has an entry in the mission tables. A finished
// campaign leaves the frontier at NB_MISSIONS, which has none.
bool mission_valide(int mission);

// True for an empty entry of an existing mission file, such as the one a
// final line feed adds: a map without enemies. A map past the last line is
// that line.
bool entree_vide(int mission, int map);

// After a won map: moves the frontier when that map was the frontier map.
void mettre_systeme_a_jour(int mission_en_cours, int map_finie);

// Name of map `map` of `mission` as written in its mission file (extension and
// any carriage return included); a map past the last line gives the last line,
// a missing file or a mission outside the campaign the empty text. The text
// stays valid until the next call.
char* LireNomMap(int mission, int map);

// Maps of a mission; 0 for a mission outside the campaign.
int LireNbMapMission(int mission);

// Line feeds in the file plus one (so a final line feed counts an empty map);
// 1 when the file cannot be opened; never more than NB_LIGNES_NOMS.
int ReleverNbMap(const char* fichier);

int ReleverNbMission(const char* fichier);  // the same count
void Selectionner_Map_Mission(int);          // does nothing
void MenuSauvegarde();                       // does nothing

int ReleverProgression();  // percent of the campaign's maps completed
int ReleverTempsdeJeu();   // seconds: this run's clock plus the time loaded from the slot
