#pragma once
// Test bench: every test runs in a fresh temporary folder (optionally holding
// a copy of the demo data), on the virtual clock, with the sound recorder and
// a 960 x 544 dummy screen.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/Headers.h"

class Banc : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Copies the whole generated demo data set into the working folder.
  void copier_donnees();
  // Writes a small file (a catalog, a map) into the working folder.
  void ecrire_fichier(const std::string& nom, const std::string& contenu);
  // Writes a plain w x h RGBA PNG of one colour.
  void ecrire_png(const std::string& nom, int w, int h, Uint32 rgba);

  std::filesystem::path dossier_;
  std::filesystem::path ancien_;
};

// Reads one pixel of a surface as r, g, b.
void lire_rgb(SDL_Surface* s, int x, int y, Uint8& r, Uint8& g, Uint8& b);
// Pushes a key press and its release onto SDL's event queue.
void pousser_touche(SDLKey k, Uint16 unicode = 0);
// Opens each properties dialog (the map's, the character's) and, past its
// first half second, moves up onto its save row, tapping Return (down and up)
// two frames after the last move: the file is written once and the dialog
// closes by itself within 4 s.
void retour_tape_dans_les_deux_dialogues();
// Bytes held on the heap now, as the allocator in use counts them.
long octets_tenus();
