#include "engine/FormatEcran.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <list>
#include <unordered_map>

namespace {

// What SDL makes of a picture for the current screen, opaque (0) or with
// alpha (1): asked of SDL itself once per screen, so our quick conversion
// gives exactly the surfaces SDL_DisplayFormat and SDL_DisplayFormatAlpha
// give.
const SDL_PixelFormat* format_ecran(bool alpha) {
  static SDL_Surface* ecran = nullptr;
  static Uint32 masques[4] = {};
  static SDL_Surface* modeles[2] = {};
  SDL_Surface* v = SDL_GetVideoSurface();
  if (!v) return nullptr;
  const SDL_PixelFormat* f = v->format;
  if (v != ecran || f->Rmask != masques[0] || f->Gmask != masques[1] || f->Bmask != masques[2] ||
      f->Amask != masques[3]) {
    for (SDL_Surface*& m : modeles) {
      if (m) SDL_FreeSurface(m);
      m = nullptr;
    }
    if (SDL_Surface* un = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000)) {
      modeles[0] = SDL_DisplayFormat(un);
      modeles[1] = SDL_DisplayFormatAlpha(un);
      SDL_FreeSurface(un);
    }
    ecran = v;
    masques[0] = f->Rmask;
    masques[1] = f->Gmask;
    masques[2] = f->Bmask;
    masques[3] = f->Amask;
  }
  return modeles[alpha ? 1 : 0] ? modeles[alpha ? 1 : 0]->format : nullptr;
}

// 24- or 32-bit, one byte a channel, no palette: every PNG and JPEG we load.
bool octet_par_canal(const SDL_PixelFormat* f) {
  return f && !f->palette && (f->BytesPerPixel == 3 || f->BytesPerPixel == 4) && f->Rloss == 0 && f->Gloss == 0 &&
         f->Bloss == 0 && (f->Amask == 0 || f->Aloss == 0);
}

// SDL converts between such formats one pixel at a time through its generic
// path; a map loads thousands of pictures, so we move the bytes ourselves.
SDL_Surface* convertir(SDL_Surface* s, const SDL_PixelFormat* d) {
  const SDL_PixelFormat* f = s->format;
  SDL_Surface* c = SDL_CreateRGBSurface(SDL_SWSURFACE, s->w, s->h, 32, d->Rmask, d->Gmask, d->Bmask, d->Amask);
  if (!c) return nullptr;
  // Masks and shifts in locals: the stores below could alias the format.
  const int o = f->BytesPerPixel;
  const Uint32 rm = f->Rmask, gm = f->Gmask, bm = f->Bmask, am = f->Amask;
  const Uint8 rs = f->Rshift, gs = f->Gshift, bs = f->Bshift, as = f->Ashift;
  const Uint8 rd = d->Rshift, gd = d->Gshift, bd = d->Bshift, ad = d->Ashift;
  const bool alpha_cible = d->Amask != 0;
  const int w = s->w;
  SDL_LockSurface(s);
  for (int y = 0; y < s->h; ++y) {
    const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
    Uint32* q = reinterpret_cast<Uint32*>(static_cast<Uint8*>(c->pixels) + y * c->pitch);
    for (int x = 0; x < w; ++x, p += o) {
      Uint32 v;
      if (o == 4)
        std::memcpy(&v, p, 4);
      else
        v = p[0] | (p[1] << 8) | (p[2] << 16);
      Uint32 r = ((v & rm) >> rs) << rd | ((v & gm) >> gs) << gd | ((v & bm) >> bs) << bd;
      if (alpha_cible) r |= (am ? (v & am) >> as : 0xFFu) << ad;
      q[x] = r;
    }
  }
  SDL_UnlockSurface(s);
  // The flags SDL's conversion carries over.
  if (s->flags & SDL_SRCALPHA) SDL_SetAlpha(c, SDL_SRCALPHA, f->alpha);
  return c;
}

