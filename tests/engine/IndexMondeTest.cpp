// The world's columns against the plain walk of the table: random worlds
// whose objects move, jump far, change frame, die, lose their picture, are
// replaced in their entries and are carried by others while every kind of
// probe asks where it hits, inside the frame pass and outside it. Every
// answer of the columns is checked against the walk.
#include <memory>
#include <random>
#include <vector>

#include "Scene.h"
#include "characters/VehiculeTerrestre.h"
#include "engine/BoucleMonde.h"
#include "engine/IndexMonde.h"
#include "weapons/Explosion.h"
#include "weapons/FlammePompe.h"
#include "weapons/Fumigenes.h"
#include "weapons/Grenades.h"
#include "weapons/RocketV.h"
#include "weapons/Tir.h"
#include "weapons/TirV.h"

namespace {

struct Monde;

// A piece of the random world: it acts on itself when it runs, is drawn,
// is hit or is used, and now and then on another piece.
class Pion : public Mapping {
 public:
  Pion(SDL_Surface* s, Monde& m);
  void comportement() override { agiter(); }
  void bliting() override { agiter(); }
  void recevoirdegats(int16_t, Mapping*, int16_t, double, int16_t) override { agiter(); }
  void interragir(Mapping*) override { agiter(); }
  void interragir2(Mapping*) override { agiter(); }
  void tirer();
  void agiter();

  SDL_Surface* picture;
  Monde& monde;
};

struct Monde {
  std::mt19937 g;
  SDL_Surface* s;
  std::vector<std::unique_ptr<Pion>> pions;
  int hits = 0;
  int tour = 0;
  explicit Monde(unsigned graine, SDL_Surface* surface) : g(graine), s(surface) {}
  int entre(int a, int b) { return a + static_cast<int>(g() % static_cast<unsigned>(b - a + 1)); }
  Pion* naitre() {
    pions.push_back(std::make_unique<Pion>(s, *this));
    return pions.back().get();
  }
};

Pion::Pion(SDL_Surface* s, Monde& m) : Mapping(s, Rect(0, 0, 0, 0)), picture(s), monde(m) { tirer(); }

void Pion::tirer() {
  Monde& m = monde;
  position.x = static_cast<Sint16>(m.entre(-1000, 4000));
  position.y = static_cast<Sint16>(m.entre(-100, 700));
  const int w = m.entre(0, 9) == 0 ? m.entre(1500, 4000) : m.entre(0, 200);
  const int tx = m.entre(0, 4) == 0 ? m.entre(-30, 60) : 0;
  TramePrincipale = Rect(tx, m.entre(0, 20), w, m.entre(0, 150));
  camp = static_cast<int16_t>(m.entre(0, 2));
  physique = m.entre(0, 3) != 0;
  affichage = m.entre(0, 5) != 0;
  type_objet = static_cast<int16_t>(m.entre(0, 10));
  direction = static_cast<int16_t>(m.entre(0, 3));
}

void Pion::agiter() {
  Monde& m = monde;
  const int d = m.entre(0, 99);
  if (d < 30) {
    position.x = static_cast<Sint16>(position.x + m.entre(-150, 150));
  } else if (d < 33) {
    tirer();  // a jump anywhere
  } else if (d < 37) {
    TramePrincipale.w = static_cast<Uint16>(m.entre(0, 300));
  } else if (d < 40) {
    TramePrincipale.x = static_cast<Sint16>(m.entre(-40, 80));
  } else if (d < 41) {
    vivant = false;  // reaped at the next frame: the table closes up
  } else if (d < 42) {
    image[0] = nullptr;  // an empty entry, free for the next birth
  } else if (d < 44) {
    image[0] = picture;
  } else if (d < 46) {
    m.naitre();
  } else if (d < 48) {
    // Carried by another, as a vehicle carries its crew.
    const int32_t i = m.entre(0, dernier_objet - 1);
    if (occupe(i)) {
      Objets[i]->position.x = static_cast<Sint16>(m.entre(-1000, 4000));
      IndexMonde::bouge(Objets[i]);
    }
  } else if (d < 51) {
    physique = !physique;
  } else if (d < 53) {
    camp = static_cast<int16_t>(m.entre(0, 2));
  }
}

// Asks every kind of probe, from random places, each time it runs or is drawn.
class Sondeur : public Mapping {
 public:
  explicit Sondeur(Monde& m) : Mapping(m.s, Rect(0, 0, 1, 1)), m_(m) {
    base_ = std::make_unique<Pion>(m.s, m);
    tir_ = std::make_unique<Tir>();
    tirv_ = std::make_unique<TirV>(Rect(0, 0, 0, 0), 10.0, 0, 0);
    rocket_ = std::make_unique<RocketV>(Rect(0, 0, 0, 0), 10.0, 40);
    grenade_ = std::make_unique<Grenades>(Rect(0, 0, 0, 0), ALLIE, 0);
    fumi_ = std::make_unique<Fumigenes>(Rect(0, 0, 0, 0), ALLIE, 0);
    soldat_ = std::make_unique<Tramer>();
    engin_ = std::make_unique<VehiculeTerrestre>(P_char("Essai"), Rect(0, 0, 0, 0));
    // The probers stand outside the table: only their questions count.
    for (Mapping* o : sondeurs()) {
      if (o->enregistre()) Retirer(static_cast<int32_t>(o->element_actuel));
      o->element_actuel = NON_ENREGISTRE;
    }
  }
  ~Sondeur() override {
    for (Mapping* o : sondeurs()) o->element_actuel = NON_ENREGISTRE;
  }
  std::vector<Mapping*> sondeurs() const {
    return {base_.get(), tir_.get(), tirv_.get(), rocket_.get(), grenade_.get(), fumi_.get(), soldat_.get(), engin_.get()};
  }
  void comportement() override { sonder(); }
  void bliting() override { sonder(); }

