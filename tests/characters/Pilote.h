#pragma once
// A bench that drives soldiers frame by frame through the key and mouse
// tables on the virtual clock, as the battle's frame pass does.
#include <vector>

#include "Soldats.h"
#include "engine/Obstacle.h"

class Pilote : public Soldats {
 protected:
  void SetUp() override {
    Soldats::SetUp();
    lacher_tout();
  }
  void TearDown() override {
    lacher_tout();
    Soldats::TearDown();
  }
  static void lacher_tout() {
    for (bool& b : Touches) b = false;
    for (bool& b : Souris) b = false;
  }

  // Standing soldiers rest on the screen's bottom edge: feet at 544 - 15.
  static constexpr int SOL = 544 - 118 - 15;

  // The player's soldier, standing on the ground at x.
  Tramer* hero(int x = 300) {
    Tramer* t = soldat("Heros", ALLIE, x, SOL);
    t->classe = HERO;
    t->comportement_actuel = JOUEUR;
    t->action = COURIR;
    t->cible = Rect(900, 300, 0, 0);  // the mouse, right of the screen's centre
    Tramer::Hero = t;
    return t;
  }

  // One frame 10 ms after the last: the step, then the drawing.
  static void image(Tramer* t, int entree = 1, bool marche = true) {
    Horloge::avancer(10);
    t->evenement_hero(entree, marche);
    t->bliting();
  }

  template <class T>
  static std::vector<T*> objets() {
    std::vector<T*> v;
    for (int32_t i = 0; i < Mapping::dernier_objet; ++i)
      if (auto* o = dynamic_cast<T*>(Mapping::Objets[i])) v.push_back(o);
    return v;
  }

  Obstacle* obstacle(const char* nom, int x, int y) {
    auto* o = new Obstacle(nom, Rect(x, y, 0, 0));
    o->Tas = true;
    return o;
  }
};
