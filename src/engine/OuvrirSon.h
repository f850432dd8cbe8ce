#pragma once
// Name-keyed sound cache and the sample player that rotates over channels
// 10 to 127 (0 to 9 stay free for the rest of the game).
#include "engine/Headers.h"

extern FSOUND_SAMPLE** Sons;
extern P_char* nom_Sons;
extern bool* garderSon;
extern int* nb_apparition_Son;
extern int nb_Sons;
extern int canal_actuel;

FSOUND_SAMPLE* AllouerSon(const char* nom, bool garder);
void DesallouerSon(const char* nom);
void DesallouerTousLesSons();
void Jouer_son(FSOUND_SAMPLE* son, int volume);
