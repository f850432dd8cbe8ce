#include "engine/BoucleMonde.h"
#include "engine/eau.h"

#include <cstdint>
#include <cstdio>

#include "characters/Tramer.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/Interface.h"
#include "engine/Mapping.h"
#include "engine/OuvrirImage.h"

namespace {

constexpr int NB_LAYERS = 10;

bool persistant(const Mapping* o) { return o->type_objet == TRAMER || o->type_objet == VEHICULE; }

// Soldiers and vehicles stay registered while dead: their own code decides.
bool a_faucher(int32_t i) {
  if (!Mapping::occupe(i)) return false;
  const Mapping* o = Mapping::Objets[i];
  return !o->vivant && !persistant(o);
}

// Takes the object out of the table wherever it sits now (its crever may
// have moved things about).
void desinscrire(Mapping* o) {
  if (o->enregistre()) Mapping::Retirer(static_cast<int32_t>(o->element_actuel));
  o->element_actuel = Mapping::NON_ENREGISTRE;
}

void faucher() {
  for (int32_t i = 0; i < Mapping::dernier_objet;) {
    if (!a_faucher(i)) {
      ++i;
      continue;
    }
    Mapping* o = Mapping::Objets[i];
    if (!o->Tas) o->crever();
    desinscrire(o);
    if (o->Tas) delete o;
    // The entry that moved into place i is examined next.
  }
}

// A hero out of sight (aboard a vehicle) keeps his last stance, but his scope
// no longer rules the view: the camera follows what he rides.
bool vise(const Tramer* h) { return h && h->affichage && (h->action == VISER || h->action == TIRER_VISER); }

SDL_Surface* lunette() { return AllouerImage("Armes/Lunette.png", 0, false); }

void placer_camera() {
  Tramer* h = Tramer::Hero;
  if (vise(h)) {
    if (SDL_Surface* l = lunette())
      if (h->cible.y > l->h / 2) h->cible.y = static_cast<Sint16>(l->h / 2);
    general::Scrolling = h->cible;
    return;
  }
  Mapping* c = Mapping::centre_scrolling;
  if (!c) return;  // nothing to follow: the view stays where it was
  const int lw = general::ecran ? general::ecran->w : 960, lh = general::ecran ? general::ecran->h : 544;
  const int x = c->position.x + c->TramePrincipale.w / 2 - lw / 2;
  int y = c->position.y + c->TramePrincipale.h / 2 - lh / 2;
  if (y > 0 && !general::sous_marin) y = 0;
  // The view wraps with the world's 16-bit coordinates, so the object it
  // follows is always drawn at the screen's centre: the hero turns and aims
  // by that centre, even beside the world's edge.
  general::Scrolling.x = static_cast<Sint16>(x);
  general::Scrolling.y = static_cast<Sint16>(y);
}

// The object of entry i runs or draws; the world's columns follow what it did.
template <class F>
void appeler(int32_t i, F&& f) {
  IndexMonde::avant_appel(i);
  f();
  IndexMonde::apres_appel(i);
}

bool actif(const Mapping* o) { return o && (o->vivant || persistant(o)); }

void retirer_renforts() {
  int32_t n = Tramer::nb_renfort;
  if (n > Tramer::NB_MAX_RENFORTS) n = Tramer::NB_MAX_RENFORTS;
  if (n < 0) n = 0;
  for (int32_t k = 0; k < n; ++k) {
    Tramer* s = Tramer::Renforts[k];
    if (!s) continue;
    bool fini;
    if (s->statut == 3 && s->DureeStatut.cycle(60000) == 3)
      fini = true;
    else
      fini = !s->vivant && s->evenementie.cycle(2000) == 3;
    if (fini) {
      Tramer::Renforts[k] = nullptr;
      delete s;
    }
  }
  int32_t j = 0;
  for (int32_t k = 0; k < n; ++k)
    if (Tramer::Renforts[k]) Tramer::Renforts[j++] = Tramer::Renforts[k];
  for (int32_t k = j; k < n; ++k) Tramer::Renforts[k] = nullptr;
  Tramer::nb_renfort = j;
}

}  // namespace

void BlitingMapping() {
  faucher();

  // Objects born during this frame wait for the next one.
  const int32_t n = Mapping::dernier_objet;
  const int zoom = general::dezoom == 1 ? 1 : 0;
  IndexMonde::entrer_passe();
  for (int32_t i = 0; i < n && i < Mapping::dernier_objet; ++i) {
    Mapping* o = Mapping::Objets[i];
    if (actif(o) && o->image && o->image[zoom]) appeler(i, [o] { o->comportement(); });
  }

  placer_camera();

  for (int l = 0; l < NB_LAYERS; ++l)
    for (int32_t i = 0; i < n && i < Mapping::dernier_objet; ++i) {
      Mapping* o = Mapping::Objets[i];
      if (o && o->layer == l && actif(o) && o->image && o->image[0]) appeler(i, [o] { o->bliting(); });
    }
  IndexMonde::sortir_passe();

  BlitingInterfaces();

  if (vise(Tramer::Hero)) {
    SDL_Rect r = general::origine;
    Blitter(lunette(), nullptr, general::ecran, &r);
  }

  if constexpr (!early) retirer_renforts();
}

void DetruireMapping() {
  // Entries are emptied in place rather than compacted, so an object that a
  // destructor deletes along the way empties its own entry and is skipped.
  // Whatever registers itself meanwhile is caught by the next round.
  for (int tour = 0; tour < 8 && Mapping::dernier_objet > 0; ++tour) {
    for (int32_t i = 0; i < Mapping::dernier_objet; ++i) {
      Mapping* o = Mapping::Objets[i];
      if (!o) continue;
      const bool vide = !Mapping::occupe(i);
      if (!vide) o->crever();
      if (Mapping::Objets[i] == o) Mapping::Objets[i] = nullptr;
      if (o->element_actuel == static_cast<uint32_t>(i)) o->element_actuel = Mapping::NON_ENREGISTRE;
      // A heap-owned object without picture is still the world's to free.
      if (o->Tas) delete o;
    }
    int32_t reste = 0;
    for (int32_t i = 0; i < Mapping::dernier_objet; ++i)
      if (Mapping::Objets[i]) reste = i + 1;
    Mapping::dernier_objet = reste;
  }
  if (Mapping::dernier_objet > 0)
    std::fprintf(stderr, "world teardown: objects kept registering themselves; %d dropped\n",
                 static_cast<int>(Mapping::dernier_objet));
  for (int32_t i = 0; i < Mapping::NB_OBJETS; ++i) Mapping::Objets[i] = nullptr;
  Mapping::dernier_objet = 0;
  IndexMonde::renumerote();
  // The water tiles belonged to the world just emptied.
  Eau::Vider();
}

void TuerMapping(long i) {
  if (i >= 0 && i < Mapping::dernier_objet && Mapping::occupe(static_cast<int32_t>(i)))
    Mapping::Objets[i]->crever();
}

void BlitingInterfaces() {
  // The count is read afresh: a widget added meanwhile is drawn this pass
  // when its layer is still to come.
  for (int l = 0; l < NB_LAYERS; ++l)
    for (int32_t i = 0; i < Interface::derniere_interface; ++i) {
      Interface* w = Interface::Interfaces[i];
      if (w && w->layer == l) w->comportement();
    }
}

void BlitingInterface() {
  for (int32_t i = 0; i < Interface::derniere_interface; ++i)
    if (Interface* w = Interface::Interfaces[i]) w->comportement();
}

void CheckMapping() {}
