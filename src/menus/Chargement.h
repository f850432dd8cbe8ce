#pragma once
// The save-slot screen: a new game, a saved game loaded, or one deleted.
// Slot N is "Systeme<N>.sav" with its companion "Partie<N>.sav"; slots are
// numbered from 0 without gaps.
#include <string>

void Chargement();

// Slots from 0 up to the first number whose file does not exist. A file that
// exists but cannot be read still counts, so nothing ever writes over it.
int Relever_Nb_Partie();

// Takes the first free slot and writes the current progress into it; a slot
// that cannot be written is said on screen and the game goes on.
void Nouvelle_Partie();

// Removes slot `saveasup` of the `nb_save` slots and moves the later ones
// down by one. Each later slot is copied over the one below before the last
// is removed, so a failed step (said on stderr, and the result is false)
// stops the renumbering with every slot still there; nb_save drops by one
// only on success.
bool SupprimerSauvegarde(int saveasup, int& nb_save);

std::string nom_systeme(int n);  // "Systeme<N>.sav"
std::string nom_partie(int n);   // "Partie<N>.sav"
