#include "editor/Mappeur.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "battle/FichierMap.h"
#include "battle/Perso.h"
#include "editor/CreerPerso.h"
#include "editor/NomFichier.h"
#include "editor/ProprieteMap.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/Interface.h"
#include "engine/OuvrirImage.h"
#include "menus/EcranTitre.h"

namespace {

const char* const Titres[13] = {"Objectifs a placer",   "Ombres",
                                "Obstacles",            "Ennemis",
                                "Allies",               "Objets",
                                "Objets Destructibles", "Ascenseur etc",
                                "Vehicules Terrestres", "Vehicules Aeriens",
                                "",                     "Vehicules Polyvalents",
                                "Objets Animes"};

// The camera stays where editor positions still fit the battle's 16-bit
// coordinates (twice the editor's, less half a screen).
constexpr int CAMERA_MAX = 15000;

bool contient(const SDL_Rect& pos, const SDL_Rect& trame, int px, int py) {
  return pos.x <= px && px < pos.x + trame.w && pos.y <= py && py < pos.y + trame.h;
}

bool reel(const Reference* r) { return r && r != Reference::Vide && r->type != AUCUN; }

// The last placed item of a kind holding the map point, and its slot.
long item_sous(int type, int px, int py) {
  for (long i = Reference::derniere_Reference - 1; i >= 0; --i) {
    Reference* r = Reference::References[i];
    if (reel(r) && r->type == type && contient(r->position, r->TramePrincipale, px, py)) return i;
  }
  return -1;
}

bool nomme(const Objet_de_Reference* o, const char* nom) {
  const char* n = o ? o->Nom.retournertexte() : nullptr;
  return n && std::strcmp(n, nom) == 0;
}

Reference* placer_perso(Objet_de_Reference* s, SDL_Rect lieu) {
  Perso p = LirePerso(s->Nom.retournertexte());
  int compte = p.camp_perso ? Reference_Perso::nb_ennemis : Reference_Perso::nb_allies;
  if (compte >= LIMITE_PAR_CAMP && p.armeprincipale != 2) {
    std::fprintf(stderr, "%s camp is full (%d): \"%s\" not placed\n", p.camp_perso ? "enemy" : "allied",
                 LIMITE_PAR_CAMP, s->Nom.retournertexte());
    return nullptr;
  }
  auto* r = new Reference_Perso(s, lieu);
  r->compter();
  return r;
}

Reference* placer_objectif(Objet_de_Reference* s, int px, int py) {
  long cible = -1;
  for (int type : {OBJETS_DESTRUCTIBLES, VEHICULE_TERRESTRE, VEHICULE_POLYVALENT, VEHICULE_AERIEN})
    if (cible < 0) cible = item_sous(type, px, py);
  if (cible < 0 && nomme(s, "detruire.png")) cible = item_sous(ENNEMIS, px, py);
  if (cible < 0 && nomme(s, "defendre.png")) cible = item_sous(ALLIES, px, py);
  if (cible < 0 || item_sous(CIBLE, px, py) >= 0) return nullptr;
  Reference* t = Reference::References[cible];
  SDL_Rect lieu = t->position, trame = t->TramePrincipale;
  auto* m = new ReferenceCible(s, lieu, -1);
  m->position = lieu;
  m->TramePrincipale = trame;
  return m;
}

Sint16 borne(int v) { return static_cast<Sint16>(std::clamp(v, -CAMERA_MAX, CAMERA_MAX)); }

void vider_evenements() {
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    if (e.type == SDL_QUIT) general::continuer = false;
  }
  std::memset(Touches, 0, sizeof Touches);
}

void remplir(Uint8 r, Uint8 g, Uint8 b) {
  if (general::ecran) SDL_FillRect(general::ecran, nullptr, SDL_MapRGB(general::ecran->format, r, g, b));
}

// One run of the editor: what the loop keeps between frames.
struct Editeur {
  int page = OBJET;
  Objet_de_Reference* selection = nullptr;
  ecriture* titre = nullptr;
  Timing action, defilement;
  SDL_Surface* sol = nullptr;
  // A failed save is shown on screen for a while.
  std::unique_ptr<ecriture2> alerte;
  Timing duree_alerte;

  int souris_x() const { return Interface::Curseur ? Interface::Curseur->position.x : 0; }
  int souris_y() const { return Interface::Curseur ? Interface::Curseur->position.y : 0; }
  bool pret(int ms) {
    if (action.cycle(ms) != 3) return false;
    action.remise_a_zero();
    return true;
  }

