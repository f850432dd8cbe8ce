#include "Banc.h"
#include "engine/Constantes.h"
#include "engine/OuvrirImage.h"
#include "engine/OuvrirSon.h"
#include "engine/Partie.h"

using Caches = Banc;

TEST_F(Caches, PictureAskedTwiceIsSharedAndCounted) {
  ecrire_png("a.png", 8, 6, 0xFF0000FF);
  SDL_Surface* p = AllouerImage("a.png", 0, false);
  ASSERT_NE(p, nullptr);
  int i = derniere_image_demandee;
  EXPECT_EQ(nb_apparition[i], 1);
  EXPECT_EQ(AllouerImage("a.png", 0, false), p);
  EXPECT_EQ(derniere_image_demandee, i);
  EXPECT_EQ(nb_apparition[i], 2);
  SDL_Surface* demi = AllouerImage("a.png", 1, false);
  ASSERT_NE(demi, nullptr);
  EXPECT_EQ(demi->w, 4);
  EXPECT_EQ(demi->h, 3);
}

TEST_F(Caches, MissingPictureLeavesNoEntry) {
  int avant = nb_images;
  EXPECT_EQ(AllouerImage("absent.png", 0, false), nullptr);
  EXPECT_EQ(nb_images, avant);
}

TEST_F(Caches, StoringReportsPresentNullOrStored) {
  ecrire_png("a.png", 4, 4, 0xFF00FF00);
  SDL_Surface* p = AllouerImage("a.png", 0, false);
  SDL_Surface* autre = SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 2, 32, 0, 0, 0, 0);
  EXPECT_EQ(StockerImage("a.png", autre), 1);
  EXPECT_EQ(AllouerImage("a.png", 0, false), p);  // the entry kept its picture
  EXPECT_EQ(StockerImage("nouveau", nullptr), 3);
  EXPECT_EQ(StockerImage("nouveau", autre), 2);
  EXPECT_EQ(AllouerImage("nouveau", 0, false), autre);
  EXPECT_TRUE(garderImage[derniere_image_demandee]);
}

TEST_F(Caches, MirrorPairIsMadeOnceAndNamedAfterThePicture) {
  ecrire_png("s.png", 6, 4, 0xFF123456);
  SDL_Surface*** t = TotalAllouerImage("s.png");
  int avant = nb_images;
  SDL_Surface*** u = TotalAllouerImage("s.png");
  EXPECT_EQ(nb_images, avant);
  EXPECT_EQ(t[1][0], u[1][0]);
  EXPECT_NE(t[1][0], t[0][0]);
  EXPECT_EQ(AllouerImage("s.png1", 0, false), t[1][0]);
  EXPECT_EQ(t[1][1]->w, 3);
  LibererTotalImage(t);
  LibererTotalImage(u);

  // A missing picture gives a table of nulls, not a mirror of nothing.
  SDL_Surface*** v = TotalAllouerImage("absent.png");
  EXPECT_EQ(v[0][0], nullptr);
  EXPECT_EQ(v[1][0], nullptr);
  LibererTotalImage(v);
}

TEST_F(Caches, SoundsRotateOverChannelsTenTo127) {
  ecrire_fichier("bip.wav", "RIFF");
  FSOUND_SAMPLE* s = AllouerSon("bip.wav", false);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(AllouerSon("bip.wav", false), s);
  EXPECT_EQ(nb_Sons, 1);
  EXPECT_EQ(nb_apparition_Son[0], 2);
  EXPECT_EQ(AllouerSon("absent.wav", false), nullptr);
  EXPECT_EQ(nb_Sons, 1);

  Son::effacer_appels();
  for (int i = 0; i < 119; ++i) Jouer_son(s, 200);
  std::vector<int> canaux;
  for (const auto& a : Son::appels())
    if (a.operation == "play") canaux.push_back(a.canal);
  ASSERT_EQ(canaux.size(), 119u);
  EXPECT_EQ(canaux.front(), 10);
  EXPECT_EQ(canaux[117], 127);
  EXPECT_EQ(canaux[118], 10);
  const auto& fin = Son::appels().back();
  EXPECT_EQ(fin.operation, "volume");
  EXPECT_EQ(fin.valeur, 200);

  // A null sample plays nothing, but its channel is stopped and the rotation goes on.
  Son::effacer_appels();
  Jouer_son(nullptr, 255);
  ASSERT_EQ(Son::appels().size(), 1u);
  EXPECT_EQ(Son::appels()[0].operation, "stop");
  EXPECT_EQ(Son::appels()[0].canal, 11);
  EXPECT_EQ(canal_actuel, 12);
  Son::liberer(s);  // the cache never frees its samples itself
  DesallouerTousLesSons();
  EXPECT_EQ(nb_Sons, 0);
  EXPECT_EQ(Sons, nullptr);
}

TEST_F(Caches, FrameSetStopsAtTheFirstMissingFrame) {
  ecrire_png("anim/run1.png", 10, 20, 0xFF0000FF);
  ecrire_png("anim/run2.png", 12, 22, 0xFF0000FF);
  ecrire_png("anim/run4.png", 12, 22, 0xFF0000FF);
  Partie* p = Partie::AllouerPartie("anim/run");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->nb_frame, 2);
  EXPECT_EQ(p->dm_image.w, 10);  // frame 1 gives the size
  EXPECT_EQ(p->dm_image.h, 20);
  EXPECT_STREQ(p->Noms[1][1].retournertexte(), "anim/run2.png1");
  EXPECT_NE(p->Image[1][0], nullptr);
  EXPECT_EQ(p->Image[2][1]->w, 6);
  int images = nb_images;
  EXPECT_EQ(Partie::AllouerPartie("anim/run"), p);
  EXPECT_EQ(Partie::nb_apparition[Partie::derniere_Partie_demandee], 2);
  EXPECT_EQ(nb_images, images);  // mirrors made once

  EXPECT_EQ(Partie::AllouerPartie("anim/walk"), nullptr);
  EXPECT_EQ(Partie::nb_parties, 1);
}

TEST_F(Caches, FrameSetReadsAtMostTenFrames) {
  for (int i = 1; i <= 11; ++i) ecrire_png("f/" + std::to_string(i) + ".png", 2, 2, 0xFFFFFFFF);
  Partie* p = Partie::AllouerPartie("f/");
  ASSERT_NE(p, nullptr);
  const int32_t entree = Partie::derniere_Partie_demandee;
  EXPECT_EQ(p->relever_nb_frame(), 10);
  EXPECT_EQ(AllouerImage("f/11.png", 0, false, false) != nullptr, true);  // exists, but only if asked
  // Storing under a cached name points at that entry, wherever earlier sets put it.
  Partie::StockerPartie("f/", nullptr);
  EXPECT_EQ(Partie::derniere_Partie_stockee, entree);
}
