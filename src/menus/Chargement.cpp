#include "menus/Chargement.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "battle/Sauvegarde.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "menus/EcranMenu.h"
#include "menus/EcranTitre2.h"

using namespace EcranMenu;

std::string nom_systeme(int n) { return "Systeme" + std::to_string(n) + ".sav"; }
std::string nom_partie(int n) { return "Partie" + std::to_string(n) + ".sav"; }

int Relever_Nb_Partie() {
  int n = 0;
  while (Fichiers::existe(nom_systeme(n).c_str())) ++n;
  return n;
}

void Nouvelle_Partie() {
  general::fichier_utilise = Relever_Nb_Partie();
  // The game goes on in memory; the player learns it is not in the slot.
  SauvegardeSystemeAvertie();
}

namespace {

bool lire_tout(const std::string& nom, std::vector<char>& octets) {
  FILE* f = Fichiers::ouvrir(nom.c_str(), "rb");
  if (!f) return false;
  octets.clear();
  char tampon[4096];
  size_t n;
  while ((n = std::fread(tampon, 1, sizeof tampon, f)) > 0) octets.insert(octets.end(), tampon, tampon + n);
  bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

// Slot file `de` is written over `vers` whole, or `vers` is left as it was.
bool copier(const std::string& de, const std::string& vers) {
  std::vector<char> octets;
  if (!lire_tout(de, octets)) {
    std::fprintf(stderr, "cannot read \"%s\" to move it to \"%s\"\n", de.c_str(), vers.c_str());
    return false;
  }
  Fichiers::EcritureSure e(Fichiers::resoudre(vers.c_str()).c_str());
  bool ok = e.ouvert() && std::fwrite(octets.data(), 1, octets.size(), e.flux()) == octets.size() && e.valider();
  if (!ok) std::fprintf(stderr, "cannot write \"%s\"\n", vers.c_str());
  return ok;
}

bool supprimer(const std::string& nom) {
  if (!Fichiers::existe(nom.c_str())) return true;
  if (std::remove(Fichiers::resoudre(nom.c_str()).c_str()) == 0) return true;
  std::fprintf(stderr, "cannot remove \"%s\": %s\n", nom.c_str(), std::strerror(errno));
  return false;
}

// The companion follows its slot; a slot without one leaves none below.
bool deplacer_compagnon(int de, int vers) {
  if (Fichiers::existe(nom_partie(de).c_str())) return copier(nom_partie(de), nom_partie(vers));
  return supprimer(nom_partie(vers));
}

}  // namespace

bool SupprimerSauvegarde(int saveasup, int& nb_save) {
  if (nb_save < 2) {
    if (!supprimer(nom_systeme(0)) || !supprimer(nom_partie(0))) return false;
    nb_save = 0;
    return true;
  }
  if (saveasup < 0 || saveasup >= nb_save) {
    std::fprintf(stderr, "no save slot %d to delete\n", saveasup + 1);
    return false;
  }
  for (int i = saveasup + 1; i < nb_save; ++i)
    if (!copier(nom_systeme(i), nom_systeme(i - 1)) || !deplacer_compagnon(i, i - 1)) {
      std::fprintf(stderr, "the save slots were not all renumbered: slots %d and %d may hold the same game\n", i,
                   i + 1);
      return false;
    }
  int dernier = nb_save - 1;
  if (!supprimer(nom_systeme(dernier)) || !supprimer(nom_partie(dernier))) return false;
  --nb_save;
  return true;
}

void Chargement() {
  SDL_Surface* Start = charger("Start.png");
  int choixmax2 = Relever_Nb_Partie();
  int nb_choix = choixmax2 > 0 ? 3 : 1;
  SDL_Surface* navigation1 = charger("Menus/Start/navigation.png");
  SDL_Surface* navigation2 = charger("Menus/Start/navigation2.png");

  Etiquettes ecrits, ecrits2;
  etiquette(ecrits, texte("Nouvelle Partie", "New Game"), 26, 230);
  etiquette(ecrits, texte("Charger Partie", "Load a Saved Game"), 26, 252);
  etiquette(ecrits, texte("Supprimer Partie", "Delete a Saved game"), 26, 272);
  int y = 255;
  for (int i = 0; i < choixmax2; ++i) {
    std::string t = std::string(texte("- Partie ", "- Game ")) + std::to_string(i + 1);
    y += hauteur(etiquette(ecrits2, t.c_str(), 250, y));
  }

  int choix = 0, choix2 = 0, u = 0;
  bool cont = true, choisi = false, choice = false;
  while (cont && general::continuer) {
    fondu(Start, u);
    switch (evenement()) {
      case SDLK_ESCAPE:
        if (choisi)
          choisi = false;
        else
          cont = false;
        break;
      case SDLK_RETURN:
        if (choix == 0) {
          choice = true;
          cont = false;
        } else if (!choisi) {
          choisi = true;
        } else if (choix == 2) {
          SupprimerSauvegarde(choix2, choixmax2);
          choice = true;
          cont = false;
        } else {
          general::fichier_utilise = choix2;
          choice = true;
          cont = false;
        }
        break;
      case SDLK_DOWN:
        if (choisi)
          choix2 = descendre(choix2, choixmax2);
        else
          choix = descendre(choix, nb_choix);
        break;
      case SDLK_UP:
        if (choisi)
          choix2 = monter(choix2, choixmax2);
        else
          choix = monter(choix, nb_choix);
        break;
      default:
        break;
    }
    noir();
    poser(Start, 0, 0);
    poser_bas_gauche(navigation1);
    poser_bas_droite(navigation2);
    ecriture2* item = ecrits[choix].get();
    barre(item->position.x - 14, item->position.y, 206, 18);
    if (choisi && choix != 0 && choix2 < static_cast<int>(ecrits2.size())) {
      ecriture2* rangee = ecrits2[choix2].get();
      barre(rangee->position.x - 20, rangee->position.y, 700, 18);
    }
    ecrits[0]->comportement();
    if (choixmax2 > 0) {
      ecrits[1]->comportement();
      ecrits[2]->comportement();
    }
    dessiner(ecrits2);
    fin_image();
  }
  liberer(navigation1);
  liberer(navigation2);
  ecrits.clear();
  ecrits2.clear();

  if (choix == 0 && choice) Nouvelle_Partie();
  if (choix == 2 && choice) {
    liberer(Start);
    Chargement();
    return;
  }
  if (choice) {
    LectureSysteme(0, 0);
    EcranTitre2(Start);
  } else {
    general::fichier_utilise = -1;
    general::continuer = false;
  }
  // Every screen that borrowed the background has returned by now.
  liberer(Start);
}
