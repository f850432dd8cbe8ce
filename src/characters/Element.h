#pragma once
// Appearance sets: a named costume of one sex whose folder holds a picture
// for each of the eleven clothing parts and a sleeve picture. The sets are
// made at start-up and kept by sex in Elements; entry 0 of each sex is the
// empty set "Aucun", so choice 0 of a part means no garment.
#include "engine/Constantes.h"

class Armes;
class Katana;
class ecriture;

constexpr int NB_MAX_ELEMENTS = 256;

class Element {
 public:
  Element(const char* Nom2, char Sexe);
  Element();  // the empty set "Aucun" of sex 0
  virtual ~Element();
  Element(const Element&) = delete;
  Element& operator=(const Element&) = delete;

  static void AfficherCreation(SDL_Rect lieu);
  static int Next(int choix);
  static int Previous(int choix);

  // The creator's text for a row: its label and the chosen set's name.
  static P_char texte_ligne(int choix);
  // The set of sex s at index i, or null when there is none.
  static Element* relever(int s, int i);
  bool enregistre() const { return element_actuel >= 0; }

  int element_actuel = -1;
  P_char nom;
  P_char noms[NB_ELEMENTS];
  SDL_Surface* Images[2][10][NB_ELEMENTS] = {};
  SDL_Surface* Bras[2] = {};
  bool existence[NB_ELEMENTS] = {};
  bool existence_bras = false;
  bool sexe2 = false;

  static int dernier_element[2];
  static Element* Elements[2][NB_MAX_ELEMENTS];
  static Armes* ArmesPrincipales[12];
  static Katana* ArmesMelee[5];
  static Armes* Projectile[4];
  static Armes* Auras[3];
  static Element* Base;
  static ecriture* Noms[NB_ELEMENTS];
  static ecriture* Nom_bras;
  static int Bras_en_cours;
  static SDL_Surface* CouleurPeau[10][3][2];
  static int Construction_en_cours[NB_ELEMENTS];
  static Timing cycle;
  static Timing Evenementie;
  static Uint8 frame;

  static const char* const Nom_Element[NB_ELEMENTS];

 private:
  void enregistrer();
  static int pas(int choix, int sens);
};

// The picture of catalogue main weapon `index`, as the palette and the
// creator show it; null for an index outside the catalogue or before it exists.
SDL_Surface* image_arme_catalogue(int index);
// Rewrites a creator label with a new line; a label not made yet is left.
void reecrire_etiquette(ecriture* etiquette, const char* texte);
