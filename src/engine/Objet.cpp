#include "engine/Objet.h"

#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"

#if !GAME_EARLY
Objet::Objet(const char* nom, SDL_Rect pos) { habiller(nom, pos); }
#endif

Objet* Objet::Creer(const char* nom, SDL_Rect pos) {
#if GAME_EARLY
  auto* o = new Objet();
  o->habiller(nom, pos);
  return o;
#else
  return new Objet(nom, pos);
#endif
}

void Objet::habiller(const char* nom, SDL_Rect pos) {
  char* chemin = constconcatenation("Objets/", nom ? nom : "");
  image[0] = AllouerImage(chemin, 0, false);
  image[1] = AllouerImage(chemin, 1, false);
  delete[] chemin;
  TramePrincipale = Rect(0, 0, image[0] ? image[0]->w : 0, image[0] ? image[0]->h : 0);
  position = pos;
}

// Using decor steps behind it.
void Objet::interragir(Mapping* O) {
  if (O && O->layer > 2) O->layer = 0;
}
