#pragma once
// Empties the editor's palette, placed items and widgets between tests, and
// writes small character files.
#include "battle/FichierMap.h"
#include "battle/Perso.h"
#include "editor/Reference.h"
#include "engine/Constantes.h"
#include "engine/Interface.h"

inline void vider_palette() {
  DesallouerMap();
  delete Reference::Vide;
  Reference::Vide = nullptr;
  delete[] Reference::References;
  Reference::References = nullptr;
  Reference_Perso::nb_allies = Reference_Perso::nb_ennemis = 0;
  Objet_de_Reference::Vider();
  delete Cadre_Mappeur;
  Cadre_Mappeur = nullptr;
  delete Interface::Curseur;
  Interface::Curseur = nullptr;
  general::Scrolling = general::Scrolling_Mappeur = general::origine;
}

inline void ecrire_perso(const char* nom, char camp, char arme = 0) {
  general::nom_perso = nom;
  general::camp_perso = camp;
  general::armeprincipale = arme;
  SauvegarderPerso();
}
