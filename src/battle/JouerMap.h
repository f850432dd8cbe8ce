#pragma once
// One battle map, from its file to its outcome: 0 won (campaign advanced,
// slot saved, end cut-scene played), 1 left or not playable, 3 window
// closed; a loss gives the game-over screen's answer and a restart the
// replay's.
#include <string>

int JouerMap(int mission, int map);

// Character file of the hero for a map's hero setting and the player's
// choice: "Korvan" or "Vesk".
std::string nom_fichier_hero(char choix_map, int perso_choisi);

// The battle frozen: every world object drawn layer by layer through its
// draw-only operation, none of them run. Screens opened over a battle draw
// this first.
void dessiner_monde_fige();