// A copy with an alpha channel, keyed pixels see-through.
SDL_Surface* avec_alpha(SDL_Surface* s) {
  if (SDL_GetVideoSurface()) return SDL_DisplayFormatAlpha(s);
  SDL_Surface* gabarit = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0xFF, 0xFF00, 0xFF0000, 0xFF000000);
  if (!gabarit) return nullptr;
  SDL_Surface* a = SDL_ConvertSurface(s, gabarit->format, SDL_SRCALPHA);
  SDL_FreeSurface(gabarit);
  return a;
}

}  // namespace

SDL_Surface* au_format_ecran(SDL_Surface* s) {
  if (!s || !SDL_GetVideoSurface()) return s;
  const bool alpha = s->format->Amask != 0;
  const SDL_PixelFormat* d = format_ecran(alpha);
  SDL_Surface* c = nullptr;
  // A colour key SDL turns into alpha or carries over: left to SDL.
  if (!(s->flags & SDL_SRCCOLORKEY) && octet_par_canal(s->format) && octet_par_canal(d) && d->BytesPerPixel == 4)
    c = convertir(s, d);
  if (!c) c = alpha ? SDL_DisplayFormatAlpha(s) : SDL_DisplayFormat(s);
  if (!c) return s;
  SDL_FreeSurface(s);
  // Sprites and overlays are mostly see-through or solid runs: SDL skips
  // and copies those runs instead of blending every pixel.
  if (c->format->Amask) SDL_SetAlpha(c, SDL_SRCALPHA | SDL_RLEACCEL, c->format->alpha);
  return c;
}

SDL_Surface* miroir_au_format(SDL_Surface* s) {
  if (!s) return nullptr;
  const SDL_PixelFormat* f = s->format;
  SDL_Surface* m =
      SDL_CreateRGBSurface(SDL_SWSURFACE, s->w, s->h, f->BitsPerPixel, f->Rmask, f->Gmask, f->Bmask, f->Amask);
  if (!m) return nullptr;
  if (f->palette && m->format->palette) SDL_SetColors(m, f->palette->colors, 0, f->palette->ncolors);
  // Raw pixels in the picture's own format: nothing to convert, nothing lost.
  SDL_LockSurface(s);
  SDL_LockSurface(m);
  const int o = f->BytesPerPixel, w = s->w;
  for (int y = 0; y < s->h; ++y) {
    const Uint8* source = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
    Uint8* cible = static_cast<Uint8*>(m->pixels) + y * m->pitch;
    if (o == 4) {
      const Uint32* a = reinterpret_cast<const Uint32*>(source);
      Uint32* b = reinterpret_cast<Uint32*>(cible);
      for (int x = 0; x < w; ++x) b[w - 1 - x] = a[x];
    } else {
      for (int x = 0; x < w; ++x) std::memcpy(cible + (w - 1 - x) * o, source + x * o, o);
    }
  }
  SDL_UnlockSurface(m);
  SDL_UnlockSurface(s);
  const Uint32 rle = (s->flags & SDL_RLEACCELOK) ? SDL_RLEACCEL : 0;
  if (s->flags & SDL_SRCCOLORKEY) SDL_SetColorKey(m, SDL_SRCCOLORKEY | rle, f->colorkey);
  if (f->Amask) SDL_SetAlpha(m, (s->flags & SDL_SRCALPHA) | rle, SDL_ALPHA_OPAQUE);
  return m;
}

SDL_Surface* tourner(SDL_Surface* s, double angle, double zoom) {
  if (!s) return nullptr;
  const bool opaque = s->format->Amask == 0;
  if (opaque && angle != 0.0) {
    // The uncovered corners come out as pixel 0, which on an opaque picture
    // is also its black: turn a copy that has an alpha channel instead.
    SDL_Surface* a = avec_alpha(s);
    SDL_Surface* r = a ? rotozoomSurface(a, angle, zoom, 0) : nullptr;
    if (a) SDL_FreeSurface(a);
    return r;
  }
  SDL_Surface* r = rotozoomSurface(s, angle, zoom, 0);
  // rotozoomSurface keys its copy on the source's key value even when the
  // source has no key, which would hide an opaque picture's black.
  if (r && opaque && !(s->flags & SDL_SRCCOLORKEY)) SDL_SetColorKey(r, 0, 0);
  return r;
}

