#include "engine/P_char.h"

#include <cstring>

#include "engine/Variante.h"

namespace {
char* copie(const char* t) {
  if (!t) t = "";
  size_t n = std::strlen(t);
  char* r = new char[n + 1];
  std::memcpy(r, t, n + 1);
  return r;
}
}  // namespace

void switchbool(bool& b) { b = !b; }

void switchbool(char& c) {
  if (c == 0)
    c = 1;
  else if (c == 1)
    c = 0;
}

char* intchar(int n) {
  // Negative numbers keep their sign; the magnitude is taken unsigned so
  // INT_MIN does not overflow.
  bool negatif = n < 0;
  unsigned int v = negatif ? 0u - static_cast<unsigned int>(n) : static_cast<unsigned int>(n);
  int chiffres = 1;
  for (unsigned int t = v; t > 9; t /= 10) ++chiffres;
  int taille = chiffres + (negatif ? 1 : 0);
  char* r = new char[taille + 1];
  r[taille] = '\0';
  for (int i = taille - 1; i >= (negatif ? 1 : 0); --i) {
    r[i] = static_cast<char>('0' + v % 10);
    v /= 10;
  }
  if (negatif) r[0] = '-';
  return r;
}

char* concatenation(char* a, char* b) {
  size_t la = a ? std::strlen(a) : 0, lb = b ? std::strlen(b) : 0;
  char* r = new char[la + lb + 1];
  if (la) std::memcpy(r, a, la);
  if (lb) std::memcpy(r + la, b, lb);
  r[la + lb] = '\0';
  delete[] a;
  delete[] b;
  return r;
}

char* constconcatenation(const char* a, const char* b) {
  if (!a) a = "";
  if (!b) b = "";
  if (a[0] == ' ') ++a;
  size_t la = std::strlen(a), lb = std::strlen(b);
  char* r = new char[la + lb + 1];
  std::memcpy(r, a, la);
  std::memcpy(r + la, b, lb + 1);
  return r;
}

bool charcmp(const char* a, const char* b) {
  if (!a) a = "";
  if (!b) b = "";
  size_t la = std::strlen(a);
  if (la != std::strlen(b)) return false;
  return std::memcmp(a, b, la) == 0;
}

P_char::P_char() : texte(copie("")) {}
P_char::P_char(int n) : texte(intchar(n)) {}
P_char::P_char(char* t) : texte(copie(t)) {}
P_char::P_char(const char* t) : texte(copie(t)) {}
P_char::P_char(const P_char& autre) : texte(copie(autre.texte)) {}
P_char::~P_char() { delete[] texte; }

// The new text is made before the old one goes, so assigning an object its
// own text is safe.
void P_char::remplacer(char* nouveau) {
  char* ancien = texte;
  texte = nouveau;
  delete[] ancien;
}

P_char& P_char::operator=(const P_char& autre) {
  if (this != &autre) remplacer(copie(autre.texte));
  return *this;
}
char* P_char::operator=(char* t) {
  remplacer(copie(t));
  return texte;
}
char* P_char::operator=(const char* t) {
  remplacer(copie(t));
  return texte;
}
char* P_char::operator=(int n) {
  remplacer(intchar(n));
  return texte;
}

char* P_char::operator+(char* t) { return operator+(static_cast<const char*>(t)); }
char* P_char::operator+(const char* t) {
  texte = concatenation(texte, copie(t));
  return texte;
}
char* P_char::operator+(int n) {
  texte = concatenation(texte, intchar(n));
  return texte;
}

void P_char::operator+=(char* t) { operator+=(static_cast<const char*>(t)); }
void P_char::operator+=(const char* t) {
  char* c = copie(t);
  remplacer(constconcatenation(texte, c));
  delete[] c;
}
#if !GAME_EARLY
void P_char::operator+=(int n) { texte = concatenation(texte, intchar(n)); }
#endif
