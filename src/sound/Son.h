#pragma once
// Our sound layer: the handful of calls the game makes, over SDL_mixer.
// Tests switch to the recording backend, which keeps the calls and their
// arguments and plays nothing.
#include <string>
#include <vector>

namespace Son {

struct Echantillon;  // a loaded sample
struct Flux;         // a looping ambience stream

bool initialiser(int frequence, int canaux);  // 128 mixing channels in the game
void fermer();                                // closes the mixer, if open
Echantillon* charger(const char* nom);        // null when the file is missing
void liberer(Echantillon* e);
const char* nom(const Echantillon* e);

void jouer(int canal, Echantillon* e);  // null plays nothing
void arreter(int canal);
void volume(int canal, int v);          // 0-255, scaled to the mixer's 0-128

// The ambience stream plays on this channel: its volume calls reach it.
constexpr int CANAL_FLUX = 0;
Flux* ouvrir_flux(const char* nom);     // null when the file is missing
void jouer_flux(Flux* f);               // loops forever
void arreter_flux(Flux* f);
void fermer_flux(Flux* f);

// Recording backend.
struct Appel {
  std::string operation;  // "init", "load", "play", "stop", "volume", "stream_open", ...
  int canal = -1;
  std::string nom;
  int valeur = 0;
};
void utiliser_enregistreur(bool oui);
bool enregistreur();
const std::vector<Appel>& appels();
void effacer_appels();

}  // namespace Son

// The sample type as the sound cache names it.
using FSOUND_SAMPLE = Son::Echantillon;
