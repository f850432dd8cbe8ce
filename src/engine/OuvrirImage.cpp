#include "engine/OuvrirImage.h"

#include <cstdio>
#include <set>
#include <string>

#include "engine/Fonctions.h"
#include "engine/FormatEcran.h"
#include "engine/IndexNoms.h"

SDL_Surface* Images[2][NB_MAX_IMAGES];
P_char nom_Images[NB_MAX_IMAGES];
bool garderImage[NB_MAX_IMAGES];
int nb_apparition[NB_MAX_IMAGES];
int nb_images = 0;
int derniere_image_demandee = -1;
int derniere_image_stockee = -1;

void signaler_fichier_absent(const char* nom) {
  static std::set<std::string> deja;
  if (nom && deja.insert(nom).second) std::fprintf(stderr, "missing file \"%s\"\n", nom);
}

SDL_Surface* charger_image(const char* nom, bool signaler) {
  if (!nom) return nullptr;
  const std::string chemin = Fichiers::resoudre(nom);
  SDL_Surface* s = image_au_format_ecran(chemin.c_str());
  if (!s && signaler) {
    // A map maker whose picture is there but cannot be read is told so,
    // not sent looking for a file that exists.
    if (Fichiers::existe(chemin.c_str())) {
      static std::set<std::string> deja;
      if (deja.insert(nom).second) std::fprintf(stderr, "damaged picture \"%s\": it is left out\n", nom);
    } else {
      signaler_fichier_absent(nom);
    }
  }
  return s;
}

namespace {
// Maps and animations ask for thousands of names, most of them misses
// (mirrors, frames past the last): the table is not scanned for them.
IndexNoms index_images;

int chercher(const char* nom) { return index_images.chercher(nom, nom_Images, nb_images); }

// A full table refuses the picture: the caller gets it uncached.
int ajouter(const char* nom, SDL_Surface* image, bool garder) {
  if (nb_images >= NB_MAX_IMAGES) {
    std::fprintf(stderr, "picture cache full: \"%s\" is not kept\n", nom);
    return -1;
  }
  int i = nb_images++;
  Images[0][i] = image;
  Images[1][i] = tourner(image, 0.0, 0.5);
  nb_apparition[i] = 1;
  garderImage[i] = garder;
  nom_Images[i] = nom;
  index_images.noter(nom, i);
  derniere_image_demandee = i;
  return i;
}
}  // namespace

SDL_Surface* AllouerImage(const char* nom, int zoom, bool garder, bool signaler) {
  if (!nom) return nullptr;
  int rangee = zoom == 1 ? 1 : 0;
  int i = chercher(nom);
  if (i >= 0) {
    ++nb_apparition[i];
    derniere_image_demandee = i;
    return Images[rangee][i];
  }
  SDL_Surface* s = charger_image(nom, signaler);
  if (!s) return nullptr;
  i = ajouter(nom, s, garder);
  if (i < 0) return rangee == 0 ? s : nullptr;
  return Images[rangee][i];
}

int StockerImage(const char* nom, SDL_Surface* image) {
  if (!nom) return 3;
  int i = chercher(nom);
  if (i >= 0) {
    derniere_image_stockee = i;
    return 1;
  }
  if (!image) return 3;
  return ajouter(nom, image, true) >= 0 ? 2 : 3;
}

void stocker_miroir(const char* miroir, SDL_Surface* image) {
  if (!image || AllouerImage(miroir, 0, false, false)) return;
  SDL_Surface* m = miroir_au_format(image);
  if (StockerImage(miroir, m) != 2 && m) SDL_FreeSurface(m);
}

SDL_Surface*** TotalAllouerImage(const char* nom) {
  SDL_Surface*** t = new SDL_Surface**[2];
  t[0] = new SDL_Surface*[2];
  t[1] = new SDL_Surface*[2];
  for (int z = 0; z < 2; ++z) t[0][z] = AllouerImage(nom, z, false);
  char* miroir = constconcatenation(nom ? nom : "", "1");
  // A picture that failed to load has no mirror to make.
  stocker_miroir(miroir, t[0][0]);
  for (int z = 0; z < 2; ++z) t[1][z] = t[0][0] ? AllouerImage(miroir, z, false, false) : nullptr;
  delete[] miroir;
  return t;
}

void LibererTotalImage(SDL_Surface*** t) {
  if (!t) return;
  delete[] t[0];
  delete[] t[1];
  delete[] t;
}
