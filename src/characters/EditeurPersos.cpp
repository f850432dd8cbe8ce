#include "characters/EditeurPersos.h"

#include "characters/Element.h"
#include "engine/Interface.h"

namespace {
// Row r of the creator: rows 0-4 are parts 0-4, row 5 the arms, rows 6-11 parts 5-10.
ecriture*& etiquette(int r) { return r == 5 ? Element::Nom_bras : Element::Noms[r < 5 ? r : r - 1]; }
}  // namespace

void InitierEditeurPersos() {
  // Opening twice without closing would strand the first labels.
  DesallouerPersos();
  Element::cycle.en_cours = true;
  Element::cycle.remise_a_zero();
  Element::Evenementie.en_cours = true;
  Element::Evenementie.remise_a_zero();
  SDL_Rect lieu = general::origine;
  for (int r = 0; r < 12; ++r) {
    auto* e = new ecriture(general::Police, Element::texte_ligne(r), lieu, general::Blanc);
    etiquette(r) = e;
    lieu.x = 0;
    lieu.y = static_cast<Sint16>(e->position.y + (e->nb_ligne > 0 && e->image[0] ? e->image[0]->h : 0));
  }
}

void DesallouerPersos() {
  for (int r = 0; r < 12; ++r) {
    delete etiquette(r);
    etiquette(r) = nullptr;
  }
}
