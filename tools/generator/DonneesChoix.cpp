// The pictures of the choices made before a mission: Korvan and Vesk as
// they go into battle, bright when highlighted and dimmed when not, and one
// sheet per weapon showing the weapon itself. Both are put together from the
// soldier and weapon pictures already written, so they show what the battle
// shows.
#include <SDL_image.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Dessin.h"
#include "engine/Constantes.h"

using namespace Dessin;

namespace {

SDL_Surface* lire(const std::string& chemin) {
  SDL_Surface* brut = IMG_Load(chemin.c_str());
  if (!brut) {
    std::fprintf(stderr, "gendata: no picture %s to draw from\n", chemin.c_str());
    return nullptr;
  }
  SDL_Surface* t = toile(1, 1);
  SDL_Surface* s = SDL_ConvertSurface(brut, t->format, SDL_SWSURFACE);
  SDL_FreeSurface(t);
  SDL_FreeSurface(brut);
  return s;
}

Uint32 lu(SDL_Surface* s, int x, int y) { return static_cast<Uint32*>(s->pixels)[y * s->pitch / 4 + x]; }

// Lays `p` over `s` at (x, y), `k` times as large, blending its alpha.
void poser(SDL_Surface* s, SDL_Surface* p, int x, int y, int k = 1) {
  if (!p) return;
  for (int j = 0; j < p->h * k; ++j)
    for (int i = 0; i < p->w * k; ++i) {
      const int X = x + i, Y = y + j;
      if (X < 0 || Y < 0 || X >= s->w || Y >= s->h) continue;
      const Uint32 a = lu(p, i / k, j / k), b = lu(s, X, Y);
      const int al = a >> 24;
      if (al == 0) continue;
      auto canal = [&](int c) { return (((a >> c) & 0xFF) * al + ((b >> c) & 0xFF) * (255 - al)) / 255; };
      const int fond = b >> 24;
      rect(s, X, Y, 1, 1, rgba(canal(0), canal(8), canal(16), al + fond * (255 - al) / 255));
    }
}

void liberer(std::vector<SDL_Surface*>& v) {
  for (SDL_Surface* s : v)
    if (s) SDL_FreeSurface(s);
}

// --- The heroes -----------------------------------------------------------

struct Heros {
  const char* nom;
  const char* sexe;  // "Hommes" or "Femmes"
  const char* peau;  // "Blanc" or "Noir"
  const char* arme;  // the main weapon of the hero's character file
  int epaule_x;      // the shoulder in the arm pictures, as the battle takes it
  int bras_x, bras_y;  // the shoulder on the standing body, a rifle in hand
};

constexpr int L = 300, H = 380, K = 2;  // the portrait, and the scale of the figure on it

// One hero standing, aiming level to the right, layered as the battle draws
// a soldier: far arm and sleeve, body and clothing, weapon, near arm and
// sleeve. The standing pose is the last frame of the walk.
SDL_Surface* figure(const Heros& h) {
  const std::string corps = std::string(h.sexe) + "/" + h.peau + "/", habits = std::string(h.sexe) + "/" + h.nom + "/";
  SDL_Surface* f = toile(L / K, 150);
  const int ox = -10;  // the 140 px frame, shifted so the rifle's muzzle fits
  const int bx = ox + h.bras_x - h.epaule_x, by = h.bras_y - 33;
  std::vector<SDL_Surface*> v = {lire(corps + "Bras/riflei1.png"), lire(habits + "Bras/riflei1.png")};
  poser(f, v[0], bx, by);
  poser(f, v[1], bx, by);
  v.push_back(lire(corps + "run8.png"));
  poser(f, v.back(), ox, 0);
  for (const char* p : {"Bas-1", "Bas-2", "Bas-3", "Haut-1", "Haut-2", "Poches", "Cou", "Cheveux", "Yeux", "Casque"}) {
    const std::string chemin = habits + p + "/run8.png";
    if (SDL_Surface* s = IMG_Load(chemin.c_str())) {  // a part the costume lacks is simply not worn
      SDL_FreeSurface(s);
      v.push_back(lire(chemin));
      poser(f, v.back(), ox, 0);
    }
  }
  v.push_back(lire(std::string("Armes/") + h.arme + "/" + h.arme + ".png"));
  if (v.back()) poser(f, v.back(), bx, h.bras_y - v.back()->h / 2 - 11);
  v.push_back(lire(corps + "Bras/rifle1.png"));
  poser(f, v.back(), bx, by);
  v.push_back(lire(habits + "Bras/rifle1.png"));
  poser(f, v.back(), bx, by);
  liberer(v);
  return f;
}

// Half the brightness, for the hero not highlighted.
void ternir(SDL_Surface* s) {
  for (int y = 0; y < s->h; ++y)
    for (int x = 0; x < s->w; ++x) {
      const Uint32 c = lu(s, x, y);
      rect(s, x, y, 1, 1, rgba((c & 0xFF) / 2, ((c >> 8) & 0xFF) / 2, ((c >> 16) & 0xFF) / 2, c >> 24));
    }
}

void portrait(const std::string& chemin, const Heros& h, Uint32 fond, bool choisi) {
  SDL_Surface* s = toile(L, H, fond);
  rect(s, 0, 300, L, 40, rgba(70, 90, 60));  // the ground under the feet
  SDL_Surface* f = figure(h);
  poser(s, f, 0, 300 - 150 * K + 2 * K, K);
  SDL_FreeSurface(f);
  texte(s, h.nom, L / 2, 356, 24, rgba(255, 255, 255), true);
  if (!choisi) ternir(s);
  cadre(s, 0, 0, L, H, choisi ? rgba(240, 220, 120) : rgba(70, 70, 70), 4);
  sauver(chemin, s);
}

void heros() {
  // One spelling per folder: the heroes live beside the mission pictures.
  const std::string dossier = "Menus/histoire/Missions/personnages/";
  const Heros korvan = {"Korvan", "Hommes", "Blanc", "QD-AR", 9, 63, 50};
  const Heros vesk = {"Vesk", "Femmes", "Noir", "N-10", 16, 67, 42};
  for (bool choisi : {true, false}) {
    const std::string suffixe = choisi ? ".png" : "nonselec.png";
    portrait(dossier + "korvan" + suffixe, korvan, rgba(40, 60, 80), choisi);
    portrait(dossier + "vesk" + suffixe, vesk, rgba(60, 45, 75), choisi);
  }
}

// --- The weapon sheets ----------------------------------------------------

constexpr int FL = 320, FH = 160;

// The picture cut down to what is drawn on it: a blade's frame leaves room
// for its swing.
SDL_Surface* rogner(SDL_Surface* p) {
  int x0 = p->w, y0 = p->h, x1 = -1, y1 = -1;
  for (int y = 0; y < p->h; ++y)
    for (int x = 0; x < p->w; ++x)
      if (lu(p, x, y) >> 24) x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
  if (x1 < 0) return p;
  SDL_Surface* r = toile(x1 - x0 + 1, y1 - y0 + 1);
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) rect(r, x - x0, y - y0, 1, 1, lu(p, x, y));
  SDL_FreeSurface(p);
  return r;
}

