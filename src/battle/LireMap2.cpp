#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

#include "battle/LireMap2.h"
#include "battle/FichierMap.h"
#include "characters/Tramer.h"
#include "characters/VehiculeAerien.h"
#include "characters/VehiculePolyvalent.h"
#include "characters/VehiculeTerrestre.h"
#include "characters/Vehicules.h"
#include "editor/Objet_de_Reference.h"
#include "engine/Ascenseur.h"
#include "engine/Constantes.h"
#include "engine/Decor.h"
#include "engine/Fonctions.h"
#include "engine/Objet.h"
#include "engine/Objet_Destructible.h"
#include "engine/Objets_Animes.h"
#include "engine/Obstacle.h"
#include "engine/Ombre.h"
#include "engine/cc.h"
#include "engine/eau.h"
#include "platform/Fichiers.h"

bool garder_si_visible(Mapping* o) {
  if (o && o->image && o->image[0]) return true;
  delete o;
  return false;
}

int16_t position_jeu_x(int32_t x) {
  return static_cast<int16_t>(2 * static_cast<int16_t>(x & 0xFFFF) - largeur_ecran() / 2);
}
int16_t position_jeu_y(int32_t y) {
  return static_cast<int16_t>(2 * static_cast<int16_t>(y & 0xFFFF) - hauteur_ecran());
}

namespace {

const char* nom_entree(const Objet_de_Reference* o) {
  const char* n = o ? o->Nom.retournertexte() : nullptr;
  return n ? n : "";
}

// Records a full table turned away, so the map says once per table how
// much of it was left out.
struct Refus {
  std::map<std::string, int> nombre;
  void operator()(const char* table) { ++nombre[table]; }
  void dire(const char* carte) const {
    for (const auto& [table, n] : nombre)
      std::fprintf(stderr, "map \"%s\": %d records left out, the %s table is full\n", carte, n, table.c_str());
  }
};

// The world owns what the map makes and frees it at the next battle. An
// object without a picture would have its entry taken by the next object
// and be lost: it is dropped at once (its missing file has been said).
template <class T>
T* au_monde(T* o) {
  o->Tas = true;
  return garder_si_visible(o) ? o : nullptr;
}

// The hero, and the other hero where the player chooses, are made after the
// map's soldiers: their places in the soldier table are kept for them.
int places_des_heros() { return general::Choix_perso == 1 ? 2 : 1; }

// Room in the world table for `n` more objects.
bool place_monde(int n) { return Mapping::dernier_objet + n <= Mapping::NB_OBJETS; }

// The battle makes the background, both grounds and the heroes after the
// map's records: their entries in the world table are kept for them.
int places_de_la_bataille() { return 3 + places_des_heros(); }

void marquer_objectifs(SDL_Rect lieu, int camp, int vie) {
  for (int32_t i = 0; i < Mapping::dernier_objet && i < Mapping::NB_OBJETS; ++i)
    if (Mapping::occupe(i) && Mapping::Objets[i]->position.x == lieu.x && Mapping::Objets[i]->position.y == lieu.y)
      Mapping::Objets[i]->be_objectif(camp, vie);
}

void poser_divers(const std::string& nom, SDL_Rect lieu, Refus& refus) {
  if (nom == "Divers/Debut.png") {
    general::Debut_map.x = lieu.x;
    general::Debut_map.y = lieu.y;
  } else if (nom == "Divers/Fin.png") {
    general::Fin_map.x = lieu.x;
    general::Fin_map.y = lieu.y;
  } else if (nom == "Divers/Ascenseur.png") {
    if constexpr (!early) {
      if (Ascenseur::nb_ascenseurs >= Ascenseur::NB_MAX_ASCENSEURS) return refus("lift");
    }
    au_monde(new Ascenseur(lieu));
  } else if (nom == "Divers/cc-allie.png" || nom == "Divers/cc-neutre.png" || nom == "Divers/cc-ennemi.png") {
    if (cc::nb_cc >= cc::NB_MAX_CC) return refus("command centre");
    int16_t camp = nom == "Divers/cc-allie.png" ? ALLIE : nom == "Divers/cc-ennemi.png" ? ENNEMI : NUL;
    au_monde(new cc(lieu, camp));
  } else if (nom == "Divers/eau.png") {
    if constexpr (!early) {
      if (Eau::nb_eaux >= Eau::NB_MAX_EAUX) return refus("water");
    }
    au_monde(new Eau(lieu));
  } else if (nom == "Divers/b-ascenseur.png") {
    au_monde(new Bouton_Ascenseur(lieu));
  }
}

void poser(const EnregistrementMap& e, Objet_de_Reference* entree, Refus& refus) {
  SDL_Rect lieu = {position_jeu_x(e.x), position_jeu_y(e.y), 0, 0};
  const char* nom = nom_entree(entree);
  if (e.type != CIBLE && !place_monde(2 + places_de_la_bataille())) return refus("world");
  switch (e.type) {
    case ENNEMIS:
    case ALLIES: {
      if (Tramer::nb_persos >= Tramer::NB_MAX_PERSOS - places_des_heros()) return refus("soldier");
      Tramer* t = Tramer::AllouerPerso(nom, false);
      if (!t) return refus("soldier");
      t->position.x = lieu.x;
      t->position.y = lieu.y;
      t->physique = true;
      t->comportement_actuel = ATTAQUER_ENNEMI;
      break;
    }
    case OBSTACLE:
      if (Obstacle::nb_obstacles >= Obstacle::NB_MAX_OBSTACLES) return refus("obstacle");
      if (Obstacle* o = au_monde(new Obstacle(nom, lieu))) o->physique = true;
      break;
    case OBJET_ANIME:
      au_monde(new Objets_Animes(nom, lieu));
      break;
    case OBJET:
      if (Objet* o = au_monde(Objet::Creer(nom, lieu))) o->physique = false;
      au_monde(AllouerOmbre(nom, lieu));
      break;
    case OBJETS_DESTRUCTIBLES:
      au_monde(new Objet_Destructible(nom, lieu));
      break;
    case OMBRE:
      au_monde(AllouerOmbre(nom, lieu));
      break;
    case DIVERS:
      poser_divers("Divers/" + std::string(nom), lieu, refus);
      break;
    case VEHICULE_TERRESTRE:
    case VEHICULE_AERIEN:
    case VEHICULE_POLYVALENT:
      if (Vehicule::nb_vehicule >= Vehicule::NB_MAX_VEHICULES) return refus("vehicle");
      if (e.type == VEHICULE_TERRESTRE) new VehiculeTerrestre(P_char(nom), lieu);
      else if (e.type == VEHICULE_AERIEN) new VehiculeAerien(P_char(nom), lieu);
      else new VehiculePolyvalent(P_char(nom), lieu);
      break;
    case CIBLE:
      // The file holds up to 65535; a target's life holds 32767, and more
      // would wrap to a target already destroyed.
      marquer_objectifs(lieu, entree->relever_camp(), std::min<int>(e.vie, INT16_MAX));
      break;
    default:
      break;
  }
}

}  // namespace

