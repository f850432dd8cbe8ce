#include <cstring>
#include <filesystem>
#include <string>

#include "Banc.h"
#include "Png.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/FormatEcran.h"
#include "engine/OuvrirImage.h"

namespace {

class FormatEcran : public Banc {
 protected:
  // An opaque picture, written without alpha: black left half, white right.
  void ecrire_opaque(const std::string& nom, int w, int h) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);
    SDL_FillRect(s, nullptr, 0xFFFFFFFF);
    SDL_Rect gauche = Rect(0, 0, w / 2, h);
    SDL_FillRect(s, &gauche, 0xFF000000);
    ASSERT_TRUE(Png::ecrire((dossier_ / nom).string(), s, false));
    SDL_FreeSurface(s);
  }
  // Draws s at (x, y) on a red screen and reads the screen at (px, py).
  static void sur_rouge(SDL_Surface* s, int x, int y, int px, int py, Uint8& r, Uint8& g, Uint8& b) {
    SDL_FillRect(general::ecran, nullptr, SDL_MapRGB(general::ecran->format, 255, 0, 0));
    SDL_Rect d = Rect(x, y, 0, 0);
    Blitter(s, nullptr, general::ecran, &d);
    lire_rgb(general::ecran, px, py, r, g, b);
  }
  static bool format_ecran(const SDL_Surface* s) {
    const SDL_PixelFormat *f = s->format, *e = general::ecran->format;
    return f->BitsPerPixel == e->BitsPerPixel && f->Rmask == e->Rmask && f->Gmask == e->Gmask && f->Bmask == e->Bmask;
  }
};

TEST_F(FormatEcran, LoadedPicturesTakeTheScreensFormatAndKeepAlphaOnlyWhenTheyHaveIt) {
  ecrire_opaque("opaque.png", 8, 4);
  ecrire_png("sprite.png", 8, 4, 0x00000000);
  SDL_Surface* o = AllouerImage("opaque.png", 0, false);
  SDL_Surface* s = AllouerImage("sprite.png", 0, false);
  ASSERT_TRUE(o && s);
  EXPECT_TRUE(format_ecran(o));
  EXPECT_TRUE(format_ecran(s));
  EXPECT_EQ(o->format->Amask, 0u);
  EXPECT_NE(s->format->Amask, 0u);
  Uint8 r, g, b;
  sur_rouge(o, 0, 0, 1, 1, r, g, b);
  EXPECT_EQ(r + g + b, 0);
  sur_rouge(o, 0, 0, 6, 1, r, g, b);
  EXPECT_EQ(r + g + b, 3 * 255);
  sur_rouge(s, 0, 0, 1, 1, r, g, b);  // see-through
  EXPECT_EQ(r, 255);
  EXPECT_EQ(g + b, 0);
  // Per-surface alpha (shadows, fades) works on the converted opaque picture.
  SDL_SetAlpha(o, SDL_SRCALPHA, 128);
  sur_rouge(o, 0, 0, 6, 1, r, g, b);
  EXPECT_NEAR(g, 128, 2);
  SDL_SetAlpha(o, 0, 255);
}

// Half-size copies, mirrors and rotations of an opaque picture show its
// black instead of treating it as see-through.
TEST_F(FormatEcran, CopiesOfAnOpaquePictureKeepItsBlack) {
  ecrire_opaque("noir.png", 40, 20);
  SDL_Surface*** t = TotalAllouerImage("noir.png");
  ASSERT_NE(t[0][0], nullptr);
  Uint8 r, g, b;
  sur_rouge(t[0][1], 0, 0, 2, 2, r, g, b);  // half size, black half
  EXPECT_EQ(r + g + b, 0);
  ASSERT_NE(t[1][0], nullptr);
  EXPECT_EQ(t[1][0]->format->Amask, 0u);
  EXPECT_TRUE(format_ecran(t[1][0]));
  sur_rouge(t[1][0], 0, 0, 35, 2, r, g, b);  // mirrored: black on the right
  EXPECT_EQ(r + g + b, 0);
  sur_rouge(t[1][1], 0, 0, 17, 2, r, g, b);
  EXPECT_EQ(r + g + b, 0);
  LibererTotalImage(t);

  SDL_Surface* tourne = tourner(AllouerImage("noir.png", 0, false), 30.0, 1.0);
  ASSERT_NE(tourne, nullptr);
  sur_rouge(tourne, 0, 0, 0, 0, r, g, b);  // the uncovered corner
  EXPECT_EQ(r, 255);
  EXPECT_EQ(g + b, 0);
  sur_rouge(tourne, 0, 0, tourne->w / 2 - 5, tourne->h / 2, r, g, b);  // the black half
  EXPECT_EQ(r + g + b, 0);
  SDL_FreeSurface(tourne);
}

