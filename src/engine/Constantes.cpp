#include "engine/Constantes.h"

namespace general {

bool continuer = true;
SDL_Surface* ecran = nullptr;
TTF_Font* Police = nullptr;
SDL_Event event;
SDL_Rect origine = {0, 0, 0, 0};

SDL_Rect Scrolling = {0, 0, 0, 0};
SDL_Rect Scrolling_Mappeur = {0, 0, 0, 0};
double zoom = 0.5;
int dezoom = 1;

int statut_jeu = 1;
bool debut_partie = !early;
#if !GAME_EARLY
bool pause = false;
bool TimeUp = false;
#endif
bool seconde_life = false;
int hero = 0;
bool sous_marin = false;

P_char nom_map("map");
P_char nom_fond("fond2.png");
P_char nom_sol("base.png");
P_char nom_cine_debut_de_map("Relka");
P_char nom_cine_fin_de_map("khhio");
P_char Meteorologie("Rien/");
char infiltration = 0;
char Choix_perso = 0;
int32_t effectifs_map[2] = {50, 0};
int32_t temps_map = 0;
SDL_Rect Debut_map = {0, 0, 0, 0};
SDL_Rect Fin_map = {0, 10000, 0, 0};

int fichier_utilise = 0;
int32_t nb_hs = 0;
int32_t nb_tue = 0;
int32_t nb_mort = 0;
int32_t wex_actuelle = 0;
int32_t temps_de_jeu = 0;
bool temps_de_jeu_pris = false;
int32_t nb_map_accompli = 0;
int32_t nb_map_accompli_mission = 0;
int32_t nb_mission_accompli = 0;
int32_t nb_map_mission = 0;

int perso_choisi = 0;
int fusil_choisi = 0;
int pistolet_choisi = 8;
int projectile_choisi = 0;
int melee_choisie = 0;
int aura_choisie = 0;

P_char nom_perso("Relka");
char sexe = 0;
char couleur_de_peau = 0;
char camp_perso = 1;
char armeprincipale = 0;
char arme_melee = 0;
char projectile = 0;
char aura = 0;
int32_t Wex = 0;
int32_t vie_perso = 0;

FSOUND_SAMPLE* tirer = nullptr;
FSOUND_SAMPLE* Recharger = nullptr;
FSOUND_SAMPLE* Mort[2] = {nullptr, nullptr};
FSOUND_SAMPLE* Impact = nullptr;
FSOUND_SAMPLE* HeadShot = nullptr;
FSOUND_SAMPLE* explosion = nullptr;

SDL_Color Blanc = {254, 254, 254, 0};
SDL_Color Rouge = {200, 60, 40, 0};
SDL_Color Bleu = early ? SDL_Color{60, 60, 200, 0} : SDL_Color{0, 158, 224, 0};
SDL_Color Noir = {20, 20, 20, 0};
SDL_Color Vert = {0, 255, 0, 0};

const char* Tirs[4][6] = {
    {"Armes/Tirs/1/tir1.png", "Armes/Tirs/1/tir2.png", "Armes/Tirs/1/tir3.png", nullptr, nullptr, nullptr},
    {"Armes/Tirs/2/tir.png", nullptr, nullptr, nullptr, nullptr, nullptr},
    {"Armes/Tirs/3/tir.png", nullptr, nullptr, nullptr, nullptr, nullptr},
    {"Armes/Tirs/3/tir.png", nullptr, nullptr, nullptr, nullptr, nullptr},
};
const char* Flammes[4][6] = {
    {"Armes/Tirs/1/flamme1.png", "Armes/Tirs/1/flamme2.png", nullptr, nullptr, nullptr, nullptr},
    {"Armes/Tirs/2/flamme1.png", "Armes/Tirs/2/flamme2.png", nullptr, nullptr, nullptr, nullptr},
    {"Armes/Tirs/3/flamme1.png", "Armes/Tirs/3/flamme2.png", nullptr, nullptr, nullptr, nullptr},
    {"Armes/Tirs/4/1.png", nullptr, nullptr, nullptr, nullptr, nullptr},
};
SDL_Rect pos_epaule[2] = {{9, 33, 0, 0}, {16, 33, 0, 0}};
SDL_Rect pos_bras[2][3][3] = {
    {{{67, 48, 0, 0}, {63, 50, 0, 0}, {62, 51, 0, 0}},
     {{79, 62, 0, 0}, {77, 64, 0, 0}, {72, 62, 0, 0}},
     {{94, 105, 0, 0}, {97, 108, 0, 0}, {0, 0, 0, 0}}},
    {{{70, 41, 0, 0}, {67, 42, 0, 0}, {61, 42, 0, 0}},
     {{80, 52, 0, 0}, {76, 51, 0, 0}, {77, 49, 0, 0}},
     {{94, 65, 0, 0}, {91, 66, 0, 0}, {0, 0, 0, 0}}},
};
int decalages_y[2][3] = {{15, 37, 84}, {15, 37, 58}};

#if GAME_EARLY
const char* Intro[6] = {"Histoire", "Statistiques", "Informations", "Cr\xE9" "dits", "Quitter", nullptr};
const char* Infos[6] = {"Assignations", "Wex", "Aura", "L'OMUS", "Les Nemesis", nullptr};
#else
const char* Intro[2][6] = {
    {"Story", "Statistics", "Credits", "Quit the Game", nullptr, nullptr},
    {"Histoire", "Statistiques", "Informations", "Cr\xE9" "dits", "Quitter", nullptr},
};
const char* Infos[2][6] = {
    {"Controls", "Weapon Experience", "Aura", "OMUS", "Nemesis", nullptr},
    {"Assignations", "Wex", "Aura", "L'OMUS", "Les Nemesis", nullptr},
};
#endif
const char* Missions[8] = {"Mission-1", "Mission-2", "Mission-3", "Mission-4",
                           "Mission-5", "Mission-6", "Mission-7", nullptr};
const char* FMissions[8] = {"Mission1.txt", "Mission2.txt", "Mission3.txt", "Mission4.txt",
                            "Mission5.txt", "Mission6.txt", "Mission7.txt", nullptr};
const char* Images_Missions[8] = {
    "Menus/histoire/Missions/1.png", "Menus/histoire/Missions/2.png", "Menus/histoire/Missions/3.png",
    "Menus/histoire/Missions/4.png", "Menus/histoire/Missions/5.png", "Menus/histoire/Missions/6.png",
    "Menus/histoire/Missions/7.png", nullptr};
const char* FichesFusils[8] = {
    "Menus/histoire/missions/armes/fusils/qdar.png",       "Menus/histoire/missions/armes/fusils/N10.png",
    "Menus/histoire/missions/armes/fusils/old.png",        "Menus/histoire/missions/armes/fusils/qdsg.png",
    "Menus/histoire/missions/armes/fusils/ne.png",         "Menus/histoire/missions/armes/fusils/ohg.png",
    "Menus/histoire/missions/armes/fusils/ndestructor.png", "Menus/histoire/missions/armes/fusils/ndl.png"};
const char* FichesPistolets[4] = {
    "Menus/histoire/missions/armes/legeres/qdh.png", "Menus/histoire/missions/armes/legeres/Migal513.png",
    "Menus/histoire/missions/armes/legeres/N897.png", "Menus/histoire/missions/armes/legeres/1SK.png"};
const char* FichesProjectiles[4] = {
    "Menus/histoire/missions/armes/projectile/grenade.png", "Menus/histoire/missions/armes/projectile/fumigene.png",
    "Menus/histoire/missions/armes/projectile/bouclier.png", "Menus/histoire/missions/armes/projectile/mines.png"};
const char* FichesMelee[5] = {
    "Menus/histoire/missions/armes/melee/couteau.png", "Menus/histoire/missions/armes/melee/hg-2.png",
    "Menus/histoire/missions/armes/melee/hg.png", "Menus/histoire/missions/armes/melee/kaiygh.png",
    "Menus/histoire/missions/armes/melee/azura.png"};
const char* FichesAura[3] = {"Menus/histoire/missions/armes/aura/vitesse.png",
                             "Menus/histoire/missions/armes/aura/force.png",
                             "Menus/histoire/missions/armes/aura/regeneration.png"};

int nb_missions = 7;
bool commencer = false;

}  // namespace general