namespace {

// Least recently used first out; a few hundred turned copies of arms and
// guns are a few megabytes.
class Tournees {
 public:
  Tournees() = default;
  Tournees(const Tournees&) = delete;
  Tournees& operator=(const Tournees&) = delete;
  ~Tournees() {
    for (Entree& e : ordre_) {
      SDL_FreeSurface(e.copie);
      SDL_FreeSurface(e.cle.s);
    }
  }

  SDL_Surface* donner(SDL_Surface* s, double angle, double zoom) {
    const Cle cle{s, angle, zoom};
    auto i = index_.find(cle);
    if (i != index_.end()) {
      ordre_.splice(ordre_.begin(), ordre_, i->second);
      return i->second->copie;
    }
    SDL_Surface* copie = tourner(s, angle, zoom);
    if (!copie) return nullptr;
    // Drawn many times from now on: worth SDL's run encoding, as loaded
    // pictures with alpha get it.
    if (copie->format->Amask) SDL_SetAlpha(copie, SDL_SRCALPHA | SDL_RLEACCEL, copie->format->alpha);
    ++s->refcount;
    ordre_.push_front({cle, copie});
    index_[cle] = ordre_.begin();
    while (ordre_.size() > CAPACITE) {
      Entree& e = ordre_.back();
      index_.erase(e.cle);
      SDL_FreeSurface(e.copie);
      SDL_FreeSurface(e.cle.s);
      ordre_.pop_back();
    }
    return copie;
  }

 private:
  static constexpr size_t CAPACITE = 512;
  struct Cle {
    SDL_Surface* s;
    double angle, zoom;
    bool operator==(const Cle& o) const { return s == o.s && angle == o.angle && zoom == o.zoom; }
  };
  struct Hachage {
    size_t operator()(const Cle& c) const {
      const size_t h = std::hash<const void*>()(c.s);
      return h ^ (std::hash<double>()(c.angle) * 31u) ^ (std::hash<double>()(c.zoom) * 131u);
    }
  };
  struct Entree {
    Cle cle;
    SDL_Surface* copie;
  };
  std::list<Entree> ordre_;
  std::unordered_map<Cle, std::list<Entree>::iterator, Hachage> index_;
};

}  // namespace

SDL_Surface* tourner_garde(SDL_Surface* s, double angle, double zoom) {
  if (!s) return nullptr;
  static Tournees tournees;
  return tournees.donner(s, angle, zoom);
}

namespace {

bool libre(const SDL_Surface* s) { return !s->locked && !SDL_MUSTLOCK(s) && !(s->flags & SDL_HWSURFACE) && s->pixels; }

// When SDL would blit by copying bytes: one format, nothing see-through.
bool copie_simple(const SDL_Surface* src, const SDL_Surface* dst) {
  const SDL_PixelFormat* a = src->format;
  const SDL_PixelFormat* b = dst->format;
  return src != dst && libre(src) && libre(dst) && !(src->flags & (SDL_SRCCOLORKEY | SDL_SRCALPHA)) && !a->palette &&
         !b->palette && a->BytesPerPixel >= 2 && a->BitsPerPixel == b->BitsPerPixel &&
         a->BytesPerPixel == b->BytesPerPixel && a->Rmask == b->Rmask && a->Gmask == b->Gmask && a->Bmask == b->Bmask &&
         a->Amask == b->Amask;
}

// SDL_UpperBlit's clipping, one axis at a time: s and l the source's start
// and length, d where it lands.
void rogner_source(int& s, int& l, Sint16& d, int taille) {
  if (s < 0) {
    l += s;
    d = static_cast<Sint16>(d - s);
    s = 0;
  }
  if (taille - s < l) l = taille - s;
}

void rogner_clip(int& s, int& l, Sint16& d, int debut, int longueur) {
  const int avant = debut - d;
  if (avant > 0) {
    l -= avant;
    d = static_cast<Sint16>(d + avant);
    s += avant;
  }
  const int apres = d + l - debut - longueur;
  if (apres > 0) l -= apres;
}

}  // namespace

