#include "engine/Fonctions.h"

#include <cmath>
#include <cstdio>

#include "engine/Constantes.h"
#include "engine/FormatEcran.h"

namespace {
constexpr Uint32 R_MASK = 0x000000FF, G_MASK = 0x0000FF00, B_MASK = 0x00FF0000, A_MASK = 0xFF000000;

SDL_Surface* surface32(int w, int h, Uint32 drapeaux) {
  return SDL_CreateRGBSurface(drapeaux, w, h, 32, R_MASK, G_MASK, B_MASK, A_MASK);
}

// Copies every pixel of s into a new 32-bit RGBA surface, at (cible_x(x), cible_y(y)).
template <typename FX, typename FY>
SDL_Surface* recopier(SDL_Surface* s, Uint32 drapeaux, FX cible_x, FY cible_y) {
  if (!s) return nullptr;
  SDL_Surface* d = surface32(s->w, s->h, drapeaux);
  if (!d) return nullptr;
  SDL_LockSurface(s);
  SDL_LockSurface(d);
  for (int yy = 0; yy < s->h; ++yy)
    for (int xx = 0; xx < s->w; ++xx) {
      Uint8 r, g, b, a;
      SDL_GetRGBA(obtenirPixel(s, xx, yy), s->format, &r, &g, &b, &a);
      definirPixel(d, cible_x(xx), cible_y(yy), SDL_MapRGBA(d->format, r, g, b, a));
    }
  SDL_UnlockSurface(d);
  SDL_UnlockSurface(s);
  return d;
}
}  // namespace

void Blitter(SDL_Surface* src, SDL_Rect* srcrect, SDL_Surface* dst, SDL_Rect* dstrect) {
  if (!src || !dst || !dstrect) return;
  if (dstrect->x >= 0 && dstrect->y >= 0) {
    blit_rapide(src, srcrect, dst, dstrect);
    return;
  }
  static SDL_Rect S, D;
  int sx = srcrect ? srcrect->x : 0, sy = srcrect ? srcrect->y : 0;
  if (dstrect->x < 0) sx -= dstrect->x;
  if (dstrect->y < 0) sy -= dstrect->y;
  int fin_x, fin_y, w, h;
  if (srcrect) {
    fin_x = srcrect->x + srcrect->w;
    fin_y = srcrect->y + srcrect->h;
    w = srcrect->w + (dstrect->x < 0 ? dstrect->x : 0);
    h = srcrect->h + (dstrect->y < 0 ? dstrect->y : 0);
  } else {
    fin_x = src->w;
    fin_y = src->h;
    w = src->w;
    h = src->h;
  }
  if (sx >= fin_x || sy >= fin_y) return;
  S.x = static_cast<Sint16>(sx);
  S.y = static_cast<Sint16>(sy);
  S.w = static_cast<Uint16>(w);
  S.h = static_cast<Uint16>(h);
  D.x = dstrect->x > 0 ? dstrect->x : 0;
  D.y = dstrect->y > 0 ? dstrect->y : 0;
  D.w = D.h = 0;
  blit_rapide(src, &S, dst, &D);
}

Uint32 obtenirPixel(SDL_Surface* s, int x, int y) {
  int bpp = s->format->BytesPerPixel;
  Uint8* p = static_cast<Uint8*>(s->pixels) + y * s->pitch + x * bpp;
  switch (bpp) {
    case 1: return *p;
    case 2: return *reinterpret_cast<Uint16*>(p);
    case 3: return p[0] | (p[1] << 8) | (p[2] << 16);
    case 4: return *reinterpret_cast<Uint32*>(p);
    default: return 0;
  }
}

void definirPixel(SDL_Surface* s, int x, int y, Uint32 pixel) {
  int bpp = s->format->BytesPerPixel;
  Uint8* p = static_cast<Uint8*>(s->pixels) + y * s->pitch + x * bpp;
  switch (bpp) {
    case 1: *p = static_cast<Uint8>(pixel); break;
    case 2: *reinterpret_cast<Uint16*>(p) = static_cast<Uint16>(pixel); break;
    case 3:
      p[0] = pixel & 0xFF;
      p[1] = (pixel >> 8) & 0xFF;
      p[2] = (pixel >> 16) & 0xFF;
      break;
    case 4: *reinterpret_cast<Uint32*>(p) = pixel; break;
    default: break;
  }
}

SDL_Surface* Symetrie_Horizontale(SDL_Surface* s) {
  if (!s) return nullptr;
  int w = s->w;
  return recopier(s, SDL_HWSURFACE, [w](int x) { return w - 1 - x; }, [](int y) { return y; });
}

SDL_Surface* Symetrie_Verticale(SDL_Surface* s) {
  if (!s) return nullptr;
  int h = s->h;
  return recopier(s, SDL_SWSURFACE, [](int x) { return x; }, [h](int y) { return h - 1 - y; });
}

SDL_Surface* IMG_load2(SDL_Surface* s) {
  SDL_Surface* d = recopier(s, SDL_HWSURFACE, [](int x) { return x; }, [](int y) { return y; });
  if (s) SDL_FreeSurface(s);
  return d;
}

SDL_Surface* ImageTrame(SDL_Surface* planche, SDL_Rect r) {
  SDL_Surface* d = surface32(r.w, r.h, SDL_SWSURFACE);
  if (!d || !planche) return d;
  SDL_Rect dest = {0, 0, 0, 0};
  Blitter(planche, &r, d, &dest);
  return d;
}

