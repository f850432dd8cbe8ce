#pragma once
// The map editor, reached from the title screen: a palette column on the
// left, the map on the right. Return saves the map, opens the character
// editor and then the title screen again.
#include "editor/Reference.h"

int Mappeur();

// A camp holds at most this many counted characters.
constexpr int LIMITE_PAR_CAMP = 50;
// The palette column's width; x 200 is the border, the map starts at 201.
constexpr int LARGEUR_PALETTE = 200;

// Pages in order, skipping the one no kind uses.
int page_suivante(int page);
int page_precedente(int page);
const char* titre_page(int page);

// The last entry of `page` whose box holds the screen point (x, y).
Objet_de_Reference* entree_sous(int page, int x, int y);
// Places a copy of `selection` centred on the map point (px, py). Start and
// end points stay single, characters keep to their camp's limit, objective
// markers cover the target beneath and ask its hit points. The new item,
// or null when nothing was placed.
Reference* placer_selection(Objet_de_Reference* selection, int px, int py);
// Deletes the last item of `page` holding the map point, and the objective
// markers standing on it; false when there was none.
bool supprimer_sous(int page, int px, int py);
