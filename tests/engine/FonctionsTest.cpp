#include "Banc.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"

using Dessin = Banc;

namespace {
SDL_Surface* rgba(int w, int h) {
  return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);
}
// A picture whose column x is coloured (x, 0, 0).
SDL_Surface* degrade(int w, int h) {
  SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0);
  for (int x = 0; x < w; ++x) {
    SDL_Rect c = Rect(x, 0, 1, h);
    SDL_FillRect(s, &c, SDL_MapRGB(s->format, x, 0, 0));
  }
  return s;
}
}  // namespace

TEST_F(Dessin, PictureBlittedPartlyOffScreenShowsItsVisiblePart) {
  SDL_Surface* e = general::ecran;
  SDL_FillRect(e, nullptr, SDL_MapRGB(e->format, 0, 0, 255));
  SDL_Surface* s = degrade(50, 10);
  SDL_Rect d = Rect(-20, 5, 0, 0);
  Blitter(s, nullptr, e, &d);
  Uint8 r, g, b;
  lire_rgb(e, 0, 5, r, g, b);
  EXPECT_EQ(r, 20);  // the right 30 columns start at x = 0
  lire_rgb(e, 29, 14, r, g, b);
  EXPECT_EQ(r, 49);
  lire_rgb(e, 30, 5, r, g, b);
  EXPECT_EQ(b, 255);  // nothing beyond
  EXPECT_EQ(d.x, -20);  // the caller's rectangle is left as it was

  SDL_FillRect(e, nullptr, SDL_MapRGB(e->format, 0, 0, 255));
  d = Rect(-50, 0, 0, 0);
  Blitter(s, nullptr, e, &d);
  lire_rgb(e, 0, 0, r, g, b);
  EXPECT_EQ(b, 255);  // wholly off screen: nothing drawn

  d = Rect(940, 0, 0, 0);
  Blitter(s, nullptr, e, &d);
  EXPECT_EQ(d.w, 20);  // SDL's clipped rectangle comes back at non-negative places
  SDL_FreeSurface(s);
}

TEST_F(Dessin, SourceRectangleAndNegativePlaceCombine) {
  SDL_Surface* e = general::ecran;
  SDL_FillRect(e, nullptr, 0);
  SDL_Surface* s = degrade(50, 10);
  SDL_Rect src = Rect(10, 0, 20, 10);
  SDL_Rect d = Rect(-5, -3, 0, 0);
  Blitter(s, &src, e, &d);
  Uint8 r, g, b;
  lire_rgb(e, 0, 0, r, g, b);
  EXPECT_EQ(r, 15);
  lire_rgb(e, 14, 6, r, g, b);
  EXPECT_EQ(r, 29);
  lire_rgb(e, 15, 0, r, g, b);
  EXPECT_EQ(r, 0);
  lire_rgb(e, 0, 7, r, g, b);
  EXPECT_EQ(r, 0);  // 3 rows were cut at the top
  src = Rect(10, 0, 20, 10);
  d = Rect(-20, 0, 0, 0);
  SDL_FillRect(e, nullptr, 0);
  Blitter(s, &src, e, &d);
  lire_rgb(e, 0, 0, r, g, b);
  EXPECT_EQ(r, 0);
  SDL_FreeSurface(s);
}

TEST_F(Dessin, MirrorsSwapPixelsAndKeepAlpha) {
  SDL_Surface* s = rgba(3, 2);
  SDL_LockSurface(s);
  definirPixel(s, 0, 0, SDL_MapRGBA(s->format, 10, 20, 30, 40));
  definirPixel(s, 2, 1, SDL_MapRGBA(s->format, 50, 60, 70, 0));
  SDL_UnlockSurface(s);
  SDL_Surface* m = Symetrie_Horizontale(s);
  SDL_Surface* v = Symetrie_Verticale(s);
  Uint8 r, g, b, a;
  SDL_LockSurface(m);
  SDL_GetRGBA(obtenirPixel(m, 2, 0), m->format, &r, &g, &b, &a);
  EXPECT_EQ(r, 10);
  EXPECT_EQ(a, 40);
  SDL_GetRGBA(obtenirPixel(m, 0, 1), m->format, &r, &g, &b, &a);
  EXPECT_EQ(r, 50);
  EXPECT_EQ(a, 0);
  SDL_UnlockSurface(m);
  SDL_LockSurface(v);
  SDL_GetRGBA(obtenirPixel(v, 0, 1), v->format, &r, &g, &b, &a);
  EXPECT_EQ(g, 20);
  EXPECT_EQ(a, 40);
  SDL_UnlockSurface(v);

  SDL_Surface* un = rgba(1, 2);
  SDL_FillRect(un, nullptr, SDL_MapRGBA(un->format, 1, 2, 3, 4));
  SDL_Surface* copie = Symetrie_Horizontale(un);
  SDL_LockSurface(copie);
  SDL_GetRGBA(obtenirPixel(copie, 0, 1), copie->format, &r, &g, &b, &a);
  SDL_UnlockSurface(copie);
  EXPECT_EQ(r + g + b + a, 10);
  for (SDL_Surface* p : {s, m, v, un, copie}) SDL_FreeSurface(p);
  EXPECT_EQ(Symetrie_Horizontale(nullptr), nullptr);
}

