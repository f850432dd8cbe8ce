#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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

namespace {

// A PNG of any kind libpng writes, its samples drawn from a few levels so
// that a transparent colour recurs. `trns`: none (-1); for a palette, 0
// one see-through entry, 1 one half-transparent entry, 2 every entry
// opaque; for grey or RGB, the colour of the first pixel.
void ecrire_variante(const std::string& chemin, int genre, int profondeur, bool entrelace, int trns = -1,
                     int compression = 6) {
  const int w = 13, h = 7;
  FILE* f = std::fopen(chemin.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, f);
  png_set_compression_level(png, compression);
  png_set_IHDR(png, info, w, h, profondeur, genre, entrelace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  const int canaux = genre == PNG_COLOR_TYPE_RGB          ? 3
                     : genre == PNG_COLOR_TYPE_RGB_ALPHA  ? 4
                     : genre == PNG_COLOR_TYPE_GRAY_ALPHA ? 2
                                                          : 1;
  const int nb_couleurs = 1 << std::min(profondeur, 8);
  png_color palette[256];
  png_byte alphas[256];
  for (int i = 0; i < 256; ++i) {
    palette[i] = {static_cast<png_byte>(i * 37), static_cast<png_byte>(255 - i * 11), static_cast<png_byte>(i * 5)};
    alphas[i] = 255;
  }
  if (genre == PNG_COLOR_TYPE_PALETTE) png_set_PLTE(png, info, palette, nb_couleurs);
  // Samples from four levels; 16-bit ones with unlike bytes, the high one
  // the level.
  const int max = (1 << profondeur) - 1;
  auto echantillon = [max](int x, int y, int c) {
    const int niveau = (x * 7 + y * 3 + c * 5 + (x * y) % 3) % 4;
    return max * niveau / 3;
  };
  if (trns >= 0 && genre == PNG_COLOR_TYPE_PALETTE) {
    alphas[1] = trns == 0 ? 0 : trns == 1 ? 128 : 255;
    png_set_tRNS(png, info, alphas, std::min(nb_couleurs, 3), nullptr);
  } else if (trns >= 0) {
    png_color_16 c{};
    auto comme_pixel = [&](int c) {
      const int v = echantillon(0, 0, c);
      return static_cast<png_uint_16>(profondeur == 16 ? (v & 0xFF00) | ((v >> 8) ^ 0x0F) : v);
    };
    c.gray = c.red = comme_pixel(0);
    c.green = comme_pixel(1);
    c.blue = comme_pixel(2);
    png_set_tRNS(png, info, nullptr, 0, &c);
  }
  png_write_info(png, info);
  const size_t octets = (static_cast<size_t>(w) * canaux * profondeur + 7) / 8;
  std::vector<png_byte> pixels(octets * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      for (int c = 0; c < canaux; ++c) {
        int v = echantillon(x, y, genre == PNG_COLOR_TYPE_PALETTE ? 0 : c);
        if (genre == PNG_COLOR_TYPE_PALETTE) v = (x + y) % nb_couleurs;
        png_byte* ligne = &pixels[y * octets];
        const size_t bit = static_cast<size_t>(x * canaux + c) * profondeur;
        if (profondeur == 16) {
          ligne[bit / 8] = static_cast<png_byte>(v >> 8);
          ligne[bit / 8 + 1] = static_cast<png_byte>((v >> 8) ^ 0x0F);
        } else {
          ligne[bit / 8] = static_cast<png_byte>(ligne[bit / 8] | (v << (8 - profondeur - bit % 8)));
        }
      }
  std::vector<png_bytep> lignes(h);
  for (int y = 0; y < h; ++y) lignes[y] = &pixels[y * octets];
  png_write_image(png, lignes.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(f);
}

// The same surface: size, format, flags, colour key and every pixel.
testing::AssertionResult memes_surfaces(SDL_Surface* a, SDL_Surface* b) {
  if (!a || !b) return testing::AssertionFailure() << (a ? "" : "ours ") << (b ? "" : "SDL_image's ") << "null";
  const SDL_PixelFormat *fa = a->format, *fb = b->format;
  const Uint32 drapeaux = SDL_SRCALPHA | SDL_SRCCOLORKEY | SDL_RLEACCELOK;
  if (a->w != b->w || a->h != b->h || fa->BitsPerPixel != fb->BitsPerPixel || fa->Rmask != fb->Rmask ||
      fa->Gmask != fb->Gmask || fa->Bmask != fb->Bmask || fa->Amask != fb->Amask || fa->alpha != fb->alpha ||
      (a->flags & drapeaux) != (b->flags & drapeaux) || fa->colorkey != fb->colorkey)
    return testing::AssertionFailure() << "not the same format";
  SDL_LockSurface(a);
  SDL_LockSurface(b);
  bool pareils = true;
  for (int y = 0; y < a->h && pareils; ++y)
    pareils = std::memcmp(static_cast<Uint8*>(a->pixels) + y * a->pitch, static_cast<Uint8*>(b->pixels) + y * b->pitch,
                          static_cast<size_t>(a->w) * fa->BytesPerPixel) == 0;
  SDL_UnlockSurface(a);
  SDL_UnlockSurface(b);
  return pareils ? testing::AssertionSuccess() : testing::AssertionFailure() << "not the same pixels";
}

testing::AssertionResult comme_sdl_image(const std::string& chemin) {
  SDL_Surface* a = image_au_format_ecran(chemin.c_str());
  SDL_Surface* b = au_format_ecran(IMG_Load(chemin.c_str()));
  testing::AssertionResult r = memes_surfaces(a, b);
  if (a) SDL_FreeSurface(a);
  if (b) SDL_FreeSurface(b);
  return r << " " << chemin;
}

std::string octets_de(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), {}};
}

// Where the chunk `genre` starts (its length field), or npos.
size_t morceau(const std::string& png, const char* genre) {
  for (size_t p = 8; p + 8 <= png.size();) {
    const uint32_t n = static_cast<uint8_t>(png[p]) << 24 | static_cast<uint8_t>(png[p + 1]) << 16 |
                       static_cast<uint8_t>(png[p + 2]) << 8 | static_cast<uint8_t>(png[p + 3]);
    if (png.compare(p + 4, 4, genre) == 0) return p;
    p += 12 + n;
  }
  return std::string::npos;
}

uint32_t longueur(const std::string& png, size_t p) {
  return static_cast<uint8_t>(png[p]) << 24 | static_cast<uint8_t>(png[p + 1]) << 16 |
         static_cast<uint8_t>(png[p + 2]) << 8 | static_cast<uint8_t>(png[p + 3]);
}

// The chunk at p gets back its right checksum.
void resigner(std::string& png, size_t p) {
  const uint32_t n = longueur(png, p);
  const uLong c = crc32(0L, reinterpret_cast<const Bytef*>(png.data() + p + 4), n + 4);
  for (int i = 0; i < 4; ++i) png[p + 8 + n + i] = static_cast<char>(c >> (24 - 8 * i));
}

// A whole chunk of kind `genre` holding `donnees`, rightly signed.
std::string nouveau_morceau(const char* genre, const std::string& donnees) {
  std::string m(4, '\0');
  for (int i = 0; i < 4; ++i) m[i] = static_cast<char>(donnees.size() >> (24 - 8 * i));
  m += std::string(genre, 4) + donnees + std::string(4, '\0');
  resigner(m, 0);
  return m;
}

}  // namespace

// libpng reads every PNG in SDL_image's stead: each kind of PNG must come
// out the surface SDL_image and the conversion made of it, byte for byte,
// and the cut-scenes' JPEGs are still SDL_image's.
TEST_F(FormatEcran, PngReaderGivesWhatSdlImageAndTheConversionGive) {
  int vus = 0;
  for (const auto& e : std::filesystem::recursive_directory_iterator(GAME_DATA_DIR)) {
    if ((e.path().extension() != ".png" && e.path().extension() != ".jpg") || vus++ % 3) continue;
    EXPECT_TRUE(comme_sdl_image(e.path().string()));
  }
  EXPECT_GT(vus, 300);

  struct Variante {
    int genre, profondeur;
    bool entrelace;
    int trns;
  };
  const Variante variantes[] = {
      {PNG_COLOR_TYPE_PALETTE, 1, false, -1},    {PNG_COLOR_TYPE_PALETTE, 2, true, -1},
      {PNG_COLOR_TYPE_PALETTE, 4, false, 0},     {PNG_COLOR_TYPE_PALETTE, 8, false, -1},
      {PNG_COLOR_TYPE_PALETTE, 8, true, 0},      {PNG_COLOR_TYPE_PALETTE, 8, false, 1},
      {PNG_COLOR_TYPE_PALETTE, 8, false, 2},     {PNG_COLOR_TYPE_GRAY, 1, false, -1},
      {PNG_COLOR_TYPE_GRAY, 4, true, -1},        {PNG_COLOR_TYPE_GRAY, 8, false, -1},
      {PNG_COLOR_TYPE_GRAY, 16, false, -1},      {PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, -1},
      {PNG_COLOR_TYPE_GRAY_ALPHA, 16, true, -1}, {PNG_COLOR_TYPE_RGB, 8, true, -1},
      {PNG_COLOR_TYPE_RGB, 16, false, -1},       {PNG_COLOR_TYPE_RGB, 8, false, 0},
      {PNG_COLOR_TYPE_RGB_ALPHA, 8, true, -1},   {PNG_COLOR_TYPE_RGB_ALPHA, 16, false, -1},
  };
  int n = 0;
  for (const Variante& v : variantes) {
    const std::string chemin = (dossier_ / ("v" + std::to_string(n++) + ".png")).string();
    ecrire_variante(chemin, v.genre, v.profondeur, v.entrelace, v.trns);
    EXPECT_TRUE(comme_sdl_image(chemin));
  }

  // Two kinds SDL_image garbled. Grey levels with a transparent one came
  // out red and green (grey and alpha read as colours): they are grey, the
  // transparent level see-through.
  const std::string gris = (dossier_ / "gris.png").string();
  ecrire_variante(gris, PNG_COLOR_TYPE_GRAY, 8, false, 0);
  SDL_Surface* g = image_au_format_ecran(gris.c_str());
  ASSERT_NE(g, nullptr);
  ASSERT_NE(g->format->Amask, 0u);
  SDL_LockSurface(g);
  Uint8 r, v, b, a;
  SDL_GetRGBA(obtenirPixel(g, 0, 0), g->format, &r, &v, &b, &a);
  EXPECT_EQ(a, 0);
  SDL_GetRGBA(obtenirPixel(g, 1, 0), g->format, &r, &v, &b, &a);
  EXPECT_TRUE(a == 255 && r == v && v == b && r != 0) << int(r) << " " << int(v) << " " << int(b);
  SDL_UnlockSurface(g);
  SDL_FreeSurface(g);
  // It hid the colour whose low bytes were those of the 16-bit transparent
  // one: the transparent colour is hidden.
  const std::string seize = (dossier_ / "seize.png").string();
  ecrire_variante(seize, PNG_COLOR_TYPE_RGB, 16, true, 0);
  SDL_Surface* k = image_au_format_ecran(seize.c_str());
  ASSERT_NE(k, nullptr);
  ASSERT_TRUE(k->flags & SDL_SRCCOLORKEY);
  SDL_LockSurface(k);
  EXPECT_EQ(obtenirPixel(k, 0, 0), k->format->colorkey);
  SDL_UnlockSurface(k);
  SDL_FreeSurface(k);
}

// A damaged PNG is a missing picture, at once: never a garbled picture,
// never a wait, whether its rows or a chunk they need is damaged. A damaged
// optional chunk is left out and nothing past the rows is read: the picture
// then loads as SDL_image loads it.
TEST_F(FormatEcran, DamagedPngIsRefusedAtOnceUnlessItsRowsAndRequiredChunksBeforeThemAreWhole) {
  ecrire_variante((dossier_ / "sain.png").string(), PNG_COLOR_TYPE_PALETTE, 8, false, 0);
  const std::string sain = octets_de(dossier_ / "sain.png");
  ASSERT_NE(AllouerImage("sain.png", 0, false), nullptr);
  const size_t plte = morceau(sain, "PLTE"), trns = morceau(sain, "tRNS"), idat = morceau(sain, "IDAT"),
               iend = morceau(sain, "IEND");
  ASSERT_TRUE(plte != std::string::npos && trns != std::string::npos && idat != std::string::npos &&
              iend != std::string::npos);

  std::vector<std::string> lisibles;
  std::string s = sain;
  s[trns + 8] ^= 0x01;  // the transparency's checksum no longer fits
  lisibles.push_back(s);
  s = sain;
  std::string texte = nouveau_morceau("tEXt", std::string("Comment\0abc", 11));
  texte[texte.size() - 1] ^= 0x01;  // a text whose checksum no longer fits
  lisibles.push_back(s.insert(idat, texte));
  // A two-colour palette given a third transparency entry.
  ecrire_variante((dossier_ / "deux.png").string(), PNG_COLOR_TYPE_PALETTE, 1, false, 0);
  s = octets_de(dossier_ / "deux.png");
  const size_t t = morceau(s, "tRNS");
  s.replace(t, 12 + longueur(s, t), nouveau_morceau("tRNS", s.substr(t + 8, longueur(s, t)) + '\xFF'));
  lisibles.push_back(s);
  lisibles.push_back(sain.substr(0, iend));  // cut after the rows
  s = sain;
  s.back() ^= 0x01;  // the end chunk's checksum no longer fits
  lisibles.push_back(s);
  // Pixels naming colours past a four-colour palette with a colour key:
  // libpng tells only after the rows.
  s = sain;
  lisibles.push_back(s.replace(plte, 12 + longueur(s, plte), nouveau_morceau("PLTE", s.substr(plte + 8, 12))));
  for (size_t i = 0; i < lisibles.size(); ++i) {
    const std::string nom = "lisible" + std::to_string(i) + ".png";
    ecrire_fichier(nom, lisibles[i]);
    testing::internal::CaptureStderr();  // libpng's own warnings, from SDL_image
    EXPECT_TRUE(comme_sdl_image((dossier_ / nom).string()));
    testing::internal::GetCapturedStderr();
  }

  std::vector<std::string> abimes;
  // A plain RGB picture's rows stored, not compressed, so that a changed
  // byte still inflates: only zlib's sum tells, in a chunk of its own after
  // the rows, where libpng would only warn.
  ecrire_variante((dossier_ / "brut.png").string(), PNG_COLOR_TYPE_RGB, 8, false, -1, 0);
  s = octets_de(dossier_ / "brut.png");
  const size_t rangs = morceau(s, "IDAT"), n = longueur(s, rangs);
  std::string lignes = s.substr(rangs + 8, n - 4);
  lignes[40] ^= 0x01;
  const std::string somme = s.substr(rangs + 8 + n - 4, 4);
  abimes.push_back(s.replace(rangs, 12 + n, nouveau_morceau("IDAT", lignes) + nouveau_morceau("IDAT", somme)));
  abimes.push_back(sain.substr(0, trns + 9));  // the transparency runs past the end
  s = sain;
  s[iend - 1] ^= 0x01;  // the last rows' chunk's checksum no longer fits
  abimes.push_back(s);
  s = sain;
  s[plte + 8] ^= 0x01;  // the palette's checksum no longer fits
  abimes.push_back(s);
  // A chunk declaring two gigabytes before the rows.
  s = sain;
  std::string geant("\x7F\xFF\xFF\xF0zzZz", 8);
  abimes.push_back(s.insert(idat, geant + std::string(4, '\0')));
  s = sain;
  s[7] = 0;  // the signature damaged past SDL_image's test
  abimes.push_back(s);
  // zlib's sum itself, on rows compressed as usual: libpng reaches it only
  // after the last row.
  ecrire_variante((dossier_ / "serre.png").string(), PNG_COLOR_TYPE_RGB, 8, false);
  s = octets_de(dossier_ / "serre.png");
  s[morceau(s, "IEND") - 5] ^= 0x01;
  resigner(s, morceau(s, "IDAT"));
  abimes.push_back(s);

  const auto debut = std::chrono::steady_clock::now();
  for (size_t i = 0; i < abimes.size(); ++i) {
    const std::string nom = "abime" + std::to_string(i) + ".png";
    ecrire_fichier(nom, abimes[i]);
    const int avant = nb_images;
    testing::internal::CaptureStderr();
    EXPECT_EQ(AllouerImage(nom.c_str(), 0, false), nullptr) << nom;
    // The file is there: the map maker is told it is damaged, not missing.
    EXPECT_NE(testing::internal::GetCapturedStderr().find("damaged picture \"" + nom), std::string::npos) << nom;
    EXPECT_EQ(nb_images, avant);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(5));
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
