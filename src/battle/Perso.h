#pragma once
// The character file: 23 raw bytes naming a soldier's sex, skin, weapons,
// clothing, arms, hit points, Wex and side, with an optional 4-byte map time
// limit behind them. Its byte order is not the order of the record.
#include <cstdint>
#include <string>

constexpr int TAILLE_FICHIER_PERSO = 23;

struct Perso {
  uint8_t armeprincipale = 0;
  uint8_t arme_melee = 0;
  uint8_t projectile = 0;
  uint8_t aura = 0;
  uint8_t Vetements[11] = {};
  uint8_t Bras = 0;
  bool camp_perso = true;
  int32_t Wex = 0;
  int32_t vie_perso = 0;
  char couleur_de_peau = 0;
  char sexe = 0;

  // The bytes come straight from a file: users index their tables through
  // these, which give a valid default for anything out of range.
  int index_arme_principale() const;  // 0..11
  int index_arme_melee() const;       // modulo 5, as designed
  int index_projectile() const;       // 0..3
  int index_aura() const;             // 0..2
  int index_sexe() const;             // 0..1
  int index_couleur() const;          // 0..1
  // Appearance sets of the character's sex; 0 ("Aucun") when unknown.
  int index_vetement(int partie) const;
  int index_bras() const;
};

// Starts from the default record; a missing file gives it back unchanged.
// A file longer than the record sets general::temps_map from its trailer.
Perso LirePerso(const char* nom);
// Reads a file into the character editor's values (no trailer).
void LirePersoEditeur(const char* nom);
// Writes the editor's values to the file named general::nom_perso. Refuses
// names that are not a plain file name or that belong to the game's own
// files; false when nothing was written.
bool SauvegarderPerso();
Perso ReleverPersoEditeur();

// A typed name without the blanks around it: the prompt keeps a lone space
// where a name was cleared, and a file name never starts or ends with one.
std::string sans_blancs(const char* nom);
// A plain file name of the folder that is none of the game's catalogs,
// missions or save slots: maps are saved under such a name plus ".map".
bool nom_fichier_acceptable(const char* nom);
// A name a character file may take: plain, and no file the game reads for
// anything else (the font, the icon, pictures, sounds, maps, texts, folders).
bool nom_perso_acceptable(const char* nom);
// v when 0 <= v < n, else 0.
int index_sur(int v, int n);
