#include "editor/CreerPerso.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "battle/Perso.h"
#include "characters/EditeurPersos.h"
#include "characters/Element.h"
#include "editor/NomFichier.h"
#include "engine/BoucleMonde.h"
#include "engine/CompteurNumerique.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/Saisie.h"
#include "engine/ecriture_dynamique.h"
#include "weapons/Armes.h"
#include "weapons/Katana.h"

namespace {

template <class T, size_t N>
const char* nom_dans(T* const (&table)[N], int i) {
  if (i < 0 || i >= static_cast<int>(N) || !table[i]) return "";
  const char* n = table[i]->get_nom();
  return n ? n : "";
}

int hauteur(const ecriture2* e) { return e && e->nb_ligne > 0 && e->image && e->image[0] ? e->image[0]->h : 0; }
int largeur(const ecriture2* e) { return e && e->nb_ligne > 0 && e->image && e->image[0] ? e->image[0]->w : 0; }

void remplir(Uint8 r, Uint8 g, Uint8 b) {
  if (general::ecran) SDL_FillRect(general::ecran, nullptr, SDL_MapRGB(general::ecran->format, r, g, b));
}

// A character with a file is loaded from it; a new one only needs its sex.
// `nu` starts him with no garment on. False when the window was closed at
// the sex prompt: nothing is started, the character being edited stays whole.
bool commencer_perso(const char* nom, bool nu = false) {
  FILE* f = nom && *nom ? Fichiers::ouvrir(nom, "rb") : nullptr;
  const bool fichier = f != nullptr;
  if (f) std::fclose(f);
  char sexe = general::sexe;
  if (!fichier) {
    sexe = ReleverSexe();
    if (!general::continuer) return false;
  }
  if (nu)
    for (int& c : Element::Construction_en_cours) c = 0;
  general::nom_perso = nom ? nom : "";
  general::sexe = sexe;
  if (fichier) LirePersoEditeur(nom);
  return true;
}

// Hit points and Wex as the file will hold them.
int32_t borne_16(int32_t v) { return std::clamp<int32_t>(v, 0, VALEUR_PERSO_MAX); }

// Steps a catalogue index with wrap-around over 0..n-1.
char pas_circulaire(char v, int sens, int n) {
  int c = static_cast<signed char>(v) + sens;
  if (c >= n || c < 0) c = sens > 0 ? 0 : n - 1;
  return static_cast<char>(c);
}

enum Ligne { ARME = 0, MELEE, PROJ, AURA, NOM, SEXE, PEAU, CAMP, VIE, WEX, SAUVER, CHARGER, NB_LIGNES };

struct Proprietes {
  int ligne = 0;
  Timing navigation, depart;
  P_char* lien = &general::nom_perso;
  std::unique_ptr<ecriture2> rangees[NB_LIGNES];
  std::unique_ptr<ecriture2> alerte;
  bool echec = false;
  // The Return last pressed has had its row's action: only then may it close.
  bool retour_servi = false;
  // A Return seen while a row move holds the rows back acts when the wait
  // ends, held or not; one already released then closes the dialog itself.
  bool retour_attendu = false, retour_relache = false;

  static std::string texte(int l, bool gauche = false) {
    switch (l) {
      case ARME: return std::string("Arme Principale : ") + nom_arme_principale(general::armeprincipale);
      case MELEE: return std::string(gauche ? "Arme de melee :" : "Arme de melee : ") + nom_arme_melee(general::arme_melee);
      case PROJ: return std::string("Projectile : ") + nom_projectile(general::projectile);
      case AURA: return std::string("Aura : ") + nom_aura(general::aura);
      case SEXE: return std::string("Sexe : ") + retourneur("Femme", "Homme", general::sexe);
      case PEAU:
        return std::string("Peau : ") + retourneur("Blanc", "Noir", "Chinois", static_cast<unsigned char>(general::couleur_de_peau));
      case CAMP:
        return std::string("Camp : ") + retourneur("Allie", "Ennemi", "Aucun", static_cast<unsigned char>(general::camp_perso));
      case SAUVER: return "Sauvegarder Perso";
      case CHARGER: return "Creer/Charger Perso";
      default: return "";
    }
  }

