// Missions from their choice screens through their chain of maps, driven
// from the frame hook like the battles themselves.
#include <unistd.h>

#include <filesystem>

#include "Bataille.h"
#include "battle/JouerMap.h"
#include "battle/JouerMission.h"
#include "battle/Missions.h"
#include "battle/Sauvegarde.h"
#include "weapons/Armes.h"

namespace {

class Mission : public Bataille {
 protected:
  void SetUp() override {
    Bataille::SetUp();
    general::nb_mission_accompli = 0;
    general::nb_map_accompli_mission = 0;
    general::nb_map_accompli = 0;
  }
  // The hero screen, then the weapon root's last entry, "Start the Mission".
  void choisir() {
    puis([] { pousser_touche(SDLK_RETURN); }, 20);
    puis([] { pousser_touche(SDLK_UP); }, 20);
    puis([] { pousser_touche(SDLK_RETURN); }, 5);
  }
  // Wins the battle under way by spending the enemy's reinforcements.
  void gagner() {
    quand([] { return en_bataille() && !general::debut_partie; }, [] { general::effectifs_map[1] = 0; });
  }
};

}  // namespace

TEST_F(Mission, EscapeOnTheHeroScreenPlaysNothing) {
  puis([] { pousser_touche(SDLK_ESCAPE); }, 20);
  accrocher();
  EXPECT_EQ(JouerMission(0, 0, nullptr), 1);
  EXPECT_EQ(departs(), 0);
  EXPECT_TRUE(general::continuer);
}

TEST_F(Mission, TheFrontierChainPlaysItsMapsWhileWonAndStopsAtTheMissionsEnd) {
  ASSERT_EQ(LireNbMapMission(0), 2);
  choisir();
  gagner();
  gagner();
  accrocher(20000);
  EXPECT_EQ(JouerMission(0, 0, nullptr), 0);
  EXPECT_EQ(departs(), 2);
  // The last map of the mission moved the frontier on; nothing more was played.
  EXPECT_EQ(general::nb_mission_accompli, 1);
  EXPECT_EQ(general::nb_map_accompli_mission, 0);
  EXPECT_EQ(general::nb_map_accompli, 2);
}

TEST_F(Mission, AWinTheSlotCannotKeepEndsTheChainInsteadOfReplayingTheLastMap) {
  ASSERT_TRUE(SauvegardeSysteme());  // the frontier at the mission's first map
  std::filesystem::create_directory("Systeme1.sav.tmp" + std::to_string(::getpid()));  // the slot's write goes here
  choisir();
  for (int i = 0; i < 5; ++i) gagner();
  accrocher(20000);
  EXPECT_EQ(JouerMission(0, 0, nullptr), 0);
  EXPECT_EQ(departs(), 2) << "the second win moved nothing: the chain stops there";
  EXPECT_EQ(general::nb_mission_accompli, 0);
}

TEST_F(Mission, AMissionInProgressGoesOnWithoutTheChoiceScreens) {
  general::nb_map_accompli_mission = 1;
  gagner();
  accrocher(20000);
  EXPECT_EQ(JouerMission(0, 1, nullptr), 0);
  EXPECT_EQ(departs(), 1);
  EXPECT_EQ(general::nb_mission_accompli, 1);
}

TEST_F(Mission, AnEarlierMissionPlaysOnlyTheChosenMapAndLeavesTheFrontier) {
  general::nb_mission_accompli = 2;
  choisir();
  gagner();
  accrocher(20000);
  EXPECT_EQ(JouerMission(0, 1, nullptr), 0);
  EXPECT_EQ(departs(), 1);
  EXPECT_EQ(general::nb_mission_accompli, 2);
  EXPECT_EQ(general::nb_map_accompli, 0);
}

TEST_F(Mission, AFrontierPastTheMissionsLastPlaysItsLastMapWhoseWinMovesOn) {
  general::nb_map_accompli_mission = 5;  // the mission file lost lines since
  gagner();
  accrocher(20000);
  EXPECT_EQ(JouerMission(0, 5, nullptr), 0);
  EXPECT_EQ(departs(), 1);
  EXPECT_STREQ(general::nom_map.retournertexte(), "Usine.map");
  EXPECT_EQ(general::nb_mission_accompli, 1);
  EXPECT_EQ(general::nb_map_accompli_mission, 0);

  // Past a final line feed the last map is the empty one, passed over as won.
  ecrire_fichier("Mission2.txt", "Plaine.map\n");
  general::nb_map_accompli_mission = 3;
  ASSERT_TRUE(SauvegardeSysteme());
  EXPECT_EQ(JouerMission(1, 3, nullptr), 0);
  EXPECT_EQ(departs(), 1);
  EXPECT_EQ(general::nb_mission_accompli, 2);
  EXPECT_EQ(general::nb_map_accompli_mission, 0);
}

TEST_F(Mission, AFinalLineFeedsEmptyEntryIsWonWithoutABattleAndTheMissionEnds) {
  ecrire_fichier("Mission1.txt", "Plaine.map\n");
  ASSERT_EQ(LireNbMapMission(0), 2);
  choisir();
  gagner();
  accrocher(20000);
  EXPECT_EQ(JouerMission(0, 0, nullptr), 0);
  EXPECT_EQ(departs(), 1);
  EXPECT_EQ(general::nb_mission_accompli, 1);
  EXPECT_EQ(general::nb_map_accompli_mission, 0);
  EXPECT_EQ(general::nb_map_accompli, 2);
  // The slot holds the moved frontier.
  general::nb_mission_accompli = 0;
  LectureSysteme(0, 0);
  EXPECT_EQ(general::nb_mission_accompli, 1);

  // A named map that is missing still plays nothing and moves nothing.
  ecrire_fichier("Mission2.txt", "Absente.map\n");
  EXPECT_EQ(JouerMap(1, 0), 1);
  EXPECT_EQ(general::nb_mission_accompli, 1);
  EXPECT_EQ(general::nb_map_accompli, 2);
}

TEST_F(Mission, TheRifleIsInHandAtTheFirstBattleAndThePickedLightWeaponIsTheSidearm) {
  general::fusil_choisi = 0;
  general::pistolet_choisi = 8;
  std::string en_main, a_cote;
  puis([] { pousser_touche(SDLK_RETURN); }, 20);  // the hero
  // Main Weapon, Light Weapon, QD-H; back to the root and start.
  for (SDLKey k : {SDLK_RETURN, SDLK_DOWN, SDLK_RETURN, SDLK_RETURN, SDLK_ESCAPE, SDLK_UP, SDLK_RETURN})
    puis([k] { pousser_touche(k); }, 5);
  quand([] { return en_bataille() && !general::debut_partie; }, [&] {
    en_main = Tramer::Hero->ArmePrincipale->nom_arme.retournertexte();
    a_cote = Inventaire && Inventaire[0] ? Inventaire[0]->nom_arme.retournertexte() : "";
    fermer();
  });
  accrocher();
  EXPECT_EQ(JouerMission(0, 0, nullptr), 3);
  EXPECT_EQ(en_main, "QD-AR") << "visiting the light weapons last does not take the rifle from his hand";
  EXPECT_EQ(a_cote, "QD-H") << "the light weapon is the sidearm that Left swaps in";
}
