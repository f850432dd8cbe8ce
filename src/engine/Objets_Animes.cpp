#include "engine/Objets_Animes.h"

#include "engine/Constantes.h"
#include "engine/Decor.h"
#include "engine/Fonctions.h"

Objets_Animes::Objets_Animes(const char* prefixe, SDL_Rect pos) {
  cycle.en_cours = true;
  cycle.remise_a_zero();
  // The pair of sizes gives way to the object's own frames.
  delete[] image;
  image = new SDL_Surface*[NB_FRAMES_DECOR]();
  frame_en_cours = 0;
  nb_frame = charger_frames(prefixe, image);
  if (image[0]) TramePrincipale = Rect(TramePrincipale.x, TramePrincipale.y, image[0]->w, image[0]->h);
  position = pos;
  physique = false;
  layer = 2;
}

Objets_Animes::~Objets_Animes() { liberer_frames(image, nb_frame); }

void Objets_Animes::interragir(Mapping* O) {
  if (O && O->layer > 2) O->layer = 1;
}

void Objets_Animes::bliting() {
  animer(cycle, frame_en_cours, nb_frame);
  SDL_Rect r = position;
  r.x = static_cast<Sint16>(position.x - general::Scrolling.x);
  r.y = static_cast<Sint16>(position.y - general::Scrolling.y);
  if (image[frame_en_cours]) Blitter(image[frame_en_cours], nullptr, general::ecran, &r);
}
