#include "battle/Sauvegarde.h"

#include <cstdio>
#include <limits>

#include "battle/Missions.h"
#include "engine/Avis.h"
#include "engine/Constantes.h"

namespace {

bool ecrire_octets(FILE* f, uint32_t v, int largeur) {
  for (int i = 0; i < largeur; ++i)
    if (!Fichiers::ecrire_u8(f, (v >> (8 * i)) & 0xFF)) return false;
  return true;
}

// A field replaces only the low bytes it holds, the variable keeps the rest;
// a file cut inside a field still gives the bytes it has.
bool lire_octets(FILE* f, uint32_t& v, int largeur) {
  for (int i = 0; i < largeur; ++i) {
    unsigned char o;
    if (!Fichiers::lire_u8(f, o)) return false;
    v = (v & ~(0xFFu << (8 * i))) | (static_cast<uint32_t>(o) << (8 * i));
  }
  return true;
}

bool lire_champ(FILE* f, int32_t& variable, int largeur) {
  uint32_t v = static_cast<uint32_t>(variable);
  const bool complet = lire_octets(f, v, largeur);
  variable = static_cast<int32_t>(v);
  return complet;
}

// A choice byte outside its range would index the weapon tables: keep the
// current choice instead. The two firearm bytes hold the weapon in hand and
// the sidearm, either of them a rifle or a light weapon.
template <typename T>
bool lire_choix(FILE* f, T& variable, int minimum, int maximum, int pas = 1) {
  uint32_t v = 0;
  if (!lire_octets(f, v, 1)) return false;
  int n = static_cast<int>(v);
  if (n >= minimum && n <= maximum && (n - minimum) % pas == 0)
    variable = static_cast<T>(v);
  else
    std::fprintf(stderr, "save slot: choice byte %u ignored\n", v);
  return true;
}

}  // namespace

std::string nom_slot(int numero) { return "Systeme" + std::to_string(numero) + ".sav"; }

namespace {

// Play time, statistics and the frontier: the first 15 bytes of a slot.
bool ecrire_progression(FILE* f) {
  const uint32_t t = static_cast<uint32_t>(ReleverTempsdeJeu());
  return ecrire_octets(f, t, 4) && ecrire_octets(f, static_cast<uint32_t>(general::nb_hs), 1) &&
         ecrire_octets(f, static_cast<uint32_t>(general::nb_tue), 1) &&
         ecrire_octets(f, static_cast<uint32_t>(general::nb_mort), 1) &&
         ecrire_octets(f, static_cast<uint32_t>(general::wex_actuelle), 3) &&
         ecrire_octets(f, static_cast<uint32_t>(general::nb_map_accompli), 3) &&
         ecrire_octets(f, static_cast<uint32_t>(general::nb_map_accompli_mission), 1) &&
         ecrire_octets(f, static_cast<uint32_t>(general::nb_mission_accompli), 1);
}

bool ecrire_choix(FILE* f) {
  return ecrire_octets(f, static_cast<uint32_t>(static_cast<unsigned char>(general::Choix_perso)), 1) &&
         ecrire_octets(f, static_cast<uint32_t>(general::perso_choisi), 1) &&
         ecrire_octets(f, static_cast<uint32_t>(general::fusil_choisi), 1) &&
         ecrire_octets(f, static_cast<uint32_t>(general::pistolet_choisi), 1) &&
         ecrire_octets(f, static_cast<uint32_t>(general::projectile_choisi), 1) &&
         ecrire_octets(f, static_cast<uint32_t>(general::melee_choisie), 1) &&
         ecrire_octets(f, static_cast<uint32_t>(general::aura_choisie), 1);
}

bool ecrire_slot(bool avec_choix) {
  // What this run writes holds this run's time: reading it back must not
  // count it twice.
  general::temps_de_jeu_pris = true;
  std::string nom = nom_slot(general::fichier_utilise);
  Fichiers::EcritureSure e(nom.c_str());
  FILE* f = e.flux();
  bool ok = f && ecrire_progression(f) && (!avec_choix || ecrire_choix(f)) && e.valider();
  if (!ok) std::fprintf(stderr, "could not write the save slot %s\n", nom.c_str());
  return ok;
}

}  // namespace

bool SauvegardeSysteme() { return ecrire_slot(true); }

bool SauvegardeSystemeAvertie() {
  if (SauvegardeSysteme()) return true;
  const std::string slot = nom_slot(general::fichier_utilise);
  Avertir(early ? "Sauvegarde impossible : " + slot : "Could not save " + slot);
  return false;
}

bool SauvegardePartie() { return ecrire_slot(false); }

void LecturePartie() {
  std::string nom = nom_slot(general::fichier_utilise);
  if (FILE* f = Fichiers::ouvrir(nom.c_str(), "rb")) std::fclose(f);
}

void LectureSysteme(int mission, int map) {
  std::string nom = nom_slot(general::fichier_utilise);
  FILE* f = Fichiers::ouvrir(nom.c_str(), "rb");
  if (!f) return;

  // Only the first slot loaded in this run sets the play time, and only if
  // this run has not written one before; the clock has been counting since
  // start-up and goes on counting.
  uint32_t t = 0;
  bool bon = lire_octets(f, t, 4);
  if (!general::temps_de_jeu_pris) {
    general::temps_de_jeu = static_cast<int32_t>(
        t > static_cast<uint32_t>(std::numeric_limits<int32_t>::max()) ? std::numeric_limits<int32_t>::max() : t);
    general::temps_de_jeu_pris = true;
  }
  bon = bon && lire_champ(f, general::nb_hs, 1) && lire_champ(f, general::nb_tue, 1) &&
        lire_champ(f, general::nb_mort, 1) && lire_champ(f, general::wex_actuelle, 3);
  bon = bon && lire_champ(f, general::nb_map_accompli, 3);

  int32_t map_frontiere = general::nb_map_accompli_mission;
  int32_t mission_frontiere = general::nb_mission_accompli;
  bon = bon && lire_champ(f, map_frontiere, 1);
  if (bon) general::nb_map_accompli_mission = map_frontiere;
  bon = bon && lire_champ(f, mission_frontiere, 1);
  if (bon) {
    // Past the last mission is a finished campaign, which is all a larger byte can mean.
    if (mission_frontiere > NB_MISSIONS) {
      std::fprintf(stderr, "save slot %s: frontier mission %d taken as the end of the campaign\n", nom.c_str(),
                   mission_frontiere);
      mission_frontiere = NB_MISSIONS;
      general::nb_map_accompli_mission = 0;
    }
    general::nb_mission_accompli = mission_frontiere;
  }

  if (bon && map != 0 && mission == general::nb_mission_accompli && map == general::nb_map_accompli_mission) {
    bon = lire_choix(f, general::Choix_perso, 0, 2) && lire_choix(f, general::perso_choisi, 0, 2, 2) &&
          lire_choix(f, general::fusil_choisi, 0, 11) && lire_choix(f, general::pistolet_choisi, 0, 11) &&
          lire_choix(f, general::projectile_choisi, 0, 3) && lire_choix(f, general::melee_choisie, 0, 4) &&
          lire_choix(f, general::aura_choisie, 0, 2);
  }
  std::fclose(f);
}
