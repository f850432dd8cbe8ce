#pragma once
// The title screen: Return (or the properties key) opens the save slots; a
// chord of letters held together opens the map editor.
void EcranTitre();

// The letters of the editor chord, typed characters; early builds use fewer.
extern const char ACCORD_EDITEUR[5];
int taille_accord();