namespace Jeu {
bool objets_a_detruire = false;
bool objets_a_defendre = false;
bool ennemis_a_tuer = false;
bool allie_a_proteger = false;
bool cc_allies = false;
bool cc_ennemis = false;
int32_t nb_persos_base[2] = {0, 0};
}  // namespace Jeu

namespace controles {
int C_DROITE = SDLK_d;
int C_GAUCHE = SDLK_a;
int C_HAUT = SDLK_z;
int C_BAS = SDLK_w;
int C_SAUT = SDLK_SPACE;
int C_DISCRET = SDLK_z;
#if !GAME_EARLY
int C_RECHARGER = SDLK_r;
#endif
int C_INTERRAGIR = SDLK_t;
int C_RAMASSER = SDLK_e;
int C_ARMEP = SDLK_LEFT;
int C_ARMES = SDLK_RIGHT;
int C_VISER = SDLK_v;
int C_ORDRE = SDLK_c;
int C_PROP = SDLK_x;
int C_ZOOM = SDLK_y;
}  // namespace controles

bool Touches[NB_TOUCHES];
bool Souris[NB_BOUTONS];

void suivre_touches(const SDL_Event& e) {
  switch (e.type) {
    case SDL_KEYDOWN: touche(e.key.keysym.sym) = true; break;
    case SDL_KEYUP: touche(e.key.keysym.sym) = false; break;
    case SDL_MOUSEBUTTONDOWN: bouton(e.button.button) = true; break;
    case SDL_MOUSEBUTTONUP: bouton(e.button.button) = false; break;
    default: break;
  }
}
