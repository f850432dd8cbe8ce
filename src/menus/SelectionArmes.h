#pragma once
// The loadout before a mission: a root, two family screens and the lists of
// what the player's Wex has unlocked. Each screen ends by opening the next,
// so "Start the Mission" unwinds the whole chain back to its caller. All
// borrow the menu background `Start`.
#include <SDL.h>

class Armes;

void Selectionner_Armes(SDL_Surface* Start);
void Selectionner_Armes_Principales(SDL_Surface* Start);
void Selectionner_Armes_Secondaires(SDL_Surface* Start);
void Selectionner_Fusils(SDL_Surface* Start);
void Selectionner_Pistolets(SDL_Surface* Start);
void Selectionner_Melee(SDL_Surface* Start);
void Selectionner_Projectile(SDL_Surface* Start);
void Selectionner_Aura(SDL_Surface* Start);

// How many of the first entries of a list in ascending threshold the player
// can pick: a threshold equal to general::wex_actuelle is unlocked.
int zone_dispo(Armes** liste, int taille);
