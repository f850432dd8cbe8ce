#include "battle/Sauvegarde.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Banc.h"
#include "battle/Missions.h"
#include "engine/Constantes.h"

namespace {

class Sauvegarde : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    remettre();
  }
  // A fresh program: every counter and choice at its start value.
  static void remettre() {
    general::fichier_utilise = 0;
    general::temps_de_jeu = 0;
    general::temps_de_jeu_pris = false;
    general::nb_hs = general::nb_tue = general::nb_mort = general::wex_actuelle = 0;
    general::nb_map_accompli = general::nb_map_accompli_mission = general::nb_mission_accompli = 0;
    general::Choix_perso = 0;
    general::perso_choisi = 0;
    general::fusil_choisi = 0;
    general::pistolet_choisi = 8;
    general::projectile_choisi = 0;
    general::melee_choisie = 0;
    general::aura_choisie = 0;
    Horloge::regler(0);
  }
  std::vector<unsigned char> lire(const std::string& nom) {
    std::ifstream f(dossier_ / nom, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
  }
  void ecrire(const std::string& nom, const std::vector<unsigned char>& o) {
    ecrire_fichier(nom, std::string(o.begin(), o.end()));
  }
  // A slot: 1000 s, 7 head shots, 9 kills, 3 deaths, Wex 0x012345, 5 maps,
  // frontier mission 1 map 2, then the choices.
  static std::vector<unsigned char> slot() {
    return {0xE8, 0x03, 0, 0, 7, 9, 3, 0x45, 0x23, 0x01, 5, 0, 0, 2, 1, 1, 2, 6, 10, 3, 4, 2};
  }
};

TEST_F(Sauvegarde, SlotIsWrittenFieldByFieldInItsWidths) {
  general::fichier_utilise = 3;
  general::temps_de_jeu = 1000;
  Horloge::regler(5500);
  general::nb_hs = 7;
  general::nb_tue = 300;  // one byte: 44
  general::nb_mort = 3;
  general::wex_actuelle = 20000000;  // three bytes: 3,222,784
  general::nb_map_accompli = 0x0102FF;
  general::nb_map_accompli_mission = 2;
  general::nb_mission_accompli = 1;
  general::Choix_perso = 1;
  general::perso_choisi = 2;
  general::fusil_choisi = 6;
  general::pistolet_choisi = 10;
  general::projectile_choisi = 3;
  general::melee_choisie = 4;
  general::aura_choisie = 2;
  ASSERT_TRUE(SauvegardeSysteme());
  std::vector<unsigned char> attendu = {0xED, 0x03, 0, 0, 7, 44, 3, 0x00, 0x2D, 0x31, 0xFF, 0x02, 0x01,
                                        2,    1,    1, 2, 6, 10, 3, 4,  2};
  EXPECT_EQ(lire("Systeme3.sav"), attendu);
}

TEST_F(Sauvegarde, SlotReadsBackEveryFieldWhenContinuingTheFrontier) {
  ecrire("Systeme0.sav", slot());
  LectureSysteme(1, 2);
  EXPECT_EQ(general::temps_de_jeu, 1000);
  EXPECT_EQ(general::nb_hs, 7);
  EXPECT_EQ(general::nb_tue, 9);
  EXPECT_EQ(general::nb_mort, 3);
  EXPECT_EQ(general::wex_actuelle, 0x012345);
  EXPECT_EQ(general::nb_map_accompli, 5);
  EXPECT_EQ(general::nb_map_accompli_mission, 2);
  EXPECT_EQ(general::nb_mission_accompli, 1);
  EXPECT_EQ(general::Choix_perso, 1);
  EXPECT_EQ(general::perso_choisi, 2);
  EXPECT_EQ(general::fusil_choisi, 6);
  EXPECT_EQ(general::pistolet_choisi, 10);
  EXPECT_EQ(general::projectile_choisi, 3);
  EXPECT_EQ(general::melee_choisie, 4);
  EXPECT_EQ(general::aura_choisie, 2);
}

TEST_F(Sauvegarde, FieldsReplaceOnlyTheLowBytesTheyHoldSoCountersPast255Survive) {
  general::nb_tue = 300;
  general::nb_hs = 256 + 7;
  general::nb_mort = 1000;
  general::wex_actuelle = 20000000;
  ASSERT_TRUE(SauvegardeSysteme());
  EXPECT_EQ(lire("Systeme0.sav")[5], 44);
  LectureSysteme(0, 0);  // the next battle start
  EXPECT_EQ(general::nb_tue, 300);
  EXPECT_EQ(general::nb_hs, 263);
  EXPECT_EQ(general::nb_mort, 1000);
  EXPECT_EQ(general::wex_actuelle, 20000000);

  // A lost battle's gains still go: only the saved low bytes come back.
  general::nb_tue = 310;
  LectureSysteme(0, 0);
  EXPECT_EQ(general::nb_tue, 300);
}

