#pragma once
// Text widgets that follow a text their owner keeps (through a pointer to
// its pointer), shown after a fixed prefix.
#include "engine/Interface.h"

class ecriture_dynamique : public ecriture {
 public:
  ecriture_dynamique(const char* b, P_char** t, SDL_Rect pos);

  void comportement() override;

  P_char dernier_message;
  P_char base_message;
  P_char** texte = nullptr;
};

class ecriture_dynamique2 : public ecriture2 {
 public:
  ecriture_dynamique2(const char* b, P_char** t, SDL_Rect pos);

  void comportement() override;
  // Backspace of the editor's dialogs and the text prompt: a text never
  // becomes empty through it, one letter leaves a single space.
  void retirer_lettre();

  P_char dernier_message;
  P_char base_message;
  P_char** texte = nullptr;
};

// The text a dynamic widget watches, or null while it watches nothing.
P_char* texte_suivi(P_char** t);
