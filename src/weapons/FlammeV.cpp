#include "weapons/FlammeV.h"

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "weapons/Projectiles.h"

FlammeV::FlammeV(SDL_Rect muzzle, double angle, int dir, int rangee) : Mapping(static_cast<SDL_Surface*>(nullptr), Rect(0, 0, 0, 0)) {
  delete[] image;
  image = new SDL_Surface*[6]{};
  nb_frame = cadres_tournes(general::Flammes[rangee >= 0 && rangee < 4 ? rangee : 0], dir, angle, image);
  const int w = image[0] ? image[0]->w : 0, h = image[0] ? image[0]->h : 0;
  TramePrincipale = Rect(0, 0, w, h);
  // Centred on a muzzle at the world's edge, it stays at that edge.
  position = Rect(borne16(muzzle.x - w / 2), borne16(muzzle.y - h / 2), muzzle.w, muzzle.h);
  direction = static_cast<int16_t>(dir);
  layer = 6;
  physique = false;
  Tas = true;
  demarrer(cycle);
}

FlammeV::~FlammeV() {
  for (int i = 0; i < nb_frame && i < 6; ++i) {
    SDL_FreeSurface(image[i]);
    image[i] = nullptr;
  }
}

void FlammeV::bliting() {
  SDL_Rect r = point_zoome(position.x, position.y);
  if (frame_en_cours < nb_frame) Blitter(image[frame_en_cours], &TramePrincipale, general::ecran, &r);
  if (++frame_en_cours >= nb_frame) {
    frame_en_cours = nb_frame;
    vivant = false;
  }
}

void FlammeV::blit_only() {
  if (!vivant || frame_en_cours >= nb_frame) return;
  SDL_Rect r = Rect(position.x - general::Scrolling.x, position.y - general::Scrolling.y, 0, 0);
  Blitter(image[frame_en_cours], &TramePrincipale, general::ecran, &r);
}
