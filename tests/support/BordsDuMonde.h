#pragma once
// A battle on the demo plain by the world's 16-bit edges: an enemy killed as
// he sinks to the bottom of deep water with no floor, then the hero on dry
// ground at the right edge, firing and laying or throwing his fourth item.
// How far from each edge what they left ever stood. Then the hero at each
// edge in turn, releasing each of his thrown and laid items.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>

#include "Bataille.h"
#include "battle/JouerMap.h"
#include "characters/InitierPersos.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/Objets_Animes.h"
#include "weapons/ArmeSol.h"
#include "weapons/Armes.h"
#include "weapons/Boucliers.h"
#include "weapons/Explosion.h"
#include "weapons/Fumi.h"
#include "weapons/Fumigenes.h"
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
    jouer_plaine_en_silence(1500);
    general::sous_marin = false;
    general::projectile_choisi = choisi;
    return b;
  }

  // How far from the hero, in x or y, what he released stood when first
  // seen (`objet`), and what it left (`reste`: a blast or a smoke cloud,
  // as far as the flight took it), with where the furthest of all stood.
  struct Lancers {
    int lances = 0;  // items seen, of the 16 released
    int objet = 0, reste = 0;
    std::string ou;
    int tir = INT_MAX;  // the highest a shot flew, aimed up and left from the left edge
    int saut = 0, pose = 0;  // how far he jumped from where he stood, and landed off his footing
  };
  // The hero at the world's left and right edges on the ground, then at its
  // top left and bottom right corners on a block (the bottom under deep
  // water), facing the edge: each of his four items, one after the other,
  // then a jump.
  // Last, back at the left edge, his gun aimed up beyond it.
  void lancers_aux_bords() {
    struct Bord {
      Sint16 x, y;
      bool bloc, eau;
      int16_t dir;
    };
    static constexpr Bord bords[] = {{-32740, 411, false, false, GAUCHE},
                                     {32740, 411, false, false, DROITE},
                                     {-32740, -32758, true, false, GAUCHE},
                                     {32740, 32700, true, true, DROITE}};
    Lancers r;
    Mapping* bloc = nullptr;
    const Bord* ici = nullptr;
    uint64_t vu = 0;
    int jusqua = 0;
    auto relever = [&] {
      uint64_t neuf = vu;
      for (int32_t i = 0; i < Mapping::dernier_objet; ++i) {
        Mapping* o = Mapping::Objets[i];
        if (!Mapping::occupe(i) || o->numero <= vu) continue;
        neuf = std::max(neuf, o->numero);
        const bool objet = dynamic_cast<Grenades*>(o) || dynamic_cast<Fumigenes*>(o) || dynamic_cast<Boucliers*>(o) ||
                           dynamic_cast<Mine*>(o);
        const bool reste = dynamic_cast<Explosion*>(o) || dynamic_cast<Fumi*>(o) || dynamic_cast<Objets_Animes*>(o);
        if (!ici || !(objet || reste)) continue;
        const int e = std::max(std::abs(o->position.x - ici->x), std::abs(o->position.y - ici->y));
        r.lances += objet;
        if (e > std::max(r.objet, r.reste))
          r.ou = std::to_string(o->position.x) + "," + std::to_string(o->position.y) + " from " +
                 std::to_string(ici->x) + "," + std::to_string(ici->y);
        int& pire = objet ? r.objet : r.reste;
        pire = std::max(pire, e);
      }
      vu = neuf;
    };
    quand([] { return en_bataille() && Tramer::Hero->action == COURIR; }, [&] {
      for (int i = 0; i < Tramer::nb_persos; ++i)
        if (Tramer* t = Tramer::Persos[i]; t && t != Tramer::Hero) t->affichage = false;
      relever();
    });
    int depart = 0;
    for (const Bord& b : bords) {
      for (int k = 0; k < 4; ++k) {
        quand([&] {
          relever();
          return Tramer::Hero->action == COURIR && images() > jusqua;
        }, [&, k, pb = &b] {
          Tramer* h = Tramer::Hero;
          ici = pb;
          general::sous_marin = pb->eau;
          h->position.x = pb->x;
          h->position.y = pb->y;
          if (pb->bloc) {
            if (!bloc) {
              bloc = new Mapping();
              bloc->physique = bloc->Tas = true;
              bloc->camp = NUL;
            }
            bloc->position = Rect(pb->x, std::min(pb->y + h->TramePrincipale.h, INT16_MAX - 100), 0, 0);
          }
          delete h->ArmeSecondaire;
          h->ArmeSecondaire = Reproduire_Arme(Projectiles[k]);
          h->ArmeSecondaire->cycle.duree_de_depart -= 1001;
          h->direction = pb->dir;
          h->tirer2();
          // The next edge once this one's smoke and blasts are out.
          jusqua = k == 3 ? images() + 160 : 0;
        });
      }
      // Then he jumps, and comes down on what he stood on.
      quand([&] {
        relever();
        return Tramer::Hero->action == COURIR && images() > jusqua;
      }, [&] {
        depart = Tramer::Hero->position.y;
        Touches[controles::C_SAUT] = true;
      });
      quand([&] {
        Touches[controles::C_SAUT] = false;
        r.saut = std::max(r.saut, std::abs(Tramer::Hero->position.y - depart));
        return Tramer::Hero->action == COURIR;
      }, [&, pb = &b] {
        const int sol = pb->bloc ? bloc->position.y - Tramer::Hero->TramePrincipale.h + 8 : depart;
        r.pose = std::max(r.pose, std::abs(Tramer::Hero->position.y - sol));
      }, 0);
    }
    quand([&] {
      relever();
      return images() > jusqua;
    }, [&] {
      ici = nullptr;
      Tramer::Hero->position.x = bords[0].x;
      Tramer::Hero->position.y = bords[0].y;
      general::sous_marin = false;
    }, 0);
    quand([&] {
      Tramer::Hero->cible = Rect(100, 0, 0, 0);
      Souris[1] = true;
      for (int32_t i = 0; i < Mapping::dernier_objet; ++i)
        if (auto* t = dynamic_cast<TirV*>(Mapping::Objets[i]); Mapping::occupe(i) && t && t->numero > vu && t->gethero())
          r.tir = std::min(r.tir, static_cast<int>(t->y));
      return images() > jusqua + 60;
    }, [] {
      Souris[1] = false;
      fermer();
    }, 0);
    jouer_plaine_en_silence(4000);
    general::sous_marin = false;
    EXPECT_EQ(r.lances, 16);
    EXPECT_LE(r.objet, 300) << r.ou;
    EXPECT_LE(r.reste, 1500) << r.ou;
    EXPECT_LT(r.tir, 300);
    EXPECT_GT(r.saut, 0);
    EXPECT_LT(r.saut, 300) << "a jump at each edge";
    EXPECT_EQ(r.pose, 0) << "comes down on what he stood on";
  }
};
