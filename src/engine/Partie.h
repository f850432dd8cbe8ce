#pragma once
// Animation frame sets: the pictures prefix + "1.png" .. "10.png", their
// mirrors and half-size copies, shared by prefix for the whole run.
#include <array>

#include "engine/Headers.h"

extern const char* Nombre[10];

class Partie {
 public:
  explicit Partie(P_char prefixe);
  Partie();  // no frames: filled one frame at a time with ChangerImage
  // The picture and mirror names of frame k (empty texts past the last frame).
  std::array<P_char, 2> ReleverNoms(int k) const;
  // Frame k takes the pictures named by noms[0] and noms[1] (a pair from
  // ReleverNoms); frame k == the frame count extends the set by one.
  void ChangerImage(const P_char* noms, int k);
  static Partie* AllouerPartie(const char* prefixe);
  static void StockerPartie(const char* nom, Partie* p);
  int relever_nb_frame() const { return nb_frame; }

  uint8_t nb_frame = 0;
  uint16_t* nb_utilisation = nullptr;
  uint16_t ref = 0;
  SDL_Rect dm_image = {0, 0, 0, 0};
  P_char Noms[2][10];
  SDL_Surface* Image[4][11] = {};

  static Partie** Parties;
  static P_char* nom_Parties;
  static int* nb_apparition;
  static uint16_t nb_parties;
  static int32_t derniere_Partie_demandee;
  static int32_t derniere_Partie_stockee;

 private:
  static void ajouter(const char* nom, Partie* p);
};

// The bare body and arm frame sets of every soldier, by sex and skin colour:
// the body by action, the arms by row (0 far, 1 near) and pose. Start-up
// fills them; an entry it could not load stays null.
extern Partie* BCorps[2][2][20];
extern Partie* BBras[2][2][2][5];
