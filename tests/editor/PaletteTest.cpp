#include <string>

#include "Banc.h"
#include "Palette.h"
#include "battle/Catalogues.h"

namespace {

class Palette : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    vider_palette();
  }
  void TearDown() override {
    vider_palette();
    Banc::TearDown();
  }
  Objet_de_Reference* entree(long i) { return Objet_de_Reference::Objets_de_Reference[i]; }
};

#define EXPECT_COIN(o, X, Y)       \
  do {                             \
    EXPECT_EQ((o)->position.x, X); \
    EXPECT_EQ((o)->position.y, Y); \
  } while (0)

TEST_F(Palette, ThumbnailsShareARowUntilTheColumnIsFull) {
  // Full-size pictures: thumbnails of 80 x 30, 80 x 50, 60 x 20 and 50 x 10.
  ecrire_png("Objets/a.png", 160, 60, 0xFF0000FF);
  ecrire_png("Objets/b.png", 160, 100, 0xFF00FF00);
  ecrire_png("Objets/c.png", 120, 40, 0xFFFF0000);
  ecrire_png("Objets/d.png", 100, 20, 0xFFFF0000);
  ecrire_fichier("Objets.txt", "a.png\nb.png\nc.png\nd.png");
  LectureObjets();
  ASSERT_EQ(Objet_de_Reference::nb_Objet_de_reference, 4);
  EXPECT_EQ(entree(0)->TramePrincipale.w, 80);
  EXPECT_EQ(entree(0)->TramePrincipale.h, 30);
  EXPECT_COIN(entree(0), 0, 50);
  EXPECT_COIN(entree(1), 80, 50);
  // 80 + 80 + 60 > 199: a new row under the taller of the two.
  EXPECT_COIN(entree(2), 0, 100);
  EXPECT_COIN(entree(3), 60, 100);
  EXPECT_EQ(entree(0)->image[0], nullptr);
  for (long i = 0; i < 4; ++i) EXPECT_EQ(entree(i)->element_actuel, i);
}

TEST_F(Palette, ObstacleWrapDropsByItsOwnHeightAndMultiRoleRowRestarts) {
  ecrire_png("Obstacles/haut.png", 200, 200, 0xFF808080);  // 100 x 100
  ecrire_png("Obstacles/bas.png", 240, 40, 0xFF808080);    // 120 x 20
  ecrire_fichier("Obstacles.txt", "haut.png\nbas.png");
  LectureObstacles();
  ASSERT_EQ(Objet_de_Reference::nb_Objet_de_reference, 2);
  EXPECT_COIN(entree(0), 0, 50);
  EXPECT_COIN(entree(1), 0, 70);
  EXPECT_STREQ(entree(1)->Nom.retournertexte(), "Obstacles/bas.png");

  ecrire_png("Vehicules/Polyvalents/a/normal.png", 500, 100, 0xFF808080);  // 250 x 50
  ecrire_png("Vehicules/Polyvalents/b/normal.png", 500, 60, 0xFF808080);   // 250 x 30
  ecrire_png("Vehicules/Polyvalents/c/normal.png", 500, 60, 0xFF808080);
  ecrire_fichier("Vehicules/Polyvalents.txt", "a/\nb/\nc/");
  LectureVehiculesPolyvalents();
  ASSERT_EQ(Objet_de_Reference::nb_Objet_de_reference, 5);
  EXPECT_COIN(entree(2), 0, 50);  // wider than the column, still placed first
  EXPECT_COIN(entree(3), 0, 100);
  EXPECT_COIN(entree(4), 250, 100);  // the row height restarted at 0
}

TEST_F(Palette, TargetSidesComeFromTheRowCursorAndFixedEntriesTakeTheirNumbers) {
  for (const char* n : {"Ascenseur.png", "Debut.png", "Fin.png", "cc-allie.png", "cc-neutre.png", "cc-ennemi.png",
                        "b-ascenseur.png", "eau.png"})
    ecrire_png(std::string("Divers/") + n, 40, 40, 0xFF00FFFF);
  // Two wide markers: the second starts a new row yet stands for the enemy.
  ecrire_png("Divers/defendre.png", 300, 40, 0xFFFF0000);
  ecrire_png("Divers/detruire.png", 300, 40, 0xFF0000FF);
  Objet_de_Reference::CreerVide();
  CreerEntreesFixes();
  ASSERT_EQ(Objet_de_Reference::nb_Objet_de_reference, 11);
  EXPECT_EQ(entree(0), Objet_de_Reference::Vide);
  EXPECT_EQ(entree(0)->type, AUCUN);
  EXPECT_STREQ(entree(2)->Nom.retournertexte(), "Debut.png");
  auto* defendre = dynamic_cast<Reference_Cible*>(entree(7));
  auto* detruire = dynamic_cast<Reference_Cible*>(entree(8));
  ASSERT_TRUE(defendre && detruire);
  EXPECT_EQ(defendre->relever_camp(), 0);
  EXPECT_EQ(detruire->relever_camp(), 1);
  EXPECT_COIN(detruire, 0, 70);
  EXPECT_EQ(detruire->element_actuel, 1);
  EXPECT_EQ(entree(9)->element_actuel, 6);
  EXPECT_EQ(entree(10)->element_actuel, 7);
  EXPECT_EQ(entree(10)->relever_camp(), 2);
}

