// Soldiers' looks: the bare bodies and arms of both sexes and skins, and the
// costumes listed in "Hommes/Hommes.txt" and "Femmes/Femmes.txt", each with
// its clothing parts (every action the battle animates, plus the creator's
// preview) and its sleeves. Every frame shares one 140 x 150 layout so the
// parts stack on the body.
#include <string>
#include <vector>

#include "Dessin.h"

using namespace Dessin;

namespace {

constexpr int L = 140, H = 150;

// Where the figure's pieces stand on one frame.
struct Pose {
  int tx, ty, tw, th;  // torso
  int hx, hy;          // head centre
  int jambes[2][4];    // two legs: x, y, w, h
};

Pose debout(bool femme, int pas) {
  int tw = femme ? 20 : 24;
  Pose p{L / 2 - tw / 2, 42, tw, 54, L / 2, 28, {}};
  int ecart = pas * 3;
  p.jambes[0][0] = L / 2 - 10 + ecart, p.jambes[0][1] = 96, p.jambes[0][2] = 9, p.jambes[0][3] = 52;
  p.jambes[1][0] = L / 2 + 1 - ecart, p.jambes[1][1] = 96, p.jambes[1][2] = 9, p.jambes[1][3] = 52;
  return p;
}

Pose accroupi(bool femme, int pas) {
  Pose p = debout(femme, pas);
  p.ty += 30, p.hy += 30;
  for (auto& j : p.jambes) j[1] += 30, j[3] -= 30;
  return p;
}

Pose couche(int pas, int descente = 0) {
  Pose p{40 + pas, 108 + descente, 54, 18, 106 + pas, 112 + descente, {}};
  p.jambes[0][0] = 4 + pas, p.jambes[0][1] = 110 + descente, p.jambes[0][2] = 36, p.jambes[0][3] = 7;
  p.jambes[1][0] = 4 - pas, p.jambes[1][1] = 118 + descente, p.jambes[1][2] = 36, p.jambes[1][3] = 7;
  return p;
}

// The actions a set draws, as the battle names their folders.
struct Action {
  const char* dossier;
  int nb;
};
constexpr Action Actions[] = {{"run", 8}, {"discret", 5}, {"die", 4}, {"saut", 3}, {"couche", 4}, {"ejecte", 1}};

Pose pose(const std::string& action, int k, int nb, bool femme) {
  // The last frame of a walking set is the standing pose.
  int pas = k == nb - 1 ? 0 : (k % 4) - 1;
  if (action == "run") return debout(femme, pas);
  if (action == "discret") return accroupi(femme, pas);
  if (action == "saut") return accroupi(femme, 0);
  if (action == "couche") return couche(pas * 2);
  if (action == "ejecte") return couche(0, -30);
  // Falling: kneeling, then flat on the ground.
  return k == 0 ? debout(femme, 0) : k == 1 ? accroupi(femme, 0) : couche(0, 20);
}

struct Teinte {
  Uint32 peau;
  const char* nom;
};
constexpr Teinte Peaux[2] = {{rgba(236, 198, 164), "Blanc"}, {rgba(112, 72, 46), "Noir"}};
const char* const Sexes[2] = {"Hommes", "Femmes"};

void corps(SDL_Surface* s, const Pose& p, Uint32 peau, bool femme) {
  for (auto& j : p.jambes) rect(s, j[0], j[1], j[2], j[3], peau);
  rect(s, p.tx, p.ty, p.tw, p.th, peau);
  disque(s, p.hx, p.hy, femme ? 11 : 12, peau);
}

// One clothing part drawn over a pose.
void partie(SDL_Surface* s, const std::string& nom, const Pose& p, Uint32 c) {
  bool allonge = p.jambes[0][2] > p.jambes[0][3];
  if (nom == "Bas-1") {
    for (auto& j : p.jambes) rect(s, j[0], j[1], j[2], j[3] - (allonge ? 0 : 10), c);
  } else if (nom == "Bas-2") {
    for (auto& j : p.jambes)
      allonge ? rect(s, j[0], j[1] - 1, 9, j[3] + 2, c) : rect(s, j[0] - 1, j[1] + j[3] - 10, j[2] + 4, 10, c);
  } else if (nom == "Bas-3") {
    allonge ? rect(s, p.tx, p.ty, 5, p.th, c) : rect(s, p.tx - 1, p.ty + p.th - 6, p.tw + 2, 6, c);
  } else if (nom == "Haut-1") {
    rect(s, p.tx - 2, p.ty, p.tw + 4, allonge ? p.th : p.th - 6, c);
  } else if (nom == "Haut-2") {
    rect(s, p.tx + 3, p.ty + 3, p.tw - 6, p.th - (allonge ? 6 : 14), c);
  } else if (nom == "Poches") {
    rect(s, p.tx + 5, p.ty + p.th / 2, 5, 5, c);
    rect(s, p.tx + p.tw - 10, p.ty + p.th / 2, 5, 5, c);
  } else if (nom == "Cou") {
    allonge ? rect(s, p.hx - 14, p.hy - 6, 6, 12, c) : rect(s, p.hx - 7, p.hy + 10, 14, 6, c);
  } else if (nom == "Cheveux") {
    rect(s, p.hx - 11, p.hy - 13, 22, 7, c);
  } else if (nom == "Yeux") {
    rect(s, p.hx + 2, p.hy - 3, 8, 4, c);
  } else if (nom == "Casque") {
    rect(s, p.hx - 13, p.hy - 15, 26, 10, c);
  }
}

// Arms: a picture with the shoulder at (9, 33) reaching right; the sleeve
// covers the upper part.
struct Bras {
  const char* nom;
  int nb;
};
constexpr Bras Poses[] = {{"gun", 1}, {"rifle", 1}, {"riflei", 1}, {"hrifle", 1}, {"cc", 2}, {"projectile", 2}};

SDL_Surface* bras(const std::string& pose, int k, Uint32 c, bool manche) {
  SDL_Surface* s = toile(70, 45);
  int fin = pose == "cc" || pose == "projectile" ? 40 + 18 * k : pose == "hrifle" ? 50 : 60;
  int y = pose == "projectile" && k == 0 ? 18 : 33;
  if (manche) {
    ligne(s, 9, 33, 9 + (fin - 9) / 2, 33 + (y - 33) / 2, c, 9);
  } else {
    ligne(s, 9, 33, fin, y, c, 7);
    disque(s, fin, y, 5, c);
  }
  return s;
}

void bras_de(const std::string& dossier, Uint32 c, bool manche) {
  for (const Bras& b : Poses)
    for (int k = 0; k < b.nb; ++k) sauver(dossier + b.nom + std::to_string(k + 1) + ".png", bras(b.nom, k, c, manche));
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
  if (c.manche) bras_de(base + "Bras/", c.manche, true);
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
      for (const Action& a : Actions)
        for (int k = 0; k < a.nb; ++k) {
          SDL_Surface* s = toile(L, H);
          corps(s, pose(a.dossier, k, a.nb, femme), t.peau, femme);
          sauver(p + a.dossier + std::to_string(k + 1) + ".png", s);
        }
      bras_de(p + "Bras/", t.peau, false);
    }
  }
  for (const Costume& c : Hommes) costume("Hommes", c, false);
  for (const Costume& c : Femmes) costume("Femmes", c, true);
  fichier_texte("Hommes/Hommes.txt", liste(Hommes));
  fichier_texte("Femmes/Femmes.txt", liste(Femmes));
});

}  // namespace
