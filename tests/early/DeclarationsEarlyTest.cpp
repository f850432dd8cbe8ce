// What the early program declares differently: its one-argument world probe,
// its counter built with a colour, and its text chooser that takes a flag.
#include "Monde.h"
#include "engine/CompteurNumerique.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/Mapping.h"

TEST_F(Monde, PlainProbeLooksAheadAndBelowButNeverUpAndSkipsItsOwnSide) {
  Bloc* t = ajouter(0, 0, 20, 40, ALLIE);
  t->vitesse = 5;
  ajouter(22, 0, 20, 40, ALLIE);         // own side
  ajouter(22, 0, 20, 40, ENNEMI, false);  // not solid
  Bloc* cache = ajouter(22, 0, 20, 40, NUL);
  cache->affichage = false;
  EXPECT_EQ(t->p_collision(true), PAS_COLLISION);
  EXPECT_EQ(t->colliser, -1);

  Bloc* mur = ajouter(22, 0, 20, 40, NUL);
  EXPECT_EQ(t->p_collision(false), P_COLLISION) << "the flag is not read";
  EXPECT_EQ(t->colliser, static_cast<int32_t>(mur->element_actuel));

  // Facing left the front is x - speed + frame x, strictly inside the other.
  t->direction = GAUCHE;
  t->position.x = 48;
  t->colliser = -1;
  EXPECT_EQ(t->p_collision(false), PAS_COLLISION);  // 43 is not left of 42
  t->vitesse = 7;
  EXPECT_EQ(t->p_collision(false), P_COLLISION);

  // Down: a hit when the feet plus 8 pass the other's top.
  Bloc* chute = ajouter(300, 0, 20, 40, ALLIE);
  chute->direction = BAS;
  ajouter(300, 47, 20, 10, NUL);
  EXPECT_EQ(chute->p_collision(false), P_COLLISION);
  chute->direction = HAUT;
  chute->position.y = 50;
  EXPECT_EQ(chute->p_collision(false), PAS_COLLISION) << "moving up meets nothing";
}

TEST_F(Monde, CounterBuiltWithItsColourShowsItsValueAtOnce) {
  general::Police = TTF_OpenFont(GAME_DATA_DIR "/police.ttf", 18);
  ASSERT_NE(general::Police, nullptr);
  int32_t renforts = 0;
  {
    CompteurNumerique c(&renforts, Rect(215, 100, 0, 0), general::Bleu);
    EXPECT_EQ(c.layer, 3);
    EXPECT_TRUE(c.enregistre());
    EXPECT_EQ(c.Couleur.b, 200) << "the early allied blue";
    ASSERT_EQ(c.nb_ligne, 1);
    SDL_Surface* zero = TTF_RenderText_Solid(general::Police, "0", general::Bleu);
    ASSERT_NE(c.image[0], nullptr) << "the line \"0\" is there before the first frame";
    EXPECT_EQ(c.image[0]->w, zero->w);
    SDL_FreeSurface(zero);
    renforts = 12;
    c.comportement();
    EXPECT_EQ(c.derniere_valeur, 12);
    EXPECT_EQ(c.nb_ligne, 1);
  }
  TTF_CloseFont(general::Police);
  general::Police = nullptr;
}

TEST(ChoixDeTexte, AnyNonZeroFlagPicksTheFirstText) {
  EXPECT_STREQ(retourneur("Oui", "Non", false), "Non");
  EXPECT_STREQ(retourneur("Oui", "Non", 2), "Oui") << "a map's infiltration byte of 2 still reads Oui";
  EXPECT_STREQ(retourneur("Femme", "Homme", static_cast<char>(1)), "Femme");
}
