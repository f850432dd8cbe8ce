#include "weapons/Mineur.h"

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "weapons/Mine.h"
#include "weapons/Projectiles.h"

Mineur::Mineur(P_char main) : Lancer(main, "Mine", "Armes/Mines/ombre.png") {}

short Mineur::afficher_arme(SDL_Rect pos, int frame, int dir) {
  if (frame == 0) dessiner_main(point_main(pos, dir, 120.0f));
  if (frame != 1) return 0;
  // On the ground just ahead of the carrier's feet.
  const int x = dir == GAUCHE ? pos.x - 10 : pos.x + 130;
  const SDL_Rect p = point_monde(x, pos.y + 98, pos);
  retenir(new Mine(p, get_camp()));
  depenser();
  return 0;
}
