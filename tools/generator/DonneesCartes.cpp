// The demo maps, placed from the palette built out of the generated
// catalogs and written by the editor's own writer. Positions are editor
// positions: half scale, the ground line at y 535 (the soldiers' line, 526 in
// battle).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "Dessin.h"
#include "battle/Catalogues.h"
#include "battle/FichierMap.h"
#include "editor/Reference.h"
#include "engine/Constantes.h"

using namespace Dessin;

namespace {

constexpr int SOL = 535;
// Where the battle lets soldiers stand: 118 px tall, at 15 px from the bottom.
constexpr int DEBOUT = SOL - 58;

Objet_de_Reference* entree(int type, const std::string& nom) {
  for (long i = 0; i < Objet_de_Reference::nb_Objet_de_reference; ++i) {
    Objet_de_Reference* o = Objet_de_Reference::Objets_de_Reference[i];
    if (o->type == type && nom == o->Nom.retournertexte()) return o;
  }
  std::fprintf(stderr, "gendata: no palette entry \"%s\" of kind %d\n", nom.c_str(), type);
  std::exit(1);
}

// Stands the item on the ground unless a height is given. Soldiers, and the
// start point where the heroes appear, stand on the soldiers' line: a hero
// the computer leads walks off at once from where he appears, and lower down
// he would walk sunk into the ground.
Reference* poser(int type, const std::string& nom, int x, int y = -1) {
  Objet_de_Reference* o = entree(type, nom);
  const bool soldat = type == ENNEMIS || type == ALLIES;
  if (y < 0) y = soldat || (type == DIVERS && nom == "Debut.png") ? DEBOUT : SOL - o->TramePrincipale.h;
  SDL_Rect r = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
  if (soldat) {
    auto* p = new Reference_Perso(o, r);
    p->compter();
    return p;
  }
  return new Reference(o, r);
}

// A lift on the ground beside a ledge whose top is at `haut`, and its marker
// above its path: whoever steps on it rides up to the ledge. The lift rises
// 10 px a frame in battle and stops once it overlaps the marker, whose bottom
// is 10 px below the ledge's top (the marker is 40 px tall in battle).
void ascenseur(int x, int haut) {
  poser(DIVERS, "Ascenseur.png", x);
  poser(DIVERS, "b-ascenseur.png", x + 20, haut - 20 + 5);
}

// A target marker goes on the item it marks, right after it.
void marquer(Reference* cible, bool a_defendre, int vie) {
  auto* m = new ReferenceCible(entree(CIBLE, a_defendre ? "defendre.png" : "detruire.png"), cible->position, vie);
  m->TramePrincipale = cible->TramePrincipale;
}

// The ground set matches the background: both folders share their names.
void reglages(const char* nom, char infiltration, char choix, int renforts_allies, int renforts_ennemis,
              const char* fond, int temps, const char* meteo) {
  general::nom_map = nom;
  general::infiltration = infiltration;
  general::Choix_perso = choix;
  general::effectifs_map[0] = renforts_allies;
  general::effectifs_map[1] = renforts_ennemis;
  general::nom_fond = fond;
  general::nom_sol = fond;  // a folder of numbered frames, as the battle draws them
  // Each demo map plays its own cut-scenes, "<map>Debut" and "<map>Fin".
  general::nom_cine_debut_de_map = (std::string(nom) + "Debut").c_str();
  general::nom_cine_fin_de_map = (std::string(nom) + "Fin").c_str();
  general::temps_map = temps;
  general::Meteorologie = meteo;
}

void ecrire() {
  if (!SauvegarderMap()) {
    std::fprintf(stderr, "gendata: could not write the map %s\n", general::nom_map.retournertexte());
    std::exit(1);
  }
  DesallouerMap();
}

// Take every enemy command post across open ground.
void plaine() {
  reglages("Plaine", 0, 1, 30, 30, "foret/", 600, "Rien/");
  poser(DIVERS, "Debut.png", 260);
  poser(DIVERS, "cc-allie.png", 320);
  poser(OBJET, "arbre.png", 420);
  poser(OMBRE, "ombre_arbre.png", 400, SOL - 10);
  poser(ALLIES, "OMUS_Fusilier", 470);
  poser(ALLIES, "OMUS_Eclaireuse", 500);
  poser(VEHICULE_TERRESTRE, "Vehicules/Terrestres/rider/", 540);
  poser(OBJET, "caisse.png", 760);
  poser(OBSTACLE, "Obstacles/bloc.png", 820);
  poser(DIVERS, "cc-neutre.png", 980);
  poser(OBJET_ANIME, "Objets_Animes/drapeau/", 1040);
  poser(DIVERS, "eau.png", 1100, SOL - 10);
  poser(OBSTACLE, "Obstacles/plateforme.png", 1250, SOL - 120);
  ascenseur(1420, SOL - 120);
  // Under the ledge, left of the lift (1420 to 1500 here): a soldier standing
  // against it is carried off as the battle starts.
  poser(ENNEMIS, "Nemesis_Soldat", 1330);
  poser(ENNEMIS, "Nemesis_Tireuse", 1530, SOL - 185);
  poser(DIVERS, "cc-ennemi.png", 1600);
  poser(VEHICULE_TERRESTRE, "Vehicules/Terrestres/tourelles/", 1700);
  poser(ENNEMIS, "Nemesis_Lourd", 1820);
  poser(DIVERS, "cc-ennemi.png", 1900);
  ecrire();
}

// Destroy the enemy's radar and generator, keep our antenna standing.
void usine() {
  reglages("Usine", 0, 1, 20, 40, "desert/", 0, "Rien/");
  poser(DIVERS, "Debut.png", 260);
  poser(DIVERS, "cc-allie.png", 300);
  // Behind the start: the first stray shot past our soldiers must not take it.
  marquer(poser(OBJETS_DESTRUCTIBLES, "antenne", 190), true, 300);
  poser(ALLIES, "OMUS_Tireur", 450);
  poser(VEHICULE_POLYVALENT, "Vehicules/Polyvalents/skyhunter/", 500, SOL - 300);
  poser(OBSTACLE, "Obstacles/mur.png", 700);
  poser(OBJET, "baril.png", 760);
  poser(OBJET_ANIME, "Objets_Animes/feu/", 790);
  poser(OMBRE, "ombre_toit.png", 850, SOL - 10);
  poser(ENNEMIS, "Nemesis_Soldat", 900);
  marquer(poser(OBJETS_DESTRUCTIBLES, "radar", 1000), false, 150);
  poser(VEHICULE_AERIEN, "Vehicules/Aeriens/helicopter/", 1100, SOL - 320);
  poser(ENNEMIS, "Nemesis_Lourd", 1250);
  marquer(poser(OBJETS_DESTRUCTIBLES, "generateur", 1350), false, 200);
  poser(DIVERS, "cc-ennemi.png", 1450);
  ecrire();
}

// Alone, quietly, to the way out.
void infiltration() {
  reglages("Infiltration", 1, 0, 0, 0, "nuit/", 0, "Rien/");
  poser(DIVERS, "Debut.png", 260);
  poser(OBJET, "panneau.png", 340);
  poser(OMBRE, "ombre_toit.png", 420, SOL - 10);
  poser(OBSTACLE, "Obstacles/mur.png", 560);
  poser(ENNEMIS, "Nemesis_Soldat", 650);
  poser(OBSTACLE, "Obstacles/plateforme.png", 760, SOL - 110);
  ascenseur(920, SOL - 110);
  poser(ENNEMIS, "Nemesis_Tireuse", 800, SOL - 175);
  poser(OBJET, "caisse.png", 1000);
  poser(VEHICULE_AERIEN, "Vehicules/Aeriens/transport/", 1080, SOL - 260);
  poser(ENNEMIS, "Relka", 1200);
  poser(DIVERS, "Fin.png", 1300);
  ecrire();
}

Etape cartes(60, "maps", [] {
  Objet_de_Reference::CreerVide();
  LecturePalette();
  plaine();
  usine();
  infiltration();
  Objet_de_Reference::Vider();
  // The catalog readers' diagnostics are no data.
  std::filesystem::remove("Test2.txt");
  std::filesystem::remove("Test3.txt");
});

}  // namespace
