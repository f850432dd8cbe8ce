#include "engine/ecriture_dynamique.h"

#include <cstring>
#include <string>

#include "engine/Constantes.h"

P_char* texte_suivi(P_char** t) { return t ? *t : nullptr; }

namespace {

const char* contenu(const P_char* p) {
  const char* t = p ? p->retournertexte() : nullptr;
  return t ? t : "";
}

std::string ligne(const P_char& base, P_char** t) { return std::string(contenu(&base)) + contenu(texte_suivi(t)); }

// Whether the watched text differs from what was rendered last.
bool change(const P_char& dernier, P_char** t) { return std::strcmp(contenu(&dernier), contenu(texte_suivi(t))) != 0; }

}  // namespace

ecriture_dynamique::ecriture_dynamique(const char* b, P_char** t, SDL_Rect pos)
    : dernier_message(contenu(texte_suivi(t))), base_message(b ? b : ""), texte(t) {
  position = pos;
  ajouter_ligne(ligne(base_message, texte).c_str());
}

void ecriture_dynamique::comportement() {
  if (change(dernier_message, texte)) {
    retirer_ligne();
    ajouter_ligne(ligne(base_message, texte).c_str());
    dernier_message = contenu(texte_suivi(texte));
  }
  ecriture::comportement();
}

ecriture_dynamique2::ecriture_dynamique2(const char* b, P_char** t, SDL_Rect pos)
    : dernier_message(contenu(texte_suivi(t))), base_message(b ? b : ""), texte(t) {
  position = pos;
  ajouter_ligne(ligne(base_message, texte).c_str());
}

void ecriture_dynamique2::comportement() {
  if (change(dernier_message, texte)) {
    retirer_ligne();
    ajouter_ligne(ligne(base_message, texte).c_str());
    dernier_message = contenu(texte_suivi(texte));
  }
  ecriture2::comportement();
}

void ecriture_dynamique2::retirer_lettre() {
  P_char* p = texte_suivi(texte);
  if (!p) return;
  const char* t = contenu(p);
  size_t n = std::strlen(t);
  if (n == 0) return;
  if (n == 1) {
    *p = " ";
    return;
  }
  char* court = new char[n];
  std::memcpy(court, t, n - 1);
  court[n - 1] = '\0';
  *p = court;  // P_char copies it
  delete[] court;
}
