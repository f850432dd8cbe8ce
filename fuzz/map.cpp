// Map files come from anywhere: the editor's reader must take any bytes,
// make only whole records and never read past the data.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "Dossier.h"
#include "battle/FichierMap.h"
#include "editor/Reference.h"
#include "engine/Constantes.h"

namespace {

// One entry of a few kinds, without pictures, and the empty item.
void palette() {
  Objet_de_Reference::CreerVide();
  CreerEntreesFixes();
  for (const char* n : {"a.png", "b.png"}) {
    auto* o = new Reference_Objet(n);
    if (!o->enregistre()) delete o;
  }
  for (const char* n : {"x", "y"}) {
    Objet_de_Reference* o = new Reference_Ennemi(n);
    if (!o->enregistre()) delete o;
    o = new Reference_Allie(n);
    if (!o->enregistre()) delete o;
  }
  Reference::CreerVide();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t taille) {
  dossier_propre("map");
  static bool pret = (palette(), true);
  (void)pret;
  FILE* f = std::fopen("carte.map", "wb");
  if (!f) std::abort();
  std::fwrite(data, 1, taille, f);
  std::fclose(f);
  general::nom_map = "carte";
  LireMap();
  for (long i = 0; i < Reference::derniere_Reference; ++i) {
    Reference* r = Reference::References[i];
    if (r == Reference::Vide) continue;
    if (!r || r->type < 0 || r->type >= AUCUN) __builtin_trap();
  }
  DesallouerMap();
  if (Reference_Perso::nb_allies != 0 || Reference_Perso::nb_ennemis != 0) __builtin_trap();
  return 0;
}
