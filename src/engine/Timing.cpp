#include "engine/Timing.h"

#include "platform/Horloge.h"

Timing::Timing() : duree_de_depart(static_cast<int32_t>(Horloge::ticks())) {}

void Timing::remise_a_zero() { duree_de_depart = static_cast<int32_t>(Horloge::ticks()); }

int Timing::cycle(int periode) {
  duree_en_cours = static_cast<int32_t>(Horloge::ticks());
  if (!en_cours) return 2;
  // The time gone by is taken modulo 2^32 and read unsigned, so it stays
  // right after the tick count passes 2^31 ms (24.8 days) and when it wraps:
  // a stamp made at start-up (a catalogue gun's, kept by its copies) is then
  // more than 2^31 ms old, which a signed reading would take for the future.
  const uint32_t ecoule = static_cast<uint32_t>(duree_en_cours) - static_cast<uint32_t>(duree_de_depart);
  return periode < 0 || ecoule > static_cast<uint32_t>(periode) ? 3 : 2;
}
