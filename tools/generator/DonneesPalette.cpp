// The editor's palette: its frame and cursor, the fixed markers under
// "Divers/", and every catalog with the pictures its lines name.
#include <string>
#include <vector>

#include "Dessin.h"

using namespace Dessin;

namespace {

std::string joindre(const std::vector<std::string>& lignes) {
  std::string s;
  for (size_t i = 0; i < lignes.size(); ++i) s += (i ? "\n" : "") + lignes[i];
  return s;  // catalogs end without a line feed
}

void editeur() {
  // The palette column is opaque; the map area shows through.
  SDL_Surface* c = toile(960, 544);
  rect(c, 0, 0, 200, 544, rgba(40, 44, 52));
  rect(c, 200, 0, 2, 544, rgba(230, 200, 60));
  // A plain band under the page title the editor writes at the corner.
  rect(c, 0, 0, 200, 44, rgba(25, 28, 34));
  cadre(c, 0, 0, 960, 544, rgba(230, 200, 60), 2);
  sauver("cadre.png", c);

  SDL_Surface* k = toile(17, 17);
  ligne(k, 8, 0, 8, 16, rgba(255, 255, 255), 1);
  ligne(k, 0, 8, 16, 8, rgba(255, 255, 255), 1);
  disque(k, 8, 8, 2, rgba(255, 40, 40));
  sauver("curseur.png", k);
}

// Drawn as what they are, in the soldiers' flat style; only the editor's own
// markers keep a word, since they stand for places rather than things.
void divers() {
  auto marque = [](const char* nom, int w, int h, Uint32 fond, const char* etiquette) {
    sauver(std::string("Divers/") + nom, vignette(w, h, fond, etiquette));
  };
  // A lift cabin's floor: a steel deck with hazard stripes and its rails.
  SDL_Surface* a = toile(160, 30);
  rect(a, 0, 8, 160, 22, rgba(110, 112, 120));
  rect(a, 0, 8, 160, 4, rgba(170, 172, 180));
  for (int x = 0; x < 160; x += 20) ligne(a, x + 4, 28, x + 14, 14, rgba(230, 190, 40), 4);
  rect(a, 0, 0, 6, 30, rgba(70, 70, 76));
  rect(a, 154, 0, 6, 30, rgba(70, 70, 76));
  sauver("Divers/Ascenseur.png", a);
  marque("Debut.png", 60, 100, rgba(40, 160, 60), "Debut");
  marque("Fin.png", 60, 100, rgba(170, 40, 40), "Fin");
  // A command post: a sandbagged base, a pole and the flag of its camp.
  auto poste = [](const char* nom, Uint32 drapeau) {
    SDL_Surface* s = toile(100, 140);
    for (int i = 0; i < 4; ++i) disque(s, 18 + 21 * i, 128, 11, rgba(150, 130, 90));
    for (int i = 0; i < 3; ++i) disque(s, 28 + 21 * i, 114, 11, rgba(165, 145, 100));
    rect(s, 47, 6, 6, 104, rgba(60, 60, 60));
    disque(s, 50, 6, 5, rgba(200, 180, 60));
    rect(s, 53, 12, 40, 26, drapeau);
    rect(s, 53, 12, 40, 4, rgba(255, 255, 255, 90));
    sauver(std::string("Divers/") + nom, s);
  };
  poste("cc-allie.png", rgba(0, 158, 224));
  poste("cc-neutre.png", rgba(200, 200, 200));
  poste("cc-ennemi.png", rgba(200, 60, 40));
  auto cible = [](const char* nom, Uint32 c, const char* etiquette) {
    SDL_Surface* s = toile(80, 80);
    disque(s, 40, 40, 38, c);
    disque(s, 40, 40, 26, rgba(255, 255, 255));
    disque(s, 40, 40, 14, c);
    texte(s, etiquette, 40, 40, 10, rgba(0, 0, 0), true);
    sauver(std::string("Divers/") + nom, s);
  };
  cible("defendre.png", rgba(0, 158, 224), "defendre");
  cible("detruire.png", rgba(200, 60, 40), "detruire");
  // The lift's call button: a post with a red push button.
  SDL_Surface* b = toile(30, 40);
  rect(b, 12, 14, 6, 26, rgba(70, 70, 76));
  rect(b, 4, 0, 22, 18, rgba(220, 180, 30));
  cadre(b, 4, 0, 22, 18, rgba(60, 50, 20));
  disque(b, 15, 9, 5, rgba(210, 40, 40));
  sauver("Divers/b-ascenseur.png", b);
  SDL_Surface* e = toile(200, 60, rgba(30, 90, 200, 170));
  rect(e, 0, 0, 200, 4, rgba(160, 210, 255));
  sauver("Divers/eau.png", e);
}

void caisse(SDL_Surface* s, int w, int h) {
  const Uint32 bois = rgba(160, 115, 60), sombre = rgba(100, 70, 35);
  rect(s, 0, 0, w, h, bois);
  for (int y = h / 4; y < h; y += h / 4) rect(s, 0, y, w, 2, sombre);  // planks
  cadre(s, 0, 0, w, h, sombre, 6);
  ligne(s, 6, h - 7, w - 7, 6, sombre, 5);  // brace
}

void baril(SDL_Surface* s, int w, int h) {
  const Uint32 c = rgba(60, 120, 60), cercle = rgba(35, 75, 35);
  rect(s, 2, 4, w - 4, h - 8, c);
  rect(s, 6, 0, w - 12, 4, cercle);
  rect(s, 6, h - 4, w - 12, 4, cercle);
  rect(s, 2, h / 3, w - 4, 4, cercle);
  rect(s, 2, 2 * h / 3, w - 4, 4, cercle);
  rect(s, 8, 8, 6, h - 16, rgba(120, 180, 120));  // highlight
}

void arbre(SDL_Surface* s, int w, int h) {
  const Uint32 ecorce = rgba(100, 70, 40);
  rect(s, w / 2 - 10, h / 2, 20, h / 2, ecorce);
  ligne(s, w / 2, h * 2 / 3, w / 2 + 30, h / 2, ecorce, 6);  // a branch
  const Uint32 feuilles[] = {rgba(30, 95, 35), rgba(40, 120, 45), rgba(60, 145, 55)};
  disque(s, w / 2, h / 2 - 10, w / 2 - 8, feuilles[0]);
  disque(s, w / 2 - 25, h / 3, w / 3, feuilles[1]);
  disque(s, w / 2 + 22, h / 3 - 10, w / 3, feuilles[1]);
  disque(s, w / 2, h / 5, w / 3, feuilles[2]);
}

void panneau(SDL_Surface* s, int w, int h) {
  rect(s, w / 2 - 4, h / 3, 8, h - h / 3, rgba(110, 80, 50));
  rect(s, 4, 8, w - 8, h / 3, rgba(190, 170, 60));
  cadre(s, 4, 8, w - 8, h / 3, rgba(90, 70, 30), 3);
  // An arrow that points the way.
  rect(s, 16, 8 + h / 6 - 3, w - 44, 6, rgba(60, 50, 30));
  ligne(s, w - 28, 8 + h / 6, w - 40, 8 + h / 6 - 12, rgba(60, 50, 30), 5);
  ligne(s, w - 28, 8 + h / 6, w - 40, 8 + h / 6 + 12, rgba(60, 50, 30), 5);
}

// Destructible targets, intact, damaged (dented and smoking) and wrecked.
void radar(SDL_Surface* s, Uint32 c) {
  rect(s, 20, 110, 80, 30, rgba(80, 80, 86));
  rect(s, 56, 50, 8, 60, c);
  disque(s, 60, 40, 36, c);
  disque(s, 72, 34, 30, TRANSPARENT);  // the dish's hollow
  ligne(s, 60, 40, 88, 20, rgba(40, 40, 40), 3);
}

void generateur(SDL_Surface* s, Uint32 c) {
  rect(s, 6, 50, 108, 90, c);
  cadre(s, 6, 50, 108, 90, rgba(40, 40, 40), 3);
  for (int i = 0; i < 2; ++i) {
    disque(s, 36 + 48 * i, 88, 18, rgba(50, 50, 55));
    ligne(s, 24 + 48 * i, 88, 48 + 48 * i, 88, rgba(150, 150, 150), 3);
  }
  rect(s, 50, 20, 20, 30, rgba(70, 70, 70));  // exhaust
  rect(s, 14, 120, 92, 8, rgba(230, 190, 40));
}

void antenne(SDL_Surface* s, Uint32 c) {
  rect(s, 30, 126, 60, 14, rgba(80, 80, 86));
  ligne(s, 40, 126, 58, 10, c, 4);
  ligne(s, 80, 126, 62, 10, c, 4);
  for (int y = 30; y < 126; y += 24) ligne(s, 40 + (126 - y) * 18 / 116, y, 80 - (126 - y) * 18 / 116, y, c, 2);
  disque(s, 60, 8, 6, rgba(230, 50, 40));
}

void objets() {
  struct O { const char* nom; int w, h; void (*dessin)(SDL_Surface*, int, int); };
  const O liste[] = {{"caisse.png", 80, 80, caisse},
                     {"baril.png", 50, 80, baril},
                     {"arbre.png", 140, 260, arbre},
                     {"panneau.png", 90, 120, panneau}};
  std::vector<std::string> noms;
  for (const O& o : liste) {
    SDL_Surface* s = toile(o.w, o.h);
    o.dessin(s, o.w, o.h);
    sauver(std::string("Objets/") + o.nom, s);
    noms.push_back(o.nom);
  }
  fichier_texte("Objets.txt", joindre(noms));

  struct C { const char* nom; void (*dessin)(SDL_Surface*, Uint32); };
  const C cibles[] = {{"radar", radar}, {"generateur", generateur}, {"antenne", antenne}};
  noms.clear();
  for (const C& c : cibles) {
    std::string d = std::string("Objets_destructibles/") + c.nom + "/";
    SDL_Surface* s = toile(120, 140);
    c.dessin(s, rgba(90, 100, 130));
    sauver(d + "intact.png", s);
    s = toile(120, 140);
    c.dessin(s, rgba(120, 90, 70));
    ligne(s, 20, 60, 50, 90, rgba(30, 25, 20), 3);  // a crack
    ligne(s, 50, 90, 44, 120, rgba(30, 25, 20), 3);
    disque(s, 80, 30, 12, rgba(90, 90, 90, 200));  // smoke
    disque(s, 92, 16, 9, rgba(120, 120, 120, 170));
    sauver(d + "endommage.png", s);
    SDL_Surface* w = toile(120, 140);
    rect(w, 0, 100, 120, 40, rgba(50, 45, 40));
    ligne(w, 10, 100, 60, 60, rgba(70, 60, 50), 6);
    sauver(d + "detruit.png", w);
    noms.push_back(c.nom);
  }
  fichier_texte("ObjetsDestructible.txt", joindre(noms));

  // Animated decor: a flag that waves and a fire that flickers, three frames each.
  noms.clear();
  for (const char* n : {"drapeau/", "feu/"}) {
    for (int k = 1; k <= 3; ++k) {
      SDL_Surface* s = toile(60, 100);
      if (std::string(n) == "drapeau/") {
        rect(s, 4, 0, 4, 100, rgba(80, 80, 80));
        for (int x = 0; x < 44; x += 4) {
          const int onde = (x / 4 + k) % 3 - 1;
          rect(s, 8 + x, 4 + 2 * onde + x / 11, 4, 26, rgba(0, 158, 224));
        }
      } else {
        for (int i = 0; i < 3; ++i) rect(s, 12 + 14 * i, 90, 8, 10, rgba(90, 60, 30));  // logs
        disque(s, 30, 76 - 2 * k, 16 + k, rgba(230, 80, 20));
        disque(s, 30 - 4 + 3 * k, 64 - 3 * k, 10 + k, rgba(255, 150, 30));
        disque(s, 30 + 2 - k, 56 - 4 * k, 5 + k, rgba(255, 230, 120));
      }
      sauver(std::string("Objets_Animes/") + n + std::to_string(k) + ".png", s);
    }
    noms.push_back(n);
  }
  fichier_texte("Objets_Animes.txt", joindre(noms));
}

void mur(SDL_Surface* s, int w, int h) {
  rect(s, 0, 0, w, h, rgba(150, 90, 70));
  for (int y = 0, r = 0; y < h; y += 16, ++r) {
    rect(s, 0, y, w, 2, rgba(200, 190, 170));
    for (int x = (r % 2) * 15; x < w; x += 30) rect(s, x, y, 2, 16, rgba(200, 190, 170));
  }
}

void plateforme(SDL_Surface* s, int w, int h) {
  rect(s, 0, 0, w, h, rgba(90, 95, 105));
  rect(s, 0, 0, w, 5, rgba(150, 155, 165));
  for (int x = 0; x < w; x += 30) ligne(s, x, h - 2, x + 15, 6, rgba(60, 62, 70), 3);  // truss
  for (int x = 8; x < w; x += 30) disque(s, x, 2, 1, rgba(40, 40, 40));                // rivets
}

void bloc(SDL_Surface* s, int w, int h) {
  rect(s, 0, 0, w, h, rgba(140, 130, 110));
  rect(s, 0, 0, w, 8, rgba(180, 170, 150));
  rect(s, 0, 0, 8, h, rgba(170, 160, 140));
  rect(s, 0, h - 8, w, 8, rgba(100, 92, 78));
  rect(s, w - 8, 0, 8, h, rgba(110, 100, 85));
  ligne(s, 30, 20, 45, 50, rgba(100, 92, 78), 2);
}

void obstacles_et_ombres() {
  struct O { const char* nom; int w, h; void (*dessin)(SDL_Surface*, int, int); };
  const O liste[] = {{"mur.png", 60, 240, mur}, {"plateforme.png", 300, 30, plateforme}, {"bloc.png", 100, 100, bloc}};
  std::vector<std::string> noms;
  for (const O& o : liste) {
    SDL_Surface* s = toile(o.w, o.h);
    o.dessin(s, o.w, o.h);
    sauver(std::string("Obstacles/") + o.nom, s);
    noms.push_back(o.nom);
  }
  fichier_texte("Obstacles.txt", joindre(noms));

  // Shadows are plain dark shapes (RGB: the game fades them itself). Their
  // names avoid capital N and R, which the shadow list drops.
  noms.clear();
  for (const char* n : {"ombre_arbre.png", "ombre_toit.png"}) {
    // Cast on the ground at the foot of what makes them.
    SDL_Surface* s = toile(200, 20, rgba(20, 20, 30));
    sauver(std::string("Ombres/") + n, s, false);
    noms.push_back(n);
  }
  fichier_texte("Ombres.txt", joindre(noms));
}

Etape palette(10, "palette", [] {
  editeur();
  divers();
  objets();
  obstacles_et_ombres();
  // The vehicle models and their catalogs come with the vehicles' own data.
  // The soldiers' files are written later by the game's own writer.
  fichier_texte("Persos.txt", joindre({"Korvan", "Vesk", "Relka", "OMUS_Fusilier", "OMUS_Eclaireuse", "OMUS_Tireur",
                                       "Nemesis_Soldat", "Nemesis_Lourd", "Nemesis_Tireuse"}));
});

}  // namespace
