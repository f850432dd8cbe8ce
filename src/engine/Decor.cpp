#include "engine/Decor.h"

#include "engine/Constantes.h"
#include "engine/OuvrirImage.h"

int largeur_ecran() { return general::ecran ? general::ecran->w : 960; }
int hauteur_ecran() { return general::ecran ? general::ecran->h : 544; }

SDL_Surface* charger_surface(const char* prefixe, const char* suffixe, bool signaler) {
  char* nom = constconcatenation(prefixe ? prefixe : "", suffixe);
  SDL_Surface* s = charger_image(nom, signaler);
  delete[] nom;
  return s;
}

int charger_frames(const char* prefixe, SDL_Surface** frames) {
  int n = 0;
  for (int k = 0; k < NB_FRAMES_DECOR; ++k) frames[k] = nullptr;
  for (int k = 0; k < NB_FRAMES_DECOR; ++k) {
    char* numero = intchar(k + 1);
    char* suffixe = constconcatenation(numero, ".png");
    // Only a missing first frame is worth a word: the others end the set.
    frames[k] = charger_surface(prefixe, suffixe, k == 0);
    delete[] numero;
    delete[] suffixe;
    if (!frames[k]) break;
    ++n;
  }
  return n;
}

void liberer_frames(SDL_Surface** frames, int n) {
  if (!frames) return;
  for (int k = 0; k < n; ++k) {
    if (frames[k]) SDL_FreeSurface(frames[k]);
    frames[k] = nullptr;
  }
}

void animer(Timing& cycle, int32_t& frame_en_cours, int32_t nb_frame) {
  if (cycle.cycle(200) == 3) {
    ++frame_en_cours;
    cycle.remise_a_zero();
  }
  if (frame_en_cours >= nb_frame) frame_en_cours = 0;
}

SDL_Rect position_zoomee(SDL_Rect position) {
  const double z = general::zoom;
  SDL_Rect r = position;
  r.x = static_cast<Sint16>(r.x * z);
  r.y = static_cast<Sint16>(r.y * z);
  r.x = static_cast<Sint16>(r.x - general::Scrolling.x * z);
  r.y = static_cast<Sint16>(r.y - general::Scrolling.y * z);
  r.x = static_cast<Sint16>(r.x + largeur_ecran() * (1 - z) * 0.5);
  r.y = static_cast<Sint16>(r.y + hauteur_ecran() * (1 - z));
  return r;
}

bool visible_zoomee(SDL_Rect r, SDL_Rect trame) {
  return r.x < largeur_ecran() && r.x > -(trame.w * general::zoom) && r.y < hauteur_ecran() &&
         r.y > -(trame.h * general::zoom);
}
