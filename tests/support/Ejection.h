#pragma once
// A battle on the demo plain where a blast goes off on an enemy whose AI
// runs, out of everyone's sight: what the blast took from him, and how he
// lay and slid while it knocked him down. Or where the hero, alone, has his
// blows and throws cut short or played out: the pace he is left with.
#include <vector>

#include "Bataille.h"
#include "battle/JouerMap.h"
#include "characters/Vehicules.h"
#include "engine/Fonctions.h"
#include "weapons/Explosion.h"

class EjectionEnBataille : public Bataille {
 protected:
  struct Bilan {
    int pv_avant = 0, pv_apres = 0;
    int images_a_terre = 0;  // frames down, from the first hit on
    int glissade = 0;        // px slid the blast's way while down
    bool releve = false;     // up again once the fall played out
    bool sur_la_ligne = false;  // standing on the ground line when it went off
  };

  // Sets off a mine's blast of `degat` on the enemy's centre.
  Bilan souffler(int degat) {
    Bilan b;
    Tramer* e = nullptr;
    Explosion* x = nullptr;
    int x0 = 0, debout = 0;
    quand(en_bataille, [&] {
      Tramer* h = Tramer::Hero;
      for (int i = 0; i < Tramer::nb_persos; ++i) {
        Tramer* t = Tramer::Persos[i];
        if (!t || t == h) continue;
        if (!e && t->camp == ENNEMI && t->classe == NORMAL && !t->get_be_objectif())
          e = t;
        else
          t->affichage = false;
      }
      for (int i = 0; i < Vehicule::nb_vehicule; ++i) Vehicule::Vehicules[i]->affichage = false;
      ASSERT_NE(e, nullptr);
      e->position.x = static_cast<Sint16>(h->position.x + 1000);
      e->regeneration = 0;
    });
    quand([&] { return e->Invincibilite.cycle(2000) == 3 && e->action == COURIR; }, [&] {
      e->stats.pv_max = e->stats.pv_restants = 1000;
      b.pv_avant = e->stats.pv_restants;
      b.sur_la_ligne = e->position.y + e->TramePrincipale.h == general::ecran->h - 15;
      x0 = e->position.x;
      x = poser_explosion("Armes/Mines/", Rect(e->position.x + e->TramePrincipale.w / 2,
                                               e->position.y + e->TramePrincipale.h / 2, 0, 0), degat);
      ASSERT_NE(x, nullptr);
      x->camp = ALLIE;
      x->cycle.duree_de_depart -= 100;  // the first tick before he walks out of reach
    }, 0);
    quand([&] {
      if (e->action == ETRE_EJECTE) {
        ++b.images_a_terre;
        b.glissade = e->position.x - x0;
      } else if (b.images_a_terre > 0) {
        b.releve = true;
      }
      // The blast's last ticks are over by then.
      return b.releve && ++debout > 60;
    }, [&] {
      b.pv_apres = e->stats.pv_restants;
      fermer();
    }, 0);
    accrocher(1500);
    testing::internal::CaptureStdout();
    JouerMap(0, 0);
    testing::internal::GetCapturedStdout();
    return b;
  }

  // The hero's pace once a blow is cut by a knock-down, once one is cut by
  // the posture key, once a jump is cut by the posture key as a blow starts,
  // and once a throw has played out; then during and after the next blow or
  // throw. Each is {after, during the next, after the next}.
  std::vector<std::vector<int>> pas_apres_les_gestes() {
    std::vector<std::vector<int>> v;
    Tramer* h = nullptr;
    auto geste = [&] { return h->action == COGNER || h->action == PROJETER; };
    // The right button held till the blow or throw starts.
    auto lancer = [&](int attente = 2) {
      puis([&] { bouton(3) = true; }, attente);
      quand(geste, [&] { bouton(3) = false; }, 0);
    };
    auto mesurer = [&] {
      quand([&] { return !geste() && h->action != ETRE_EJECTE; }, [&] { v.push_back({}); }, 0);
      puis([&] { v.back().push_back(h->frequence); }, 30);
      lancer();
      puis([&] { v.back().push_back(h->frequence); }, 0);
      quand([&] { return !geste(); }, [] {}, 0);
      puis([&] { v.back().push_back(h->frequence); }, 30);
    };
    quand(en_bataille, [&] {
      h = Tramer::Hero;
      for (int i = 0; i < Tramer::nb_persos; ++i)
        if (Tramer::Persos[i] != h) Tramer::Persos[i]->affichage = false;
      for (int i = 0; i < Vehicule::nb_vehicule; ++i) Vehicule::Vehicules[i]->affichage = false;
    });
    quand([&] { return h->Invincibilite.cycle(2000) == 3 && h->action == COURIR; }, [] {});
    lancer();
    puis([&] {
      h->recevoirdegats(50, nullptr, 0, 0.0, 0);
      EXPECT_EQ(h->action, ETRE_EJECTE);
    });
    mesurer();
    lancer(60);
    puis([&] { touche(controles::C_DISCRET) = true; });
    puis([&] {
      touche(controles::C_DISCRET) = false;
      EXPECT_EQ(h->action, COURIR);
    }, 1);
    mesurer();
    puis([&] { touche(controles::C_SAUT) = true; }, 60);
    puis([&] { touche(controles::C_SAUT) = false; }, 1);
    puis([&] { touche(controles::C_DISCRET) = bouton(3) = true; }, 2);
    puis([&] {
      touche(controles::C_DISCRET) = bouton(3) = false;
      EXPECT_EQ(h->action, COGNER) << "the jump ended, and the blow began";
    }, 1);
    mesurer();
    puis([&] { touche(controles::C_ARMES) = true; }, 30);  // the blade gives way to the grenade
    puis([&] { touche(controles::C_ARMES) = false; }, 1);
    lancer(30);
    mesurer();
    puis(fermer, 10);
    accrocher(3000);
    testing::internal::CaptureStdout();
    JouerMap(0, 0);
    testing::internal::GetCapturedStdout();
    touche(controles::C_DISCRET) = touche(controles::C_SAUT) = touche(controles::C_ARMES) = bouton(3) = false;
    return v;
  }
};
