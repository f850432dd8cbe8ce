#include "editor/ProprieteMap.h"

#include <climits>
#include <cstring>
#include <memory>
#include <string>

#include "battle/FichierMap.h"
#include "battle/Perso.h"
#include "engine/CompteurNumerique.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/Saisie.h"
#include "engine/ecriture_dynamique.h"

namespace {

enum Ligne {
  FOND = 0, ALLIES_MAP, ENNEMIS_MAP, NOM, SOL, INFILTRATION, CHOIX, METEO, CINE_DEBUT, CINE_FIN,
  SAUVER, CHARGER, DUREE, NB_LIGNES
};

int hauteur(const ecriture2* e) { return e && e->nb_ligne > 0 && e->image && e->image[0] ? e->image[0]->h : 0; }
int largeur(const ecriture2* e) { return e && e->nb_ligne > 0 && e->image && e->image[0] ? e->image[0]->w : 0; }

void ajouter(int32_t& v, int32_t d) {
  if (d > 0 && v > INT32_MAX - d) v = INT32_MAX;
  else v += d;
}

struct Dialogue {
  int ligne = 0;
  Timing navigation, depart;
  int32_t minutes = 0, secondes = 0;
  // The text rows follow the settings through these.
  P_char* liens[NB_LIGNES] = {};
  std::unique_ptr<ecriture2> rangees[NB_LIGNES];
  std::unique_ptr<ecriture2> secondes_w, sec;
  std::unique_ptr<ecriture2> alerte;
  // The Return last pressed has had its row's action: only then may it close.
  bool retour_servi = false;
  // A Return seen while a row move holds the rows back acts when the wait
  // ends, held or not; one already released then closes the dialog itself.
  bool retour_attendu = false, retour_relache = false;

  ecriture_dynamique2* texte(int l) { return static_cast<ecriture_dynamique2*>(rangees[l].get()); }
  static bool est_texte(int l) {
    return l == FOND || l == NOM || l == SOL || l == METEO || l == CINE_DEBUT || l == CINE_FIN;
  }

  void creer() {
    struct Texte {
      int l;
      const char* prefixe;
      P_char* lien;
    };
    const Texte textes[] = {{FOND, "Nom du fond de la map : ", &general::nom_fond},
                            {NOM, "Nom de la map : ", &general::nom_map},
                            {SOL, "Nom du sol de la map : ", &general::nom_sol},
                            {METEO, "Meteorologie : ", &general::Meteorologie},
                            {CINE_DEBUT, "Cinematique de debut de map : ", &general::nom_cine_debut_de_map},
                            {CINE_FIN, "Cinematique de fin de map : ", &general::nom_cine_fin_de_map}};
    SDL_Rect lieu = general::origine;
    for (int l = 0; l < NB_LIGNES; ++l) {
      for (const Texte& t : textes)
        if (t.l == l) {
          liens[l] = t.lien;
          rangees[l] = std::make_unique<ecriture_dynamique2>(t.prefixe, &liens[l], lieu);
        }
      if (l == ALLIES_MAP) rangees[l] = std::make_unique<CompteurNumerique2>("Effectif Allie : ", &general::effectifs_map[0], lieu);
      if (l == ENNEMIS_MAP) rangees[l] = std::make_unique<CompteurNumerique2>("Effectif Ennemi : ", &general::effectifs_map[1], lieu);
      if (l == INFILTRATION)
        rangees[l] = std::make_unique<ecriture2>(general::Police, P_char((std::string("Infiltration : ") + texte_infiltration(general::infiltration)).c_str()), lieu);
      if (l == CHOIX)
        rangees[l] = std::make_unique<ecriture2>(general::Police, P_char((std::string("Choix perso : ") + texte_choix_perso(general::Choix_perso)).c_str()), lieu);
      if (l == SAUVER) rangees[l] = std::make_unique<ecriture2>(general::Police, P_char("Sauvegarder Map"), lieu);
      if (l == CHARGER) rangees[l] = std::make_unique<ecriture2>(general::Police, P_char("Charger map / Creer map"), lieu);
      if (l == DUREE) {
        recompter();
        rangees[l] = std::make_unique<CompteurNumerique2>("Duree de la map : ", &minutes, lieu);
        int wm = largeur(rangees[l].get());
        secondes_w = std::make_unique<CompteurNumerique2>(" min ", &secondes, Rect(wm + 10, lieu.y, 0, 0));
        int ws = largeur(secondes_w.get());
        sec = std::make_unique<ecriture2>(general::Police, P_char(" sec "), Rect(wm + ws + 20, lieu.y, 0, 0));
      }
      lieu.x = 0;
      lieu.y = static_cast<Sint16>(lieu.y + hauteur(rangees[l].get()));
    }
  }

