#pragma once
// A bench for soldier tests: demo data, the appearance sets, the body and
// arm tables, a few catalogue weapons, the shared sounds, and a battle torn
// down after each test.
#include <filesystem>
#include <string>

#include "Apparences.h"
#include "Banc.h"
#include "characters/Element.h"
#include "characters/InitierPersos.h"
#include "characters/Tramer.h"
#include "engine/BoucleMonde.h"
#include "engine/Demarrage.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirSon.h"
#include "engine/Partie.h"
#include "engine/cc.h"
#include "weapons/Armes.h"
#include "weapons/Katana.h"
#include "weapons/LanceRoquette.h"

class Soldats : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    donnees_legeres();
    ReinitialiserMap();
    vider_apparences();
    InitierApparences();
    RemplirRepertoiresPersos();
    tables_du_corps();
    catalogue();
    general::Mort[0] = AllouerSon("Armes/crihomme.wav", false);
    general::Mort[1] = AllouerSon("Armes/crifemme.wav", false);
    general::Impact = AllouerSon("Armes/Impact.wav", false);
    general::HeadShot = AllouerSon("Armes/Headshot.wav", false);
    general::zoom = 1.0;
    general::dezoom = 0;
    general::Scrolling = Rect(0, 0, 0, 0);
    general::infiltration = 0;
    general::sous_marin = false;
    general::Choix_perso = 0;
    general::seconde_life = false;
    general::effectifs_map[0] = general::effectifs_map[1] = 50;
    general::nb_hs = general::nb_tue = general::nb_mort = general::wex_actuelle = 0;
    general::fusil_choisi = 0;
    general::pistolet_choisi = 8;
    general::melee_choisie = 0;
    general::Debut_map = Rect(500, 200, 0, 0);
    general::debut_partie = false;
    Tramer::limite[0] = Tramer::limite[1] = 0;
    Tramer::Hero = nullptr;
    Horloge::regler(10000);
    Son::effacer_appels();
  }
  void TearDown() override {
    ReinitialiserMap();
    Tramer::Hero = nullptr;
    Mapping::centre_scrolling = nullptr;
    vider_catalogue();
    vider_apparences();
    Banc::TearDown();
  }

  // A character file of 23 bytes.
  void fiche(const std::string& nom, int sexe, int arme, int camp, int vie = 100, int wex = 0, int costume = 1) {
    std::string b(23, '\0');
    b[0] = static_cast<char>(sexe);
    b[2] = static_cast<char>(arme);
    b[3] = 4;  // the knife
    for (int i = 6; i < 17; ++i) b[i] = static_cast<char>(costume);
    b[17] = static_cast<char>(costume);
    b[18] = static_cast<char>(vie & 0xFF), b[19] = static_cast<char>(vie >> 8);
    b[20] = static_cast<char>(wex & 0xFF), b[21] = static_cast<char>(wex >> 8);
    b[22] = static_cast<char>(camp);
    ecrire_fichier(nom, b);
  }
  // A soldier made from its own file, standing at (x, y), past its protection.
  Tramer* soldat(const std::string& nom, int camp, int x = 0, int y = 0, int arme = 1, int vie = 100, int wex = 0,
                 int sexe = 0) {
    fiche(nom, sexe, arme, camp, vie, wex);
    Tramer* t = Tramer::AllouerPerso(nom.c_str(), false);
    if (t) t->position = Rect(x, y, 0, 0);
    return t;
  }
  static void proteger_fini() { Horloge::avancer(2001); }

  // A capture point of camp c, freed with the world.
  cc* centre(int x, int y, int16_t c) {
    cc* p = new cc(Rect(x, y, 0, 0), c);
    p->Tas = true;
    return p;
  }

  int nb_sons(const char* nom) {
    int n = 0;
    for (const Son::Appel& a : Son::appels())
      if (a.operation == "play" && a.nom.find(nom) != std::string::npos) ++n;
    return n;
  }

 private:
  // The demo data, the large appearance folders linked rather than copied:
  // soldier tests only read them.
  void donnees_legeres() {
    namespace fs = std::filesystem;
    for (const fs::directory_entry& e : fs::directory_iterator(GAME_DATA_DIR)) {
      const std::string n = e.path().filename().string();
      if (n == "Hommes" || n == "Femmes")
        fs::create_directory_symlink(e.path(), dossier_ / n);
      else
        fs::copy(e.path(), dossier_ / n, fs::copy_options::recursive);
    }
  }
  static void tables_du_corps() {
    const char* sexes[2] = {"Hommes/", "Femmes/"};
    const char* peaux[2] = {"Blanc/", "Noir/"};
    const char* bras[5] = {"gun", "rifle", "hrifle", "cc", "projectile"};
    for (int s = 0; s < 2; ++s)
      for (int c = 0; c < 2; ++c) {
        const std::string P = std::string(sexes[s]) + peaux[c];
        for (int e = 0; e < 20; ++e) BCorps[s][c][e] = Partie::AllouerPartie((P + "run").c_str());
        BCorps[s][c][MORT] = Partie::AllouerPartie((P + "die").c_str());
        for (int r = 0; r < 2; ++r)
          for (int k = 0; k < 5; ++k) BBras[s][c][r][k] = Partie::AllouerPartie((P + "Bras/" + bras[k]).c_str());
      }
  }
  static void catalogue() {
    auto& A = Element::ArmesPrincipales;
    A[1] = new Armes("QD-AR", 1, 15, 80, 150, 38, 120, 500, false, 0, 0);
    A[2] = new Armes("QD-H", 0, 7, 80, 250, 10, 40, 400, false, 0, 0);
    A[4] = new Armes("Enfield", 1, 40, 80, 4000, 30, 120, 1500, true, 0, 1);
    A[4]->wex_requis = 3200;
    A[8] = new LanceRoquette("N-Dead-Launcher", 1, 90, 80, 500, 20, 80, 5000, false, 0);
    A[8]->wex_requis = 8900;
    for (int k = 0; k < 5; ++k) Element::ArmesMelee[k] = new Katana(P_char("Couteau/"), 60);
    ArmesPrincipales[0] = new Armes("N-10", 1, 20, 80, 100, 32, 40, 800, false, 0, 1);
    ArmesPrincipales[8] = new Armes("QD-H", 0, 7, 80, 250, 10, 40, 400, false, 0, 0);
    Melee[0] = new Katana(P_char("HG-2/"), 70);
    Inventaire = new Armes*[2]{new Armes(*A[2]), new Armes(*A[1])};
  }
  static void vider_catalogue() { LibererCatalogue(); }
};