  void changer_page(int p) {
    page = p;
    if (titre) {
      titre->retirer_ligne();
      titre->ajouter_ligne(P_char(titre_page(page)));
    }
    general::Scrolling_Mappeur.y = 0;
  }

  void appliquer(const SDL_Event& e) {
    suivre_touches(e);
    if (e.type == SDL_MOUSEMOTION && Interface::Curseur) {
      Interface::Curseur->position.x = static_cast<Sint16>(e.motion.x);
      Interface::Curseur->position.y = static_cast<Sint16>(e.motion.y);
    }
    if (e.type == SDL_QUIT) general::continuer = false;
  }

  void camera() {
    SDL_Rect& s = general::Scrolling;
    if (touche(SDLK_UP)) s.y = borne(s.y - 10);
    if (touche(SDLK_DOWN)) s.y = borne(s.y + 10);
    if (touche(SDLK_LEFT)) s.x = borne(s.x - 10);
    if (touche(SDLK_RIGHT)) s.x = borne(s.x + 10);
  }

  void pages() {
    if (touche(controles::C_DROITE)) {
      if (pret(300)) changer_page(page_suivante(page));
    } else if (touche(controles::C_GAUCHE) && pret(300)) {
      changer_page(page_precedente(page));
    }
    if (defilement.cycle(50) == 3) {
      if (touche(controles::C_BAS))
        general::Scrolling_Mappeur.y = static_cast<Sint16>(general::Scrolling_Mappeur.y + 3);
      else if (touche(controles::C_HAUT))
        general::Scrolling_Mappeur.y = static_cast<Sint16>(general::Scrolling_Mappeur.y - 3);
    }
  }

  void souris() {
    int x = souris_x(), y = souris_y();
    int px = x + general::Scrolling.x, py = y + general::Scrolling.y;
    if (!bouton(SDL_BUTTON_RIGHT) && bouton(SDL_BUTTON_LEFT)) {
      if (x < LARGEUR_PALETTE) {
        if (Objet_de_Reference* o = entree_sous(page, x, y)) selection = o;
      } else if (x > LARGEUR_PALETTE && pret(250)) {
        placer_selection(selection, px, py);
      }
    } else if (bouton(SDL_BUTTON_RIGHT) && !bouton(SDL_BUTTON_LEFT) && x > LARGEUR_PALETTE && pret(250)) {
      supprimer_sous(page, px, py);
    }
  }

  void dessiner_sol() {
    if (!sol || sol->w <= 0 || !general::ecran) return;
    int w = sol->w, h = sol->h;
    int cx = general::Scrolling.x, cy = general::Scrolling.y;
    for (int c = cx / w - 3; c <= cx / w + 2; ++c) {
      SDL_Rect r = Rect(c * w - cx + LARGEUR_PALETTE, general::ecran->h - h - cy, 0, 0);
      Blitter(sol, nullptr, general::ecran, &r);
    }
  }

  void dessiner() {
    remplir(122, 122, 122);
    dessiner_sol();
    BlitingMappeur(static_cast<char>(page));
    if (selection && selection->type == page && selection->TramePrincipale.w > 0 &&
        selection->TramePrincipale.h > 0) {
      if (SDL_Surface* cadre = GenererCadre(selection->TramePrincipale.w, selection->TramePrincipale.h,
                                            general::Rouge, 3)) {
        SDL_Rect r = selection->boite();
        Blitter(cadre, nullptr, general::ecran, &r);
        SDL_FreeSurface(cadre);
      }
    }
    if (alerte && duree_alerte.cycle(3000) == 2) alerte->comportement();
  }

  void alerter(const std::string& texte) {
    SDL_Rect lieu = Rect(LARGEUR_PALETTE + 10, general::ecran ? general::ecran->h / 2 : 0, 0, 0);
    alerte = std::make_unique<ecriture2>(general::Police, P_char(texte.c_str()), lieu);
    duree_alerte.en_cours = true;
    duree_alerte.remise_a_zero();
  }

  // Save, then the character editor and the title screen. A map that
  // could not be saved keeps its items and the editor stays open.
  bool passer_la_main() {
    SDL_Rect camera = general::Scrolling;
    general::Scrolling = Rect(0, 0, 0, 0);
    if (!SauvegarderMap()) {
      general::Scrolling = camera;
      touche(SDLK_RETURN) = false;
      alerter(std::string("Sauvegarde impossible : ") + general::nom_map.retournertexte() + ".map");
      return false;
    }
    // The widget list is emptied below: the title goes first.
    delete titre;
    titre = nullptr;
    DesallouerMappeur();
    P_char nom = relever_nom_perso("Choix du Nom du Personnage \xE0 modifier : ", "Soldat");
    if (general::continuer) creerPerso(nom.retournertexte());
    EcranTitre();
    return true;
  }
};

}  // namespace

