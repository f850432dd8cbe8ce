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
  const char* arme;  // the main weapon of the hero's character file: a rifle for both
  // 0 for a man, 1 for a woman, as the anchor tables count. The battle picks
  // the row by general::sexe, which is the sex of the soldier made last, so a
  // hero may borrow the other's shoulders there; the portrait takes the hero's
  // own, the row the bodies are drawn for.
  int indice_sexe;
};

constexpr int L = 300, H = 380, K = 2;  // the portrait, and the scale of the figure on it

struct Coin {
  int x, y;
};

// Where the battle lays an arm, a sleeve or the gun of a soldier standing and
// aiming level to the right. Tramer_dessin.cpp (dessiner_vise, piece_tournee)
// hangs them on the shoulder: the near arm and the gun start at the shoulder on
// the body, general::pos_bras[sex][standing][RIFLE]; the far arm and the
// sleeves first centre themselves on the near arm; then every piece loses half
// its turned size and is moved so that the shoulder point of the arm pictures,
// general::pos_epaule[sex], measured from the middle of the piece's reference
// size, falls there. Level to the right nothing turns (the angle is 0, and an
// unturned picture keeps its size), so only these sums are left. The
// reference sizes are the battle's too: the near arm and the gun take the far
// arm's height, the near sleeve the near arm's.
struct Epaule {
  SDL_Rect point;         // in the arm pictures
  SDL_Rect sur_corps;     // on the standing body frame
  SDL_Rect proche, loin;  // unturned near and far arm pictures

  Epaule(int sexe, SDL_Surface* bras_proche, SDL_Surface* bras_loin)
      : point(general::pos_epaule[sexe]),
        sur_corps(general::pos_bras[sexe][0][RIFLE]),
        proche(taille(bras_proche)),
        loin(taille(bras_loin)) {}

  static SDL_Rect taille(SDL_Surface* s) {
    return {0, 0, static_cast<Uint16>(s ? s->w : 0), static_cast<Uint16>(s ? s->h : 0)};
  }

  // Top-left corner of `p` from the body frame's corner; `cale`: centred on
  // the near arm first. larg x haut: its reference size.
  Coin place(SDL_Surface* p, bool cale, int larg, int haut) const {
    int x = sur_corps.x, y = sur_corps.y;
    if (cale) {
      x += p->w / 2 - proche.w / 2;
      y += p->h / 2 - proche.h / 2;
    }
    x -= p->w / 2;
    y -= p->h / 2;
    y -= point.y - haut / 2;
    x += larg / 2 - point.x;
    return {x, y};
  }
  Coin bras_loin(SDL_Surface* p) const { return place(p, true, loin.w, loin.h); }
  Coin manche_loin(SDL_Surface* p) const { return place(p, true, p->w, loin.h); }
  Coin bras_proche(SDL_Surface* p) const { return place(p, false, proche.w, loin.h); }
  Coin manche_proche(SDL_Surface* p) const { return place(p, true, p->w, proche.h); }
  Coin arme(SDL_Surface* p) const { return place(p, false, p->w, loin.h); }
};

// One hero standing, aiming level to the right, drawn on `s` with the body
// frame's corner at (x, y), K times as large. Every piece is laid straight on
// the portrait, as the battle blits each on the screen, so what is half
// see-through shows the backdrop as it shows the battlefield. The layers are
// the battle's: far arm and sleeve, body and clothing, gun, near arm and
// sleeve. The standing pose is the last frame of the walk.
void figure(SDL_Surface* s, const Heros& h, int x, int y) {
  const std::string corps = std::string(h.sexe) + "/" + h.peau + "/", habits = std::string(h.sexe) + "/" + h.nom + "/";
  std::vector<SDL_Surface*> v;
  auto prendre = [&](const std::string& chemin) {
    v.push_back(lire(chemin));
    return v.back();
  };
  SDL_Surface* loin = prendre(corps + "Bras/riflei1.png");
  SDL_Surface* proche = prendre(corps + "Bras/rifle1.png");
  const Epaule e(h.indice_sexe, proche, loin);
  auto poser_a = [&](SDL_Surface* p, Coin o) {
    if (p) poser(s, p, x + o.x * K, y + o.y * K, K);
  };
  if (loin) poser_a(loin, e.bras_loin(loin));
  if (SDL_Surface* m = prendre(habits + "Bras/riflei1.png")) poser_a(m, e.manche_loin(m));
  poser_a(prendre(corps + "run8.png"), {0, 0});
  for (const char* p : {"Bas-1", "Bas-2", "Bas-3", "Haut-1", "Haut-2", "Poches", "Cou", "Cheveux", "Yeux", "Casque"}) {
    const std::string chemin = habits + p + "/run8.png";
    if (SDL_Surface* t = IMG_Load(chemin.c_str())) {  // a part the costume lacks is simply not worn
      SDL_FreeSurface(t);
      poser_a(prendre(chemin), {0, 0});
    }
  }
  if (SDL_Surface* a = prendre(std::string("Armes/") + h.arme + "/" + h.arme + ".png")) poser_a(a, e.arme(a));
  if (proche) poser_a(proche, e.bras_proche(proche));
  if (SDL_Surface* m = prendre(habits + "Bras/rifle1.png")) poser_a(m, e.manche_proche(m));
  liberer(v);
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
  // The body frame stands on the ground (its soles 2 px above its bottom),
  // shifted left so the muzzle fits.
  SDL_Surface* corps = lire(std::string(h.sexe) + "/" + h.peau + "/run8.png");
  const int haut = corps ? corps->h : 0;
  if (corps) SDL_FreeSurface(corps);
  figure(s, h, -10 * K, 300 - haut * K + 2 * K);
  texte(s, h.nom, L / 2, 356, 24, rgba(255, 255, 255), true);
  if (!choisi) ternir(s);
  cadre(s, 0, 0, L, H, choisi ? rgba(240, 220, 120) : rgba(70, 70, 70), 4);
  sauver(chemin, s);
}

void heros() {
  // One spelling per folder: the heroes live beside the mission pictures.
  const std::string dossier = "Menus/histoire/Missions/personnages/";
  const Heros korvan = {"Korvan", "Hommes", "Blanc", "QD-AR", 0};
  const Heros vesk = {"Vesk", "Femmes", "Noir", "N-10", 1};
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
