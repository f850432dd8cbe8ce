#pragma once
// The orders screen, over the frozen battle: the allied squads or vehicles
// nearest first; a row shows and frames its unit, a click on the map gives
// the clicked soldier, vehicle, target or command centre as the unit's
// objective. The order key closes it again.
#include "engine/Headers.h"

class Mapping;
class Tramer;
class Vehicule;

extern const char* Noms_Ordres[3][20];
extern const char* Nombres_Grecques[11];

void selectionner_cibleur();
void Allouer_Ordres();
// The order an objective means; "Non Ordonnable" for none or an unknown one.
const char* nom_ordre(Mapping* objectif);
// The vehicles of `camp`, nearest the hero first; null and 0 when none.
Vehicule** Relever_Vehicules(int camp, int* count);
// The leaders of the squads of `camp`, nearest the hero first.
Tramer** Relever_Escouades(int camp, int* count);
// The first soldier, vehicle, target or command centre under a screen point.
Mapping* ColliOrdre(SDL_Rect point);
SDL_Surface* Retourner_Surface(SDL_Surface* a, SDL_Surface* b, bool flag);
