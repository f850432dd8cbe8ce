#include <algorithm>
#include <filesystem>
#include <memory>

#include "Armurerie.h"
#include "characters/Tramer.h"
#include "weapons/Bouclier.h"
#include "weapons/Boucliers.h"
#include "weapons/Explosion.h"
#include "weapons/Mine.h"
#include "weapons/Mineur.h"
#include "weapons/Tir.h"

namespace {
const SDL_Rect MAIN = {300, 200, 50, 100};

class Pose : public Armurerie {
 protected:
  template <class P, class W>
  P* poser(W& arme, int dir, int16_t camp = ALLIE) {
    arme.set_camp(camp);
    arme.afficher_arme(MAIN, 1, dir);
    auto v = trouver<P>();
    return v.empty() ? nullptr : v.back();
  }
  std::unique_ptr<Tramer> soldat(int x, int y, int16_t camp) {
    auto t = std::make_unique<Tramer>();
    t->position = Rect(x, y, 0, 0);
    t->TramePrincipale = Rect(0, 0, 50, 100);
    t->camp = camp;
    return t;
  }
};
}  // namespace

TEST_F(Pose, ShieldStandsAheadOfTheCarrierOnItsSide) {
  Bouclier b(P_char("Armes/Bouclier/projectile.png"));
  general::Scrolling = Rect(1000, 0, 0, 0);
  Boucliers* d = poser<Boucliers>(b, DROITE, ENNEMI);
  Boucliers* g = poser<Boucliers>(b, GAUCHE, ENNEMI);
  ASSERT_TRUE(d && g && d != g);
  EXPECT_EQ(d->position.x, 1300);
  EXPECT_EQ(d->position.y, 166);  // 34 px above the hand
  EXPECT_EQ(g->position.x, 1100);
  EXPECT_EQ(g->camp, ENNEMI);
  EXPECT_TRUE(d->physique);
  EXPECT_EQ(d->layer, 5);
  EXPECT_EQ(d->vie, 150);
  EXPECT_FALSE(d->get_be_objectif());
  EXPECT_EQ(b.get_charge_actuelle(), 8);
  EXPECT_EQ(b.get_type2(), 6);
  // The shield has no silhouette of its own.
  EXPECT_EQ(b.donnerOmbre(), AllouerImage("Armes/QD-AR/ombre.png", 0, false));
  // At the world's left edge it stands against it, not at the far right.
  general::Scrolling = Rect(INT16_MIN, 0, 0, 0);
  b.afficher_arme(Rect(100, 200, 50, 100), 1, GAUCHE);
  auto v = trouver<Boucliers>();
  EXPECT_EQ(std::count_if(v.begin(), v.end(), [](Boucliers* s) { return s->position.x == INT16_MIN; }), 1);
}

TEST_F(Pose, ShieldAbsorbsItsLifeThenFalls) {
  Bouclier b(P_char("Armes/Bouclier/projectile.png"));
  Boucliers* s = poser<Boucliers>(b, DROITE);
  s->recevoirdegats(0, nullptr, 0, 0, 0);
  s->recevoirdegats(-5, nullptr, 0, 0, 0);
  EXPECT_EQ(s->vie, 150);
  s->recevoirdegats(149, nullptr, 0, 0, 0);
  EXPECT_EQ(s->vie, 1);
  EXPECT_TRUE(s->vivant);
  s->recevoirdegats(1, nullptr, 0, 0, 0);
  EXPECT_EQ(s->vie, 0);
  EXPECT_FALSE(s->vivant);
  EXPECT_FALSE(s->physique);
}

TEST_F(Pose, ShieldOutlivesABlastOfNinetyAndStopsTheOtherSidesShots) {
  Bouclier b(P_char("Armes/Bouclier/projectile.png"));
  Boucliers* s = poser<Boucliers>(b, DROITE, ALLIE);
  auto* e = new Explosion(P_char("Explosion/"), Rect(s->position.x, s->position.y, 0, 0), 90);
  e->camp = ENNEMI;
  for (int k = 0; k < 20 && e->vivant; ++k) {
    Horloge::avancer(101);
    e->comportement();
    if (e->vivant) e->bliting();
  }
  EXPECT_EQ(s->vie, 150 - 90 / e->nb_frame * e->nb_frame);
  EXPECT_TRUE(s->vivant);

  auto* t = new Tir();
  t->position = Rect(s->position.x - 30, s->position.y + 40, 0, 0);
  t->camp = ENNEMI;
  t->vitesse = 40;
  EXPECT_EQ(t->p_collision(false), P_COLLISION);
  t->camp = ALLIE;
  EXPECT_NE(t->p_collision(false), P_COLLISION);
}

