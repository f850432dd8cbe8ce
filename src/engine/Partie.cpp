#include "engine/Partie.h"

#include "engine/Fonctions.h"
#include "engine/IndexNoms.h"
#include "engine/OuvrirImage.h"

const char* Nombre[10] = {"1.png", "2.png", "3.png", "4.png", "5.png",
                          "6.png", "7.png", "8.png", "9.png", "10.png"};

Partie* BCorps[2][2][20] = {};
Partie* BBras[2][2][2][5] = {};

Partie** Partie::Parties = nullptr;
P_char* Partie::nom_Parties = nullptr;
int* Partie::nb_apparition = nullptr;
uint16_t Partie::nb_parties = 0;
int32_t Partie::derniere_Partie_demandee = -1;
int32_t Partie::derniere_Partie_stockee = -1;

namespace {
IndexNoms index_parties;
int chercher(const char* nom) { return index_parties.chercher(nom, Partie::nom_Parties, Partie::nb_parties); }
}  // namespace

Partie::Partie(P_char prefixe) {
  const char* p = prefixe.retournertexte();
  for (int k = 0; k < 10; ++k) {
    char* nom = constconcatenation(p, Nombre[k]);
    char* miroir = constconcatenation(nom, "1");
    Noms[0][k] = nom;
    Noms[1][k] = miroir;
    delete[] miroir;
    // Frame 1 missing is the caller's to report; later frames simply end the set.
    bool present = AllouerImage(nom, 0, false, k == 0) != nullptr;
    delete[] nom;
    if (!present) {
      Noms[0][k] = "";
      Noms[1][k] = "";
      break;
    }
    nb_frame = static_cast<uint8_t>(k + 1);
  }
  for (int k = 0; k < nb_frame; ++k) {
    const char* nom = Noms[0][k].retournertexte();
    const char* miroir = Noms[1][k].retournertexte();
    stocker_miroir(miroir, AllouerImage(nom, 0, false));
    Image[0][k] = AllouerImage(nom, 0, false);
    Image[1][k] = AllouerImage(miroir, 0, false, false);
    Image[2][k] = AllouerImage(nom, 1, false);
    Image[3][k] = AllouerImage(miroir, 1, false, false);
  }
  if (nb_frame > 0 && Image[0][0]) {
    dm_image.w = static_cast<Uint16>(Image[0][0]->w);
    dm_image.h = static_cast<Uint16>(Image[0][0]->h);
  }
}

Partie::Partie() {
  for (auto& rangee : Noms)
    for (P_char& n : rangee) n = "";
}

std::array<P_char, 2> Partie::ReleverNoms(int k) const {
  if (k < 0 || k >= 10) return {P_char(""), P_char("")};
  return {Noms[0][k], Noms[1][k]};
}

void Partie::ChangerImage(const P_char* noms, int k) {
  if (!noms || k < 0 || k >= 10) return;
  Noms[0][k] = noms[0];
  Noms[1][k] = noms[1];
  const char* nom = Noms[0][k].retournertexte();
  const char* miroir = Noms[1][k].retournertexte();
  bool nomme = nom && *nom;
  Image[0][k] = nomme ? AllouerImage(nom, 0, false) : nullptr;
  Image[1][k] = nomme ? AllouerImage(miroir, 0, false, false) : nullptr;
  Image[2][k] = nomme ? AllouerImage(nom, 1, false) : nullptr;
  Image[3][k] = nomme ? AllouerImage(miroir, 1, false, false) : nullptr;
  if (nb_frame == k) nb_frame = static_cast<uint8_t>(k + 1);
  if (k == 0 && Image[0][0]) {
    dm_image.w = static_cast<Uint16>(Image[0][0]->w);
    dm_image.h = static_cast<Uint16>(Image[0][0]->h);
  }
}

void Partie::ajouter(const char* nom, Partie* p) {
  int n = nb_parties;
  auto** parties = new Partie*[n + 1];
  auto* noms = new P_char[n + 1];
  auto* apparitions = new int[n + 1];
  for (int i = 0; i < n; ++i) {
    parties[i] = Parties[i];
    noms[i] = nom_Parties[i];
    apparitions[i] = nb_apparition[i];
  }
  delete[] Parties;
  delete[] nom_Parties;
  delete[] nb_apparition;
  Parties = parties;
  nom_Parties = noms;
  nb_apparition = apparitions;
  Parties[n] = p;
  nom_Parties[n] = nom;
  index_parties.noter(nom, n);
  nb_apparition[n] = 1;
  nb_parties = static_cast<uint16_t>(n + 1);
  derniere_Partie_demandee = n;
}

Partie* Partie::AllouerPartie(const char* prefixe) {
  if (!prefixe) return nullptr;
  if (int i = chercher(prefixe); i >= 0) {
    ++nb_apparition[i];
    derniere_Partie_demandee = i;
    return Parties[i];
  }
  auto* p = new Partie(P_char(prefixe));
  if (p->nb_frame == 0) {
    delete p;
    return nullptr;
  }
  if (nb_parties == UINT16_MAX) return p;  // the count is 16-bit: serve it uncached
  ajouter(prefixe, p);
  return p;
}

void Partie::StockerPartie(const char* nom, Partie* p) {
  if (!nom) return;
  if (int i = chercher(nom); i >= 0) {
    derniere_Partie_stockee = i;
    return;
  }
  if (p && nb_parties < UINT16_MAX) ajouter(nom, p);
}
