// Soldiers' looks: the bare bodies and arms of both sexes and skins, and the
// costumes listed in "Hommes/Hommes.txt" and "Femmes/Femmes.txt", each with
// its clothing parts (every action the battle animates, plus the creator's
// preview) and its sleeves. Every frame shares one 130 x 118 layout so the
// parts stack on the body, and the arms meet it where the battle hangs them.
// The frame is the soldier's box: the lifts, dropped weapons, mines, blades
// and thrown items are all placed for a soldier of that size, so the feet
// touch its bottom edge.
#include <cmath>
#include <string>
#include <vector>

#include "Dessin.h"

using namespace Dessin;

namespace {

constexpr int L = 130, H = 118;
constexpr int PIEDS = H - 2;  // the feet's line: the soles reach the frame's bottom

// The battle hangs the aimed arms on fixed shoulder points of the body
// frame (by sex, posture and weapon kind) and draws the swing and throw arms
// over the whole frame: every pose below is laid out so that its near
// shoulder is where the battle puts the arm.
//   standing   men (62-67, 48-51)   women (61-70, 41-42)
//   crouched   men (72-79, 62-64)   women (76-80, 49-52)
//   prone      men (94-97, 105-108) women (91-94, 65-66)
// Knocked down and jumping soldiers keep the standing points; so do swings
// and throws, whose bodies are a walking frame.
struct Pt {
  int x, y;
};

// a moved by d along the unit vector (ux, uy).
Pt pousse(Pt a, double ux, double uy, double d) {
  return {a.x + static_cast<int>(std::lround(ux * d)), a.y + static_cast<int>(std::lround(uy * d))};
}

// a moved by d toward b.
Pt vers(Pt a, Pt b, double d) {
  const double dx = b.x - a.x, dy = b.y - a.y, l = std::hypot(dx, dy);
  return l == 0 ? a : pousse(a, dx / l, dy / l, d);
}

// Where the figure's pieces stand on one frame.
struct Pose {
  Pt cou, hanche;       // the torso's axis, neck to hips
  int tw;               // torso width
  Pt tete;              // head centre
  int r;                // head radius
  Pt haut;              // a point straight above the head's crown: the face looks to its right
  Pt jambes[2][3];      // hip, knee, foot of each leg
  bool bras = false;    // arms drawn on the body (a fallen soldier has no aimed arms)
  Pt epaule{}, coude{}, main{};
};

constexpr int JAMBE = 9;  // leg width

Pose debout(bool femme, int pas) {
  Pose p{};
  p.tw = femme ? 20 : 24;
  p.r = femme ? 11 : 12;
  p.cou = {L / 2, femme ? 36 : 42};
  p.hanche = {L / 2, 78};
  p.tete = {L / 2, femme ? 24 : 28};
  p.haut = {L / 2, 0};
  const int e = 2 * pas;
  p.jambes[0][0] = {L / 2 - 4, 78}, p.jambes[0][1] = {L / 2 - 4 + e, 97}, p.jambes[0][2] = {L / 2 - 4 + 2 * e, PIEDS};
  p.jambes[1][0] = {L / 2 + 4, 78}, p.jambes[1][1] = {L / 2 + 4 - e, 97}, p.jambes[1][2] = {L / 2 + 4 - 2 * e, PIEDS};
  return p;
}

// Crouched: leaning forward over a raised front knee, the back knee down.
Pose accroupi(bool femme, int pas) {
  Pose p{};
  p.tw = femme ? 20 : 24;
  p.r = femme ? 11 : 12;
  p.cou = femme ? Pt{78, 45} : Pt{78, 56};
  p.hanche = femme ? Pt{68, 84} : Pt{68, 90};
  p.tete = femme ? Pt{82, 33} : Pt{82, 43};
  p.haut = {p.tete.x + 4, 0};
  const Pt h = p.hanche;
  p.jambes[0][0] = h, p.jambes[0][1] = {90 + 2 * pas, 94}, p.jambes[0][2] = {86 + 3 * pas, PIEDS};
  p.jambes[1][0] = h, p.jambes[1][1] = {70 - 2 * pas, PIEDS - 3}, p.jambes[1][2] = {44 - 2 * pas, PIEDS - 1};
  return p;
}

// Prone: chest raised on the elbows, hips and legs on the ground. A woman's
// prone shoulder sits far higher in the frame than a man's: she kneels low,
// leaning forward, rather than lie. Her gun hangs from that shoulder and is
// drawn over the head, so the head is held up: the eyes clear the scope as
// they do standing and crouched.
Pose couche(bool femme, int pas) {
  Pose p{};
  p.tw = femme ? 20 : 22;
  p.r = femme ? 11 : 12;
  if (femme) {
    p.cou = {97, 58}, p.hanche = {62, 92}, p.tete = {105, 45};
    p.jambes[0][0] = p.hanche, p.jambes[0][1] = {80 + pas, PIEDS - 4}, p.jambes[0][2] = {44 + pas, PIEDS - 2};
    p.jambes[1][0] = p.hanche, p.jambes[1][1] = {74 - pas, PIEDS - 3}, p.jambes[1][2] = {38 - pas, PIEDS - 2};
  } else {
    p.cou = {101, 104}, p.hanche = {46, 105}, p.tete = {114, 96};
    p.jambes[0][0] = p.hanche, p.jambes[0][1] = {26 + 2 * pas, PIEDS - 3}, p.jambes[0][2] = {6 + 2 * pas, PIEDS - 2};
    p.jambes[1][0] = p.hanche, p.jambes[1][1] = {26 - 2 * pas, PIEDS - 2}, p.jambes[1][2] = {6 - 2 * pas, PIEDS - 1};
  }
  p.haut = {p.tete.x + (femme ? 5 : 6), 0};
  return p;
}

// Knocked down: thrown backwards off the feet, the shoulders still where
// the standing arms hang.
Pose ejecte(bool femme) {
  Pose p{};
  p.tw = femme ? 20 : 24;
  p.r = femme ? 11 : 12;
  p.cou = femme ? Pt{67, 37} : Pt{68, 43};
  p.hanche = {84, 88};
  p.tete = vers(p.hanche, p.cou, (femme ? 54.0 : 50.0) + p.r + 2);
  p.haut = vers(p.hanche, p.cou, 200);
  p.jambes[0][0] = p.hanche, p.jambes[0][1] = {104, 98}, p.jambes[0][2] = {124, 92};
  p.jambes[1][0] = p.hanche, p.jambes[1][1] = {102, 106}, p.jambes[1][2] = {122, 110};
  return p;
}

// Jumping and falling: standing shoulders, knees tucked.
Pose saut(bool femme) {
  Pose p = debout(femme, 0);
  p.jambes[0][1] = {84, 92}, p.jambes[0][2] = {74, 108};
  p.jambes[1][1] = {78, 96}, p.jambes[1][2] = {66, 112};
  return p;
}

// Dying: hit standing, on the knees, then face down on the ground; the arms
// are part of these frames.
Pose chute(bool femme, int k) {
  Pose p{};
  if (k == 0) {
    p = debout(femme, 0);
    p.epaule = {p.cou.x - 2, p.cou.y + 8}, p.coude = {p.cou.x - 6, p.cou.y + 30}, p.main = {p.cou.x - 2, p.cou.y + 50};
  } else if (k == 1) {
    p.tw = femme ? 20 : 24;
    p.r = femme ? 11 : 12;
    p.cou = {78, 56}, p.hanche = {66, 94}, p.tete = {86, 42};
    p.haut = {96, 0};
    p.jambes[0][0] = p.hanche, p.jambes[0][1] = {86, PIEDS - 2}, p.jambes[0][2] = {50, PIEDS};
    p.jambes[1][0] = p.hanche, p.jambes[1][1] = {82, PIEDS - 1}, p.jambes[1][2] = {46, PIEDS};
    p.epaule = {78, 64}, p.coude = {84, 82}, p.main = {92, 98};
  } else {
    p.tw = femme ? 18 : 20;
    p.r = femme ? 11 : 12;
    p.cou = {96, 106}, p.hanche = {42, 106}, p.tete = {108, 104};
    p.haut = {200, 104};
    p.jambes[0][0] = p.hanche, p.jambes[0][1] = {22, 109}, p.jambes[0][2] = {4, 110};
    p.jambes[1][0] = p.hanche, p.jambes[1][1] = {22, 112}, p.jambes[1][2] = {5, 113};
    p.epaule = {90, 104}, p.coude = {74, 111}, p.main = {58, 113};
  }
  p.bras = true;
  return p;
}

// The actions a set draws, as the battle names their folders.
struct Action {
  const char* dossier;
  int nb;
};
constexpr Action Actions[] = {{"run", 8}, {"discret", 5}, {"die", 4}, {"saut", 3}, {"couche", 4}, {"ejecte", 1}};

Pose pose(const std::string& action, int k, int nb, bool femme) {
  // The last frame of a walking set is the standing pose. The fifth frame
  // stands too: swings, throws and landings show it under the standing
  // clothes.
  static const int pas_marche[7] = {0, 1, 2, 1, 0, -1, -1};
  static const int pas_lent[4] = {0, 1, 0, -1};
  if (action == "run") return debout(femme, k == nb - 1 ? 0 : pas_marche[k % 7]);
  if (action == "discret") return accroupi(femme, k == nb - 1 ? 0 : pas_lent[k % 4]);
  if (action == "saut") return saut(femme);
  if (action == "couche") return couche(femme, pas_lent[k % 4]);
  if (action == "ejecte") return ejecte(femme);
  return chute(femme, k < 2 ? k : 2);
}

struct Teinte {
  Uint32 peau;
  const char* nom;
};
constexpr Teinte Peaux[2] = {{rgba(236, 198, 164), "Blanc"}, {rgba(112, 72, 46), "Noir"}};
const char* const Sexes[2] = {"Hommes", "Femmes"};

void jambe(SDL_Surface* s, const Pt j[3], int w, Uint32 c) {
  bande(s, j[0].x, j[0].y, j[1].x, j[1].y, w, c);
  bande(s, j[1].x, j[1].y, j[2].x, j[2].y, w, c);
  disque(s, j[1].x, j[1].y, w / 2, c);
}

void corps(SDL_Surface* s, const Pose& p, Uint32 peau) {
  for (auto& j : p.jambes) jambe(s, j, JAMBE, peau);
  bande(s, p.cou.x, p.cou.y, p.hanche.x, p.hanche.y, p.tw, peau);
  disque(s, p.tete.x, p.tete.y, p.r, peau);
  bande(s, p.tete.x, p.tete.y, p.cou.x, p.cou.y, 10, peau);
  if (p.bras) {
    bande(s, p.epaule.x, p.epaule.y, p.coude.x, p.coude.y, 7, peau);
    bande(s, p.coude.x, p.coude.y, p.main.x, p.main.y, 7, peau);
    disque(s, p.coude.x, p.coude.y, 3, peau);
    disque(s, p.main.x, p.main.y, 4, peau);
  }
}

// One clothing part drawn over a pose.
void partie(SDL_Surface* s, const std::string& nom, const Pose& p, Uint32 c) {
  const Pt bassin = vers(p.hanche, p.cou, 6);
  auto sur_tete = [&](int de, int a, int w) {
    const Pt u = vers(p.tete, p.haut, de), v = vers(p.tete, p.haut, a);
    bande(s, u.x, u.y, v.x, v.y, w, c);
  };
  if (nom == "Bas-1") {
    bande(s, bassin.x, bassin.y, p.hanche.x, p.hanche.y, p.tw, c);  // the seat, under any belt
    for (auto& j : p.jambes) {
      const Pt cheville = vers(j[2], j[1], 10);
      const Pt t[3] = {j[0], j[1], cheville};
      jambe(s, t, JAMBE, c);
    }
  } else if (nom == "Bas-2") {
    for (auto& j : p.jambes) {
      const Pt cheville = vers(j[2], j[1], 10), talon = vers(j[2], j[1], -1);
      bande(s, cheville.x, cheville.y, talon.x, talon.y, JAMBE + 4, c);
    }
  } else if (nom == "Bas-3") {
    bande(s, bassin.x, bassin.y, p.hanche.x, p.hanche.y, p.tw + 2, c);
  } else if (nom == "Haut-1") {
    bande(s, p.cou.x, p.cou.y, bassin.x, bassin.y, p.tw + 4, c);
    if (p.bras) bande(s, p.epaule.x, p.epaule.y, p.coude.x, p.coude.y, 9, c);  // the sleeve
  } else if (nom == "Haut-2") {
    const Pt a = vers(p.cou, p.hanche, 3), b = vers(p.hanche, p.cou, 14);
    bande(s, a.x, a.y, b.x, b.y, p.tw - 6, c);
  } else if (nom == "Poches") {
    const Pt m = {(p.cou.x + p.hanche.x) / 2, (p.cou.y + p.hanche.y) / 2};
    const double dx = p.hanche.x - p.cou.x, dy = p.hanche.y - p.cou.y, l = std::hypot(dx, dy);
    for (int cote : {-1, 1}) {
      const Pt q = pousse(m, -dy / l, dx / l, cote * (p.tw / 2.0 - 6));
      rect(s, q.x - 2, q.y - 2, 5, 5, c);
    }
  } else if (nom == "Cou") {
    const Pt a = vers(p.tete, p.cou, p.r - 2), b = vers(p.tete, p.cou, p.r + 4);
    bande(s, a.x, a.y, b.x, b.y, 14, c);
  } else if (nom == "Cheveux") {
    sur_tete(p.r - 6, p.r + 1, 2 * p.r - 2);
  } else if (nom == "Yeux") {
    // The face looks to the right of the crown.
    const double hx = p.haut.x - p.tete.x, hy = p.haut.y - p.tete.y, l = std::hypot(hx, hy);
    const double ux = hx / l, uy = hy / l;  // toward the crown
    const Pt o = pousse(pousse(p.tete, -uy, ux, 6), ux, uy, 1);
    const Pt a = pousse(o, -uy, ux, -4), b = pousse(o, -uy, ux, 4);
    bande(s, a.x, a.y, b.x, b.y, 4, c);
  } else if (nom == "Casque") {
    sur_tete(p.r - 7, p.r + 3, 2 * p.r + 2);
  }
}

// Aimed arms: a picture turned about its shoulder point, (9, 33) for men
// and (16, 33) for women, reaching right to the hand; the sleeve covers the
// upper part. The pistol arm is as wide as the pistols' pictures, so that
// arm and pistol share one layout, in battle and in the creator's preview.
// Swing and throw arms are drawn over the whole body frame instead, their
// hands where the blades and the thrown items are held.
struct Bras {
  const char* nom;
  int nb;
};
constexpr Bras Poses[] = {{"gun", 1}, {"rifle", 1}, {"riflei", 1}, {"hrifle", 1}, {"cc", 2}, {"projectile", 2}};

constexpr int LARGEUR_PISTOLET = 110;  // shared with the pistols' pictures
constexpr Pt MAIN_VISEE = {60, 33};

// Hands of the swing (0 raised back, 1 forward) and of the throw (0 holding
// the item over the head, 1 let go), in body frame coordinates; the same for
// both sexes, since blades and thrown items are placed from the frame's
// corner whoever holds them.
constexpr Pt COUDE_COUP[2] = {{48, 40}, {80, 56}}, MAIN_COUP[2] = {{58, 24}, {92, 44}};
constexpr Pt COUDE_JET[2] = {{50, 40}, {86, 38}}, MAIN_JET[2] = {{69, 26}, {102, 28}};
constexpr int HAUTEUR_BRAS_CORPS = 64;

SDL_Surface* bras(const std::string& pose, int k, Uint32 c, bool manche, bool femme) {
  const bool corps_entier = pose == "cc" || pose == "projectile";
  if (corps_entier) {
    SDL_Surface* s = toile(L, HAUTEUR_BRAS_CORPS);
    const Pt e = femme ? Pt{68, 42} : Pt{65, 49};
    const Pt coude = pose == "cc" ? COUDE_COUP[k] : COUDE_JET[k], main = pose == "cc" ? MAIN_COUP[k] : MAIN_JET[k];
    if (manche) {
      bande(s, e.x, e.y, coude.x, coude.y, 9, c);
    } else {
      bande(s, e.x, e.y, coude.x, coude.y, 7, c);
      bande(s, coude.x, coude.y, main.x, main.y, 7, c);
      disque(s, coude.x, coude.y, 3, c);
      disque(s, main.x, main.y, 5, c);
    }
    return s;
  }
  SDL_Surface* s = toile(pose == "gun" ? LARGEUR_PISTOLET : 70, 45);
  const Pt e = {femme ? 16 : 9, 33};
  const Pt main = pose == "hrifle" ? Pt{50, 33} : MAIN_VISEE;
  if (manche) {
    ligne(s, e.x, e.y, e.x + (main.x - e.x) / 2, main.y, c, 9);
  } else {
    ligne(s, e.x, e.y, main.x, main.y, c, 7);
    disque(s, main.x, main.y, 5, c);
  }
  return s;
}

void bras_de(const std::string& dossier, Uint32 c, bool manche, bool femme) {
  for (const Bras& b : Poses)
    for (int k = 0; k < b.nb; ++k)
      sauver(dossier + b.nom + std::to_string(k + 1) + ".png", bras(b.nom, k, c, manche, femme));
}

// A costume: which parts it has, in which colours.
struct Costume {
  const char* nom;
  std::vector<std::pair<const char*, Uint32>> parties;
  Uint32 manche;  // 0: no sleeves
};

const std::vector<Costume> Hommes = {
    {"OMUS",
     {{"Bas-1", rgba(92, 104, 60)}, {"Bas-2", rgba(50, 40, 30)}, {"Bas-3", rgba(70, 60, 30)},
      {"Haut-1", rgba(104, 118, 70)}, {"Haut-2", rgba(150, 140, 96)}, {"Poches", rgba(70, 80, 40)},
      {"Casque", rgba(80, 96, 52)}},
     rgba(104, 118, 70)},
    {"Nemesis",
     {{"Bas-1", rgba(40, 40, 44)}, {"Bas-2", rgba(20, 20, 20)}, {"Haut-1", rgba(150, 30, 30)},
      {"Haut-2", rgba(90, 90, 96)}, {"Cou", rgba(200, 40, 40)}, {"Yeux", rgba(240, 40, 40)}},
     rgba(150, 30, 30)},
    {"Korvan",
     {{"Bas-1", rgba(40, 60, 120)}, {"Bas-2", rgba(30, 30, 30)}, {"Bas-3", rgba(120, 90, 40)},
      {"Haut-1", rgba(60, 90, 170)}, {"Cou", rgba(220, 220, 220)}, {"Cheveux", rgba(90, 56, 24)},
      {"Yeux", rgba(30, 30, 60)}},
     rgba(60, 90, 170)},
};
const std::vector<Costume> Femmes = {
    {"OMUS",
     {{"Bas-1", rgba(92, 104, 60)}, {"Bas-2", rgba(50, 40, 30)}, {"Haut-1", rgba(104, 118, 70)},
      {"Haut-2", rgba(150, 140, 96)}, {"Cheveux", rgba(200, 170, 80)}, {"Casque", rgba(80, 96, 52)}},
     rgba(104, 118, 70)},
    {"Nemesis",
     {{"Bas-1", rgba(40, 40, 44)}, {"Bas-2", rgba(20, 20, 20)}, {"Bas-3", rgba(200, 40, 40)},
      {"Haut-1", rgba(150, 30, 30)}, {"Poches", rgba(60, 60, 60)}, {"Yeux", rgba(240, 40, 40)}},
     rgba(150, 30, 30)},
    {"Vesk",
     {{"Bas-1", rgba(90, 40, 110)}, {"Bas-2", rgba(30, 30, 30)}, {"Haut-1", rgba(140, 70, 170)},
      {"Cou", rgba(230, 200, 60)}, {"Cheveux", rgba(20, 20, 20)}, {"Yeux", rgba(40, 140, 60)}},
     rgba(140, 70, 170)},
};

void costume(const std::string& sexe, const Costume& c, bool femme) {
  std::string base = sexe + "/" + c.nom + "/";
  for (auto& [partie_nom, couleur] : c.parties) {
    for (const Action& a : Actions)
      for (int k = 0; k < a.nb; ++k) {
        SDL_Surface* s = toile(L, H);
        partie(s, partie_nom, pose(a.dossier, k, a.nb, femme), couleur);
        sauver(base + partie_nom + "/" + a.dossier + std::to_string(k + 1) + ".png", s);
      }
    // The creator shows the face from a folder of its own.
    if (std::string(partie_nom) == "Yeux") {
      SDL_Surface* s = toile(L, H);
      partie(s, partie_nom, debout(femme, 0), couleur);
      sauver(base + "visage/run1.png", s);
    }
  }
  if (c.manche) bras_de(base + "Bras/", c.manche, true, femme);
}

std::string liste(const std::vector<Costume>& v) {
  std::string t;
  for (const Costume& c : v) t += (t.empty() ? "" : "\n") + std::string(c.nom);
  return t;
}

Etape apparences(3, "appearances", [] {
  for (int sx = 0; sx < 2; ++sx) {
    bool femme = sx == 1;
    for (const Teinte& t : Peaux) {
      std::string p = std::string(Sexes[sx]) + "/" + t.nom + "/";
      for (const Action& a : Actions) {
        // The dark-skinned women lie down in the light-skinned women's crawl
        // frames: the battle never reads a crawl folder of their own.
        if (femme && &t == &Peaux[1] && std::string(a.dossier) == "couche") continue;
        for (int k = 0; k < a.nb; ++k) {
          SDL_Surface* s = toile(L, H);
          corps(s, pose(a.dossier, k, a.nb, femme), t.peau);
          sauver(p + a.dossier + std::to_string(k + 1) + ".png", s);
        }
      }
      bras_de(p + "Bras/", t.peau, false, femme);
    }
  }
  for (const Costume& c : Hommes) costume("Hommes", c, false);
  for (const Costume& c : Femmes) costume("Femmes", c, true);
  fichier_texte("Hommes/Hommes.txt", liste(Hommes));
  fichier_texte("Femmes/Femmes.txt", liste(Femmes));
});

}  // namespace
