#include "characters/Element.h"
#include "engine/Interface.h"

#include <cstdio>
#include <string>

#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"
#include "engine/Partie.h"
#include "weapons/Armes.h"

int Element::dernier_element[2] = {0, 0};
Element* Element::Elements[2][NB_MAX_ELEMENTS] = {};
Armes* Element::ArmesPrincipales[12] = {};
Katana* Element::ArmesMelee[5] = {};
Armes* Element::Projectile[4] = {};
Armes* Element::Auras[3] = {};
Element* Element::Base = nullptr;
ecriture* Element::Noms[NB_ELEMENTS] = {};
ecriture* Element::Nom_bras = nullptr;
int Element::Bras_en_cours = 0;
SDL_Surface* Element::CouleurPeau[10][3][2] = {};
int Element::Construction_en_cours[NB_ELEMENTS] = {};
Timing Element::cycle;
Timing Element::Evenementie;
Uint8 Element::frame = 0;

const char* const Element::Nom_Element[NB_ELEMENTS] = {
    "Bas 1 : ", "Bas 2 : ", "Bas 3 : ", "Haut 1 : ", "Haut 2 : ", "Poches : ",
    "Cou : ",   "Lunettes : ", "Cheveux : ", "Yeux : ", "Casque : "};

namespace {

// The creator shows the first running frame of each part. No set has
// glasses, so that part is never loaded.
struct DossierPartie {
  const char* dossier;
  int partie;
};
constexpr DossierPartie Dossiers[] = {{"bas-1", BAS1},   {"bas-2", BAS2},     {"cou", COU},
                                      {"bas-3", BAS3},   {"haut-1", HAUT1},   {"haut-2", HAUT2},
                                      {"cheveux", CHEVEUX}, {"casque", CASQUE}, {"poches", POCHES},
                                      {"visage", YEUX}};

int sexe_courant() { return general::sexe == 1 ? 1 : 0; }
int couleur_courante() { return general::couleur_de_peau == 1 ? 1 : 0; }

// Pictures drawn around the arm's anchor are centred in a 366-pixel band.
void blit_bras(SDL_Surface* s) {
  if (!s) return;
  SDL_Rect r = {static_cast<Sint16>(300 - 130 + (366 - s->w) / 2), 100 + 8, 0, 0};
  Blitter(s, nullptr, general::ecran, &r);
}

void blit_bras_nu(int s, int c, int rangee) {
  Partie* p = BBras[s][c][rangee][RIFLE];
  if (p && p->nb_frame != 0) blit_bras(p->Image[0][0]);
}

}  // namespace

Element::Element(const char* Nom2, char Sexe) {
  sexe2 = Sexe != 0;
  enregistrer();
  std::string base = std::string(sexe2 ? "Femmes/" : "Hommes/") + (Nom2 ? Nom2 : "");
  nom = base.c_str();
  base += "/";
  // A set without some part is ordinary data: nothing to report.
  std::string bras = base + "Bras/rifle1.png";
  Bras[0] = AllouerImage(bras.c_str(), 0, false, false);
  Bras[1] = AllouerImage(bras.c_str(), 1, false, false);
  existence_bras = Bras[0] != nullptr;
  for (const DossierPartie& d : Dossiers) {
    std::string chemin = base + d.dossier + "/run1.png";
    Images[0][0][d.partie] = AllouerImage(chemin.c_str(), 0, false, false);
    Images[1][0][d.partie] = AllouerImage(chemin.c_str(), 1, false, false);
    noms[d.partie] = chemin.c_str();
  }
  for (int p = 0; p < NB_ELEMENTS; ++p) existence[p] = Images[0][0][p] != nullptr;
}

Element::Element() {
  enregistrer();
  nom = "Hommes/Aucun";
}

Element::~Element() {
  // The registry forgets the set so that no one reads it after this.
  int s = sexe2 ? 1 : 0;
  if (enregistre() && Elements[s][element_actuel] == this) Elements[s][element_actuel] = nullptr;
}

