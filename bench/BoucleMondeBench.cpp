// One world frame over a crowded map: 8,000 pieces of scenery across the ten
// layers and 500 bullets that probe the world table every step, drawn into a
// 960 x 544 screen.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "engine/BoucleMonde.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/Mapping.h"

namespace {

constexpr int LARGEUR_MONDE = 40000;

SDL_Surface* carre(int cote, Uint32 couleur) {
  SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, cote, cote, 32, 0xFF0000, 0xFF00, 0xFF, 0);
  SDL_FillRect(s, nullptr, couleur);
  return s;
}

class Decor : public Mapping {
 public:
  Decor(SDL_Surface* s, int x, int y, int couche, bool solide) : Mapping(s, Rect(0, 0, s->w, s->h)) {
    position = Rect(x, y, s->w, s->h);
    layer = static_cast<uint8_t>(couche);
    affichage = true;
    physique = solide;
  }
};

class Balle : public Mapping {
 public:
  Balle(SDL_Surface* s, std::mt19937& g, bool sonde) : Mapping(s, Rect(0, 0, s->w, s->h)), sonder(sonde), hasard_(g) {
    camp = ALLIE;
    layer = 5;
    affichage = true;
    vitesse = 12;
    replacer();
  }
  bool sonder;
  void comportement() override {
    if ((sonder ? p_collision(false, 0) : PAS_COLLISION) == P_COLLISION || position.x < 0 || position.x > LARGEUR_MONDE) {
      replacer();
      return;
    }
    position.x = static_cast<Sint16>(position.x + (direction == DROITE ? vitesse : -vitesse));
  }

 private:
  void replacer() {
    position = Rect(static_cast<int>(hasard_() % LARGEUR_MONDE), static_cast<int>(hasard_() % 500), 4, 2);
    direction = hasard_() % 2 ? DROITE : GAUCHE;
  }
  std::mt19937& hasard_;
};

void BM_FrameOfACrowdedWorld(benchmark::State& etat) {
  general::ecran = SDL_CreateRGBSurface(SDL_SWSURFACE, 960, 544, 32, 0xFF0000, 0xFF00, 0xFF, 0);
  std::mt19937 g(1234);
  SDL_Surface* motifs[3] = {carre(32, 0x406020), carre(48, 0x806040), carre(64, 0x304050)};
  SDL_Surface* balle = carre(4, 0xFFFF00);
  std::vector<std::unique_ptr<Mapping>> monde;
  for (int i = 0; i < 8000; ++i) {
    SDL_Surface* s = motifs[i % 3];
    // One piece in eight is a solid obstacle; the rest is decor.
    monde.push_back(std::make_unique<Decor>(s, static_cast<int>(g() % LARGEUR_MONDE),
                                            static_cast<int>(g() % 600) - 40, i % 10, i % 8 == 0));
  }
  for (int i = 0; i < 500; ++i) monde.push_back(std::make_unique<Balle>(balle, g, etat.range(0) != 0));
  Mapping* camera = monde[0].get();
  Mapping::centre_scrolling = camera;

  for (auto _ : etat) {
    camera->position.x = static_cast<Sint16>((camera->position.x + 7) % (LARGEUR_MONDE - 1000));
    SDL_FillRect(general::ecran, nullptr, 0x7A7A7A);
    BlitingMapping();
    benchmark::ClobberMemory();
  }
  etat.counters["images_par_s"] = benchmark::Counter(static_cast<double>(etat.iterations()), benchmark::Counter::kIsRate);

  Mapping::centre_scrolling = nullptr;
  DetruireMapping();
  monde.clear();
  for (SDL_Surface* s : motifs) SDL_FreeSurface(s);
  SDL_FreeSurface(balle);
  SDL_FreeSurface(general::ecran);
  general::ecran = nullptr;
}

}  // namespace

// Argument 1: the bullets probe the table, as in battle; 0: the pass alone.
BENCHMARK(BM_FrameOfACrowdedWorld)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
