#pragma once
// A bench for world tests: an empty world on a plain default picture, the
// view at the origin and full size; every object the test made, and every
// heap object left in the world, is deleted afterwards.
#include <set>
#include <utility>
#include <vector>

#include "Banc.h"
#include "characters/Tramer.h"
#include "engine/Ascenseur.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/Mapping.h"
#include "engine/Obstacle.h"
#include "engine/cc.h"
#include "engine/eau.h"

class Scene : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    vider();
    ecrire_png("default.png", 100, 100, 0xFF808080);
    general::zoom = 1.0;
    general::dezoom = 0;
    general::Scrolling = Rect(0, 0, 0, 0);
  }
  void TearDown() override {
    std::set<Mapping*> tous(objets_.begin(), objets_.end());
    for (int32_t i = 0; i < Mapping::dernier_objet; ++i)
      if (Mapping::Objets[i] && Mapping::Objets[i]->Tas) tous.insert(Mapping::Objets[i]);
    objets_.clear();
    for (Mapping* o : tous) delete o;
    vider();
    Banc::TearDown();
  }
  static void vider() {
    for (int32_t i = 0; i < Mapping::NB_OBJETS; ++i) Mapping::Objets[i] = nullptr;
    Mapping::dernier_objet = 0;
    Mapping::centre_scrolling = nullptr;
    Tramer::nb_persos = 0;
    Eau::Vider();
    cc::Vider();
    Ascenseur::Vider();
    Obstacle::Vider();
  }
  template <class T, class... A>
  T* creer(A&&... a) {
    T* o = new T(std::forward<A>(a)...);
    objets_.push_back(o);
    return o;
  }
  // A soldier of camp `c` at (x, y), w x h, listed with the characters.
  Tramer* soldat(int x, int y, int16_t c, int w = 50, int h = 100) {
    Tramer* t = creer<Tramer>();
    t->position = Rect(x, y, 0, 0);
    t->TramePrincipale = Rect(0, 0, w, h);
    t->camp = c;
    Tramer::Persos[Tramer::nb_persos++] = t;
    return t;
  }
  void oublier(Mapping* o) {
    for (auto& p : objets_)
      if (p == o) p = nullptr;
    std::erase(objets_, nullptr);
  }
  std::vector<Mapping*> objets_;
};
