#include "engine/Timing.h"

#include "platform/Horloge.h"

Timing::Timing() : duree_de_depart(static_cast<int32_t>(Horloge::ticks())) {}

void Timing::remise_a_zero() { duree_de_depart = static_cast<int32_t>(Horloge::ticks()); }

int Timing::cycle(int periode) {
  duree_en_cours = static_cast<int32_t>(Horloge::ticks());
  if (!en_cours) return 2;
  return duree_de_depart + periode < duree_en_cours ? 3 : 2;
}
