#pragma once
// Screen widgets: pictures and texts drawn in screen coordinates over the
// world or a menu. Registered widgets are drawn by the widget pass, layer by
// layer; an ecriture2 belongs to its owner, who draws it.
#include "engine/Bliting.h"

class Interface : public Bliting {
 public:
  Interface(const char* nom, SDL_Rect Position);
  Interface();
  ~Interface() override;

  // Update and draw, now.
  void comportement() override;

  void initialisation();
  // True while the list still holds this widget at its element_actuel.
  bool enregistre() const;

  bool be_curseur = false;
  char type = 13;  // AUCUN: a widget is no placeable resource
  P_char Nom;      // our own copy: callers often pass a temporary buffer
  int32_t element_actuel = -1;

  // The widget list: exactly derniere_interface entries, reallocated on
  // every insertion and removal (it stays small).
  static Interface** Interfaces;
  static int32_t derniere_interface;
  static Interface* Curseur;

 private:
  static void Retirer(int32_t i);
};

// A registered text of one or more lines.
class ecriture : public Interface {
 public:
  ecriture(TTF_Font* Police, P_char texte, SDL_Rect Position, SDL_Color c);
  ecriture();
  ~ecriture() override;

  void comportement() override;
  void ajouter_ligne(P_char texte);
  void retirer_ligne();

  int16_t nb_ligne = 0;
  int16_t ligne_en_cours = 0;
  Timing cycle;
  bool progressif = false;
  // The line surfaces, top line first. It hides the Interface picture pair,
  // which a text never draws.
  SDL_Surface** image = nullptr;
  TTF_Font* police = nullptr;
  SDL_Color Couleur = {255, 255, 255, 0};
};

// The same text widget, registered nowhere; always white. Its lines live in
// the Bliting picture slot.
class ecriture2 : public Bliting {
 public:
  ecriture2(TTF_Font* Police, P_char texte, SDL_Rect Position);
  ecriture2();
  ~ecriture2() override;

  void comportement() override;
  void ajouter_ligne(const char* texte);
  void retirer_ligne();

  int16_t nb_ligne = 0;
  int16_t ligne_en_cours = 0;
  Timing cycle;
  bool progressif = false;
  TTF_Font* police = nullptr;
  P_char texte;
};

// Text lines rendered since start-up: a text must cost a render only when
// it changes, and this lets that be watched.
uint32_t lignes_rendues();