  // A cleared row keeps a lone blank to type after; the name it gives the
  // map carries none, or the battle would look for " Pluie/".
  void rendre_textes() {
    for (int l = 0; l < NB_LIGNES; ++l)
      if (const char* t = liens[l] ? liens[l]->retournertexte() : nullptr) {
        const std::string n = sans_blancs(t);
        if (n != t) *liens[l] = n.c_str();
      }
  }

  void recompter() {
    minutes = general::temps_map / 60;
    secondes = general::temps_map % 60;
  }

  void renommer(int l, const std::string& texte) {
    rangees[l]->retirer_ligne();
    rangees[l]->ajouter_ligne(texte.c_str());
  }

  void saisir(const SDL_keysym& k) {
    if ((k.unicode & 0xFF00) != 0 || k.sym == SDLK_RETURN) return;
    if (est_texte(ligne)) {
      if (k.sym == SDLK_BACKSPACE) texte(ligne)->retirer_lettre();
      else ajouter_caractere(*liens[ligne], k.unicode);
    } else if (ligne == ALLIES_MAP || ligne == ENNEMIS_MAP) {
      int32_t& v = general::effectifs_map[ligne == ALLIES_MAP ? 0 : 1];
      if ((k.unicode >= '0' && k.unicode <= '9') || k.sym == SDLK_BACKSPACE) {
        int n = v;
        saisir_chiffre(n, k.sym == SDLK_BACKSPACE ? SDLK_BACKSPACE : SDLK_UNKNOWN, k.unicode);
        v = n;
      }
    }
  }

  // Right (+1) or Left (-1) on the current row.
  void changer(int sens) {
    switch (ligne) {
      case ALLIES_MAP:
      case ENNEMIS_MAP: {
        int32_t& v = general::effectifs_map[ligne == ALLIES_MAP ? 0 : 1];
        if (sens > 0) ajouter(v, 1);
        else if (v > 0) --v;
        break;
      }
      case INFILTRATION:
        switchbool(general::infiltration);
        renommer(ligne, std::string("Infiltration :") + texte_infiltration(general::infiltration));
        break;
      case CHOIX: {
        int c = general::Choix_perso + sens;
        general::Choix_perso = static_cast<char>(c > 2 ? 0 : c < 0 ? 2 : c);
        renommer(ligne, std::string("Choix perso :") + texte_choix_perso(general::Choix_perso));
        break;
      }
      case DUREE:
        if (sens > 0) ajouter(general::temps_map, 10);
        else if (general::temps_map - 10 >= 0) general::temps_map -= 10;
        break;
      default: break;
    }
  }

  void agir() {
    if (ligne == CHARGER) {
      CreerMap();
      alerte.reset();
    } else if (ligne == SAUVER) {
      if (SauvegarderMap()) alerte.reset();
      else alerte = std::make_unique<ecriture2>(general::Police, P_char("Sauvegarde impossible"), Rect(500, 0, 0, 0));
    }
  }

