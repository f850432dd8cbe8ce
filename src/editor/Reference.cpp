#include "editor/Reference.h"

#include <algorithm>
#include <cstdint>

#include "battle/FichierMap.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/Interface.h"
#include "engine/Saisie.h"

Reference** Reference::References = nullptr;
long Reference::derniere_Reference = 0;
Reference* Reference::Vide = nullptr;
int Reference_Perso::nb_allies = 0;
int Reference_Perso::nb_ennemis = 0;

namespace {

// A target's life in battle holds at most 32767: more is kept at that.
int demander_points_de_vie() {
  return std::clamp(relever_nombre("Veuillez choisir le nombre de point de vie : ", "Points de vie : ", 10), 0,
                    static_cast<int>(INT16_MAX));
}

}  // namespace

Reference::Reference() {
  TramePrincipale = {0, 0, 0, 0};
  layer = 1;
  initialisationR();
}

Reference::Reference(Objet_de_Reference* entree, SDL_Rect lieu) : Reference() {
  position = lieu;
  if (entree && entree->type != AUCUN) {
    image[0] = entree->image[0];
    image[1] = entree->image[1];
  }
  copier_entree(entree);
}

Reference::~Reference() { image[0] = image[1] = nullptr; }

void Reference::initialisationR() {
  Tas = false;
  vivant = true;
  element_actuel = derniere_Reference;
  auto** t = new Reference*[derniere_Reference + 1];
  for (long i = 0; i < derniere_Reference; ++i) t[i] = References[i];
  t[derniere_Reference] = this;
  delete[] References;
  References = t;
  ++derniere_Reference;
}

void Reference::copier_entree(Objet_de_Reference* entree) {
  layer = 1;
  if (!entree) return;
  type = entree->type;
  Origine = static_cast<char>(entree->element_actuel & 0xFF);
  Nom = entree->Nom.retournertexte();
  TramePrincipale = entree->TramePrincipale;
}

void Reference::comportement() {
  int z = general::dezoom == 0 ? 0 : 1;
  if (!image || !image[z] || !general::ecran) return;
  SDL_Rect r = {static_cast<Sint16>(position.x - general::Scrolling.x),
                static_cast<Sint16>(position.y - general::Scrolling.y), 0, 0};
  SDL_Rect source = TramePrincipale;
  Blitter(image[z], &source, general::ecran, &r);
}

Reference* Reference::CreerVide() {
  Vide = new Reference(Objet_de_Reference::Vide, general::origine);
  Vide->type = AUCUN;
  Vide->image[0] = Vide->image[1] = nullptr;
  return Vide;
}

bool Reference::Supprimer(long i) {
  if (i < 0 || i >= derniere_Reference) return false;
  Reference* r = References[i];
  if (!r || r == Vide || r->type == AUCUN) return false;
  delete r;
  References[i] = Vide;
  return true;
}

ReferenceCible::ReferenceCible(Objet_de_Reference* entree, SDL_Rect lieu, int v) {
  position = lieu;
  copier_entree(entree);
  vie = v == -1 ? demander_points_de_vie() : v;
  if (entree) image[1] = entree->image[1];
}

Reference_Perso::Reference_Perso(Objet_de_Reference* entree, SDL_Rect lieu) {
  position = lieu;
  // Read again from the file: an edited character changes the map.
  perso = LirePerso(entree ? entree->Nom.retournertexte() : "");
  copier_entree(entree);
  TramePrincipale = {0, 0, 65, 65};
}

void Reference_Perso::compter() {
  if (compte_ || !compte()) return;
  compte_ = true;
  (perso.camp_perso ? nb_ennemis : nb_allies) += 1;
}

Reference_Perso::~Reference_Perso() {
  if (compte_) (perso.camp_perso ? nb_ennemis : nb_allies) -= 1;
}

void Reference_Perso::comportement() {
  int X = position.x - general::Scrolling.x;
  int Y = position.y - general::Scrolling.y;
  int w = general::ecran ? general::ecran->w : 960;
  int h = general::ecran ? general::ecran->h : 544;
  if (X <= 0 || X >= w || Y <= -300 || Y >= h) return;
  dessiner_perso_compose(X, Y, perso);
}

void DesallouerMappeur() {
  DesallouerMap();
  Interface::derniere_interface = 0;
  if constexpr (early) {
    delete[] Interface::Interfaces;
    Interface::Interfaces = nullptr;
  }
}
