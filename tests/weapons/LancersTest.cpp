#include <filesystem>
#include <memory>
#include <string>

#include "Armurerie.h"
#include "characters/Tramer.h"
#include "engine/BoucleMonde.h"
#include "weapons/Explosion.h"
#include "weapons/Fumi.h"
#include "weapons/Fumigene.h"
#include "weapons/Fumigenes.h"
#include "weapons/Grenade.h"
#include "weapons/Grenades.h"

namespace {
const SDL_Rect MAIN = {100, 200, 50, 100};

class Lancers : public Armurerie {
 protected:
  void SetUp() override {
    Armurerie::SetUp();
    general::sous_marin = false;
  }
  void TearDown() override {
    general::sous_marin = false;
    Armurerie::TearDown();
  }
  template <class P, class W>
  P* lancer(W& arme, int dir, int16_t camp = ALLIE) {
    arme.set_camp(camp);
    arme.afficher_arme(MAIN, 1, dir);
    auto v = trouver<P>();
    return v.empty() ? nullptr : v.back();
  }
  // A solid thing of type t, 100 wide, across the flight line.
  Cible* mur(int x, int16_t camp, int16_t t = OBSTACLES) {
    Cible* c = cible(x, 0, 100, 1000, camp);
    c->type_objet = t;
    return c;
  }
  static bool en_cache(const char* nom) {
    for (int i = 0; i < nb_images; ++i)
      if (charcmp(nom_Images[i].retournertexte(), nom)) return true;
    return false;
  }
};
}  // namespace

TEST_F(Lancers, GrenadeLeavesTheHandAtTheSamePointForBothFacings) {
  Grenade g(P_char("Armes/Grenades/grenade.png"));
  general::Scrolling = Rect(1000, -50, 0, 0);
  Grenades* d = lancer<Grenades>(g, DROITE);
  Grenades* gch = lancer<Grenades>(g, GAUCHE);
  ASSERT_TRUE(d && gch && d != gch);
  // 60 px right of the hand and 4 below, whichever way the carrier faces.
  for (Grenades* p : {d, gch}) {
    EXPECT_EQ(p->position.x, 1160);
    EXPECT_EQ(p->position.y, 154);
    EXPECT_EQ(p->camp, ALLIE);
    EXPECT_TRUE(p->Tas);
    EXPECT_FALSE(p->physique);
  }
  EXPECT_EQ(d->vecteur.x, 50);
  EXPECT_EQ(gch->vecteur.x, -50);
  EXPECT_EQ(g.get_charge_actuelle(), 8);
}

TEST_F(Lancers, GrenadeSlowsToTenAndRisesThenFallsInAlternatingSteps) {
  Grenade g(P_char("Armes/Grenades/grenade.png"));
  Grenades* p = lancer<Grenades>(g, DROITE);
  ASSERT_NE(p, nullptr);
  const int dx[] = {50, 48, 46, 44, 42, 40, 38, 36, 34, 32, 30, 28, 26, 24, 22, 20, 18, 16, 14, 12, 10, 10, 10};
  const int dy[] = {-16, -8, 0, 8, 16, 8, 16, 8};
  for (int k = 0; k < 23; ++k) {
    const int x = p->position.x, y = p->position.y;
    p->comportement();
    EXPECT_EQ(p->position.x - x, dx[k]) << k;
    if (k < 8) {
      EXPECT_EQ(p->position.y - y, dy[k]) << k;
    }
  }

  Grenades* l = lancer<Grenades>(g, GAUCHE);
  for (int k = 0; k < 30; ++k) l->comportement();
  EXPECT_EQ(l->vecteur.x, -10);
}

