#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "Banc.h"
#include "Palette.h"
#include "battle/Catalogues.h"
#include "engine/Fonctions.h"

namespace {

class FichierMap : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    vider_palette();
    copier_donnees();
    InitialiserMappeur();
    LecturePalette();
    DesallouerMap();
    general::nom_map = "Essai";
  }
  void TearDown() override {
    vider_palette();
    Banc::TearDown();
  }
  static Objet_de_Reference* premier(int type) {
    for (long i = 0; i < Objet_de_Reference::nb_Objet_de_reference; ++i)
      if (Objet_de_Reference::Objets_de_Reference[i]->type == type) return Objet_de_Reference::Objets_de_Reference[i];
    return nullptr;
  }
  std::string lire(const char* nom = "Essai.map") {
    std::ifstream f(dossier_ / nom, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  }
  static void reglages_connus() {
    general::infiltration = 1;
    general::Choix_perso = 2;
    general::effectifs_map[0] = 7;
    general::effectifs_map[1] = 9;
    general::nom_fond = "";
    general::nom_sol = std::string(255, 's').c_str();
    general::nom_cine_debut_de_map = "debut";
    general::nom_cine_fin_de_map = "fin";
    general::temps_map = 300;
    general::Meteorologie = "Pluie/";
  }
};

const int Genres[] = {OMBRE, OBSTACLE, ENNEMIS, ALLIES, OBJET, OBJETS_DESTRUCTIBLES, DIVERS,
                      VEHICULE_TERRESTRE, VEHICULE_AERIEN, VEHICULE_POLYVALENT, OBJET_ANIME};

TEST_F(FichierMap, EveryKindMarkersAndSettingsComeBack) {
  int x = 300;
  for (int g : Genres) {
    Objet_de_Reference* o = premier(g);
    ASSERT_NE(o, nullptr) << g;
    if (g == ENNEMIS || g == ALLIES)
      (new Reference_Perso(o, Rect(x, -20, 0, 0)))->compter();
    else
      new Reference(o, Rect(x, -20, 0, 0));
    x += 100;
  }
  Objet_de_Reference* detruire = Objet_de_Reference::Objets_de_Reference[8];
  new ReferenceCible(detruire, Rect(-5, 7, 0, 0), 70000);
  Reference::Supprimer(2);  // a tombstone is not written
  reglages_connus();
  ASSERT_TRUE(SauvegarderMap());

  DesallouerMap();
  general::infiltration = 0;
  general::nom_fond = "autre";
  general::nom_sol = "autre";
  general::temps_map = 0;
  general::effectifs_map[0] = general::effectifs_map[1] = 0;
  general::Meteorologie = "Rien/";
  LireMap();

  ASSERT_EQ(Reference::derniere_Reference, 11);
  x = 300;
  for (int i = 0, k = 0; i < 11; ++i, x += 100) {
    if (i == 2) continue;  // the deleted item
    Reference* r = Reference::References[k++];
    SCOPED_TRACE(i);
    EXPECT_EQ(r->type, Genres[i]);
    EXPECT_EQ(r->Origine, 0);
    EXPECT_EQ(r->position.x, x);
    EXPECT_EQ(r->position.y, -20);
  }
  Reference* c = Reference::References[10];
  EXPECT_EQ(c->type, CIBLE);
  EXPECT_EQ(c->Origine, 1);
  EXPECT_EQ(c->retourner_vie(), 70000 & 0xFFFF);
  EXPECT_EQ(c->position.x, -5);
  EXPECT_EQ(Reference_Perso::nb_allies + Reference_Perso::nb_ennemis, 1);  // the enemy was deleted

  EXPECT_EQ(general::infiltration, 1);
  EXPECT_EQ(general::Choix_perso, 2);
  EXPECT_EQ(general::effectifs_map[0], 7);
  EXPECT_EQ(general::effectifs_map[1], 9);
  EXPECT_STREQ(general::nom_fond.retournertexte(), "");
  EXPECT_EQ(std::string(general::nom_sol.retournertexte()), std::string(255, 's'));
  EXPECT_STREQ(general::nom_cine_fin_de_map.retournertexte(), "fin");
  EXPECT_EQ(general::temps_map, 300);
  EXPECT_STREQ(general::Meteorologie.retournertexte(), "Pluie/");
}

TEST_F(FichierMap, RecordsAreLittleEndianWithEnemyReinforcementsFirst) {
  new Reference(premier(DIVERS), Rect(-2, 3, 0, 0));
  new ReferenceCible(Objet_de_Reference::Objets_de_Reference[7], Rect(1, 1, 0, 0), 0x1234);
  reglages_connus();
  ASSERT_TRUE(SauvegarderMap());
  std::string b = lire();
  std::string attendu("\x02\0\0\0"
                      "\x07\x00\xFE\xFF\xFF\xFF\x03\0\0\0"
                      "\x00\x00\x01\0\0\0\x01\0\0\0\x34\x12"
                      "\x01\x02\x09\0\0\0\x07\0\0\0\x00",
                      37);
  EXPECT_EQ(b.substr(0, attendu.size()), attendu);
  EXPECT_EQ(b.size(), attendu.size() + 1 + 255 + 6 + 4 + 4 + 7);
}

