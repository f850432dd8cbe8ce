#include <filesystem>
#include <fstream>
#include <iterator>

#include "Banc.h"
#include "engine/Constantes.h"
#include "menus/Chargement.h"

namespace fs = std::filesystem;

namespace {

std::string contenu(const std::string& nom) {
  std::ifstream f(nom, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

class Slots : public Banc {
 protected:
  void slots(int n) {
    for (int i = 0; i < n; ++i) ecrire_fichier(nom_systeme(i), "slot " + std::to_string(i));
  }
};

}  // namespace

TEST_F(Slots, CountStopsAtTheFirstGapAndANewGameFillsIt) {
  slots(1);
  ecrire_fichier("Systeme2.sav", "after the gap");
  EXPECT_EQ(Relever_Nb_Partie(), 1);
  Nouvelle_Partie();
  EXPECT_EQ(general::fichier_utilise, 1);
  EXPECT_TRUE(fs::exists("Systeme1.sav"));
  EXPECT_EQ(contenu("Systeme2.sav"), "after the gap");
}

TEST_F(Slots, ASlotThatCannotBeReadIsNeverWrittenOver) {
  fs::create_directory("Systeme0.sav");  // there, but no file can be read from it
  EXPECT_EQ(Relever_Nb_Partie(), 1);
  Nouvelle_Partie();
  EXPECT_EQ(general::fichier_utilise, 1);
  EXPECT_TRUE(fs::is_directory("Systeme0.sav"));
}

TEST_F(Slots, DeletingTheLastSlotRenamesNothingAndTheOnlySlotLeavesNone) {
  slots(3);
  ecrire_fichier("Partie2.sav", "two");
  int n = 3;
  EXPECT_TRUE(SupprimerSauvegarde(2, n));
  EXPECT_EQ(n, 2);
  EXPECT_EQ(contenu("Systeme1.sav"), "slot 1");
  EXPECT_FALSE(fs::exists("Systeme2.sav"));
  EXPECT_FALSE(fs::exists("Partie2.sav"));

  for (int i = 1; i >= 0; --i) fs::remove(nom_systeme(i));
  slots(1);
  ecrire_fichier("Partie0.sav", "zero");
  n = 1;
  EXPECT_TRUE(SupprimerSauvegarde(0, n));
  EXPECT_EQ(n, 0);
  EXPECT_EQ(Relever_Nb_Partie(), 0);
  EXPECT_FALSE(fs::exists("Partie0.sav"));
}

TEST_F(Slots, ACompanionlessSlotLeavesNoStaleCompanionBelowIt) {
  slots(3);
  ecrire_fichier("Partie1.sav", "belongs to slot 1");
  int n = 3;
  EXPECT_TRUE(SupprimerSauvegarde(1, n));
  EXPECT_EQ(contenu("Systeme1.sav"), "slot 2");
  EXPECT_FALSE(fs::exists("Partie1.sav"));
}

TEST_F(Slots, AFailedStepStopsTheRenumberingWithEverySlotStillThere) {
  slots(2);
  fs::create_directory("Systeme2.sav");
  slots(0);
  ecrire_fichier("Systeme3.sav", "slot 3");
  int n = 4;
  EXPECT_FALSE(SupprimerSauvegarde(0, n));
  EXPECT_EQ(n, 4);
  EXPECT_EQ(Relever_Nb_Partie(), 4) << "no slot hidden behind a gap";
  EXPECT_EQ(contenu("Systeme0.sav"), "slot 1");
  EXPECT_EQ(contenu("Systeme3.sav"), "slot 3") << "no slot lost";
}

TEST_F(Slots, ARowOutsideTheListDeletesNothing) {
  slots(2);
  int n = 2;
  EXPECT_FALSE(SupprimerSauvegarde(5, n));
  EXPECT_FALSE(SupprimerSauvegarde(-1, n));
  EXPECT_EQ(n, 2);
  EXPECT_EQ(Relever_Nb_Partie(), 2);
}
