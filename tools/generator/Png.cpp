#include "Png.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include <zlib.h>

namespace Png {
namespace {

uint32_t crc_table[256];
void init_crc() {
  static bool fait = false;
  if (fait) return;
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    crc_table[n] = c;
  }
  fait = true;
}
uint32_t crc(const uint8_t* p, size_t n, uint32_t c = 0xFFFFFFFFu) {
  for (size_t i = 0; i < n; ++i) c = crc_table[(c ^ p[i]) & 0xFF] ^ (c >> 8);
  return c;
}

void be32(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(x >> 24);
  v.push_back((x >> 16) & 0xFF);
  v.push_back((x >> 8) & 0xFF);
  v.push_back(x & 0xFF);
}

void morceau(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& donnees) {
  be32(out, static_cast<uint32_t>(donnees.size()));
  size_t debut = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), donnees.begin(), donnees.end());
  be32(out, crc(out.data() + debut, out.size() - debut) ^ 0xFFFFFFFFu);
}

// zlib at a fixed level: the same picture always gives the same bytes.
std::vector<uint8_t> zlib_comprime(const std::vector<uint8_t>& brut) {
  uLongf taille = compressBound(static_cast<uLong>(brut.size()));
  std::vector<uint8_t> z(taille);
  if (compress2(z.data(), &taille, brut.data(), static_cast<uLong>(brut.size()), 6) != Z_OK) return {};
  z.resize(taille);
  return z;
}

}  // namespace

bool ecrire(const std::string& chemin, SDL_Surface* s, bool alpha) {
  if (!s) return false;
  init_crc();
  const int canaux = alpha ? 4 : 3;
  std::vector<uint8_t> brut;
  brut.reserve(static_cast<size_t>(s->h) * (1 + s->w * canaux));
  SDL_LockSurface(s);
  const int bpp = s->format->BytesPerPixel;
  for (int y = 0; y < s->h; ++y) {
    brut.push_back(0);  // filter: none
    const uint8_t* ligne = static_cast<const uint8_t*>(s->pixels) + y * s->pitch;
    for (int x = 0; x < s->w; ++x) {
      const uint8_t* p = ligne + x * bpp;
      Uint32 px = 0;
      switch (bpp) {
        case 1: px = *p; break;
        case 2: px = *reinterpret_cast<const Uint16*>(p); break;
        case 3: px = p[0] | (p[1] << 8) | (p[2] << 16); break;
        default: px = *reinterpret_cast<const Uint32*>(p); break;
      }
      Uint8 r, g, b, a;
      SDL_GetRGBA(px, s->format, &r, &g, &b, &a);
      brut.push_back(r);
      brut.push_back(g);
      brut.push_back(b);
      if (alpha) brut.push_back(a);
    }
  }
  SDL_UnlockSurface(s);

  std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> ihdr;
  be32(ihdr, static_cast<uint32_t>(s->w));
  be32(ihdr, static_cast<uint32_t>(s->h));
  ihdr.push_back(8);
  ihdr.push_back(alpha ? 6 : 2);
  ihdr.push_back(0);
  ihdr.push_back(0);
  ihdr.push_back(0);
  morceau(out, "IHDR", ihdr);
  std::vector<uint8_t> idat = zlib_comprime(brut);
  if (idat.empty()) return false;
  morceau(out, "IDAT", idat);
  morceau(out, "IEND", {});

  FILE* f = std::fopen(chemin.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace Png