TEST_F(FichierMap, LongTextsAreCutSoTheRestOfTheMapSurvives) {
  reglages_connus();
  general::nom_fond = std::string(300, 'f').c_str();
  ASSERT_TRUE(SauvegarderMap());
  general::nom_fond = "";
  general::temps_map = 0;
  LireMap();
  EXPECT_EQ(std::string(general::nom_fond.retournertexte()), std::string(255, 'f'));
  EXPECT_EQ(std::string(general::nom_sol.retournertexte()), std::string(255, 's'));
  EXPECT_EQ(general::temps_map, 300);
  EXPECT_STREQ(general::Meteorologie.retournertexte(), "Pluie/");
}

TEST_F(FichierMap, OlderFilesKeepTheSettingsTheyLack) {
  reglages_connus();
  ASSERT_TRUE(SauvegarderMap());
  std::string b = lire();
  size_t apres_sol = 4 + 2 + 8 + 1 + 1 + 255;
  ecrire_fichier("Essai.map", b.substr(0, apres_sol));
  general::nom_cine_debut_de_map = "garde";
  general::temps_map = 42;
  LireMap();
  EXPECT_STREQ(general::nom_cine_debut_de_map.retournertexte(), "garde");
  EXPECT_EQ(general::temps_map, 42);

  ecrire_fichier("Essai.map", b.substr(0, apres_sol + 6 + 4));
  LireMap();
  EXPECT_STREQ(general::nom_cine_debut_de_map.retournertexte(), "debut");
  EXPECT_STREQ(general::nom_cine_fin_de_map.retournertexte(), "fin");
  EXPECT_EQ(general::temps_map, 42);
}

TEST_F(FichierMap, DamagedFilesMakeOnlyWholeKnownRecords) {
  auto enr = [](int type, int numero, int x) {
    std::string s;
    s += static_cast<char>(type);
    s += static_cast<char>(numero);
    for (int v : {x, 0})
      for (int k = 0; k < 4; ++k) s += static_cast<char>((v >> (8 * k)) & 0xFF);
    if (type == 0) s += std::string("\x05\x00", 2);
    return s;
  };
  // Unknown kinds, a number of 128 and a deleted item are skipped; the
  // records after them are still read from the right place.
  std::string b = std::string("\x06\0\0\0", 4) + enr(42, 0, 1) + enr(OBJET, 200, 2) + enr(AUCUN, 0, 3) +
                  enr(DEBUG, 0, 4) + enr(CIBLE, 0, 5) + enr(OBJET, 1, 6);
  ecrire_fichier("Essai.map", b);
  LireMap();
  ASSERT_EQ(Reference::derniere_Reference, 2);
  EXPECT_EQ(Reference::References[0]->type, CIBLE);
  EXPECT_EQ(Reference::References[1]->position.x, 6);
  // A save gives back, in their places, the records nothing could show.
  ASSERT_TRUE(SauvegarderMap());
  EXPECT_EQ(lire().substr(0, b.size() - 10), std::string("\x05\0\0\0", 4) + enr(42, 0, 1) + enr(OBJET, 200, 2) +
                                                   enr(DEBUG, 0, 4) + enr(CIBLE, 0, 5) + enr(OBJET, 1, 6));
  DesallouerMap();
  ASSERT_TRUE(SauvegarderMap());
  EXPECT_EQ(lire().substr(0, 4), std::string(4, '\0')) << "an emptied map keeps none of them";

  // A huge count, then a record cut short: only the whole record is made.
  ecrire_fichier("Essai.map", std::string("\xFF\xFF\xFF\x7F", 4) + enr(OBJET, 0, 1) + enr(OBJET, 0, 2).substr(0, 7));
  LireMap();
  EXPECT_EQ(Reference::derniere_Reference, 1);
  DesallouerMap();

  general::nom_fond = "garde";
  ecrire_fichier("Essai.map", std::string("\xFF\xFF\xFF\xFF", 4) + enr(OBJET, 0, 1) + "\x01\x01");
  LireMap();
  EXPECT_EQ(Reference::derniere_Reference, 0);
  EXPECT_STREQ(general::nom_fond.retournertexte(), "garde");
  // A text whose bytes are missing changes nothing either.
  ecrire_fichier("Essai.map", std::string("\0\0\0\0\1\1\0\0\0\0\0\0\0\0\x09" "ab", 17));
  LireMap();
  EXPECT_STREQ(general::nom_fond.retournertexte(), "garde");
  EXPECT_EQ(general::infiltration, 1);
}

TEST_F(FichierMap, EmptyMapIsTheCountThenTheSettingsAndMissingFileChangesNothing) {
  new Reference(premier(OBJET), Rect(0, 0, 0, 0));
  Reference::Supprimer(0);
  ASSERT_TRUE(SauvegarderMap());
  EXPECT_EQ(lire().substr(0, 4), std::string(4, '\0'));
  general::nom_map = "Absente";
  general::nom_fond = "garde";
  LireMap();
  EXPECT_EQ(Reference::derniere_Reference, 1);
  EXPECT_STREQ(general::nom_fond.retournertexte(), "garde");
}

TEST_F(FichierMap, DemoMapsLoadWithEveryPlaceableKind) {
  bool vu[14] = {};
  for (const char* nom : {"Plaine", "Usine", "Infiltration"}) {
    DesallouerMap();
    general::nom_map = nom;
    LireMap();
    EXPECT_GT(Reference::derniere_Reference, 5) << nom;
    for (long i = 0; i < Reference::derniere_Reference; ++i) vu[static_cast<int>(Reference::References[i]->type)] = true;
  }
  for (int g : Genres) EXPECT_TRUE(vu[g]) << g;
  EXPECT_TRUE(vu[CIBLE]);
  EXPECT_EQ(general::infiltration, 1);  // the last one read
}

}  // namespace