TEST_F(Dessin, MirroredBlitToScreenSkipsTransparentPixelsAndClips) {
  SDL_Surface* e = general::ecran;
  SDL_FillRect(e, nullptr, SDL_MapRGB(e->format, 0, 0, 255));
  SDL_Surface* s = rgba(4, 1);
  SDL_LockSurface(s);
  definirPixel(s, 0, 0, SDL_MapRGBA(s->format, 200, 0, 0, 255));
  definirPixel(s, 1, 0, SDL_MapRGBA(s->format, 0, 0, 0, 0));
  SDL_UnlockSurface(s);
  BlitSurface(s, Rect(-1, 0, 0, 0), false);
  Uint8 r, g, b;
  lire_rgb(e, 2, 0, r, g, b);
  EXPECT_EQ(r, 200);  // column 0 mirrored to column 3, shifted by -1
  lire_rgb(e, 1, 0, r, g, b);
  EXPECT_EQ(b, 255);  // transparent pixel left the screen as it was
  BlitSurface(s, Rect(960, 0, 0, 0), false);  // off screen: nothing, no crash
  SDL_FreeSurface(s);
}

TEST_F(Dessin, FrameIsHollowOrSolidWhenThick) {
  SDL_Surface* c = GenererCadre(20, 10, DonnerCouleur(200, 1, 1), 2);
  Uint8 r, g, b;
  lire_rgb(c, 0, 0, r, g, b);
  EXPECT_EQ(r, 200);
  lire_rgb(c, 10, 5, r, g, b);
  EXPECT_EQ(r, 0);
  EXPECT_TRUE(c->flags & SDL_SRCCOLORKEY);
  SDL_FreeSurface(c);
  c = GenererCadre(20, 10, DonnerCouleur(200, 1, 1), 10);
  lire_rgb(c, 10, 5, r, g, b);
  EXPECT_EQ(r, 200);
  SDL_FreeSurface(c);
}

TEST_F(Dessin, GridDrawsLinesAndAZeroStepEnds) {
  SDL_Surface* s = rgba(640, 640);
  SDL_FillRect(s, nullptr, 0xFFFFFFFF);
  dessinerCadrillage(0, 0, s);  // must return
  dessinerCadrillage(100, 0, s);
  Uint8 r, g, b;
  lire_rgb(s, 100, 10, r, g, b);
  EXPECT_EQ(r, 0);
  lire_rgb(s, 101, 10, r, g, b);
  EXPECT_EQ(r, 255);
  lire_rgb(s, 100, 500, r, g, b);
  EXPECT_EQ(r, 255);  // vertical lines are 480 long
  SDL_FreeSurface(s);
}

TEST_F(Dessin, FrameCutFromSheet) {
  SDL_Surface* planche = degrade(50, 10);
  SDL_Surface* t = ImageTrame(planche, Rect(30, 2, 5, 4));
  ASSERT_EQ(t->w, 5);
  Uint8 r, g, b;
  lire_rgb(t, 0, 0, r, g, b);
  EXPECT_EQ(r, 30);
  SDL_FreeSurface(t);
  SDL_Surface* c = IMG_load2(planche);  // releases the sheet
  EXPECT_EQ(c->format->BitsPerPixel, 32);
  lire_rgb(c, 49, 0, r, g, b);
  EXPECT_EQ(r, 49);
  SDL_FreeSurface(c);
}

TEST(Tri, AscendingOrderKeepsEqualValues) {
  auto trier = [](std::vector<int> t) {
    std::vector<int> s(t.size(), -999);
    tri_creation(t.data(), s.data(), static_cast<int>(t.size()));
    return s;
  };
  EXPECT_EQ(trier({3, 5, 5}), (std::vector<int>{3, 5, 5}));
  EXPECT_EQ(trier({5, 3, 5}), (std::vector<int>{3, 5, 5}));
  EXPECT_EQ(trier({7}), (std::vector<int>{7}));
  EXPECT_EQ(trier({9, 1, 4, 4, 0, 9}), (std::vector<int>{0, 1, 4, 4, 9, 9}));
  tri_creation(nullptr, nullptr, 0);  // no entries: nothing written
  EXPECT_EQ(position_suivant(nullptr, 0, 0, 0), -1);
}

TEST(Petits, ChooserLineAndSlope) {
  EXPECT_STREQ(retourneur("fr", "en", 1), "fr");
  EXPECT_STREQ(retourneur("fr", "en", 0), "en");
  EXPECT_STREQ(retourneur("fr", "en", 2), "en");
  EXPECT_STREQ(retourneur("a", "b", "c", 0), "a");
  EXPECT_STREQ(retourneur("a", "b", "c", 1), "b");
  EXPECT_STREQ(retourneur("a", "b", "c", 7), "c");
  EXPECT_EQ(y(2, 3, 4), 10);
  EXPECT_EQ(calcul_coef(45.0), 0);  // tan is a hair under 1: truncated
  EXPECT_EQ(calcul_coef(60.0), 1);
  EXPECT_EQ(calcul_coef(-60.0), -1);
}
