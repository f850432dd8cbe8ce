#pragma once
// Whole battles in which soldiers board vehicles, run alike by both
// programs: the hero leaving the plain's turret from his scope stance, and
// soldiers standing where two vehicles stand. And the hero changing guns in
// his scope stance, as he lowers it.
#include <cstring>

#include "../battle/CarteEssai.h"
#include "Bataille.h"
#include "battle/JouerMap.h"
#include "characters/Vehicules.h"
#include "weapons/ArmeSol.h"

class Embarquement : public Bataille {
 protected:
  void SetUp() override {
    Bataille::SetUp();
    fusil_ = general::fusil_choisi;
    pistolet_ = general::pistolet_choisi;
  }
  void TearDown() override {
    general::fusil_choisi = fusil_;
    general::pistolet_choisi = pistolet_;
    Bataille::TearDown();
  }
  static void appuyer(int k, bool bas) {
    SDL_Event e{};
    e.type = bas ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.state = bas ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = static_cast<SDLKey>(k);
    SDL_PushEvent(&e);
  }
  static void pointer(int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
  }
  static Vehicule* modele(const char* nom) {
    for (int i = 0; i < Vehicule::nb_vehicule; ++i)
      if (const char* n = Vehicule::Vehicules[i]->Nom.retournertexte(); n && !std::strcmp(n, nom))
        return Vehicule::Vehicules[i];
    return nullptr;
  }
  static bool a_bord(const Vehicule* v, const Mapping* o) {
    for (int k = 0; k < v->nb_passager; ++k)
      if (v->passagers[k] == o) return true;
    return false;
  }
  // Part of him is on screen.
  static bool en_vue(const Mapping* o) {
    const int x = o->position.x - general::Scrolling.x, y = o->position.y - general::Scrolling.y;
    return -o->TramePrincipale.w < x && x < general::ecran->w && -o->TramePrincipale.h < y && y < general::ecran->h;
  }

  // Beside the plain's turret the hero, his scoped rifle in hand, raises the
  // scope, boards, aims the turret with the pointer and leaves with the use
  // key; then again, and the turret is wrecked under him. He is in view
  // after each.
  void quitter_la_tourelle_en_visant() {
    general::fusil_choisi = 4;  // the Enfield
    bool vise_a_bord[2] = {}, vu[2] = {};
    Vehicule* v = nullptr;
    Tramer* h = nullptr;
    quand(en_bataille, [&] {
      h = Tramer::Hero;
      v = modele("Vehicules/Terrestres/tourelles/");
      if (!v) return fermer();
      // Nobody else in the way or in the battle.
      for (int i = 0; i < Tramer::nb_persos; ++i)
        if (Tramer* t = Tramer::Persos[i]; t != h) t->affichage = false;
    });
    for (int fois = 0; fois < 2; ++fois) {
      puis([&] {
        h->position.x = static_cast<Sint16>(v->position.x + 40);
        appuyer(controles::C_VISER, true);
      });
      quand([&] { return h->action == VISER; }, [&] {
        appuyer(controles::C_VISER, false);
        appuyer(controles::C_INTERRAGIR, true);
      });
      quand([&] { return !h->affichage; }, [&] {
        appuyer(controles::C_INTERRAGIR, false);
        pointer(700, 400);
      });
      puis([&, fois] {
        vise_a_bord[fois] = a_bord(v, h) && h->action == VISER;
        if (fois == 0) {
          appuyer(controles::C_INTERRAGIR, true);
        } else {
          Horloge::avancer(5001);  // past its protection
          // He came back moments ago: the blast cannot hurt him yet, and
          // he comes out alive.
          h->Invincibilite.remise_a_zero();
          v->recevoirdegats(1000, nullptr, 0, 0.0, 0);
        }
      }, 5);
      quand([&] { return h->affichage; }, [&] { appuyer(controles::C_INTERRAGIR, false); }, 0);
      puis([&, fois] { vu[fois] = en_vue(h) && Mapping::centre_scrolling == h && h->vivant; }, 3);
    }
    puis([] { fermer(); });
    accrocher();
    EXPECT_EQ(JouerMap(0, 0), 3);
    EXPECT_NE(v, nullptr) << "the demo plain holds a turret";
    EXPECT_TRUE(fini());
    for (int k = 0; k < 2; ++k) EXPECT_TRUE(vise_a_bord[k]) << "aboard with his scope raised, " << k;
    EXPECT_TRUE(vu[0]) << "out by the use key";
    EXPECT_TRUE(vu[1]) << "out of the wreck";
  }

