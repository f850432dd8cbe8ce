#include "menus/EcranTitre2.h"

#include <algorithm>
#include <string>

#include "battle/JouerMission.h"
#include "battle/Missions.h"
#include "engine/Constantes.h"
#include "menus/EcranMenu.h"
#include "menus/Statistiques.h"

using namespace EcranMenu;

namespace {

#if GAME_EARLY
constexpr int NB_ITEMS = 5;
const char* item(int i) { return general::Intro[i]; }
const char* titre_page(int i) { return general::Infos[i]; }
constexpr int Y_MENU[NB_ITEMS] = {230, 252, 272, 294, 380};
constexpr int Y_CARTES[NB_ITEMS] = {230, 252, 272, 294, 380};
#else
constexpr int NB_ITEMS = 4;
const char* item(int i) { return general::Intro[0][i]; }
constexpr int Y_MENU[NB_ITEMS] = {230, 252, 272, 400};
constexpr int Y_CARTES[NB_ITEMS] = {230, 252, 272, 380};
const char* titre_page(int i) { return general::Infos[1][i]; }
#endif

constexpr int NB_PAGES = 5;
constexpr int Y_PAGES[NB_PAGES] = {230, 252, 272, 294, 320};

void colonne_gauche(Etiquettes& e, const int* ys) {
  for (int i = 0; i < NB_ITEMS; ++i) etiquette(e, item(i), 26, ys[i]);
}

// The lists of the right-hand side: row i at 295 + i x the height of a line.
int pas_des_rangees(const Etiquettes& gauche) { return hauteur(gauche[0].get()); }

void barre_liste(const Etiquettes& rangees, int choix) {
  if (choix >= 0 && choix < static_cast<int>(rangees.size())) barre(230, rangees[choix]->position.y, 228, 18);
}

}  // namespace

int derniere_mission_listee() { return std::clamp<int>(general::nb_mission_accompli, 0, NB_MISSIONS - 1); }

void EcranTitre2(SDL_Surface* Start) {
  Etiquettes ecrits;
  colonne_gauche(ecrits, Y_MENU);
  SDL_Surface* navigation1 = charger("Menus/Start/navigation.png");
  int choix = 0, u = 0;
  bool cont = true, retour = false;
  while (cont && general::continuer) {
    fondu(Start, u);
    if (Navigation n = naviguer(choix, NB_ITEMS); n != Navigation::RIEN) {
      retour = n == Navigation::RETOUR;
      cont = false;
    }
    noir();
    poser(Start, 0, 0);
    poser_bas_gauche(navigation1);
    barre(ecrits[choix]->position.x - 14, ecrits[choix]->position.y, 206, 18);
    dessiner(ecrits);
    fin_image();
  }
  ecrits.clear();
  liberer(navigation1);
  if (general::continuer) {
    if (retour)
      EcranTitre2(Start);
    else if (choix == 0)
      histoire(Start);
    else if (choix == 1)
      statistiques(Start);
    else if (early && choix == 2)
      informations(Start);
    else if (choix == NB_ITEMS - 2)
      credits(Start);
  }
  general::continuer = false;
}

void histoire(SDL_Surface* Start) {
  int nb_mission = derniere_mission_listee();
  SDL_Surface* images_missions[NB_MISSIONS];
  for (int i = 0; i < NB_MISSIONS; ++i) images_missions[i] = charger(general::Images_Missions[i]);
  Etiquettes gauche, ecrits2;
  colonne_gauche(gauche, Y_MENU);
  SDL_Surface* navigation1 = charger("Menus/Start/navigation.png");
  int h = pas_des_rangees(gauche);
  for (int i = 0; i <= nb_mission; ++i) etiquette(ecrits2, general::Missions[i], 250, 295 + i * h);

  int choix = 0, u = 0;
  bool cont = true, jouer = false;
  while (cont && general::continuer) {
    fondu(Start, u);
    if (Navigation n = naviguer(choix, nb_mission + 1); n != Navigation::RIEN) {
      jouer = n == Navigation::VALIDER;
      cont = false;
    }
    noir();
    poser(Start, 0, 0);
    poser_bas_gauche(navigation1);
    poser(images_missions[choix], 0, 0);
    barre_liste(ecrits2, choix);
    dessiner(gauche);
    dessiner(ecrits2);
    fin_image();
  }
  gauche.clear();
  ecrits2.clear();
  liberer(navigation1);
  for (SDL_Surface*& s : images_missions) liberer(s);

  int resultat = 1;
  if (general::continuer && jouer) {
    if (choix == general::nb_mission_accompli) {
      resultat = JouerMission(choix, general::nb_map_accompli_mission, Start);
    } else {
      int map = choisir_map(Start, choix);
      if (map != -1) resultat = JouerMission(choix, map, Start);
    }
  }
  if (resultat == 0 || resultat == 1) EcranTitre2(Start);
}

int choisir_map(SDL_Surface* Start, int mission) {
  Etiquettes gauche, ecrits2;
  colonne_gauche(gauche, Y_CARTES);
  SDL_Surface* navigation1 = charger("Menus/Start/navigation.png");
  SDL_Surface* navigation2 = charger("Menus/Start/navigation2.png");
  general::nb_map_mission = LireNbMapMission(mission);
  int nb = std::max<int>(general::nb_map_mission, 0);
  int h = pas_des_rangees(gauche);
  for (int k = 0; k < nb; ++k) etiquette(ecrits2, LireNomMap(mission, k), 250, 295 + k * h);

  int choix = 0, u = 0;
  bool cont = true, retour = false;
  while (cont && general::continuer) {
    fondu(Start, u);
    if (Navigation n = naviguer(choix, nb); n != Navigation::RIEN) {
      retour = n == Navigation::RETOUR;
      cont = false;
    }
    noir();
    poser(Start, 0, 0);
    poser_bas_gauche(navigation1);
    poser_bas_droite(navigation2);
    barre_liste(ecrits2, choix);
    dessiner(gauche);
    dessiner(ecrits2);
    fin_image();
  }
  gauche.clear();
  ecrits2.clear();
  liberer(navigation1);
  liberer(navigation2);
  // A mission without maps has nothing to play.
  if (retour || nb == 0) return -1;
  return choix;
}

void informations(SDL_Surface* Start) {
  // Only the early build has help pages; this one never opens them.
  if constexpr (!early) return;
  Etiquettes titres;
  SDL_Surface* pages[NB_PAGES];
  for (int k = 0; k < NB_PAGES; ++k) {
    etiquette(titres, titre_page(k), 26, Y_PAGES[k]);
    const std::string nom = "Menus/Start/informations/" + std::to_string(k + 1) + ".png";
    pages[k] = charger(nom.c_str());
  }
  SDL_Surface* navigation1 = charger("Menus/Start/navigation.png");
  SDL_Surface* navigation2 = charger("Menus/Start/navigation2.png");
  int choix = 0, u = 0;
  bool retour = false;
  while (!retour && general::continuer) {
    fondu(Start, u);
    // Return has nothing to open here: the page already shows.
    retour = naviguer(choix, NB_PAGES) == Navigation::RETOUR;
    noir();
    poser(Start, 0, 0);
    poser_bas_gauche(navigation1);
    poser_bas_droite(navigation2);
    barre(titres[choix]->position.x - 14, titres[choix]->position.y, 206, 20);
    dessiner(titres);
    poser(pages[choix], 0, 0);
    fin_image();
  }
  titres.clear();
  for (SDL_Surface*& p : pages) liberer(p);
  liberer(navigation1);
  liberer(navigation2);
  if (retour && general::continuer) EcranTitre2(Start);
}
