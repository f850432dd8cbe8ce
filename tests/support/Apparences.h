#pragma once
// The appearance registry is global: each test starts from an empty one.
#include "characters/Element.h"

inline void vider_apparences() {
  for (int s = 0; s < 2; ++s) {
    for (int i = 0; i < NB_MAX_ELEMENTS; ++i) delete Element::Elements[s][i];
    Element::dernier_element[s] = 0;
  }
  for (int& c : Element::Construction_en_cours) c = 0;
  Element::Bras_en_cours = 0;
  Element::Base = nullptr;
}
