#include <memory>
#include <vector>

#include "Monde.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/Mapping.h"

TEST_F(Monde, EmptyEntriesAreReusedFromTheTopDownAndEntryZeroNever) {
  for (int i = 0; i < 5; ++i) ajouter(0, 0, 4, 4, NUL);
  EXPECT_EQ(Mapping::dernier_objet, 5);
  objets_[1]->image[0] = nullptr;  // an object without picture counts as empty
  objets_[3].reset();              // a destroyed object empties its entry
  EXPECT_EQ(Mapping::Objets[3], nullptr);
  EXPECT_EQ(ajouter(0, 0, 4, 4, NUL)->element_actuel, 3u);
  EXPECT_EQ(ajouter(0, 0, 4, 4, NUL)->element_actuel, 1u);
  EXPECT_EQ(ajouter(0, 0, 4, 4, NUL)->element_actuel, 5u);

  objets_[0].reset();
  EXPECT_EQ(ajouter(0, 0, 4, 4, NUL)->element_actuel, 6u);  // entry 0 is never examined
}

TEST_F(Monde, RemovalCompactsAndRenumbers) {
  for (int i = 0; i < 4; ++i) ajouter(0, 0, 4, 4, NUL);
  Mapping::Retirer(1);
  EXPECT_EQ(Mapping::dernier_objet, 3);
  EXPECT_EQ(Mapping::Objets[1], objets_[2].get());
  EXPECT_EQ(objets_[2]->element_actuel, 1u);
  EXPECT_EQ(objets_[3]->element_actuel, 2u);
  EXPECT_FALSE(objets_[1]->enregistre());
  Mapping* ancien = objets_[1].get();
  objets_[1].reset();  // no longer registered: its destructor leaves the table alone
  EXPECT_NE(Mapping::Objets[1], ancien);
  EXPECT_EQ(Mapping::Objets[1], objets_[2].get());
}

TEST_F(Monde, FullTableRefusesInsteadOfWritingPastIt) {
  Mapping::dernier_objet = Mapping::NB_OBJETS;
  for (int32_t i = 0; i < Mapping::NB_OBJETS; ++i) Mapping::Objets[i] = nullptr;
  // Entries hold nulls: they are empty and get reused, from the top.
  Bloc* a = ajouter(0, 0, 4, 4, NUL);
  EXPECT_EQ(a->element_actuel, static_cast<uint32_t>(Mapping::NB_OBJETS - 1));
  for (int32_t i = 0; i < Mapping::NB_OBJETS; ++i)
    if (!Mapping::Objets[i]) Mapping::Objets[i] = a;  // every entry taken
  Bloc* refuse = ajouter(0, 0, 4, 4, NUL);
  EXPECT_EQ(refuse->element_actuel, Mapping::NON_ENREGISTRE);
  EXPECT_FALSE(refuse->enregistre());
  EXPECT_EQ(Mapping::dernier_objet, Mapping::NB_OBJETS);
  objets_.pop_back();  // destroying a refused object touches nothing
  for (int32_t i = 0; i < Mapping::NB_OBJETS; ++i) Mapping::Objets[i] = nullptr;
  Mapping::Objets[a->element_actuel] = a;
}

TEST_F(Monde, ProbeIgnoresOwnCampTargetsEmptyVehiclesAndUnsolidObjects) {
  Bloc* t = ajouter(0, 0, 20, 40, ALLIE);
  t->direction = DROITE;
  t->vitesse = 5;
  Bloc* ami = ajouter(22, 0, 20, 40, ALLIE);
  Bloc* cible = ajouter(22, 0, 20, 40, ENNEMI);
  cible->type_objet = OBJET_DESTRUCTIBLE;
  Bloc* vide = ajouter(22, 0, 20, 40, NUL);
  vide->type_objet = VEHICULE;
  Bloc* fantome = ajouter(22, 0, 20, 40, ENNEMI, false);
  (void)ami;
  (void)fantome;
  EXPECT_EQ(t->p_collision(true, 0), PAS_COLLISION);
  EXPECT_EQ(t->colliser, -1);

  Bloc* mur = ajouter(22, 0, 20, 40, NUL);
  EXPECT_EQ(t->p_collision(true, 0), P_COLLISION);
  EXPECT_EQ(t->colliser, static_cast<int32_t>(mur->element_actuel));
  EXPECT_EQ(t->p_collision(true, Mapping::dernier_objet), PAS_COLLISION);
}

