#include "menus/EcranMenu.h"

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"

namespace EcranMenu {

SDL_Surface* charger(const char* nom) { return charger_image(nom); }

void liberer(SDL_Surface*& s) {
  if (s) SDL_FreeSurface(s);
  s = nullptr;
}

void fondu(SDL_Surface* fond, int& u) {
  u = (u + 1) % 256;
  if (fond) SDL_SetAlpha(fond, SDL_SRCALPHA, static_cast<Uint8>(u));
}

int evenement() {
  // An empty queue leaves the last event where it was: it is not acted on twice.
  if (!SDL_PollEvent(&general::event)) return -1;
  if (general::event.type == SDL_QUIT) general::continuer = false;
  if (general::event.type == SDL_KEYDOWN) return general::event.key.keysym.sym;
  return 0;
}

int monter(int choix, int n) {
  if (n <= 0) return 0;
  return choix <= 0 ? n - 1 : choix - 1;
}

int descendre(int choix, int n) {
  if (n <= 0) return 0;
  return choix >= n - 1 ? 0 : choix + 1;
}

Navigation naviguer(int& choix, int n) {
  switch (evenement()) {
    case SDLK_ESCAPE: return Navigation::RETOUR;
    case SDLK_RETURN: return Navigation::VALIDER;
    case SDLK_UP: choix = monter(choix, n); break;
    case SDLK_DOWN: choix = descendre(choix, n); break;
    default: break;
  }
  return Navigation::RIEN;
}

const char* texte(const char* francais, const char* anglais) {
  return early ? francais : retourneur(francais, anglais, 0);
}

void noir() { SDL_FillRect(general::ecran, nullptr, SDL_MapRGB(general::ecran->format, 0, 0, 0)); }

void poser(SDL_Surface* s, int x, int y) {
  if (!s) return;
  SDL_Rect r = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
  Blitter(s, nullptr, general::ecran, &r);
}

void poser_bas_gauche(SDL_Surface* s) {
  if (s) poser(s, 0, general::ecran->h - s->h);
}

void poser_bas_droite(SDL_Surface* s) {
  if (s) poser(s, general::ecran->w - s->w, general::ecran->h - s->h);
}

void barre(int x, int y, int w, int h) {
  SDL_Rect r = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w), static_cast<Uint16>(h)};
  SDL_FillRect(general::ecran, &r, SDL_MapRGBA(general::ecran->format, 122, 122, 122, 122));
}

void fin_image() {
  Horloge::flip(general::ecran);
  Horloge::attendre(50);
}

ecriture2* etiquette(Etiquettes& e, const char* texte, int x, int y) {
  SDL_Rect pos = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
  e.push_back(std::make_unique<ecriture2>(general::Police, P_char(texte ? texte : ""), pos));
  return e.back().get();
}

void dessiner(const Etiquettes& e) {
  for (const auto& l : e) l->comportement();
}

int hauteur(const ecriture2* e) {
  return e && e->nb_ligne > 0 && e->image && e->image[0] ? e->image[0]->h : 0;
}

int largeur(const ecriture2* e) {
  return e && e->nb_ligne > 0 && e->image && e->image[0] ? e->image[0]->w : 0;
}

}  // namespace EcranMenu
