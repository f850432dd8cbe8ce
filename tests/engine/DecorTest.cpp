#include <string>

#include "Scene.h"
#include "engine/Objet.h"
#include "engine/Objet_Destructible.h"
#include "engine/Objets_Animes.h"
#include "engine/Ombre.h"
#include "weapons/Explosion.h"

namespace {
int explosions() {
  int n = 0;
  for (int32_t i = 0; i < Mapping::dernier_objet; ++i)
    if (Mapping::occupe(i) && dynamic_cast<Explosion*>(Mapping::Objets[i])) ++n;
  return n;
}
}  // namespace

TEST_F(Scene, ObstacleBoxIsAtLeastTwentyPixelsEachWay) {
  ecrire_png("Obstacles/petit.png", 10, 8, 0xFFFFFFFF);
  ecrire_png("Obstacles/long.png", 30, 8, 0xFFFFFFFF);
  Obstacle* petit = creer<Obstacle>("Obstacles/petit.png", Rect(5, 6, 0, 0));
  Obstacle* long_ = creer<Obstacle>("Obstacles/long.png", Rect(0, 0, 0, 0));
  EXPECT_EQ(petit->TramePrincipale.w, 20);
  EXPECT_EQ(petit->TramePrincipale.h, 20);
  EXPECT_EQ(long_->TramePrincipale.w, 30);
  EXPECT_EQ(long_->TramePrincipale.h, 20);
  EXPECT_TRUE(petit->physique);
  EXPECT_EQ(petit->relever_decalage_y(), 0);
  EXPECT_EQ(petit->position.x, 5);
}

TEST_F(Scene, ObstacleListRefusesPastCapacityAndForgetsDestroyedObstacles) {
  ecrire_png("Obstacles/liste.png", 30, 30, 0xFFFFFFFF);
  Obstacle::nb_obstacles = Obstacle::NB_MAX_OBSTACLES - 1;
  Obstacle* dernier = creer<Obstacle>("Obstacles/liste.png", Rect(0, 0, 0, 0));
  Obstacle* refuse = creer<Obstacle>("Obstacles/liste.png", Rect(0, 0, 0, 0));
  EXPECT_EQ(Obstacle::nb_obstacles, Obstacle::NB_MAX_OBSTACLES);
  EXPECT_EQ(Obstacle::Obstacles[Obstacle::NB_MAX_OBSTACLES - 1], dernier);
  oublier(dernier);
  delete dernier;
  EXPECT_EQ(Obstacle::nb_obstacles, Obstacle::NB_MAX_OBSTACLES - 1);
  (void)refuse;
}

TEST_F(Scene, AnimatedDecorShowsANewFrameEvery200Milliseconds) {
  const Uint32 couleurs[3] = {0xFF0000FF, 0xFF00FF00, 0xFFFF0000};
  for (int i = 0; i < 3; ++i) ecrire_png("Objets_Animes/feu/" + std::to_string(i + 1) + ".png", 20, 20, couleurs[i]);
  Objets_Animes* feu = creer<Objets_Animes>("Objets_Animes/feu/", Rect(100, 100, 0, 0));
  ASSERT_EQ(feu->nb_frame, 3);
  EXPECT_EQ(feu->TramePrincipale.w, 20);
  auto montre = [&] {
    feu->bliting();
    Uint8 r, g, b;
    lire_rgb(general::ecran, 110, 110, r, g, b);
    return r > 200 ? 0 : g > 200 ? 1 : b > 200 ? 2 : -1;
  };
  EXPECT_EQ(montre(), 0);
  Horloge::avancer(200);
  EXPECT_EQ(montre(), 0);  // the period must be passed, not just reached
  const int attendus[] = {1, 2, 0, 1};
  for (int attendu : attendus) {
    Horloge::avancer(201);
    EXPECT_EQ(montre(), attendu);
  }
}

TEST_F(Scene, AnimatedDecorWithoutFramesDrawsNothing) {
  Objets_Animes* rien = creer<Objets_Animes>("Objets_Animes/absent/", Rect(0, 0, 0, 0));
  EXPECT_EQ(rien->nb_frame, 0);
  Horloge::avancer(1000);
  rien->bliting();
  EXPECT_EQ(rien->frame_en_cours, 0);
}

