#include <cstring>

#include "Soldats.h"
#include "engine/Mapping.h"
#include "weapons/Tir.h"

namespace {

using Creation = Soldats;

TEST_F(Creation, DemoEnemyTakesItsRecordLooksWeaponsAndSquad) {
  Tramer* t = Tramer::AllouerPerso("Nemesis_Soldat", false);
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(Tramer::nb_persos, 1);
  EXPECT_EQ(Tramer::Persos[0], t);
  EXPECT_EQ(t->id, 0);
  EXPECT_TRUE(t->enregistre());
  EXPECT_TRUE(t->Tas);
  EXPECT_EQ(t->type_objet, TRAMER);
  EXPECT_EQ(t->camp, ENNEMI);
  EXPECT_EQ(t->stats.pv_restants, 100);
  EXPECT_EQ(t->description.Wex, 40);
  EXPECT_EQ(t->classe, NORMAL);
  EXPECT_EQ(t->comportement_actuel, ATTAQUER_ENNEMI);
  EXPECT_EQ(t->action, TOMBER);
  EXPECT_STREQ(t->verifier.retournertexte(), "Nemesis_Soldat");
  EXPECT_EQ(Tramer::Escouade[1][0][0], t);
  EXPECT_EQ(Tramer::effectif_escouades[1][0], 1);
  ASSERT_NE(t->ArmePrincipale, nullptr);
  EXPECT_STREQ(t->ArmePrincipale->get_nom(), "QD-AR");
  EXPECT_NE(t->ArmePrincipale, Element::ArmesPrincipales[1]);
  ASSERT_NE(t->ArmeSecondaire, nullptr);
  EXPECT_EQ(t->ArmeSecondaire->get_type2(), 3);
  ASSERT_NE(t->Inventaire2[0], nullptr);
  EXPECT_STREQ(t->Inventaire2[0]->get_nom(), "HG-2/");

  // Nemesis has trousers but no helmet; held poses are one frame, blows three.
  ASSERT_NE(t->Habits[COURIR][BAS1], nullptr);
  EXPECT_EQ(t->Habits[TIRER][BAS1], t->Habits[COURIR][BAS1]);
  for (int e = 0; e < 20; ++e) EXPECT_EQ(t->Habits[e][CASQUE], nullptr);
  ASSERT_NE(t->Habits[ATTERRIR][BAS1], nullptr);
  EXPECT_EQ(t->Habits[ATTERRIR][BAS1]->nb_frame, 1);
  EXPECT_EQ(t->Habits[VISER][BAS1], t->Habits[ATTERRIR][BAS1]);
  ASSERT_NE(t->Habits[COGNER][BAS1], nullptr);
  EXPECT_EQ(t->Habits[COGNER][BAS1]->nb_frame, 3);
  EXPECT_NE(t->Habits[MORT][BAS1], t->Habits[COURIR][BAS1]);
  EXPECT_EQ(t->Habits[SAUTER][BAS1], t->Habits[TOMBER][BAS1]);
  EXPECT_EQ(t->Corps[0], BCorps[0][1][0]);
  EXPECT_EQ(t->TramePrincipale.w, 130);
  EXPECT_EQ(t->TramePrincipale.h, 118);
  // Sleeves of the costume; the swing holds its second frame.
  ASSERT_NE(t->VBras[0][POING], nullptr);
  EXPECT_EQ(t->VBras[0][POING]->nb_frame, 3);
  EXPECT_NE(t->VBras[0][RIFLE], t->VBras[1][RIFLE]);
  EXPECT_EQ(t->VBras[0][GUN], t->VBras[1][GUN]);
  EXPECT_EQ(t->Bras[0][GUN], BBras[0][1][0][GUN]);
}

TEST_F(Creation, ClassFollowsTheMainWeapon) {
  Element::ArmesPrincipales[8]->set_id(8);
  Tramer* artilleur = soldat("Artilleur", 1, 0, 0, 8);
  Tramer* chauffeur = soldat("Chauffeur", 1, 0, 0, 2);
  Tramer* tireur = soldat("Tireur", 1, 0, 0, 4);
  EXPECT_EQ(artilleur->classe, ARTILLEUR);
  EXPECT_EQ(artilleur->ArmePrincipale->get_type2(), 2);
  EXPECT_EQ(artilleur->ArmePrincipale->get_id(), 8) << "picked up, it stays the hero's choice";
  EXPECT_EQ(chauffeur->classe, CONDUCTEUR);
  EXPECT_EQ(tireur->classe, SNIPER);
  // The driver joins no squad.
  EXPECT_EQ(Tramer::effectif_escouades[1][0], 2);
  EXPECT_EQ(Tramer::Escouade[1][0][0], artilleur);
  EXPECT_EQ(Tramer::Escouade[1][0][1], tireur);
}

TEST_F(Creation, SquadsFillByFiveAndCampZeroStartsAtSquadOne) {
  Tramer* a[6];
  Tramer* e[6];
  for (int i = 0; i < 6; ++i) {
    a[i] = soldat("Allie" + std::to_string(i), 0);
    e[i] = soldat("Ennemi" + std::to_string(i), 1);
  }
  EXPECT_EQ(a[0]->escouade_en_cours, 1);
  EXPECT_EQ(a[5]->escouade_en_cours, 2);
  EXPECT_EQ(e[0]->escouade_en_cours, 0);
  EXPECT_EQ(e[4]->escouade_en_cours, 0);
  EXPECT_EQ(e[5]->escouade_en_cours, 1);
  EXPECT_EQ(Tramer::effectif_escouades[0][0], 0);
  EXPECT_EQ(Tramer::effectif_escouades[0][1], 5);
  EXPECT_EQ(Tramer::Escouade[1][1][0], e[5]);
}

TEST_F(Creation, FullRegistriesRefuseMoreEntries) {
  // The last squad of a camp is full: one more enemy joins none.
  Tramer::nb_escouade[1] = Tramer::NB_ESCOUADES - 1;
  Tramer::effectif_escouades[1][Tramer::NB_ESCOUADES - 1] = 5;
  Tramer* hors = soldat("Hors", 1);
  ASSERT_NE(hors, nullptr);
  EXPECT_EQ(Tramer::nb_escouade[1], Tramer::NB_ESCOUADES - 1);
  EXPECT_EQ(Tramer::effectif_escouades[1][Tramer::NB_ESCOUADES - 1], 5);

  const int objets = Mapping::dernier_objet;
  Tramer::nb_persos = Tramer::NB_MAX_PERSOS;
  Tramer::Persos[Tramer::NB_MAX_PERSOS - 1] = nullptr;
  EXPECT_EQ(Tramer::AllouerPerso("Nemesis_Soldat", false), nullptr);
  EXPECT_EQ(Tramer::nb_persos, Tramer::NB_MAX_PERSOS);
  EXPECT_EQ(Mapping::dernier_objet, objets);
  Tramer::nb_persos = 1;

  Tramer modele;
  for (int i = 0; i < Tramer::NB_MAX_RENFORTS; ++i) EXPECT_TRUE(Tramer::AjouterRenfort(&modele));
  EXPECT_FALSE(Tramer::AjouterRenfort(&modele));
  EXPECT_EQ(Tramer::nb_renfort, Tramer::NB_MAX_RENFORTS);
  for (Tramer*& r : Tramer::Renforts) r = nullptr;
  Tramer::nb_renfort = 0;
}

TEST_F(Creation, HeroFileIsArmedWithThePlayersChoicesAndBringsTheOtherHero) {
  general::Choix_perso = 1;
  Tramer* vesk = Tramer::AllouerPerso("Vesk", false);
  ASSERT_NE(vesk, nullptr);
  ASSERT_EQ(Tramer::nb_persos, 2);
  Tramer* korvan = Tramer::Persos[1];
  EXPECT_EQ(Tramer::Persos[0], vesk);
  EXPECT_EQ(vesk->id, 0);
  EXPECT_EQ(korvan->id, 1);
  EXPECT_STREQ(korvan->verifier.retournertexte(), "Korvan");
  EXPECT_EQ(Tramer::effectif_escouades[0][0], 2);
  EXPECT_EQ(Tramer::Escouade[0][0][0], vesk);
  EXPECT_EQ(Tramer::Escouade[0][0][1], korvan);
  EXPECT_EQ(vesk->position.x, 500);
  EXPECT_EQ(vesk->position.y, 200);
  EXPECT_EQ(korvan->position.x, 425);
  EXPECT_EQ(korvan->position.y, 200);
  EXPECT_STREQ(vesk->ArmePrincipale->get_nom(), "N-10");
  EXPECT_STREQ(vesk->ArmeSecondaire->get_nom(), "HG-2/");
  EXPECT_STREQ(Inventaire[0]->get_nom(), "QD-H");
  EXPECT_EQ(vesk->Inventaire2[0], nullptr);  // no throwable chosen in this catalogue
}

TEST_F(Creation, OnlyTheExactHeroNamesAreHeroesAndOnlyWhenBothWereChosen) {
  general::Choix_perso = 0;
  ASSERT_NE(Tramer::AllouerPerso("Korvan", false), nullptr);
  EXPECT_EQ(Tramer::nb_persos, 1);
  ReinitialiserMap();
  general::Choix_perso = 1;
  fiche("korvan", 0, 1, 0);
  Tramer* t = Tramer::AllouerPerso("korvan", false);
  EXPECT_EQ(Tramer::nb_persos, 1);
  EXPECT_STREQ(t->ArmePrincipale->get_nom(), "QD-AR");
  EXPECT_EQ(t->escouade_en_cours, 1);
}

TEST_F(Creation, CloneCopiesItsModelButHasAnIdOfItsOwnAndNoRegistry) {
  Tramer* modele = soldat("Modele", 1, 0, 0, 8, 120);
  const int escouade = Tramer::effectif_escouades[1][0];
  auto* c1 = new Tramer(modele);
  auto* c2 = new Tramer(modele);
  c1->Tas = c2->Tas = true;
  EXPECT_TRUE(c1->clone);
  EXPECT_EQ(Tramer::nb_persos, 1);
  EXPECT_EQ(Tramer::effectif_escouades[1][0], escouade);
  EXPECT_EQ(c1->stats.pv_restants, 120);
  EXPECT_EQ(c1->classe, ARTILLEUR);
  EXPECT_STREQ(c1->verifier.retournertexte(), "Modele");
  EXPECT_LT(c1->id, 0);
  EXPECT_LT(c2->id, 0);
  EXPECT_NE(c1->id, c2->id);
}

TEST_F(Creation, RearmingReplacesEveryWeaponAndRestartsTheTimers) {
  Tramer* t = soldat("Soldat", 1);
  Horloge::avancer(5000);
  t->stats.pv_restants = 3;
  t->vivant = false;
  t->ArmePrincipale->charge_actuelle = 0;
  t->Initialiser(false);
  EXPECT_TRUE(t->vivant);
  EXPECT_EQ(t->stats.pv_restants, 100);
  ASSERT_NE(t->ArmePrincipale, nullptr);
  EXPECT_EQ(t->ArmePrincipale->charge_actuelle, 38);
  EXPECT_EQ(t->Invincibilite.cycle(2000), 2);
  EXPECT_TRUE(t->Taura.en_cours);
}

TEST_F(Creation, CensusCountsTheLivingOfACamp) {
  Tramer* a = soldat("A", 0);
  soldat("B", 0);
  soldat("C", 1);
  a->vivant = false;
  EXPECT_EQ(relever_nb_allies(), 1);
  EXPECT_EQ(relever_nb_ennemis(), 1);
  EXPECT_EQ(relever_nb_persos(0), 1);
  EXPECT_EQ(relever_nb_persos(2), 0);
}

TEST_F(Creation, RemovingASoldierRenumbersTheOthers) {
  soldat("A", 0);
  Tramer* b = soldat("B", 1);
  Tramer* c = soldat("C", 1);
  Tramer* a = Tramer::Persos[0];
  Tramer::DesallouerPerso(0);
  EXPECT_EQ(Tramer::nb_persos, 2);
  EXPECT_EQ(Tramer::Persos[0], b);
  EXPECT_EQ(b->id, 0);
  EXPECT_EQ(c->id, 1);
  Tramer::DesallouerPerso(7);  // nothing there
  EXPECT_EQ(Tramer::nb_persos, 2);
  delete a;  // no longer listed, still registered in the world
}

TEST_F(Creation, HeroOverlapIsStrict) {
  Tramer* h = soldat("H", 0, 100, 100);
  Tramer::Hero = h;
  Mapping m;
  m.TramePrincipale = Rect(0, 0, 10, 10);
  m.position = Rect(100 + 130, 100, 0, 0);  // touching the right edge
  EXPECT_FALSE(CollisionavecHero(&m));
  m.position.x = 100 + 129;
  EXPECT_TRUE(CollisionavecHero(&m));
  m.position = Rect(100, 90, 0, 0);  // touching the top edge
  EXPECT_FALSE(CollisionavecHero(&m));
  Tramer::Hero = nullptr;
  EXPECT_FALSE(CollisionavecHero(&m));
}

// Counts the objects alive and those told to die.
class Temoin : public Mapping {
 public:
  explicit Temoin(bool tas) {
    Tas = tas;
    ++vivants;
  }
  ~Temoin() override { --vivants; }
  void crever() override { ++creves; }
  static inline int vivants = 0, creves = 0;
};

TEST_F(Creation, MapResetTearsDownThePreviousBattle) {
  Temoin::vivants = Temoin::creves = 0;
  general::Choix_perso = 1;
  Tramer::Hero = Tramer::AllouerPerso("Korvan", true);
  soldat("A", 0);
  soldat("B", 1);
  auto* clone = new Tramer(Tramer::Persos[2]);
  ASSERT_TRUE(Tramer::AjouterRenfort(clone));
  for (int i = 0; i < 30; ++i) new Temoin(true);
  Temoin garde(false);
  new Tir();
  centre(0, 0, ALLIE);
  Tramer::ordre_escouades[1][0] = Tramer::Persos[3];
  general::debut_partie = true;  // a battle left before its first frame
  ASSERT_EQ(Temoin::vivants, 31);

  ReinitialiserMap();
  EXPECT_EQ(Temoin::vivants, 1);
  EXPECT_EQ(Temoin::creves, 31);
  EXPECT_FALSE(garde.enregistre());
  EXPECT_EQ(Mapping::dernier_objet, 0);
  EXPECT_EQ(Tramer::nb_persos, 0);
  EXPECT_EQ(Tramer::Hero, nullptr);
  EXPECT_EQ(Tramer::nb_renfort, 0);
  EXPECT_EQ(Tramer::Renforts[0], nullptr);
  EXPECT_EQ(Tramer::ordre_escouades[1][0], nullptr);
  EXPECT_EQ(Tramer::effectif_escouades[0][0], 0);
  EXPECT_EQ(Tramer::nb_escouade[0], 0);
  EXPECT_EQ(cc::nb_cc, 0);
  EXPECT_FALSE(general::pause);

  // The next battle starts from empty tables.
  Tramer* t = soldat("C", 1);
  EXPECT_EQ(t->id, 0);
  EXPECT_EQ(Tramer::Escouade[1][0][0], t);
}

}  // namespace