  void creer() {
    SDL_Rect lieu = general::origine;
    for (int l = 0; l < NB_LIGNES; ++l) {
      if (l == NOM) rangees[l] = std::make_unique<ecriture_dynamique2>("Nom du Perso :", &lien, lieu);
      else if (l == VIE) rangees[l] = std::make_unique<CompteurNumerique2>("Vie : ", &general::vie_perso, lieu);
      else if (l == WEX) rangees[l] = std::make_unique<CompteurNumerique2>("Wex : ", &general::Wex, lieu);
      else rangees[l] = std::make_unique<ecriture2>(general::Police, P_char(texte(l).c_str()), lieu);
      lieu.x = 0;
      lieu.y = static_cast<Sint16>(lieu.y + hauteur(rangees[l].get()));
    }
  }

  void renommer(int l, bool gauche) {
    rangees[l]->retirer_ligne();
    rangees[l]->ajouter_ligne(texte(l, gauche).c_str());
  }

  void changer(int sens) {
    switch (ligne) {
      case ARME: general::armeprincipale = pas_circulaire(general::armeprincipale, sens, 12); break;
      case MELEE: general::arme_melee = pas_circulaire(general::arme_melee, sens, 5); break;
      case PROJ: general::projectile = pas_circulaire(general::projectile, sens, 4); break;
      case AURA: general::aura = pas_circulaire(general::aura, sens, 3); break;
      case PEAU: general::couleur_de_peau = pas_circulaire(general::couleur_de_peau, sens, 2); break;
      case CAMP: switchbool(general::camp_perso); break;
      case VIE:
      case WEX: {
        int32_t& v = ligne == VIE ? general::vie_perso : general::Wex;
        if (sens > 0) v = std::min(v + 10, VALEUR_PERSO_MAX);
        else if (v - 10 >= 0) v -= 10;
        return;
      }
      default: return;
    }
    renommer(ligne, sens < 0);
  }

  void saisir(const SDL_keysym& k) {
    if ((k.unicode & 0xFF00) != 0 || k.sym == SDLK_RETURN || ligne != NOM) return;
    if (k.sym == SDLK_BACKSPACE) static_cast<ecriture_dynamique2*>(rangees[NOM].get())->retirer_lettre();
    else ajouter_caractere(general::nom_perso, k.unicode);
  }

  void sauver() {
    if (SauvegarderPerso()) {
      alerte.reset();
      return;
    }
    echec = true;
    std::string t = std::string("Sauvegarde impossible : ") + general::nom_perso.retournertexte();
    alerte = std::make_unique<ecriture2>(general::Police, P_char(t.c_str()), Rect(500, 0, 0, 0));
  }

  // True when the row's action closes the dialog.
  bool agir() {
    if (ligne == SAUVER) sauver();
    if (ligne != CHARGER) return false;
    P_char nom = relever_nom_perso("Saisissez le pseudo du nouveau perso", "Nouveau");
    // Undressed only once he is really started: a window closed at either
    // prompt leaves the character being edited whole, and he is written so.
    if (general::continuer) commencer_perso(nom.retournertexte(), true);
    // The Return that closed the prompt is still the last event: read again,
    // it would ask for a name once more. The character is there; we are done.
    touche(SDLK_RETURN) = false;
    return true;
  }

  // True when the dialog is to close.
  bool naviguer() {
    if (navigation.cycle(100) != 3) {
      if (touche(SDLK_RETURN)) retour_attendu = true;
      return false;
    }
    bool droite = touche(SDLK_RIGHT), gauche = touche(SDLK_LEFT);
    bool haut = touche(SDLK_UP), bas = touche(SDLK_DOWN);
    if (droite != gauche) {
      changer(droite ? 1 : -1);
      navigation.remise_a_zero();
    } else if (haut && !bas) {
      ligne = ligne == 0 ? NB_LIGNES - 1 : ligne - 1;
      navigation.remise_a_zero();
    } else if (bas && !haut) {
      ligne = std::min(ligne + 1, NB_LIGNES - 1);
      navigation.remise_a_zero();
    } else if (touche(SDLK_RETURN) || retour_attendu) {
      retour_servi = true;
      retour_relache = !touche(SDLK_RETURN);
      retour_attendu = false;
      return agir();
    }
    return false;
  }