TEST_F(Lancers, GrenadeBouncesOffTheGroundLineExceptUnderWater) {
  Grenade g(P_char("Armes/Grenades/grenade.png"));
  Grenades* p = lancer<Grenades>(g, DROITE);
  const int sol = general::ecran->h - 40;
  p->position.y = static_cast<Sint16>(sol - 10);
  p->vecteur.y = -16;
  EXPECT_EQ(p->p_collision(false), PAS_COLLISION);
  EXPECT_EQ(p->position.y, sol);
  EXPECT_EQ(p->vecteur.y, 21);  // half of 16, but never slower than 21
  p->vecteur.y = -60;
  p->p_collision(false);
  EXPECT_EQ(p->vecteur.y, 30);
  // Exactly on the line next step: no bounce yet.
  p->position.y = static_cast<Sint16>(sol - 8);
  p->vecteur.y = -8;
  p->p_collision(false);
  EXPECT_EQ(p->vecteur.y, -8);

  general::sous_marin = true;
  p->position.y = static_cast<Sint16>(sol);
  p->vecteur.y = -16;
  p->p_collision(false);
  EXPECT_EQ(p->position.y, sol);
  EXPECT_EQ(p->vecteur.y, -16);
}

TEST_F(Lancers, GrenadeTurnsBackOffObstaclesOfAnotherCampOnly) {
  Grenade g(P_char("Armes/Grenades/grenade.png"));
  Grenades* p = lancer<Grenades>(g, DROITE);
  p->position = Rect(100, 100, 0, 0);
  p->vecteur.x = 30;
  const int w = p->TramePrincipale.w;
  mur(100 + w + 30 - 5, ALLIE);                   // its own side's wall
  mur(100 + w + 30 - 5, ENNEMI, TRAMER);          // a soldier is no wall
  Cible* m = mur(100 + w + 30 - 5, ENNEMI);
  EXPECT_EQ(p->p_collision(false), P_COLLISION);
  EXPECT_EQ(Mapping::Objets[p->colliser], m);
  EXPECT_EQ(p->vecteur.x, -15);
  EXPECT_EQ(p->direction, GAUCHE);

  // Flying left it meets a wall on its left the same way, and turns right.
  m->position.x = static_cast<Sint16>(100 - 15 - 50);
  EXPECT_EQ(p->p_collision(false), P_COLLISION);
  EXPECT_EQ(p->vecteur.x, 7);
  EXPECT_EQ(p->direction, DROITE);

  // A wall beyond the next step is not met.
  m->position.x = static_cast<Sint16>(100 + w + 7 + 1);
  EXPECT_EQ(p->p_collision(false), PAS_COLLISION);
}

TEST_F(Lancers, SmokeGrenadePassesThroughSoldiersAndBouncesOffOtherSolidThings) {
  Fumigene f(P_char("Armes/Fumigene/projectile.png"));
  Fumigenes* p = lancer<Fumigenes>(f, DROITE);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->vecteur.x, 35);
  p->position = Rect(100, 100, 0, 0);
  const int bord = 100 + p->TramePrincipale.w + 35 - 5;
  Cible* soldat = mur(bord, ENNEMI, TRAMER);
  EXPECT_EQ(p->p_collision(false), PAS_COLLISION);
  soldat->type_objet = VEHICULE;
  EXPECT_EQ(p->p_collision(false), P_COLLISION);
  EXPECT_EQ(p->vecteur.x, -17);

  // In flight: slows to 6 px a step, falls at most 8.
  Fumigenes* q = lancer<Fumigenes>(f, GAUCHE);
  for (int k = 0; k < 40; ++k) q->bliting();
  EXPECT_EQ(q->vecteur.x, -6);
  EXPECT_EQ(q->vecteur.y, -8);
}

