#include "engine/OuvrirSon.h"

#include "engine/IndexNoms.h"

FSOUND_SAMPLE** Sons = nullptr;
P_char* nom_Sons = nullptr;
bool* garderSon = nullptr;
int* nb_apparition_Son = nullptr;
int nb_Sons = 0;
int canal_actuel = 10;

namespace {
IndexNoms index_sons;

template <typename T>
T* agrandir(T* ancien, int n) {
  T* nouveau = new T[n + 1];
  for (int i = 0; i < n; ++i) nouveau[i] = ancien[i];
  delete[] ancien;
  return nouveau;
}
}  // namespace

FSOUND_SAMPLE* AllouerSon(const char* nom, bool garder) {
  if (!nom) return nullptr;
  if (int i = index_sons.chercher(nom, nom_Sons, nb_Sons); i >= 0) {
    ++nb_apparition_Son[i];
    return Sons[i];
  }
  FSOUND_SAMPLE* s = Son::charger(nom);
  if (!s) return nullptr;
  // Sounds are few: the arrays grow by one entry each.
  Sons = agrandir(Sons, nb_Sons);
  nom_Sons = agrandir(nom_Sons, nb_Sons);
  garderSon = agrandir(garderSon, nb_Sons);
  nb_apparition_Son = agrandir(nb_apparition_Son, nb_Sons);
  Sons[nb_Sons] = s;
  nom_Sons[nb_Sons] = nom;
  garderSon[nb_Sons] = garder;
  nb_apparition_Son[nb_Sons] = 1;
  index_sons.noter(nom, nb_Sons);
  ++nb_Sons;
  return s;
}

void DesallouerSon(const char*) {}

void DesallouerTousLesSons() {
  delete[] Sons;
  delete[] nom_Sons;
  delete[] garderSon;
  delete[] nb_apparition_Son;
  Sons = nullptr;
  nom_Sons = nullptr;
  garderSon = nullptr;
  nb_apparition_Son = nullptr;
  nb_Sons = 0;
  index_sons.vider();
}

void Jouer_son(FSOUND_SAMPLE* son, int volume) {
  // A missing sample plays nothing, but still cuts off what its channel
  // played and takes its turn in the rotation.
  Son::arreter(canal_actuel);
  if (son) {
    Son::jouer(canal_actuel, son);
    Son::volume(canal_actuel, volume);
  }
  if (++canal_actuel > 127) canal_actuel = 10;
}
