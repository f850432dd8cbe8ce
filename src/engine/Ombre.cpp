#include "engine/Ombre.h"

#include <cstring>

#include "engine/Constantes.h"
#include "engine/Decor.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"

Ombre::Ombre(const char* n, SDL_Rect pos) {
  nom = constconcatenation(n ? n : "", "");
  char* chemin = constconcatenation("Ombres/", nom);
  image[0] = AllouerImage(chemin, 0, false);
  image[1] = AllouerImage(chemin, 1, false);
  delete[] chemin;
  position = pos;
  layer = 5;
}

Ombre::~Ombre() {
  // A shadow goes at once: the catalog reader makes and drops one per entry.
  if (image) image[0] = image[1] = nullptr;
  if (enregistre()) Mapping::Retirer(static_cast<int32_t>(element_actuel));
  vivant = false;
  delete[] nom;
}

void Ombre::bliting() {
  SDL_Rect r = position_zoomee(position);
  SDL_Surface* s = image[general::dezoom == 1 ? 1 : 0];
  if (s) Blitter(s, nullptr, general::ecran, &r);
}

Ombre* AllouerOmbre(const char* nom, SDL_Rect position) {
  auto* o = new Ombre(nom, position);
  // Shared by every shadow of that name, and setting it again changes nothing,
  // so it holds even when the catalog loaded the picture first.
  for (SDL_Surface* s : {o->image[0], o->image[1]})
    if (s) SDL_SetAlpha(s, SDL_SRCALPHA, 128);
  return o;
}
