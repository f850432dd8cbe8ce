#pragma once
// The state every subsystem shares: plain globals, read and written directly
// by whoever needs them (the game is single-threaded).
#include "engine/Headers.h"

// Shared enumerations.
enum constantes_Bras { GUN = 0, RIFLE, HRIFLE, POING, PROJECTILE, NB_TYPE_BRAS, VITESSE, FORCE, REGENERATION };
enum elements { BAS1 = 0, BAS2, BAS3, HAUT1, HAUT2, POCHES, COU, LUNETTES, CHEVEUX, YEUX, CASQUE, NB_ELEMENTS };

namespace general {

// Run control, screen and input.
extern bool continuer;
extern SDL_Surface* ecran;
extern TTF_Font* Police;
extern SDL_Event event;
extern SDL_Rect origine;

// View.
extern SDL_Rect Scrolling;
extern SDL_Rect Scrolling_Mappeur;
extern double zoom;
extern int dezoom;

// State of the battle.
extern int statut_jeu;
extern bool debut_partie;
#if !GAME_EARLY
extern bool pause;
extern bool TimeUp;
#endif
extern bool seconde_life;
extern int hero;
extern bool sous_marin;

// Settings of the current map.
extern P_char nom_map;
extern P_char nom_fond;
extern P_char nom_sol;
extern P_char nom_cine_debut_de_map;
extern P_char nom_cine_fin_de_map;
extern P_char Meteorologie;
extern char infiltration;
extern char Choix_perso;
extern int32_t effectifs_map[2];
extern int32_t temps_map;
extern SDL_Rect Debut_map;
extern SDL_Rect Fin_map;

// Campaign progress and statistics.
extern int fichier_utilise;
extern int32_t nb_hs;
extern int32_t nb_tue;
extern int32_t nb_mort;
extern int32_t wex_actuelle;
extern int32_t temps_de_jeu;
// Set once the play time from before this run is settled: taken from the
// first slot read, or known to be none when this run wrote a slot first.
extern bool temps_de_jeu_pris;
extern int32_t nb_map_accompli;
extern int32_t nb_map_accompli_mission;
extern int32_t nb_mission_accompli;
extern int32_t nb_map_mission;

// The player's choices.
extern int perso_choisi;
extern int fusil_choisi;
extern int pistolet_choisi;
extern int projectile_choisi;
extern int melee_choisie;
extern int aura_choisie;

// The character being edited.
extern P_char nom_perso;
extern char sexe;
extern char couleur_de_peau;
extern char camp_perso;
extern char armeprincipale;
extern char arme_melee;
extern char projectile;
extern char aura;
extern int32_t Wex;
extern int32_t vie_perso;

// Shared sounds, loaded at start-up.
extern FSOUND_SAMPLE* tirer;
extern FSOUND_SAMPLE* Recharger;
extern FSOUND_SAMPLE* Mort[2];
extern FSOUND_SAMPLE* Impact;
extern FSOUND_SAMPLE* HeadShot;
extern FSOUND_SAMPLE* explosion;

// Colours.
extern SDL_Color Blanc;
extern SDL_Color Rouge;
extern SDL_Color Bleu;
extern SDL_Color Noir;
extern SDL_Color Vert;

// Sprite tables.
extern const char* Tirs[4][6];
extern const char* Flammes[4][6];
extern SDL_Rect pos_epaule[2];
extern SDL_Rect pos_bras[2][3][3];
extern int decalages_y[2][3];

// Menu texts and pictures.
#if GAME_EARLY
extern const char* Intro[6];
extern const char* Infos[6];
#else
extern const char* Intro[2][6];
extern const char* Infos[2][6];
#endif
extern const char* Missions[8];
extern const char* FMissions[8];
extern const char* Images_Missions[8];
extern const char* FichesFusils[8];
extern const char* FichesPistolets[4];
extern const char* FichesProjectiles[4];
extern const char* FichesMelee[5];
extern const char* FichesAura[3];

extern int nb_missions;
extern bool commencer;

}  // namespace general

namespace Jeu {
extern bool objets_a_detruire;
extern bool objets_a_defendre;
extern bool ennemis_a_tuer;
extern bool allie_a_proteger;
extern bool cc_allies;
extern bool cc_ennemis;
extern int32_t nb_persos_base[2];
}  // namespace Jeu

namespace controles {
extern int C_DROITE;
extern int C_GAUCHE;
extern int C_HAUT;
extern int C_BAS;
extern int C_SAUT;
extern int C_DISCRET;
#if !GAME_EARLY
extern int C_RECHARGER;
#endif
extern int C_INTERRAGIR;
extern int C_RAMASSER;
extern int C_ARMEP;
extern int C_ARMES;
extern int C_VISER;
extern int C_ORDRE;
extern int C_PROP;
extern int C_ZOOM;
}  // namespace controles

// Key and mouse tables, filled by the event loops. Keys are indexed by SDL
// key symbol, or by the typed character on the title screen, so the table
// covers every 16-bit code; mouse buttons are 8-bit.
constexpr int NB_TOUCHES = 65536;
constexpr int NB_BOUTONS = 256;
extern bool Touches[NB_TOUCHES];
extern bool Souris[NB_BOUTONS];

// Bounds-checked access for indexes that come from events.
inline bool& touche(int code) {
  static bool poubelle;
  if (code < 0 || code >= NB_TOUCHES) return poubelle = false;
  return Touches[code];
}
inline bool& bouton(int code) {
  static bool poubelle;
  if (code < 0 || code >= NB_BOUTONS) return poubelle = false;
  return Souris[code];
}

// Keeps the key and mouse-button tables in step with a key or button event.
void suivre_touches(const SDL_Event& e);
