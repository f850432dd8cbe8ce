#pragma once
// The editor's palette: one entry per placeable thing, made once at start-up
// (the fixed markers, then one per catalog line) and laid out by kind in the
// 200-pixel column on the left of the editor.
#include <cstdint>

#include "battle/Perso.h"
#include "engine/Bliting.h"

// Kind of a placeable thing: palette page, kind of the placed item and record
// type of the map file.
enum type_ressource {
  CIBLE = 0,
  OMBRE,
  OBSTACLE,
  ENNEMIS,
  ALLIES,
  OBJET,
  OBJETS_DESTRUCTIBLES,
  DIVERS,
  VEHICULE_TERRESTRE,
  VEHICULE_AERIEN,
  DEBUG,
  VEHICULE_POLYVALENT,
  OBJET_ANIME,
  AUCUN
};

// A kind's layout cursor: next free x of the current row, the row's top and
// height, and the entries of the kind made so far.
struct Disposition {
  long x = 0;
  long y = 50;
  long y_max = 0;
  int nb_element = 0;
};

class Objet_de_Reference : public Bliting {
 public:
  static constexpr int NB_MAX = 1000;
  // The map file keeps an entry's number in a signed byte.
  static constexpr int NB_MAX_PAR_TYPE = 128;

  ~Objet_de_Reference() override;
  void comportement() override;
  virtual int relever_camp() { return 2; }

  // False when the table or the kind was full: the entry is not listed and
  // the caller deletes it.
  bool enregistre() const { return enregistree; }
  // The box on screen, under the palette scroll.
  SDL_Rect boite() const;

  char type = AUCUN;
  P_char Nom;
  long element_actuel = -1;

  static Objet_de_Reference* Objets_de_Reference[NB_MAX];
  static long nb_Objet_de_reference;
  static Objet_de_Reference* Vide;

  // Creates the empty entry (entry 0).
  static Objet_de_Reference* CreerVide();
  // Deletes every entry and rewinds every kind's cursor: a fresh palette.
  static void Vider();

 protected:
  Objet_de_Reference() = default;
  // Steps 1 to 4 of every named kind: registration and number in the kind.
  bool initialiser(Disposition& d, char categorie, const char* nom);
  // Loads `chemin` and keeps only its half-size copy in slot 1.
  void charger_vignette(const char* chemin);
  bool enregistree = false;
  bool vignette_propre = false;

 private:
  static bool ajouter(Objet_de_Reference* o);
};

// Layout rules shared by the kinds.
void rangee_plus_haute(Disposition& d, SDL_Rect& pos, int w, int h);
void rangee_propre_hauteur(Disposition& d, SDL_Rect& pos, int w, int h);
void rangee_polyvalente(Disposition& d, SDL_Rect& pos, int w, int h);

class Reference_Cible : public Objet_de_Reference {
 public:
  explicit Reference_Cible(const char* nom);
  int relever_camp() override { return camp; }
  int camp = 0;
  static Disposition disposition;
};

class Reference_Ombre : public Objet_de_Reference {
 public:
  // Takes the shadow's name and its two cached pictures.
  Reference_Ombre(const char* nom, SDL_Surface* pleine, SDL_Surface* demi);
  void comportement() override;
  static Disposition disposition;
};

class Reference_Obstacle : public Objet_de_Reference {
 public:
  explicit Reference_Obstacle(const char* nom);
  static Disposition disposition;
};

// Characters are drawn from their record, in one column per side.
class Reference_Perso_Palette : public Objet_de_Reference {
 public:
  void comportement() override;
  Perso perso;

 protected:
  Reference_Perso_Palette(Disposition& d, char categorie, const char* nom);
};

class Reference_Ennemi : public Reference_Perso_Palette {
 public:
  explicit Reference_Ennemi(const char* nom);
  static Disposition disposition;
};

class Reference_Allie : public Reference_Perso_Palette {
 public:
  explicit Reference_Allie(const char* nom);
  static Disposition disposition;
};

// Kinds not drawn at all once off screen.
class Reference_Testee : public Objet_de_Reference {
 public:
  void comportement() override;
};

class Reference_Objet : public Reference_Testee {
 public:
  explicit Reference_Objet(const char* nom);
  static Disposition disposition;
};

class Reference_ObjetDestructible : public Reference_Testee {
 public:
  explicit Reference_ObjetDestructible(const char* nom);
  static Disposition disposition;
};

class Reference_Objet_Animes : public Reference_Testee {
 public:
  explicit Reference_Objet_Animes(const char* nom);
  static Disposition disposition;
};

class Reference_Objet_cle : public Objet_de_Reference {
 public:
  explicit Reference_Objet_cle(const char* nom);
  static Disposition disposition;
};

class Reference_Vehicules_Terrestres : public Objet_de_Reference {
 public:
  explicit Reference_Vehicules_Terrestres(const char* nom);
  static Disposition disposition;
};

class Reference_Vehicules_Aeriens : public Objet_de_Reference {
 public:
  explicit Reference_Vehicules_Aeriens(const char* nom);
  static Disposition disposition;
};

class Reference_Vehicules_Polyvalents : public Objet_de_Reference {
 public:
  explicit Reference_Vehicules_Polyvalents(const char* nom);
  static Disposition disposition;
};

// Draws a character from its record as a stack of half-size pictures with
// its top-left corner at (X, Y).
void dessiner_perso_compose(int X, int Y, const Perso& p);

// The ten fixed entries: markers, command posts, lift and water, then the
// two objective markers in the middle, in the order maps number them.
void CreerEntreesFixes();

class Interface;
// The editor's frame widget ("cadre.png", layer 2).
extern Interface* Cadre_Mappeur;
// Puts the frame and the cursor back on the widget list after it was
// emptied, so the next visit to the editor has them again.
void ReenregistrerWidgetsMappeur();

void InitialiserMappeur();
void BlitingMappeur(char page);
void Bliting_Objets_de_Reference(char page);
