#pragma once
// A battle on the demo plain by the world's 16-bit edges: an enemy killed as
// he sinks to the bottom of deep water with no floor, then the hero on dry
// ground at the right edge, firing and laying or throwing his fourth item.
// How far from each edge what they left ever stood.
#include <algorithm>
#include <climits>

#include "Bataille.h"
#include "battle/JouerMap.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "weapons/ArmeSol.h"
#include "weapons/Armes.h"
#include "weapons/Grenades.h"
#include "weapons/Mine.h"
#include "weapons/TirV.h"

class BordsEnBataille : public Bataille {
 protected:
  struct Bilan {
    int arme = INT_MAX;  // the highest the dropped weapon stood
    int pose = INT_MAX;  // the leftmost the mine or grenade stood
    int tir = INT_MAX;   // the leftmost a shot of the hero's stood
  };
  // Seen, and never further than 767 px from the edge.
  static bool au_bord(int v) { return v > 32000 && v <= INT16_MAX; }

  Bilan aux_bords() {
    Bilan b;
    uint64_t avant = 0;
    int jusqua = 0;
    const int choisi = general::projectile_choisi;
    general::projectile_choisi = 3;  // mines, or the earlier game's grenades
    auto relever = [&] {
      for (int32_t i = 0; i < Mapping::dernier_objet; ++i) {
        Mapping* o = Mapping::Objets[i];
        if (!Mapping::occupe(i) || o->numero <= avant) continue;
        if (dynamic_cast<ArmeSol*>(o) && general::sous_marin) b.arme = std::min<int>(b.arme, o->position.y);
        if (dynamic_cast<Mine*>(o) || dynamic_cast<Grenades*>(o)) b.pose = std::min<int>(b.pose, o->position.x);
        if (dynamic_cast<TirV*>(o) && o->gethero()) b.tir = std::min<int>(b.tir, o->position.x);
      }
      return images() > jusqua;
    };
    quand([] { return en_bataille() && Tramer::Hero->action == COURIR; }, [&] {
      Tramer* h = Tramer::Hero;
      Tramer* e = nullptr;
      for (int i = 0; i < Tramer::nb_persos; ++i)
        if (Tramer* t = Tramer::Persos[i]; t && t != h) {
          if (!e && t->camp == ENNEMI) e = t;
          else t->affichage = false;
        }
      ASSERT_NE(e, nullptr);
      for (int32_t i = 0; i < Mapping::dernier_objet; ++i)
        if (Mapping::occupe(i)) avant = std::max(avant, Mapping::Objets[i]->numero);
      general::sous_marin = true;
      general::wex_actuelle = 100000;  // his weapon is left behind
      e->position = Rect(h->position.x + 300, 32764, 0, 0);
      e->Invincibilite.duree_de_depart -= 2001;
      e->stats.pv_restants = 1;
      e->recevoirdegats(10, nullptr, 0, 0.0, 0);
      jusqua = images() + 30;
    });
    quand(relever, [&] {
      general::sous_marin = false;
      Tramer::Hero->position.x = 32740;
    }, 0);
    quand([] { return Tramer::Hero->action == COURIR; }, [&] {
      Tramer* h = Tramer::Hero;
      std::swap(h->ArmeSecondaire, h->Inventaire2[0]);
      h->ArmeSecondaire->cycle.duree_de_depart -= 1001;
      h->direction = DROITE;
      h->tirer2();
      jusqua = images() + 40;
    });
    quand([&] {
      Tramer::Hero->cible = Rect(900, 300, 0, 0);
      Souris[1] = true;
      return relever();
    }, [] {
      Souris[1] = false;
      fermer();
    }, 0);
    accrocher(1500);
    testing::internal::CaptureStdout();
    JouerMap(0, 0);
    testing::internal::GetCapturedStdout();
    general::sous_marin = false;
    general::projectile_choisi = choisi;
    return b;
  }
};