TEST_F(Scene, UsingDecorSendsTheUserBehindIt) {
  ecrire_png("Objets/caisse.png", 30, 30, 0xFF3366CC);
  ecrire_png("Objets_Animes/drapeau/1.png", 20, 20, 0xFF3366CC);
  Objet* caisse = creer<Objet>("caisse.png", Rect(0, 0, 0, 0));
  Objets_Animes* drapeau = creer<Objets_Animes>("Objets_Animes/drapeau/", Rect(0, 0, 0, 0));
  EXPECT_EQ(caisse->TramePrincipale.w, 30);
  Tramer* t = soldat(0, 0, ALLIE);
  t->layer = 5;
  caisse->interragir(t);
  EXPECT_EQ(t->layer, 0);
  t->layer = 5;
  drapeau->interragir(t);
  EXPECT_EQ(t->layer, 1);
  t->layer = 2;
  caisse->interragir(t);
  drapeau->interragir(t);
  EXPECT_EQ(t->layer, 2);
}

TEST_F(Scene, DestructibleTargetFallsToOneHitWithOneExplosion) {
  for (const char* etat : {"intact", "endommage", "detruit"})
    ecrire_png(std::string("Objets_destructibles/radar/") + etat + ".png", 60, 40, 0xFF408040);
  ecrire_png("Armes/Explosion3/1.png", 20, 20, 0xFF00A0FF);
  Objet_Destructible* radar = creer<Objet_Destructible>("radar", Rect(200, 100, 0, 0));
  EXPECT_EQ(radar->vie, 100);
  EXPECT_EQ(radar->TramePrincipale.w, 60);
  EXPECT_TRUE(radar->get_be_objectif());
  radar->be_objectif(ENNEMI, 250);
  EXPECT_EQ(radar->camp, ENNEMI);
  EXPECT_EQ(radar->vie_max, 250);
  EXPECT_FALSE(radar->get_be_objectif());

  radar->recevoirdegats(0, nullptr, 0, 0.0, 0);
  EXPECT_EQ(radar->vie, 250);
  EXPECT_EQ(explosions(), 0);

  radar->recevoirdegats(1, nullptr, 0, 0.0, 0);
  EXPECT_EQ(radar->vie, 0);
  EXPECT_FALSE(radar->physique);
  ASSERT_EQ(explosions(), 1);
  radar->recevoirdegats(50, nullptr, 0, 0.0, 0);
  EXPECT_EQ(explosions(), 1);

  // The blast is harmless and centred on the target's far corner.
  for (int32_t i = 0; i < Mapping::dernier_objet; ++i)
    if (auto* e = dynamic_cast<Explosion*>(Mapping::Objets[i])) {
      EXPECT_EQ(e->camp, NUL);
      EXPECT_EQ(e->degat, 0);
      EXPECT_EQ(e->position.x, 260 - 10);
      EXPECT_EQ(e->position.y, 140 - 10);
    }

  Horloge::avancer(500);
  radar->comportement();
  EXPECT_FALSE(radar->detruit);
  Horloge::avancer(1);
  radar->comportement();
  EXPECT_TRUE(radar->detruit);
  EXPECT_TRUE(radar->vivant);  // the wreck stays for the objective count
}

TEST_F(Scene, ShadowLeavesTheWorldAtOnceAndIsHalfTransparent) {
  ecrire_png("Ombres/arbre.png", 40, 10, 0xFF101010);
  Tramer* avant = soldat(0, 0, ALLIE);
  Ombre* ombre = AllouerOmbre("arbre.png", Rect(7, 8, 0, 0));
  Tramer* apres = soldat(0, 0, ALLIE);
  EXPECT_EQ(ombre->layer, 5);
  EXPECT_STREQ(ombre->nom, "arbre.png");
  ASSERT_NE(ombre->image[0], nullptr);
  EXPECT_TRUE(ombre->image[0]->flags & SDL_SRCALPHA);
  EXPECT_EQ(ombre->image[0]->format->alpha, 128);
  EXPECT_EQ(Mapping::dernier_objet, 3);
  delete ombre;
  EXPECT_EQ(Mapping::dernier_objet, 2);
  EXPECT_EQ(Mapping::Objets[1], apres);
  EXPECT_EQ(apres->element_actuel, 1u);
  EXPECT_EQ(Mapping::Objets[0], avant);
}
