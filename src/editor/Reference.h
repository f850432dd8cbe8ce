#pragma once
// Placed items: copies of palette entries at a position on the edited map.
// Every item is listed in Reference::References; its slot is its id, and a
// deleted item's slot keeps the shared empty item as a tombstone so that the
// other ids never move.
#include "editor/Objet_de_Reference.h"

class Reference : public Bliting {
 public:
  Reference(Objet_de_Reference* entree, SDL_Rect lieu);
  Reference();
  ~Reference() override;

  void comportement() override;
  virtual int retourner_vie() { return 1; }
  virtual int retourner_camp() { return 2; }

  void initialisationR();

  long element_actuel = 0;
  char type = AUCUN;
  char Origine = 0;
  // The entry's own name text, shared: items of one entry hold one pointer.
  char* Nom = nullptr;

  static Reference** References;
  static long derniere_Reference;
  static Reference* Vide;

  // The empty item, made once at start-up from the empty entry.
  static Reference* CreerVide();
  // Deletes item i and leaves the tombstone in its slot; false when there
  // is no real item there.
  static bool Supprimer(long i);

 protected:
  // Kind, number, name and box from the entry.
  void copier_entree(Objet_de_Reference* entree);
};

class ReferenceCible : public Reference {
 public:
  // vie -1 asks the user for the target's hit points.
  ReferenceCible(Objet_de_Reference* entree, SDL_Rect lieu, int vie);
  int retourner_vie() override { return vie; }
  int vie = 0;
};

class Reference_Perso : public Reference {
 public:
  Reference_Perso(Objet_de_Reference* entree, SDL_Rect lieu);
  ~Reference_Perso() override;
  void comportement() override;

  // Characters carrying weapon 2 stay out of the camp limits.
  bool compte() const { return perso.armeprincipale != 2; }
  // Adds the item to its camp's counter; its creator calls this once.
  void compter();

  Perso perso;
  static int nb_allies;
  static int nb_ennemis;

 private:
  bool compte_ = false;
};

// Deletes every placed item and forgets every widget, the editor's frame and
// cursor included: the battle must not draw them. The editor puts them back
// when it opens.
void DesallouerMappeur();
