#pragma once
#include <cstdint>

// The character-file editor: the creator that dresses a character part by
// part, its properties dialog (weapons, name, skin, side, hit points, Wex,
// save and load) and the sex prompt for a character that has no file yet.
// The edited character lives in the general settings and the creator's
// choices of Element; leaving the creator writes it to its file.

void creerPerso(const char* nom);
void proprieteperso();
// 0 for "Homme", 1 for "Femme".
char ReleverSexe();

// Hit points and Wex are stored on 16 bits.
constexpr int32_t VALEUR_PERSO_MAX = 65535;
// Names the dialog shows for catalogue weapon i of each kind; "" while the
// catalogue has no such weapon.
const char* nom_arme_principale(int i);
const char* nom_arme_melee(int i);
const char* nom_projectile(int i);
const char* nom_aura(int i);
