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
  rect(c, 0, 0, 200, 40, rgba(25, 28, 34));
  texte(c, "Palette", 100, 20, 16, rgba(230, 200, 60), true);
  cadre(c, 0, 0, 960, 544, rgba(230, 200, 60), 2);
  sauver("cadre.png", c);

  SDL_Surface* k = toile(17, 17);
  ligne(k, 8, 0, 8, 16, rgba(255, 255, 255), 1);
  ligne(k, 0, 8, 16, 8, rgba(255, 255, 255), 1);
  disque(k, 8, 8, 2, rgba(255, 40, 40));
  sauver("curseur.png", k);
}

void divers() {
  auto marque = [](const char* nom, int w, int h, Uint32 fond, const char* etiquette) {
    sauver(std::string("Divers/") + nom, vignette(w, h, fond, etiquette));
  };
  // A lift is a platform; its button a small switch.
  SDL_Surface* a = toile(160, 30);
  rect(a, 0, 0, 160, 30, rgba(110, 110, 120));
  rect(a, 0, 0, 160, 6, rgba(200, 200, 90));
  texte(a, "Ascenseur", 80, 18, 12, rgba(255, 255, 255), true);
  sauver("Divers/Ascenseur.png", a);
  marque("Debut.png", 60, 100, rgba(40, 160, 60), "Debut");
  marque("Fin.png", 60, 100, rgba(170, 40, 40), "Fin");
  auto poste = [](const char* nom, Uint32 drapeau, const char* etiquette) {
    SDL_Surface* s = toile(100, 140);
    rect(s, 10, 100, 80, 40, rgba(90, 90, 90));
    rect(s, 47, 10, 6, 90, rgba(60, 60, 60));
    rect(s, 53, 10, 40, 26, drapeau);
    texte(s, etiquette, 50, 120, 12, rgba(255, 255, 255), true);
    sauver(std::string("Divers/") + nom, s);
  };
  poste("cc-allie.png", rgba(0, 158, 224), "allie");
  poste("cc-neutre.png", rgba(200, 200, 200), "neutre");
  poste("cc-ennemi.png", rgba(200, 60, 40), "ennemi");
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
  marque("b-ascenseur.png", 30, 40, rgba(220, 180, 30), "B");
  SDL_Surface* e = toile(200, 60, rgba(30, 90, 200, 170));
  rect(e, 0, 0, 200, 4, rgba(160, 210, 255));
  sauver("Divers/eau.png", e);
}

void objets() {
  struct O { const char* nom; int w, h; Uint32 c; };
  const O liste[] = {{"caisse.png", 80, 80, rgba(150, 110, 60)},
                     {"baril.png", 50, 80, rgba(60, 120, 60)},
                     {"arbre.png", 140, 260, rgba(40, 110, 40)},
                     {"panneau.png", 90, 120, rgba(180, 180, 60)}};
  std::vector<std::string> noms;
  for (const O& o : liste) {
    sauver(std::string("Objets/") + o.nom, vignette(o.w, o.h, o.c, std::string(o.nom).substr(0, std::string(o.nom).find('.'))));
    noms.push_back(o.nom);
  }
  fichier_texte("Objets.txt", joindre(noms));

  // Destructible targets: intact, damaged and wrecked.
  const char* cibles[] = {"radar", "generateur", "antenne"};
  noms.clear();
  for (const char* n : cibles) {
    std::string d = std::string("Objets_destructibles/") + n + "/";
    sauver(d + "intact.png", vignette(120, 140, rgba(90, 100, 130), n));
    sauver(d + "endommage.png", vignette(120, 140, rgba(130, 90, 60), std::string(n) + " !"));
    SDL_Surface* w = toile(120, 140);
    rect(w, 0, 100, 120, 40, rgba(50, 45, 40));
    ligne(w, 10, 100, 60, 60, rgba(70, 60, 50), 6);
    sauver(d + "detruit.png", w);
    noms.push_back(n);
  }
  fichier_texte("ObjetsDestructible.txt", joindre(noms));

  // Animated decor: a flag and a fire, three frames each.
  noms.clear();
  for (const char* n : {"drapeau/", "feu/"}) {
    for (int k = 1; k <= 3; ++k) {
      SDL_Surface* s = toile(60, 100);
      if (std::string(n) == "drapeau/") {
        rect(s, 4, 0, 4, 100, rgba(80, 80, 80));
        rect(s, 8, 4 + 2 * k, 44, 26, rgba(0, 158, 224));
      } else {
        disque(s, 30, 80 - 4 * k, 14 + 3 * k, rgba(255, 120 + 30 * k, 30));
      }
      sauver(std::string("Objets_Animes/") + n + std::to_string(k) + ".png", s);
    }
    noms.push_back(n);
  }
  fichier_texte("Objets_Animes.txt", joindre(noms));
}

