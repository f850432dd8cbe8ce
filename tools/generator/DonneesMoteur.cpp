// The engine core's files: the font, the default picture, the shared sounds,
// the bullet and flame rows and the mission pictures. (The weapon sheets are
// drawn from the weapons, with the hero choice.)
#include <string>

#include "Dessin.h"
#include "engine/Constantes.h"

using namespace Dessin;

namespace {

void balles() {
  // Bullet rows: a small tracer, longer and hotter for the heavier kinds.
  for (int i = 1; i <= 3; ++i) {
    SDL_Surface* s = toile(10 + 2 * i, 4);
    rect(s, 0, 1, 10 + 2 * i, 2, rgba(255, 220 - 30 * i, 60));
    rect(s, 6 + 2 * i, 0, 4, 4, rgba(255, 255, 200));
    sauver("Armes/Tirs/1/tir" + std::to_string(i) + ".png", s);
  }
  SDL_Surface* s = toile(16, 4);
  rect(s, 0, 1, 16, 2, rgba(120, 200, 255));
  sauver("Armes/Tirs/2/tir.png", s);
  s = toile(20, 6);
  rect(s, 0, 1, 20, 4, rgba(255, 120, 40));
  sauver("Armes/Tirs/3/tir.png", s);

  // Muzzle flames: a yellow star, bigger on the second frame.
  auto flamme = [](const std::string& nom, int taille, Uint32 c) {
    SDL_Surface* f = toile(taille, taille);
    disque(f, taille / 2, taille / 2, taille / 3, c);
    ligne(f, 0, taille / 2, taille - 1, taille / 2, c, 2);
    ligne(f, taille / 2, 0, taille / 2, taille - 1, c, 2);
    sauver(nom, f);
  };
  for (int r = 1; r <= 3; ++r)
    for (int k = 1; k <= 2; ++k)
      flamme("Armes/Tirs/" + std::to_string(r) + "/flamme" + std::to_string(k) + ".png", 12 + 6 * k,
             rgba(255, 230 - 40 * (r - 1), 80));
  flamme("Armes/Tirs/4/1.png", 24, rgba(255, 140, 20));
}

void sons() {
  son("Armes/tir.wav", 220, 150, 0.8);
  son("Armes/recharger.wav", 900, 250, 0.3);
  son("Armes/crihomme.wav", 180, 500, 0.1);
  son("Armes/crifemme.wav", 420, 500, 0.1);
  son("Armes/Impact.wav", 300, 80, 0.9);
  son("Armes/Headshot.wav", 1200, 200, 0.2);
  son("Armes/Explosion.wav", 60, 700, 1.0);
}

void menus() {
  for (int i = 0; i < 7; ++i)
    sauver(general::Images_Missions[i],
           vignette(300, 200, rgba(40, 60 + 20 * i, 90), general::Missions[i]));
}

Etape moteur(0, "engine", [] {
  copier(DEJAVU_FONT, "police.ttf");
  sauver("default.png", vignette(100, 100, rgba(200, 0, 200), "default"));
  balles();
  sons();
  menus();
});

}  // namespace