  // A turret, a skyhunter and an ally at one point of a small map, two more
  // turrets at another: the ally boards at the start; the hero, standing
  // over the two turrets, uses them. Never is one soldier aboard two.
  void un_vehicule_a_la_fois() {
    const int x = 600, y = 535 - 58;  // on the soldiers' line
    ecrire_fichier("Plaine.map", carte({{DIVERS, 1, 240, y},
                                        {VEHICULE_TERRESTRE, 1, x, y},  // a turret
                                        {VEHICULE_POLYVALENT, 1, x, y},  // the skyhunter
                                        {ALLIES, 0, x, y},
                                        {VEHICULE_TERRESTRE, 1, x + 400, y},
                                        {VEHICULE_TERRESTRE, 1, x + 400, y},
                                        {ENNEMIS, 0, 1400, y},
                                        {DIVERS, 5, 1500, y},
                                        {DIVERS, 3, 200, y}}));
    struct {
      int au_depart = -1, a_la_cle = -1;
      bool autre = false, retour = false, camps = false;
    } d;
    Vehicule *t = nullptr, *t2 = nullptr, *premier = nullptr, *autre = nullptr;
    Tramer *h = nullptr, *allie = nullptr;
    auto tenu_par = [](const Mapping* o) {
      int n = 0;
      for (int i = 0; i < Vehicule::nb_vehicule; ++i) n += a_bord(Vehicule::Vehicules[i], o);
      return n;
    };
    auto cle = [](bool bas) { appuyer(controles::C_INTERRAGIR, bas); };
    auto dedans = [&h] { return !h->affichage; };
    auto dehors = [&h] { return h->affichage; };
    quand(en_bataille, [&] {
      h = Tramer::Hero;
      if (Vehicule::nb_vehicule != 4) return fermer();
      t = Vehicule::Vehicules[2];
      t2 = Vehicule::Vehicules[3];
      for (int i = 0; i < Tramer::nb_persos; ++i)
        if (Tramer* p = Tramer::Persos[i]; p->camp == ALLIE && p != h) allie = p;
        else if (p->camp == ENNEMI) p->affichage = false;  // out of the battle
      if (!allie) return fermer();
      d.au_depart = tenu_par(allie);
      d.camps = Vehicule::Vehicules[0]->camp == ALLIE && Vehicule::Vehicules[1]->camp == ALLIE;
      h->position.x = static_cast<Sint16>(t->position.x + 40);
      h->position.y = t->position.y;
      cle(true);
    });
    quand(dedans, [&] {
      cle(false);
      d.a_la_cle = tenu_par(h);
      premier = a_bord(t, h) ? t : t2;
      autre = premier == t ? t2 : t;
      // Away from him: the key held as he comes out would take him into it.
      autre->position.x = static_cast<Sint16>(autre->position.x + 600);
    }, 0);
    puis([&] { cle(true); });
    quand(dehors, [&] { cle(false); }, 0);
    puis([&] {
      h->position.x = static_cast<Sint16>(autre->position.x + 40);
      cle(true);
    });
    quand(dedans, [&] {
      cle(false);
      d.autre = a_bord(autre, h) && tenu_par(h) == 1;
    }, 0);
    puis([&] {
      Horloge::avancer(5001);  // past its protection
      h->Invincibilite.remise_a_zero();  // and he outlives its wreck
      autre->recevoirdegats(1000, nullptr, 0, 0.0, 0);
    }, 60);
    quand(dehors, [&] {
      h->position.x = static_cast<Sint16>(premier->position.x + 40);
      h->position.y = premier->position.y;
      cle(true);
    }, 0);
    quand(dedans, [&] {
      cle(false);
      d.retour = tenu_par(h) == 1;
      fermer();
    }, 0);
    accrocher();
    EXPECT_EQ(JouerMap(0, 0), 3);
    EXPECT_TRUE(fini());
    EXPECT_EQ(d.au_depart, 1) << "the boarding pass at the map's start";
    EXPECT_TRUE(d.camps) << "the vehicle he did not board takes his camp all the same";
    EXPECT_EQ(d.a_la_cle, 1) << "the use key over two";
    EXPECT_TRUE(d.autre) << "out of the first, he boards the other";
    EXPECT_TRUE(d.retour) << "out of that one's wreck, he boards again";
  }

  // In the O-LD's scope, firing, the hero presses the main weapon key; then,
  // the button let go, the pick-up key over a dropped rifle that has no
  // scope. Never is he in the scope stance with a gun that has none.
  void changer_de_fusil_en_visant() {
    general::fusil_choisi = 2;  // the O-LD
    Tramer* h = nullptr;
    int n = 0;
    bool garde = false, pris = false;
    auto vise = [&h] { return h->action == VISER || h->action == TIRER_VISER; };
    quand(en_bataille, [&] {
      h = Tramer::Hero;
      for (int i = 0; i < Tramer::nb_persos; ++i)
        if (Tramer* t = Tramer::Persos[i]; t != h) t->affichage = false;
    });
    puis([] { appuyer(controles::C_VISER, true); });
    quand(vise, [&] {
      appuyer(controles::C_VISER, false);
      Souris[SDL_BUTTON_LEFT] = true;
      appuyer(controles::C_ARMEP, true);
    });
    // Two shots' time, or till the gun is another.
    quand([&] { return h->ArmePrincipale->get_id() != 2 || ++n > 80; }, [&] {
      appuyer(controles::C_ARMEP, false);
      Souris[SDL_BUTTON_LEFT] = false;
    }, 0);
    puis([&] {
      garde = h->ArmePrincipale->get_id() == 2 && h->action == VISER;
      new ArmeSol(ArmesPrincipales[0], h->position);  // the QD-AR
      appuyer(101, true);
    }, 60);
    puis([&] {
      appuyer(101, false);
      pris = h->ArmePrincipale->get_id() == 0 && h->action == COURIR;
      fermer();
    }, 50);
    accrocher();
    EXPECT_EQ(JouerMap(0, 0), 3);
    EXPECT_TRUE(fini());
    EXPECT_TRUE(garde) << "the weapon key does nothing in the scope, firing or not";
    EXPECT_TRUE(pris) << "the rifle picked up lowers the scope";
  }

 private:
  int fusil_ = 0;
  int pistolet_ = 0;
};
