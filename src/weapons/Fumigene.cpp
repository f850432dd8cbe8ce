#include "weapons/Fumigene.h"

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "weapons/Fumigenes.h"
#include "weapons/Projectiles.h"

Fumigene::Fumigene(P_char main) : Lancer(main, "Fumig\xE8ne", "Armes/Fumigene/ombre.png") {}

short Fumigene::afficher_arme(SDL_Rect pos, int frame, int dir) {
  const SDL_Rect m = point_main(pos, dir, recul_zoome());
  if (frame == 0) dessiner_main(m);
  if (frame != 1) return 0;
  const SDL_Rect p = point_monde(m.x, m.y, pos);
  retenir(new Fumigenes(p, get_camp(), dir));
  depenser();
  return 0;
}