void Blit_Symetrie_horizontale(SDL_Surface* s, SDL_Rect r) {
  SDL_Surface* e = general::ecran;
  if (!s || !e) return;
  if (r.x >= e->w || r.y >= e->h || r.x + s->w <= 0 || r.y + s->h <= 0) return;
  bool alpha = s->format->Amask != 0;
  bool cle = (s->flags & SDL_SRCCOLORKEY) != 0;
  SDL_LockSurface(s);
  SDL_LockSurface(e);
  for (int yy = 0; yy < s->h; ++yy) {
    int ey = r.y + yy;
    if (ey < 0 || ey >= e->h) continue;
    for (int xx = 0; xx < s->w; ++xx) {
      int ex = r.x + s->w - 1 - xx;
      if (ex < 0 || ex >= e->w) continue;
      Uint32 p = obtenirPixel(s, xx, yy);
      // Transparent pixels stay transparent, as they would in a blit.
      if (cle && p == s->format->colorkey) continue;
      Uint8 rr, g, b, a;
      SDL_GetRGBA(p, s->format, &rr, &g, &b, &a);
      if (alpha && a == 0) continue;
      definirPixel(e, ex, ey, SDL_MapRGB(e->format, rr, g, b));
    }
  }
  SDL_UnlockSurface(e);
  SDL_UnlockSurface(s);
}

void BlitSurface(SDL_Surface* s, SDL_Rect r, bool droit) {
  if (droit)
    Blitter(s, nullptr, general::ecran, &r);
  else
    Blit_Symetrie_horizontale(s, r);
}

SDL_Rect Rect(int x, int y, int w, int h) {
  SDL_Rect r;
  r.x = static_cast<Sint16>(x);
  r.y = static_cast<Sint16>(y);
  r.w = static_cast<Uint16>(w);
  r.h = static_cast<Uint16>(h);
  return r;
}

SDL_Color DonnerCouleur(int r, int g, int b) {
  SDL_Color c = {static_cast<Uint8>(r), static_cast<Uint8>(g), static_cast<Uint8>(b), 0};
  return c;
}

SDL_Surface* GenererCadre(int largeur, int hauteur, SDL_Color couleur, int epaisseur) {
  SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, largeur, hauteur, 32, 0, 0, 0, 0);
  if (!s) return nullptr;
  SDL_SetColorKey(s, SDL_SRCCOLORKEY, 0);
  Uint32 c = SDL_MapRGB(s->format, couleur.r, couleur.g, couleur.b);
  SDL_Rect bandes[4] = {Rect(0, 0, epaisseur, hauteur), Rect(largeur - epaisseur, 0, epaisseur, hauteur),
                        Rect(0, 0, largeur, epaisseur), Rect(0, hauteur - epaisseur, largeur, epaisseur)};
  for (SDL_Rect& b : bandes) SDL_FillRect(s, &b, c);
  return s;
}

void dessinerCadrillage(int pas_x, int pas_y, SDL_Surface* s) {
  if (!s) return;
  // A step of 0 would draw the same line forever.
  if (pas_x > 0)
    for (int x = 0; x < 640; x += pas_x) {
      SDL_Rect l = Rect(x, 0, 1, 480);
      SDL_FillRect(s, &l, 0);
    }
  if (pas_y > 0)
    for (int yy = 0; yy < 640; yy += pas_y) {
      SDL_Rect l = Rect(0, yy, 640, 1);
      SDL_FillRect(s, &l, 0);
    }
}

#if GAME_EARLY
const char* retourneur(const char* francais, const char* anglais, bool premier) { return premier ? francais : anglais; }
#else
const char* retourneur(const char* francais, const char* anglais, int langue) {
  return langue == 1 ? francais : anglais;
}
#endif

const char* retourneur(const char* a, const char* b, const char* c, unsigned char n) {
  return n == 0 ? a : n == 1 ? b : c;
}

int y(int a, int b, int c) { return a * b + c; }

int calcul_coef(double degres) { return static_cast<int>(std::tan(3.14159265 * degres / 180.0)); }

int position_suivant(const int* t, int n, int courant, int max) {
  if (!t || n <= 0 || courant < 0 || courant >= n) return -1;
  int v = t[courant], meilleur = max, retenu = -1;
  for (int i = 0; i < n; ++i) {
    if (i > courant && t[i] == v) return i;
    if (v < t[i] && t[i] < meilleur) {
      retenu = i;
      meilleur = t[i];
    }
    if (retenu == -1 && t[i] == max) retenu = i;
  }
  return retenu;
}

void tri_creation(const int* t, int* sortie, int n) {
  if (!t || !sortie || n <= 0) return;
  int imin = 0, vmax = t[0];
  for (int i = 1; i < n; ++i) {
    if (t[i] < t[imin]) imin = i;
    if (t[i] > vmax) vmax = t[i];
  }
  sortie[0] = t[imin];
  int precedent = imin;
  for (int k = 1; k < n; ++k) {
    int i = position_suivant(t, n, precedent, vmax);
    if (i == -1) {
      std::printf("Erreur dans le triParCreation, l'un des \xE9l\xE9ments a \xE9t\xE9 perdu !!!\n");
      // The slot still gets a defined value: the largest one.
      sortie[k] = vmax;
      continue;
    }
    sortie[k] = t[i];
    precedent = i;
  }
}
