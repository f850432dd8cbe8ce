#include "engine/Interface.h"

#include <cstdio>

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"

Interface** Interface::Interfaces = nullptr;
int32_t Interface::derniere_interface = 0;
Interface* Interface::Curseur = nullptr;

namespace {

uint32_t rendues = 0;

// Empty text renders to no surface: the line stays null and takes no room.
SDL_Surface* rendre(TTF_Font* police, const char* texte, SDL_Color c) {
  if (!texte || !*texte) return nullptr;
  if (!police) {
    static bool dit = false;
    if (!dit) std::fprintf(stderr, "no font: texts are not drawn\n");
    dit = true;
    return nullptr;
  }
  ++rendues;
  return TTF_RenderText_Solid(police, texte, c);
}

void ajouter(SDL_Surface**& lignes, int16_t& nb, SDL_Surface* s) {
  if (nb < 0) nb = 0;
  auto** t = new SDL_Surface*[nb + 1];
  for (int i = 0; i < nb; ++i) t[i] = lignes[i];
  t[nb] = s;
  delete[] lignes;
  lignes = t;
  ++nb;
}

void retirer(SDL_Surface**& lignes, int16_t& nb, int16_t& en_cours, SDL_Rect& revele) {
  revele.w = 0;
  en_cours = 0;
  if (nb <= 0) {
    nb = 0;
    return;
  }
  --nb;
  if (lignes[nb]) SDL_FreeSurface(lignes[nb]);
  SDL_Surface** t = nb > 0 ? new SDL_Surface*[nb] : nullptr;
  for (int i = 0; i < nb; ++i) t[i] = lignes[i];
  delete[] lignes;
  lignes = t;
}

void vider(SDL_Surface**& lignes, int16_t& nb, int16_t& en_cours, SDL_Rect& revele) {
  while (nb > 0) retirer(lignes, nb, en_cours, revele);
  delete[] lignes;
  lignes = nullptr;
}

int largeur(SDL_Surface* s) { return s ? s->w : 0; }

// Lines stack downwards from `pos` with no gap. In progressive mode the
// current line is revealed 5 px every 50 ms, and the lines below it wait.
void dessiner(SDL_Surface** lignes, int16_t nb, int16_t& en_cours, Timing& cycle, bool progressif,
              SDL_Rect& revele, SDL_Rect pos) {
  if (!lignes || nb <= 0) return;
  int y = pos.y;
  auto poser = [&](SDL_Surface* s, SDL_Rect* source) {
    if (!s) return;
    SDL_Rect r = {pos.x, static_cast<Sint16>(y), 0, 0};
    Blitter(s, source, general::ecran, &r);
    y += s->h;
  };
  if (!progressif) {
    for (int i = 0; i < nb; ++i) poser(lignes[i], nullptr);
    return;
  }
  if (en_cours < 0 || en_cours >= nb) en_cours = 0;
  if (cycle.cycle(50) == 3) {
    Uint16 w = static_cast<Uint16>(revele.w + 5);
    if (w >= largeur(lignes[en_cours]) && en_cours < nb - 1) {
      w = 0;
      ++en_cours;
    }
    if (w > largeur(lignes[en_cours])) w = static_cast<Uint16>(largeur(lignes[en_cours]));
    revele.w = w;
    cycle.remise_a_zero();
  }
  for (int i = 0; i < en_cours; ++i) poser(lignes[i], nullptr);
  if (SDL_Surface* s = lignes[en_cours]) {
    SDL_Rect source = {0, 0, revele.w, static_cast<Uint16>(s->h)};
    poser(s, &source);
  }
}

}  // namespace

uint32_t lignes_rendues() { return rendues; }

// ---- Interface ----

Interface::Interface(const char* nom, SDL_Rect Position) : Nom(nom ? nom : "") {
  type = 13;
  initialisation();
  image[0] = nom ? AllouerImage(nom, 0, false) : nullptr;
  position = Position;
  be_curseur = false;
  layer = 0;
}

Interface::Interface() : Nom("Aucun") {
  type = 13;
  initialisation();
  image[0] = AllouerImage("default.png", 0, false);
  position = general::origine;
  be_curseur = false;
}