  void naviguer() {
    if (navigation.cycle(100) != 3) {
      if (touche(SDLK_RETURN)) retour_attendu = true;
      return;
    }
    bool droite = touche(SDLK_RIGHT), gauche = touche(SDLK_LEFT);
    bool haut = touche(SDLK_UP), bas = touche(SDLK_DOWN);
    if (droite != gauche) {
      changer(droite ? 1 : -1);
      if (ligne != NOM && ligne != SOL) navigation.remise_a_zero();
    } else if (haut && !bas) {
      rendre_textes();
      ligne = ligne == 0 ? NB_LIGNES - 1 : ligne - 1;
      navigation.remise_a_zero();
    } else if (bas && !haut) {
      rendre_textes();
      ligne = ligne == NB_LIGNES - 1 ? 0 : ligne + 1;
      navigation.remise_a_zero();
    }
    if (touche(controles::C_PROP) || touche(SDLK_RETURN) || retour_attendu) {
      if (touche(SDLK_RETURN) || retour_attendu) {
        retour_servi = true;
        retour_relache = !touche(SDLK_RETURN);
      }
      retour_attendu = false;
      rendre_textes();
      agir();
      touche(controles::C_PROP) = false;
      touche(SDLK_RETURN) = false;
      navigation.remise_a_zero();
    }
  }

  void dessiner() {
    int h = hauteur(rangees[ALLIES_MAP].get());
    SDL_Rect barre = Rect(0, ligne * h, 1000, h);
    SDL_FillRect(general::ecran, &barre, SDL_MapRGB(general::ecran->format, 255, 122, 122));
    for (auto& r : rangees)
      if (r) r->comportement();
    secondes_w->comportement();
    sec->comportement();
    if (alerte) alerte->comportement();
  }
};

// The last event read goes on acting on the tables until another arrives.
void reporter(const SDL_Event& e) { suivre_touches(e); }

// One event a frame, but pointer motion, which nothing here reads, does not
// use up the frame's turn: a hand resting on a moving mouse queued motions
// ahead of a key's release and held Up or Down for rows more.
bool lire_evenement() {
  SDL_Event e;
  while (SDL_PollEvent(&e))
    if (e.type != SDL_MOUSEMOTION) {
      general::event = e;
      return true;
    }
  return false;
}

}  // namespace

// The early chooser's flag reads any non-zero value as "Oui".
const char* texte_infiltration(char valeur) {
  return retourneur("Oui", "Non", valeur);
}

const char* texte_choix_perso(char valeur) {
  return retourneur("Korvan", "Korvan ou Vesk", "Vesk", static_cast<unsigned char>(valeur < 0 ? 2 : valeur));
}

void proprietemap() {
  if (!general::ecran) return;
  touche(SDLK_RETURN) = false;
  Dialogue d;
  d.navigation.en_cours = d.depart.en_cours = true;
  d.navigation.remise_a_zero();
  d.depart.remise_a_zero();
  d.creer();
  bool partir = false;
  while (!partir && general::continuer) {
    SDL_EnableUNICODE(1);
    d.recompter();
    SDL_FillRect(general::ecran, nullptr, SDL_MapRGB(general::ecran->format, 0, 0, 0));
    // A Return pressed while a row move holds the row's action back waits
    // for that action before it closes the dialog; a save that failed keeps
    // it open with its message, as long as the save row is chosen.
    const bool relache = d.retour_relache;
    d.retour_relache = false;
    if ((touche(SDLK_RETURN) || relache) && d.retour_servi && d.depart.cycle(500) == 3 &&
        !(d.ligne == SAUVER && d.alerte))
      partir = true;
    if (general::event.type == SDL_QUIT) general::continuer = false;
    if (lire_evenement() && general::event.type == SDL_KEYDOWN) {
      if (general::event.key.keysym.sym == SDLK_RETURN) d.retour_servi = false;
      d.saisir(general::event.key.keysym);
    }
    reporter(general::event);
    d.naviguer();
    d.dessiner();
    Horloge::flip(general::ecran);
    Horloge::attendre(10);
    SDL_EnableUNICODE(0);
  }
  d.rendre_textes();
}