  void placer(Mapping* o) {
    o->position.x = static_cast<Sint16>(m_.entre(-1000, 4000));
    o->position.y = static_cast<Sint16>(m_.entre(-100, 700));
    o->TramePrincipale = Rect(m_.entre(0, 1) ? 0 : m_.entre(-10, 20), m_.entre(0, 10), m_.entre(1, 160), m_.entre(1, 160));
    o->direction = static_cast<int16_t>(m_.entre(0, 3));
    o->camp = static_cast<int16_t>(m_.entre(0, 2));
    o->vitesse = m_.entre(-30, 100);
  }
  void compter(int r) {
    if (r == P_COLLISION) ++m_.hits;
  }

  void sonder() {
    for (Mapping* o : sondeurs()) placer(o);
    compter(base_->Mapping::p_collision(m_.entre(0, 1) != 0, m_.entre(0, 3) == 0 ? m_.entre(0, 50) : 0));
    compter(tir_->p_collision(false));
    tirv_->y = tirv_->position.y;
    tirv_->p_y = m_.entre(-40, 40);
    compter(tirv_->p_collision(static_cast<int16_t>(m_.entre(0, 3) == 0 ? m_.entre(0, 50) : 0), false));
    rocket_->y = rocket_->position.y;
    rocket_->p_y = m_.entre(-40, 40);
    compter(rocket_->p_collision(0, false));
    for (Projete* p : {static_cast<Projete*>(grenade_.get()), static_cast<Projete*>(fumi_.get())}) {
      p->direction = static_cast<int16_t>(m_.entre(0, 1));
      p->vecteur.x = static_cast<Sint16>(m_.entre(-50, 50));
      p->vecteur.y = static_cast<Sint16>(m_.entre(-16, 16));
      compter(p->p_collision(false));
    }
    soldat_->saut = m_.entre(0, 40);
    compter(soldat_->p_collision(m_.entre(0, 1) != 0, m_.entre(0, 3) == 0 ? m_.entre(0, 50) : 0));
    compter(soldat_->Esca_collision());
    soldat_->evenementie.en_cours = true;
    soldat_->evenementie.duree_de_depart = -1000000;
    if (m_.entre(0, 1)) soldat_->interraction(); else soldat_->interraction2();
    engin_->deplacement_x = engin_->deplacement_y = true;
    engin_->direction2 = static_cast<int16_t>(m_.entre(2, 3));
    compter(engin_->p_collision(m_.entre(0, 1) != 0, 0));
    compter(engin_->p_collision2(m_.entre(0, 1) != 0, 0));
    // A blast and an explosion strike everything under them, which may move.
    auto* blast = new FlammePompe(Rect(m_.entre(-1000, 4000), m_.entre(0, 600), 0, 0), m_.entre(0, 1), m_.entre(-60, 60), 3);
    blast->camp = static_cast<int16_t>(m_.entre(0, 2));
    blast->bliting();
    auto* e = new Explosion(P_char("Boum/"), Rect(m_.entre(-1000, 4000), m_.entre(0, 600), 0, 0), 90);
    e->camp = static_cast<int16_t>(m_.entre(0, 2));
    e->cycle.duree_de_depart = -1000000;
    e->comportement();
  }

