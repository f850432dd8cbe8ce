#pragma once
#include <cstdint>
#include <cstdio>
// The map file: the placed items of the editor, each as its kind and its
// number in the palette, then the map-wide settings. Little-endian, no
// header; a file that ends after the ground name or after the end
// cut-scene is an older map and keeps the current values of what it lacks.

// Writes the edited map to general::nom_map + ".map"; false when nothing
// could be written (the old file is then untouched).
bool SauvegarderMap();
// Appends the items of general::nom_map + ".map" to the edited map and sets
// the map settings it holds. A missing file changes nothing. Records that
// match no palette entry show nothing but are kept: the next save writes
// them back unchanged, in their place, until DesallouerMap.
void LireMap();
// Asks for a map name and loads it in place of the edited map.
void CreerMap();
// Deletes every placed item and empties the list.
void DesallouerMap();

// Readers shared with the battle's own map loading.
struct EnregistrementMap {
  unsigned char type = 0;
  signed char numero = 0;
  int32_t x = 0, y = 0;
  uint16_t vie = 0;  // objective markers only
};
// False when the file ends inside the record.
bool lire_enregistrement_map(FILE* f, EnregistrementMap& e);
// The record count; false when it is missing or negative.
bool lire_nombre_enregistrements(FILE* f, int32_t& n);
// The map-wide settings into their globals; false when the file ends before
// the ground name (the fields read so far are taken).
bool lire_reglages_map(FILE* f);
class Objet_de_Reference;
// The palette entry of that kind and number, or null.
Objet_de_Reference* entree_palette(int type, int numero);

// Texts are stored behind a one-byte length.
constexpr int TAILLE_MAX_TEXTE_MAP = 255;
