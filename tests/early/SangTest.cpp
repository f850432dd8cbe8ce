// The earlier build's blood splash: one inert object per hit a soldier
// takes, its frames counted up to the first gap and noted in "sang.txt";
// and scripted battles where the hero's shots leave them, and where a blast
// knocks an enemy down.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "Bataille.h"
#include "Ejection.h"
#include "Soldats.h"
#include "battle/JouerMap.h"
#include "characters/Sang.h"
#include "engine/BoucleMonde.h"
#include "engine/OuvrirImage.h"
#include "weapons/Explosion.h"
#include "weapons/Projectiles.h"
#include "weapons/TirV.h"

namespace {

template <typename Cond>
std::vector<Sang*> flaques(Cond garder) {
  std::vector<Sang*> v;
  for (int32_t i = 0; i < Mapping::dernier_objet; ++i)
    if (auto* s = dynamic_cast<Sang*>(Mapping::Objets[i]); s && garder(s)) v.push_back(s);
  return v;
}
std::vector<Sang*> flaques() {
  return flaques([](Sang*) { return true; });
}

std::vector<std::string> lignes(const char* nom) {
  std::ifstream f(nom);
  std::vector<std::string> v;
  for (std::string l; std::getline(f, l);) v.push_back(l);
  return v;
}

// Stdout is captured till the end of the scope, however the test ends; a
// failing check's own message is caught with it, so a failed test shows it all.
struct Silence {
  Silence() { testing::internal::CaptureStdout(); }
  ~Silence() {
    const std::string dit = testing::internal::GetCapturedStdout();
    if (testing::Test::HasFailure()) std::fputs(dit.c_str(), stdout);
  }
};

class SangSoldat : public Soldats {
 protected:
  // A bullet that has just handed over its damage, flying `direction`.
  static TirV* balle(int x, int y, int16_t direction) {
    auto* b = new TirV(Rect(x, y, 0, 0), 0.0, direction, 0);
    b->vivant = false;
    return b;
  }
};

}  // namespace

TEST_F(SangSoldat, OneSplashPerAcceptedHitAndNoneForAProtectedSoldier) {
  testing::internal::CaptureStdout();  // the aimed bullets' traces
  Tramer* t = soldat("Cible", ENNEMI, 1000, 300);
  t->TramePrincipale.x = 6;
  t->recevoirdegats(10, balle(900, 340, GAUCHE), GAUCHE, 12.0, 1);
  EXPECT_TRUE(flaques().empty()) << "the spawn protection turned the hit away";

  proteger_fini();
  TirV* b = balle(900, 340, GAUCHE);
  t->recevoirdegats(10, b, GAUCHE, 12.0, 3);
  ASSERT_EQ(flaques().size(), 1u);
  Sang* s = flaques()[0];
  EXPECT_EQ(s->cible, t);
  EXPECT_EQ(s->direction, GAUCHE);
  EXPECT_EQ(s->DirBaseCible, t->direction);
  EXPECT_EQ(s->nb_image, 5);
  EXPECT_EQ(s->image[0], AllouerImage("Sang/Gauche/1.png", 0, false));
  EXPECT_EQ(s->where.x, 1000 - 900 - 6);
  EXPECT_EQ(s->where.y, 340 - 300 + 3 - s->TramePrincipale.h / 2 + 5);
  EXPECT_EQ(s->layer, 4);
  EXPECT_FALSE(s->physique);
  EXPECT_TRUE(s->Tas);
  EXPECT_TRUE(s->vivant);

  t->recevoirdegats(10, balle(1100, 340, DROITE), DROITE, 0.0, 1);
  t->recevoirdegats(10, balle(1100, 340, 7), 7, 0.0, 1);
  EXPECT_EQ(flaques().size(), 3u);
  // Only the last splash's list stays: the right-hand frames, up to the first missing one.
  const std::vector<std::string> attendu = {"Sang/Droite/1.png", "Sang/Droite/2.png", "Sang/Droite/3.png",
                                            "Sang/Droite/4.png", "Sang/Droite/5.png", "Sang/Droite/6.png"};
  EXPECT_EQ(lignes("sang.txt"), attendu);

  // A splash neither draws nor changes, frame after frame.
  const SDL_Rect avant = s->position;
  for (int k = 0; k < 3; ++k) {
    s->comportement();
    s->bliting();
    s->blit_only();
  }
  EXPECT_TRUE(s->vivant);
  EXPECT_EQ(s->position.x, avant.x);
  testing::internal::GetCapturedStdout();
}

