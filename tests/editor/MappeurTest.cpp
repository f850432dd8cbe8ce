// The editor's placing and deleting rules, its pages and the names it
// refuses, on the demo palette.
#include <filesystem>

#include "Banc.h"
#include "Palette.h"
#include "battle/Catalogues.h"
#include "characters/InitierPersos.h"
#include "editor/Mappeur.h"
#include "engine/Fonctions.h"

namespace fs = std::filesystem;

namespace {

class Edition : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    vider_palette();
    copier_donnees();
    InitialiserMappeur();
    CreerEntreesFixes();
    LectureObjets_Destructibles();
    LectureVehiculesTerrestres();
    LecturePersos();
    general::continuer = true;
  }
  void TearDown() override {
    vider_palette();
    Banc::TearDown();
  }
  static Objet_de_Reference* entree(int type, int rang = 0) {
    for (long i = 0; i < Objet_de_Reference::nb_Objet_de_reference; ++i) {
      Objet_de_Reference* o = Objet_de_Reference::Objets_de_Reference[i];
      if (o->type == type && rang-- == 0) return o;
    }
    return nullptr;
  }
  static int nb(int type) {
    int n = 0;
    for (long i = 0; i < Reference::derniere_Reference; ++i) n += Reference::References[i]->type == type;
    return n;
  }
  // The hit-points prompt takes its first value.
  static Reference* marquer(Objet_de_Reference* cible, int x, int y) {
    pousser_touche(SDLK_RETURN, 13);
    return placer_selection(cible, x, y);
  }
};

}  // namespace

TEST_F(Edition, PagesSkipTheUnusedOneAndWrapAround) {
  EXPECT_EQ(page_suivante(VEHICULE_AERIEN), VEHICULE_POLYVALENT);
  EXPECT_EQ(page_suivante(OBJET_ANIME), CIBLE);
  EXPECT_EQ(page_precedente(VEHICULE_POLYVALENT), VEHICULE_AERIEN);
  EXPECT_EQ(page_precedente(CIBLE), OBJET_ANIME);
  EXPECT_STREQ(titre_page(ALLIES), "Allies");
  EXPECT_STREQ(titre_page(DEBUG), "");
}

TEST_F(Edition, PickingTakesTheEntryUnderTheCursorOnTheShownPageOnly) {
  Objet_de_Reference* a = entree(ALLIES);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(entree_sous(ALLIES, a->position.x + 1, a->position.y + 1), a);
  EXPECT_EQ(entree_sous(ENNEMIS, a->position.x + 1, a->position.y + 1), entree(ENNEMIS));
  general::Scrolling_Mappeur.y = 10;  // the column moved up by 10
  EXPECT_EQ(entree_sous(ALLIES, a->position.x + 1, a->position.y - 9), a);
  EXPECT_EQ(entree_sous(ALLIES, a->position.x + 1, a->position.y - 11), nullptr);
}

TEST_F(Edition, AMarkerCoversItsTargetAndGoesWithItButNotTheOtherWay) {
  Objet_de_Reference* vehicule = entree(VEHICULE_TERRESTRE);
  Objet_de_Reference* detruire = entree(CIBLE, 1);
  ASSERT_TRUE(vehicule && detruire);
  Reference* v = placer_selection(vehicule, 500, 300);
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(marquer(detruire, 600, 300), nullptr) << "nothing under the cursor";
  Reference* m = marquer(detruire, 500, 300);
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->position.x, v->position.x);
  EXPECT_EQ(m->TramePrincipale.h, v->TramePrincipale.h);
  EXPECT_EQ(m->retourner_vie(), 100);
  EXPECT_EQ(placer_selection(detruire, 500, 300), nullptr) << "one marker per target, and nothing asked";

  EXPECT_TRUE(supprimer_sous(CIBLE, 500, 300));
  EXPECT_EQ(nb(VEHICULE_TERRESTRE), 1) << "deleting the marker leaves the target";
  ASSERT_NE(marquer(detruire, 500, 300), nullptr);
  EXPECT_TRUE(supprimer_sous(VEHICULE_TERRESTRE, 500, 300));
  EXPECT_EQ(nb(CIBLE), 0) << "the target takes its marker with it";
  EXPECT_EQ(nb(VEHICULE_TERRESTRE), 0);
  EXPECT_FALSE(supprimer_sous(VEHICULE_TERRESTRE, 500, 300));
}

TEST_F(Edition, DestroyMarksAnEnemyAndDefendNeverDoes) {
  Objet_de_Reference* e = entree(ENNEMIS);
  ASSERT_NE(placer_selection(e, 400, 200), nullptr);
  EXPECT_EQ(marquer(entree(CIBLE, 0), 400, 200), nullptr);
  SDL_Event reste;
  while (SDL_PollEvent(&reste)) {
  }
  EXPECT_NE(marquer(entree(CIBLE, 1), 400, 200), nullptr);
}

TEST_F(Edition, StartAndEndPointsStaySingleAndCharactersKeepToTheCampLimit) {
  Objet_de_Reference* debut = Objet_de_Reference::Objets_de_Reference[2];
  Objet_de_Reference* fin = Objet_de_Reference::Objets_de_Reference[3];
  placer_selection(debut, 300, 300);
  placer_selection(fin, 900, 300);
  placer_selection(debut, 400, 300);
  EXPECT_EQ(nb(DIVERS), 2);
  placer_selection(Objet_de_Reference::Objets_de_Reference[1], 500, 300);  // lifts are many
  placer_selection(Objet_de_Reference::Objets_de_Reference[1], 600, 300);
  EXPECT_EQ(nb(DIVERS), 4);

  ecrire_perso("Civil", 1, 2);
  ecrire_perso("Garde", 1, 0);
  Objet_de_Reference* garde = entree(ENNEMIS);
  for (int i = 0; i < LIMITE_PAR_CAMP; ++i) ASSERT_NE(placer_selection(garde, 300 + i, 500), nullptr);
  EXPECT_EQ(placer_selection(garde, 250, 500), nullptr);
  EXPECT_EQ(Reference_Perso::nb_ennemis, LIMITE_PAR_CAMP);
  EXPECT_EQ(Reference_Perso::nb_allies, 0);
}

TEST_F(Edition, GameFilesAndPathsAreNeverMapNames) {
  new Reference(Objet_de_Reference::Objets_de_Reference[2], Rect(0, 0, 0, 0));
  for (const char* nom : {"../dehors", "a/b", "Systeme0.sav", "", "..", "Mission1.txt", "Persos.txt"}) {
    general::nom_map = nom;
    EXPECT_FALSE(SauvegarderMap()) << nom;
  }
  EXPECT_FALSE(fs::exists("../dehors.map"));
  EXPECT_FALSE(fs::exists("Mission1.txt.map"));
  general::nom_map = "Propre";
  EXPECT_TRUE(SauvegarderMap());
  EXPECT_TRUE(fs::exists("Propre.map"));
}
