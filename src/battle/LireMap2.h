#pragma once
#include <cstdint>
// Turning a map file into the battle's world: a first quick read for what
// the soldiers need before any of them is built, then the whole map.

// Start point (editor coordinates), infiltration flag and hero setting of
// the map `nom`. False, with a line on stderr, when the file cannot be
// opened or ends before those settings; then nothing changes but what was
// read before the damage.
bool LireMap3(const char* nom);
// Builds every object of general::nom_map and reads its settings. False,
// with a line on stderr, when the file cannot be opened or is damaged.
bool LireMap2();

class Mapping;
// False, after deleting it, for a world object that has no picture: the
// world table would hand its entry to the next object.
bool garder_si_visible(Mapping* o);

// Game position of an editor coordinate (the editor shows the map at half
// scale, the battle's origin sits half a screen in).
int16_t position_jeu_x(int32_t x_editeur);
int16_t position_jeu_y(int32_t y_editeur);
