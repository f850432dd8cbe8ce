#pragma once
// What a map asks of the player follows from what it holds: enemy targets to
// destroy, allied targets and soldiers to keep, command centres and
// reinforcements. The battle asks after every frame whether it is over.

enum StatutJeu { GAGNE = 0, EN_COURS = 1, PERDU = 2 };

// Sets the objective flags and general::sous_marin once the map is built.
void Creer_Objectifs();
// 0 won, 1 running, 2 lost; reads the world, changes nothing.
int check_statut_de_jeu();
// The objective lines of the map (1 to 4); sets the flag each line points
// to. `Objectifs` and `etat_obj` have room for at least 4 entries.
void LireObjectifs(char** Objectifs, int& nb_objectif, bool** etat_obj);

// Command centres held by a camp.
int relever_nb_cc(int camp);