  void dessiner() {
    int h = hauteur(rangees[0].get());
    SDL_Rect barre = Rect(0, ligne * h, 1000, h);
    SDL_FillRect(general::ecran, &barre, SDL_MapRGB(general::ecran->format, 255, 122, 122));
    for (auto& r : rangees) r->comportement();
    if (alerte) alerte->comportement();
  }
};

void reporter(const SDL_Event& e) { suivre_touches(e); }

// The creator's label of a row: the arms sit between parts 4 and 5.
ecriture* etiquette(int ligne) {
  if (ligne == 5) return Element::Nom_bras;
  return Element::Noms[ligne < 5 ? ligne : ligne - 1];
}

}  // namespace

const char* nom_arme_principale(int i) { return nom_dans(Element::ArmesPrincipales, i); }
const char* nom_arme_melee(int i) { return nom_dans(Element::ArmesMelee, i); }
const char* nom_projectile(int i) { return nom_dans(Element::Projectile, i); }
const char* nom_aura(int i) { return nom_dans(Element::Auras, i); }

void proprieteperso() {
  if (!general::ecran) return;
  SDL_EnableUNICODE(1);
  general::vie_perso = borne_16(general::vie_perso);
  general::Wex = borne_16(general::Wex);
  Proprietes d;
  d.navigation.en_cours = d.depart.en_cours = true;
  d.navigation.remise_a_zero();
  d.depart.remise_a_zero();
  d.creer();
  bool partir = false;
  while (!partir && general::continuer) {
    reporter(general::event);
    if (general::event.type == SDL_QUIT) general::continuer = false;
    remplir(0, 0, 0);
    if (SDL_PollEvent(&general::event) && general::event.type == SDL_KEYDOWN) {
      if (general::event.key.keysym.sym == SDLK_RETURN) d.retour_servi = false;
      d.saisir(general::event.key.keysym);
    }
    d.echec = false;
    if (d.naviguer()) partir = true;
    d.dessiner();
    Horloge::flip(general::ecran);
    Horloge::attendre(10);
    // A failed save keeps the dialog open with its message, and a Return
    // pressed while a row move holds the row's action back waits for it.
    const bool relache = d.retour_relache;
    d.retour_relache = false;
    if ((touche(SDLK_RETURN) || relache) && d.retour_servi && d.depart.cycle(500) == 3 && !d.echec) partir = true;
  }
  SDL_EnableUNICODE(0);
}

char ReleverSexe() {
  SDL_Surface* ecran = general::ecran;
  if (!ecran) return 0;
  const int W = ecran->w, H = ecran->h;
  Timing t;
  t.en_cours = true;
  t.remise_a_zero();
  char choix = 0;
  int alpha = 0;
  ecriture2 titre(general::Police, P_char("Choix du sexe :"), general::origine);
  int tw = largeur(&titre);
  titre.position = Rect(W / 2 - tw / 2, W / 8, 0, 0);
  ecriture2 homme(general::Police, P_char("Homme"), Rect(W / 4 - tw / 2, H / 2, 0, 0));
  ecriture2 femme(general::Police, P_char("Femme"), Rect(3 * (W / 4), H / 2, 0, 0));
  bool fin = false;
  while (!fin && general::continuer) {
    alpha = (alpha + 1) % 256;
    if (SDL_PollEvent(&general::event)) {
      const SDL_Event& e = general::event;
      if (e.type == SDL_KEYDOWN) {
        if (e.key.keysym.sym == SDLK_RETURN || e.key.keysym.sym == controles::C_PROP) fin = true;
        touche(e.key.keysym.sym) = true;
      } else if (e.type == SDL_KEYUP) {
        touche(e.key.keysym.sym) = false;
      } else if (e.type == SDL_MOUSEMOTION && Interface::Curseur) {
        Interface::Curseur->position.x = static_cast<Sint16>(e.motion.x);
        Interface::Curseur->position.y = static_cast<Sint16>(e.motion.y);
      } else if (e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP) {
        bouton(e.button.button) = e.type == SDL_MOUSEBUTTONDOWN;
      } else if (e.type == SDL_QUIT) {
        general::continuer = false;
      }
    }
    if (t.cycle(250) == 3) {
      if (touche(SDLK_LEFT)) choix = 0;
      if (touche(SDLK_RIGHT) && choix == 0) choix = 1;
    }
    remplir(0, 122, 0);
    const ecriture2& mot = choix ? femme : homme;
    SDL_Rect fond = Rect(mot.position.x, mot.position.y, largeur(&mot), hauteur(&mot));
    SDL_FillRect(ecran, &fond, SDL_MapRGBA(ecran->format, 0, 0, 255, static_cast<Uint8>(alpha)));
    titre.comportement();
    homme.comportement();
    femme.comportement();
    Horloge::flip(ecran);
  }
  return choix;
}

