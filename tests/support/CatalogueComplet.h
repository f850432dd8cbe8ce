#pragma once
// A bench holding the whole start-up catalogue of weapons and appearance
// sets, built as the logo sequence builds it and freed after each test.
#include "Apparences.h"
#include "Banc.h"
#include "characters/Element.h"
#include "characters/InitierPersos.h"
#include "weapons/Armes.h"
#include "weapons/Katana.h"

class CatalogueComplet : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    vider_apparences();
    copier_donnees();
    InitierPersos();
  }
  void TearDown() override {
    // The catalogue lives for the whole run in the game; a test frees it.
    LibererCatalogue();
    vider_apparences();
    Banc::TearDown();
  }
};
