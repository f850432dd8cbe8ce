// The orders screen over a running battle: the squads nearest first, a row
// framing its leader, a click on the map giving the whole squad an
// objective, the camera keys, and the two ways out.
#include "Bataille.h"
#include "Script.h"
#include "battle/JouerMap.h"
#include "battle/Ordres.h"
#include "engine/cc.h"

namespace {

constexpr int MISSION = 0, PLAINE = 0;
constexpr int B = 54, L = 215, T = 40;  // the demo pictures' banner height, list width, mode button height

class Ordres : public Bataille {
 protected:
  static bool ouvert() { return general::pause && Tramer::Hero; }
  static void touche_ordre(SDLKey k, bool bas) {
    SDL_Event e{};
    e.type = bas ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.keysym.sym = k;
    SDL_PushEvent(&e);
  }
  int hauteur() {
    int h = 0;
    TTF_SizeText(general::Police, "Escouade Qiv", nullptr, &h);
    return h;
  }
  static cc* cc_ennemi() {
    for (int i = 0; i < cc::nb_cc; ++i)
      if (cc::CCs[i]->camp == ENNEMI) return cc::CCs[i];
    return nullptr;
  }
};

TEST_F(Ordres, SquadSentToAClickedEnemyCommandCentre) {
  bool lignes = false, etiquette = false, sans_etiquette = false, cadre = false, membres = false, garde = false;
  int h = 0, monte = 0;
  Tramer* alpha = nullptr;
  cc* cible = nullptr;
  quand(en_bataille, [] { pousser_touche(SDLK_c); });
  quand(ouvert, [&] {
    h = hauteur();
    lignes = texte_a("Escouade Qiv", 20, B + 10) && texte_a("Escouade Alpha", 20, B + 10 + h);
    clic(60, 64 + h + h / 2);  // the second row
  });
  puis([&] {
    alpha = Tramer::Escouade[ALLIE][1][0];
    ASSERT_NE(alpha, nullptr);
    // The leader's bottom at the screen's bottom, centred across.
    cadre = general::Scrolling.x == alpha->position.x + alpha->TramePrincipale.w / 2 - 480 &&
            general::Scrolling.y == alpha->position.y + alpha->TramePrincipale.h - 544;
    sans_etiquette = !texte_a("Conqu\xE9rir le CC", L, B + T);
    cible = cc_ennemi();
    ASSERT_NE(cible, nullptr);
    general::Scrolling.x = static_cast<Sint16>(cible->position.x - 500);
    general::Scrolling.y = static_cast<Sint16>(cible->position.y - 300);
    clic(510, 310);
  }, 4);
  puis([&] {
    etiquette = texte_a("Conqu\xE9rir le CC", L, B + T);
    membres = Tramer::effectif_escouades[ALLIE][1] > 0;
    for (int i = 0; i < Tramer::effectif_escouades[ALLIE][1]; ++i)
      membres = membres && Tramer::Escouade[ALLIE][1][i]->get_objectif() == cible;
    membres = membres && Tramer::Hero->get_objectif() == nullptr;
    monte = general::Scrolling.y;
    touche_ordre(static_cast<SDLKey>(controles::C_HAUT), true);
  }, 4);
  puis([&] {
    monte = general::Scrolling.y - monte;
    touche_ordre(static_cast<SDLKey>(controles::C_HAUT), false);
    pousser_touche(SDLK_c);
  }, 3);
  quand([] { return en_bataille() && !general::pause; }, [&] {
    garde = alpha->get_objectif() == cible;
    fermer();
  });
  accrocher();
  EXPECT_EQ(JouerMap(MISSION, PLAINE), 3);
  EXPECT_TRUE(fini());
  EXPECT_TRUE(lignes) << "the hero's squad first, then Alpha";
  EXPECT_TRUE(cadre);
  EXPECT_TRUE(sans_etiquette) << "Alpha had no order yet";
  EXPECT_TRUE(membres) << "every member of Alpha, and only them";
  EXPECT_TRUE(etiquette);
  EXPECT_GE(monte, 40);
  EXPECT_EQ(monte % 20, 0);
  EXPECT_TRUE(garde) << "orders outlast the screen";
}

TEST_F(Ordres, WindowCloseShutsOnlyTheScreenAndEmptyClicksGiveNoOrder) {
  bool continue_ = false, rien = false;
  quand(en_bataille, [] { pousser_touche(SDLK_c); });
  quand(ouvert, [] {
    general::Scrolling.x = -30000;  // nothing out there
    clic(600, 300);
  });
  puis([&] {
    rien = true;
    for (int i = 0; i < Tramer::nb_persos; ++i) rien = rien && Tramer::Persos[i]->get_objectif() == nullptr;
    clic(60, 500);  // below the last row: row 0, no move
    fermer();
  });
  quand([] { return en_bataille() && !general::pause; }, [&] {
    continue_ = general::continuer;
    fermer();
  });
  accrocher();
  EXPECT_EQ(JouerMap(MISSION, PLAINE), 3);
  EXPECT_TRUE(rien);
  EXPECT_TRUE(continue_) << "the battle went on after the screen closed";
}

TEST_F(Ordres, OrderNamesFollowTheObjectivesCampAndKind) {
  Allouer_Ordres();
  Mapping m;
  m.type_objet = TRAMER;
  m.camp = ALLIE;
  EXPECT_STREQ(nom_ordre(&m), "Suivre Perso");
  m.camp = NUL;
  EXPECT_STREQ(nom_ordre(&m), "Non Ordonnable");
  m.type_objet = COMMAND;
  m.camp = ENNEMI;
  EXPECT_STREQ(nom_ordre(&m), "Conqu\xE9rir le CC");
  // Nothing outside the table names an order.
  m.camp = 7;
  EXPECT_STREQ(nom_ordre(&m), "Non Ordonnable");
  m.camp = ALLIE;
  m.type_objet = 40;
  EXPECT_STREQ(nom_ordre(&m), "Non Ordonnable");
  EXPECT_STREQ(nom_ordre(nullptr), "Non Ordonnable");
}

TEST_F(Ordres, SquadsWithoutMembersListNoLeader) {
  Tramer::nb_escouade[ALLIE] = 3;  // squads 0 to 3, none with a member
  int n = -1;
  Relever_Escouades(ALLIE, &n);
  EXPECT_EQ(n, 0);
  Tramer::nb_escouade[ALLIE] = 40;  // past the table
  Relever_Escouades(ALLIE, &n);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(Relever_Vehicules(ALLIE, &n), nullptr);
  EXPECT_EQ(n, 0);
  Tramer::nb_escouade[ALLIE] = 0;
}

}  // namespace
