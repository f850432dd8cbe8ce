#include "Dessin.h"

#include <SDL_gfxPrimitives.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include "Png.h"

namespace fs = std::filesystem;

namespace Dessin {
namespace {

struct EtapeEnregistree {
  int ordre;
  std::string nom;
  std::function<void()> ecrire;
};
std::vector<EtapeEnregistree>& etapes() {
  static std::vector<EtapeEnregistree> v;
  return v;
}

std::map<int, TTF_Font*> polices;

TTF_Font* police(int taille) {
  auto it = polices.find(taille);
  if (it != polices.end()) return it->second;
  if (!TTF_WasInit()) TTF_Init();
  TTF_Font* f = TTF_OpenFont(DEJAVU_FONT, taille);
  if (!f) {
    std::fprintf(stderr, "gendata: cannot open %s\n", DEJAVU_FONT);
    std::exit(1);
  }
  polices[taille] = f;
  return f;
}

void parent(const std::string& chemin) {
  fs::path p(chemin);
  if (p.has_parent_path()) fs::create_directories(p.parent_path());
}

Uint8 R(Uint32 c) { return c & 0xFF; }
Uint8 G(Uint32 c) { return (c >> 8) & 0xFF; }
Uint8 B(Uint32 c) { return (c >> 16) & 0xFF; }
Uint8 A(Uint32 c) { return (c >> 24) & 0xFF; }

bool a_de_la_transparence(SDL_Surface* s) {
  // Our canvases are 32-bit RGBA; anything else has no alpha to speak of.
  if (!s->format->Amask || s->format->BytesPerPixel != 4) return false;
  SDL_LockSurface(s);
  bool oui = false;
  for (int y = 0; y < s->h && !oui; ++y)
    for (int x = 0; x < s->w && !oui; ++x) {
      Uint8 r, g, b, a;
      SDL_GetRGBA(static_cast<const Uint32*>(s->pixels)[y * s->pitch / 4 + x], s->format, &r, &g, &b, &a);
      oui = a < 255;
    }
  SDL_UnlockSurface(s);
  return oui;
}

}  // namespace

SDL_Surface* toile(int w, int h, Uint32 fond) {
  SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, std::max(w, 1), std::max(h, 1), 32, 0xFF, 0xFF00,
                                        0xFF0000, 0xFF000000);
  SDL_FillRect(s, nullptr, fond);
  return s;
}

void rect(SDL_Surface* s, int x, int y, int w, int h, Uint32 c) {
  SDL_Rect r = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(std::max(w, 0)),
                static_cast<Uint16>(std::max(h, 0))};
  SDL_FillRect(s, &r, c);
}

void cadre(SDL_Surface* s, int x, int y, int w, int h, Uint32 c, int e) {
  rect(s, x, y, w, e, c);
  rect(s, x, y + h - e, w, e, c);
  rect(s, x, y, e, h, c);
  rect(s, x + w - e, y, e, h, c);
}

void disque(SDL_Surface* s, int cx, int cy, int r, Uint32 c) {
  for (int dy = -r; dy <= r; ++dy) {
    int dx = static_cast<int>(std::sqrt(static_cast<double>(r * r - dy * dy)));
    rect(s, cx - dx, cy + dy, 2 * dx + 1, 1, c);
  }
}

void ligne(SDL_Surface* s, int x0, int y0, int x1, int y1, Uint32 c, int e) {
  int n = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
  for (int i = 0; i <= n; ++i) {
    int x = n ? x0 + (x1 - x0) * i / n : x0;
    int y = n ? y0 + (y1 - y0) * i / n : y0;
    rect(s, x - e / 2, y - e / 2, e, e, c);
  }
}

void texte(SDL_Surface* s, const std::string& t, int x, int y, int taille, Uint32 c, bool centre) {
  if (t.empty()) return;
  SDL_Color col = {R(c), G(c), B(c), 0};
  SDL_Surface* rendu = TTF_RenderText_Solid(police(taille), t.c_str(), col);
  if (!rendu) return;
  SDL_Rect d = {static_cast<Sint16>(centre ? x - rendu->w / 2 : x), static_cast<Sint16>(centre ? y - rendu->h / 2 : y),
                0, 0};
  // Copy the glyph pixels by hand: a palette surface onto RGBA must keep its
  // transparent background.
  SDL_LockSurface(rendu);
  for (int yy = 0; yy < rendu->h; ++yy)
    for (int xx = 0; xx < rendu->w; ++xx) {
      Uint8 idx = static_cast<Uint8*>(rendu->pixels)[yy * rendu->pitch + xx];
      if (idx != 0) rect(s, d.x + xx, d.y + yy, 1, 1, rgba(col.r, col.g, col.b, A(c)));
    }
  SDL_UnlockSurface(rendu);
  SDL_FreeSurface(rendu);
}