int blit_rapide(SDL_Surface* src, SDL_Rect* srcrect, SDL_Surface* dst, SDL_Rect* dstrect) {
  if (!src || !dst || !dstrect || !copie_simple(src, dst)) return SDL_UpperBlit(src, srcrect, dst, dstrect);
  // Callers read dstrect back, as SDL leaves it.
  int sx = 0, sy = 0, w = src->w, h = src->h;
  if (srcrect) {
    sx = srcrect->x;
    w = srcrect->w;
    sy = srcrect->y;
    h = srcrect->h;
    rogner_source(sx, w, dstrect->x, src->w);
    rogner_source(sy, h, dstrect->y, src->h);
  }
  const SDL_Rect& c = dst->clip_rect;
  rogner_clip(sx, w, dstrect->x, c.x, c.w);
  rogner_clip(sy, h, dstrect->y, c.y, c.h);
  if (w <= 0 || h <= 0) {
    dstrect->w = dstrect->h = 0;
    return 0;
  }
  dstrect->w = static_cast<Uint16>(w);
  dstrect->h = static_cast<Uint16>(h);
  const int o = src->format->BytesPerPixel;
  const Uint8* p = static_cast<const Uint8*>(src->pixels) + sy * src->pitch + sx * o;
  Uint8* q = static_cast<Uint8*>(dst->pixels) + dstrect->y * dst->pitch + dstrect->x * o;
  const size_t ligne = static_cast<size_t>(w) * o;
  for (int y = 0; y < h; ++y, p += src->pitch, q += dst->pitch) std::memcpy(q, p, ligne);
  return 0;
}

int remplir(SDL_Surface* dst, SDL_Rect* r, Uint32 couleur) {
  if (!dst || !libre(dst) || dst->format->BytesPerPixel != 4) return SDL_FillRect(dst, r, couleur);
  SDL_Rect z = dst->clip_rect;
  if (r) {
    // The part inside the clip rectangle, written back even when empty.
    const SDL_Rect& c = dst->clip_rect;
    const int x0 = std::max<int>(r->x, c.x), x1 = std::min<int>(r->x + r->w, c.x + c.w);
    const int y0 = std::max<int>(r->y, c.y), y1 = std::min<int>(r->y + r->h, c.y + c.h);
    z.x = static_cast<Sint16>(x0);
    z.y = static_cast<Sint16>(y0);
    z.w = static_cast<Uint16>(x1 > x0 ? x1 - x0 : 0);
    z.h = static_cast<Uint16>(y1 > y0 ? y1 - y0 : 0);
    *r = z;
    if (!z.w || !z.h) return 0;
  }
  Uint8* q = static_cast<Uint8*>(dst->pixels) + z.y * dst->pitch + z.x * 4;
  for (int y = 0; y < z.h; ++y, q += dst->pitch) {
    Uint32* l = reinterpret_cast<Uint32*>(q);
    std::fill(l, l + z.w, couleur);
  }
  return 0;
}

