// Scenery and terrain: explosions, decor, obstacles, animated decor,
// shadows, destructible targets, backgrounds with their ambience, ground
// sets, water, lifts and capture points, with the catalogs that list them.
#include <algorithm>
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

// `c` blended toward `d`: 0 gives c, 100 gives d.
Uint32 melange(Uint32 c, Uint32 d, int pour_cent) {
  auto canal = [&](int k) {
    const int a = (c >> (8 * k)) & 0xFF, b = (d >> (8 * k)) & 0xFF;
    return a + (b - a) * pour_cent / 100;
  };
  return rgba(canal(0), canal(1), canal(2));
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
      // Far hills, then land that darkens toward the viewer: the country
      // behind the fight, which nobody stands on (the ground strip is the
      // surface).
      const Uint32 loin = melange(f.ciel, f.horizon, 30);
      for (int x = 0; x < 960 + 160; x += 160) disque(s, x, 384 + (x / 160 % 2) * 10, 60 + (x / 160 % 3) * 12, loin);
      for (int b = 0; b < 4; ++b) rect(s, 0, 360 + 46 * b, 960, 46, melange(f.ciel, f.horizon, 45 + 55 * b / 3));
      // The sun (or moon) stays put, clear of the HUD and the clock: the
      // frames alternate five times a second, so only its glow breathes a
      // pixel from one to the next.
      disque(s, 740, 90, 31 + i, melange(f.ciel, rgba(250, 240, 200), 60));
      disque(s, 740, 90, 30, rgba(250, 240, 200));
      sauver(std::string("Fonds/") + f.nom + n(i) + ".png", s);
    }
    son(std::string("Fonds/") + f.nom + "Ambiance.wav", f.frequence, 2000, 0.5);
  }
  sauver("Fonds/fond2.png", vignette(960, 544, rgba(120, 170, 220), "fond2"));
}

// Soldiers, vehicles and dropped weapons rest 15 px above the bottom of the
// screen, and the battle lays the ground's top row 544 - SOL_H from the top:
// the strip is no taller than that, so its top edge is the surface things
// stand on. The editor draws the same picture at half size along its bottom,
// and what a map maker stands on that edge stands on the soldiers' line.
constexpr int SOL_W = 200, SOL_H = 18;

struct Terrain {
  const char* nom;
  Uint32 dessus, dessous, sentier;
};

Uint32 eclairci(Uint32 c, int d) {
  auto canal = [&](int k) { return std::min(255, static_cast<int>((c >> (8 * k)) & 0xFF) + d); };
  return rgba(canal(0), canal(1), canal(2));
}

// Frame `i` (1 or 2): a bright edge of grass (or sand) with tufts that sway
// from one frame to the next, over trodden earth; `w` a multiple of SOL_W.
// The frames alternate five times a second: the tufts keep their roots and
// only their tips lean, one pixel then two.
SDL_Surface* bande(const Terrain& t, int i, int w = SOL_W) {
  SDL_Surface* s = toile(w, SOL_H, t.sentier);
  rect(s, 0, 0, w, 4, t.dessus);
  rect(s, 0, 0, w, 1, eclairci(t.dessus, 50));  // the sunlit edge: the line feet rest on
  for (int x = 10; x < w; x += 40)  // tufts hanging over the earth
    for (int k = 0; k < 3; ++k) rect(s, x + k * (i - 1), 4 + k, 4, 1, t.dessus);
  for (int x = 7; x < w; x += 29) rect(s, x, 9 + x % 5, 5, 2, t.dessous);  // pebbles
  return s;
}

void sols() {
  const Terrain sets[] = {{"foret/", rgba(60, 140, 50), rgba(100, 70, 40), rgba(125, 95, 60)},
                          {"desert/", rgba(220, 190, 120), rgba(180, 140, 80), rgba(200, 165, 105)},
                          {"nuit/", rgba(30, 60, 40), rgba(50, 40, 30), rgba(68, 58, 46)},
                          {"eau/", rgba(190, 180, 120), rgba(40, 80, 140), rgba(55, 95, 155)},
                          {"eau2/", rgba(160, 160, 110), rgba(30, 60, 120), rgba(45, 75, 135)},
                          {"eau3/", rgba(140, 130, 100), rgba(20, 40, 100), rgba(35, 55, 115)},
                          // The editor's default ground, as a battle reads it.
                          {"base.png", rgba(60, 140, 50), rgba(100, 70, 40), rgba(125, 95, 60)}};
  for (const Terrain& t : sets) {
    for (int i = 1; i <= 2; ++i) sauver(std::string("Sol/") + t.nom + n(i) + ".png", bande(t, i));
    SDL_Surface* f = toile(200, 200, t.dessous);
    for (int k = 0; k < 6; ++k) disque(f, 20 + 33 * k, 40 + 25 * (k % 3), 6, t.dessus);
    sauver(std::string("Sol/") + t.nom + "ssol.png", f);
  }
  // The editor always draws this one picture, whatever ground the map names,
  // at half size in six columns from three left of the view: 800 px make its
  // 400 px columns reach across the whole map area at any scroll.
  sauver("Sol/base.png", bande(sets[6], 1, 4 * SOL_W));
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