SDL_Surface* vignette(int w, int h, Uint32 fond, const std::string& etiquette, Uint32 encre) {
  SDL_Surface* s = toile(w, h, fond);
  cadre(s, 0, 0, w, h, rgba(0, 0, 0), std::max(1, std::min(w, h) / 40));
  int taille = std::clamp(std::min(h / 4, w / std::max<int>(4, static_cast<int>(etiquette.size()) + 1) * 2), 7, 48);
  texte(s, etiquette, w / 2, h / 2, taille, encre, true);
  return s;
}

void sauver(const std::string& chemin, SDL_Surface* s, bool alpha) {
  parent(chemin);
  // The game blits an opaque picture several times faster than one with an
  // alpha channel: a picture with nothing to see through goes without.
  if (!Png::ecrire(chemin, s, alpha && a_de_la_transparence(s))) {
    std::fprintf(stderr, "gendata: cannot write %s\n", chemin.c_str());
    std::exit(1);
  }
  SDL_FreeSurface(s);
}

void son(const std::string& chemin, int frequence, int ms, double bruit) {
  parent(chemin);
  const int taux = 44100;
  const int n = taux * ms / 1000;
  std::vector<int16_t> ech(n);
  uint32_t graine = 12345u + static_cast<uint32_t>(frequence);
  for (int i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / taux;
    double env = 1.0 - static_cast<double>(i) / n;
    graine = graine * 1103515245u + 12345u;
    double alea = ((graine >> 16) & 0x7FFF) / 16384.0 - 1.0;
    double v = (1.0 - bruit) * std::sin(2 * M_PI * frequence * t) + bruit * alea;
    ech[i] = static_cast<int16_t>(v * env * 12000);
  }
  std::ofstream f(chemin, std::ios::binary);
  auto le32 = [&](uint32_t v) { for (int k = 0; k < 4; ++k) f.put(static_cast<char>((v >> (8 * k)) & 0xFF)); };
  auto le16 = [&](uint16_t v) { f.put(static_cast<char>(v & 0xFF)); f.put(static_cast<char>(v >> 8)); };
  f.write("RIFF", 4);
  le32(36 + n * 2);
  f.write("WAVEfmt ", 8);
  le32(16);
  le16(1);
  le16(1);
  le32(taux);
  le32(taux * 2);
  le16(2);
  le16(16);
  f.write("data", 4);
  le32(n * 2);
  for (int16_t e : ech) le16(static_cast<uint16_t>(e));
}

void fichier_texte(const std::string& chemin, const std::string& contenu) {
  parent(chemin);
  std::ofstream(chemin, std::ios::binary) << contenu;
}

void copier(const std::string& source, const std::string& chemin) {
  parent(chemin);
  fs::copy_file(source, chemin, fs::copy_options::overwrite_existing);
}

void dossier(const std::string& chemin) { fs::create_directories(chemin); }

Etape::Etape(int ordre, const char* nom, std::function<void()> ecrire) {
  etapes().push_back({ordre, nom, std::move(ecrire)});
}

void executer_etapes() {
  auto v = etapes();
  std::stable_sort(v.begin(), v.end(), [](const auto& a, const auto& b) {
    return a.ordre != b.ordre ? a.ordre < b.ordre : a.nom < b.nom;
  });
  for (auto& e : v) e.ecrire();
  for (auto& [taille, f] : polices) TTF_CloseFont(f);
  polices.clear();
}

void bande(SDL_Surface* s, int x0, int y0, int x1, int y1, int epaisseur, Uint32 c) {
  const double dx = x1 - x0, dy = y1 - y0, l2 = dx * dx + dy * dy, demi = epaisseur / 2.0;
  if (l2 == 0) {
    rect(s, x0 - epaisseur / 2, y0 - epaisseur / 2, epaisseur, epaisseur, c);
    return;
  }
  const double l = std::sqrt(l2);
  const int m = epaisseur / 2 + 1;
  for (int y = std::min(y0, y1) - m; y <= std::max(y0, y1) + m; ++y)
    for (int x = std::min(x0, x1) - m; x <= std::max(x0, x1) + m; ++x) {
      // Pixel centres: along the limb within its length, across within half its width.
      const double px = x + 0.5 - (x0 + 0.5), py = y + 0.5 - (y0 + 0.5);
      const double t = (px * dx + py * dy) / l2, d = std::fabs(px * dy - py * dx) / l;
      if (t >= 0 && t <= 1 && d <= demi) rect(s, x, y, 1, 1, c);
    }
}

}  // namespace Dessin
