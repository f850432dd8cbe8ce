#include "engine/Objet_Destructible.h"

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"
#include "weapons/Explosion.h"

Objet_Destructible::Objet_Destructible(const char* n, SDL_Rect pos) {
  static const char* const etats[3] = {"intact.png", "endommage.png", "detruit.png"};
  camp = NUL;
  detruit = false;
  affichage = true;
  vivant = true;
  type_objet = OBJET_DESTRUCTIBLE;
  nom = constconcatenation(n ? n : "", "");
  char* a = constconcatenation("Objets_destructibles/", nom);
  char* dossier = constconcatenation(a, "/");
  delete[] a;
  for (int k = 0; k < 3; ++k) {
    char* chemin = constconcatenation(dossier, etats[k]);
    Images[0][k] = AllouerImage(chemin, 0, false);
    Images[1][k] = AllouerImage(chemin, 1, false);
    delete[] chemin;
  }
  delete[] dossier;
  image[0] = Images[0][0];
  image[1] = Images[1][0];
  vie = 100;
  vie_max = 100;
  TramePrincipale = Rect(0, 0, image[0] ? image[0]->w : 0, image[0] ? image[0]->h : 0);
  position = pos;
  layer = 2;
  physique = true;
}

Objet_Destructible::~Objet_Destructible() { delete[] nom; }

// The wreck shows half a second after the hit, once the blast has covered it.
void Objet_Destructible::comportement() {
  if (cycle.cycle(500) == 3) detruit = true;
}

void Objet_Destructible::recevoirdegats(int16_t degats, Mapping*, int16_t, double, int16_t) {
  if (degats < 1 || vie <= 0) return;
  vie = 0;
  Creer_Explosion(Rect(position.x + TramePrincipale.w, position.y + TramePrincipale.h, 0, 0));
  cycle.en_cours = true;
  cycle.remise_a_zero();
  physique = false;
}

void Objet_Destructible::be_objectif(int c, int v) {
  camp = static_cast<int16_t>(c);
  vie_max = v;
  vie = static_cast<int16_t>(v);
}

void Objet_Destructible::bliting() {
  if (!affichage) return;
  SDL_Rect r = position;
  r.x = static_cast<Sint16>(position.x - general::Scrolling.x);
  r.y = static_cast<Sint16>(position.y - general::Scrolling.y);
  const int lw = general::ecran ? general::ecran->w : 960, lh = general::ecran ? general::ecran->h : 544;
  if (!(r.x < lw && r.x > -(TramePrincipale.w * general::zoom) && r.y < lh &&
        r.y > -(TramePrincipale.h * general::zoom)))
    return;
  const int z = general::dezoom == 1 ? 1 : 0;
  const int etat = detruit ? 2 : (vie <= vie_max / 2 ? 1 : 0);
  if (Images[z][etat]) Blitter(Images[z][etat], nullptr, general::ecran, &r);
}
