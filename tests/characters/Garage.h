#pragma once
// Shared bench for the vehicle tests: demo data, the two catalogue weapons
// the vehicles copy, soldiers that count the damage they take, and a world,
// vehicle registry and input tables emptied after each test.
#include <cstring>
#include <memory>
#include <vector>

#include "Banc.h"
#include "characters/Element.h"
#include "characters/Tramer.h"
#include "characters/VehiculeAerien.h"
#include "characters/VehiculePolyvalent.h"
#include "characters/VehiculeTerrestre.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirSon.h"
#include "weapons/Armes.h"
#include "weapons/LanceRoquette.h"

class Soldat : public Tramer {
 public:
  Soldat(int x, int y, int16_t c) {
    position = Rect(x, y, 0, 0);
    TramePrincipale = Rect(0, 0, 40, 100);
    camp = c;
    vie = 100;
    stats = caracteristiques(100, 100, 10, 2);  // a soldier's life is its record's
    physique = true;
  }
  void recevoirdegats(int16_t d, Mapping* source, int16_t, double, int16_t) override {
    degats.push_back(d);
    sources.push_back(source);
    vie = static_cast<int16_t>(vie - d);
    stats.pv_restants -= d;
    if (vie <= 0) vivant = false;
  }
  std::vector<int> degats;
  std::vector<Mapping*> sources;
};

// A solid block of scenery.
class Bloc : public Mapping {
 public:
  Bloc(int x, int y, int w, int h) : Mapping() {
    position = Rect(x, y, w, h);
    TramePrincipale = Rect(0, 0, w, h);
    physique = true;
  }
};

class Garage : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    copier_donnees();
    general::zoom = 1.0;
    general::dezoom = 0;
    general::Scrolling = Rect(0, 0, 0, 0);
    general::debut_partie = false;
    general::infiltration = 0;
    general::sous_marin = false;
    general::hero = -1;
    Mapping::centre_scrolling = nullptr;
    Vehicule::nb_vehicule = 0;
    Element::ArmesPrincipales[9] = new Armes("N-Destructor", 2, 18, 80, 55, 150, 300, 4000, false, 0, 2);
    Element::ArmesPrincipales[8] = new LanceRoquette("N-Dead-Launcher", 1, 90, 80, 500, 20, 80, 5000, false, 0);
    general::Impact = AllouerSon("Armes/Impact.wav", false);
    Son::effacer_appels();
  }
  void TearDown() override {
    while (Vehicule::nb_vehicule > 0) delete Vehicule::Vehicules[Vehicule::nb_vehicule - 1];
    for (Vehicule* v : refuses_) delete v;
    refuses_.clear();
    for (int32_t i = 0; i < Mapping::dernier_objet; ++i)
      if (Mapping::Objets[i] && Mapping::Objets[i]->Tas) delete Mapping::Objets[i];
    soldats_.clear();
    blocs_.clear();
    for (int32_t i = 0; i < Mapping::dernier_objet; ++i) Mapping::Objets[i] = nullptr;
    Mapping::dernier_objet = 0;
    for (int i : {8, 9}) {
      delete Element::ArmesPrincipales[i];
      Element::ArmesPrincipales[i] = nullptr;
    }
    std::memset(Touches, 0, sizeof Touches);
    std::memset(Souris, 0, sizeof Souris);
    general::debut_partie = false;
    general::infiltration = 0;
    Banc::TearDown();
  }

  Soldat* soldat(int x, int y, int16_t c) {
    soldats_.push_back(std::make_unique<Soldat>(x, y, c));
    return soldats_.back().get();
  }
  Soldat* hero(int x, int y) {
    Soldat* h = soldat(x, y, ALLIE);
    general::hero = static_cast<int>(h->element_actuel);
    Mapping::centre_scrolling = h;
    return h;
  }
  Bloc* bloc(int x, int y, int w, int h) {
    blocs_.push_back(std::make_unique<Bloc>(x, y, w, h));
    return blocs_.back().get();
  }
  // Boards s once the boarding interval has passed.
  static void monter(Vehicule* v, Mapping* s) {
    Horloge::avancer(501);
    v->interragir(s);
  }
  // Boards them all in one go, as the map start does.
  static void embarquer(Vehicule* v, std::initializer_list<Mapping*> equipage) {
    general::debut_partie = true;
    for (Mapping* m : equipage) v->interragir(m);
    general::debut_partie = false;
  }
  template <typename T>
  std::vector<T*> trouver() {
    std::vector<T*> v;
    for (int32_t i = 0; i < Mapping::dernier_objet; ++i)
      if (auto* o = dynamic_cast<T*>(Mapping::Objets[i])) v.push_back(o);
    return v;
  }
  int nb_joues(const char* fin) {
    int n = 0;
    for (const auto& c : Son::appels())
      if (c.operation == "play" && c.nom.size() >= std::strlen(fin) &&
          c.nom.compare(c.nom.size() - std::strlen(fin), std::string::npos, fin) == 0)
        ++n;
    return n;
  }

  std::vector<std::unique_ptr<Soldat>> soldats_;
  std::vector<std::unique_ptr<Bloc>> blocs_;
  std::vector<Vehicule*> refuses_;
};
