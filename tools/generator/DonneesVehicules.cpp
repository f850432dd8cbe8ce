// The vehicles' files: each model's body and wreck (facing right), the
// rider's wheels and turret, the helicopter's rotor, the common turret, the
// boarding sounds, the status markers and life bar drawn over vehicles and
// soldiers, and the three vehicle catalogs.
#include <string>
#include <vector>

#include "Dessin.h"
#include "characters/VehiculeAerien.h"
#include "characters/VehiculePolyvalent.h"
#include "characters/VehiculeTerrestre.h"

using namespace Dessin;

namespace {

enum Allure { ROULANT, CANON_FIXE, HELICOPTERE, AVION };

struct Forme {
  const char* dossier;  // the model's name, as in the vehicles' table
  int w, h;
  Allure allure;
  Uint32 couleur;
};

const Forme FORMES[] = {
    {"Vehicules/Terrestres/rider/", 240, 190, ROULANT, rgba(90, 110, 60)},
    {"Vehicules/Terrestres/tourelles/", 200, 110, CANON_FIXE, rgba(120, 110, 80)},
    {"Vehicules/Aeriens/helicopter/", 480, 210, HELICOPTERE, rgba(70, 95, 70)},
    {"Vehicules/Aeriens/Lotus/", 320, 180, AVION, rgba(60, 60, 120)},
    {"Vehicules/Aeriens/transport/", 300, 120, HELICOPTERE, rgba(120, 120, 110)},
    {"Vehicules/Aeriens/ares/", 260, 220, HELICOPTERE, rgba(130, 70, 50)},
    {"Vehicules/Polyvalents/zeus/", 340, 250, AVION, rgba(60, 90, 130)},
    {"Vehicules/Polyvalents/skyhunter/", 260, 150, AVION, rgba(40, 40, 60)},
    {"Vehicules/Polyvalents/QDS/", 420, 140, AVION, rgba(100, 60, 100)},
};

const Uint32 NOIR = rgba(25, 25, 25), VITRE = rgba(150, 200, 230), GRIS = rgba(80, 80, 80);

// The rider is an open jeep. Its own gun turns on the hull's top at (151,
// 128), just above TOIT; the earlier program hangs the common turret at
// (151, 28) instead, so a roll cage carries a top bar at that height for it
// to stand on. The hull is what is hit and burns; the cage is open.
constexpr int TOIT = 132, ARCEAU = 24;
constexpr int RAYON_ROUE = 22;

// The body, nose to the right; wheels and rotor are separate pictures.
void corps(SDL_Surface* s, const Forme& f, Uint32 c, bool epave) {
  const int w = f.w, h = f.h;
  switch (f.allure) {
    case ROULANT: {
      const Uint32 tube = rgba(50, 55, 40);
      if (!epave) ligne(s, 194, TOIT - 4, 188, TOIT - 44, VITRE, 7);  // windscreen
      ligne(s, 200, TOIT, 192, ARCEAU + 4, tube, 5);             // cage: front pillar,
      ligne(s, 106, TOIT, 112, ARCEAU + 4, tube, 5);             // rear hoop
      rect(s, 104, ARCEAU, 102, 8, tube);                         // and top bar
      rect(s, 164, TOIT - 26, 10, 26, rgba(40, 40, 36));          // driver's seat
      rect(s, 8, TOIT, w - 16, h - TOIT - 22, c);                 // hull
      rect(s, 8, TOIT, w - 16, 3, rgba(60, 75, 40));              // its rim
      rect(s, w - 18, TOIT + 6, 10, 8, rgba(250, 230, 120));      // headlight
      break;
    }
    case CANON_FIXE:
      for (int i = 0; i < 5; ++i) disque(s, 20 + i * (w - 40) / 4, h - 18, 18, rgba(150, 130, 90));  // sandbags
      rect(s, w / 2 - 40, h / 3, 80, h / 2, c);                  // platform
      break;
    case HELICOPTERE:
      disque(s, w * 2 / 3, h / 2, h / 4, c);                      // cabin
      rect(s, w / 3, h / 2 - h / 6, w / 3, h / 3, c);             // body
      rect(s, 10, h / 2 - 8, w / 3, 14, c);                       // tail boom
      disque(s, 18, h / 2 - 14, 16, GRIS);                        // tail rotor
      if (!epave) disque(s, w * 2 / 3 + h / 10, h / 2 - h / 12, h / 10, VITRE);
      rect(s, w / 3, h * 5 / 6, w / 2, 5, NOIR);                  // skid
      rect(s, w / 2 - 2, h / 2, 4, h / 3, NOIR);
      rect(s, w * 3 / 4, h / 2, 4, h / 3, NOIR);
      rect(s, w / 2 - 2, h / 8, 4, h / 4, NOIR);                  // rotor mast
      break;
    case AVION:
      rect(s, 20, h / 2 - h / 8, w - 60, h / 4, c);               // fuselage
      disque(s, w - 40, h / 2, h / 8, c);                         // nose
      ligne(s, 30, h / 2 - h / 8, 10, h / 6, c, 10);              // fin
      rect(s, w / 3, h / 2 + h / 10, w / 3, h / 10, rgba(40, 40, 40));  // wing
      if (!epave) rect(s, w - 80, h / 2 - h / 8 + 4, 30, h / 12, VITRE);
      rect(s, w / 3 + 10, h / 2 + h / 5, w / 5, h / 10, GRIS);    // engine pod
      break;
  }
  // No lettering: the game mirrors vehicle pictures when they face left.
  if (!epave) {
    const int y = f.allure == ROULANT ? TOIT + 16 : f.h / 2;
    disque(s, f.w / 2, y, 9, rgba(255, 255, 255));
    disque(s, f.w / 2, y, 5, c);
  }
}

void modele(const Forme& f) {
  const std::string d = f.dossier;
  SDL_Surface* s = toile(f.w, f.h);
  corps(s, f, f.couleur, false);
  sauver(d + "normal.png", s);
  SDL_Surface* m = toile(f.w, f.h);
  corps(m, f, rgba(45, 40, 38), true);
  const int feu = f.allure == ROULANT ? TOIT : f.h / 3;
  for (int i = 0; i < 4; ++i) disque(m, f.w / 5 + i * f.w / 5, feu + (i % 2) * 10, 10, rgba(230, 110, 30));  // fire
  sauver(d + "die.png", m);
  // Boarding plays the model's own sound; the common one is only a fallback.
  son(d + "Entree.wav", f.allure == CANON_FIXE ? 180 : 120, 500, 0.3);
}

void roues() {
  const Forme& f = FORMES[0];
  const std::string d = f.dossier;
  const int r = RAYON_ROUE, y = f.h - r - 2;
  const char* noms[] = {"roues-1.png", "roues-2.png", "roues-stop.png"};
  for (int k = 0; k < 3; ++k) {
    SDL_Surface* s = toile(f.w, f.h);
    for (int x : {50, f.w - 48}) {
      disque(s, x, y, r, NOIR);
      disque(s, x, y, r / 2, GRIS);
      // The spokes turn a quarter between the moving frames.
      if (k == 0) ligne(s, x - r / 2, y, x + r / 2, y, NOIR, 3);
      if (k == 1) ligne(s, x, y - r / 2, x, y + r / 2, NOIR, 3);
      if (k == 2) disque(s, x, y, 4, NOIR);
    }
    sauver(d + noms[k], s);
  }
  // The gun turns about its mount, pivot (21, 68): a round mount looks the
  // same at every angle and stays on the hull; the barrel runs from it.
  SDL_Surface* t = toile(90, 80);
  rect(t, 21, 66, 69, 5, NOIR);                    // barrel
  rect(t, 82, 64, 8, 9, NOIR);                     // muzzle
  rect(t, 12, 61, 34, 13, rgba(55, 60, 50));       // breech
  rect(t, 42, 48, 5, 18, GRIS);                    // shield
  rect(t, 24, 74, 14, 6, rgba(90, 100, 60));       // ammunition box
  disque(t, 21, 68, 9, rgba(70, 85, 50));          // mount
  disque(t, 21, 68, 3, NOIR);
  sauver(d + "Tourelle.png", t);
}

void rotor() {
  const Forme& f = FORMES[2];
  const std::string d = f.dossier;
  const int cx = f.w / 2, y = f.h / 8;
  const int longueurs[] = {f.w - 20, f.w / 2, f.w - 60};
  const char* noms[] = {"helice1.png", "helice2.png", "helicestop.png"};
  for (int k = 0; k < 3; ++k) {
    SDL_Surface* s = toile(f.w, f.h);
    rect(s, cx - longueurs[k] / 2, y - 3, longueurs[k], 6, GRIS);
    disque(s, cx, y, 7, NOIR);
    sauver(d + noms[k], s);
  }
}

void commun() {
  SDL_Surface* t = toile(90, 60);  // pivot (35, 39)
  disque(t, 35, 39, 14, rgba(70, 70, 70));
  rect(t, 35, 35, 55, 8, NOIR);
  sauver("Vehicules/tourelle.png", t);
  son("Vehicules/default.wav", 110, 600, 0.35);
}

void marqueurs() {
  struct M {
    const char* nom;
    Uint32 c;
    const char* signe;
  };
  const M marques[] = {{"normal.png", rgba(80, 200, 80), ""},    {"alerte.png", rgba(240, 200, 40), "!"},
                       {"hostile.png", rgba(220, 50, 40), "!!"},  {"interrogatif.png", rgba(240, 160, 40), "?"},
                       {"mort.png", rgba(90, 90, 90), "x"}};
  for (const char* dossier : {"HUD/Allies/", "HUD/Ennemis/"}) {
    const bool allie = dossier[4] == 'A';
    for (const M& m : marques) {
      SDL_Surface* s = toile(20, 20);
      if (allie)
        disque(s, 10, 10, 9, m.c);
      else
        rect(s, 1, 1, 18, 18, m.c);  // enemies: square markers
      texte(s, m.signe, 10, 10, 12, NOIR, true);
      sauver(std::string(dossier) + m.nom, s);
    }
  }
  // A 100-px frame holds nine 10-px segments.
  SDL_Surface* b = toile(100, 14);
  cadre(b, 0, 0, 100, 14, NOIR, 2);
  sauver("HUD/barre.png", b);
  SDL_Surface* v = toile(10, 8, rgba(60, 200, 60));
  sauver("HUD/VieAlliee.png", v);
  v = toile(10, 8, rgba(210, 50, 50));
  sauver("HUD/VieEnnemie.png", v);
}

std::string catalogue(const ModeleVehicule* m, int n, const std::string& racine) {
  std::string t;
  for (int i = 0; i < n; ++i) {
    if (i) t += "\n";
    t += std::string(m[i].nom).substr(racine.size());
  }
  return t;
}

Etape vehicules(7, "vehicles", [] {
  for (const Forme& f : FORMES) modele(f);
  roues();
  rotor();
  commun();
  marqueurs();
  fichier_texte("Vehicules/Terrestres.txt",
                catalogue(VehiculeTerrestre::Modeles, VehiculeTerrestre::nb_modeles, "Vehicules/Terrestres/"));
  fichier_texte("Vehicules/Aeriens.txt",
                catalogue(VehiculeAerien::Modeles, VehiculeAerien::nb_modeles, "Vehicules/Aeriens/"));
  fichier_texte("Vehicules/Polyvalents.txt",
                catalogue(VehiculePolyvalent::Modeles, VehiculePolyvalent::nb_modeles, "Vehicules/Polyvalents/"));
});

}  // namespace