namespace {

[[noreturn]] void erreur_png(png_structp png, png_const_charp) { longjmp(png_jmpbuf(png), 1); }
// What libpng only warns about is damage to an optional chunk it has left
// out: the picture itself is whole.
void avertissement_png(png_structp, png_const_charp) {}

// Where the channels of a 32-bit screen format lie, byte by byte in memory:
// red, green and blue in bytes 0 to 2 (or blue, green, red), alpha or
// nothing in byte 3. Other layouts go through SDL's conversion.
bool disposition_connue(const SDL_PixelFormat* d, bool& bgr) {
  if (SDL_BYTEORDER != SDL_LIL_ENDIAN || !d || !octet_par_canal(d) || d->BytesPerPixel != 4) return false;
  if (d->Amask && d->Ashift != 24) return false;
  if (d->Gshift != 8) return false;
  if (d->Rshift == 0 && d->Bshift == 16) {
    bgr = false;
    return true;
  }
  if (d->Rshift == 16 && d->Bshift == 0) {
    bgr = true;
    return true;
  }
  return false;
}

// What SDL_image makes of a palette's transparency: the index of its only
// see-through entry when all the others are opaque (a colour key), -1 when
// every entry is opaque, -2 when it takes an alpha channel.
int transparence_palette(png_const_bytep alphas, int n) {
  int t = -1;
  for (int j = 0; j < n; ++j) {
    if (alphas[j] == 0 && t < 0)
      t = j;
    else if (alphas[j] != 255)
      return -2;
  }
  return t;
}

// The surface SDL_image makes for the picture as libpng now gives it: its
// depth, masks and palette, its colour key `cle` (-1 for none, else a palette
// index or, without a palette, the transparent colour of the file, whose
// samples have `profondeur` bits).
SDL_Surface* surface_comme_sdl_image(png_structp png, png_infop info, int cle, png_const_color_16p couleur,
                                     int profondeur) {
  const int canaux = png_get_channels(png, info);
  const int genre = png_get_color_type(png, info);
  Uint32 r = 0, g = 0, b = 0, a = 0;
  if (genre != PNG_COLOR_TYPE_PALETTE) {
    if (SDL_BYTEORDER == SDL_LIL_ENDIAN) {
      r = 0x000000FF;
      g = 0x0000FF00;
      b = 0x00FF0000;
      a = canaux == 4 ? 0xFF000000 : 0;
    } else {
      const int d = canaux == 4 ? 0 : 8;
      r = 0xFF000000 >> d;
      g = 0x00FF0000 >> d;
      b = 0x0000FF00 >> d;
      a = 0x000000FF >> d;
    }
  }
  SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, static_cast<int>(png_get_image_width(png, info)),
                                        static_cast<int>(png_get_image_height(png, info)),
                                        png_get_bit_depth(png, info) * canaux, r, g, b, a);
  if (!s) return nullptr;
  if (cle >= 0) {
    // 16-bit samples keep their high byte: so does the transparent colour
    // (SDL_image kept its low byte, and hid another colour).
    const int d = profondeur == 16 ? 8 : 0;
    const Uint32 c = genre == PNG_COLOR_TYPE_PALETTE
                         ? static_cast<Uint32>(cle)
                         : SDL_MapRGB(s->format, static_cast<Uint8>(couleur->red >> d),
                                      static_cast<Uint8>(couleur->green >> d), static_cast<Uint8>(couleur->blue >> d));
    SDL_SetColorKey(s, SDL_SRCCOLORKEY, c);
  }
  if (SDL_Palette* p = s->format->palette) {
    png_colorp couleurs = nullptr;
    int n = 0;
    if (genre == PNG_COLOR_TYPE_GRAY) {
      p->ncolors = 256;
      for (int i = 0; i < 256; ++i) p->colors[i].r = p->colors[i].g = p->colors[i].b = static_cast<Uint8>(i);
    } else if (png_get_PLTE(png, info, &couleurs, &n) && n > 0) {
      p->ncolors = std::min(n, p->ncolors);
      for (int i = 0; i < p->ncolors; ++i) {
        p->colors[i].r = couleurs[i].red;
        p->colors[i].g = couleurs[i].green;
        p->colors[i].b = couleurs[i].blue;
      }
    }
  }
  return s;
}

