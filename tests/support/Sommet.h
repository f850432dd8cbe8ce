#pragma once
// A battle on the demo plain by the world's top edge: the hero and an enemy
// dropped from it onto a ledge just below, the enemy then aiming by the
// world's right edge and coming back above his camp's posts raised to the
// top, and the hero jumping from a ledge 120 px below the top, then looking
// through his scope from the top left corner. Each stays by the edge he is
// at, never at the far one.
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "Bataille.h"
#include "battle/JouerMap.h"
#include "characters/InitierPersos.h"
#include "engine/Constantes.h"
#include "engine/Obstacle.h"
#include "engine/cc.h"
#include "weapons/Armes.h"

class SommetEnBataille : public Bataille {
 protected:
  void au_sommet() {
    int pose[2] = {INT_MAX, INT_MAX};    // the hero and the enemy a frame after the drop
    int visee = 0, x = 0, revenu = 0;    // the enemy's aim by the right edge, where he stood, and came back
    int haut = INT_MAX, bas = INT_MIN;   // the highest and the lowest the hero stood in his jump
    int fin = INT_MAX, debout = 0;       // and where he stood after it, and on the ledge
    int vue = 0, jusqua = 0;             // how far his scope's view ever was from him
    Tramer* h = nullptr;
    Tramer* e = nullptr;
    Obstacle* corniche = nullptr;
    quand([] { return en_bataille() && Tramer::Hero->action == COURIR; }, [&] {
      h = Tramer::Hero;
      for (int i = 0; i < Tramer::nb_persos; ++i)
        if (Tramer* t = Tramer::Persos[i]; t && t != h) {
          if (!e && t->camp == ENNEMI) e = t;
          else t->affichage = false;
        }
      ASSERT_NE(e, nullptr);
      corniche = new Obstacle("Obstacles/plateforme.png", Rect(950, -32700, 0, 0));
      corniche->Tas = true;
      h->position = Rect(1000, INT16_MIN, 0, 0);
      e->position = Rect(1150, INT16_MIN, 0, 0);
      h->action = e->action = TOMBER;
    });
    quand([] { return true; }, [&] {
      pose[0] = h->position.y;
      pose[1] = e->position.y;
      e->position = Rect(32575, 544 - 15 - 118, 0, 0);
      e->direction = DROITE;
    }, 1);
    quand([] { return true; }, [&] {
      visee = e->cible.x;
      x = e->position.x;
      for (int i = 0; i < cc::nb_cc; ++i)
        if (cc::CCs[i] && cc::CCs[i]->camp == ENNEMI) cc::CCs[i]->position.y = -32700;
      e->reapparaitre2();
      revenu = e->position.y;
      e->affichage = false;
    }, 1);
    // Standing 120 px below the top, he jumps.
    quand([&] { return h->action == COURIR; }, [&] {
      corniche->position.y = INT16_MIN + 120;
      debout = INT16_MIN + 120 - h->TramePrincipale.h + 8;
      h->position = Rect(1000, debout, 0, 0);
      Touches[controles::C_SAUT] = true;
    });
    quand([&] {
      Touches[controles::C_SAUT] = false;
      haut = std::min<int>(haut, h->position.y);
      bas = std::max<int>(bas, h->position.y);
      return h->action == COURIR;
    }, [&] {
      fin = h->position.y;
      // On the ledge moved to the world's left edge, he raises the O-LD's
      // scope facing left and moves it on, left and up, past both edges,
      // firing: the gun kicks it too.
      corniche->position.x = INT16_MIN;
      h->position.x = -32740;
      h->direction = GAUCHE;
      delete h->ArmePrincipale;
      h->ArmePrincipale = Reproduire_Arme(ArmesPrincipales[2]);
      Touches[controles::C_VISER] = true;
    }, 0);
    quand([&] { return h->action == VISER; }, [&] {
      jusqua = images() + 160;
      Touches[controles::C_VISER] = false;
      Touches[controles::C_GAUCHE] = Touches[controles::C_BAS] = Souris[SDL_BUTTON_LEFT] = true;
    });
    quand([&] {
      vue = std::max({vue, std::abs(general::Scrolling.x - h->position.x), std::abs(general::Scrolling.y - h->position.y)});
      return images() > jusqua;
    }, [&] {
      Touches[controles::C_GAUCHE] = Touches[controles::C_BAS] = Souris[SDL_BUTTON_LEFT] = false;
      fermer();
    }, 0);
    jouer_plaine_en_silence(1500);
    EXPECT_TRUE(fini());
    EXPECT_EQ(pose[0], INT16_MIN) << "the hero landed on the ledge";
    EXPECT_EQ(pose[1], INT16_MIN) << "the enemy landed on the ledge";
    EXPECT_GT(visee, x) << "aiming right by the right edge";
    EXPECT_EQ(revenu, INT16_MIN) << "back above his post";
    EXPECT_EQ(haut, INT16_MIN) << "the jump stops at the top";
    EXPECT_EQ(bas, debout) << "and comes back down";
    EXPECT_EQ(fin, debout) << "onto the ledge";
    EXPECT_LT(vue, 1000) << "his scope looks out from the corner he stands in";
  }
};
