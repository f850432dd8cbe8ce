#include <algorithm>
#include <iterator>
#include <string>

#include "Scene.h"
#include "engine/OuvrirImage.h"
#include "weapons/Explosion.h"

namespace {
// A world object that adds up what it is dealt.
class Cible : public Mapping {
 public:
  Cible(int x, int y, int16_t c) {
    position = Rect(x, y, 0, 0);
    camp = c;
  }
  void recevoirdegats(int16_t d, Mapping*, int16_t, double, int16_t) override {
    total += d;
    ++coups;
    if (pendant) pendant();
  }
  int total = 0;
  int coups = 0;
  std::function<void()> pendant;
};

class Souffle : public Scene {
 protected:
  // A folder of `n` frames of w x w pixels, named after the test.
  std::string dossier(int n, int w = 40) {
    std::string d = std::string("Boum/") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + std::to_string(n) + "/";
    for (int i = 1; i <= n; ++i) ecrire_png(d + std::to_string(i) + ".png", w, w, 0xFF2080FF);
    return d;
  }
  // Runs the explosion to its end as the frame pass would; gives the ticks done.
  int jouer(Explosion* e) {
    int ticks = 0;
    for (int garde = 0; e->vivant && garde < 100; ++garde) {
      Horloge::avancer(101);
      const int avant = e->frame_en_cours;
      e->comportement();
      ticks += e->frame_en_cours - avant;
      if (e->vivant) e->bliting();
    }
    return ticks;
  }
};
}  // namespace

TEST_F(Souffle, EachTickDealsTheQuotientSoTheTotalLosesTheRemainder) {
  Explosion* neuf = creer<Explosion>(P_char(dossier(9).c_str()), Rect(1000, 1000, 0, 0), 90);
  EXPECT_EQ(neuf->nb_frame, 9);
  // The point is the centre of the first picture.
  EXPECT_EQ(neuf->position.x, 980);
  EXPECT_EQ(neuf->position.y, 980);
  neuf->camp = ALLIE;
  Cible* a = creer<Cible>(980, 980, ENNEMI);
  EXPECT_EQ(jouer(neuf), 9);
  EXPECT_EQ(a->coups, 9);
  EXPECT_EQ(a->total, 90);
  EXPECT_FALSE(neuf->vivant);

  Explosion* sept = creer<Explosion>(P_char(dossier(7).c_str()), Rect(5000, 5000, 0, 0), 90);
  sept->camp = ALLIE;
  Cible* b = creer<Cible>(sept->position.x, sept->position.y, ENNEMI);
  jouer(sept);
  EXPECT_EQ(b->coups, 7);
  EXPECT_EQ(b->total, 84);
}

TEST_F(Souffle, ReachEndsAtAHundredPixelsAndSparesItsOwnCamp) {
  Explosion* e = creer<Explosion>(P_char(dossier(1).c_str()), Rect(1020, 1020, 0, 0), 10);
  e->camp = ALLIE;
  ASSERT_EQ(e->position.x, 1000);
  Cible* droite99 = creer<Cible>(1099, 1000, ENNEMI);
  Cible* droite100 = creer<Cible>(1100, 1000, ENNEMI);
  Cible* gauche99 = creer<Cible>(901, 1000, ENNEMI);
  Cible* bas100 = creer<Cible>(1000, 1100, ENNEMI);
  Cible* ami = creer<Cible>(1000, 1000, ALLIE);
  Cible* neutre = creer<Cible>(1000, 1000, NUL);
  jouer(e);
  EXPECT_EQ(droite99->coups, 1);
  EXPECT_EQ(droite100->coups, 0);
  EXPECT_EQ(gauche99->coups, 1);
  EXPECT_EQ(bas100->coups, 0);
  EXPECT_EQ(ami->coups, 0);
  EXPECT_EQ(neutre->coups, 1);
  // Centred on the world's top left corner it stands there, not at the far edges.
  Explosion* coin = creer<Explosion>(P_char(dossier(1).c_str()), Rect(-32760, -32760, 0, 0), 10);
  EXPECT_EQ(coin->position.x, INT16_MIN);
  EXPECT_EQ(coin->position.y, INT16_MIN);
}