void Element::enregistrer() {
  int s = sexe2 ? 1 : 0;
  int& n = dernier_element[s];
  if (n < 0 || n > NB_MAX_ELEMENTS) n = 0;
  // Entries 0 and 1 are never reused: 0 is "Aucun" and the first listed set.
  for (int k = n - 1; k >= 2; --k)
    if (!Elements[s][k]) {
      element_actuel = k;
      Elements[s][k] = this;
      return;
    }
  if (n >= NB_MAX_ELEMENTS) {
    std::fprintf(stderr, "%s appearance sets are full (%d): one more is ignored\n", s ? "Women's" : "Men's",
                 NB_MAX_ELEMENTS);
    element_actuel = -1;
    return;
  }
  element_actuel = n;
  Elements[s][n++] = this;
}

Element* Element::relever(int s, int i) {
  if (s < 0 || s > 1 || i < 0 || i >= dernier_element[s] || i >= NB_MAX_ELEMENTS) return nullptr;
  return Elements[s][i];
}

P_char Element::texte_ligne(int choix) {
  int s = sexe_courant();
  std::string t;
  Element* e = nullptr;
  if (choix == 5) {
    t = "Bras : ";
    e = relever(s, Bras_en_cours);
  } else if (choix >= 0 && choix <= 11) {
    int p = choix < 5 ? choix : choix - 1;
    t = Nom_Element[p];
    e = relever(s, Construction_en_cours[p]);
  }
  if (e && e->nom.retournertexte()) t += e->nom.retournertexte();
  return P_char(t.c_str());
}

int Element::pas(int choix, int sens) {
  if (choix < 0 || choix > 11) return 0;
  int s = sexe_courant();
  int n = dernier_element[s];
  if (n <= 0) return 0;
  bool bras = choix == 5;
  int p = choix < 5 ? choix : choix - 1;
  int& c = bras ? Bras_en_cours : Construction_en_cours[p];
  // A choice read from a file may lie anywhere: past the end wraps as well.
  for (int essais = 0; essais <= n; ++essais) {
    if (sens > 0) {
      c = c + 1;
      if (c >= n || c < 0) c = 0;
    } else {
      c = c - 1;
      if (c < 0 || c >= n) c = n - 1;
    }
    if (c == 0) break;
    Element* e = relever(s, c);
    if (e && (bras ? e->existence_bras : e->existence[p])) break;
  }
  P_char texte = texte_ligne(choix);
  reecrire_etiquette(bras ? Nom_bras : Noms[p], texte.retournertexte());
  return 0;
}

int Element::Next(int choix) { return pas(choix, 1); }
int Element::Previous(int choix) { return pas(choix, -1); }

void Element::AfficherCreation(SDL_Rect lieu) {
  if (!general::ecran) return;
  // The figure always stands at the same place, whatever the caller asks.
  lieu.x = 300;
  lieu.y = 100;
  int s = sexe_courant();
  int c = couleur_courante();
  if (cycle.cycle(200) == 3) {
    ++frame;
    cycle.remise_a_zero();
    if (frame > 4) frame = 0;
  }
  blit_bras_nu(s, c, 0);
  blit_bras(image_arme_catalogue(general::armeprincipale));
  if (SDL_Surface* peau = CouleurPeau[0][c][s]) {
    SDL_Rect r = lieu;
    Blitter(peau, nullptr, general::ecran, &r);
  }
  for (int i = 0; i < NB_ELEMENTS; ++i) {
    Element* e = relever(s, Construction_en_cours[i]);
    if (e && e->Images[0][0][i]) {
      SDL_Rect r = lieu;
      Blitter(e->Images[0][0][i], nullptr, general::ecran, &r);
    }
    if (i == HAUT2) {
      blit_bras_nu(s, c, 1);
      Element* b = relever(s, Bras_en_cours);
      if (b && b->existence_bras) blit_bras(b->Bras[0]);
    }
  }
}

SDL_Surface* image_arme_catalogue(int index) {
  if (index < 0 || index >= 12) return nullptr;
  Armes* a = Element::ArmesPrincipales[index];
  return a ? a->donnerImage(0, general::dezoom) : nullptr;
}

// The creator's labels are text widgets made when the creator opens; before
// that there is nothing to rewrite.
void reecrire_etiquette(ecriture* etiquette, const char* texte) {
  if (!etiquette || !texte) return;
  etiquette->retirer_ligne();
  etiquette->ajouter_ligne(P_char(texte));
}
