#include "engine/Fonds.h"

#include "engine/Constantes.h"
#include "engine/Decor.h"
#include "engine/Fonctions.h"

namespace {
// Swaps the pair of sizes for the object's own frames.
int prendre_frames(Bliting& b, const char* prefixe) {
  delete[] b.image;
  b.image = new SDL_Surface*[NB_FRAMES_DECOR]();
  return charger_frames(prefixe, b.image);
}

// Columns of tiles of width w that cover the screen at scroll x, on multiples of w.
void colonnes(int w, int sx, int& premiere, int& derniere) {
  premiere = sx / w - 2;
  derniere = sx / w + 1 + largeur_ecran() / w;
}
}  // namespace

Fond::Fond(const char* prefixe) {
  cycle.en_cours = true;
  cycle.remise_a_zero();
  frame_en_cours = 0;
  nb_frame = prendre_frames(*this, prefixe);
  char* nom = constconcatenation(prefixe ? prefixe : "", "Ambiance.wav");
  // A missing ambience plays nothing: no stream, no holder.
  if (Son::Flux* f = Son::ouvrir_flux(nom)) {
    Ambiance = new Musique{f};
    Son::jouer_flux(f);
    Son::volume(Son::CANAL_FLUX, 122);
  }
  delete[] nom;
  if (image[0]) TramePrincipale = Rect(TramePrincipale.x, TramePrincipale.y, image[0]->w, image[0]->h);
  position = general::origine;
  physique = false;
  layer = 0;
}

Fond::~Fond() {
  liberer_frames(image, nb_frame);
  if (Ambiance) {
    Son::arreter_flux(Ambiance->musique);
    Son::fermer_flux(Ambiance->musique);
    Son::volume(Son::CANAL_FLUX, 0);
    delete Ambiance;
    Ambiance = nullptr;
  }
}

// The background does not scroll.
void Fond::bliting() {
  animer(cycle, frame_en_cours, nb_frame);
  SDL_Rect r = position;
  if (image[frame_en_cours]) Blitter(image[frame_en_cours], nullptr, general::ecran, &r);
}

Sol::Sol(const char* prefixe) {
  cycle.en_cours = true;
  cycle.remise_a_zero();
  frame_en_cours = 0;
  nb_frame = prendre_frames(*this, prefixe);
  position = general::origine;
  if (image[0]) {
    TramePrincipale = Rect(TramePrincipale.x, TramePrincipale.y, image[0]->w, image[0]->h);
    position.y = static_cast<Sint16>(hauteur_ecran() - image[0]->h);
  }
  physique = false;
  layer = 1;
}

Sol::~Sol() { liberer_frames(image, nb_frame); }

void Sol::bliting() {
  animer(cycle, frame_en_cours, nb_frame);
  if (!image[0] || image[0]->w <= 0) return;
  const SDL_Rect S = general::Scrolling;
  int premiere, derniere;
  colonnes(image[0]->w, S.x, premiere, derniere);
  SDL_Surface* f = image[frame_en_cours];
  if (!f) return;
  for (int i = premiere; i <= derniere; ++i) {
    SDL_Rect r = Rect(image[0]->w * i - S.x, position.y - S.y, 0, 0);
    Blitter(f, nullptr, general::ecran, &r);
  }
}

SSol::SSol(const char* prefixe) {
  cycle.en_cours = true;
  cycle.remise_a_zero();
  image[0] = charger_surface(prefixe, "ssol.png");
  image[1] = nullptr;
  frame_en_cours = 0;
  position = general::origine;
  if (image[0]) {
    TramePrincipale = Rect(TramePrincipale.x, TramePrincipale.y, image[0]->w, image[0]->h);
    position.y = static_cast<Sint16>(hauteur_ecran() - image[0]->h);
  }
  physique = false;
  layer = 0;
  nb_frame = 1;
}

SSol::~SSol() { liberer_frames(image, 1); }

void SSol::bliting() {
  animer(cycle, frame_en_cours, nb_frame);
  SDL_Surface* p = image[0];
  if (!p || p->w <= 0 || p->h <= 0) return;
  const SDL_Rect S = general::Scrolling;
  int premiere, derniere;
  colonnes(p->w, S.x, premiere, derniere);
  for (int j = 0; j < S.y / p->h + 1; ++j)
    for (int i = premiere; i <= derniere; ++i) {
      SDL_Rect r = Rect(p->w * i - S.x, hauteur_ecran() - S.y + p->h * j, 0, 0);
      Blitter(p, nullptr, general::ecran, &r);
    }
}
