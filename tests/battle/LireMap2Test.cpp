// Map files made into a battle world: registries, game positions, markers,
// and the maps that are damaged, missing or hold more than the tables.
#include <string>
#include <vector>

#include "Bataille.h"
#include "CarteEssai.h"
#include "battle/LireMap2.h"
#include "characters/Vehicules.h"
#include "editor/Objet_de_Reference.h"
#include "engine/Ascenseur.h"
#include "engine/Objet_Destructible.h"
#include "engine/Obstacle.h"
#include "engine/Ombre.h"
#include "engine/cc.h"
#include "engine/eau.h"

namespace {

constexpr int DEBUT = 1, FIN = 2, CC_ALLIE = 3, CC_NEUTRE = 4, CC_ENNEMI = 5, EAU = 7;

class Carte : public Bataille {
 protected:
  bool lire(const std::string& nom) {
    general::nom_map = nom.c_str();
    return LireMap3(nom.c_str()) && LireMap2();
  }
  static int compter(int type) {
    int n = 0;
    for (int32_t i = 0; i < Mapping::dernier_objet; ++i) n += Mapping::occupe(i) && Mapping::Objets[i]->type_objet == type;
    return n;
  }
  static Mapping* a(int x, int y, int type) {
    for (int32_t i = 0; i < Mapping::dernier_objet; ++i)
      if (Mapping::occupe(i) && Mapping::Objets[i]->position.x == x && Mapping::Objets[i]->position.y == y &&
          Mapping::Objets[i]->type_objet == type)
        return Mapping::Objets[i];
    return nullptr;
  }
};

TEST_F(Carte, DemoMapFillsEveryRegistryAndTheSettings) {
  ASSERT_TRUE(LireMap3("Plaine.map"));
  // The quick read leaves the start point as the editor placed it: on the
  // soldiers' line, 58 px above the ground.
  EXPECT_EQ(general::Debut_map.x, 260);
  const int y_editeur = 535 - 58;
  EXPECT_EQ(general::Debut_map.y, y_editeur);
  EXPECT_EQ(general::Choix_perso, 1);

  general::nom_map = "Plaine.map";
  ASSERT_TRUE(LireMap2());
  EXPECT_EQ(general::Debut_map.x, 2 * 260 - 480);
  EXPECT_EQ(general::Debut_map.y, 2 * y_editeur - 544);
  EXPECT_EQ(Tramer::nb_persos, 5);
  for (int i = 0; i < Tramer::nb_persos; ++i) {
    EXPECT_EQ(Tramer::Persos[i]->comportement_actuel, ATTAQUER_ENNEMI) << i;
    EXPECT_TRUE(Tramer::Persos[i]->physique) << i;
    // The placed allies stand on the soldiers' line, as high as the heroes' start.
    if (Tramer::Persos[i]->camp == ALLIE) {
      EXPECT_EQ(Tramer::Persos[i]->position.y, general::Debut_map.y) << i;
    }
  }
  EXPECT_EQ(relever_nb_persos(ALLIE), 2);
  EXPECT_EQ(relever_nb_persos(ENNEMI), 3);
  ASSERT_EQ(cc::nb_cc, 4);
  EXPECT_EQ(cc::CCs[0]->camp, ALLIE);
  EXPECT_EQ(cc::CCs[1]->camp, NUL);
  EXPECT_EQ(cc::CCs[2]->camp, ENNEMI);
  EXPECT_EQ(cc::CCs[3]->camp, ENNEMI);
  EXPECT_EQ(Vehicule::nb_vehicule, 2);
  EXPECT_EQ(Ascenseur::nb_ascenseurs, 1);
  EXPECT_EQ(Eau::nb_eaux, 1);
  EXPECT_TRUE(Eau::Init_Eau);
  EXPECT_EQ(Obstacle::nb_obstacles, 2);
  EXPECT_EQ(general::effectifs_map[0], 30);
  EXPECT_EQ(general::effectifs_map[1], 30);
  EXPECT_EQ(general::temps_map, 600);
  EXPECT_STREQ(general::nom_fond.retournertexte(), "foret/");
  EXPECT_STREQ(general::nom_sol.retournertexte(), "foret/");
  EXPECT_STREQ(general::nom_cine_debut_de_map.retournertexte(), "PlaineDebut");

  // Its lift starts on the ground and carries a soldier who steps on it up
  // to the ledge beside it, where its marker stops it.
  Ascenseur* l = Ascenseur::Ascenseurs[0];
  EXPECT_EQ(l->position.y + l->TramePrincipale.h, 526);
  // No soldier starts on it or a stride from it: it would carry him off.
  for (int i = 0; i < Tramer::nb_persos; ++i) {
    const Tramer* p = Tramer::Persos[i];
    EXPECT_TRUE(p->position.x + p->TramePrincipale.w + 20 <= l->position.x ||
                p->position.x >= l->position.x + l->TramePrincipale.w + 20)
        << i << " at " << p->position.x;
  }
  Tramer* t = Tramer::Persos[0];
  t->position.x = static_cast<Sint16>(l->position.x + 10);
  t->position.y = static_cast<Sint16>(l->position.y - t->TramePrincipale.h + 8);
  for (int i = 0; i < 40; ++i) l->comportement();
  const Obstacle* ledge = nullptr;  // the nearest on its left
  for (int i = 0; i < Obstacle::nb_obstacles; ++i)
    if (const Obstacle* o = Obstacle::Obstacles[i];
        o->position.x < l->position.x && (!ledge || o->position.x > ledge->position.x))
      ledge = o;
  ASSERT_NE(ledge, nullptr);
  EXPECT_EQ(l->position.y, ledge->position.y);
  EXPECT_EQ(t->position.y, ledge->position.y - 110);
}

TEST_F(Carte, EditorPointMakesGamePositionAndMarkersFollowWhatTheyMark) {
  ecrire_fichier("Essai.map", carte({{OBJET, 0, 240, 272},
                                     {CIBLE, 1, 100, 300, 250},  // before its target: marks nothing
                                     {OBJETS_DESTRUCTIBLES, 0, 100, 300},
                                     {OBJETS_DESTRUCTIBLES, 0, 400, 300},
                                     {CIBLE, 1, 400, 300, 250},
                                     {OBJETS_DESTRUCTIBLES, 0, 600, 300},
                                     {CIBLE, 0, 600, 300, 40000},
                                     {DIVERS, FIN, 500, 260}}));
  ASSERT_TRUE(lire("Essai.map"));
  Mapping* objet = nullptr;
  Mapping* ombre = nullptr;
  for (int32_t i = 0; i < Mapping::dernier_objet; ++i) {
    Mapping* m = Mapping::Objets[i];
    if (m->position.x != 0 || m->position.y != 0) continue;
    if (dynamic_cast<Ombre*>(m)) ombre = m;
    else objet = m;
  }
  ASSERT_NE(objet, nullptr) << "(240, 272) is the game's (0, 0)";
  ASSERT_NE(ombre, nullptr) << "a plain object brings its shadow";
  EXPECT_GT(ombre->layer, objet->layer);
  EXPECT_FALSE(objet->physique);

  auto* avant = static_cast<Objet_Destructible*>(a(2 * 100 - 480, 2 * 300 - 544, OBJET_DESTRUCTIBLE));
  auto* apres = static_cast<Objet_Destructible*>(a(2 * 400 - 480, 2 * 300 - 544, OBJET_DESTRUCTIBLE));
  ASSERT_NE(avant, nullptr);
  ASSERT_NE(apres, nullptr);
  EXPECT_EQ(avant->camp, NUL);
  EXPECT_EQ(avant->vie, 100);
  EXPECT_EQ(apres->camp, ENNEMI);
  EXPECT_EQ(apres->vie, 250);
  auto* fort = static_cast<Objet_Destructible*>(a(2 * 600 - 480, 2 * 300 - 544, OBJET_DESTRUCTIBLE));
  ASSERT_NE(fort, nullptr);
  EXPECT_EQ(fort->vie, 32767) << "more than a target holds is not a wreck";
  EXPECT_EQ(fort->camp, ALLIE);
  EXPECT_EQ(general::Fin_map.x, 2 * 500 - 480);
  EXPECT_EQ(general::Fin_map.y, 2 * 260 - 544);
}

TEST_F(Carte, RecordsBeyondAFullTableAreLeftOutAndSaidSo) {
  std::vector<Rec> recs;
  for (int i = 0; i < cc::NB_MAX_CC + 5; ++i) recs.push_back({DIVERS, CC_ENNEMI, 300 + 10 * i, 400});
  for (int i = 0; i < Ascenseur::NB_MAX_ASCENSEURS + 3; ++i) recs.push_back({DIVERS, 0, 300 + 10 * i, 300});
  recs.push_back({OBJET, 120, 300, 300});  // no such palette entry
  recs.push_back({DIVERS, CC_ALLIE, 250, 400});
  ecrire_fichier("Pleine.map", carte(recs));
  testing::internal::CaptureStderr();
  ASSERT_TRUE(lire("Pleine.map"));
  std::string erreurs = testing::internal::GetCapturedStderr();
  EXPECT_EQ(cc::nb_cc, cc::NB_MAX_CC);
  EXPECT_EQ(compter(COMMAND), cc::NB_MAX_CC) << "no command centre outside the table";
  EXPECT_EQ(Ascenseur::nb_ascenseurs, Ascenseur::NB_MAX_ASCENSEURS);
  EXPECT_NE(erreurs.find("6 records left out, the command centre table is full"), std::string::npos) << erreurs;
  EXPECT_NE(erreurs.find("3 records left out, the lift table is full"), std::string::npos) << erreurs;
  EXPECT_NE(erreurs.find("1 records match nothing"), std::string::npos) << erreurs;
  // The settings after the records are still read in place.
  EXPECT_EQ(general::effectifs_map[1], 12);
  EXPECT_EQ(general::effectifs_map[0], 7);
}

TEST_F(Carte, MissingOrDamagedMapIsReportedAndSettingsOfOlderMapsKeepTheirValues) {
  testing::internal::CaptureStderr();
  general::Choix_perso = 2;
  EXPECT_FALSE(LireMap3("Absente.map"));
  EXPECT_EQ(general::Choix_perso, 2);
  general::nom_map = "Absente.map";
  EXPECT_FALSE(LireMap2());
  EXPECT_EQ(Mapping::dernier_objet, 0);

  std::string entiere = carte({{DIVERS, CC_NEUTRE, 300, 300}, {DIVERS, EAU, 320, 300}});
  ecrire_fichier("Coupee.map", entiere.substr(0, 4 + 10 + 5));  // ends inside the second record
  EXPECT_FALSE(LireMap3("Coupee.map"));
  general::nom_map = "Coupee.map";
  EXPECT_FALSE(LireMap2());
  ecrire_fichier("SansSol.map", entiere.substr(0, 4 + 20 + 2 + 8 + 5));  // ends inside the background name
  EXPECT_TRUE(LireMap3("SansSol.map"));
  general::nom_map = "SansSol.map";
  EXPECT_FALSE(LireMap2());
  std::string erreurs = testing::internal::GetCapturedStderr();
  EXPECT_NE(erreurs.find("\"Absente.map\" cannot be opened"), std::string::npos) << erreurs;
  EXPECT_NE(erreurs.find("\"Coupee.map\" is damaged"), std::string::npos) << erreurs;

  // An older map, without cut-scenes, time limit or weather, keeps them.
  general::temps_map = 45;
  general::Meteorologie = "Pluie/";
  ecrire_fichier("Ancienne.map", carte({{DIVERS, DEBUT, 240, 272}}, false));
  ASSERT_TRUE(lire("Ancienne.map"));
  EXPECT_EQ(general::temps_map, 45);
  EXPECT_STREQ(general::Meteorologie.retournertexte(), "Pluie/");
  EXPECT_EQ(general::Debut_map.x, 0);
  EXPECT_EQ(general::Debut_map.y, 0);
}

}  // namespace