void creerPerso(const char* nom) {
  // A window closed at the new character's sex prompt leaves nobody to
  // write, as a name prompt closed before this call does.
  if (!commencer_perso(nom)) return;
  InitierEditeurPersos();
  Element::Evenementie.en_cours = true;
  remplir(0, 122, 0);
  Horloge::flip(general::ecran);
  std::memset(Touches, 0, sizeof Touches);
  int ligne = 0;
  std::unique_ptr<ecriture2> alerte;
  for (;;) {
    bool fin = false;
    while (!fin && general::continuer) {
      if (SDL_PollEvent(&general::event)) {
        const SDL_Event& e = general::event;
        if (e.type == SDL_KEYUP) touche(e.key.keysym.sym) = false;
        if (e.type == SDL_KEYDOWN) {
          touche(e.key.keysym.sym) = true;
          if (e.key.keysym.sym == SDLK_RETURN) fin = true;
        }
        if (e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP)
          bouton(e.button.button) = e.type == SDL_MOUSEBUTTONDOWN;
      }
      if (general::event.type == SDL_QUIT) general::continuer = false;
      remplir(0, 122, 0);
      if (touche(controles::C_PROP) && Element::Evenementie.cycle(500) == 3) {
        proprieteperso();
        Element::Evenementie.remise_a_zero();
      }
      if (Element::Evenementie.cycle(500) == 3) {
        auto agir = [](bool tenue, auto f) {
          if (!tenue) return;
          f();
          Element::Evenementie.remise_a_zero();
        };
        agir(touche(SDLK_LEFT), [&] { Element::Previous(ligne); });
        agir(touche(SDLK_RIGHT), [&] { Element::Next(ligne); });
        agir(touche(SDLK_UP), [&] { ligne = ligne == 0 ? 11 : ligne - 1; });
        agir(touche(SDLK_DOWN), [&] { ligne = ligne == 11 ? 0 : ligne + 1; });
      }
      if (ecriture* l = etiquette(ligne); l && general::ecran) {
        int h = l->nb_ligne > 0 && l->image && l->image[0] ? l->image[0]->h : 0;
        SDL_Rect barre = Rect(0, l->position.y, 1000, h);
        SDL_FillRect(general::ecran, &barre, SDL_MapRGB(general::ecran->format, 122, 0, 0));
      }
      Element::AfficherCreation(general::origine);
      BlitingInterfaces();
      if (alerte) alerte->comportement();
      Horloge::flip(general::ecran);
    }
    // Leaving writes the character; when that fails the creator stays open
    // with a message rather than lose the work, unless the window is gone.
    if (SauvegarderPerso() || !general::continuer) break;
    std::string t = std::string("Sauvegarde impossible : ") + general::nom_perso.retournertexte();
    alerte = std::make_unique<ecriture2>(general::Police, P_char(t.c_str()), Rect(500, 0, 0, 0));
  }
  DesallouerPersos();
}
