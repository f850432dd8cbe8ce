#pragma once
// The picture as 8-bit channels, row after row with no padding, whatever the
// surface's own format: what the PNG and JPEG encoders both take.
#include <SDL.h>

#include <cstdint>
#include <vector>

inline std::vector<uint8_t> canaux_8bits(SDL_Surface* s, bool alpha) {
  const int canaux = alpha ? 4 : 3;
  std::vector<uint8_t> brut;
  brut.reserve(static_cast<size_t>(s->w) * s->h * canaux);
  SDL_LockSurface(s);
  const int bpp = s->format->BytesPerPixel;
  for (int y = 0; y < s->h; ++y) {
    const uint8_t* ligne = static_cast<const uint8_t*>(s->pixels) + y * s->pitch;
    for (int x = 0; x < s->w; ++x) {
      const uint8_t* p = ligne + x * bpp;
      Uint32 px = 0;
      for (int k = 0; k < bpp; ++k) px |= static_cast<Uint32>(p[k]) << (8 * k);
      Uint8 r, g, b, a;
      SDL_GetRGBA(px, s->format, &r, &g, &b, &a);
      brut.push_back(r);
      brut.push_back(g);
      brut.push_back(b);
      if (alpha) brut.push_back(a);
    }
  }
  SDL_UnlockSurface(s);
  return brut;
}
