#include "engine/IndexMonde.h"

#include <cstdio>
#include <cstdlib>

#include "engine/Mapping.h"

namespace IndexMonde {

bool actif = true;
#ifdef NDEBUG
bool verifier = false;
bool arreter_si_ecart = false;
#else
bool verifier = true;
bool arreter_si_ecart = true;
#endif
long ecarts = 0;
Colonnes colonnes;

namespace {

constexpr int16_t ABSENT = -1, LARGE = -2;

// Where each entry sits in the columns now.
struct Fiche {
  int16_t c0 = ABSENT, c1 = ABSENT;
};
Fiche fiches[Mapping::NB_OBJETS];
int32_t etendue = 0;  // entries at and above this are in no column
bool a_refaire = true;
bool en_passe = false;
int32_t appelant = -1;
std::vector<int32_t> sales;
bool sale[Mapping::NB_OBJETS];
// One bit per entry, set while the entry is empty.
constexpr int NB_MOTS = (Mapping::NB_OBJETS + 63) / 64;
uint64_t vides[NB_MOTS];

void marquer_vide(int32_t i, bool vide) {
  const uint64_t bit = uint64_t{1} << (i & 63);
  if (vide)
    vides[i >> 6] |= bit;
  else
    vides[i >> 6] &= ~bit;
}

// The stretch of x an object may reach: its frame offset may move either
// edge of its box, whichever way it faces.
Fiche place(int32_t i) {
  Fiche f;
  if (!Mapping::occupe(i)) return f;
  const Mapping* o = Mapping::Objets[i];
  const int tx = o->TramePrincipale.x < 0 ? -o->TramePrincipale.x : o->TramePrincipale.x;
  const int lo = o->position.x - tx, hi = o->position.x + o->TramePrincipale.w + tx;
  const int c0 = case_de(lo), c1 = case_de(hi);
  if (c1 - c0 >= ETENDUE_MAX) {
    f.c0 = f.c1 = LARGE;
  } else {
    f.c0 = static_cast<int16_t>(c0);
    f.c1 = static_cast<int16_t>(c1);
  }
  return f;
}

void oter(std::vector<int32_t>& v, int32_t i) {
  for (auto& e : v)
    if (e == i) {
      e = v.back();
      v.pop_back();
      return;
    }
}

void ranger(int32_t i) {
  if (i < 0 || i >= Mapping::NB_OBJETS) return;
  const Fiche neuve = place(i);
  marquer_vide(i, neuve.c0 == ABSENT);
  Fiche& f = fiches[i];
  if (neuve.c0 == f.c0 && neuve.c1 == f.c1) return;
  if (f.c0 == LARGE)
    oter(colonnes.larges, i);
  else if (f.c0 != ABSENT)
    for (int c = f.c0; c <= f.c1; ++c) oter(colonnes.cases[c], i);
  f = neuve;
  if (f.c0 == LARGE)
    colonnes.larges.push_back(i);
  else if (f.c0 != ABSENT)
    for (int c = f.c0; c <= f.c1; ++c) colonnes.cases[c].push_back(i);
  if (f.c0 != ABSENT && i >= etendue) etendue = i + 1;
}

void refaire() {
  for (auto& c : colonnes.cases) c.clear();
  colonnes.larges.clear();
  for (int32_t i = 0; i < etendue; ++i) fiches[i] = Fiche{};
  etendue = 0;
  for (int32_t i = 0; i < Mapping::dernier_objet; ++i) ranger(i);
  a_refaire = false;
}

// Every entry read afresh.
void tout_relire() {
  if (a_refaire) {
    refaire();
  } else {
    const int32_t n = etendue > Mapping::dernier_objet ? etendue : Mapping::dernier_objet;
    for (int32_t i = 0; i < n; ++i) ranger(i);
  }
  for (int32_t i : sales) sale[i] = false;
  sales.clear();
}

void noter(int32_t i) {
  if (!en_passe || i < 0 || i >= Mapping::NB_OBJETS || sale[i]) return;
  sale[i] = true;
  sales.push_back(i);
}

}  // namespace

void entrer_passe() {
  tout_relire();
  en_passe = true;
  appelant = -1;
}

void sortir_passe() {
  en_passe = false;
  appelant = -1;
  for (int32_t i : sales) sale[i] = false;
  sales.clear();
}

void avant_appel(int32_t i) { appelant = i; }

void apres_appel(int32_t i) {
  if (!en_passe) return;
  if (a_refaire) refaire();
  ranger(i);
  for (int32_t s : sales) {
    ranger(s);
    sale[s] = false;
  }
  sales.clear();
  appelant = -1;
}

void inscrit(int32_t i) { noter(i); }

void renumerote() { a_refaire = true; }

void bouge(const Mapping* o) {
  if (o && o->enregistre()) noter(static_cast<int32_t>(o->element_actuel));
}

void preparer() {
  if (!en_passe) {
    tout_relire();
    return;
  }
  if (a_refaire) refaire();
  if (appelant >= 0) ranger(appelant);
  for (int32_t s : sales) ranger(s);
}

int32_t derniere_vide() {
  if (!actif || !en_passe) return -2;
  preparer();
  int32_t r = -1;
  const int32_t haut = Mapping::dernier_objet - 1;
  for (int32_t m = haut >> 6; m >= 0 && haut >= 1 && r < 0; --m) {
    uint64_t mot = vides[m];
    if (m == haut >> 6 && (haut & 63) != 63) mot &= (uint64_t{1} << ((haut & 63) + 1)) - 1;
    if (m == 0) mot &= ~uint64_t{1};  // entry 0 is never taken again
    if (mot) r = m * 64 + 63 - __builtin_clzll(mot);
  }
  if (verifier) {
    int32_t t = -1;
    for (int32_t i = haut; i >= 1 && t < 0; --i)
      if (!Mapping::occupe(i)) t = i;
    if (t != r) ecart("registration", r, t);
  }
  return r;
}

void ecart(const char* sonde, int32_t par_colonnes, int32_t par_table) {
  ++ecarts;
  std::fprintf(stderr, "world columns: %s probe found entry %d, the table walk %d\n", sonde,
               static_cast<int>(par_colonnes), static_cast<int>(par_table));
  if (arreter_si_ecart) std::abort();
}

}  // namespace IndexMonde