TEST_F(Palette, CharactersAreNumberedBySideAndStackInTheirColumn) {
  ecrire_perso("A", 0);
  ecrire_perso("B", 1);
  ecrire_perso("C", 0);
  ecrire_fichier("Persos.txt", "A\r\nB\r\nC\r\nPersonne");
  LecturePersos();
  ASSERT_EQ(Objet_de_Reference::nb_Objet_de_reference, 4);
  struct {
    const char* nom;
    int type;
    long numero;
    int y;
  } attendu[] = {{"A", ALLIES, 0, 50}, {"B", ENNEMIS, 0, 50}, {"C", ALLIES, 1, 115}, {"Personne", ENNEMIS, 1, 115}};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_STREQ(entree(i)->Nom.retournertexte(), attendu[i].nom);
    EXPECT_EQ(entree(i)->type, attendu[i].type);
    EXPECT_EQ(entree(i)->element_actuel, attendu[i].numero);
    EXPECT_COIN(entree(i), 0, attendu[i].y);
    EXPECT_EQ(entree(i)->TramePrincipale.w, 65);
  }
}

TEST_F(Palette, EmptyLinesAndMissingPicturesKeepTheirNumbers) {
  ecrire_png("Objets/a.png", 40, 40, 0xFF0000FF);
  ecrire_png("Objets/b.png", 40, 40, 0xFF0000FF);
  ecrire_fichier("Objets.txt", "a.png\n\nabsent.png\nb.png\n");
  LectureObjets();
  ASSERT_EQ(Objet_de_Reference::nb_Objet_de_reference, 5);
  EXPECT_EQ(entree(1)->image[1], nullptr);
  EXPECT_EQ(entree(2)->image[1], nullptr);
  EXPECT_EQ(entree(2)->TramePrincipale.w, 0);
  EXPECT_STREQ(entree(3)->Nom.retournertexte(), "b.png");
  EXPECT_EQ(entree(3)->element_actuel, 3);
  EXPECT_NE(entree(3)->image[1], nullptr);
  EXPECT_EQ(entree(4)->element_actuel, 4);
}

template <class T>
void essayer(const char* nom) {
  auto* o = new T(nom);
  if (!o->enregistre()) delete o;
}

TEST_F(Palette, KindsStopAt128EntriesAndTheTableAt1000) {
  std::string lignes;
  for (int i = 0; i < 300; ++i) lignes += std::string(i ? "\n" : "") + std::string(500, 'x');
  ecrire_fichier("Objets.txt", lignes);
  LectureObjets();
  EXPECT_EQ(Objet_de_Reference::nb_Objet_de_reference, 128);
  EXPECT_EQ(entree(127)->element_actuel, 127);

  // Seven more kinds of 128 overflow the table of 1000.
  for (int i = 0; i < 128; ++i) {
    essayer<Reference_Obstacle>("o");
    essayer<Reference_Objet_cle>("k");
    essayer<Reference_ObjetDestructible>("d");
    essayer<Reference_Objet_Animes>("a");
    essayer<Reference_Vehicules_Terrestres>("t");
    essayer<Reference_Vehicules_Aeriens>("v");
    essayer<Reference_Vehicules_Polyvalents>("p");
  }
  EXPECT_EQ(Objet_de_Reference::nb_Objet_de_reference, Objet_de_Reference::NB_MAX);
  for (long i = 0; i < Objet_de_Reference::NB_MAX; ++i) {
    ASSERT_NE(entree(i), nullptr);
    EXPECT_LT(entree(i)->element_actuel, 128);
  }
}

TEST_F(Palette, APageDrawsOnlyItsEntriesAndObjectsOffTheTopAreSkipped) {
  ecrire_png("Objets/a.png", 40, 40, 0xFF0000FF);     // red
  ecrire_png("Obstacles/b.png", 40, 40, 0xFFFF0000);  // blue
  ecrire_fichier("Objets.txt", "a.png");
  ecrire_fichier("Obstacles.txt", "b.png");
  LectureObjets();
  LectureObstacles();
  Uint8 r, g, b;
  SDL_FillRect(general::ecran, nullptr, 0);
  BlitingMappeur(OBJET);
  lire_rgb(general::ecran, 5, 55, r, g, b);
  EXPECT_EQ(r, 255);
  EXPECT_EQ(b, 0);

  // The object's bottom edge is at the top of the screen: not drawn.
  SDL_FillRect(general::ecran, nullptr, 0);
  general::Scrolling_Mappeur.y = 70;
  BlitingMappeur(OBJET);
  lire_rgb(general::ecran, 5, 0, r, g, b);
  EXPECT_EQ(r, 0);
  // A plain entry partly above the screen is blitted clipped.
  general::Scrolling_Mappeur.y = 60;
  BlitingMappeur(OBSTACLE);
  lire_rgb(general::ecran, 5, 5, r, g, b);
  EXPECT_EQ(b, 255);
  EXPECT_EQ(r, 0);
}

}  // namespace
