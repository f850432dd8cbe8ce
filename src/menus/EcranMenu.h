#pragma once
// What every front-end screen shares: the fading background, one event a
// frame, the grey highlight bar, the labels and the 50 ms pace. A missing
// picture is drawn as nothing.
#include <memory>
#include <vector>

#include "engine/Interface.h"

namespace EcranMenu {

// A picture the screen owns (not cached); null, said once, when missing.
SDL_Surface* charger(const char* nom);
void liberer(SDL_Surface*& s);

// Next alpha of the background: 1, 2, ..., 255, 0, 1, ...
void fondu(SDL_Surface* fond, int& u);

// Polls one event into general::event. Gives the key symbol of a key-down,
// 0 for another event, -1 when none came; a window close clears
// general::continuer.
int evenement();

// Up and Down over n entries, with wrap-around.
int monter(int choix, int n);
int descendre(int choix, int n);

// One event of a list screen: Up and Down move `choix` over n entries with
// wrap-around; Return confirms, Escape goes back.
enum class Navigation { RIEN, VALIDER, RETOUR };
Navigation naviguer(int& choix, int n);

// The English text of a pair; the early build shows the French one.
const char* texte(const char* francais, const char* anglais);

void noir();
void poser(SDL_Surface* s, int x, int y);
void poser_bas_gauche(SDL_Surface* s);
void poser_bas_droite(SDL_Surface* s);
void barre(int x, int y, int w, int h);
void fin_image();  // flip, then 50 ms

using Etiquettes = std::vector<std::unique_ptr<ecriture2>>;
ecriture2* etiquette(Etiquettes& e, const char* texte, int x, int y);
void dessiner(const Etiquettes& e);
int hauteur(const ecriture2* e);  // of its first rendered line, 0 without one
int largeur(const ecriture2* e);

}  // namespace EcranMenu