TEST_F(SangSoldat, FramesAreCountedUpToTheFirstGapAndAFolderWithoutFramesLeavesNothing) {
  Tramer* t = soldat("Cible", ENNEMI, 1000, 300);
  for (int n : {1, 2, 3, 5}) ecrire_png("Gouttes/Droite/" + std::to_string(n) + ".png", 8, 6, 0xFF0000FF);
  auto* s = new Sang("Gouttes/", 0, t, Rect(0, 0, 0, 0), 2, 0.0);
  EXPECT_EQ(s->nb_image, 3);
  EXPECT_EQ(lignes("sang.txt"), (std::vector<std::string>{"Gouttes/Droite/1.png", "Gouttes/Droite/2.png",
                                                           "Gouttes/Droite/3.png", "Gouttes/Droite/4.png"}));
  EXPECT_EQ(s->where.y, 0 - 3 + 5);
  EXPECT_TRUE(s->enregistre());
  s->crever();
  EXPECT_EQ(s->image[0], nullptr);
  EXPECT_EQ(s->image[1], nullptr);
  EXPECT_NE(s->image[2], nullptr);

  // No frame at all: a splash with nothing to show is not kept in the world.
  testing::internal::CaptureStderr();
  EXPECT_EQ(retenir(new Sang("SansCadres/", 1, t, Rect(0, 0, 0, 0), 2, 0.0)), nullptr);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(lignes("sang.txt"), (std::vector<std::string>{"SansCadres/Gauche/1.png"}));
  EXPECT_EQ(flaques().size(), 1u) << "only the one made by hand";
}

TEST_F(SangSoldat, SplashesStayTillTheNextBattleAndAFullWorldGivesTheOldestOnesEntryToANewObject) {
  Silence silence;  // the aimed bullets' traces
  Tramer* t = soldat("Cible", ENNEMI, 1000, 300);
  proteger_fini();
  auto frapper = [t](int16_t direction) {
    t->stats.pv_restants = t->stats.pv_max;
    t->recevoirdegats(10, balle(direction == GAUCHE ? 900 : 1100, 340, direction), direction, 0.0, 1);
  };
  std::vector<Sang*> ordre;  // the splashes, oldest first
  for (int k = 0; k < 150; ++k) {
    const std::vector<Sang*> avant = flaques();
    frapper(GAUCHE);
    for (Sang* s : flaques())
      if (std::find(avant.begin(), avant.end(), s) == avant.end()) ordre.push_back(s);
    if (k % 10 == 9) BlitingMapping();  // frames go by between the hits
  }
  ASSERT_EQ(ordre.size(), 150u);
  EXPECT_EQ(flaques().size(), 150u) << "no frame sends a splash away";

  // The rest of the world fills the table.
  while (Mapping::dernier_objet < Mapping::NB_OBJETS) (new Mapping())->Tas = true;
  ASSERT_EQ(flaques().size(), 150u);
  const uint32_t places[] = {ordre[0]->element_actuel, ordre[1]->element_actuel, ordre[2]->element_actuel};
  auto* b = new TirV(Rect(900, 340, 0, 0), 0.0, GAUCHE, 0);
  ASSERT_TRUE(b->enregistre()) << "a bullet can still be fired";
  EXPECT_EQ(b->element_actuel, places[0]) << "in the oldest splash's place";
  EXPECT_EQ(flaques().size(), 149u);

  // A hit's bullet, then its splash, each take the next oldest one's place:
  // the new splash is kept.
  frapper(DROITE);
  EXPECT_NE(dynamic_cast<TirV*>(Mapping::Objets[places[1]]), nullptr);
  auto* nouvelle = dynamic_cast<Sang*>(Mapping::Objets[places[2]]);
  ASSERT_NE(nouvelle, nullptr);
  EXPECT_EQ(nouvelle->direction, DROITE) << "the new one, not the old one";
  EXPECT_EQ(flaques().size(), 148u);
  // The world goes on with what is left.
  BlitingMapping();
  EXPECT_EQ(flaques().size(), 148u);
  EXPECT_TRUE(ordre[3]->enregistre());
  EXPECT_TRUE(nouvelle->enregistre());
}

TEST_F(SangSoldat, ABlastWhoseHitsSendSplashesAwayStrikesOnlyWhatWasInReachWhenItBegan) {
  Silence silence;
  Tramer* a = soldat("A", ENNEMI, 1000, 300);
  Tramer* b = soldat("B", ENNEMI, 1000, 300);
  auto* e = new Explosion(P_char("Armes/Explosion3/"), Rect(1040, 340, 0, 0), 10);
  e->camp = ALLIE;
  for (int k = 0; k < 4; ++k) (new Sang("Sang/", GAUCHE, a, Rect(0, 0, 0, 0), 2, 0.0))->position = a->position;
  while (Mapping::dernier_objet < Mapping::NB_OBJETS) (new Mapping())->Tas = true;  // far off, out of reach
  proteger_fini();
  Son::effacer_appels();
  e->comportement();
  // Each soldier's splash sends the oldest one away; a later splash may take
  // its address, and must not be struck for it.
  const auto coups = std::count_if(Son::appels().begin(), Son::appels().end(), [](const Son::Appel& c) {
    return c.operation == "play" && c.nom.find("Impact.wav") != std::string::npos;
  });
  EXPECT_EQ(coups, 2 + 4 - 2);
  EXPECT_EQ(flaques().size(), 4u);
}