void obstacles_et_ombres() {
  struct O { const char* nom; int w, h; Uint32 c; };
  const O liste[] = {{"mur.png", 60, 240, rgba(120, 120, 130)},
                     {"plateforme.png", 300, 30, rgba(100, 90, 80)},
                     {"bloc.png", 100, 100, rgba(140, 130, 110)}};
  std::vector<std::string> noms;
  for (const O& o : liste) {
    std::string n = o.nom;
    sauver("Obstacles/" + n, vignette(o.w, o.h, o.c, n.substr(0, n.find('.'))));
    noms.push_back(n);
  }
  fichier_texte("Obstacles.txt", joindre(noms));

  // Shadows are plain dark shapes (RGB: the game fades them itself). Their
  // names avoid capital N and R, which the shadow list drops.
  noms.clear();
  for (const char* n : {"ombre_arbre.png", "ombre_toit.png"}) {
    SDL_Surface* s = toile(200, 60, rgba(255, 0, 255));
    rect(s, 0, 0, 200, 60, rgba(20, 20, 30));
    sauver(std::string("Ombres/") + n, s, false);
    noms.push_back(n);
  }
  fichier_texte("Ombres.txt", joindre(noms));
}

void vehicules() {
  struct V { const char* dossier; int w, h; Uint32 c; };
  // The models the vehicles know; a body and its wreck each.
  const V terrestres[] = {{"rider/", 340, 180, rgba(90, 110, 60)}, {"tourelles/", 200, 120, rgba(110, 110, 90)}};
  const V aeriens[] = {{"helicopter/", 480, 200, rgba(70, 90, 70)},
                       {"Lotus/", 320, 180, rgba(60, 60, 110)},
                       {"transport/", 300, 140, rgba(120, 120, 120)},
                       {"ares/", 300, 220, rgba(130, 70, 50)}};
  const V polyvalents[] = {{"zeus/", 420, 260, rgba(60, 90, 120)},
                           {"skyhunter/", 300, 160, rgba(40, 40, 60)},
                           {"QDS/", 440, 200, rgba(100, 60, 100)}};
  auto famille = [](const char* racine, const V* v, int n, const char* catalogue) {
    std::vector<std::string> noms;
    for (int i = 0; i < n; ++i) {
      std::string d = std::string("Vehicules/") + racine + "/" + v[i].dossier;
      std::string nom = std::string(v[i].dossier).substr(0, std::string(v[i].dossier).size() - 1);
      SDL_Surface* s = toile(v[i].w, v[i].h);
      rect(s, 0, v[i].h / 3, v[i].w, v[i].h / 2, v[i].c);
      rect(s, v[i].w / 3, v[i].h / 8, v[i].w / 3, v[i].h / 4, v[i].c);
      texte(s, nom, v[i].w / 2, v[i].h / 2 + v[i].h / 12, 16, rgba(255, 255, 255), true);
      sauver(d + "normal.png", s);
      SDL_Surface* m = toile(v[i].w, v[i].h);
      rect(m, 0, v[i].h * 2 / 3, v[i].w, v[i].h / 3, rgba(50, 45, 40));
      sauver(d + "die.png", m);
      noms.push_back(v[i].dossier);
    }
    fichier_texte(catalogue, joindre(noms));
  };
  famille("Terrestres", terrestres, 2, "Vehicules/Terrestres.txt");
  famille("Aeriens", aeriens, 4, "Vehicules/Aeriens.txt");
  famille("Polyvalents", polyvalents, 3, "Vehicules/Polyvalents.txt");

  SDL_Surface* t = toile(70, 40);
  rect(t, 20, 10, 30, 20, rgba(70, 70, 70));
  rect(t, 50, 16, 20, 6, rgba(40, 40, 40));
  sauver("Vehicules/tourelle.png", t);
  t = toile(60, 80);
  rect(t, 10, 40, 30, 30, rgba(70, 80, 50));
  rect(t, 30, 48, 30, 8, rgba(40, 40, 40));
  sauver("Vehicules/Terrestres/rider/Tourelle.png", t);
  for (const char* r : {"roues-1.png", "roues-2.png", "roues-stop.png"}) {
    SDL_Surface* s = toile(340, 60);
    for (int x = 40; x < 340; x += 90) disque(s, x, 30, 26, rgba(30, 30, 30));
    if (std::string(r) != "roues-stop.png") ligne(s, 0, r[6] == '1' ? 10 : 50, 339, 30, rgba(90, 90, 90), 3);
    sauver(std::string("Vehicules/Terrestres/rider/") + r, s);
  }
  for (const char* h : {"helice1.png", "helice2.png", "helicestop.png"}) {
    SDL_Surface* s = toile(480, 20);
    int l = std::string(h) == "helice1.png" ? 480 : std::string(h) == "helice2.png" ? 300 : 400;
    rect(s, (480 - l) / 2, 8, l, 4, rgba(40, 40, 40));
    sauver(std::string("Vehicules/Aeriens/helicopter/") + h, s);
  }
}

Etape palette(10, "palette", [] {
  editeur();
  divers();
  objets();
  obstacles_et_ombres();
  vehicules();
  // The soldiers' files are written later by the game's own writer.
  fichier_texte("Persos.txt", joindre({"Korvan", "Vesk", "Relka", "OMUS_Fusilier", "OMUS_Eclaireuse", "OMUS_Tireur",
                                       "Nemesis_Soldat", "Nemesis_Lourd", "Nemesis_Tireuse"}));
});

}  // namespace
