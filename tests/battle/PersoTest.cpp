#include <filesystem>
#include <fstream>
#include <string>

#include "Apparences.h"
#include "Banc.h"
#include "battle/Perso.h"
#include "engine/Constantes.h"

namespace {

class FichierPerso : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    vider_apparences();
    general::temps_map = 0;
  }
  void TearDown() override {
    vider_apparences();
    Banc::TearDown();
  }
  void ecrire_octets(const std::string& nom, const std::string& octets) { ecrire_fichier(nom, octets); }
  static std::string lire_octets(const std::string& nom) {
    std::ifstream f(nom, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  }
  // Every byte distinct and non-zero, so each field shows where it came from.
  static std::string fichier_complet() {
    std::string s;
    for (int i = 0; i < TAILLE_FICHIER_PERSO; ++i) s += static_cast<char>(0x21 + i);
    return s;
  }
  static void regler_editeur() {
    general::nom_perso = "Soldat";
    general::sexe = 1;
    general::couleur_de_peau = 1;
    general::armeprincipale = 8;
    general::arme_melee = 3;
    general::projectile = 2;
    general::aura = 1;
    for (int i = 0; i < NB_ELEMENTS; ++i) Element::Construction_en_cours[i] = i + 1;
    Element::Bras_en_cours = 4;
    general::vie_perso = 250;
    general::Wex = 1200;
    general::camp_perso = 0;
  }
};

TEST_F(FichierPerso, SavedCharacterReadsBackFieldByField) {
  regler_editeur();
  general::temps_map = 77;
  ASSERT_TRUE(SauvegarderPerso());
  std::string octets = lire_octets("Soldat");
  ASSERT_EQ(octets.size(), 23u);
  EXPECT_EQ(octets[0], 1);  // sex first, then skin, though the record ends with them
  EXPECT_EQ(octets[1], 1);
  Perso p = LirePerso("Soldat");
  EXPECT_EQ(p.sexe, 1);
  EXPECT_EQ(p.couleur_de_peau, 1);
  EXPECT_EQ(p.armeprincipale, 8);
  EXPECT_EQ(p.arme_melee, 3);
  EXPECT_EQ(p.projectile, 2);
  EXPECT_EQ(p.aura, 1);
  for (int i = 0; i < NB_ELEMENTS; ++i) EXPECT_EQ(p.Vetements[i], i + 1) << i;
  EXPECT_EQ(p.Bras, 4);
  EXPECT_EQ(p.vie_perso, 250);
  EXPECT_EQ(p.Wex, 1200);
  EXPECT_FALSE(p.camp_perso);
  EXPECT_EQ(general::temps_map, 77);  // 23 bytes: no trailer
}

TEST_F(FichierPerso, ValuesWiderThanTheirBytesKeepTheirLowBits) {
  regler_editeur();
  general::vie_perso = 65536 + 100;
  general::Wex = -10;
  Element::Construction_en_cours[HAUT1] = 300;
  ASSERT_TRUE(SauvegarderPerso());
  Perso p = LirePerso("Soldat");
  EXPECT_EQ(p.vie_perso, 100);
  EXPECT_EQ(p.Wex, 65536 - 10);
  EXPECT_EQ(p.Vetements[HAUT1], 44);
}

TEST_F(FichierPerso, MissingFileGivesTheDefaultEnemy) {
  Perso p = LirePerso("Personne");
  EXPECT_TRUE(p.camp_perso);
  EXPECT_EQ(p.vie_perso, 0);
  EXPECT_EQ(p.Wex, 0);
  EXPECT_EQ(p.armeprincipale, 0);
  for (uint8_t v : p.Vetements) EXPECT_EQ(v, 0);
}

TEST_F(FichierPerso, EveryTruncationKeepsTheDefaultsOfTheMissingFields) {
  const std::string complet = fichier_complet();
  auto b = [&](int i) { return static_cast<unsigned char>(complet[i]); };
  for (size_t n = 0; n < 23; ++n) {
    SCOPED_TRACE(n);
    ecrire_octets("Court", complet.substr(0, n));
    general::temps_map = 5;
    Perso p = LirePerso("Court");
    auto lu = [&](int i, int defaut) { return static_cast<int>(i < static_cast<int>(n) ? b(i) : defaut); };
    EXPECT_EQ(static_cast<unsigned char>(p.sexe), lu(0, 0));
    EXPECT_EQ(static_cast<unsigned char>(p.couleur_de_peau), lu(1, 0));
    EXPECT_EQ(p.armeprincipale, lu(2, 0));
    EXPECT_EQ(p.arme_melee, lu(3, 0));
    EXPECT_EQ(p.projectile, lu(4, 0));
    EXPECT_EQ(p.aura, lu(5, 0));
    for (int i = 0; i < 11; ++i) EXPECT_EQ(p.Vetements[i], lu(6 + i, 0));
    EXPECT_EQ(p.Bras, lu(17, 0));
    EXPECT_EQ(p.vie_perso, lu(18, 0) | lu(19, 0) << 8);
    EXPECT_EQ(p.Wex, lu(20, 0) | lu(21, 0) << 8);
    EXPECT_TRUE(p.camp_perso);
    EXPECT_EQ(general::temps_map, 5);
  }
}

