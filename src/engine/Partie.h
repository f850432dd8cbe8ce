#pragma once
// Animation frame sets: the pictures prefix + "1.png" .. "10.png", their
// mirrors and half-size copies, shared by prefix for the whole run.
#include "engine/Headers.h"

extern const char* Nombre[10];

class Partie {
 public:
  explicit Partie(P_char prefixe);
  // A set with no frame yet, filled with ChangerImage.
  Partie() = default;
  static Partie* AllouerPartie(const char* prefixe);
  static void StockerPartie(const char* nom, Partie* p);
  int relever_nb_frame() const { return nb_frame; }
  // The picture and mirror names of frame k (null past the table).
  P_char* ReleverNoms(int k);
  // Frame k shows the pictures named by noms[0] and noms[1]; the set grows
  // by one when k is its next frame.
  void ChangerImage(P_char* noms, int k);

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

// Folder of each clothing part's animation by action ("/Bas-1/run"...);
// null where the action has no folder of its own.
extern char* RepertoiresPersos[11][20];
// Fills the folders once; later calls keep the first texts.
void RemplirRepertoiresPersos();
