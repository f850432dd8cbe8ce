// Pictures come from the data folder, where a map maker can drop anything:
// whatever bytes a .png holds, the reader must stay in bounds, free what it
// took, and give a whole picture in the screen's format or none, at once.
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Dossier.h"
#include "engine/FormatEcran.h"

namespace {
bool ecran() {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  if (SDL_Init(SDL_INIT_VIDEO) != 0 || !SDL_SetVideoMode(960, 544, 32, SDL_SWSURFACE)) std::abort();
  return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
  static bool ok = ecran();
  (void)ok;
  dossier_propre("png");
  if (taille < 7) return 0;
  static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> d;
  if (donnees[0] & 1) {
    // A well-formed file around the input: a header from its first bytes
    // (any depth, colour type and interlacing, small sizes), a palette and
    // a transparency chunk when they ask for them, and the rest as the
    // compressed rows, so the reader decodes real pixel data through every
    // transform.
    const uint8_t choix = donnees[5];
    const size_t nb_trns = (choix & 4) ? std::min<size_t>(donnees[6] % 8, taille - 7) : 0;
    const uint8_t* pixels = donnees + 7 + nb_trns;
    const size_t nb_pixels = taille - 7 - nb_trns;
    const uint8_t w = static_cast<uint8_t>(1 + donnees[1] % 64), h = static_cast<uint8_t>(1 + donnees[2] % 64);
    const uint8_t entete[13] = {0, 0, 0, w, 0, 0, 0, h, donnees[3], donnees[4], 0, 0, static_cast<uint8_t>(choix & 1)};
    std::vector<uint8_t> z(compressBound(nb_pixels));
    uLongf n = z.size();
    if (compress(z.data(), &n, pixels, nb_pixels) != Z_OK) std::abort();
    z.resize(n);
    auto morceau = [&d](const char* genre, const uint8_t* p, size_t k) {
      for (int i = 0; i < 4; ++i) d.push_back(static_cast<uint8_t>(k >> (24 - 8 * i)));
      d.insert(d.end(), genre, genre + 4);
      d.insert(d.end(), p, p + k);
      d.insert(d.end(), 4, 0);
    };
    morceau("IHDR", entete, sizeof entete);
    if (choix & 2) {
      uint8_t palette[3 * 32];
      for (int i = 0; i < 3 * 32; ++i) palette[i] = static_cast<uint8_t>(i * 37);
      morceau("PLTE", palette, 3 * (1 + (donnees[6] >> 3) % 32));
    }
    if (choix & 4) morceau("tRNS", donnees + 7, nb_trns);
    morceau("IDAT", z.data(), z.size());
    morceau("IEND", nullptr, 0);
  } else {
    d.assign(donnees + 1, donnees + taille);
  }
  // Every whole chunk gets its right checksum, or the reader would stop at
  // the first one.
  for (size_t p = 0; p + 12 <= d.size();) {
    const size_t n = (size_t{d[p]} << 24) | (size_t{d[p + 1]} << 16) | (size_t{d[p + 2]} << 8) | d[p + 3];
    if (n > d.size() - p - 12) break;
    const uLong c = crc32(0L, d.data() + p + 4, static_cast<uInt>(n + 4));
    for (int i = 0; i < 4; ++i) d[p + 8 + n + i] = static_cast<uint8_t>(c >> (24 - 8 * i));
    p += 12 + n;
  }
  FILE* f = std::fopen("image.png", "wb");
  if (!f) std::abort();
  std::fwrite(signature, 1, 8, f);
  std::fwrite(d.data(), 1, d.size(), f);
  std::fclose(f);
  if (SDL_Surface* s = image_au_format_ecran("image.png")) {
    if (s->w <= 0 || s->h <= 0 || s->format->BytesPerPixel != 4) std::abort();
    SDL_FreeSurface(s);
  }
  return 0;
}