// The PNG of f, whose eight signature bytes are read; closes f.
SDL_Surface* lire_png(std::FILE* f) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, erreur_png, avertissement_png);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    std::fclose(f);
    return nullptr;
  }
  // Whatever libpng's error jump may skip is held in these two and freed
  // on either way out.
  SDL_Surface* volatile s = nullptr;
  png_bytep* volatile lignes = nullptr;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(f);
    std::free(lignes);
    if (s) SDL_FreeSurface(s);
    return nullptr;
  }
  png_init_io(png, f);
  png_set_sig_bytes(png, 8);
  // A picture whose only damage is an optional chunk (a text with a wrong
  // checksum, a transparency longer than the palette) loads without that
  // chunk, as SDL_image loaded it: libpng's own choices stand for the chunks
  // before the rows, and a wrong checksum stops the reading only in a
  // required chunk. Of the optional chunks only the transparency changes
  // what we show; colour profiles, gamma and texts are skipped, as
  // SDL_image ignored them.
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
  png_read_info(png, info);
  png_uint_32 w = 0, h = 0;
  int profondeur = 0, genre = 0;
  png_get_IHDR(png, info, &w, &h, &profondeur, &genre, nullptr, nullptr, nullptr);
  if (w == 0 || h == 0 || w > 16384 || h > 16384) longjmp(png_jmpbuf(png), 1);
  // SDL_image's own transforms, so that every picture looks as it did.
  png_set_strip_16(png);
  png_set_packing(png);
  png_set_interlace_handling(png);
  if (genre == PNG_COLOR_TYPE_GRAY) png_set_expand(png);
  bool alpha = (genre & PNG_COLOR_MASK_ALPHA) != 0;
  int cle = -1;
  png_color_16p couleur = nullptr;
  const bool trns = png_get_valid(png, info, PNG_INFO_tRNS);
  if (trns) {
    png_bytep alphas = nullptr;
    int n = 0;
    png_get_tRNS(png, info, &alphas, &n, &couleur);
    if (genre == PNG_COLOR_TYPE_PALETTE) {
      cle = transparence_palette(alphas, n);
      if (cle == -2) {
        png_set_expand(png);
        alpha = true;
      }
    } else if (genre == PNG_COLOR_TYPE_GRAY) {
      // SDL_image read grey levels with a transparent one into a surface
      // whose masks do not match them; they are grey with alpha here.
      png_set_gray_to_rgb(png);
      alpha = true;
    } else if (couleur) {
      cle = 0;
    }
  }
  if (genre == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  bool bgr = false;
  // A colour key is left to SDL's conversion, as is a palette whose
  // transparency says nothing (libpng would give it an alpha channel).
  const bool direct =
      cle < 0 && !(trns && !alpha) && SDL_GetVideoSurface() && disposition_connue(format_ecran(alpha), bgr);
  if (direct) {
    // Straight into the screen's format, without SDL_image's picture in
    // between: every picture the game is made of comes this way.
    const SDL_PixelFormat* d = format_ecran(alpha);
    if (genre == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (genre == PNG_COLOR_TYPE_GRAY) png_set_gray_to_rgb(png);
    if (bgr) png_set_bgr(png);
    // The unused byte is 0, as SDL's conversion leaves it.
    if (!alpha) png_set_filler(png, 0, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<size_t>(w) * 4) longjmp(png_jmpbuf(png), 1);
    s = SDL_CreateRGBSurface(SDL_SWSURFACE, static_cast<int>(w), static_cast<int>(h), 32, d->Rmask, d->Gmask, d->Bmask,
                             d->Amask);
  } else {
    png_read_update_info(png, info);
    s = surface_comme_sdl_image(png, info, cle, couleur, profondeur);
    if (s && png_get_rowbytes(png, info) > static_cast<size_t>(s->pitch)) longjmp(png_jmpbuf(png), 1);
  }
  lignes = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * h));
  if (!s || !lignes) longjmp(png_jmpbuf(png), 1);
  for (png_uint_32 y = 0; y < h; ++y) lignes[y] = static_cast<png_bytep>(s->pixels) + y * s->pitch;
  // The rows are refused at their first fault, never shown garbled: libpng
  // would only warn when zlib's sum fails after the last row. Nothing past
  // the rows is read, as SDL_image read nothing there: a missing or damaged
  // end chunk leaves the picture whole.
  png_set_benign_errors(png, 0);
  png_read_image(png, lignes);
  png_destroy_read_struct(&png, &info, nullptr);
  std::fclose(f);
  std::free(lignes);
  if (!direct) return au_format_ecran(s);
  if (alpha) SDL_SetAlpha(s, SDL_SRCALPHA | SDL_RLEACCEL, SDL_ALPHA_OPAQUE);
  return s;
}

}  // namespace

SDL_Surface* image_au_format_ecran(const char* chemin) {
  if (!chemin) return nullptr;
  std::FILE* f = std::fopen(chemin, "rb");
  if (!f) return nullptr;
  png_byte signature[8];
  const size_t lus = std::fread(signature, 1, 8, f);
  // SDL_image knows a PNG by its first four bytes: every such file is
  // libpng's, a damaged signature included.
  if (lus >= 4 && !png_sig_cmp(signature, 0, 4)) {
    if (lus != 8 || png_sig_cmp(signature, 0, 8)) {
      std::fclose(f);
      return nullptr;
    }
    return lire_png(f);
  }
  std::fclose(f);
  return au_format_ecran(IMG_Load(chemin));
}