TEST_F(Lancers, EveryThrowSpendsAnItemAndTheTenthIsTheLast) {
  Grenade g(P_char("Armes/Grenades/grenade.png"));
  Fumigene f(P_char("Armes/Fumigene/projectile.png"));
  for (Lancer* l : {static_cast<Lancer*>(&g), static_cast<Lancer*>(&f)}) {
    EXPECT_EQ(l->get_type(), GRENADES);
    EXPECT_EQ(l->get_recharge(), 1000);
    for (int k = 0; k < 10; ++k) {
      EXPECT_EQ(l->Tirer(MAIN, false, false, 0, false, false), PROJETER) << k;
      l->afficher_arme(MAIN, 0, DROITE);  // shown in the hand: nothing spent
      l->afficher_arme(MAIN, 1, DROITE);
    }
    EXPECT_EQ(l->Tirer(MAIN, false, false, 0, false, false), 0);
    EXPECT_EQ(l->Tirer(MAIN, true, false, 0, false, false), 0);  // and no reload brings them back
    EXPECT_EQ(l->get_charge_actuelle(), 0);
  }
  EXPECT_EQ(trouver<Grenades>().size(), 10u);
  EXPECT_EQ(trouver<Fumigenes>().size(), 10u);
  EXPECT_STREQ(f.get_nom(), "Fumig\xE8ne");
  EXPECT_EQ(f.donnerOmbre(), AllouerImage("Armes/Fumigene/ombre.png", 0, false));
}

TEST_F(Lancers, ThrownItemWithoutAPictureIsNotMade) {
  std::filesystem::remove("Armes/Grenades/grenade.png");
  oublier_image("Armes/Grenades/grenade.png");
  Grenade g(P_char("Armes/Grenades/grenade.png"));
  const int32_t avant = Mapping::dernier_objet;
  g.afficher_arme(MAIN, 0, DROITE);
  g.afficher_arme(MAIN, 1, DROITE);
  EXPECT_TRUE(trouver<Grenades>().empty());
  for (int32_t i = avant; i < Mapping::dernier_objet; ++i) EXPECT_FALSE(Mapping::occupe(i));
}

TEST_F(Lancers, GrenadeExplodesOnItsSideWhenItsHalfSecondIsUp) {
  Grenade g(P_char("Armes/Grenades/grenade.png"));
  Grenades* p = lancer<Grenades>(g, DROITE, ENNEMI);
  p->position = Rect(400, 300, 0, 0);
  p->vecteur = Rect(0, 0, 0, 0);
  Horloge::avancer(500);
  p->bliting();
  EXPECT_TRUE(p->vivant);
  EXPECT_TRUE(trouver<Explosion>().empty());
  Horloge::avancer(1);
  p->bliting();
  EXPECT_FALSE(p->vivant);
  auto e = trouver<Explosion>();
  ASSERT_EQ(e.size(), 1u);
  EXPECT_EQ(e[0]->camp, ENNEMI);
  EXPECT_EQ(e[0]->degat, 90);
  SDL_Surface* premiere = AllouerImage("Explosion/1.png", 0, false);
  ASSERT_NE(premiere, nullptr);
  EXPECT_EQ(e[0]->position.x, 400 - premiere->w / 2);
  EXPECT_EQ(e[0]->position.y, 300 - premiere->h / 2 - 100);
  // Drawn again or freed, it makes nothing more.
  p->bliting();
  delete p;
  EXPECT_EQ(trouver<Explosion>().size(), 1u);
}

TEST_F(Lancers, ThrownItemsStopAtTheWorldsEdgeInsteadOfWrappingRound) {
  Grenade g(P_char("Armes/Grenades/grenade.png"));
  Grenades* p = lancer<Grenades>(g, DROITE);
  p->position.x = 32740;
  p->comportement();
  EXPECT_EQ(p->position.x, 32740);
  Horloge::avancer(501);
  p->bliting();
  auto e = trouver<Explosion>();
  ASSERT_EQ(e.size(), 1u);
  EXPECT_GT(e[0]->position.x, 32000) << "it goes off at the right edge, not among the far left";
  Fumigene f(P_char("Armes/Fumigene/projectile.png"));
  Fumigenes* s = lancer<Fumigenes>(f, GAUCHE);
  s->position.x = -32750;
  s->bliting();
  EXPECT_EQ(s->position.x, -32750);
  Horloge::avancer(1501);
  s->bliting();
  auto c = trouver<Fumi>();
  ASSERT_EQ(c.size(), 1u);
  EXPECT_LT(c[0]->position.x, -32000) << "its cloud stands at the left edge";
}

