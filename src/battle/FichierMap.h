#pragma once
// The map file: the placed items of the editor, each as its kind and its
// number in the palette, then the map-wide settings. Little-endian, no
// header; a file that ends after the ground name or after the end
// cut-scene is an older map and keeps the current values of what it lacks.

// Writes the edited map to general::nom_map + ".map"; false when nothing
// could be written (the old file is then untouched).
bool SauvegarderMap();
// Appends the items of general::nom_map + ".map" to the edited map and sets
// the map settings it holds. A missing file changes nothing.
void LireMap();
// Asks for a map name and loads it in place of the edited map.
void CreerMap();
// Deletes every placed item and empties the list.
void DesallouerMap();

// Texts are stored behind a one-byte length.
constexpr int TAILLE_MAX_TEXTE_MAP = 255;
