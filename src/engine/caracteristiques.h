#pragma once
#include <cstdint>

// Hit points and combat values of a character.
struct caracteristiques {
  caracteristiques() = default;
  caracteristiques(int32_t pv, int32_t limite, int16_t attaque, int16_t defense)
      : pv_max(pv), pv_restants(pv), aura(0), limite_aura(limite), attaque(attaque), defense(defense) {}

  int32_t pv_max = 0;
  int32_t pv_restants = 0;
  int32_t aura = 0;
  int32_t limite_aura = 0;
  int16_t attaque = 0;
  int16_t defense = 0;
};
