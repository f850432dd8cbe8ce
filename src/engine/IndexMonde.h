#pragma once
// Columns of the world: which entries of the world table may reach a stretch
// of x. A crowded map holds thousands of objects and every bullet asks the
// table where it hits each frame; the columns hand a probe the few entries
// near it, and the probe tests them exactly as a walk of the table would.
//
// Nothing tells the columns when an object moves, so they are brought in step
// by reading the objects: all of them before the frame pass and before any
// question asked outside it; during the pass, the object that is running, the
// objects made, emptied or reported by a probe while it runs, and those
// another object moves (`bouge`).
#include <cstdint>
#include <vector>

class Mapping;

namespace IndexMonde {

constexpr int LARGEUR_CASE = 128;
constexpr int NB_CASES = 2048;
// An object wider than this many columns is kept apart and offered to every probe.
constexpr int ETENDUE_MAX = 16;

// Off: every probe walks the table (the differential tests compare both ways).
extern bool actif;
// Each answer of the columns is checked against a walk of the table;
// a difference is counted, told on stderr, and stops a debug build.
extern bool verifier;
extern bool arreter_si_ecart;
extern long ecarts;

// The frame pass around the objects it runs and draws.
void entrer_passe();
void sortir_passe();
void avant_appel(int32_t i);
void apres_appel(int32_t i);

// Entry i was taken or emptied.
void inscrit(int32_t i);
// The table was compacted or reset: the columns are rebuilt at the next question.
void renumerote();
// An object moved, resized or changed picture by another object's doing.
void bouge(const Mapping* o);

// Brings the columns in step with the table before a question.
void preparer();

// During the frame pass: the highest empty entry from 1 to dernier_objet - 1,
// -1 for none, as a walk down the table finds it; -2 outside the pass, where
// the caller walks the table itself.
int32_t derniere_vide();

// A difference between the columns and the walk of the table.
void ecart(const char* sonde, int32_t colonnes, int32_t table);

struct Colonnes {
  std::vector<int32_t> cases[NB_CASES];
  std::vector<int32_t> larges;
};
extern Colonnes colonnes;

inline int case_de(int x) {
  const int c = (x >> 7) + NB_CASES / 2;
  return c < 0 ? 0 : c >= NB_CASES ? NB_CASES - 1 : c;
}

// Calls f(i) for every entry that may reach x1..x2 (either order); an entry
// may be offered more than once.
template <class F>
void candidats(int x1, int x2, F&& f) {
  const int c0 = case_de(x1 < x2 ? x1 : x2), c1 = case_de(x1 < x2 ? x2 : x1);
  for (int c = c0; c <= c1; ++c)
    for (int32_t i : colonnes.cases[c]) f(i);
  for (int32_t i : colonnes.larges) f(i);
}

}  // namespace IndexMonde
