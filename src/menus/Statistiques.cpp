#include "menus/Statistiques.h"

#include <string>

#include "battle/Missions.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "menus/EcranMenu.h"
#include "menus/EcranTitre2.h"

using namespace EcranMenu;

namespace {

// A text followed by a value it watches; the line is made again only when
// the value changed.
template <typename T>
class Compteur : public ecriture2 {
 public:
  Compteur(const char* prefixe, const T* valeur, int x, int y)
      : ecriture2(general::Police, P_char(""), SDL_Rect{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0}),
        prefixe_(prefixe),
        valeur_(valeur),
        montree_(*valeur) {
    ajouter_ligne((prefixe_ + std::to_string(montree_)).c_str());
  }
  void comportement() override {
    if (*valeur_ != montree_) {
      montree_ = *valeur_;
      while (nb_ligne > 0) retirer_ligne();
      ajouter_ligne((prefixe_ + std::to_string(montree_)).c_str());
    }
    ecriture2::comportement();
  }

 private:
  std::string prefixe_;
  const T* valeur_;
  T montree_;
};

template <typename T>
ecriture2* compteur(Etiquettes& e, const char* prefixe, const T* v, int x, int y) {
  e.push_back(std::make_unique<Compteur<T>>(prefixe, v, x, y));
  return e.back().get();
}

const char* const Textes[10] = {
    retourneur("Progression : ", "Progress :", 0), " %", retourneur("Temps de Jeu : ", "Past Time : ", 0),
    retourneur("  heures ", "  Hours ", 0),        "  min  ", "  sec",
    retourneur("Wex Actuelle : ", "Actual Wex : ", 0), retourneur("Nombre de Tu\xE9s : ", "Killed : ", 0),
    retourneur("Nombre de Morts : ", "Deaths : ", 0),  retourneur("Nombre de HS : ", "Executed HeadShots : ", 0)};
const char* const TextesAnciens[10] = {"Progression : ",    " %", "Temps de Jeu : ", " heures ", " min ", " sec",
                                       "Wex Actuelle : ",   "Nombre de Tu\xE9s : ", "Nombre de Morts : ",
                                       "Nombre de HeadShots : "};

int droite(const ecriture2* e) { return e->position.x + largeur(e); }
int dessous(const ecriture2* e) { return e->position.y + hauteur(e); }

// The screens that only go back: Escape, or the window closing.
bool fin_demandee(bool& retour) {
  if (evenement() == SDLK_ESCAPE) retour = true;
  return retour || !general::continuer;
}

}  // namespace

Duree decouper(long t) { return {t / 3600, (t % 3600) / 60, t % 60}; }

void statistiques(SDL_Surface* Start) {
  long progression = ReleverProgression();
  long heure = 0, min = 0, sec = 0;
  Etiquettes w;
  const char* const* t = early ? TextesAnciens : Textes;
  // Each piece of the time line stands where the previous one ended when the
  // screen opened; longer numbers later may overlap the next piece.
  ecriture2* w1 = compteur(w, t[0], &progression, 249, 217);
  etiquette(w, t[1], droite(w1) + 10, w1->position.y);
  ecriture2* w3 = compteur(w, t[2], &heure, 249, dessous(w1));
  ecriture2* w4 = compteur(w, t[3], &min, droite(w3), dessous(w1));
  ecriture2* w5 = compteur(w, t[4], &sec, droite(w4) + 10, dessous(w1));
  ecriture2* w6 = etiquette(w, t[5], droite(w5), dessous(w1));
  ecriture2* w7 = compteur(w, t[6], &general::wex_actuelle, 249, dessous(w6));
  ecriture2* w8 = compteur(w, t[7], &general::nb_tue, 249, dessous(w7));
  ecriture2* w9 = compteur(w, t[8], &general::nb_mort, 249, dessous(w8));
  compteur(w, t[9], &general::nb_hs, 249, dessous(w9));
  SDL_Surface* navigation2 = charger("Menus/Start/navigation2.png");

  int u = 0;
  bool retour = false;
  while (!retour && general::continuer) {
    Duree d = decouper(ReleverTempsdeJeu());
    heure = d.heure;
    min = d.min;
    sec = d.sec;
    fondu(Start, u);
    fin_demandee(retour);
    noir();
    poser(Start, 0, 0);
    poser_bas_droite(navigation2);
    dessiner(w);
    fin_image();
  }
  liberer(navigation2);
  w.clear();
  if (retour && general::continuer) EcranTitre2(Start);
}

void credits(SDL_Surface* Start) {
  SDL_Surface* navigation2 = charger("Menus/Start/navigation2.png");
  SDL_Surface* image = charger("Menus/Start/Credits/credits.png");
  int u = 0;
  bool retour = false;
  while (!retour && general::continuer) {
    fondu(Start, u);
    fin_demandee(retour);
    noir();
    poser(Start, 0, 0);
    poser_bas_droite(navigation2);
    poser(image, 0, 0);
    fin_image();
  }
  liberer(navigation2);
  liberer(image);
  if (retour && general::continuer) EcranTitre2(Start);
}
