#include "weapons/FlammePompe.h"

#include <cmath>
#include <utility>

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "weapons/Projectiles.h"

FlammePompe::FlammePompe(SDL_Rect muzzle, int dir, double angle, int rangee)
    : TirV(muzzle, angle, dir, general::Flammes[rangee >= 0 && rangee < 4 ? rangee : 0]) {
  physique = false;
  layer = 6;
  demarrer(cycle);
  // The earlier blast leaves from the muzzle itself and travels from there.
  if constexpr (early) return;
  const int w0 = TramePrincipale.w, h0 = TramePrincipale.h;
  const double a = angle * PI_ARMES / 180;
  int x = muzzle.x - w0 / 2, yy = muzzle.y - h0 / 2;
  yy = static_cast<int>(yy - std::sin(a) * (h0 / 2 - 64));
  x = static_cast<int>(x + std::cos(a) * (w0 / 2 + 18));
  // A blast that would stand past the world's 16-bit edge would wrap round
  // to strike the other end of the world: it is spent instead.
  if (hors_16_bits(x) || hors_16_bits(yy)) vivant = false;
  position.x = court(x);
  position.y = court(yy);
  y = position.y;
}

void FlammePompe::comportement() {
  if constexpr (early) TirV::comportement();
}

void FlammePompe::bliting() {
  SDL_Rect r = point_zoome(position.x, position.y);
  dessiner_cadre(r);
  if (frame_en_cours < nb_frame) ++frame_en_cours;
  // The earlier blast strikes only as a bullet does, on its way: once its
  // frames have played it is simply gone.
  if constexpr (early) {
    if (frame_en_cours >= nb_frame) vivant = false;
    return;
  }
  if (frame_en_cours < nb_frame || a_frappe) {
    if (a_frappe) vivant = false;
    return;
  }
  if (vivant) frapper();
}

void FlammePompe::frapper() {
  a_frappe = true;
  vivant = false;
  const int x = position.x, yy = position.y, w = TramePrincipale.w, h = TramePrincipale.h;
  pour_chaque_touche(
      "shotgun blast", [&] { return std::pair(x, x + w); },
      [&](int32_t i) {
        if (!occupe(i)) return false;
        Mapping* o = Objets[i];
        if (o->camp == camp || !o->vivant || !o->affichage) return false;
        return x < o->position.x + o->TramePrincipale.w && x + w > o->position.x &&
               yy < o->position.y + o->TramePrincipale.h && yy + h > o->position.y;
      },
      [&](Mapping* o) { o->recevoirdegats(force, this, direction, Angle, 0); });
  vivant = false;
}

void FlammePompe::blit_only() {
  if (vivant) dessiner_cadre(Rect(position.x - general::Scrolling.x, position.y - general::Scrolling.y, 0, 0));
}
