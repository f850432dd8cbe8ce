#include "engine/Saisie.h"

#include <climits>
#include <cstring>

#include "engine/CompteurNumerique.h"
#include "engine/Constantes.h"
#include "engine/ecriture_dynamique.h"

// Printable ASCII and the Latin-1 letters; no control character (Escape
// included) may reach a file name.
bool imprimable(Uint16 c) { return (c >= 32 && c < 127) || (c >= 160 && c <= 255); }

bool ajouter_caractere(P_char& texte, Uint16 c) {
  const char* t = texte.retournertexte();
  size_t n = t ? std::strlen(t) : 0;
  if (!imprimable(c) || n >= static_cast<size_t>(TEXTE_SAISI_MAX)) return false;
  char* nouveau = new char[n + 2];
  if (n) std::memcpy(nouveau, t, n);
  nouveau[n] = static_cast<char>(c);
  nouveau[n + 1] = '\0';
  texte = nouveau;
  delete[] nouveau;
  return true;
}

namespace {

char* copie(const char* t) {
  if (!t) t = "";
  size_t n = std::strlen(t);
  char* r = new char[n + 1];
  std::memcpy(r, t, n + 1);
  return r;
}

void vider_touches() { std::memset(Touches, 0, sizeof Touches); }

}  // namespace

char* relever_texte(const char* description, const char* base) {
  P_char texte(base ? base : "");
  P_char* lien = &texte;
  SDL_Rect origine = {0, 0, 0, 0};
  auto* ligne = new ecriture_dynamique2(description, &lien, origine);
  SDL_EnableUNICODE(1);
  bool ouvert = true;
  while (ouvert && general::continuer) {
    if (general::ecran) SDL_FillRect(general::ecran, nullptr, SDL_MapRGB(general::ecran->format, 122, 122, 122));
    ligne->comportement();
    Horloge::flip(general::ecran);
    if (!SDL_PollEvent(&general::event)) continue;
    if (general::event.type == SDL_QUIT) {
      general::continuer = false;
    } else if (general::event.type == SDL_KEYDOWN) {
      SDLKey k = general::event.key.keysym.sym;
      if (k == SDLK_BACKSPACE)
        ligne->retirer_lettre();
      else if (k == SDLK_RETURN)
        ouvert = false;
      else
        ajouter_caractere(texte, general::event.key.keysym.unicode);
    }
  }
  SDL_EnableUNICODE(0);
  vider_touches();
  delete ligne;
  return copie(texte.retournertexte());
}

bool saisir_chiffre(int& nombre, SDLKey touche, Uint16 caractere) {
  bool fini = touche == SDLK_RETURN;
  if (touche == SDLK_UP && nombre < INT_MAX) ++nombre;
  if (touche == SDLK_DOWN && nombre > 0) --nombre;
  if (caractere >= '0' && caractere <= '9') {
    int chiffre = caractere - '0';
    // A digit that would overflow the number is refused.
    if (nombre <= (INT_MAX - chiffre) / 10) nombre = nombre * 10 + chiffre;
  } else if (touche == SDLK_BACKSPACE) {
    nombre = (nombre - nombre % 10) / 10;
  }
  return fini;
}

int relever_nombre(const char* enonce, const char* nom, int) {
  int32_t nombre = 100;
  SDL_Surface* ecran = general::ecran;
  const int W = ecran ? ecran->w : 0, H = ecran ? ecran->h : 0;
  ecriture2 titre(general::Police, P_char(enonce ? enonce : ""), general::origine);
  int t = titre.nb_ligne > 0 && titre.image[0] ? titre.image[0]->w : 0;
  titre.position.x = static_cast<Sint16>(W / 2 - t / 2);
  titre.position.y = static_cast<Sint16>(W / 8);
  SDL_Rect place = {static_cast<Sint16>(W / 4 - t / 2), static_cast<Sint16>(H / 2), 0, 0};
  CompteurNumerique2 compteur(nom, &nombre, place);
  bool ouvert = true;
  while (ouvert) {
    SDL_EnableUNICODE(1);
    if (SDL_PollEvent(&general::event) && general::event.type == SDL_KEYDOWN) {
      int n = nombre;
      if (saisir_chiffre(n, general::event.key.keysym.sym, general::event.key.keysym.unicode)) ouvert = false;
      nombre = n;
    }
    if (ecran) SDL_FillRect(ecran, nullptr, SDL_MapRGB(ecran->format, 0, 122, 0));
    titre.comportement();
    compteur.comportement();
    Horloge::flip(ecran);
    SDL_EnableUNICODE(0);
  }
  vider_touches();
  std::memset(Souris, 0, sizeof Souris);
  return nombre;
}
