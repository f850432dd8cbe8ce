#pragma once
#include <cstdint>

// Period timer on the game clock. cycle() answers 3 once the period has
// passed since the last reset and 2 otherwise (and 2 while not running);
// it never restarts itself.
class Timing {
 public:
  Timing();
  void remise_a_zero();
  int cycle(int periode);

  int32_t duree_en_cours = 0;
  int32_t duree_de_depart = 0;
  bool en_cours = false;
};
