// The weapons' files: each firearm's picture, silhouette, sight and sounds,
// the shared shot pictures, the rocket, its smoke and its blast, and the
// blades' swing frames.
#include <algorithm>
#include <cmath>
#include <string>

#include "Dessin.h"

using namespace Dessin;

namespace {

// Proportions of a firearm seen from the side, muzzle to the right.
struct Forme {
  const char* nom;
  int longueur, hauteur;
  int canon;        // barrel length
  bool crosse;      // a stock: held at the shoulder with the rifle arms
  int chargeur;     // magazine height (0: none)
  bool tube;        // a launcher's tube instead of a body
  bool pompe;       // a shotgun's pump under the barrel
  bool lunette;     // a scope on top
  bool lourde;      // held with the heavy weapons' arms, the hand nearer the shoulder
  Uint32 couleur;
};

const Forme FUSILS[] = {
    {"QD-1SK", 46, 26, 16, false, 8, false, false, false, false, rgba(90, 90, 100)},
    {"QD-AR", 96, 30, 30, true, 12, false, false, false, false, rgba(70, 80, 60)},
    {"QD-H", 40, 24, 14, false, 8, false, false, false, false, rgba(60, 60, 70)},
    {"QD-SG", 100, 26, 40, true, 0, false, true, false, false, rgba(100, 70, 40)},
    {"Enfield", 120, 30, 50, true, 8, false, false, true, false, rgba(110, 80, 50)},
    {"Migal-513", 70, 28, 18, true, 14, false, false, false, false, rgba(50, 50, 55)},
    {"N-10", 90, 30, 26, true, 14, false, false, false, false, rgba(60, 70, 80)},
    {"N-897", 50, 28, 14, false, 14, false, false, false, false, rgba(80, 60, 80)},
    {"N-Dead-Launcher", 116, 34, 0, true, 0, true, false, true, false, rgba(60, 90, 50)},
    {"N-Destructor", 118, 38, 34, true, 16, false, false, false, true, rgba(90, 40, 40)},
    {"O-HG", 104, 34, 30, true, 12, false, false, false, false, rgba(70, 70, 90)},
    {"O-LD", 116, 28, 44, true, 8, false, false, true, false, rgba(50, 70, 70)},
};

const Uint32 CLAIR = rgba(255, 255, 255, 90), NOIR = rgba(20, 20, 20);

// A pistol, in a canvas of its own size, grip at the back.
void silhouette_pistolet(SDL_Surface* s, const Forme& f, Uint32 c, Uint32 detail) {
  const int L = f.longueur, H = f.hauteur, haut = H / 4, corps = H / 3, fin = L - f.canon;
  rect(s, 0, haut, fin, corps, c);                                                  // body
  rect(s, fin, haut + 2, f.canon, corps / 2 > 2 ? corps / 2 : 2, c);                // barrel
  rect(s, 2, haut + corps, 6, H - haut - corps, c);                                 // grip
  if (f.chargeur > 0) rect(s, fin / 2, haut + corps, 6, f.chargeur < H - haut - corps ? f.chargeur : H - haut - corps, detail);
}

// What makes the side view read as a weapon: light along the top, a dark
// muzzle and a trigger guard.
void reliefs_pistolet(SDL_Surface* s, const Forme& f) {
  const int L = f.longueur, H = f.hauteur, haut = H / 4, corps = H / 3, fin = L - f.canon;
  rect(s, 0, haut, fin, 2, CLAIR);
  rect(s, L - 3, haut + 2, 3, corps / 2 > 2 ? corps / 2 : 2, NOIR);
  cadre(s, 8, haut + corps, 10, (H - haut - corps) / 2 + 1, NOIR);
}

// A pistol is drawn in a picture as wide as the soldiers' pistol arm, its
// grip under the arm's hand: the battle lays the picture from the shoulder
// and the creator's preview centres it like the arm, so in both it sits in
// the hand instead of over the face.
constexpr int LARGEUR_PISTOLET = 110, HAUTEUR_PISTOLET = 45;  // the pistol arm's picture
constexpr int MAIN_X = 60, MAIN_Y = 33;                        // its hand

// Copies a picture into a larger one, see-through pixels included.
void incruster(SDL_Surface* dans, SDL_Surface* s, int x, int y) {
  SDL_SetAlpha(s, 0, 255);
  SDL_Rect d = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
  SDL_BlitSurface(s, nullptr, dans, &d);
  SDL_FreeSurface(s);
}

SDL_Surface* pistolet(const Forme& f, bool ombre) {
  SDL_Surface* s = toile(f.longueur, f.hauteur);
  if (ombre) {
    silhouette_pistolet(s, f, rgba(220, 220, 220, 170), rgba(220, 220, 220, 170));
  } else {
    silhouette_pistolet(s, f, f.couleur, rgba(30, 30, 30));
    reliefs_pistolet(s, f);
  }
  SDL_Surface* cadre = toile(LARGEUR_PISTOLET, HAUTEUR_PISTOLET);
  const int poignee = 2 + 3, dessus_poignee = f.hauteur / 4 + f.hauteur / 3;  // as the silhouette draws them
  incruster(cadre, s, MAIN_X - poignee, MAIN_Y - 3 - dessus_poignee);
  return cadre;
}

// A long gun is framed like the rifle arms' picture, 45 px tall, whose
// shoulder is at (9, 33) for men and (16, 33) for women and whose hand is at
// (60, 33), (50, 33) for the heavy weapons: the battle lays the gun's picture
// over the arm's, its left edge on the arm's and its middle row on the arm's,
// and turns both about the shoulder, so a grip drawn at the hand stays in it
// whatever the aim. The butt rests at the shoulder. Behind x 38 the stock
// keeps below the hand's row: there, over the shoulder, is the chin of a man
// lying prone (his head hangs over rows 9-33, columns 14-38) and, a few rows
// higher, every other posture's; the body, the scope and the tube start
// past it. The grip and the magazine hang 8 rows below the hand, the stock
// no more than 6: a prone man's soles touch the ground 9 rows below his hand.
constexpr int HAUTEUR_FUSIL = 45, CROSSE_X = 8, BOITIER_X = 38, CRAN = 2, POIGNEE = 12;

struct Plan {
  int main_x, bout;  // the grip's column, the muzzle's
  int corps, dessus;  // the body's height and top row
  int fin;            // where the barrel leaves the body
  int magasin;        // the magazine's first column
};

Plan plan(const Forme& f) {
  Plan p;
  p.main_x = f.lourde ? 50 : MAIN_X;
  p.bout = CROSSE_X + f.longueur;
  p.corps = f.tube ? f.hauteur / 3 + 4 : f.hauteur / 3;
  p.dessus = MAIN_Y - CRAN - p.corps;
  p.fin = p.bout - f.canon;
  // The magazine hangs from the body ahead of the trigger guard, which the
  // body reaches; a body that ends at the grip takes it through the grip.
  if (p.fin <= p.main_x + 6) {
    p.magasin = p.main_x - 3;
  } else {
    p.magasin = p.main_x + 11;
    if (f.chargeur > 0) p.fin = std::max(p.fin, p.magasin + 6);
  }
  return p;
}

// The stock, from the butt at the shoulder to the body, runs along the
// underside of the arm, which the battle draws over it: what shows is its
// lower edge under the forearm and the butt behind the shoulder. Its wrist
// climbs to the body's middle over its last 6 columns, under the arm too.
void crosse(SDL_Surface* s, const Plan& p, Uint32 c) {
  const int dessus = MAIN_Y + 1, milieu = p.dessus + p.corps / 2;
  for (int x = CROSSE_X; x < BOITIER_X + 2; ++x) {
    const int haut = x < CROSSE_X + 4 ? MAIN_Y - CRAN - 1
                     : x >= BOITIER_X - 6 ? dessus - (dessus - milieu) * (x - (BOITIER_X - 6)) / 6
                                         : dessus;
    const int bas = MAIN_Y + 6 - 2 * (x - CROSSE_X) / (BOITIER_X - CROSSE_X);
    rect(s, x, haut, 1, bas - haut + 1, c);
  }
}

void silhouette_fusil(SDL_Surface* s, const Forme& f, const Plan& p, Uint32 c, Uint32 detail) {
  const int H = f.hauteur, haut = H / 4;
  crosse(s, p, c);
  rect(s, p.main_x - 3, MAIN_Y - CRAN - 1, 6, POIGNEE, c);  // grip, under the hand
  if (f.tube) {
    rect(s, BOITIER_X, p.dessus, p.bout - BOITIER_X, p.corps, c);
    rect(s, p.bout - 8, p.dessus - 2, 8, p.corps + 4, detail);            // muzzle ring
    rect(s, CROSSE_X + f.longueur / 2, p.dessus - 6, 14, 6, detail);     // sight
    return;
  }
  rect(s, BOITIER_X, p.dessus, p.fin - BOITIER_X, p.corps, c);                                 // body
  rect(s, p.fin, p.dessus + 2, p.bout - p.fin, p.corps / 2 > 2 ? p.corps / 2 : 2, c);           // barrel
  if (f.chargeur > 0) rect(s, p.magasin, MAIN_Y - CRAN - 1, 6, std::min(f.chargeur, POIGNEE), detail);
  if (f.pompe) rect(s, p.fin + 4, p.dessus + p.corps / 2 + 2, (p.bout - p.fin) / 2, p.corps / 2 + 2, detail);
  if (f.lunette) rect(s, BOITIER_X + 6, p.dessus - haut, (p.fin - BOITIER_X) / 2, haut, detail);
}

void reliefs_fusil(SDL_Surface* s, const Forme& f, const Plan& p) {
  const int haut = f.hauteur / 4;
  if (f.tube) {
    rect(s, BOITIER_X, p.dessus, p.bout - BOITIER_X, 2, CLAIR);
    rect(s, BOITIER_X, p.dessus, 4, p.corps, NOIR);
    return;
  }
  rect(s, BOITIER_X, p.dessus, p.fin - BOITIER_X, 2, CLAIR);
  rect(s, p.bout - 3, p.dessus + 2, 3, p.corps / 2 > 2 ? p.corps / 2 : 2, NOIR);
  cadre(s, p.main_x + 3, MAIN_Y - CRAN - 1, 8, 5, NOIR);  // trigger guard
  if (f.lunette)
    rect(s, BOITIER_X + 6 + (p.fin - BOITIER_X) / 2 - 4, p.dessus - haut + 1, 3, haut - 2, rgba(120, 200, 255));
}

SDL_Surface* fusil(const Forme& f, bool ombre) {
  const Plan p = plan(f);
  // An even width mirrors onto the same columns facing left.
  SDL_Surface* s = toile((p.bout + 1) / 2 * 2, HAUTEUR_FUSIL);
  if (ombre) {
    silhouette_fusil(s, f, p, rgba(220, 220, 220, 170), rgba(220, 220, 220, 170));
  } else {
    silhouette_fusil(s, f, p, f.couleur, rgba(30, 30, 30));
    reliefs_fusil(s, f, p);
  }
  return s;
}

SDL_Surface* dessin_arme(const Forme& f, bool ombre) { return f.crosse ? fusil(f, ombre) : pistolet(f, ombre); }

void armes_a_feu() {
  for (const Forme& f : FUSILS) {
    const std::string F = std::string("Armes/") + f.nom + "/";
    sauver(F + f.nom + ".png", dessin_arme(f, false));
    // The silhouette is also laid over a weapon on the ground within reach:
    // pale and see-through, so the weapon stays recognisable under it.
    sauver(F + "ombre.png", dessin_arme(f, true));
    if (f.lunette) {
      // Scoped weapons have a sight of their own: a ring with a cross.
      SDL_Surface* v = toile(40, 40);
      disque(v, 20, 20, 18, rgba(40, 220, 40));
      disque(v, 20, 20, 16, TRANSPARENT);
      ligne(v, 0, 20, 39, 20, rgba(40, 220, 40));
      ligne(v, 20, 0, 20, 39, rgba(40, 220, 40));
      sauver(F + "viseur.png", v);
    }
    son(F + f.nom + ".wav", f.tube ? 90 : 160 + f.longueur, f.tube ? 400 : 120, 0.85);
    son(F + "recharger.wav", 700 + 3 * f.longueur, 300, 0.3);
  }
  SDL_Surface* v = toile(24, 24);
  ligne(v, 0, 12, 23, 12, rgba(255, 60, 60), 2);
  ligne(v, 12, 0, 12, 23, rgba(255, 60, 60), 2);
  sauver("viseur.png", v);
}

void projectiles() {
  SDL_Surface* t = toile(14, 4);
  rect(t, 0, 1, 14, 2, rgba(255, 230, 120));
  rect(t, 10, 0, 4, 4, rgba(255, 255, 220));
  sauver("Armes/tir.png", t);

  SDL_Surface* f = toile(24, 20);
  disque(f, 10, 10, 7, rgba(255, 200, 40));
  ligne(f, 0, 10, 23, 10, rgba(255, 240, 120), 3);
  sauver("Armes/flamme.png", f);

  // A rocket: grey body, red nose, fins at the back.
  SDL_Surface* r = toile(40, 12);
  rect(r, 6, 3, 26, 6, rgba(150, 150, 150));
  rect(r, 32, 4, 8, 4, rgba(200, 40, 30));
  rect(r, 0, 0, 8, 3, rgba(90, 90, 90));
  rect(r, 0, 9, 8, 3, rgba(90, 90, 90));
  sauver("Armes/Roquette.png", r);

  for (int i = 1; i <= 3; ++i) {
    SDL_Surface* p = toile(32, 32);
    disque(p, 16, 16, 6 + 3 * i, rgba(170 - 20 * i, 170 - 20 * i, 170 - 20 * i, 200 - 50 * i));
    sauver("Armes/Fumee/" + std::to_string(i) + ".png", p);
  }
  for (int i = 1; i <= 7; ++i) {
    SDL_Surface* e = toile(100, 100);
    const int rayon = 14 + 5 * i;
    disque(e, 50, 50, rayon, rgba(255, 140 - 10 * i, 20, 255 - 20 * i));
    disque(e, 50, 50, rayon / 2, rgba(255, 240, 140, 255 - 20 * i));
    sauver("Armes/Explosion-Roquette/" + std::to_string(i) + ".png", e);
  }
}

// Blades: three swing positions, raised back, level and lowered. The battle
// lays each frame at the blade's own offset from the body frame's corner,
// and the swing arm's hand is at one point of that frame (raised back, then
// forward): each frame holds its hilt where that hand closes. Facing left,
// the battle mirrors the frames about a 130 px body: the hilt sits 5 px
// behind the hand and the grip is long, so both facings hold it.
// The lowered frame's width is the blow's reach, counted from the striker's
// centre as half his 130 px frame + that width - 20. Computer soldiers
// swing once the enemy's centre is under 200 px away, so every reach is at
// least 100: the blow they start lands. The blade stays its own length, and
// the rest of the frame shows the cut sweeping forward to the reach.
struct Lame {
  const char* dossier;
  int longueur, epaisseur;
  Uint32 acier;
  int x[3], y[3];  // the battle's offsets of the three frames
};
const Lame LAMES[] = {
    {"Couteau", 30, 3, rgba(200, 200, 210), {-38, 70, 70}, {-20, 13, 13}},
    {"HG-2", 50, 4, rgba(180, 190, 220), {-42, 78, 77}, {-18, -24, 11}},
    {"HG", 60, 4, rgba(220, 220, 230), {-34, 66, 76}, {-5, -26, 13}},
    {"Kaiygh", 70, 5, rgba(160, 40, 40), {-67, 71, 77}, {-44, -64, -15}},
    {"Azura", 80, 6, rgba(60, 140, 240), {-68, 50, 45}, {-62, -25, -34}},
};
// The swing arm's hands in the body frame (see the soldiers' looks).
constexpr int MAIN_COUP[2][2] = {{58, 24}, {92, 44}};

// The cut of the lowered frame, under the blade: the arc its tip swept
// down from level, and streaks from that arc forward to the frame's edge.
void balayage(SDL_Surface* s, int gx, int gy, int rayon, double angle, int largeur) {
  auto sur_arc = [&](double a, int& x, int& y) {
    x = gx + static_cast<int>(std::lround(rayon * std::cos(a)));
    y = gy + static_cast<int>(std::lround(rayon * std::sin(a)));
  };
  for (int i = 0; i < 12; ++i) {
    int x0, y0, x1, y1;
    sur_arc(angle * i / 12, x0, y0);
    sur_arc(angle * (i + 1) / 12, x1, y1);
    bande(s, x0, y0, x1, y1, 3, rgba(235, 240, 255, 70));
  }
  for (int i = 1; i <= 3; ++i) {
    int x, y;
    sur_arc(angle * i / 4, x, y);
    bande(s, x, y, largeur - 2, y, 2, rgba(235, 240, 255, 40 + 30 * i));
  }
}

void lames() {
  constexpr double PI = 3.14159265358979;
  // Blade directions tried for each frame, in degrees, screen y down: the
  // first that keeps the whole blade in the picture wins.
  const int essais[3][4] = {{240, 210, 180, 180}, {0, 0, 0, 0}, {45, 60, 75, 90}};
  for (const Lame& l : LAMES) {
    const std::string F = std::string("Armes/") + l.dossier + "/";
    // The lowered blade is laid out in its own length's room; the frame
    // then widens to the reach, 50 px more for every blade.
    const int place = l.longueur + 20, portee = l.longueur + 70;
    for (int k = 0; k < 3; ++k) {
      const int* m = MAIN_COUP[k == 0 ? 0 : 1];
      const int gx = m[0] - 5 - l.x[k], gy = m[1] - l.y[k];  // the hilt
      double dx = 1, dy = 0;
      for (int a : essais[k]) {
        dx = std::cos(a * PI / 180), dy = std::sin(a * PI / 180);
        const double px = gx + (9 + l.longueur) * dx, py = gy + (9 + l.longueur) * dy;
        const bool dedans = px >= 1 && py >= 1 && (k != 2 || px <= place - 2);
        if (dedans) break;
      }
      auto pt = [&](double d, int& x, int& y) {
        x = gx + static_cast<int>(std::lround(d * dx)), y = gy + static_cast<int>(std::lround(d * dy));
      };
      int bx, by, px, py, ax, ay, qx, qy, cx, cy;
      pt(-10, ax, ay);                 // pommel
      pt(7, cx, cy);                   // guard
      pt(9, bx, by);                   // blade root
      pt(9 + l.longueur, px, py);      // tip
      qx = static_cast<int>(std::lround(5 * -dy)), qy = static_cast<int>(std::lround(5 * dx));
      const int w = k == 2 ? portee : std::max({ax, px, cx + 5, gx}) + 4;
      const int h = std::max({ay, py, cy + 5, gy}) + 4;
      SDL_Surface* s = toile(w, h);
      if (k == 2) balayage(s, gx, gy, 9 + l.longueur, std::atan2(dy, dx), w);
      bande(s, bx, by, px, py, l.epaisseur, l.acier);
      bande(s, ax, ay, cx, cy, 5, rgba(90, 50, 20));
      bande(s, cx - qx, cy - qy, cx + qx, cy + qy, 3, rgba(60, 60, 60));
      sauver(F + std::to_string(k + 1) + ".png", s);
    }
    SDL_Surface* o = toile(l.longueur + 12, 12);
    rect(o, 0, 4, 10, 4, rgba(220, 220, 220, 170));
    ligne(o, 10, 6, l.longueur + 11, 6, rgba(220, 220, 220, 170), l.epaisseur);
    sauver(F + "ombre.png", o);
  }
}

Etape armes(1, "weapons", [] {
  armes_a_feu();
  projectiles();
  lames();
});

}  // namespace
