#pragma once
// A bench holding the whole start-up catalogue of weapons and appearance
// sets, built as the logo sequence builds it and freed after each test.
#include <algorithm>

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
    for (Armes*& a : Element::ArmesPrincipales) delete a, a = nullptr;
    for (Katana*& k : Element::ArmesMelee) delete k, k = nullptr;
    for (Armes*& a : Element::Projectile) delete a, a = nullptr;
    for (Armes*& a : Element::Auras) delete a, a = nullptr;
    // The choice lists share those weapons: nothing may point at them now.
    std::fill_n(Fusils, 8, nullptr);
    std::fill_n(Pistolets, 8, nullptr);
    std::fill_n(ArmesPrincipales, 12, nullptr);
    std::fill_n(Melee, 5, nullptr);
    std::fill_n(Projectiles, 4, nullptr);
    if (Inventaire) {
      delete Inventaire[0];
      delete Inventaire[1];
      delete[] Inventaire;
      Inventaire = nullptr;
    }
    vider_apparences();
    Banc::TearDown();
  }
};
