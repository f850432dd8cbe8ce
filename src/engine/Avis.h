#pragma once
// A notice the player must see: one line in the middle of the screen, over
// what the screen showed, for a while, before the game goes on.
#include <SDL.h>

#include <string>

constexpr Uint32 DUREE_AVIS = 3000;

// Shows `texte` for `duree` ms (menu pace); closing the window ends it at
// once. The text also goes to stderr, so a session without a screen keeps it.
void Avertir(const std::string& texte, Uint32 duree = DUREE_AVIS);