TEST_F(FormatEcran, DemoDataWritesOpaquePicturesWithoutAlpha) {
  const std::string d = GAME_DATA_DIR;
  for (const char* nom : {"Fonds/foret/1.png", "Sol/foret/1.png", "Start.png", "Logo0.png"}) {
    SDL_Surface* s = IMG_Load((d + "/" + nom).c_str());
    ASSERT_NE(s, nullptr) << nom;
    EXPECT_EQ(s->format->Amask, 0u) << nom;
    SDL_FreeSurface(s);
  }
  // Pictures with something to see through keep their alpha channel.
  SDL_Surface* hud = IMG_Load((d + "/HUD.png").c_str());
  ASSERT_NE(hud, nullptr);
  EXPECT_NE(hud->format->Amask, 0u);
  SDL_FreeSurface(hud);
}

}  // namespace

namespace {

SDL_Surface* surface_ecran(int w, int h) {
  const SDL_PixelFormat* f = general::ecran->format;
  return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, f->Rmask, f->Gmask, f->Bmask, 0);
}

void bruit(SDL_Surface* s, Uint32& graine) {
  for (int y = 0; y < s->h; ++y)
    for (int x = 0; x < s->w; ++x) {
      graine = graine * 1664525u + 1013904223u;
      definirPixel(s, x, y, graine >> 8);
    }
}

bool memes_pixels(SDL_Surface* a, SDL_Surface* b) {
  for (int y = 0; y < a->h; ++y)
    if (std::memcmp(static_cast<Uint8*>(a->pixels) + y * a->pitch, static_cast<Uint8*>(b->pixels) + y * b->pitch,
                    static_cast<size_t>(a->w) * 4) != 0)
      return false;
  return true;
}

}  // namespace

// Our row copy and fill replace SDL's on the hot path: over random
// rectangles, partly or wholly outside the picture, the screen or the clip
// rectangle, they must draw the same pixels and hand back the same rectangle.
TEST_F(FormatEcran, QuickCopyAndFillClipAsSdlDoes) {
  SDL_Surface* src = surface_ecran(37, 23);
  SDL_Surface* a = surface_ecran(64, 48);
  SDL_Surface* b = surface_ecran(64, 48);
  Uint32 graine = 7;
  bruit(src, graine);
  auto hasard = [&graine](int bas, int haut) {
    graine = graine * 1664525u + 1013904223u;
    return bas + static_cast<int>((graine >> 8) % static_cast<Uint32>(haut - bas + 1));
  };
  for (int essai = 0; essai < 2000; ++essai) {
    SDL_SetClipRect(b, nullptr);
    bruit(a, graine);
    SDL_BlitSurface(a, nullptr, b, nullptr);
    SDL_Rect clip = Rect(hasard(-8, 40), hasard(-8, 30), hasard(0, 70), hasard(0, 50));
    if (essai % 3 == 0) {
      SDL_SetClipRect(a, nullptr);
      SDL_SetClipRect(b, nullptr);
    } else {
      SDL_SetClipRect(a, &clip);
      SDL_SetClipRect(b, &clip);
    }
    SDL_Rect sr = Rect(hasard(-10, 40), hasard(-10, 30), hasard(0, 50), hasard(0, 30));
    SDL_Rect da = Rect(hasard(-45, 70), hasard(-30, 55), hasard(0, 9), hasard(0, 9));
    SDL_Rect db = da;
    const bool entiere = essai % 4 == 0;
    SDL_Rect sa = sr, sb = sr;
    if (essai % 2) {
      EXPECT_EQ(blit_rapide(src, entiere ? nullptr : &sa, a, &da), SDL_UpperBlit(src, entiere ? nullptr : &sb, b, &db));
    } else {
      const Uint32 c = static_cast<Uint32>(hasard(0, 0xFFFFFF));
      EXPECT_EQ(remplir(a, entiere ? nullptr : &da, c), SDL_FillRect(b, entiere ? nullptr : &db, c));
    }
    ASSERT_TRUE(memes_pixels(a, b)) << "essai " << essai;
    ASSERT_EQ(da.x, db.x);
    ASSERT_EQ(da.y, db.y);
    ASSERT_EQ(da.w, db.w);
    ASSERT_EQ(da.h, db.h);
  }
  SDL_FreeSurface(src);
  SDL_FreeSurface(a);
  SDL_FreeSurface(b);
}

