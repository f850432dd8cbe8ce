#pragma once
// The save slot "Systeme<N>.sav": 22 bytes of little-endian fields, no header.
//   0 play time (4)   4 head shots (1)   5 kills (1)   6 deaths (1)
//   7 Wex (3)        10 maps completed (3)
//  13 frontier map (1)   14 frontier mission (1)
//  15 hero setting of the map, 16 hero, 17 rifle, 18 pistol,
//  19 throwable, 20 melee weapon, 21 aura (1 each)
// Counters keep only the low bytes that fit their field; reading a field
// replaces only those bytes of its variable.
#include <string>

#include "engine/Headers.h"

constexpr int TAILLE_SLOT = 22;

std::string nom_slot(int numero);  // "Systeme<N>.sav"

// Writes the current slot; false (and a line on stderr) when it could not be
// written, in which case the previous slot file is untouched.
bool SauvegardeSysteme();

// The same, and when the slot cannot be written the player is told on screen
// that this game will not be there next time.
bool SauvegardeSystemeAvertie();

// Writes only play time, statistics and the frontier (15 bytes) to the
// current slot; false when it could not be written.
bool SauvegardePartie();
// Opens the current slot and reads nothing.
void LecturePartie();

// Reads the current slot before the battle (mission, map). The choices are
// restored only when that battle continues the frontier mission past its first
// map. A missing or short file leaves what it lacks unchanged; bytes that
// cannot name a choice or a mission are ignored.
void LectureSysteme(int mission, int map);
