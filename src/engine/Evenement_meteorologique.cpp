#include "engine/Evenement_meteorologique.h"

#include <cstdlib>
#include <string>

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"

Evenement_meteorologique::Evenement_meteorologique(P_char dossier) {
  cycle.remise_a_zero();
  cycle.en_cours = true;
  position = general::origine;
  layer = 2;
  const char* d = dossier.retournertexte();
  std::string prefixe = d ? d : "";
  // "Rien/" has no frame: a missing one ends the set quietly.
  while (nb_frame < NB_FRAMES_MAX) {
    std::string nom = prefixe + std::to_string(nb_frame + 1) + ".png";
    SDL_Surface* s = AllouerImage(nom.c_str(), 0, false, false);
    if (!s) break;
    image[nb_frame++] = s;
  }
  if (nb_frame == 0) return;
  SDL_Surface* premiere = image[0];
  TramePrincipale.w = static_cast<Uint16>(premiere->w);
  TramePrincipale.h = static_cast<Uint16>(premiere->h);
  Bliting::image[0] = Bliting::image[1] = premiere;
  int W = general::ecran ? general::ecran->w : 960, H = general::ecran ? general::ecran->h : 544;
  int fw = premiere->w > 0 ? premiere->w : 1, fh = premiere->h > 0 ? premiere->h : 1;
  tirage.assign(W / fw + 1, std::vector<int32_t>(H / fh + 1, 0));
  tirer();
}

void Evenement_meteorologique::tirer() {
  for (auto& colonne : tirage)
    for (int32_t& k : colonne) k = std::abs(Horloge::hasard() % nb_frame);
}

void Evenement_meteorologique::comportement() {
  if (nb_frame == 0 || !general::ecran) return;
  if (cycle.cycle(75) == 3) {
    tirer();
    cycle.remise_a_zero();
  }
  int fw = TramePrincipale.w, fh = TramePrincipale.h;
  for (size_t c = 0; c < tirage.size(); ++c)
    for (size_t r = 0; r < tirage[c].size(); ++r) {
      SDL_Surface* s = image[tirage[c][r]];
      if (!s) continue;
      SDL_Rect dst = {static_cast<Sint16>(c * fw), static_cast<Sint16>(r * fh), 0, 0};
      Blitter(s, nullptr, general::ecran, &dst);
    }
}
