#include "weapons/Grenade.h"

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "weapons/Grenades.h"
#include "weapons/Projectiles.h"

Grenade::Grenade(P_char main) : Lancer(main, "Grenade", "Armes/Grenades/ombre.png") {}

short Grenade::afficher_arme(SDL_Rect pos, int frame, int dir) {
  const SDL_Rect m = point_main(pos, dir, recul_zoome());
  if (frame == 0) dessiner_main(m);
  if (frame != 1) return 0;
  const SDL_Rect p = point_monde(m.x, m.y, pos);
  retenir(new Grenades(p, get_camp(), dir));
  depenser();
  return 0;
}