// The direct PNG reader stands in for SDL_image followed by the conversion:
// every demo picture must come out the same surface, byte for byte, and a
// damaged file must go back to SDL_image with nothing held.
TEST_F(FormatEcran, DirectPngReaderGivesWhatSdlImageAndTheConversionGive) {
  int vus = 0;
  for (const auto& e : std::filesystem::recursive_directory_iterator(GAME_DATA_DIR)) {
    if (e.path().extension() != ".png" || vus++ % 3) continue;
    const std::string nom = e.path().string();
    SDL_Surface* a = png_au_format_ecran(nom.c_str());
    SDL_Surface* b = au_format_ecran(IMG_Load(nom.c_str()));
    ASSERT_NE(a, nullptr) << nom;
    ASSERT_NE(b, nullptr) << nom;
    const SDL_PixelFormat *fa = a->format, *fb = b->format;
    const Uint32 drapeaux = SDL_SRCALPHA | SDL_SRCCOLORKEY | SDL_RLEACCELOK;
    EXPECT_TRUE(a->w == b->w && a->h == b->h && fa->BitsPerPixel == fb->BitsPerPixel && fa->Rmask == fb->Rmask &&
                fa->Gmask == fb->Gmask && fa->Bmask == fb->Bmask && fa->Amask == fb->Amask &&
                fa->alpha == fb->alpha && (a->flags & drapeaux) == (b->flags & drapeaux))
        << nom;
    EXPECT_TRUE(memes_pixels(a, b)) << nom;
    SDL_FreeSurface(a);
    SDL_FreeSurface(b);
  }
  EXPECT_GT(vus, 300);
  ecrire_png("coupe.png", 40, 30, 0x80402010);
  const std::filesystem::path coupe = dossier_ / "coupe.png";
  std::filesystem::resize_file(coupe, std::filesystem::file_size(coupe) / 2);
  EXPECT_EQ(png_au_format_ecran(coupe.string().c_str()), nullptr);
  EXPECT_EQ(png_au_format_ecran((dossier_ / "absent.png").string().c_str()), nullptr);
}

// Arms and turrets are drawn from kept turned copies: a kept copy must draw
// exactly what a fresh turn draws, and a picture freed by its owner must
// never lend its copies to a new picture, even one at the same address.
TEST_F(FormatEcran, KeptTurnsDrawAsFreshOnesAndFollowTheirPicture) {
  // Made in the screen's format in one allocation, so that a picture made
  // just after another is freed takes its place in memory.
  auto carre = [](Uint8 r, Uint8 g, Uint8 b) {
    SDL_Surface* s = surface_ecran(24, 10);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, r, g, b));
    return s;
  };
  SDL_Surface* rouge = carre(255, 0, 0);
  // A picture with half-transparent pixels: kept copies are run-length
  // encoded, fresh ones were not.
  SDL_Surface* voile = SDL_CreateRGBSurface(SDL_SWSURFACE, 24, 10, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);
  for (int x = 0; x < 24; ++x) {
    SDL_Rect colonne = Rect(x, 0, 1, 10);
    SDL_FillRect(voile, &colonne, SDL_MapRGBA(voile->format, 255, 10 * x, 0, static_cast<Uint8>(x * 11)));
  }
  voile = au_format_ecran(voile);
  SDL_Surface* garde = tourner_garde(voile, 33.0, 1.0);
  ASSERT_NE(garde, nullptr);
  EXPECT_EQ(tourner_garde(voile, 33.0, 1.0), garde);
  SDL_Surface* frais = tourner(voile, 33.0, 1.0);
  SDL_Surface* a = surface_ecran(40, 40);
  SDL_Surface* b = surface_ecran(40, 40);
  SDL_FillRect(a, nullptr, 0x00406080);
  SDL_FillRect(b, nullptr, 0x00406080);
  SDL_Rect ra = Rect(2, 3, 0, 0), rb = ra;
  SDL_BlitSurface(garde, nullptr, a, &ra);
  SDL_BlitSurface(frais, nullptr, b, &rb);
  EXPECT_TRUE(memes_pixels(a, b));
  SDL_FreeSurface(frais);
  SDL_FreeSurface(voile);

  // Hundreds of other turns later the copy was turned again, correctly.
  for (int i = 0; i < 600; ++i) ASSERT_NE(tourner_garde(rouge, i * 0.5, 1.0), nullptr);
  SDL_Surface* encore = tourner_garde(rouge, 33.0, 1.0);
  Uint8 r, g, bl;
  lire_rgb(encore, encore->w / 2, encore->h / 2, r, g, bl);
  EXPECT_EQ(r, 255);

  SDL_FreeSurface(rouge);
  for (int i = 0; i < 50; ++i) {
    SDL_Surface* bleu = carre(0, 0, 255);
    SDL_Surface* t = tourner_garde(bleu, 33.0, 1.0);
    lire_rgb(t, t->w / 2, t->h / 2, r, g, bl);
    ASSERT_EQ(bl, 255) << "a new picture drew an old one's turn";
    SDL_FreeSurface(bleu);
  }
  SDL_FreeSurface(a);
  SDL_FreeSurface(b);
}
