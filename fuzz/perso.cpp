// Character files come from anywhere: both readers must take any bytes.
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "battle/Perso.h"
#include "characters/Element.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t taille) {
  static const std::string nom = "fuzz_perso_" + std::to_string(::getpid());
  FILE* f = std::fopen(nom.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, taille, f);
  std::fclose(f);
  Perso p = LirePerso(nom.c_str());
  volatile int somme = p.index_arme_principale() + p.index_arme_melee() + p.index_projectile() + p.index_aura() +
                       p.index_sexe() + p.index_couleur() + p.index_bras();
  for (int i = 0; i < NB_ELEMENTS; ++i) somme = somme + p.index_vetement(i);
  LirePersoEditeur(nom.c_str());
  Element::Next(static_cast<int>(taille % 12));
  Element::Previous(static_cast<int>(taille % 12));
  std::remove(nom.c_str());
  return 0;
}
