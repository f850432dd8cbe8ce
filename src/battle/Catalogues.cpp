#include "battle/Catalogues.h"

#include <cstdio>
#include <cstring>

#include "battle/Perso.h"
#include "characters/Element.h"
#include "editor/Objet_de_Reference.h"
#include "engine/OuvrirImage.h"
#include "platform/Fichiers.h"

std::vector<std::string> LireLignesCatalogue(const char* chemin) {
  std::vector<std::string> lignes(1);
  FILE* f = chemin ? Fichiers::ouvrir(chemin, "rb") : nullptr;
  if (!f) {
    signaler_fichier_absent(chemin ? chemin : "");
    return lignes;
  }
  for (int c; (c = std::fgetc(f)) != EOF && c != 0;) {
    if (c == '\n') {
      // The catalogs were written with CR LF line ends.
      if (!lignes.back().empty() && lignes.back().back() == '\r') lignes.back().pop_back();
      lignes.emplace_back();
    } else {
      lignes.back() += static_cast<char>(c);
    }
  }
  std::fclose(f);
  return lignes;
}

namespace {

void lire_apparences(const char* chemin, char sexe) {
  for (const std::string& nom : LireLignesCatalogue(chemin)) {
    auto* e = new Element(nom.c_str(), sexe);
    if (!e->enregistre()) delete e;  // the registry is full and said so
  }
}

}  // namespace

void LectureHommes() { lire_apparences("Hommes/Hommes.txt", 0); }
void LectureFemmes() { lire_apparences("Femmes/Femmes.txt", 1); }

namespace {

// Entries refused by a full palette said so and are dropped.
template <class T>
void entree(const std::string& nom) {
  auto* o = new T(nom.c_str());
  if (!o->enregistre()) delete o;
}

template <class T>
void lire_simple(const char* chemin) {
  for (const std::string& nom : LireLignesCatalogue(chemin)) entree<T>(nom);
}

void ecrire_diagnostic(const char* chemin, const std::string& contenu) {
  Fichiers::EcritureSure f(chemin);
  if (!f.ouvert() || (!contenu.empty() && std::fwrite(contenu.data(), 1, contenu.size(), f.flux()) != contenu.size()) ||
      !f.valider())
    std::fprintf(stderr, "could not write \"%s\"\n", chemin);
}

// The lines as the three-pass readers see them, with their diagnostics.
// `retirer` lists the bytes dropped from the names.
std::vector<std::string> lire_trois_passes(const char* chemin, bool tester, const char* retirer) {
  if (tester && !Fichiers::existe(chemin)) {
    signaler_fichier_absent(chemin);
    ecrire_diagnostic("Test2.txt", "");
    return {};
  }
  std::vector<std::string> lignes = LireLignesCatalogue(chemin);
  std::string test2, tailles;
  for (size_t i = 0; i < lignes.size(); ++i) {
    if (i > 0) test2 += '\n';
    test2 += lignes[i];
    tailles += std::to_string(lignes[i].size() + 2) + "\n";
  }
  test2 += "\n" + std::to_string(lignes.size()) + "\n" + tailles;
  ecrire_diagnostic("Test2.txt", test2);
  ecrire_diagnostic("Test3.txt", "");
  for (std::string& l : lignes) {
    std::string nom;
    for (char c : l)
      if (!std::strchr(retirer, c)) nom += c;
    l = nom;
  }
  return lignes;
}

template <class T>
void lire_dossier(const char* chemin, const char* dossier) {
  for (const std::string& nom : lire_trois_passes(chemin, true, "\r")) entree<T>(dossier + nom);
}

}  // namespace

void LectureObjets() { lire_simple<Reference_Objet>("Objets.txt"); }
void LectureObjets_Destructibles() { lire_simple<Reference_ObjetDestructible>("ObjetsDestructible.txt"); }
void LectureObjetsAnimes() { lire_simple<Reference_Objet_Animes>("Objets_Animes.txt"); }

void LecturePersos() {
  for (const std::string& nom : LireLignesCatalogue("Persos.txt")) {
    // A name without a file reads as the default record: an enemy.
    if (!LirePerso(nom.c_str()).camp_perso)
      entree<Reference_Allie>(nom);
    else
      entree<Reference_Ennemi>(nom);
  }
}

void LectureObstacles() { lire_dossier<Reference_Obstacle>("Obstacles.txt", "Obstacles/"); }
void LectureVehiculesTerrestres() {
  lire_dossier<Reference_Vehicules_Terrestres>("Vehicules/Terrestres.txt", "Vehicules/Terrestres/");
}
void LectureVehiculesAeriens() {
  lire_dossier<Reference_Vehicules_Aeriens>("Vehicules/Aeriens.txt", "Vehicules/Aeriens/");
}
void LectureVehiculesPolyvalents() {
  lire_dossier<Reference_Vehicules_Polyvalents>("Vehicules/Polyvalents.txt", "Vehicules/Polyvalents/");
}

void LectureOmbres() {
  for (const std::string& nom : lire_trois_passes("Ombres.txt", false, "\rNR")) {
    // The shadow's own pictures, as the shadow object takes them.
    std::string image = "Ombres/" + nom;
    auto* o = new Reference_Ombre(nom.c_str(), AllouerImage(image.c_str(), 0, false),
                                  AllouerImage(image.c_str(), 1, false));
    if (!o->enregistre()) delete o;
  }
}

void LecturePalette() {
  CreerEntreesFixes();
  LectureObjets();
  LectureObjets_Destructibles();
  LectureObstacles();
  LectureOmbres();
  LectureVehiculesTerrestres();
  LectureVehiculesAeriens();
  LectureVehiculesPolyvalents();
  LecturePersos();
  LectureObjetsAnimes();
}
