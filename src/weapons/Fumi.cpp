#include "weapons/Fumi.h"

#include <string>

#include "engine/Constantes.h"
#include "engine/Decor.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"
#include "weapons/Projectiles.h"

Fumi::Fumi(SDL_Rect ou) {
  type_objet = FUMEE;
  demarrer(cycle);
  demarrer(Mort);
  frame_en_cours = 0;
  // The frames are the cache's: every cloud of the battle shares them.
  delete[] image;
  image = new SDL_Surface*[NB_MAX_FRAMES]();
  for (nb_frame = 0; nb_frame < NB_MAX_FRAMES; ++nb_frame) {
    const std::string nom = "Armes/fumigene/" + std::to_string(nb_frame + 1) + ".png";
    image[nb_frame] = AllouerImage(nom.c_str(), 0, false, nb_frame == 0);
    if (!image[nb_frame]) break;
  }
  position = ou;
  physique = false;
  layer = 2;
  Tas = true;
  if (image[0]) {
    TramePrincipale = Rect(0, 0, image[0]->w, image[0]->h);
    position.x = borne16(position.x - image[0]->w / 2);
    position.y = borne16(position.y - image[0]->h / 2);
  }
}

void Fumi::bliting() {
  animer(cycle, frame_en_cours, nb_frame);
  SDL_Rect r = {static_cast<Sint16>(position.x - general::Scrolling.x),
                static_cast<Sint16>(position.y - general::Scrolling.y), 0, 0};
  if (frame_en_cours < nb_frame && image[frame_en_cours]) Blitter(image[frame_en_cours], nullptr, general::ecran, &r);
}
