#pragma once
// Shared bench for the weapon tests: demo data, the battle's plain view,
// targets that count their hits, and a world emptied after each test.
#include <memory>
#include <vector>

#include "Banc.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/Mapping.h"
#include "engine/OuvrirImage.h"

class Cible : public Mapping {
 public:
  Cible(int x, int y, int w, int h, int16_t c) : Mapping(surface(), Rect(0, 0, w, h)) {
    position = Rect(x, y, w, h);
    camp = c;
    physique = true;
  }
  void recevoirdegats(int16_t d, Mapping* source, int16_t, double a, int16_t) override {
    ++coups;
    total += d;
    angle = a;
    // A protected target lets the projectile go on.
    if (ranimer && source) source->vivant = true;
  }
  static SDL_Surface* surface() {
    static SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 32, 0, 0, 0, 0);
    return s;
  }
  int coups = 0;
  int total = 0;
  double angle = -1;
  bool ranimer = false;
};

class Armurerie : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    copier_donnees();
    general::zoom = 1.0;
    general::dezoom = 0;
    general::Scrolling = Rect(0, 0, 0, 0);
    Mapping::centre_scrolling = nullptr;
    Son::effacer_appels();
  }
  void TearDown() override {
    for (int32_t i = 0; i < Mapping::dernier_objet; ++i)
      if (Mapping::Objets[i] && Mapping::Objets[i]->Tas) delete Mapping::Objets[i];
    cibles_.clear();
    for (int32_t i = 0; i < Mapping::dernier_objet; ++i) Mapping::Objets[i] = nullptr;
    Mapping::dernier_objet = 0;
    Banc::TearDown();
  }
  Cible* cible(int x, int y, int w, int h, int16_t c) {
    cibles_.push_back(std::make_unique<Cible>(x, y, w, h, c));
    return cibles_.back().get();
  }
  template <typename T>
  std::vector<T*> trouver() {
    std::vector<T*> v;
    for (int32_t i = 0; i < Mapping::dernier_objet; ++i)
      if (auto* o = dynamic_cast<T*>(Mapping::Objets[i])) v.push_back(o);
    return v;
  }
  // Makes the cache forget a picture, as if it had never been loaded.
  static void oublier_image(const char* nom) {
    for (int i = 0; i < nb_images; ++i)
      if (charcmp(nom_Images[i].retournertexte(), nom)) nom_Images[i] = "oubliee";
  }
  std::vector<std::unique_ptr<Cible>> cibles_;
};
