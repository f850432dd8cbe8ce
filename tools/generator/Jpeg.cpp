#include "Jpeg.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <vector>

namespace Jpeg {
namespace {

const int ZIGZAG[64] = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
                        41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
                        30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

const int QUANT_Y[64] = {16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
                         14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
                         18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
                         49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
const int QUANT_C[64] = {17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99,
                         99, 99, 47, 66, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
                         99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

const uint8_t DC_Y_BITS[16] = {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
const uint8_t DC_C_BITS[16] = {0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0};
const uint8_t DC_VALS[12] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
const uint8_t AC_Y_BITS[16] = {0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7d};
const uint8_t AC_Y_VALS[162] = {
    0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51, 0x61, 0x07, 0x22, 0x71,
    0x14, 0x32, 0x81, 0x91, 0xa1, 0x08, 0x23, 0x42, 0xb1, 0xc1, 0x15, 0x52, 0xd1, 0xf0, 0x24, 0x33, 0x62, 0x72,
    0x82, 0x09, 0x0a, 0x16, 0x17, 0x18, 0x19, 0x1a, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2a, 0x34, 0x35, 0x36, 0x37,
    0x38, 0x39, 0x3a, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4a, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59,
    0x5a, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6a, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a, 0x83,
    0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8a, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9a, 0xa2, 0xa3,
    0xa4, 0xa5, 0xa6, 0xa7, 0xa8, 0xa9, 0xaa, 0xb2, 0xb3, 0xb4, 0xb5, 0xb6, 0xb7, 0xb8, 0xb9, 0xba, 0xc2, 0xc3,
    0xc4, 0xc5, 0xc6, 0xc7, 0xc8, 0xc9, 0xca, 0xd2, 0xd3, 0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda, 0xe1, 0xe2,
    0xe3, 0xe4, 0xe5, 0xe6, 0xe7, 0xe8, 0xe9, 0xea, 0xf1, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, 0xf9, 0xfa};
const uint8_t AC_C_BITS[16] = {0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77};
const uint8_t AC_C_VALS[162] = {
    0x00, 0x01, 0x02, 0x03, 0x11, 0x04, 0x05, 0x21, 0x31, 0x06, 0x12, 0x41, 0x51, 0x07, 0x61, 0x71, 0x13, 0x22,
    0x32, 0x81, 0x08, 0x14, 0x42, 0x91, 0xa1, 0xb1, 0xc1, 0x09, 0x23, 0x33, 0x52, 0xf0, 0x15, 0x62, 0x72, 0xd1,
    0x0a, 0x16, 0x24, 0x34, 0xe1, 0x25, 0xf1, 0x17, 0x18, 0x19, 0x1a, 0x26, 0x27, 0x28, 0x29, 0x2a, 0x35, 0x36,
    0x37, 0x38, 0x39, 0x3a, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4a, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58,
    0x59, 0x5a, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6a, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7a,
    0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8a, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99, 0x9a,
    0xa2, 0xa3, 0xa4, 0xa5, 0xa6, 0xa7, 0xa8, 0xa9, 0xaa, 0xb2, 0xb3, 0xb4, 0xb5, 0xb6, 0xb7, 0xb8, 0xb9, 0xba,
    0xc2, 0xc3, 0xc4, 0xc5, 0xc6, 0xc7, 0xc8, 0xc9, 0xca, 0xd2, 0xd3, 0xd4, 0xd5, 0xd6, 0xd7, 0xd8, 0xd9, 0xda,
    0xe2, 0xe3, 0xe4, 0xe5, 0xe6, 0xe7, 0xe8, 0xe9, 0xea, 0xf2, 0xf3, 0xf4, 0xf5, 0xf6, 0xf7, 0xf8, 0xf9, 0xfa};

struct Code {
  uint16_t bits = 0;
  uint8_t longueur = 0;
};

// Canonical codes from the counts per length, as a decoder rebuilds them.
struct Table {
  Code codes[256];
  Table(const uint8_t* nb, const uint8_t* valeurs) {
    uint16_t code = 0;
    int k = 0;
    for (int l = 1; l <= 16; ++l) {
      for (int i = 0; i < nb[l - 1]; ++i) codes[valeurs[k++]] = {code++, static_cast<uint8_t>(l)};
      code <<= 1;
    }
  }
};

class Flux {
 public:
  std::vector<uint8_t> o;
  void octet(int v) { o.push_back(static_cast<uint8_t>(v)); }
  void mot(int v) {
    octet(v >> 8);
    octet(v & 0xFF);
  }
  void bits(uint32_t v, int n) {
    for (int i = n - 1; i >= 0; --i) {
      tampon_ = (tampon_ << 1) | ((v >> i) & 1);
      if (++plein_ == 8) {
        octet(tampon_);
        if (tampon_ == 0xFF) octet(0);  // a data 0xFF is never a marker
        tampon_ = 0;
        plein_ = 0;
      }
    }
  }
  void code(const Code& c) { bits(c.bits, c.longueur); }
  void finir() {
    if (plein_) bits(0x7F, 8 - plein_);  // padding with ones
  }

 private:
  uint32_t tampon_ = 0;
  int plein_ = 0;
};

int categorie(int v) {
  v = std::abs(v);
  int n = 0;
  while (v) {
    ++n;
    v >>= 1;
  }
  return n;
}

void valeur(Flux& f, int v, int n) {
  if (n) f.bits(static_cast<uint32_t>(v < 0 ? v + (1 << n) - 1 : v), n);
}

double COS[8][8];

void dct(const double* bloc, double* sortie) {
  double tmp[64];
  for (int y = 0; y < 8; ++y)
    for (int u = 0; u < 8; ++u) {
      double s = 0;
      for (int x = 0; x < 8; ++x) s += bloc[y * 8 + x] * COS[u][x];
      tmp[y * 8 + u] = s * (u == 0 ? M_SQRT1_2 : 1.0) / 2;
    }
  for (int u = 0; u < 8; ++u)
    for (int v = 0; v < 8; ++v) {
      double s = 0;
      for (int y = 0; y < 8; ++y) s += tmp[y * 8 + u] * COS[v][y];
      sortie[v * 8 + u] = s * (v == 0 ? M_SQRT1_2 : 1.0) / 2;
    }
}

void bloc(Flux& f, const double* pixels, const int* quant, const Table& dc, const Table& ac, int& precedent) {
  double coef[64];
  dct(pixels, coef);
  int q[64];
  for (int i = 0; i < 64; ++i) {
    int n = ZIGZAG[i];
    q[i] = static_cast<int>(std::lround(coef[n] / quant[n]));
  }
  int diff = q[0] - precedent;
  precedent = q[0];
  int c = categorie(diff);
  f.code(dc.codes[c]);
  valeur(f, diff, c);
  int zeros = 0;
  for (int i = 1; i < 64; ++i) {
    if (q[i] == 0) {
      ++zeros;
      continue;
    }
    while (zeros >= 16) {
      f.code(ac.codes[0xF0]);
      zeros -= 16;
    }
    int n = categorie(q[i]);
    f.code(ac.codes[(zeros << 4) | n]);
    valeur(f, q[i], n);
    zeros = 0;
  }
  if (zeros) f.code(ac.codes[0x00]);
}

void dht(Flux& f, int classe, const uint8_t* nb, const uint8_t* valeurs) {
  int total = 0;
  for (int i = 0; i < 16; ++i) total += nb[i];
  f.mot(0xFFC4);
  f.mot(2 + 1 + 16 + total);
  f.octet(classe);
  for (int i = 0; i < 16; ++i) f.octet(nb[i]);
  for (int i = 0; i < total; ++i) f.octet(valeurs[i]);
}

}  // namespace

bool ecrire(const std::string& chemin, SDL_Surface* s, int qualite) {
  if (!s || s->w <= 0 || s->h <= 0 || s->w > 65535 || s->h > 65535) return false;
  for (int u = 0; u < 8; ++u)
    for (int x = 0; x < 8; ++x) COS[u][x] = std::cos((2 * x + 1) * u * M_PI / 16);
  qualite = std::clamp(qualite, 1, 100);
  int echelle = qualite < 50 ? 5000 / qualite : 200 - 2 * qualite;
  int qy[64], qc[64];
  for (int i = 0; i < 64; ++i) {
    qy[i] = std::clamp((QUANT_Y[i] * echelle + 50) / 100, 1, 255);
    qc[i] = std::clamp((QUANT_C[i] * echelle + 50) / 100, 1, 255);
  }

  // Y, Cb, Cr planes, level-shifted.
  const int w = s->w, h = s->h;
  std::vector<double> plan[3];
  for (auto& p : plan) p.resize(static_cast<size_t>(w) * h);
  SDL_LockSurface(s);
  const int bpp = s->format->BytesPerPixel;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * bpp;
      Uint32 pixel = 0;
      for (int k = 0; k < bpp; ++k) pixel |= static_cast<Uint32>(p[k]) << (8 * k);
      Uint8 r, g, b;
      SDL_GetRGB(pixel, s->format, &r, &g, &b);
      size_t i = static_cast<size_t>(y) * w + x;
      plan[0][i] = 0.299 * r + 0.587 * g + 0.114 * b - 128;
      plan[1][i] = -0.168736 * r - 0.331264 * g + 0.5 * b;
      plan[2][i] = 0.5 * r - 0.418688 * g - 0.081312 * b;
    }
  SDL_UnlockSurface(s);

  Flux f;
  f.mot(0xFFD8);
  f.mot(0xFFE0);  // JFIF header
  f.mot(16);
  for (char c : {'J', 'F', 'I', 'F', '\0'}) f.octet(c);
  f.mot(0x0101);
  f.octet(0);
  f.mot(1);
  f.mot(1);
  f.mot(0);
  for (int t = 0; t < 2; ++t) {
    f.mot(0xFFDB);
    f.mot(67);
    f.octet(t);
    for (int i = 0; i < 64; ++i) f.octet((t ? qc : qy)[ZIGZAG[i]]);
  }
  f.mot(0xFFC0);
  f.mot(17);
  f.octet(8);
  f.mot(h);
  f.mot(w);
  f.octet(3);
  for (int c = 0; c < 3; ++c) {
    f.octet(c + 1);
    f.octet(0x11);
    f.octet(c ? 1 : 0);
  }
  dht(f, 0x00, DC_Y_BITS, DC_VALS);
  dht(f, 0x10, AC_Y_BITS, AC_Y_VALS);
  dht(f, 0x01, DC_C_BITS, DC_VALS);
  dht(f, 0x11, AC_C_BITS, AC_C_VALS);
  f.mot(0xFFDA);
  f.mot(12);
  f.octet(3);
  for (int c = 0; c < 3; ++c) {
    f.octet(c + 1);
    f.octet(c ? 0x11 : 0x00);
  }
  f.octet(0);
  f.octet(63);
  f.octet(0);

  static const Table dc_y(DC_Y_BITS, DC_VALS), ac_y(AC_Y_BITS, AC_Y_VALS);
  static const Table dc_c(DC_C_BITS, DC_VALS), ac_c(AC_C_BITS, AC_C_VALS);
  int precedent[3] = {0, 0, 0};
  double pixels[64];
  for (int by = 0; by < h; by += 8)
    for (int bx = 0; bx < w; bx += 8)
      for (int c = 0; c < 3; ++c) {
        // Edge blocks repeat the last row and column.
        for (int y = 0; y < 8; ++y)
          for (int x = 0; x < 8; ++x)
            pixels[y * 8 + x] =
                plan[c][static_cast<size_t>(std::min(by + y, h - 1)) * w + std::min(bx + x, w - 1)];
        bloc(f, pixels, c ? qc : qy, c ? dc_c : dc_y, c ? ac_c : ac_y, precedent[c]);
      }
  f.finir();
  f.mot(0xFFD9);

  std::ofstream sortie(chemin, std::ios::binary);
  sortie.write(reinterpret_cast<const char*>(f.o.data()), static_cast<std::streamsize>(f.o.size()));
  return static_cast<bool>(sortie);
}

}  // namespace Jpeg
