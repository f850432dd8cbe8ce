// The battle reads map files too: whatever bytes a map holds, the world it
// builds stays inside its tables and the reader never reads past the data.
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

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
  static const std::string nom = "fuzz_carte_" + std::to_string(::getpid()) + ".map";
  static bool pret = (palette(), true);
  (void)pret;
  FILE* f = std::fopen(nom.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, taille, f);
  std::fclose(f);
  ReinitialiserMap();
  general::nom_map = nom.c_str();
  if (LireMap3(nom.c_str())) LireMap2();
  if (cc::nb_cc > cc::NB_MAX_CC || Ascenseur::nb_ascenseurs > Ascenseur::NB_MAX_ASCENSEURS ||
      Mapping::dernier_objet > Mapping::NB_OBJETS || Tramer::nb_persos > Tramer::NB_MAX_PERSOS)
    __builtin_trap();
  ReinitialiserMap();
  std::remove(nom.c_str());
  return 0;
}
