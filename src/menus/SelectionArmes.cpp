#include "menus/SelectionArmes.h"

#include "characters/Element.h"
#include "characters/InitierPersos.h"
#include "engine/Constantes.h"
#include "menus/EcranMenu.h"
#include "menus/EcranTitre2.h"
#include "weapons/Armes.h"

using namespace EcranMenu;

namespace {

// One screen of choices (the root and the two families): its items, where
// they stand, and the highlight it ends on. `retour` is Escape.
struct Issue {
  int choix = 0;
  bool retour = false;
};

Issue choisir(SDL_Surface* Start, const char* titre, const char* const* items, int nb, int y_items, int y_barre) {
  Etiquettes ecrits;
  // Items first: the step between rows is the height of the first one.
  ecriture2* premier = etiquette(ecrits, items[0], 20, y_items);
  int h = hauteur(premier);
  for (int i = 1; i < nb; ++i) etiquette(ecrits, items[i], 20, y_items + i * h);
  if (titre) etiquette(ecrits, titre, 20, 220);
  SDL_Surface* navigation1 = charger("Menus/Start/navigation.png");
  SDL_Surface* navigation2 = early ? nullptr : charger("Menus/Start/navigation2.png");

  Issue r;
  int u = 0;
  bool cont = true;
  while (cont && general::continuer) {
    fondu(Start, u);
    if (Navigation n = naviguer(r.choix, nb); n != Navigation::RIEN) {
      r.retour = n == Navigation::RETOUR;
      cont = false;
    }
    noir();
    poser(Start, 0, 0);
    poser_bas_gauche(navigation1);
    poser_bas_droite(navigation2);
    barre(12, y_barre + r.choix * h, 206, 18);
    dessiner(ecrits);
    fin_image();
  }
  ecrits.clear();
  liberer(navigation1);
  liberer(navigation2);
  return r;
}

// A list screen: what it lists and where its choice goes. Each list writes
// its own choice and no other: the battle puts the rifle in the hero's hand
// and keeps the light weapon as the sidearm, whichever list was seen last.
struct Liste {
  Armes** armes;
  int taille;
  const char* const* fiches;
  int* choisi;
  int decalage;  // light weapons are known by their place among all firearms, from 8 on
  void (*parent)(SDL_Surface*);
};

void Selectionner_Liste(SDL_Surface* Start, const Liste& l) {
  int n = zone_dispo(l.armes, l.taille);
  Etiquettes ecrits;
  int h = 0;
  for (int i = 0; i < n; ++i) {
    ecriture2* e = etiquette(ecrits, l.armes[i]->nom_arme.retournertexte(), 20, 230 + i * h);
    if (i == 0) h = hauteur(e);
  }
  SDL_Surface* navigation1 = charger("Menus/Start/navigation.png");
  SDL_Surface* navigation2 = early ? nullptr : charger("Menus/Start/navigation2.png");
  // The highlight starts on the first entry whatever was chosen before.
  int choix = 0, affichee = 0;
  SDL_Surface* fiche = charger(l.fiches[0]);

  bool cont = true;
  while (cont && general::continuer) {
    if (naviguer(choix, n) != Navigation::RIEN) cont = false;
    if (choix != affichee) {
      liberer(fiche);
      fiche = charger(l.fiches[choix]);
      affichee = choix;
    }
    noir();
    poser(Start, 0, 0);
    poser_bas_gauche(navigation1);
    poser_bas_droite(navigation2);
    poser(fiche, 0, 0);
    if (choix < n) barre(12, 230 + choix * h, 206, 18);
    dessiner(ecrits);
    fin_image();
  }
  // Escape keeps the highlighted entry as Return does; with nothing unlocked
  // the highlight never left the first entry.
  *l.choisi = choix + l.decalage;
  ecrits.clear();
  liberer(fiche);
  liberer(navigation1);
  liberer(navigation2);
  l.parent(Start);
}

}  // namespace

int zone_dispo(Armes** liste, int taille) {
  if (!liste) return 0;
  for (int i = 0; i < taille; ++i)
    if (!liste[i] || liste[i]->wex_requis > general::wex_actuelle) return i;
  return taille < 0 ? 0 : taille;
}

void Selectionner_Armes(SDL_Surface* Start) {
  if (!general::continuer) return;
  const char* items[3] = {texte("Armes Principales", "Main Weapon"), texte("Armes Secondaires", "Secondary Weapon"),
                          texte("D\xE9" "buter la mission", "Start the Mission")};
  Issue r = choisir(Start, texte("Choix des armes :", "Weapon's Choice :"), items, 3, 320, 326);
  if (!general::continuer) return;
  if (r.retour)
    EcranTitre2(Start);
  else if (r.choix == 0)
    Selectionner_Armes_Principales(Start);
  else if (r.choix == 1)
    Selectionner_Armes_Secondaires(Start);
}

void Selectionner_Armes_Principales(SDL_Surface* Start) {
  if (!general::continuer) return Selectionner_Armes(Start);
  const char* items[2] = {texte("Fusils / Armes lourdes", "Rifle / Heavy Weapon"),
                          texte("Pistolets", "Light Weapon")};
  Issue r = choisir(Start, nullptr, items, 2, 220, 226);
  if (r.retour || !general::continuer)
    Selectionner_Armes(Start);
  else if (r.choix == 0)
    Selectionner_Fusils(Start);
  else
    Selectionner_Pistolets(Start);
}

void Selectionner_Armes_Secondaires(SDL_Surface* Start) {
  if (!general::continuer) return Selectionner_Armes(Start);
  const char* items[3] = {texte("Armes de melee", "Blades"), texte("Projectiles", "Projectiles"),
                          texte("Aura", "Aura")};
  Issue r = choisir(Start, nullptr, items, 3, 220, 226);
  if (r.retour || !general::continuer)
    Selectionner_Armes(Start);
  else if (r.choix == 0)
    Selectionner_Melee(Start);
  else if (r.choix == 1)
    Selectionner_Projectile(Start);
  else
    Selectionner_Aura(Start);
}

void Selectionner_Fusils(SDL_Surface* Start) {
  Selectionner_Liste(Start, {Fusils, 8, general::FichesFusils, &general::fusil_choisi, 0,
                             Selectionner_Armes_Principales});
}

void Selectionner_Pistolets(SDL_Surface* Start) {
  Selectionner_Liste(Start, {Pistolets, 4, general::FichesPistolets, &general::pistolet_choisi, 8,
                             Selectionner_Armes_Principales});
}

void Selectionner_Melee(SDL_Surface* Start) {
  Selectionner_Liste(Start, {Melee, 5, general::FichesMelee, &general::melee_choisie, 0,
                             Selectionner_Armes_Secondaires});
}

void Selectionner_Projectile(SDL_Surface* Start) {
  Selectionner_Liste(Start, {Projectiles, 4, general::FichesProjectiles, &general::projectile_choisi, 0,
                             Selectionner_Armes_Secondaires});
}

// An aura is the last thing picked: it goes back to the root.
void Selectionner_Aura(SDL_Surface* Start) {
  Selectionner_Liste(Start, {Element::Auras, 3, general::FichesAura, &general::aura_choisie, 0,
                             Selectionner_Armes});
}
