#include "Armurerie.h"
#include "weapons/Katana.h"

using Lame = Armurerie;

TEST_F(Lame, BladeTakesItsFolderOffsetsAndSharedFrames) {
  Katana k(P_char("Couteau/"), 60);
  EXPECT_STREQ(k.get_nom(), "Couteau/");
  EXPECT_EQ(k.get_force(), 60);
  EXPECT_EQ(k.get_type(), APOING);
  EXPECT_EQ(k.get_charge_actuelle(), 0);
  EXPECT_EQ(k.get_nb_munition(), 0);
  EXPECT_EQ(k.x0, -38);
  EXPECT_EQ(k.y2, 13);
  ASSERT_NE(k.katana, nullptr);
  EXPECT_EQ(k.katana->nb_frame, 3);
  EXPECT_NE(k.donnerOmbre(), nullptr);
  EXPECT_EQ(k.donnerImage(1, 1), AllouerImage("Armes/Couteau/3.png", 0, false));
  const int i = Partie::derniere_Partie_demandee;
  ASSERT_TRUE(charcmp(Partie::nom_Parties[i].retournertexte(), "Armes/Couteau/"));
  const int avant = Partie::nb_apparition[i];
  Katana deux(P_char("Couteau/"), 60);
  EXPECT_EQ(deux.katana, k.katana);
  EXPECT_EQ(Partie::nb_apparition[i], avant + 1);
  EXPECT_EQ(k.Tirer(Rect(0, 0, 0, 0), true, true, 45, true, true), 3);

  Katana autre(P_char("Inconnue/"), 5);
  EXPECT_EQ(autre.x1, 0);
  EXPECT_EQ(autre.katana, nullptr);
  EXPECT_EQ(autre.donnerImage(0, 0), nullptr);
  autre.afficher_arme(Rect(0, 0, 0, 0), 1, 1);  // nothing to draw
}

TEST_F(Lame, SwingFramesSitOnTheArmFacingEitherWay) {
  Katana k(P_char("HG/"), 80);
  const SDL_Rect pos = Rect(300, 200, 0, 0);
  SDL_Rect d = k.point_lame(pos, 1, 0);
  EXPECT_EQ(d.x, 300 + 66);
  EXPECT_EQ(d.y, 200 - 26);
  const int W = k.katana->Image[0][1]->w;
  SDL_Rect g = k.point_lame(pos, 1, 1);
  EXPECT_EQ(g.x, 300 + 130 - W - 66);
  EXPECT_EQ(g.y, 200 - 26);
  // An index past the frames reads a frame that exists, and takes no offset.
  const int W2 = k.katana->Image[0][2]->w;
  EXPECT_EQ(k.point_lame(pos, 5, 1).x, 300 + 130 - W2);
  EXPECT_EQ(k.point_lame(pos, 40, 1).x, 300 + 130 - k.katana->Image[0][1]->w);

  SDL_FillRect(general::ecran, nullptr, 0);
  k.afficher_arme(pos, 1, 0);
  k.afficher_arme(pos, 40, 1);
  Uint8 r, gg, b;
  bool dessine = false;
  for (int x = d.x; x < d.x + k.katana->Image[0][1]->w && !dessine; ++x)
    for (int y = d.y; y < d.y + k.katana->Image[0][1]->h && !dessine; ++y) {
      lire_rgb(general::ecran, x, y, r, gg, b);
      dessine = r + gg + b > 0;
    }
  EXPECT_TRUE(dessine);
}
