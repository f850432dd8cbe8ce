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

// Decor and the shadows that come with it: one name for both.
void objets() {
  struct D {
    const char* nom;
    int w, h;
    Uint32 fond;
  };
  const D decor[] = {{"caisse.png", 60, 60, rgba(150, 100, 50)},
                     {"tonneau.png", 40, 60, rgba(60, 90, 60)},
                     {"arbre.png", 120, 200, rgba(40, 120, 40)},
                     {"rocher.png", 80, 50, rgba(120, 120, 120)}};
  std::string catalogue;
  for (const D& d : decor) {
    std::string nom = d.nom;
    sauver("Objets/" + nom, vignette(d.w, d.h, d.fond, nom.substr(0, nom.find('.'))));
    SDL_Surface* o = toile(d.w, 12, rgba(30, 30, 30));
    disque(o, d.w / 2, 6, 5, rgba(10, 10, 10));
    sauver("Ombres/" + nom, o, false);
    catalogue += (catalogue.empty() ? "" : "\n") + nom;
  }
  fichier_texte("Objets.txt", catalogue);
  fichier_texte("Ombres.txt", catalogue);
}

void obstacles() {
  SDL_Surface* mur = toile(40, 160, rgba(110, 90, 80));
  for (int y = 0; y < 160; y += 20) rect(mur, 0, y, 40, 2, rgba(70, 60, 50));
  sauver("Obstacles/mur.png", mur);
  SDL_Surface* p = toile(200, 20, rgba(90, 90, 100));
  rect(p, 0, 0, 200, 4, rgba(160, 160, 170));
  sauver("Obstacles/plateforme.png", p);
  sauver("Obstacles/bloc.png", vignette(80, 80, rgba(80, 80, 90), "bloc"));
  fichier_texte("Obstacles.txt", "mur.png\nplateforme.png\nbloc.png");
}

void animes() {
  for (int i = 1; i <= 4; ++i) {
    SDL_Surface* s = toile(60, 100);
    rect(s, 4, 0, 4, 100, rgba(90, 70, 50));
    const int pli = (i % 2) * 6;
    rect(s, 8, 4 + pli / 2, 44 - pli, 28, rgba(200, 40, 40));
    sauver("Objets_Animes/drapeau/" + n(i) + ".png", s);
  }
  for (int i = 1; i <= 3; ++i) {
    SDL_Surface* s = toile(50, 60);
    rect(s, 5, 50, 40, 10, rgba(80, 50, 30));
    disque(s, 25, 40 - 3 * i, 12 + 2 * i, rgba(255, 140, 20));
    disque(s, 25, 42 - 3 * i, 6, rgba(255, 230, 120));
    sauver("Objets_Animes/feu/" + n(i) + ".png", s);
  }
  fichier_texte("Objets_Animes.txt", "drapeau/\nfeu/");
}

void destructibles() {
  const char* noms[] = {"radar", "depot"};
  const char* etats[] = {"intact", "endommage", "detruit"};
  for (const char* nom : noms)
    for (int k = 0; k < 3; ++k) {
      const Uint32 fond = k == 0 ? rgba(70, 110, 70) : k == 1 ? rgba(110, 90, 50) : rgba(50, 45, 40);
      sauver(std::string("Objets_destructibles/") + nom + "/" + etats[k] + ".png",
             vignette(120, 100, fond, std::string(nom) + " " + etats[k]));
    }
  fichier_texte("ObjetsDestructible.txt", "radar\ndepot");
}

void fonds() {
  struct F {
    const char* nom;
    Uint32 ciel, horizon;
    int frequence;
  };
  const F sets[] = {{"foret/", rgba(120, 170, 220), rgba(40, 100, 50), 180},
                    {"desert/", rgba(200, 190, 150), rgba(190, 150, 90), 90},
                    {"nuit/", rgba(20, 20, 50), rgba(30, 40, 40), 140}};
  for (const F& f : sets) {
    for (int i = 1; i <= 2; ++i) {
      SDL_Surface* s = toile(960, 544, f.ciel);
      rect(s, 0, 360, 960, 184, f.horizon);
      disque(s, 200 + 40 * i, 100, 30, rgba(250, 240, 200));  // the sun (or moon) drifts
      sauver(std::string("Fonds/") + f.nom + n(i) + ".png", s);
    }
    son(std::string("Fonds/") + f.nom + "Ambiance.wav", f.frequence, 2000, 0.5);
  }
  sauver("Fonds/fond2.png", vignette(960, 544, rgba(120, 170, 220), "fond2"));
}

void sols() {
  struct S {
    const char* nom;
    Uint32 dessus, dessous;
  };
  const S sets[] = {{"foret/", rgba(60, 140, 50), rgba(100, 70, 40)},
                    {"desert/", rgba(220, 190, 120), rgba(180, 140, 80)},
                    {"nuit/", rgba(30, 60, 40), rgba(50, 40, 30)},
                    {"eau/", rgba(190, 180, 120), rgba(40, 80, 140)},
                    {"eau2/", rgba(160, 160, 110), rgba(30, 60, 120)},
                    {"eau3/", rgba(140, 130, 100), rgba(20, 40, 100)}};
  for (const S& s : sets) {
    for (int i = 1; i <= 2; ++i) {
      SDL_Surface* t = toile(200, 120, s.dessous);
      rect(t, 0, 0, 200, 16, s.dessus);
      for (int x = 10 * i; x < 200; x += 40) rect(t, x, 16, 4, 6, s.dessus);  // tufts that sway
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

void divers() {
  SDL_Surface* a = toile(120, 20, rgba(230, 200, 30));
  for (int x = 0; x < 120; x += 20) rect(a, x, 0, 10, 20, rgba(30, 30, 30));
  sauver("Divers/Ascenseur.png", a);
  SDL_Surface* b = toile(40, 40);
  disque(b, 20, 20, 18, rgba(200, 30, 30));
  disque(b, 20, 20, 8, rgba(255, 120, 120));
  sauver("Divers/b-ascenseur.png", b);
  SDL_Surface* e = toile(100, 60, rgba(40, 110, 200, 160));
  rect(e, 0, 0, 100, 4, rgba(170, 210, 250, 200));
  sauver("Divers/eau.png", e);
  auto poste = [](const char* nom, Uint32 drapeau) {
    SDL_Surface* s = toile(80, 120);
    rect(s, 10, 40, 60, 80, rgba(90, 90, 90));
    rect(s, 38, 0, 4, 40, rgba(60, 50, 40));
    rect(s, 42, 2, 30, 18, drapeau);
    texte(s, "CC", 40, 80, 18, rgba(255, 255, 255), true);
    sauver(std::string("Divers/") + nom, s);
  };
  poste("cc-allie.png", rgba(40, 90, 220));
  poste("cc-neutre.png", rgba(200, 200, 200));
  poste("cc-ennemi.png", rgba(210, 40, 40));
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
  explosions();
  objets();
  obstacles();
  animes();
  destructibles();
  fonds();
  sols();
  divers();
  eclaboussures();
});

}  // namespace
