// The battle reads map files too: whatever bytes a map holds, the world it
// builds stays inside its tables and the reader never reads past the data.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "Dossier.h"
#include "battle/LireMap2.h"
#include "characters/Tramer.h"
#include "editor/Objet_de_Reference.h"
#include "engine/Ascenseur.h"
#include "engine/Constantes.h"
#include "engine/cc.h"

namespace {

// The fixed markers and a few named entries, without pictures.
void palette() {
  Objet_de_Reference::CreerVide();
  CreerEntreesFixes();
  for (const char* n : {"a.png", "b.png"}) {
    auto* o = new Reference_Objet(n);
    if (!o->enregistre()) delete o;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t taille) {
  dossier_propre("carte");
  static bool pret = (palette(), true);
  (void)pret;
  const char* nom = "carte.map";
  FILE* f = std::fopen(nom, "wb");
  if (!f) std::abort();
  std::fwrite(data, 1, taille, f);
  std::fclose(f);
  ReinitialiserMap();
  general::nom_map = nom;
  if (LireMap3(nom)) LireMap2();
  if (cc::nb_cc > cc::NB_MAX_CC || Ascenseur::nb_ascenseurs > Ascenseur::NB_MAX_ASCENSEURS ||
      Mapping::dernier_objet > Mapping::NB_OBJETS || Tramer::nb_persos > Tramer::NB_MAX_PERSOS)
    __builtin_trap();
  ReinitialiserMap();
  return 0;
}
