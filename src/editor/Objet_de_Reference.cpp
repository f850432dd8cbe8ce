#include "editor/Objet_de_Reference.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "characters/Element.h"
#include "editor/Reference.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/FormatEcran.h"
#include "engine/Interface.h"
#include "engine/Mapping.h"
#include "engine/OuvrirImage.h"
#include "engine/Partie.h"

Objet_de_Reference* Objet_de_Reference::Objets_de_Reference[NB_MAX] = {};
long Objet_de_Reference::nb_Objet_de_reference = 0;
Objet_de_Reference* Objet_de_Reference::Vide = nullptr;

Disposition Reference_Cible::disposition;
Disposition Reference_Ombre::disposition;
Disposition Reference_Obstacle::disposition;
Disposition Reference_Ennemi::disposition;
Disposition Reference_Allie::disposition;
Disposition Reference_Objet::disposition;
Disposition Reference_ObjetDestructible::disposition;
Disposition Reference_Objet_Animes::disposition;
Disposition Reference_Objet_cle::disposition;
Disposition Reference_Vehicules_Terrestres::disposition;
Disposition Reference_Vehicules_Aeriens::disposition;
Disposition Reference_Vehicules_Polyvalents::disposition;

namespace {

constexpr long LARGEUR_COLONNE = 199;

Disposition* const Toutes[] = {
    &Reference_Cible::disposition,        &Reference_Ombre::disposition,
    &Reference_Obstacle::disposition,     &Reference_Ennemi::disposition,
    &Reference_Allie::disposition,        &Reference_Objet::disposition,
    &Reference_ObjetDestructible::disposition, &Reference_Objet_Animes::disposition,
    &Reference_Objet_cle::disposition,    &Reference_Vehicules_Terrestres::disposition,
    &Reference_Vehicules_Aeriens::disposition, &Reference_Vehicules_Polyvalents::disposition,
};

void placer(SDL_Rect& pos, long x, long y) {
  pos.x = static_cast<Sint16>(x);
  pos.y = static_cast<Sint16>(y);
  pos.w = pos.h = 0;
}

void blit_entier(SDL_Surface* s, int x, int y) {
  if (!s || !general::ecran) return;
  SDL_Rect r = {static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
  Blitter(s, nullptr, general::ecran, &r);
}

}  // namespace

void rangee_plus_haute(Disposition& d, SDL_Rect& pos, int w, int h) {
  if (d.x + w > LARGEUR_COLONNE) {
    d.y += d.y_max;
    d.y_max = h;
    d.x = 0;
  } else {
    d.y_max = std::max<long>(d.y_max, h);
  }
  placer(pos, d.x, d.y);
  d.x += w;
}

void rangee_propre_hauteur(Disposition& d, SDL_Rect& pos, int w, int h) {
  if (d.x + w > LARGEUR_COLONNE) {
    d.y += h;
    d.x = 0;
  }
  placer(pos, d.x, d.y);
  d.x += w;
}

void rangee_polyvalente(Disposition& d, SDL_Rect& pos, int w, int h) {
  if (d.x + w <= LARGEUR_COLONNE || d.y_max == 0) {
    d.y_max = std::max<long>(d.y_max, h);
  } else {
    d.y_max = std::max<long>(d.y_max, h);
    d.y += d.y_max;
    d.x = 0;
    d.y_max = 0;
  }
  placer(pos, d.x, d.y);
  d.x += w;
}

// --- the entry ----------------------------------------------------------

Objet_de_Reference::~Objet_de_Reference() {
  // Only shadows borrow their pictures from the cache.
  if (vignette_propre && image[1]) SDL_FreeSurface(image[1]);
  image[0] = image[1] = nullptr;
}

bool Objet_de_Reference::ajouter(Objet_de_Reference* o) {
  if (nb_Objet_de_reference < 0 || nb_Objet_de_reference >= NB_MAX) {
    std::fprintf(stderr, "palette full: \"%s\" left out\n", o->Nom.retournertexte() ? o->Nom.retournertexte() : "");
    return false;
  }
  Objets_de_Reference[nb_Objet_de_reference++] = o;
  return true;
}

bool Objet_de_Reference::initialiser(Disposition& d, char categorie, const char* nom) {
  vivant = true;
  Tas = false;
  TramePrincipale = {0, 0, 0, 0};
  type = categorie;
  layer = 3;
  Nom = nom ? nom : "";
  // Map files keep the number in a signed byte: a 129th entry of a kind
  // could be placed but never found again.
  if (d.nb_element >= NB_MAX_PAR_TYPE) {
    std::fprintf(stderr, "palette: more than %d entries of kind %d, \"%s\" left out\n", NB_MAX_PAR_TYPE,
                 categorie, Nom.retournertexte());
    return false;
  }
  if (!ajouter(this)) return false;
  element_actuel = d.nb_element++;
  enregistree = true;
  return true;
}

void Objet_de_Reference::charger_vignette(const char* chemin) {
  SDL_Surface* pleine = charger_image(chemin);
  if (!pleine) return;
  image[1] = tourner(pleine, 0.0, 0.5);
  vignette_propre = image[1] != nullptr;
  SDL_FreeSurface(pleine);
  if (image[1]) {
    TramePrincipale.w = static_cast<Uint16>(image[1]->w);
    TramePrincipale.h = static_cast<Uint16>(image[1]->h);
  }
}

SDL_Rect Objet_de_Reference::boite() const {
  return {position.x, static_cast<Sint16>(position.y - general::Scrolling_Mappeur.y), TramePrincipale.w,
          TramePrincipale.h};
}

void Objet_de_Reference::comportement() {
  if (!image[1] || !general::ecran) return;
  SDL_Rect r = boite();
  SDL_Rect source = TramePrincipale;
  Blitter(image[1], &source, general::ecran, &r);
}

Objet_de_Reference* Objet_de_Reference::CreerVide() {
  auto* o = new Objet_de_Reference();
  o->layer = 1;
  o->type = AUCUN;
  o->enregistree = ajouter(o);
  if (o->enregistree) o->element_actuel = 0;
  Vide = o;
  return o;
}

void Objet_de_Reference::Vider() {
  for (long i = 0; i < nb_Objet_de_reference && i < NB_MAX; ++i) {
    delete Objets_de_Reference[i];
    Objets_de_Reference[i] = nullptr;
  }
  nb_Objet_de_reference = 0;
  Vide = nullptr;
  for (Disposition* d : Toutes) *d = Disposition();
}

// --- the kinds ----------------------------------------------------------

Reference_Cible::Reference_Cible(const char* nom) {
  if (!initialiser(disposition, CIBLE, nom)) return;
  charger_vignette(("Divers/" + std::string(Nom.retournertexte())).c_str());
  // The first marker of a row stands for a target to defend.
  camp = disposition.x == 0 ? ALLIE : ENNEMI;
  rangee_plus_haute(disposition, position, TramePrincipale.w, TramePrincipale.h);
}

Reference_Ombre::Reference_Ombre(const char* nom, SDL_Surface* pleine, SDL_Surface* demi) {
  if (!initialiser(disposition, OMBRE, nom)) return;
  image[0] = pleine;
  image[1] = demi;
  if (demi) {
    TramePrincipale.w = static_cast<Uint16>(demi->w);
    TramePrincipale.h = static_cast<Uint16>(demi->h);
  }
  rangee_plus_haute(disposition, position, TramePrincipale.w, TramePrincipale.h);
}

void Reference_Ombre::comportement() {
  if (!general::ecran) return;
  std::string nom = "Ombres/" + std::string(Nom.retournertexte());
  SDL_Surface* s = AllouerImage(nom.c_str(), general::dezoom == 0 ? 0 : 1, false);
  if (!s) return;
  SDL_Rect source = {0, 0, TramePrincipale.w, TramePrincipale.h};
  SDL_Rect r = boite();
  Blitter(s, &source, general::ecran, &r);
}

Reference_Obstacle::Reference_Obstacle(const char* nom) {
  if (!initialiser(disposition, OBSTACLE, nom)) return;
  charger_vignette(Nom.retournertexte());
  rangee_propre_hauteur(disposition, position, TramePrincipale.w, TramePrincipale.h);
}

Reference_Perso_Palette::Reference_Perso_Palette(Disposition& d, char categorie, const char* nom) {
  if (!initialiser(d, categorie, nom)) return;
  perso = LirePerso(Nom.retournertexte());
  TramePrincipale.w = TramePrincipale.h = 65;
  placer(position, 0, d.y);
  d.y += 65;
}

void Reference_Perso_Palette::comportement() {
  SDL_Rect r = boite();
  dessiner_perso_compose(r.x, r.y, perso);
}

Reference_Ennemi::Reference_Ennemi(const char* nom) : Reference_Perso_Palette(disposition, ENNEMIS, nom) {}
Reference_Allie::Reference_Allie(const char* nom) : Reference_Perso_Palette(disposition, ALLIES, nom) {}

void Reference_Testee::comportement() {
  long haut = position.y - general::Scrolling_Mappeur.y;
  long ecran_h = general::ecran ? general::ecran->h : 544;
  if (haut + TramePrincipale.h <= 0 || haut >= ecran_h) return;
  Objet_de_Reference::comportement();
}

Reference_Objet::Reference_Objet(const char* nom) {
  if (!initialiser(disposition, OBJET, nom)) return;
  charger_vignette(("Objets/" + std::string(Nom.retournertexte())).c_str());
  rangee_plus_haute(disposition, position, TramePrincipale.w, TramePrincipale.h);
}

Reference_ObjetDestructible::Reference_ObjetDestructible(const char* nom) {
  if (!initialiser(disposition, OBJETS_DESTRUCTIBLES, nom)) return;
  charger_vignette(("Objets_destructibles/" + std::string(Nom.retournertexte()) + "/intact.png").c_str());
  rangee_plus_haute(disposition, position, TramePrincipale.w, TramePrincipale.h);
}

Reference_Objet_Animes::Reference_Objet_Animes(const char* nom) {
  std::string complet = "Objets_Animes/" + std::string(nom ? nom : "");
  if (!initialiser(disposition, OBJET_ANIME, complet.c_str())) return;
  charger_vignette((complet + "1.png").c_str());
  rangee_plus_haute(disposition, position, TramePrincipale.w, TramePrincipale.h);
}

Reference_Objet_cle::Reference_Objet_cle(const char* nom) {
  if (!initialiser(disposition, DIVERS, nom)) return;
  charger_vignette(("Divers/" + std::string(Nom.retournertexte())).c_str());
  rangee_plus_haute(disposition, position, TramePrincipale.w, TramePrincipale.h);
}

Reference_Vehicules_Terrestres::Reference_Vehicules_Terrestres(const char* nom) {
  if (!initialiser(disposition, VEHICULE_TERRESTRE, nom)) return;
  charger_vignette((std::string(Nom.retournertexte()) + "normal.png").c_str());
  rangee_propre_hauteur(disposition, position, TramePrincipale.w, TramePrincipale.h);
}

Reference_Vehicules_Aeriens::Reference_Vehicules_Aeriens(const char* nom) {
  if (!initialiser(disposition, VEHICULE_AERIEN, nom)) return;
  charger_vignette((std::string(Nom.retournertexte()) + "normal.png").c_str());
  rangee_plus_haute(disposition, position, TramePrincipale.w, TramePrincipale.h);
}

Reference_Vehicules_Polyvalents::Reference_Vehicules_Polyvalents(const char* nom) {
  if (!initialiser(disposition, VEHICULE_POLYVALENT, nom)) return;
  charger_vignette((std::string(Nom.retournertexte()) + "normal.png").c_str());
  rangee_polyvalente(disposition, position, TramePrincipale.w, TramePrincipale.h);
}

// --- the composed character ----------------------------------------------

namespace {

int decalage(int w) { return (366 - w) / 4; }

void bras_nu(int s, int k, int rangee, int X, int Y, int Wc) {
  Partie* p = BBras[s][k][rangee][RIFLE];
  if (!p || p->nb_frame == 0) return;
  int w = p->Image[0][0] ? p->Image[0][0]->w : p->dm_image.w;
  blit_entier(p->Image[2][0], X + decalage(w) - Wc / 2, Y + 4);
}

}  // namespace

void dessiner_perso_compose(int X, int Y, const Perso& p) {
  int s = p.index_sexe();
  int k = p.index_couleur();
  Partie* corps = BCorps[s][k][0];
  int Wc = corps ? corps->dm_image.w : 0;
  bras_nu(s, k, 0, X, Y, Wc);
  blit_entier(Element::CouleurPeau[1][k][s], X, Y);
  for (int i = 0; i < NB_ELEMENTS; ++i) {
    if (Element* e = Element::relever(s, p.Vetements[i])) blit_entier(e->Images[1][0][i], X, Y);
    if (i != HAUT2) continue;
    if (SDL_Surface* arme = image_arme_catalogue(p.index_arme_principale()))
      blit_entier(arme, X - Wc / 2 + (366 - 2 * arme->w) / 4, Y + 4);
    bras_nu(s, k, 1, X, Y, Wc);
    Element* b = Element::relever(s, p.Bras);
    if (b && b->existence_bras && b->Bras[0]) blit_entier(b->Bras[1], X + decalage(b->Bras[0]->w) - Wc / 2, Y + 4);
  }
}

// --- start-up and drawing --------------------------------------------------

namespace {
template <class T>
void creer(const char* nom) {
  auto* o = new T(nom);
  if (!o->enregistre()) delete o;
}
}  // namespace

void CreerEntreesFixes() {
  creer<Reference_Objet_cle>("Ascenseur.png");
  creer<Reference_Objet_cle>("Debut.png");
  creer<Reference_Objet_cle>("Fin.png");
  creer<Reference_Objet_cle>("cc-allie.png");
  creer<Reference_Objet_cle>("cc-neutre.png");
  creer<Reference_Objet_cle>("cc-ennemi.png");
  creer<Reference_Cible>("defendre.png");
  creer<Reference_Cible>("detruire.png");
  creer<Reference_Objet_cle>("b-ascenseur.png");
  creer<Reference_Objet_cle>("eau.png");
}

Interface* Cadre_Mappeur = nullptr;

void InitialiserMappeur() {
  if (!Cadre_Mappeur) {
    Cadre_Mappeur = new Interface("cadre.png", general::origine);
    Cadre_Mappeur->layer = 2;
  }
  if (!Objet_de_Reference::Vide) Objet_de_Reference::CreerVide();
  if (!Interface::Curseur) Interface::Curseur = new Interface("curseur.png", general::origine);
  if (!Reference::Vide) Reference::CreerVide();
}

void ReenregistrerWidgetsMappeur() {
  for (Interface* w : {Cadre_Mappeur, Interface::Curseur})
    if (w && !w->enregistre()) w->initialisation();
}

void Bliting_Objets_de_Reference(char page) {
  for (long i = 0; i < Objet_de_Reference::nb_Objet_de_reference; ++i) {
    Objet_de_Reference* o = Objet_de_Reference::Objets_de_Reference[i];
    if (o && o->type == page) o->comportement();
  }
}

void BlitingMappeur(char page) {
  long nb_widgets = Interface::Interfaces ? Interface::derniere_interface : 0;
  long n = std::max({Objet_de_Reference::nb_Objet_de_reference, nb_widgets, Reference::derniere_Reference});
  for (int L = 0; L < 10; ++L) {
    for (long i = 0; i < n; ++i) {
      if (i < Objet_de_Reference::nb_Objet_de_reference) {
        Objet_de_Reference* o = Objet_de_Reference::Objets_de_Reference[i];
        if (o && o->layer == L && o->type == page) o->comportement();
      }
      if (i < nb_widgets) {
        Interface* w = Interface::Interfaces[i];
        if (w && w->layer == L) w->comportement();
      }
      if (i < Reference::derniere_Reference) {
        Reference* r = Reference::References[i];
        if (r && r->layer == L && r->type != AUCUN) r->comportement();
      }
    }
  }
}

