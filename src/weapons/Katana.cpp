#include "weapons/Katana.h"

#include <cstring>
#include <string>

#include "characters/Tramer.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"
#include "weapons/Projectiles.h"

namespace {
struct Decalages {
  const char* dossier;
  int32_t x[3], y[3];
};
const Decalages LAMES[] = {
    {"Armes/Couteau/", {-38, 70, 70}, {-20, 13, 13}},  {"Armes/Kaiygh/", {-67, 71, 77}, {-44, -64, -15}},
    {"Armes/HG-2/", {-42, 78, 77}, {-18, -24, 11}},    {"Armes/HG/", {-34, 66, 76}, {-5, -26, 13}},
    {"Armes/Azura/", {-68, 50, 45}, {-62, -25, -34}},
};
}  // namespace

Katana::Katana(P_char n, short puissance) {
  nom_arme = n;
  const std::string F = std::string("Armes/") + (n.retournertexte() ? n.retournertexte() : "");
  force = puissance;
  type = APOING;
  charge_actuelle = 0;
  nb_munition = 0;
  for (const Decalages& d : LAMES)
    if (F == d.dossier) {
      x0 = d.x[0], x1 = d.x[1], x2 = d.x[2];
      y0 = d.y[0], y1 = d.y[1], y2 = d.y[2];
    }
  Ombre = AllouerImage((F + "ombre.png").c_str(), 0, false);
  katana = Partie::AllouerPartie(F.c_str());
}

int Katana::cadre(int frame) const {
  const int n = katana ? katana->nb_frame : 0;
  if (n <= 0) return -1;
  if (frame >= n) frame %= n;
  return frame < 0 ? 0 : frame;
}

SDL_Rect Katana::point_lame(SDL_Rect pos, int frame, int dir) const {
  const double z = general::zoom;
  SDL_Rect p = pos;
  if (dir == 1) {
    // The width is read from a frame that exists, whatever index the swing gives.
    const int f = cadre(frame);
    const int W = f >= 0 && katana->Image[0][f] ? katana->Image[0][f]->w : 0;
    p.x = court(p.x + (130 * z - W * z));
  }
  const int32_t xs[3] = {x0, x1, x2}, ys[3] = {y0, y1, y2};
  if (frame >= 0 && frame <= 2) {
    p.x = dir == 0 ? court(p.x + xs[frame] * z) : court(p.x - xs[frame] * z);
    p.y = court(p.y + ys[frame] * z);
  }
  return p;
}

short Katana::afficher_arme(SDL_Rect pos, int frame, int dir) {
  const int f = cadre(frame);
  if (f < 0) return 0;
  SDL_Rect p = point_lame(pos, frame, dir);
  Blitter(katana->Image[(dir == 1 ? 1 : 0) + (general::dezoom != 0 ? 2 : 0)][f], nullptr, general::ecran, &p);
  return 0;
}

SDL_Surface* Katana::donnerImage(int, int) {
  if (!katana || katana->nb_frame < 3) return nullptr;
  return AllouerImage(katana->Noms[0][2].retournertexte(), general::dezoom, false);
}

#if GAME_EARLY
short Katana::Tirer(SDL_Rect, bool, bool, double) { return COGNER; }
#else
short Katana::Tirer(SDL_Rect, bool, bool, double, bool, bool) { return COGNER; }
#endif
