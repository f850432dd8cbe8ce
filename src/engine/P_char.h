#pragma once
#include "engine/Variante.h"
// Owned zero-terminated byte text, and the free text functions every name,
// caption and catalog line passes through. Results of the free functions are
// fresh new[] buffers that the caller owns.

void switchbool(bool& b);
void switchbool(char& c);
char* intchar(int n);
char* concatenation(char* a, char* b);  // releases a and b
char* constconcatenation(const char* a, const char* b);
bool charcmp(const char* a, const char* b);

class P_char {
 public:
  P_char();
  P_char(int n);
  P_char(char* t);
  P_char(const char* t);
  P_char(const P_char& autre);
  ~P_char();

  P_char& operator=(const P_char& autre);
  char* operator=(char* t);
  char* operator=(const char* t);
  char* operator=(int n);

  // + changes the object itself and gives back its new text.
  char* operator+(char* t);
  char* operator+(const char* t);
  char* operator+(int n);
  // += drops a leading blank of the text held; += of a number does not.
  void operator+=(char* t);
  void operator+=(const char* t);
#if !GAME_EARLY
  void operator+=(int n);
#endif

  char* retournertexte() const { return texte; }

 private:
  void remplacer(char* nouveau);
  char* texte;
};
