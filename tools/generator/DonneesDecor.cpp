// Scenery and terrain: explosions, decor, obstacles, animated decor,
// shadows, destructible targets, backgrounds with their ambience, ground
// sets, water, lifts and capture points, with the catalogs that list them.
#include <string>

#include "Dessin.h"

using namespace Dessin;

namespace {

std::string n(int i) { return std::to_string(i); }

void explosions() {
  // A fireball that swells and fades to smoke.
  auto boule = [](const std::string& dossier, int taille, int nb) {
    for (int i = 1; i <= nb; ++i) {
      SDL_Surface* s = toile(taille, taille);
      const int r = taille / 6 + (taille / 3) * i / nb;
      const int vert = 220 - 150 * i / nb;
      disque(s, taille / 2, taille / 2, r + 4, rgba(120, 110, 100, 180));
      disque(s, taille / 2, taille / 2, r, rgba(255, vert, 40));
      disque(s, taille / 2, taille / 2, r / 2, rgba(255, 250, 200));
      sauver(dossier + n(i) + ".png", s);
    }
  };
  boule("Explosion/", 100, 6);
  boule("Armes/Explosion3/", 80, 5);
}

void fonds() {
  struct F {
    const char* nom;
    Uint32 ciel, horizon;
    int frequence;
  };
  const F sets[] = {{"foret/", rgba(120, 170, 220), rgba(40, 100, 50), 180},
                    {"desert/", rgba(200, 190, 150), rgba(190, 150, 90), 90},
                    {"nuit/", rgba(20, 20, 50), rgba(30, 40, 40), 140},
                    // The editor's default background: a new map is played
                    // with the frames named after the picture itself.
                    {"fond2.png", rgba(120, 170, 220), rgba(90, 130, 80), 160}};
  for (const F& f : sets) {
    for (int i = 1; i <= 2; ++i) {
      SDL_Surface* s = toile(960, 544, f.ciel);
      rect(s, 0, 360, 960, 184, f.horizon);
      disque(s, 660 + 40 * i, 90, 30, rgba(250, 240, 200));  // the sun (or moon) drifts, clear of the HUD
      sauver(std::string("Fonds/") + f.nom + n(i) + ".png", s);
    }
    son(std::string("Fonds/") + f.nom + "Ambiance.wav", f.frequence, 2000, 0.5);
  }
  sauver("Fonds/fond2.png", vignette(960, 544, rgba(120, 170, 220), "fond2"));
}

void sols() {
  struct S {
    const char* nom;
    Uint32 dessus, dessous, sentier;
  };
  const S sets[] = {{"foret/", rgba(60, 140, 50), rgba(100, 70, 40), rgba(125, 95, 60)},
                    {"desert/", rgba(220, 190, 120), rgba(180, 140, 80), rgba(200, 165, 105)},
                    {"nuit/", rgba(30, 60, 40), rgba(50, 40, 30), rgba(68, 58, 46)},
                    {"eau/", rgba(190, 180, 120), rgba(40, 80, 140), rgba(55, 95, 155)},
                    {"eau2/", rgba(160, 160, 110), rgba(30, 60, 120), rgba(45, 75, 135)},
                    {"eau3/", rgba(140, 130, 100), rgba(20, 40, 100), rgba(35, 55, 115)},
                    // The editor's default ground, as a battle reads it.
                    {"base.png", rgba(60, 140, 50), rgba(100, 70, 40), rgba(125, 95, 60)}};
  for (const S& s : sets) {
    for (int i = 1; i <= 2; ++i) {
      SDL_Surface* t = toile(200, 120, s.dessous);
      rect(t, 0, 0, 200, 16, s.dessus);
      for (int x = 10 * i; x < 200; x += 40) rect(t, x, 16, 4, 6, s.dessus);  // tufts that sway
      // The trodden band where feet come to rest, 15 px above the bottom.
      rect(t, 0, 96, 200, 18, s.sentier);
      for (int x = 7; x < 200; x += 29) rect(t, x, 40 + (x * 7) % 44, 5, 3, s.dessus);  // pebbles
      sauver(std::string("Sol/") + s.nom + n(i) + ".png", t);
    }
    SDL_Surface* f = toile(200, 200, s.dessous);
    for (int k = 0; k < 6; ++k) disque(f, 20 + 33 * k, 40 + 25 * (k % 3), 6, s.dessus);
    sauver(std::string("Sol/") + s.nom + "ssol.png", f);
  }
  SDL_Surface* base = toile(200, 120, rgba(100, 70, 40));
  rect(base, 0, 0, 200, 16, rgba(60, 140, 50));
  sauver("Sol/base.png", base);
}

void eclaboussures() {
  for (int i = 1; i <= 3; ++i) {
    SDL_Surface* r = toile(80, 20);
    ligne(r, 40 - 12 * i, 10, 40 + 12 * i, 10, rgba(220, 240, 255, 200), 2);
    sauver("Impact/Eau/mouvement/" + n(i) + ".png", r);
    SDL_Surface* p = toile(80, 60);
    for (int k = -2; k <= 2; ++k) disque(p, 40 + k * 8 * i / 2 + k * 4, 50 - 12 * i + (k * k) * 3, 4, rgba(200, 230, 255, 220));
    sauver("Impact/Eau/plongeon/" + n(i) + ".png", p);
  }
}

Etape decor(2, "decor", [] {
  // Decor, obstacles, targets, shadows and the "Divers/" markers are the
  // palette's: it writes their pictures with their catalogs.
  explosions();
  fonds();
  sols();
  eclaboussures();
});

}  // namespace