TEST_F(Souffle, AFolderWithoutPicturesDiesAtOnceAndStrikesNothing) {
  Explosion* e = creer<Explosion>(P_char("Nulle/Part/"), Rect(300, 300, 0, 0), 50);
  EXPECT_EQ(e->nb_frame, 0);
  EXPECT_EQ(e->position.x, 300);  // nothing to centre on
  e->camp = ALLIE;
  Cible* c = creer<Cible>(300, 300, ENNEMI);
  Horloge::avancer(101);
  e->comportement();
  e->bliting();
  EXPECT_FALSE(e->vivant);
  EXPECT_EQ(c->coups, 0);
}

TEST_F(Souffle, ObjectsMadeOrRemovedByAStruckObjectDoNotUpsetTheScan) {
  Explosion* e = creer<Explosion>(P_char(dossier(1).c_str()), Rect(20, 20, 0, 0), 10);
  e->camp = ALLIE;
  Cible* condamne = creer<Cible>(10, 10, ENNEMI);
  Cible* premier = creer<Cible>(0, 0, ENNEMI);
  Cible* dernier = creer<Cible>(20, 20, ENNEMI);
  // A struck target destroys one listed before it (the table is compacted
  // under the scan, moving the last target back) and makes new objects.
  premier->pendant = [&] {
    Mapping::Retirer(static_cast<int32_t>(condamne->element_actuel));
    oublier(condamne);
    delete condamne;
    for (int i = 0; i < 3; ++i) creer<Cible>(0, 0, ENNEMI);
  };
  jouer(e);
  EXPECT_EQ(premier->coups, 1);
  EXPECT_EQ(dernier->coups, 1);
}

TEST_F(Souffle, TheBangIsLoudAtTheCameraAndSilentFarAway) {
  ecrire_fichier("bang.wav", "RIFF");
  general::explosion = Son::charger("bang.wav");
  Cible* camera = creer<Cible>(1000, 1000, NUL);
  Mapping::centre_scrolling = camera;
  auto volume = [] {
    for (auto it = Son::appels().rbegin(); it != Son::appels().rend(); ++it)
      if (it->operation == "volume") return it->valeur;
    return -1;
  };
  const int cx = 1000 + camera->TramePrincipale.w / 2, cy = 1000 + camera->TramePrincipale.h / 2;
  creer<Explosion>(P_char("Nulle/Part/"), Rect(cx, cy, 0, 0), 0);
  EXPECT_EQ(volume(), 255);
  creer<Explosion>(P_char("Nulle/Part/"), Rect(cx - 3550, cy, 0, 0), 0);
  EXPECT_EQ(volume(), 255 - 3550 * 255 / 3600);
  creer<Explosion>(P_char("Nulle/Part/"), Rect(cx + 3600, cy, 0, 0), 0);
  EXPECT_EQ(volume(), 0);
  Son::liberer(general::explosion);
  general::explosion = nullptr;
}

TEST_F(Souffle, ABlastTheFullWorldTableRefusesIsDroppedAtOnce) {
  Cible plein(0, 0, NUL);
  const int32_t avant = Mapping::dernier_objet;
  Mapping* anciens[Mapping::NB_OBJETS];
  std::copy(std::begin(Mapping::Objets), std::end(Mapping::Objets), anciens);
  std::fill(std::begin(Mapping::Objets), std::end(Mapping::Objets), &plein);
  Mapping::dernier_objet = Mapping::NB_OBJETS;
  // Under the leak checker a refused blast left behind is a failure too.
  EXPECT_EQ(poser_explosion(dossier(2).c_str(), Rect(100, 100, 0, 0), 90), nullptr);
  std::copy(std::begin(anciens), std::end(anciens), Mapping::Objets);
  Mapping::dernier_objet = avant;
}
