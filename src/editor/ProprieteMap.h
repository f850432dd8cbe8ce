#pragma once
// The map-properties dialog: the edited map's settings one row each, edited
// in place in the general settings, and two rows that save the map or load
// another. Return closes it.
void proprietemap();

// What the rows show for the infiltration flag and the imposed hero.
const char* texte_infiltration(char valeur);
const char* texte_choix_perso(char valeur);
