#pragma once
// A bench of plain world objects: blocks with a picture of their own size,
// so their entries are not empty, emptied from the world table after a test.
#include <memory>
#include <vector>

#include "Banc.h"
#include "engine/Fonctions.h"
#include "engine/Mapping.h"

// A world object with a picture of its own size, so its entry is not empty.
class Bloc : public Mapping {
 public:
  Bloc(int x, int y, int w, int h, int16_t c, bool solide = true) : Mapping(surface(), Rect(0, 0, w, h)) {
    position = Rect(x, y, w, h);
    camp = c;
    physique = solide;
  }
  static SDL_Surface* surface() {
    static SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 32, 0, 0, 0, 0);
    return s;
  }
};

class Monde : public Banc {
 protected:
  void TearDown() override {
    objets_.clear();
    for (int32_t i = 0; i < Mapping::dernier_objet; ++i) Mapping::Objets[i] = nullptr;
    Mapping::dernier_objet = 0;
    Banc::TearDown();
  }
  Bloc* ajouter(int x, int y, int w, int h, int16_t c, bool solide = true) {
    objets_.push_back(std::make_unique<Bloc>(x, y, w, h, c, solide));
    return objets_.back().get();
  }
  std::vector<std::unique_ptr<Bloc>> objets_;
};
