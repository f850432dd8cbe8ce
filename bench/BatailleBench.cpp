// Whole battles as a player plays them: the game's own start-up, then each
// demo map through JouerMap, the hero running right and firing, on the
// virtual clock (the 10 ms after each flip costs nothing here, so what is
// timed is the frame's own work). Work is the thread's processor time, so a
// busy machine that lends the processor to others does not count it; the
// wall-clock median is given beside it. Run it from anywhere: it plays in a
// copy of the demo data.
#include <benchmark/benchmark.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "battle/JouerMap.h"
#include "characters/Tramer.h"
#include "editor/Objet_de_Reference.h"
#include "engine/Constantes.h"
#include "engine/Demarrage.h"
#include "engine/Logos.h"
#include "platform/Horloge.h"

namespace {

namespace fs = std::filesystem;
using horloge = std::chrono::steady_clock;

double ms(horloge::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double processeur_ms() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

double resident_mo() {
  long pages = 0, residentes = 0;
  std::ifstream("/proc/self/statm") >> pages >> residentes;
  return static_cast<double>(residentes) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void pousser(Uint8 type, SDLKey k = SDLK_UNKNOWN, Uint8 bouton = 0) {
  SDL_Event e{};
  e.type = type;
  if (type == SDL_KEYDOWN || type == SDL_KEYUP) e.key.keysym.sym = k;
  if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP) {
    e.button.button = bouton;
    e.button.x = 800;
    e.button.y = 300;
  }
  if (type == SDL_MOUSEMOTION) {
    e.motion.x = 800;
    e.motion.y = 300;
  }
  SDL_PushEvent(&e);
}

// The game as it stands at its title screen, once per process.
bool demarrer() {
  static int pret = -1;
  if (pret >= 0) return pret == 1;
  pret = 0;
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  static char modele[] = "/tmp/bataille-bench-XXXXXX";
  if (!::mkdtemp(modele)) return false;
  // The copy goes when the process ends, as every run makes its own.
  std::atexit([] {
    std::error_code ec;
    fs::current_path("/", ec);
    fs::remove_all(modele, ec);
  });
  fs::copy(GAME_DATA_DIR, modele, fs::copy_options::recursive);
  // No save slots from a hand-played game, and no cut-scene waiting for a key.
  for (const auto& e : fs::directory_iterator(modele))
    if (e.path().extension() == ".sav") fs::remove(e.path());
  fs::remove_all(fs::path(modele) / "Cinematiques");
  fs::current_path(modele);
  Horloge::utiliser_horloge_virtuelle(true);
  if (!initialisation()) return false;
  InitialiserMappeur();
  Logos(nullptr);
  general::fichier_utilise = 1;
  pret = 1;
  return true;
}

struct Mesure {
  std::vector<double> images;  // processor time of each battle frame, ms
  std::vector<double> murales; // the same on the wall clock
  double chargement = 0;       // JouerMap called to first battle frame shown, processor ms
  double chargement_mural = 0;
  double resident = 0;         // MB, at the last battle frame
  bool battue = false;         // the battle loop showed a frame
};

bool en_bataille() { return Tramer::Hero && general::statut_jeu == 1; }

// The first map loaded in this process, whichever benchmark loaded it: the
// later ones find their pictures already in the caches.
double premier_chargement = -1;

// Plays one map for `nb_images` battle frames, then closes the window. The
// load runs from the call of JouerMap to the first frame of the battle loop:
// the one frame shown while debut_partie still holds and the hero made by
// this call stands in it. Flips before it (a notice, the picture of a
// cut-scene) belong to the load, never to the battle's frames.
Mesure jouer(int mission, int map, int nb_images) {
  Mesure m;
  general::continuer = true;
  general::TimeUp = false;
  horloge::time_point debut{}, fin_precedente{};
  double debut_cpu = 0, fin_precedente_cpu = 0;
  int vues = 0;
  Horloge::crochet_image([&] {
    const horloge::time_point maintenant = horloge::now();
    const double maintenant_cpu = processeur_ms();
    if (vues == 0 && !(en_bataille() && general::debut_partie)) return;  // still loading
    if (!en_bataille()) {
      // A screen over the battle (game over): the run is over.
      pousser(SDL_QUIT);
      return;
    }
    if (vues == 0) {
      m.chargement = maintenant_cpu - debut_cpu;
      m.chargement_mural = ms(maintenant - debut);
    } else {
      m.images.push_back(maintenant_cpu - fin_precedente_cpu);
      m.murales.push_back(ms(maintenant - fin_precedente));
    }
    ++vues;
    if (vues == 1) {
      pousser(SDL_MOUSEMOTION);
      pousser(SDL_KEYDOWN, static_cast<SDLKey>(controles::C_DROITE));
    }
    if (vues % 20 == 0) pousser(SDL_MOUSEBUTTONDOWN, SDLK_UNKNOWN, 1);
    if (vues % 20 == 10) pousser(SDL_MOUSEBUTTONUP, SDLK_UNKNOWN, 1);
    if (vues >= nb_images) {
      m.resident = resident_mo();
      pousser(SDL_KEYUP, static_cast<SDLKey>(controles::C_DROITE));
      pousser(SDL_QUIT);
    }
    fin_precedente = horloge::now();
    fin_precedente_cpu = processeur_ms();
  });
  debut = horloge::now();
  debut_cpu = processeur_ms();
  JouerMap(mission, map);
  Horloge::crochet_image(nullptr);
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
  }
  general::continuer = true;
  m.battue = vues > 0;
  if (m.battue && premier_chargement < 0) premier_chargement = m.chargement;
  return m;
}

double centile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  size_t i = static_cast<size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
  return v[std::min(i, v.size() - 1)];
}