bool LireMap3(const char* nom) {
  const char* carte = nom ? nom : "";
  FILE* f = Fichiers::ouvrir(carte, "rb");
  if (!f) {
    std::fprintf(stderr, "the map \"%s\" cannot be opened\n", carte);
    return false;
  }
  int32_t n = 0;
  bool ok = lire_nombre_enregistrements(f, n);
  for (int32_t i = 0; ok && i < n; ++i) {
    EnregistrementMap e;
    ok = lire_enregistrement_map(f, e);
    if (!ok || e.type != DIVERS) continue;
    if (std::string(nom_entree(entree_palette(DIVERS, e.numero))) == "Debut.png") {
      general::Debut_map.x = static_cast<Sint16>(e.x & 0xFFFF);
      general::Debut_map.y = static_cast<Sint16>(e.y & 0xFFFF);
    }
  }
  unsigned char infiltration = 0, choix = 0;
  ok = ok && Fichiers::lire_u8(f, infiltration) && Fichiers::lire_u8(f, choix);
  std::fclose(f);
  if (!ok) {
    std::fprintf(stderr, "the map \"%s\" is damaged\n", carte);
    return false;
  }
  general::infiltration = static_cast<char>(infiltration);
  general::Choix_perso = static_cast<char>(choix);
  return true;
}

bool LireMap2() {
  const char* carte = general::nom_map.retournertexte() ? general::nom_map.retournertexte() : "";
  FILE* f = Fichiers::ouvrir(carte, "rb");
  if (!f) {
    general::nom_fond = "";
    general::nom_sol = "";
    std::fprintf(stderr, "the map \"%s\" cannot be opened\n", carte);
    return false;
  }
  int32_t n = 0;
  bool ok = lire_nombre_enregistrements(f, n);
  Refus refus;
  int inconnus = 0;
  for (int32_t i = 0; ok && i < n; ++i) {
    EnregistrementMap e;
    ok = lire_enregistrement_map(f, e);
    if (!ok || e.type == AUCUN || e.type == DEBUG) continue;
    Objet_de_Reference* entree = entree_palette(e.type, e.numero);
    if (!entree) {
      ++inconnus;
      continue;
    }
    poser(e, entree, refus);
  }
  ok = ok && lire_reglages_map(f);
  std::fclose(f);
  refus.dire(carte);
  if (inconnus > 0) std::fprintf(stderr, "map \"%s\": %d records match nothing in the palette\n", carte, inconnus);
  if (!ok) std::fprintf(stderr, "the map \"%s\" is damaged\n", carte);
  return ok;
}
