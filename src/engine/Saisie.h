#pragma once
#include "engine/Headers.h"

// The two blocking prompts of the editor: a line of text (map and character
// names) and a whole number (hit points). They hold the screen until Return.

// The text entered, starting from `base`; a new[] buffer the caller owns.
// Only printable Latin-1 characters are taken, at most TEXTE_SAISI_MAX
// bytes: the answer becomes a file name.
char* relever_texte(const char* description, const char* base);
constexpr int TEXTE_SAISI_MAX = 255;

// A whole number from 100 up or down; `pas` is not read.
int relever_nombre(const char* enonce, const char* nom, int pas);

// Appends a typed character to a text field when it is printable and the
// text is shorter than TEXTE_SAISI_MAX; false when refused.
bool imprimable(Uint16 c);
bool ajouter_caractere(P_char& texte, Uint16 c);

// One key of the number prompt applied to `nombre`; true on Return.
bool saisir_chiffre(int& nombre, SDLKey touche, Uint16 caractere);