// Mission and map of each demo map: Plaine, Usine, Infiltration.
void BM_Bataille(benchmark::State& etat) {
  if (!demarrer()) {
    etat.SkipWithError("the game could not start");
    return;
  }
  Mesure m;
  for (auto _ : etat) m = jouer(static_cast<int>(etat.range(0)), static_cast<int>(etat.range(1)), 1000);
  if (!m.battue) {
    etat.SkipWithError("the map showed no battle frame");
    return;
  }
  etat.counters["images"] = static_cast<double>(m.images.size());
  etat.counters["mediane_ms"] = centile(m.images, 0.5);
  etat.counters["p99_ms"] = centile(m.images, 0.99);
  etat.counters["mediane_murale_ms"] = centile(m.murales, 0.5);
  etat.counters["chargement_ms"] = m.chargement;
  etat.counters["chargement_mural_ms"] = m.chargement_mural;
  etat.counters["premier_chargement_ms"] = premier_chargement;
  etat.counters["resident_mo"] = m.resident;
}

// Battles one after another: what each leaves behind shows as growth.
void BM_CentBatailles(benchmark::State& etat) {
  if (!demarrer()) {
    etat.SkipWithError("the game could not start");
    return;
  }
  const int cartes[3][2] = {{0, 0}, {0, 1}, {1, 0}};
  double apres_premiere = 0, en_bataille_mo = 0;
  for (auto _ : etat)
    for (int i = 0; i < 100; ++i) {
      Mesure m = jouer(cartes[i % 3][0], cartes[i % 3][1], 30);
      if (i == 2) apres_premiere = resident_mo();
      en_bataille_mo = std::max(en_bataille_mo, m.resident);
    }
  etat.counters["resident_apres_3_mo"] = apres_premiere;
  etat.counters["resident_apres_100_mo"] = resident_mo();
  etat.counters["croissance_mo"] = resident_mo() - apres_premiere;
  etat.counters["resident_en_bataille_mo"] = en_bataille_mo;
}

}  // namespace

BENCHMARK(BM_Bataille)->Args({0, 0})->Args({0, 1})->Args({1, 0})->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CentBatailles)->Iterations(1)->Unit(benchmark::kMillisecond);
