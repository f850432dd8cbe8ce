#include <memory>
#include <string>
#include <vector>

#include "Banc.h"
#include "characters/Tramer.h"
#include "engine/BoucleMonde.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/Interface.h"
#include "engine/Mapping.h"

namespace {

std::vector<std::string> journal;

// A world object that counts itself and writes what the pass does to it.
class Compte : public Mapping {
 public:
  static inline int en_vie = 0;
  static inline int creves = 0;
  Compte(const std::string& nom, int couche, bool tas) : Mapping(surface(), Rect(0, 0, 4, 4)), nom_(nom) {
    layer = static_cast<uint8_t>(couche);
    Tas = tas;
    position = Rect(10, 10, 4, 4);
    ++en_vie;
  }
  ~Compte() override { --en_vie; }
  void crever() override { ++creves; }
  void comportement() override {
    journal.push_back("run " + nom_);
    if (fils) {
      new Compte(nom_ + "+", 0, true);
      fils = false;
    }
  }
  void bliting() override { journal.push_back("draw " + nom_); }
  bool fils = false;
  static SDL_Surface* surface() {
    static SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 32, 0, 0, 0, 0);
    return s;
  }

 private:
  std::string nom_;
};

class Marque : public Interface {
 public:
  Marque(const std::string& nom, int couche) : nom_(nom) { layer = static_cast<uint8_t>(couche); }
  void comportement() override {
    journal.push_back(nom_);
    if (enfant) {
      enfant = false;
      suite = std::make_unique<Marque>(nom_ + "+", 7);
    }
  }
  bool enfant = false;
  std::unique_ptr<Marque> suite;

 private:
  std::string nom_;
};

class Passe : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    copier_donnees();
    journal.clear();
    Compte::en_vie = Compte::creves = 0;
    general::Scrolling = Rect(0, 0, 0, 0);
    general::sous_marin = false;
  }
  void TearDown() override {
    DetruireMapping();
    gardes_.clear();
    Tramer::Hero = nullptr;
    Mapping::centre_scrolling = nullptr;
    Tramer::nb_renfort = 0;
    Banc::TearDown();
  }
  // Owned by the test, as scenery is owned by its own lists.
  Compte* garde(const std::string& nom, int couche = 1) {
    gardes_.push_back(std::make_unique<Compte>(nom, couche, false));
    return gardes_.back().get();
  }
  std::vector<std::unique_ptr<Compte>> gardes_;
};

}  // namespace

TEST_F(Passe, DeadNeighboursAreBothReapedInOneFrame) {
  garde("a");
  auto* b = new Compte("b", 1, true);
  auto* c = new Compte("c", 1, true);
  Compte* d = garde("d");
  Compte* e = garde("e");
  b->vivant = c->vivant = false;
  e->vivant = false;  // owned elsewhere: told to die and unlinked, not freed
  BlitingMapping();
  EXPECT_EQ(Compte::en_vie, 3);
  EXPECT_EQ(Compte::creves, 1);
  EXPECT_EQ(Mapping::dernier_objet, 2);
  EXPECT_EQ(Mapping::Objets[1], d);
  EXPECT_EQ(d->element_actuel, 1u);
  EXPECT_FALSE(e->enregistre());
}

TEST_F(Passe, DeadSoldiersAndVehiclesStayRegisteredAndKeepRunning) {
  Compte* soldat = garde("soldat");
  soldat->type_objet = TRAMER;
  soldat->vivant = false;
  Compte* mort = garde("mort");
  mort->vivant = false;
  BlitingMapping();
  EXPECT_TRUE(soldat->enregistre());
  EXPECT_FALSE(mort->enregistre());
  EXPECT_EQ(journal, (std::vector<std::string>{"run soldat", "draw soldat"}));
}

TEST_F(Passe, LayersAreDrawnInOrderAndNewbornsWaitForTheNextFrame) {
  garde("haut", 9);
  Compte* pere = garde("bas", 0);
  garde("milieu", 4);
  pere->fils = true;
  BlitingMapping();
  EXPECT_EQ(journal, (std::vector<std::string>{"run haut", "run bas", "run milieu", "draw bas", "draw milieu",
                                               "draw haut"}));
  journal.clear();
  BlitingMapping();
  EXPECT_EQ(journal.size(), 8u);
  EXPECT_EQ(journal[3], "run bas+");
}

TEST_F(Passe, CameraCentresOnItsObjectAndNeverShowsBelowTheGround) {
  BlitingMapping();  // neither hero nor camera object: the view stays put
  EXPECT_EQ(general::Scrolling.x, 0);
  Compte* cam = garde("cam");
  cam->TramePrincipale = Rect(0, 0, 40, 60);
  Mapping::centre_scrolling = cam;
  cam->position = Rect(1000, 400 - 30, 40, 60);
  BlitingMapping();
  EXPECT_EQ(general::Scrolling.x, 1000 + 20 - 480);
  EXPECT_EQ(general::Scrolling.y, 0);
  cam->position.y = 100 - 30;
  BlitingMapping();
  EXPECT_EQ(general::Scrolling.y, -172);
  general::sous_marin = true;
  cam->position.y = 400 - 30;
  BlitingMapping();
  EXPECT_EQ(general::Scrolling.y, 128);
  // Beside the world's left edge the view wraps with the world's coordinates,
  // so its object is still drawn at the screen's centre.
  cam->position.x = -32760;
  BlitingMapping();
  EXPECT_EQ(static_cast<Sint16>(cam->position.x - general::Scrolling.x), 480 - 20);
}

