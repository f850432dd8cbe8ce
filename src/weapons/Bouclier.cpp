#include "weapons/Bouclier.h"

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "weapons/Boucliers.h"
#include "weapons/Projectiles.h"

// The shield keeps the base weapon's silhouette.
Bouclier::Bouclier(P_char main) : Lancer(main, "Bouclier", nullptr) {}

short Bouclier::afficher_arme(SDL_Rect pos, int frame, int dir) {
  if (frame == 0) dessiner_main(point_main(pos, dir, early ? recul_zoome() : 120.0f));
  if (frame != 1) return 0;
  const int x = dir == GAUCHE ? pos.x - 200 : pos.x;
  const SDL_Rect p = point_monde(x, pos.y - 4, pos);
  retenir(new Boucliers(p, get_camp()));
  depenser();
  return 0;
}
