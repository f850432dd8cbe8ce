#include "battle/Missions.h"

#include <string>

#include "Banc.h"
#include "engine/Constantes.h"

namespace {

class Missions : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    general::nb_mission_accompli = 0;
    general::nb_map_accompli_mission = 0;
    general::nb_map_accompli = 0;
    general::temps_de_jeu = 0;
    general::temps_de_jeu_pris = false;
  }
};

TEST_F(Missions, MapNamesFollowTheLinesAndTheLastLineNeedsNoLineFeed) {
  ecrire_fichier("Mission1.txt", "Plaine.map\nForet.map\nBase.map");
  EXPECT_EQ(LireNbMapMission(0), 3);
  EXPECT_STREQ(LireNomMap(0, 0), "Plaine.map");
  EXPECT_STREQ(LireNomMap(0, 1), "Foret.map");
  EXPECT_STREQ(LireNomMap(0, 2), "Base.map");
  // Past the last line, and a negative map, give the last line.
  EXPECT_STREQ(LireNomMap(0, 7), "Base.map");
  EXPECT_STREQ(LireNomMap(0, -1), "Base.map");
}

TEST_F(Missions, FinalLineFeedAddsAnEmptyMap) {
  ecrire_fichier("Mission2.txt", "Plaine.map\nForet.map\n");
  EXPECT_EQ(LireNbMapMission(1), 3);
  EXPECT_STREQ(LireNomMap(1, 1), "Foret.map");
  EXPECT_STREQ(LireNomMap(1, 2), "");
}

TEST_F(Missions, CarriageReturnsStayInTheNames) {
  ecrire_fichier("Mission1.txt", "Plaine.map\r\nForet.map\r\n");
  EXPECT_EQ(LireNbMapMission(0), 3);
  EXPECT_STREQ(LireNomMap(0, 0), "Plaine.map\r");
  EXPECT_STREQ(LireNomMap(0, 1), "Foret.map\r");
}

TEST_F(Missions, MissingFileIsOneMapWithAnEmptyName) {
  EXPECT_EQ(LireNbMapMission(3), 1);
  EXPECT_STREQ(LireNomMap(3, 0), "");
  EXPECT_EQ(ReleverNbMap("absent.txt"), 1);
}

TEST_F(Missions, LongAndManyLinesStayInsideTheNameTable) {
  std::string longue(1000, 'a');
  std::string contenu = longue + "\n";
  for (int i = 1; i < 400; ++i) contenu += "map" + std::to_string(i) + (i + 1 < 400 ? "\n" : "");
  ecrire_fichier("Mission1.txt", contenu);
  EXPECT_EQ(std::string(LireNomMap(0, 0)), std::string(NB_COLONNES_NOMS - 1, 'a'));
  EXPECT_STREQ(LireNomMap(0, 1), "map1");
  EXPECT_STREQ(LireNomMap(0, 200), "map200");
  // The table's last line stands for everything after it, and the count agrees.
  EXPECT_STREQ(LireNomMap(0, 399), "map255");
  EXPECT_EQ(LireNbMapMission(0), NB_LIGNES_NOMS);

  ecrire_fichier("lignes.txt", std::string(200, '\n'));
  EXPECT_EQ(ReleverNbMap("lignes.txt"), 201);
}

TEST_F(Missions, MissionsOutsideTheCampaignHaveNoMaps) {
  for (int k = 1; k <= 8; ++k) ecrire_fichier("Mission" + std::to_string(k) + ".txt", "a.map\nb.map");
  EXPECT_EQ(LireNbMapMission(6), 2);
  EXPECT_EQ(LireNbMapMission(NB_MISSIONS), 0);
  EXPECT_EQ(LireNbMapMission(-1), 0);
  EXPECT_STREQ(LireNomMap(NB_MISSIONS, 0), "");
  EXPECT_STREQ(LireNomMap(-1, 0), "");
}

TEST_F(Missions, FrontierMovesOnlyWhenTheFrontierMapIsWon) {
  ecrire_fichier("Mission1.txt", "a.map\nb.map\nc.map");
  ecrire_fichier("Mission2.txt", "d.map\ne.map");
  general::nb_map_accompli_mission = 1;
  general::nb_map_accompli = 1;

  mettre_systeme_a_jour(0, 0);  // replaying an earlier map
  EXPECT_EQ(general::nb_map_accompli_mission, 1);
  EXPECT_EQ(general::nb_map_accompli, 1);

  mettre_systeme_a_jour(0, 1);
  EXPECT_EQ(general::nb_mission_accompli, 0);
  EXPECT_EQ(general::nb_map_accompli_mission, 2);
  EXPECT_EQ(general::nb_map_accompli, 2);

  mettre_systeme_a_jour(0, 2);
  EXPECT_EQ(general::nb_mission_accompli, 1);
  EXPECT_EQ(general::nb_map_accompli_mission, 0);
  EXPECT_EQ(general::nb_map_accompli, 3);

  mettre_systeme_a_jour(0, 0);  // a map of an earlier mission
  EXPECT_EQ(general::nb_mission_accompli, 1);
  EXPECT_EQ(general::nb_map_accompli, 3);
}

TEST_F(Missions, WinningTheLastMapFinishesTheCampaignAndNothingMovesAfter) {
  ecrire_fichier("Mission7.txt", "z.map");
  general::nb_mission_accompli = 6;
  general::nb_map_accompli = 20;
  mettre_systeme_a_jour(6, 0);
  EXPECT_EQ(general::nb_mission_accompli, NB_MISSIONS);
  EXPECT_EQ(general::nb_map_accompli_mission, 0);
  EXPECT_FALSE(mission_valide(general::nb_mission_accompli));
  mettre_systeme_a_jour(NB_MISSIONS, 0);
  EXPECT_EQ(general::nb_mission_accompli, NB_MISSIONS);
  EXPECT_EQ(general::nb_map_accompli, 21);
}

TEST_F(Missions, ProgressIsPercentOfThirtyTwoMaps) {
  const int cas[][2] = {{0, 0}, {1, 3}, {16, 50}, {31, 96}, {32, 100}, {16777215, 52428796}};
  for (auto& c : cas) {
    general::nb_map_accompli = c[0];
    EXPECT_EQ(ReleverProgression(), c[1]) << c[0];
  }
}

TEST_F(Missions, PlayTimeAddsWholeSecondsOfThisRunToTheLoadedTime) {
  general::temps_de_jeu = 100;
  Horloge::regler(59999);
  EXPECT_EQ(ReleverTempsdeJeu(), 159);
  Horloge::regler(60000);
  EXPECT_EQ(ReleverTempsdeJeu(), 160);
  general::temps_de_jeu = 2147483640;
  EXPECT_EQ(ReleverTempsdeJeu(), 2147483647);
}

}  // namespace