 private:
  Monde& m_;
  std::unique_ptr<Pion> base_;
  std::unique_ptr<Tir> tir_;
  std::unique_ptr<TirV> tirv_;
  std::unique_ptr<RocketV> rocket_;
  std::unique_ptr<Grenades> grenade_;
  std::unique_ptr<Fumigenes> fumi_;
  std::unique_ptr<Tramer> soldat_;
  std::unique_ptr<VehiculeTerrestre> engin_;
};

class Colonnes : public Scene {
 protected:
  void SetUp() override {
    Scene::SetUp();
    for (const char* n : {"Armes/tir.png", "Armes/Tirs/1/tir1.png", "Armes/Roquette.png", "Armes/Grenades/grenade.png",
                          "Armes/Fumigene/projectile.png", "Boum/1.png"})
      ecrire_png(n, 12, 6, 0xFF00FFFF);
    ecrire_png("Armes/Tirs/4/1.png", 160, 90, 0xFF00FFFF);
    surface_ = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    verifier_ = IndexMonde::verifier;
    arreter_ = IndexMonde::arreter_si_ecart;
    IndexMonde::verifier = true;
    IndexMonde::arreter_si_ecart = false;
    IndexMonde::ecarts = 0;
  }
  void TearDown() override {
    IndexMonde::verifier = verifier_;
    IndexMonde::arreter_si_ecart = arreter_;
    IndexMonde::ecarts = 0;
    // The world's own (blasts, explosions) go with the world; the pieces are the test's.
    for (int32_t i = 0; i < Mapping::dernier_objet; ++i)
      if (Mapping::Objets[i] && !Mapping::Objets[i]->Tas) Mapping::Objets[i] = nullptr;
    Scene::TearDown();
    SDL_FreeSurface(surface_);
  }
  SDL_Surface* surface_ = nullptr;
  bool verifier_ = false, arreter_ = false;
};

TEST_F(Colonnes, EveryProbeFindsWhatTheTableWalkFindsWhileTheWorldChangesUnderIt) {
  for (unsigned graine : {1u, 2u, 3u}) {
    Monde m(graine, surface_);
    for (int i = 0; i < 1200; ++i) m.naitre();
    Sondeur sondeur(m);
    for (int image = 0; image < 60; ++image) {
      BlitingMapping();
      // Changes made between frames, which nothing announces.
      for (int k = 0; k < 40; ++k) m.pions[m.g() % m.pions.size()]->tirer();
      sondeur.sonder();
    }
    EXPECT_EQ(IndexMonde::ecarts, 0) << "seed " << graine;
    EXPECT_GT(m.hits, 800) << "the probes hit things, seed " << graine;
    DetruireMapping();
  }
}

}  // namespace