namespace {

class BatailleEarly : public Bataille {
 protected:
  void SetUp() override {
    Bataille::SetUp();
    general::fusil_choisi = 1;  // "N-10": 20 a hit, more than a second's healing
  }
};

}  // namespace

TEST_F(BatailleEarly, TheHerosShotsLeaveOneSplashPerHitTheEnemyTakes) {
  Tramer* e = nullptr;
  int touches = 0, pv = 0, images = 0, refusees = 0;
  testing::internal::CaptureStdout();
  quand(en_bataille, [&] {
    Tramer* h = Tramer::Hero;
    // The hero and one enemy alone on the field, face to face.
    for (int i = 0; i < Tramer::nb_persos; ++i) {
      Tramer* t = Tramer::Persos[i];
      if (!t || t == h) continue;
      if (!e && t->camp == ENNEMI) {
        e = t;
        continue;
      }
      t->affichage = false;
    }
    ASSERT_NE(e, nullptr);
    e->position.x = static_cast<Sint16>(h->position.x + 300);
    e->position.y = h->position.y;
    pv = e->stats.pv_restants;
  });
  quand([&] {
    Tramer* h = Tramer::Hero;
    if (e->stats.pv_restants < pv) ++touches;
    pv = e->stats.pv_restants;
    // Shots that reach the enemy while it is still protected leave nothing.
    if (e->Invincibilite.cycle(2000) != 3 && !flaques().empty()) ++refusees;
    if (!e->vivant || ++images > 600) return true;
    const SDL_Surface* v = h->ArmePrincipale ? h->ArmePrincipale->donnerViseur() : nullptr;
    h->cible.x = static_cast<Sint16>(e->position.x + e->TramePrincipale.w / 2 - general::Scrolling.x + (v ? v->w / 2 : 0));
    h->cible.y = static_cast<Sint16>(e->position.y + e->TramePrincipale.h / 3 - general::Scrolling.y + (v ? v->h / 2 : 0));
    Souris[1] = true;
    return false;
  }, [] {
    Souris[1] = false;
    fermer();
  });
  accrocher();
  EXPECT_EQ(JouerMap(0, 0), 3);
  testing::internal::GetCapturedStdout();
  ASSERT_NE(e, nullptr);
  EXPECT_GT(touches, 0);
  EXPECT_EQ(refusees, 0);
  EXPECT_EQ(static_cast<int>(flaques([&](Sang* s) { return s->cible == e; }).size()), touches);
  const std::vector<std::string> l = lignes("sang.txt");
  ASSERT_FALSE(l.empty());
  EXPECT_EQ(l.back().substr(0, 5), "Sang/");
}

// Each tick of an earlier blast deals the whole damage: the first knocks the
// enemy down, his AI leaves him down till the fall has played out, and the
// others pass while he slides off. None of them is a head hit.
TEST_F(EjectionEnBataille, ABlastKnocksAComputerSoldierDownOnceAndNeverTakesHisHead) {
  const Bilan b = souffler(150);
  ASSERT_EQ(b.pv_avant, 1000);
  EXPECT_TRUE(b.sur_la_ligne);
  EXPECT_EQ(b.pv_avant - b.pv_apres, 150);
  EXPECT_GT(b.images_a_terre, 5);
  EXPECT_GT(b.glissade, 100);
  EXPECT_TRUE(b.releve);
}

// Whatever cut a blow or a throw short, or when one played out, he walks on
// at his normal pace, and the next one plays slowly and gives it back.
TEST_F(EjectionEnBataille, AfterABlowOrThrowCutShortOrPlayedOutTheHeroWalksAtHisNormalPace) {
  const std::vector<int> normal{100, 200, 100};
  EXPECT_EQ(pas_apres_les_gestes(), std::vector<std::vector<int>>(4, normal))
      << "knock-down, posture key, jump cut as a blow starts, throw";
}

// A hit that neither knocks him down nor kills him leaves a blow or a throw
// where it was, for the hero and a computer soldier alike; and an item the
// weapon key brings out mid-blow is never let go.
TEST_F(EjectionEnBataille, HitsThatChangeNothingLeaveABlowOrThrowWhereItWas) { coups_et_jets_sous_le_feu(); }
