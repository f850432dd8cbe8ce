// The thrown and laid weapons: the grenade, the smoke grenade with its
// cloud, the shield and its barrier, the mine with its blast, and the
// symbols of the three auras. (The grenade's blast uses "Explosion/".)
#include <string>

#include "Dessin.h"

using namespace Dessin;

namespace {

std::string n(int i) { return std::to_string(i); }

// A hand grenade: round body, lever and pin on top.
void grenade(SDL_Surface* s, Uint32 corps, Uint32 levier) {
  disque(s, 9, 14, 8, corps);
  rect(s, 6, 2, 6, 5, levier);
  ligne(s, 12, 4, 16, 8, levier);
}

// A canister: tall body with a cap.
void cartouche(SDL_Surface* s, Uint32 corps, Uint32 bouchon) {
  rect(s, 3, 4, 12, 20, corps);
  rect(s, 3, 0, 12, 4, bouchon);
}

void grenades() {
  SDL_Surface* g = toile(18, 22);
  grenade(g, rgba(60, 90, 40), rgba(170, 170, 170));
  sauver("Armes/Grenades/grenade.png", g);
  SDL_Surface* o = toile(18, 22, rgba(0, 0, 0));
  grenade(o, rgba(200, 200, 200), rgba(200, 200, 200));
  sauver("Armes/Grenades/ombre.png", o, false);
}

void fumigene() {
  SDL_Surface* p = toile(18, 24);
  cartouche(p, rgba(150, 150, 160), rgba(220, 60, 40));
  sauver("Armes/Fumigene/projectile.png", p);
  SDL_Surface* o = toile(18, 24, rgba(0, 0, 0));
  cartouche(o, rgba(200, 200, 200), rgba(200, 200, 200));
  sauver("Armes/Fumigene/ombre.png", o, false);
  // The cloud swells and settles as it loops.
  for (int i = 1; i <= 10; ++i) {
    SDL_Surface* s = toile(200, 160);
    const int r = 44 + (i <= 5 ? i : 10 - i) * 3;
    disque(s, 70, 90, r, rgba(180, 180, 180, 170));
    disque(s, 130, 88, r - 6, rgba(170, 170, 175, 170));
    disque(s, 100, 62, r - 4, rgba(200, 200, 200, 170));
    sauver("Armes/Fumigene/" + n(i) + ".png", s);
  }
}

void bouclier() {
  SDL_Surface* p = toile(22, 26);
  rect(p, 0, 0, 22, 26, rgba(50, 80, 160));
  cadre(p, 0, 0, 22, 26, rgba(200, 200, 230), 2);
  sauver("Armes/Bouclier/projectile.png", p);
  // The barrier: a tall plate with a frame and a viewing slit.
  SDL_Surface* b = toile(40, 130);
  rect(b, 0, 0, 40, 130, rgba(70, 110, 200, 200));
  cadre(b, 0, 0, 40, 130, rgba(210, 220, 250), 3);
  rect(b, 8, 30, 24, 6, rgba(20, 30, 60));
  sauver("Armes/Bouclier/bouclier.png", b);
}

void mines() {
  auto mine = [](SDL_Surface* s, Uint32 corps, Uint32 detonateur, int haut = 0) {
    rect(s, 0, haut + 6, 40, 8, corps);
    rect(s, 16, haut, 8, 6, detonateur);
  };
  // A mine is laid 98 px below the soldier's top: 20 px tall, it lies on the
  // ground at his feet, 118 px down.
  SDL_Surface* p = toile(40, 20);
  mine(p, rgba(70, 70, 50), rgba(200, 40, 30), 6);
  sauver("Armes/Mines/projectile.png", p);
  SDL_Surface* o = toile(40, 14, rgba(0, 0, 0));
  mine(o, rgba(200, 200, 200), rgba(200, 200, 200));
  sauver("Armes/Mines/ombre.png", o, false);
  // A blast thrown up from the ground.
  for (int i = 1; i <= 6; ++i) {
    SDL_Surface* s = toile(100, 100);
    const int r = 12 + 6 * i;
    disque(s, 50, 100 - r, r, rgba(255, 170 - 15 * i, 30, 255 - 25 * i));
    disque(s, 50, 100 - r, r / 2, rgba(255, 240, 160, 255 - 25 * i));
    sauver("Armes/Mines/" + n(i) + ".png", s);
  }
}

// An aura is a weapon like any other: its folder under "Armes/" holds its
// picture, silhouette and two sounds, and "Armes/Auras/" its own silhouette.
// The early build spells the regeneration with its accents (Latin-1).
void auras() {
  struct A {
    const char* nom;
    Uint32 couleur;
    const char* lettre;
  };
  const A liste[] = {{"Vitesse", rgba(60, 200, 255), "V"},
                     {"Force", rgba(230, 60, 40), "F"},
                     {"Regeneration", rgba(60, 220, 90), "R"},
                     {"R\xE9g\xE9n\xE9ration", rgba(60, 220, 90), "R"}};
  auto ombre = [](const A& a) {
    SDL_Surface* o = toile(40, 40, rgba(0, 0, 0));
    disque(o, 20, 20, 18, a.couleur);
    texte(o, a.lettre, 20, 20, 22, rgba(255, 255, 255), true);
    return o;
  };
  for (const A& a : liste) {
    const std::string F = std::string("Armes/") + a.nom + "/";
    sauver(std::string("Armes/Auras/") + a.nom + "/ombre.png", ombre(a), false);
    sauver(F + "ombre.png", ombre(a), false);
    // The weapon picture is mirrored for a left-facing carrier: no letter on it.
    SDL_Surface* s = toile(40, 40);
    disque(s, 20, 20, 18, a.couleur);
    disque(s, 20, 20, 9, rgba(255, 255, 255));
    disque(s, 20, 20, 5, a.couleur);
    sauver(F + a.nom + ".png", s);
    son(F + a.nom + ".wav", 500 + 40 * a.lettre[0] % 300, 700, 0.05);  // the aura rising
    son(F + "recharger.wav", 900, 200, 0.2);
  }
}

Etape lancers(1, "throwables", [] {
  grenades();
  fumigene();
  bouclier();
  mines();
  auras();
});

}  // namespace
