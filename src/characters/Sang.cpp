#include "characters/Sang.h"

#if GAME_EARLY
#include <cstdio>
#include <string>

#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"
#include "platform/Fichiers.h"
#include "weapons/Projectiles.h"

namespace {

std::string chemin_cadre(const char* dossier, short direction, int n) {
  return std::string(dossier ? dossier : "") + (direction == 1 ? "Gauche/" : "Droite/") + std::to_string(n) + ".png";
}

}  // namespace

Sang* Sang::premiere = nullptr;
Sang* Sang::derniere = nullptr;

int32_t Sang::rendre_la_plus_ancienne() {
  for (Sang* s = premiere; s; s = s->suivante) {
    if (!s->Tas || !s->enregistre() || s->element_actuel == 0) continue;
    const auto i = static_cast<int32_t>(s->element_actuel);
    // Freed as the frame pass reaps a splash, but its entry is emptied in
    // place rather than the table compacted: a frame pass may be walking the
    // table. A blast's list of targets may still name it: that list strikes
    // only what the table still holds, known by its number.
    delete s;
    return i;
  }
  return -1;
}

Sang::Sang(const char* dossier, short dir, Mapping* c, SDL_Rect w, short, double) {
  demarrer(cycle);
  where = w;
  direction = dir;
  DirBaseCible = c ? c->direction : 0;
  Tas = true;

  // The frames are counted up to the first missing one; the list of names
  // tried, that one included, is what "sang.txt" keeps of the last splash.
  std::string essais;
  for (int n = 1;; ++n) {
    const std::string p = chemin_cadre(dossier, dir, n);
    essais += p + "\n";
    // The missing frame that ends the count is expected: no warning for it.
    if (!AllouerImage(p.c_str(), 0, false, false)) break;
    ++nb_image;
  }
  Fichiers::EcritureSure f("sang.txt");
  if (f.ouvert()) {
    std::fwrite(essais.data(), 1, essais.size(), f.flux());
    f.valider();
  }

  image = new SDL_Surface*[nb_image > 0 ? nb_image : 1]{};
  for (int i = 0; i < nb_image; ++i) image[i] = AllouerImage(chemin_cadre(dossier, dir, i + 1).c_str(), 0, false);

  // Without a first frame the entry counts as empty: the creator drops it.
  SDL_Surface* premier = nb_image > 0 ? image[0] : nullptr;
  Mapping::image[0] = premier;
  TramePrincipale = Rect(0, 0, premier ? premier->w : 0, premier ? premier->h : 0);
  cible = c;
  physique = false;
  layer = 4;
  where.y = static_cast<Sint16>(where.y - TramePrincipale.h / 2 + 5);
  precedente = derniere;
  (derniere ? derniere->suivante : premiere) = this;
  derniere = this;
}

Sang::~Sang() {
  (precedente ? precedente->suivante : premiere) = suivante;
  (suivante ? suivante->precedente : derniere) = precedente;
  delete[] image;
}

void Sang::crever() {
  for (int i = 0; i < nb_image && i < 2; ++i) image[i] = nullptr;
}
#endif