TEST_F(FichierPerso, TrailerSetsTheMapTimeLimitForTheBattleOnly) {
  std::string f = fichier_complet() + std::string("\x2C\x01\x00\x00", 4);  // 300
  ecrire_octets("Chrono", f);
  general::temps_map = 0;
  LirePerso("Chrono");
  EXPECT_EQ(general::temps_map, 300);
  general::temps_map = 0;
  LirePersoEditeur("Chrono");
  EXPECT_EQ(general::temps_map, 0);
  // A short trailer replaces only the bytes it has.
  ecrire_octets("Chrono", fichier_complet() + "\x07");
  general::temps_map = 0x1234;
  LirePerso("Chrono");
  EXPECT_EQ(general::temps_map, 0x1207);
}

TEST_F(FichierPerso, EditorReadReplacesWholeValues) {
  for (int& c : Element::Construction_en_cours) c = 0x12345600;
  Element::Bras_en_cours = -1;
  general::vie_perso = 0x7FFF0000;
  general::Wex = -1;
  ecrire_octets("Edite", fichier_complet());
  LirePersoEditeur("Edite");
  for (int i = 0; i < NB_ELEMENTS; ++i) EXPECT_EQ(Element::Construction_en_cours[i], 0x21 + 6 + i);
  EXPECT_EQ(Element::Bras_en_cours, 0x21 + 17);
  EXPECT_EQ(general::vie_perso, (0x21 + 18) | (0x21 + 19) << 8);
  EXPECT_EQ(general::Wex, (0x21 + 20) | (0x21 + 21) << 8);
  EXPECT_EQ(general::camp_perso, 0x21 + 22);
  EXPECT_EQ(general::sexe, 0x21);

  // Hit points cut after one byte hold that byte alone; the rest is untouched.
  general::Wex = 999;
  ecrire_octets("Edite", fichier_complet().substr(0, 19));
  LirePersoEditeur("Edite");
  EXPECT_EQ(general::vie_perso, 0x21 + 18);
  EXPECT_EQ(general::Wex, 999);
}

TEST_F(FichierPerso, EditorReadOfMissingFileChangesNothing) {
  regler_editeur();
  LirePersoEditeur("Personne");
  EXPECT_EQ(general::vie_perso, 250);
  EXPECT_EQ(Element::Bras_en_cours, 4);
  EXPECT_EQ(general::armeprincipale, 8);
}

TEST_F(FichierPerso, HostileIndexBytesFallBackToValidDefaults) {
  new Element("Aucun", 0);
  new Element("Un", 0);
  new Element("Deux", 0);
  ecrire_octets("Hostile", std::string(23, '\xFE'));
  Perso p = LirePerso("Hostile");
  EXPECT_EQ(p.index_arme_principale(), 0);
  EXPECT_EQ(p.index_arme_melee(), 254 % 5);  // the melee byte wraps by design
  EXPECT_EQ(p.index_projectile(), 0);
  EXPECT_EQ(p.index_aura(), 0);
  EXPECT_EQ(p.index_sexe(), 0);
  EXPECT_EQ(p.index_couleur(), 0);
  for (int i = 0; i < NB_ELEMENTS; ++i) EXPECT_EQ(p.index_vetement(i), 0);
  EXPECT_EQ(p.index_vetement(-1), 0);
  EXPECT_EQ(p.index_vetement(NB_ELEMENTS), 0);
  EXPECT_EQ(p.index_bras(), 0);

  p.Vetements[CASQUE] = 2;
  p.Bras = 1;
  p.armeprincipale = 11;
  p.aura = 2;
  EXPECT_EQ(p.index_vetement(CASQUE), 2);
  EXPECT_EQ(p.index_bras(), 1);
  EXPECT_EQ(p.index_arme_principale(), 11);
  EXPECT_EQ(p.index_aura(), 2);
  p.sexe = 1;  // no women's set exists
  EXPECT_EQ(p.index_vetement(CASQUE), 0);
}

TEST_F(FichierPerso, SaveRefusesNamesThatAreNotPlainCharacterNames) {
  regler_editeur();
  std::filesystem::create_directory("sous");
  for (const char* nom : {"", ".", "..", "../Evade", "sous/Perso", "a\\b", "Systeme1.sav", "partie3.sav",
                          "Mission2.txt", "mission7.txt", "Objets.txt", "persos.txt", "Obstacles.txt"}) {
    general::nom_perso = nom;
    EXPECT_FALSE(SauvegarderPerso()) << nom;
  }
  EXPECT_FALSE(std::filesystem::exists("../Evade"));
  EXPECT_FALSE(std::filesystem::exists("sous/Perso"));
  EXPECT_FALSE(std::filesystem::exists("Systeme1.sav"));
  for (const char* nom : {"Korvan", "Mission", "Systeme.sav2", "a..b"}) {
    general::nom_perso = nom;
    EXPECT_TRUE(SauvegarderPerso()) << nom;
  }
}

TEST_F(FichierPerso, FailedSaveIsReportedAndLeavesNoTemporaryFile) {
  regler_editeur();
  std::filesystem::create_directory("Occupe");
  general::nom_perso = "Occupe";
  EXPECT_FALSE(SauvegarderPerso());
  EXPECT_TRUE(std::filesystem::is_directory("Occupe"));
  int fichiers = 0;
  for (auto& e : std::filesystem::directory_iterator(".")) fichiers += e.is_regular_file();
  EXPECT_EQ(fichiers, 0);
}

TEST_F(FichierPerso, SaveReplacesAnOlderFile) {
  ecrire_octets("Soldat", std::string(40, 'x'));
  regler_editeur();
  ASSERT_TRUE(SauvegarderPerso());
  EXPECT_EQ(lire_octets("Soldat").size(), 23u);
}

}  // namespace
