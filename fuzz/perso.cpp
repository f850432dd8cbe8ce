// Character files come from anywhere: both readers must take any bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "Apparences.h"
#include "Dossier.h"
#include "battle/Perso.h"
#include "characters/Element.h"
#include "engine/Constantes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t taille) {
  dossier_propre("perso");
  // What the editor's reader sets, as at start-up: a short file leaves the
  // rest as it was.
  vider_apparences();
  general::sexe = general::couleur_de_peau = general::armeprincipale = general::arme_melee = 0;
  general::projectile = general::aura = 0;
  general::camp_perso = 1;
  general::vie_perso = general::Wex = 0;
  const char* nom = "perso";
  FILE* f = std::fopen(nom, "wb");
  if (!f) std::abort();
  std::fwrite(data, 1, taille, f);
  std::fclose(f);
  Perso p = LirePerso(nom);
  volatile int somme = p.index_arme_principale() + p.index_arme_melee() + p.index_projectile() + p.index_aura() +
                       p.index_sexe() + p.index_couleur() + p.index_bras();
  for (int i = 0; i < NB_ELEMENTS; ++i) somme = somme + p.index_vetement(i);
  LirePersoEditeur(nom);
  Element::Next(static_cast<int>(taille % 12));
  Element::Previous(static_cast<int>(taille % 12));
  return 0;
}