// The sheet shows the weapon as large as it fits, on a plain panel; its
// name is the list's own label, beside it.
void fiche(const char* table_chemin, SDL_Surface* arme, Uint32 fond) {
  SDL_Surface* s = toile(FL, FH, fond);
  cadre(s, 0, 0, FL, FH, rgba(200, 200, 210), 3);
  if (arme) arme = rogner(arme);
  if (arme) {
    int k = 1;
    while (arme->w * (k + 1) <= FL - 40 && arme->h * (k + 1) <= FH - 40) ++k;
    poser(s, arme, FL / 2 - arme->w * k / 2, FH / 2 - arme->h * k / 2, k);
    SDL_FreeSurface(arme);
  }
  // One spelling per folder: the sheets live beside the mission pictures.
  std::string chemin = table_chemin;
  chemin.replace(0, std::string("Menus/histoire/missions").size(), "Menus/histoire/Missions");
  sauver(chemin, s);
}

// An aura is a ring of its colour; its sheet adds what it does: swift
// chevrons, a raised bar, a healing cross.
SDL_Surface* aura(const char* nom, int i) {
  SDL_Surface* s = lire(std::string("Armes/") + nom + "/" + nom + ".png");
  if (!s) return nullptr;
  SDL_Surface* a = toile(s->w * 2, s->h);
  poser(a, s, 0, 0);
  SDL_FreeSurface(s);
  const Uint32 c = rgba(240, 240, 240);
  const int x = a->w * 3 / 4, y = a->h / 2;
  if (i == 0) {
    for (int d : {-8, 4}) {
      ligne(a, x + d, y - 10, x + d + 8, y, c, 3);
      ligne(a, x + d + 8, y, x + d, y + 10, c, 3);
    }
  } else if (i == 1) {
    rect(a, x - 10, y - 3, 20, 6, c);
    rect(a, x - 14, y - 8, 4, 16, c);
    rect(a, x + 10, y - 8, 4, 16, c);
  } else {
    rect(a, x - 3, y - 11, 6, 22, c);
    rect(a, x - 11, y - 3, 22, 6, c);
  }
  return a;
}

void fiches() {
  const char* fusils[8] = {"QD-AR", "N-10", "O-LD", "QD-SG", "Enfield", "O-HG", "N-Destructor", "N-Dead-Launcher"};
  for (int i = 0; i < 8; ++i)
    fiche(general::FichesFusils[i], lire(std::string("Armes/") + fusils[i] + "/" + fusils[i] + ".png"),
          rgba(50, 60, 50));
  const char* legeres[4] = {"QD-H", "Migal-513", "N-897", "QD-1SK"};
  for (int i = 0; i < 4; ++i)
    fiche(general::FichesPistolets[i], lire(std::string("Armes/") + legeres[i] + "/" + legeres[i] + ".png"),
          rgba(45, 55, 75));
  // Blades level, as they strike.
  const char* lames[5] = {"Couteau", "HG-2", "HG", "Kaiygh", "Azura"};
  for (int i = 0; i < 5; ++i) fiche(general::FichesMelee[i], lire(std::string("Armes/") + lames[i] + "/2.png"), rgba(60, 60, 66));
  const char* lancers[4] = {"Grenades/grenade.png", "Fumigene/projectile.png", "Bouclier/projectile.png",
                            "Mines/projectile.png"};
  for (int i = 0; i < 4; ++i) fiche(general::FichesProjectiles[i], lire(std::string("Armes/") + lancers[i]), rgba(70, 50, 45));
  const char* auras[3] = {"Vitesse", "Force", "Regeneration"};
  for (int i = 0; i < 3; ++i) fiche(general::FichesAura[i], aura(auras[i], i), rgba(45, 35, 75));
}

Etape choix(5, "choices", [] {
  heros();
  fiches();
});

}  // namespace