TEST_F(Pose, ShieldFallsAfterTenSeconds) {
  Bouclier b(P_char("Armes/Bouclier/projectile.png"));
  Boucliers* s = poser<Boucliers>(b, DROITE);
  Horloge::avancer(10000);
  s->comportement();
  EXPECT_TRUE(s->vivant);
  Horloge::avancer(1);
  s->comportement();
  EXPECT_FALSE(s->vivant);
}

TEST_F(Pose, ShieldOrMineWithoutItsPictureIsNotSetDown) {
  std::filesystem::remove("Armes/Bouclier/bouclier.png");
  oublier_image("Armes/bouclier/bouclier.png");
  std::filesystem::remove("Armes/Mines/projectile.png");
  oublier_image("Armes/Mines/projectile.png");
  Bouclier b(P_char("Armes/Bouclier/projectile.png"));
  Mineur m(P_char("Armes/Mines/projectile.png"));
  b.afficher_arme(MAIN, 1, DROITE);
  m.afficher_arme(MAIN, 1, DROITE);
  EXPECT_TRUE(trouver<Boucliers>().empty());
  EXPECT_TRUE(trouver<Mine>().empty());
}

TEST_F(Pose, MineLiesAheadOfTheCarriersFeet) {
  Mineur m(P_char("Armes/Mines/projectile.png"));
  general::Scrolling = Rect(0, 50, 0, 0);
  Mine* d = poser<Mine>(m, DROITE);
  Mine* g = poser<Mine>(m, GAUCHE);
  ASSERT_TRUE(d && g && d != g);
  EXPECT_EQ(d->position.x, 430);
  EXPECT_EQ(g->position.x, 290);
  EXPECT_EQ(d->position.y, 348);
  EXPECT_FALSE(d->physique);
  EXPECT_EQ(d->TramePrincipale.w, 100);
  EXPECT_EQ(m.get_type2(), 7);
  EXPECT_STREQ(m.get_nom(), "Mine");
}

TEST_F(Pose, MineIsSetOffOnlyByASoldierOfAnotherCamp) {
  Mineur m(P_char("Armes/Mines/projectile.png"));
  Mine* mine = poser<Mine>(m, DROITE, ALLIE);
  mine->position = Rect(1000, 400, 0, 0);
  auto ami = soldat(1020, 380, ALLIE);
  Cible* vehicule = cible(1000, 400, 100, 100, ENNEMI);
  vehicule->type_objet = VEHICULE;
  Cible* decor = cible(1000, 400, 100, 100, ENNEMI);
  decor->type_objet = OBSTACLES;
  auto loin = soldat(1100, 400, ENNEMI);  // just past its right edge
  mine->comportement();
  EXPECT_TRUE(mine->vivant);
  EXPECT_TRUE(trouver<Explosion>().empty());

  auto ennemi = soldat(1099, 499, ENNEMI);
  mine->comportement();
  EXPECT_FALSE(mine->vivant);
  auto e = trouver<Explosion>();
  ASSERT_EQ(e.size(), 1u);
  EXPECT_EQ(e[0]->camp, ALLIE);
  EXPECT_EQ(e[0]->degat, 150);
  SDL_Surface* premiere = AllouerImage("Armes/Mines/1.png", 0, false);
  ASSERT_NE(premiere, nullptr);
  EXPECT_EQ(e[0]->position.x, 1100 - premiere->w / 2);
  EXPECT_EQ(e[0]->position.y, 500 - premiere->h / 2 - 100);
  mine->comportement();  // only once
  EXPECT_EQ(trouver<Explosion>().size(), 1u);
}
