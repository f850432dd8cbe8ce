#pragma once
// Names typed in the editor become file names: a map is saved as the name
// plus ".map", a character under its name alone.
#include "engine/P_char.h"

// Asks with relever_texte until the answer, without the blanks around it, is
// a name `acceptable` takes; a refused answer is asked again with the reason
// shown above the question. Once the window is closed the answer is given
// back as typed, unchecked: nothing is written after that.
P_char relever_nom(const char* question, const char* base, bool (*acceptable)(const char*));
// A map's name and a character's name.
P_char relever_nom_map(const char* question, const char* base);
P_char relever_nom_perso(const char* question, const char* base);
