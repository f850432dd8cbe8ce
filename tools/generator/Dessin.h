#pragma once
// Placeholder art for the demo data: plain shapes and labels, written as
// PNG and WAV files under the current folder.
#include <SDL.h>

#include <cstdint>
#include <functional>
#include <string>

namespace Dessin {

constexpr Uint32 rgba(int r, int g, int b, int a = 255) {
  return static_cast<Uint32>(r) | (static_cast<Uint32>(g) << 8) | (static_cast<Uint32>(b) << 16) |
         (static_cast<Uint32>(a) << 24);
}
constexpr Uint32 TRANSPARENT = 0;

SDL_Surface* toile(int w, int h, Uint32 fond = TRANSPARENT);
void rect(SDL_Surface* s, int x, int y, int w, int h, Uint32 c);
void cadre(SDL_Surface* s, int x, int y, int w, int h, Uint32 c, int epaisseur = 1);
void disque(SDL_Surface* s, int cx, int cy, int r, Uint32 c);
void ligne(SDL_Surface* s, int x0, int y0, int x1, int y1, Uint32 c, int epaisseur = 1);
// Text in DejaVu Sans, centred on (cx, cy) when `centre`, else from (x, y).
void texte(SDL_Surface* s, const std::string& t, int x, int y, int taille, Uint32 c, bool centre = false);

// A labelled box: the usual stand-in for a picture that stands for a name.
SDL_Surface* vignette(int w, int h, Uint32 fond, const std::string& etiquette, Uint32 encre = rgba(255, 255, 255));

// Writes and frees the surface; creates the folders on the way.
void sauver(const std::string& chemin, SDL_Surface* s, bool alpha = true);
// 16-bit mono 44.1 kHz WAV: a tone of `frequence` Hz falling to silence,
// with noise mixed in for the bangs (0 to 1).
void son(const std::string& chemin, int frequence, int ms, double bruit = 0.0);
void fichier_texte(const std::string& chemin, const std::string& contenu);
void copier(const std::string& source, const std::string& chemin);
void dossier(const std::string& chemin);

// Each part of the data set registers its writer; they run in `ordre` order
// (pictures and sounds first, then files written by the game's own writers).
struct Etape {
  Etape(int ordre, const char* nom, std::function<void()> ecrire);
};
void executer_etapes();

// A straight limb from (x0, y0) to (x1, y1), `epaisseur` wide and cut square
// at both ends: unlike `ligne`, it does not overrun its ends, so a sleeve or a
// boot drawn over a limb covers just its own stretch.
void bande(SDL_Surface* s, int x0, int y0, int x1, int y1, int epaisseur, Uint32 c);

}  // namespace Dessin