TEST_F(Sauvegarde, ChoicesStayUnlessTheBattleContinuesTheFrontierPastItsFirstMap) {
  ecrire("Systeme0.sav", slot());
  for (auto [mission, map] : {std::pair{0, 0}, {1, 0}, {0, 2}, {1, 1}, {2, 2}}) {
    remettre();
    LectureSysteme(mission, map);
    EXPECT_EQ(general::nb_mission_accompli, 1);
    EXPECT_EQ(general::fusil_choisi, 0) << mission << "," << map;
    EXPECT_EQ(general::pistolet_choisi, 8);
    EXPECT_EQ(general::perso_choisi, 0);
  }
}

TEST_F(Sauvegarde, PlayTimeGoesOnAcrossASaveAndALoad) {
  general::temps_de_jeu = 100;
  Horloge::regler(65000);
  ASSERT_TRUE(SauvegardeSysteme());

  // Next run of the program: the clock starts again from 0.
  remettre();
  LectureSysteme(0, 0);
  EXPECT_EQ(general::temps_de_jeu, 165);
  Horloge::regler(10000);
  EXPECT_EQ(ReleverTempsdeJeu(), 175);

  // A second slot loaded in the same run does not reset the time.
  general::fichier_utilise = 1;
  ecrire("Systeme1.sav", slot());
  LectureSysteme(0, 0);
  EXPECT_EQ(ReleverTempsdeJeu(), 175);
}

TEST_F(Sauvegarde, ShortSlotKeepsWhatItLacks) {
  std::vector<unsigned char> o = slot();
  // The 15-byte layout: statistics and frontier, no choices.
  ecrire("Systeme0.sav", o);
  LectureSysteme(0, 0);
  general::fusil_choisi = 0;
  general::pistolet_choisi = 8;
  ASSERT_TRUE(SauvegardePartie());
  EXPECT_EQ(lire("Systeme0.sav"), std::vector<unsigned char>(o.begin(), o.begin() + 15));
  remettre();
  LecturePartie();  // reads nothing
  EXPECT_EQ(general::nb_tue, 0);
  LectureSysteme(1, 2);
  EXPECT_EQ(general::nb_tue, 9);
  EXPECT_EQ(general::nb_mission_accompli, 1);
  EXPECT_EQ(general::nb_map_accompli_mission, 2);
  EXPECT_EQ(general::fusil_choisi, 0);
  EXPECT_EQ(general::pistolet_choisi, 8);

  // Cut inside the maps completed: that field keeps the two bytes it got,
  // everything after it stays.
  remettre();
  general::nb_map_accompli = 0x7F0000 + 77;
  general::nb_mission_accompli = 4;
  ecrire("Systeme0.sav", {o.begin(), o.begin() + 12});
  LectureSysteme(0, 0);
  EXPECT_EQ(general::wex_actuelle, 0x012345);
  EXPECT_EQ(general::nb_map_accompli, 0x7F0005);
  EXPECT_EQ(general::nb_mission_accompli, 4);

  // An empty file, and no file at all, change nothing.
  remettre();
  general::nb_hs = 12;
  ecrire("Systeme0.sav", {});
  LectureSysteme(0, 0);
  EXPECT_EQ(general::nb_hs, 12);
  std::filesystem::remove(dossier_ / "Systeme0.sav");
  LectureSysteme(0, 0);
  EXPECT_EQ(general::nb_hs, 12);
}

TEST_F(Sauvegarde, OutOfRangeBytesNeverReachTheTables) {
  std::vector<unsigned char> o = slot();
  o[13] = 3;
  o[14] = 200;  // no such mission: the campaign is over
  ecrire("Systeme0.sav", o);
  LectureSysteme(0, 0);
  EXPECT_EQ(general::nb_mission_accompli, NB_MISSIONS);
  EXPECT_EQ(general::nb_map_accompli_mission, 0);

  // Every choice byte out of its range keeps the current choice.
  remettre();
  o = slot();
  const unsigned char mauvais[] = {3, 1, 12, 12, 4, 5, 3};
  for (int i = 0; i < 7; ++i) o[15 + i] = mauvais[i];
  ecrire("Systeme0.sav", o);
  LectureSysteme(1, 2);
  EXPECT_EQ(general::Choix_perso, 0);
  EXPECT_EQ(general::perso_choisi, 0);
  EXPECT_EQ(general::fusil_choisi, 0);
  EXPECT_EQ(general::pistolet_choisi, 8);
  EXPECT_EQ(general::projectile_choisi, 0);
  EXPECT_EQ(general::melee_choisie, 0);
  EXPECT_EQ(general::aura_choisie, 0);
  for (int i = 0; i < 7; ++i) o[15 + i] = 255;
  ecrire("Systeme0.sav", o);
  LectureSysteme(1, 2);
  EXPECT_EQ(general::pistolet_choisi, 8);
}

TEST_F(Sauvegarde, FailedWriteIsReportedAndLeavesNoStrayFile) {
  // A folder in the slot's place cannot be replaced by a file.
  std::filesystem::create_directory(dossier_ / "Systeme0.sav");
  EXPECT_FALSE(SauvegardeSysteme());
  int fichiers = 0;
  for (auto& e : std::filesystem::directory_iterator(dossier_)) fichiers += e.is_regular_file();
  EXPECT_EQ(fichiers, 0);
}

}  // namespace