TEST_F(Lancers, BattleFramesRunAGrenadeToOneBlastAndReapIt) {
  Grenade g(P_char("Armes/Grenades/grenade.png"));
  lancer<Grenades>(g, DROITE);
  for (int k = 0; k < 60; ++k) {
    Horloge::avancer(10);
    BlitingMapping();
  }
  EXPECT_TRUE(trouver<Grenades>().empty());
  EXPECT_EQ(trouver<Explosion>().size(), 1u);
}

TEST_F(Lancers, SmokeCloudLoopsItsTenSharedFramesAFifthOfASecondApart) {
  Fumigene f(P_char("Armes/Fumigene/projectile.png"));
  Fumigenes* p = lancer<Fumigenes>(f, DROITE);
  Fumigenes* q = lancer<Fumigenes>(f, DROITE);
  q->position = Rect(300, 200, 0, 0);
  Horloge::avancer(1501);
  p->bliting();
  q->bliting();
  auto c = trouver<Fumi>();
  ASSERT_EQ(c.size(), 2u);
  Fumi* n = c[0]->position.x < c[1]->position.x ? c[1] : c[0];
  EXPECT_EQ(n->type_objet, FUMEE);
  EXPECT_EQ(n->layer, 2);
  EXPECT_EQ(n->nb_frame, 10);
  // Centred on where the smoke grenade lay.
  EXPECT_EQ(n->position.x, q->position.x - n->TramePrincipale.w / 2);
  EXPECT_EQ(n->position.y, q->position.y - n->TramePrincipale.h / 2);
  // Both clouds show the cache's pictures; none of their own.
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(c[0]->image[k], AllouerImage(("Armes/fumigene/" + std::to_string(k + 1) + ".png").c_str(), 0, false));
    EXPECT_EQ(c[0]->image[k], c[1]->image[k]);
  }
  for (int k = 1; k <= 21; ++k) {
    Horloge::avancer(201);
    n->bliting();
    EXPECT_EQ(n->frame_en_cours, k % 10) << k;
  }
  EXPECT_TRUE(n->vivant);
}

TEST_F(Lancers, SmokeCloudWithoutItsFirstFrameIsNotMade) {
  for (int k = 1; k <= 10; ++k) {
    const std::string nom = "Armes/Fumigene/" + std::to_string(k) + ".png";
    std::filesystem::remove(nom);
    oublier_image(nom.c_str());
    oublier_image(("Armes/fumigene/" + std::to_string(k) + ".png").c_str());
  }
  Fumigene f(P_char("Armes/Fumigene/projectile.png"));
  Fumigenes* p = lancer<Fumigenes>(f, DROITE);
  Horloge::avancer(1501);
  p->bliting();
  EXPECT_FALSE(p->vivant);
  EXPECT_TRUE(trouver<Fumi>().empty());
}

TEST_F(Lancers, EmptyingTheWorldMakesNoBlastNorCloud) {
  oublier_image("Explosion/1.png");
  oublier_image("Armes/fumigene/1.png");
  Grenade g(P_char("Armes/Grenades/grenade.png"));
  Fumigene f(P_char("Armes/Fumigene/projectile.png"));
  lancer<Grenades>(g, DROITE);
  lancer<Fumigenes>(f, GAUCHE);
  // One of each already dead, waiting for the frame pass.
  lancer<Grenades>(g, GAUCHE)->vivant = false;
  lancer<Fumigenes>(f, DROITE)->vivant = false;
  Tramer::Fin = true;
  DetruireMapping();
  Tramer::Fin = false;
  EXPECT_EQ(Mapping::dernier_objet, 0);
  // Neither a blast nor a cloud was ever built: their pictures were never asked for.
  EXPECT_FALSE(en_cache("Explosion/1.png"));
  EXPECT_FALSE(en_cache("Armes/fumigene/1.png"));
}
