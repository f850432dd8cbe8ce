#include "sound/Son.h"

#include <SDL_mixer.h>

#include <cstdio>
#include <set>

#include "platform/Fichiers.h"

struct Son::Echantillon {
  Mix_Chunk* chunk = nullptr;
  std::string nom;
};
struct Son::Flux {
  Mix_Music* musique = nullptr;
  std::string nom;
};

namespace Son {
namespace {
bool enregistre = false;
bool pret = false;
std::vector<Appel> journal;

void noter(const char* op, int canal, const std::string& n, int v) {
  if (enregistre) journal.push_back(Appel{op, canal, n, v});
}

// Said once per file, so a missing sound does not flood stderr.
void signaler_absent(const char* quoi) {
  static std::set<std::string> deja;
  if (deja.insert(quoi).second) std::fprintf(stderr, "sound: missing file \"%s\"\n", quoi);
}
}  // namespace

bool initialiser(int frequence, int canaux) {
  noter("init", -1, "", canaux);
  if (enregistre) return true;
  if (pret) return true;
  if (Mix_OpenAudio(frequence, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    std::fprintf(stderr, "sound: cannot open audio (%s); playing without sound\n", Mix_GetError());
    return false;
  }
  Mix_AllocateChannels(canaux);
  pret = true;
  return true;
}

Echantillon* charger(const char* n) {
  if (!n) return nullptr;
  std::string chemin = Fichiers::resoudre(n);
  if (!Fichiers::existe(n)) {
    signaler_absent(n);
    noter("load", -1, n, 0);
    return nullptr;
  }
  auto* e = new Echantillon;
  e->nom = n;
  if (!enregistre && pret) e->chunk = Mix_LoadWAV(chemin.c_str());
  noter("load", -1, n, 1);
  return e;
}

void liberer(Echantillon* e) {
  if (!e) return;
  if (e->chunk) Mix_FreeChunk(e->chunk);
  delete e;
}

const char* nom(const Echantillon* e) { return e ? e->nom.c_str() : ""; }

void jouer(int canal, Echantillon* e) {
  if (!e) return;
  noter("play", canal, e->nom, 0);
  if (!enregistre && pret && e->chunk) Mix_PlayChannel(canal, e->chunk, 0);
}

void arreter(int canal) {
  noter("stop", canal, "", 0);
  if (!enregistre && pret) Mix_HaltChannel(canal);
}

void volume(int canal, int v) {
  if (v < 0) v = 0;
  if (v > 255) v = 255;
  noter("volume", canal, "", v);
  if (enregistre || !pret) return;
  Mix_Volume(canal, v * MIX_MAX_VOLUME / 255);
  // The ambience owns its channel, but SDL_mixer plays it as music, which
  // has a volume of its own.
  if (canal == CANAL_FLUX) Mix_VolumeMusic(v * MIX_MAX_VOLUME / 255);
}

Flux* ouvrir_flux(const char* n) {
  if (!n) return nullptr;
  if (!Fichiers::existe(n)) {
    signaler_absent(n);
    noter("stream_open", -1, n, 0);
    return nullptr;
  }
  auto* f = new Flux;
  f->nom = n;
  if (!enregistre && pret) f->musique = Mix_LoadMUS(Fichiers::resoudre(n).c_str());
  noter("stream_open", -1, n, 1);
  return f;
}

void jouer_flux(Flux* f) {
  if (!f) return;
  noter("stream_play", -1, f->nom, -1);
  if (!enregistre && pret && f->musique) Mix_PlayMusic(f->musique, -1);
}

void arreter_flux(Flux* f) {
  if (!f) return;
  noter("stream_stop", -1, f->nom, 0);
  if (!enregistre && pret) Mix_HaltMusic();
}

void fermer_flux(Flux* f) {
  if (!f) return;
  noter("stream_close", -1, f->nom, 0);
  if (f->musique) Mix_FreeMusic(f->musique);
  delete f;
}

void fermer() {
  if (!pret) return;
  Mix_HaltMusic();
  Mix_CloseAudio();
  pret = false;
}

void utiliser_enregistreur(bool oui) {
  enregistre = oui;
  journal.clear();
}
bool enregistreur() { return enregistre; }
const std::vector<Appel>& appels() { return journal; }
void effacer_appels() { journal.clear(); }

}  // namespace Son