bool Interface::enregistre() const {
  return element_actuel >= 0 && element_actuel < derniere_interface && Interfaces[element_actuel] == this;
}

void Interface::initialisation() {
  Tas = false;
  vivant = true;
  // A widget whose picture never loaded gives its place up; the highest first.
  for (int32_t i = derniere_interface - 1; i >= 0; --i) {
    Interface* w = Interfaces[i];
    if (!w || !w->image || !w->image[0]) {
      // The evicted widget is off the list: its destructor must not remove
      // whoever holds its old index by then.
      if (w) w->element_actuel = -1;
      Interfaces[i] = this;
      element_actuel = i;
      return;
    }
  }
  auto** t = new Interface*[derniere_interface + 1];
  for (int32_t i = 0; i < derniere_interface; ++i) t[i] = Interfaces[i];
  t[derniere_interface] = this;
  delete[] Interfaces;
  Interfaces = t;
  element_actuel = derniere_interface++;
}

void Interface::Retirer(int32_t i) {
  if (i < 0 || i >= derniere_interface) return;
  Interface** t = derniere_interface > 1 ? new Interface*[derniere_interface - 1] : nullptr;
  for (int32_t k = 0, j = 0; k < derniere_interface; ++k) {
    if (k == i) continue;
    t[j] = Interfaces[k];
    if (t[j]) t[j]->element_actuel = j;
    ++j;
  }
  delete[] Interfaces;
  Interfaces = t;
  --derniere_interface;
}

Interface::~Interface() {
  if (enregistre()) Retirer(element_actuel);
  element_actuel = -1;
  if (Curseur == this) Curseur = nullptr;
  if (image) image[0] = image[1] = nullptr;
}

void Interface::comportement() {
  if (!image || !image[0]) return;
  SDL_Rect r = position;
  Blitter(image[0], nullptr, general::ecran, &r);
  position.w = r.w;
  position.h = r.h;
}

// ---- ecriture ----

ecriture::ecriture() : Interface() {
  Couleur = general::Blanc;
  be_curseur = true;
  cycle.remise_a_zero();
  cycle.en_cours = true;
  TramePrincipale = {0, 0, 0, 0};
  progressif = false;
  layer = 3;
  police = general::Police;
  position = general::origine;
}

ecriture::ecriture(TTF_Font* Police, P_char texte, SDL_Rect Position, SDL_Color c) : ecriture() {
  Couleur = c;
  police = Police;
  ajouter_ligne(texte);
  position = Position;
}

ecriture::~ecriture() { vider(image, nb_ligne, ligne_en_cours, TramePrincipale); }

void ecriture::ajouter_ligne(P_char texte) {
  ajouter(image, nb_ligne, rendre(police, texte.retournertexte(), Couleur));
}

void ecriture::retirer_ligne() { retirer(image, nb_ligne, ligne_en_cours, TramePrincipale); }

void ecriture::comportement() {
  dessiner(image, nb_ligne, ligne_en_cours, cycle, progressif, TramePrincipale, position);
}

// ---- ecriture2 ----

ecriture2::ecriture2() : texte("") {
  delete[] image;  // no picture pair: the slot holds the lines
  image = nullptr;
  cycle.remise_a_zero();
  cycle.en_cours = true;
  TramePrincipale = {0, 0, 0, 0};
  progressif = false;
  layer = 3;
  police = general::Police;
  position = general::origine;
}

ecriture2::ecriture2(TTF_Font* Police, P_char t, SDL_Rect Position) : ecriture2() {
  police = Police;
  ajouter_ligne(t.retournertexte());
  position = Position;
}

ecriture2::~ecriture2() { vider(image, nb_ligne, ligne_en_cours, TramePrincipale); }

void ecriture2::ajouter_ligne(const char* t) {
  if (!t || !*t) return;
  ajouter(image, nb_ligne, rendre(police, t, general::Blanc));
}

void ecriture2::retirer_ligne() { retirer(image, nb_ligne, ligne_en_cours, TramePrincipale); }

void ecriture2::comportement() {
  dessiner(image, nb_ligne, ligne_en_cours, cycle, progressif, TramePrincipale, position);
}
