#include "characters/Tramer.h"

Tramer* Tramer::Persos[Tramer::NB_MAX_PERSOS];
int32_t Tramer::nb_persos = 0;
Tramer* Tramer::Hero = nullptr;
Tramer* Tramer::Escouade[2][11][10];
int32_t Tramer::effectif_escouades[2][11];
int32_t Tramer::nb_escouade[2];
Mapping* Tramer::ordre_escouades[2][11];
Tramer* Tramer::Renforts[Tramer::NB_MAX_RENFORTS];
int32_t Tramer::nb_renfort = 0;
int32_t Tramer::limite[2];
Timing Tramer::TLimites;
bool Tramer::Fin = false;

int classe_posture(int action) {
  if (action == DISCRET || action == TIRER_DISCRET) return 1;
  if (action == RAMPER || action == TIRER_RAMPER) return 2;
  return 0;
}

Tramer::Tramer() { type_objet = TRAMER; }

Tramer::~Tramer() {
  // Nothing may keep pointing at a soldier that is gone.
  if (Hero == this) Hero = nullptr;
  for (int i = 0; i < nb_persos && i < NB_MAX_PERSOS; ++i)
    if (Persos[i] == this) Persos[i] = nullptr;
}