TEST_F(Monde, ProbeCountsSoldiersAndVehiclesOnlyWhenAsked) {
  Bloc* t = ajouter(0, 0, 20, 40, ALLIE);
  t->vitesse = 5;
  Bloc* soldat = ajouter(22, 0, 20, 40, ENNEMI);
  soldat->type_objet = TRAMER;
  EXPECT_EQ(t->p_collision(false, 0), PAS_COLLISION);
  EXPECT_EQ(t->p_collision(true, 0), P_COLLISION);
  soldat->type_objet = VEHICULE;
  EXPECT_EQ(t->p_collision(false, 0), PAS_COLLISION);
  EXPECT_EQ(t->p_collision(true, 0), P_COLLISION);
}

TEST_F(Monde, ProbeLooksAheadBySpeedSidewaysAndEightPixelsDown) {
  Bloc* t = ajouter(0, 0, 20, 40, ALLIE);
  ajouter(30, 0, 20, 40, NUL);
  t->vitesse = 10;
  EXPECT_EQ(t->p_collision(false, 0), PAS_COLLISION);  // 20 + 10 is not past 30
  t->vitesse = 11;
  EXPECT_EQ(t->p_collision(false, 0), P_COLLISION);
  t->direction = GAUCHE;
  t->position.x = 60;
  t->vitesse = 10;
  EXPECT_EQ(t->p_collision(false, 0), PAS_COLLISION);
  t->vitesse = 11;
  EXPECT_EQ(t->p_collision(false, 0), P_COLLISION);

  Bloc* chute = ajouter(200, 0, 20, 40, ALLIE);
  ajouter(200, 47, 20, 10, NUL);  // 7 px below its feet
  chute->direction = BAS;
  EXPECT_EQ(chute->p_collision(false, 0), P_COLLISION);
  chute->position.y = -2;  // 9 px: beyond the fixed look-ahead
  EXPECT_EQ(chute->p_collision(false, 0), PAS_COLLISION);
}

TEST_F(Monde, VolumeFadesLinearlyToSilenceAt3600Pixels) {
  Bloc* source = ajouter(0, 0, 10, 10, NUL);
  Bloc* oreille = ajouter(0, 0, 10, 10, NUL);
  auto a = [&](int d) {
    oreille->position.x = static_cast<Sint16>(d);
    return source->calculer_volume(oreille);
  };
  EXPECT_EQ(a(0), 255);
  EXPECT_EQ(a(14), 255);
  EXPECT_EQ(a(15), 254);
  EXPECT_EQ(a(1800), 128);
  EXPECT_EQ(a(3599), 1);
  EXPECT_EQ(a(3600), 0);
  EXPECT_EQ(a(30000), 0);
  EXPECT_EQ(source->calculer_volume(nullptr), 0);
}

TEST_F(Monde, ObjectiveQueriesCountLivingTargetsBySide) {
  Bloc* a = ajouter(0, 0, 4, 4, ENNEMI);
  a->type_objet = OBJET_DESTRUCTIBLE;
  a->vie = 100;
  Bloc* b = ajouter(0, 0, 4, 4, ENNEMI);
  b->type_objet = OBJET_DESTRUCTIBLE;
  b->vie = 0;
  EXPECT_TRUE(ReleverObjetsaDetruire());
  EXPECT_FALSE(ReleverObjetsaDefendre());
  EXPECT_EQ(Relever_nb_Objets_Destructibles(ENNEMI), 1);
  a->image[0] = nullptr;  // an empty entry is skipped by every scan
  EXPECT_EQ(Relever_nb_Objets_Destructibles(ENNEMI), 0);
}

TEST_F(Monde, DamageOfOneOrMorePlaysTheImpactAtTheCameraDistance) {
  ecrire_fichier("Armes/Impact.wav", "RIFF");
  general::Impact = Son::charger("Armes/Impact.wav");
  Bloc* cible = ajouter(0, 0, 10, 10, NUL);
  Bloc* camera = ajouter(1800, 0, 10, 10, NUL);
  Mapping::centre_scrolling = camera;
  Son::effacer_appels();
  cible->recevoirdegats(0, nullptr, 0, 0.0, 0);
  EXPECT_TRUE(Son::appels().empty());
  cible->recevoirdegats(3, nullptr, 0, 0.0, 0);
  ASSERT_FALSE(Son::appels().empty());
  EXPECT_EQ(Son::appels().back().valeur, 128);
  objets_.clear();
  EXPECT_EQ(Mapping::centre_scrolling, nullptr);  // the camera never points at a dead object
  Son::liberer(general::Impact);
  general::Impact = nullptr;
}
