// What a demo map asks of the player, and the win/lose rules in their order.
#include "Bataille.h"
#include "battle/LireMap2.h"
#include "battle/Objectifs.h"
#include "engine/cc.h"

namespace {

class Objectifs : public Bataille {
 protected:
  void charger(const char* nom) {
    general::nom_map = nom;
    ASSERT_TRUE(LireMap3(nom));
    ASSERT_TRUE(LireMap2());
    Creer_Objectifs();
  }
  static void tuer_camp(int camp) {
    for (int i = 0; i < Tramer::nb_persos; ++i)
      if (Tramer::Persos[i]->camp == camp) Tramer::Persos[i]->vivant = false;
  }
  static void cibles(int camp, int vie) {
    for (int32_t i = 0; i < Mapping::dernier_objet; ++i)
      if (Mapping::occupe(i) && Mapping::Objets[i]->type_objet == OBJET_DESTRUCTIBLE && Mapping::Objets[i]->camp == camp)
        Mapping::Objets[i]->vie = static_cast<int16_t>(vie);
  }
  static void camps_cc(std::initializer_list<int> camps) {
    int i = 0;
    for (int c : camps) cc::CCs[i++]->camp = static_cast<int16_t>(c);
  }
  static std::vector<std::string> lignes() {
    char* l[4] = {};
    bool etats[4] = {};
    bool* p[4] = {&etats[0], &etats[1], &etats[2], &etats[3]};
    int n = -1;
    LireObjectifs(l, n, p);
    std::vector<std::string> v;
    for (int i = 0; i < n; ++i) {
      v.push_back(l[i]);
      EXPECT_TRUE(etats[i]) << i;
    }
    return v;
  }
};

TEST_F(Objectifs, TimeUpIsDecidedByTheCommandCentresATieLoses) {
  charger("Plaine.map");
  ASSERT_EQ(cc::nb_cc, 4);
  EXPECT_EQ(check_statut_de_jeu(), EN_COURS);
  general::TimeUp = true;
  camps_cc({ALLIE, ALLIE, ENNEMI, ENNEMI});
  EXPECT_EQ(check_statut_de_jeu(), PERDU);
  camps_cc({ALLIE, ALLIE, ALLIE, ENNEMI});
  EXPECT_EQ(check_statut_de_jeu(), GAGNE);
  camps_cc({NUL, NUL, NUL, NUL});
  EXPECT_EQ(check_statut_de_jeu(), PERDU);
}

TEST_F(Objectifs, InfiltrationIsWonWithinAHundredPixelsOfTheEndAndLostWithTheHero) {
  charger("Infiltration.map");
  EXPECT_NE(general::infiltration, 0);
  EXPECT_EQ(lignes(), std::vector<std::string>{"Go to the end of the level"});
  Tramer* hero = Tramer::AllouerPerso("Korvan", true);
  ASSERT_NE(hero, nullptr);
  Tramer::Hero = hero;
  Mapping::centre_scrolling = hero;
  hero->stats.pv_restants = 100;
  // Reinforcements, census and command centres do not end an infiltration.
  general::effectifs_map[0] = general::effectifs_map[1] = 0;
  tuer_camp(ENNEMI);
  hero->position.x = static_cast<Sint16>(general::Fin_map.x + 100);
  hero->position.y = static_cast<Sint16>(general::Fin_map.y - 100);
  EXPECT_EQ(check_statut_de_jeu(), EN_COURS);
  hero->position.x = static_cast<Sint16>(general::Fin_map.x + 99);
  hero->position.y = static_cast<Sint16>(general::Fin_map.y - 99);
  EXPECT_EQ(check_statut_de_jeu(), GAGNE);
  // An enemy target still standing keeps the way out shut.
  Mapping* radar = Mapping::Objets[0];
  radar->type_objet = OBJET_DESTRUCTIBLE;
  radar->camp = ENNEMI;
  radar->vie = 10;
  Creer_Objectifs();
  EXPECT_EQ(lignes(), (std::vector<std::string>{"Destroy Ennemies's Targets then", "Go to the end of the level"}));
  EXPECT_EQ(check_statut_de_jeu(), EN_COURS);
  hero->stats.pv_restants = 0;
  EXPECT_EQ(check_statut_de_jeu(), PERDU);
}

TEST_F(Objectifs, TargetsComeFirstThenCensusThenReinforcements) {
  charger("Usine.map");
  EXPECT_TRUE(Jeu::objets_a_detruire);
  EXPECT_TRUE(Jeu::objets_a_defendre);
  EXPECT_FALSE(general::sous_marin);
  EXPECT_EQ(lignes(), (std::vector<std::string>{"Take all Ennemies's Command Centers", "Or Exterminate all their reinforcement",
                                                "Or Destroy Ennemies's Targets", "And Protect allies's Targets"}));
  EXPECT_EQ(check_statut_de_jeu(), EN_COURS);
  // The last enemy target wins even with the allies wiped out.
  tuer_camp(ALLIE);
  general::effectifs_map[0] = 0;
  cibles(ENNEMI, 0);
  EXPECT_EQ(check_statut_de_jeu(), GAGNE);
  cibles(ENNEMI, 50);
  cibles(ALLIE, 0);
  EXPECT_EQ(check_statut_de_jeu(), PERDU);
}

TEST_F(Objectifs, CensusCommandCentresAndReinforcementsDecideOrdinaryMaps) {
  charger("Plaine.map");
  EXPECT_FALSE(Jeu::objets_a_detruire);
  EXPECT_EQ(lignes().size(), 2u);
  // Every enemy dead, but an enemy centre stands: running.
  tuer_camp(ENNEMI);
  EXPECT_EQ(check_statut_de_jeu(), EN_COURS);
  camps_cc({ALLIE, NUL, ALLIE, ALLIE});
  EXPECT_EQ(check_statut_de_jeu(), GAGNE);
  camps_cc({ENNEMI, NUL, ENNEMI, ENNEMI});
  tuer_camp(ALLIE);
  EXPECT_EQ(check_statut_de_jeu(), PERDU) << "no ally and no allied centre";
  for (int i = 0; i < Tramer::nb_persos; ++i) Tramer::Persos[i]->vivant = true;
  // Both reinforcements out at once: the enemy's are tested first.
  general::effectifs_map[0] = general::effectifs_map[1] = 0;
  EXPECT_EQ(check_statut_de_jeu(), GAGNE);
  general::effectifs_map[1] = 3;
  EXPECT_EQ(check_statut_de_jeu(), PERDU);
}

TEST_F(Objectifs, SoldiersMarkedAsObjectivesEndTheMapWhenTheLastFalls) {
  charger("Plaine.map");
  Tramer* allie = nullptr;
  Tramer* ennemi = nullptr;
  for (int i = 0; i < Tramer::nb_persos; ++i) (Tramer::Persos[i]->camp == ALLIE ? allie : ennemi) = Tramer::Persos[i];
  allie->be_objectif(ALLIE, 0);
  ennemi->be_objectif(ENNEMI, 0);
  Creer_Objectifs();
  EXPECT_TRUE(Jeu::allie_a_proteger);
  EXPECT_TRUE(Jeu::ennemis_a_tuer);
  EXPECT_EQ(lignes().size(), 4u);
  EXPECT_EQ(check_statut_de_jeu(), EN_COURS);
  ennemi->vivant = false;
  EXPECT_EQ(check_statut_de_jeu(), GAGNE);
  allie->vivant = false;
  EXPECT_EQ(check_statut_de_jeu(), PERDU) << "the ally's rule comes before the enemy's";
}

TEST_F(Objectifs, OnlyTheThreeWaterGroundsAreUnderwater) {
  for (auto [sol, attendu] : {std::pair{"eau2/", true}, {"eau/", true}, {"eau3/", true}, {"Eau2/", false}, {"eau2", false}}) {
    general::nom_sol = sol;
    Creer_Objectifs();
    EXPECT_EQ(general::sous_marin, attendu) << sol;
  }
}

}  // namespace
