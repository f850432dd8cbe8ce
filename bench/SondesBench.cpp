// The same crowded map with the game's own straight bullets: 8,000 pieces of
// scenery (one in eight solid) and 500 shots flying and probing the world
// table each frame; a gun tops the shots up as they hit or run out of range.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <random>
#include <vector>

#include "engine/BoucleMonde.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/Mapping.h"
#include "engine/OuvrirImage.h"
#include "weapons/Tir.h"

namespace {

namespace fs = std::filesystem;

constexpr int LARGEUR = 32000;
constexpr int NB_TIRS = 500;

SDL_Surface* pave(int w, int h, Uint32 couleur) {
  SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0);
  SDL_FillRect(s, nullptr, couleur);
  return s;
}

class Piece : public Mapping {
 public:
  Piece(SDL_Surface* s, int x, int y, int couche, bool solide) : Mapping(s, Rect(0, 0, s->w, s->h)) {
    position = Rect(x, y, s->w, s->h);
    layer = static_cast<uint8_t>(couche);
    physique = solide;
  }
};

// Keeps NB_TIRS shots in the air, fired from random points either way.
class Canon : public Mapping {
 public:
  Canon(SDL_Surface* s) : Mapping(s, Rect(0, 0, s->w, s->h)), balle_(AllouerImage("Armes/tir.png", 0, false)) {
    position = Rect(0, 0, s->w, s->h);
  }
  void comportement() override {
    int vivants = 0;
    for (int32_t i = 0; i < dernier_objet; ++i)
      if (occupe(i) && Objets[i]->vivant && Objets[i]->image[0] == balle_) ++vivants;
    for (; vivants < NB_TIRS; ++vivants) {
      Tir* t = new Tir();
      t->position = Rect(static_cast<int>(hasard_() % LARGEUR), static_cast<int>(hasard_() % 500), 0, 0);
      t->direction = hasard_() % 2 ? DROITE : GAUCHE;
      t->vitesse = 20;
      t->camp = ALLIE;
    }
  }

 private:
  SDL_Surface* balle_;
  std::mt19937 hasard_{99};
};

void BM_CrowdedFrameWithRealBullets(benchmark::State& etat) {
  general::ecran = SDL_CreateRGBSurface(SDL_SWSURFACE, 960, 544, 32, 0xFF0000, 0xFF00, 0xFF, 0);
  std::mt19937 g(1234);
  SDL_Surface* motifs[3] = {pave(32, 32, 0x406020), pave(48, 48, 0x806040), pave(64, 64, 0x304050)};
  // The shot's picture is read once into the cache, as in battle.
  const fs::path ancien = fs::current_path();
  char modele[] = "/tmp/sondes-XXXXXX";
  if (!::mkdtemp(modele)) return;
  fs::current_path(modele);
  fs::create_directories("Armes");
  SDL_Surface* balle = pave(8, 3, 0xFFFF00);
  SDL_SaveBMP(balle, "Armes/tir.png");
  SDL_FreeSurface(balle);
  std::vector<std::unique_ptr<Mapping>> decor;
  for (int i = 0; i < 8000; ++i)
    decor.push_back(std::make_unique<Piece>(motifs[i % 3], static_cast<int>(g() % LARGEUR),
                                            static_cast<int>(g() % 600) - 40, i % 10, i % 8 == 0));
  auto canon = std::make_unique<Canon>(motifs[0]);
  Mapping* camera = decor[0].get();
  Mapping::centre_scrolling = camera;
  IndexMonde::actif = etat.range(0) != 0;
  for (int i = 0; i < 60; ++i) BlitingMapping();  // the shots spread out first

  for (auto _ : etat) {
    camera->position.x = static_cast<Sint16>((camera->position.x + 7) % (LARGEUR - 1000));
    SDL_FillRect(general::ecran, nullptr, 0x7A7A7A);
    BlitingMapping();
    benchmark::ClobberMemory();
  }

  IndexMonde::actif = true;
  Mapping::centre_scrolling = nullptr;
  DetruireMapping();
  canon.reset();
  decor.clear();
  for (SDL_Surface* s : motifs) SDL_FreeSurface(s);
  SDL_FreeSurface(general::ecran);
  general::ecran = nullptr;
  fs::current_path(ancien);
  fs::remove_all(modele);
}

}  // namespace

// Argument 1: the probes ask the world's columns; 0: they walk the table.
BENCHMARK(BM_CrowdedFrameWithRealBullets)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
