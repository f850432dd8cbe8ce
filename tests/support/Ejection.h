#pragma once
// A battle on the demo plain where a blast goes off on an enemy whose AI
// runs, out of everyone's sight: what the blast took from him, and how he
// lay and slid while it knocked him down. Or where the hero, alone, has his
// blows and throws cut short or played out: the pace he is left with. Or
// where the hero and that enemy, side by side in time, are hit mid-blow and
// mid-throw.
#include <algorithm>
#include <memory>
#include <vector>

#include "Bataille.h"
#include "battle/JouerMap.h"
#include "characters/Vehicules.h"
#include "engine/Fonctions.h"
#include "weapons/Boucliers.h"
#include "weapons/Explosion.h"
#include "weapons/Lancer.h"
#include "weapons/Projectiles.h"

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
    jouer_plaine_en_silence(1500);
    return b;
  }

  // [0] the hero, [1] the enemy; a shield of the other side on each blade.
  struct Gestes {
    int duree_coup[2] = {};    // ms a blow lasted under a hit of 10 every 150 ms
    bool frappe[2] = {};       // and the shield took it
    int plus_bas = 99;         // the hero's grenades after a blow with the weapon key at its start
    int depensees[2] = {};     // items a throw hit for 10 at frame 2 spent
    bool de_zero[2] = {};      // hit at a blow's frame 1, the hero down, the enemy dead: from frame 0
  };
  void coups_et_jets_sous_le_feu() {
    Gestes g;
    Tramer* s[2] = {};
    Boucliers* cible[2] = {};
    Uint32 t0[2] = {}, dernier[2] = {};
    int avant[2] = {};
    // One step that does `f` to each soldier once, as soon as `c` holds for him.
    auto chacun = [&](std::function<bool(Tramer*)> c, std::function<void(int, Tramer*)> f) {
      auto fait = std::make_shared<bool[]>(2);
      quand([&, c, f, fait] {
        for (int i = 0; i < 2; ++i)
          if (!fait[i] && c(s[i])) fait[i] = true, f(i, s[i]);
        return fait[0] && fait[1];
      }, [] {}, 0);
    };
    auto debout = [](Tramer* t) { return t->action == COURIR || t->action == TIRER; };
    auto coup = [](int16_t d) { return [d](int, Tramer* t) { t->recevoirdegats(d, nullptr, 0, 0.0, 0); }; };
    quand(en_bataille, [&] {
      s[0] = Tramer::Hero;
      for (int i = 0; i < Tramer::nb_persos; ++i) {
        Tramer* t = Tramer::Persos[i];
        if (t == s[0]) continue;
        if (!s[1] && t->camp == ENNEMI && t->classe == NORMAL && !t->get_be_objectif())
          s[1] = t;
        else
          t->affichage = false;
      }
      // Hidden, a manned vehicle would still fire; neutral, it never does.
      for (int i = 0; i < Vehicule::nb_vehicule; ++i) {
        Vehicule::Vehicules[i]->affichage = false;
        Vehicule::Vehicules[i]->camp = NUL;
      }
      ASSERT_NE(s[1], nullptr);
      s[1]->position.x = static_cast<Sint16>(s[0]->position.x + 500);  // on screen: a throw lets go as it is drawn
      s[1]->comportement_actuel = COPIER_JOUEUR;  // with no ally to follow, he stays there
    });
    auto prets = [&] { return s[1] && debout(s[0]) && debout(s[1]); };
    quand([&] { return prets() && s[0]->Invincibilite.cycle(2000) == 3 && s[1]->Invincibilite.cycle(2000) == 3; }, [&] {
      for (int i = 0; i < 2; ++i) {
        Tramer* t = s[i];
        t->stats.pv_max = t->stats.pv_restants = 1000;
        const SDL_Rect l = Rect(t->position.x + t->TramePrincipale.w / 2 - 10, t->position.y + 30, 0, 0);
        cible[i] = static_cast<Boucliers*>(retenir(new Boucliers(l, 1 - t->camp)));
        cible[i]->vie = 30000;  // never destroyed by the blade
        t->cogner();
        t0[i] = dernier[i] = Horloge::ticks();
      }
    }, 0);
    chacun([&](Tramer* t) {
      const int i = t == s[1];
      const Uint32 n = Horloge::ticks();
      if (t->action == COGNER && n - dernier[i] >= 150) {
        coup(10)(i, t);
        dernier[i] = n;
      }
      g.duree_coup[i] = static_cast<int>(n - t0[i]);
      return t->action != COGNER || n - t0[i] > 2500;
    }, [&](int i, Tramer*) { g.frappe[i] = cible[i]->vie < 30000; });
    // The hero's blade strikes; the key brings out the grenade in the blow's first frame.
    quand(prets, [&] { bouton(3) = true; }, 10);
    quand([&] { return s[0]->action == COGNER; }, [&] {
      bouton(3) = false;
      touche(controles::C_ARMES) = true;
    }, 0);
    quand([&] {
      touche(controles::C_ARMES) = false;
      if (Armes* a = s[0]->ArmeSecondaire; a->get_type() == GRENADES)
        g.plus_bas = std::min<int>(g.plus_bas, a->get_charge_actuelle());
      return s[0]->action != COGNER;
    }, [] {}, 0);
    chacun(debout, [&](int i, Tramer* t) {
      if (i == 1) std::swap(t->ArmeSecondaire, t->Inventaire2[1]);  // his shield; the hero has his grenade out
      avant[i] = t->ArmeSecondaire->get_charge_actuelle();
      t->projeter();
    });
    chacun([](Tramer* t) { return t->action == PROJETER && t->diffusion == 2; }, coup(10));
    chacun([](Tramer* t) { return t->action != PROJETER; },
           [&](int i, Tramer* t) { g.depensees[i] = avant[i] - t->ArmeSecondaire->get_charge_actuelle(); });
    // Mid-blow, a hit of 21 knocks the hero down, and one he cannot survive kills the enemy.
    chacun(debout, [](int, Tramer* t) { t->cogner(); });
    chacun([](Tramer* t) { return t->action == COGNER && t->diffusion == 1; }, [&](int i, Tramer* t) {
      if (i == 1) t->stats.pv_restants = 5;
      coup(i == 0 ? 21 : 10)(i, t);
      g.de_zero[i] = t->diffusion == 0 && (i == 0 ? t->action == ETRE_EJECTE : !t->vivant);
    });
    puis(fermer, 10);
    jouer_plaine_en_silence(3000);
    touche(controles::C_ARMES) = bouton(3) = false;
    for (int i : {0, 1}) {
      EXPECT_LT(g.duree_coup[i], 1000) << i;
      EXPECT_TRUE(g.frappe[i]) << i;
      EXPECT_EQ(g.depensees[i], 1) << i;
      EXPECT_TRUE(g.de_zero[i]) << i;
    }
    EXPECT_EQ(g.plus_bas, Lancer::NB_ITEMS);
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
    jouer_plaine_en_silence(3000);
    touche(controles::C_DISCRET) = touche(controles::C_SAUT) = touche(controles::C_ARMES) = bouton(3) = false;
    return v;
  }
};