int page_suivante(int page) {
  ++page;
  if (page == DEBUG) page = VEHICULE_POLYVALENT;
  if (page >= AUCUN) page = CIBLE;
  return page;
}

int page_precedente(int page) {
  --page;
  if (page == DEBUG) page = VEHICULE_AERIEN;
  if (page < CIBLE) page = OBJET_ANIME;
  return page;
}

const char* titre_page(int page) { return page >= 0 && page < 13 ? Titres[page] : ""; }

Objet_de_Reference* entree_sous(int page, int x, int y) {
  long n = std::min<long>(Objet_de_Reference::nb_Objet_de_reference, Objet_de_Reference::NB_MAX);
  for (long i = n - 1; i >= 0; --i) {
    Objet_de_Reference* o = Objet_de_Reference::Objets_de_Reference[i];
    if (o && o->type == page && contient(o->boite(), o->TramePrincipale, x, y)) return o;
  }
  return nullptr;
}

Reference* placer_selection(Objet_de_Reference* s, int px, int py) {
  if (!s) return nullptr;
  SDL_Rect lieu = Rect(px - s->TramePrincipale.w / 2, py - s->TramePrincipale.h / 2, 0, 0);
  bool marqueur = s->type == CIBLE || s->type == DIVERS || s->type == AUCUN;
  if (marqueur && (nomme(s, "Debut.png") || nomme(s, "Fin.png"))) {
    // One start and one end: the new one replaces the old.
    const char* nom = s->Nom.retournertexte();
    for (long i = 0; i < Reference::derniere_Reference; ++i) {
      Reference* r = Reference::References[i];
      if (reel(r) && r->Nom == nom) Reference::Supprimer(i);
    }
  }
  switch (s->type) {
    case CIBLE: return placer_objectif(s, px, py);
    case ENNEMIS:
    case ALLIES: return placer_perso(s, lieu);
    default: return new Reference(s, lieu);
  }
}

bool supprimer_sous(int page, int px, int py) {
  long i = item_sous(page, px, py);
  if (i < 0) return false;
  Reference* r = Reference::References[i];
  if (r->type != CIBLE) {
    for (long k = 0; k < Reference::derniere_Reference; ++k) {
      Reference* m = Reference::References[k];
      if (reel(m) && m->type == CIBLE && m->position.x == r->position.x && m->position.y == r->position.y)
        Reference::Supprimer(k);
    }
  }
  Reference::Supprimer(i);
  return true;
}

int Mappeur() {
  vider_evenements();
  // Leaving the editor emptied the widget list, its frame and cursor with it.
  ReenregistrerWidgetsMappeur();
  general::Scrolling = general::origine;
  remplir(122, 122, 122);
  Horloge::flip(general::ecran);
  Editeur ed;
  general::nom_map = relever_nom_map("Veuillez saisir le nom de la map voulue : ", "Aucun");
  vider_evenements();
  if (Objet_de_Reference::nb_Objet_de_reference > 2) ed.selection = Objet_de_Reference::Objets_de_Reference[2];
  if (general::continuer) LireMap();
  ed.titre = new ecriture(general::Police, P_char("Ressources actuelles : "), general::origine, general::Blanc);
  ed.titre->ajouter_ligne(P_char(titre_page(ed.page)));
  ed.action.en_cours = ed.defilement.en_cours = true;
  ed.action.remise_a_zero();
  ed.defilement.remise_a_zero();
  ed.sol = AllouerImage("Sol/base.png", 1, false);
  if (Interface::Curseur) {
    // The cursor starts where the mouse is.
    int x = 0, y = 0;
    SDL_GetMouseState(&x, &y);
    Interface::Curseur->layer = 4;
    Interface::Curseur->position.x = static_cast<Sint16>(x);
    Interface::Curseur->position.y = static_cast<Sint16>(y);
  }
  while (general::continuer) {
    if (SDL_PollEvent(&general::event)) {
      ed.appliquer(general::event);
      if (touche(SDLK_RETURN) && general::continuer && ed.passer_la_main()) return 0;
    }
    ed.camera();
    ed.pages();
    ed.souris();
    ed.dessiner();
    Horloge::flip(general::ecran);
    Horloge::attendre(10);
    if (touche(controles::C_PROP) && ed.pret(500)) {
      proprietemap();
      // The Return that closed the dialog is still down: the next event,
      // a mouse motion as well, would read it as leaving the editor.
      touche(SDLK_RETURN) = false;
      ed.action.remise_a_zero();
    }
  }
  delete ed.titre;
  return 0;
}