TEST_F(Passe, ScopeAimClampsToHalfTheScopeAndOverlaysIt) {
  // A hero frozen in its scope stance: only the pass itself moves the aim.
  struct HeroFige : Tramer {
    void comportement() override {}
    void bliting() override {}
  };
  auto* hero = new HeroFige();
  Tramer::Hero = hero;
  hero->classe = HERO;
  hero->action = VISER;
  hero->cible = Rect(300, 400, 0, 0);
  BlitingMapping();
  EXPECT_EQ(hero->cible.y, 272);
  EXPECT_EQ(general::Scrolling.x, 300);
  EXPECT_EQ(general::Scrolling.y, 272);
  Uint8 r, g, b;
  lire_rgb(general::ecran, 2, 2, r, g, b);  // outside the scope's window
  EXPECT_EQ(r + g + b, 0);
  // Aboard a vehicle he keeps his stance, but the view follows the vehicle
  // and the scope is gone.
  Compte* vehicule = garde("vehicule");
  vehicule->position = Rect(2000, 0, 4, 4);
  Mapping::centre_scrolling = vehicule;
  hero->affichage = false;
  SDL_FillRect(general::ecran, nullptr, SDL_MapRGB(general::ecran->format, 255, 255, 255));
  BlitingMapping();
  EXPECT_EQ(general::Scrolling.x, 2000 + 2 - 480);
  lire_rgb(general::ecran, 2, 2, r, g, b);
  EXPECT_EQ(r + g + b, 3 * 255);
  delete hero;
  EXPECT_EQ(Tramer::Hero, nullptr);
}

TEST_F(Passe, FinishedReinforcementsAreRetiredAfterTheirDelay) {
  Horloge::regler(1000);
  auto* mort = new Tramer();
  auto* permission = new Tramer();
  auto* actif = new Tramer();
  mort->vivant = false;
  mort->evenementie.remise_a_zero();
  mort->evenementie.en_cours = true;
  permission->statut = 3;
  permission->DureeStatut.remise_a_zero();
  permission->DureeStatut.en_cours = true;
  actif->statut = 1;
  // Enemy clones of an infiltration map: only there does the searching state last.
  general::infiltration = 1;
  for (Tramer* t : {mort, permission, actif}) t->camp = ENNEMI, t->clone = true;
  Tramer::Renforts[0] = mort;
  Tramer::Renforts[1] = permission;
  Tramer::Renforts[2] = actif;
  Tramer::nb_renfort = 3;
  Horloge::avancer(1500);
  BlitingMapping();
  EXPECT_EQ(Tramer::nb_renfort, 3);
  Horloge::avancer(600);
  BlitingMapping();
  ASSERT_EQ(Tramer::nb_renfort, 2);
  EXPECT_EQ(Tramer::Renforts[0], permission);
  EXPECT_EQ(Tramer::Renforts[1], actif);
  Horloge::avancer(60000);
  BlitingMapping();
  ASSERT_EQ(Tramer::nb_renfort, 1);
  EXPECT_EQ(Tramer::Renforts[0], actif);
  Tramer::nb_renfort = 0;
  delete actif;
  general::infiltration = 0;
}

TEST_F(Passe, TeardownFreesEveryHeapOwnedObjectAndTellsTheRestToDie) {
  for (int i = 0; i < 50; ++i) new Compte("tas", i % 10, true);
  garde("garde");
  auto* sans_image = new Compte("sans", 1, true);
  sans_image->image[0] = nullptr;
  EXPECT_EQ(Compte::en_vie, 52);
  DetruireMapping();
  EXPECT_EQ(Mapping::dernier_objet, 0);
  EXPECT_EQ(Compte::en_vie, 1);
  EXPECT_EQ(Compte::creves, 51);
  EXPECT_FALSE(gardes_[0]->enregistre());
  TuerMapping(0);  // nothing left to kill
  EXPECT_EQ(Compte::creves, 51);
}

TEST_F(Passe, WidgetsAreDrawnLayerByLayerWhateverTheirPlace) {
  Marque a("c3", 3), b("c1", 1), c("c0", 0), d("c1bis", 1);
  b.enfant = true;  // born during the pass at layer 7: drawn in the same pass
  BlitingInterfaces();
  EXPECT_EQ(journal, (std::vector<std::string>{"c0", "c1", "c1bis", "c3", "c1+"}));
  journal.clear();
  BlitingInterface();
  EXPECT_EQ(journal, (std::vector<std::string>{"c3", "c1", "c0", "c1bis", "c1+"}));
}
