#include "engine/Demarrage.h"

#include <cstdio>
#include <string>

#include "characters/Tramer.h"
#include "editor/Objet_de_Reference.h"
#include "engine/Constantes.h"
#include "engine/Interface.h"
#include "engine/Logos.h"
#include "engine/OuvrirImage.h"
#include "engine/OuvrirSon.h"
#include "engine/Partie.h"
#include "menus/EcranTitre.h"

char* RepertoiresPersos[11][20] = {{const_cast<char*>("Aucun")}};

namespace {

const char* const Nom_Elements[11] = {"/Bas-1/", "/Bas-2/",    "/Bas-3/",   "/Haut-1/", "/Haut-2/", "/Poches/",
                                      "/Cou/",   "/Lunettes/", "/Cheveux/", "/Yeux/",   "/Casque/"};

struct Dossier {
  Etat action;
  const char* nom;
};
constexpr Dossier Dossiers[] = {{COURIR, "run"},  {DISCRET, "discret"},    {MORT, "die"},   {TOMBER, "saut"},
                                {SAUTER, "saut"}, {ETRE_EJECTE, "ejecte"}, {RAMPER, "couche"}};

// The body sets of one sex and skin: which come from the shared cache and
// which are loaded apart (the pictures are shared either way).
struct TableCorps {
  int sexe, peau;
  bool cache_run, cache_die, cache_discret, cache_saut, cache_ejecte;
  const char* couche;  // the crawl set's prefix: the dark-skinned women share the light-skinned ones'
};
constexpr TableCorps Tables[] = {
    {0, 0, false, false, false, false, false, "Hommes/Blanc/couche"},
    {0, 1, true, true, true, true, true, "Hommes/Noir/couche"},
    {1, 0, true, true, false, false, false, "Femmes/Blanc/couche"},
    {1, 1, false, true, true, true, true, "Femmes/Blanc/couche"},
};

std::string prefixe(int sexe, int peau) {
  return std::string(sexe == 0 ? "Hommes/" : "Femmes/") + (peau == 0 ? "Blanc/" : "Noir/");
}

bool manque = false;

// A frame set every soldier draws from: without its first `minimum`
// pictures nothing could be drawn, so start-up stops after saying which.
Partie* requis(const std::string& nom, bool cache, int minimum) {
  Partie* p = cache ? Partie::AllouerPartie(nom.c_str()) : new Partie(P_char(nom.c_str()));
  if (!p || p->nb_frame < minimum) {
    std::fprintf(stderr, "missing frame set \"%s\": it needs the pictures %s1.png to %s%d.png\n", nom.c_str(),
                 nom.c_str(), nom.c_str(), minimum);
    manque = true;
  }
  return p;
}

// Frame `vers` of p shows the pictures of its frame `de`.
void copier_image(Partie* p, int de, int vers) {
  if (!p) return;
  auto noms = p->ReleverNoms(de);
  p->ChangerImage(noms.data(), vers);
}

void construire_corps(const TableCorps& t) {
  Partie** T = BCorps[t.sexe][t.peau];
  std::string P = prefixe(t.sexe, t.peau);
  Partie* run = requis(P + "run", t.cache_run, 5);
  for (int a = 0; a < 20; ++a) T[a] = run;
  T[MORT] = requis(P + "die", t.cache_die, 1);

  auto* h1 = new Partie();
  auto* h3 = new Partie();
  if (run && run->nb_frame >= 5) {
    auto noms = run->ReleverNoms(4);
    h1->ChangerImage(noms.data(), 0);
    for (int k = 0; k < 3; ++k) h3->ChangerImage(noms.data(), k);
  }
  T[ACOUVERT] = T[ATTERRIR] = T[VISER] = T[TIRER_VISER] = h1;
  T[COGNER] = T[PROJETER] = h3;

  T[DISCRET] = T[TIRER_DISCRET] = requis(P + "discret", t.cache_discret, 1);
  T[SAUTER] = T[TOMBER] = requis(P + "saut", t.cache_saut, 1);
  // Firing prone keeps the prone body under the prone clothes, for women as
  // for men: the run set would stand her up, bare-headed, behind them.
  T[RAMPER] = T[TIRER_RAMPER] = requis(t.couche, false, 1);
  Partie* ejecte = requis(P + "ejecte", t.cache_ejecte, 1);
  T[ETRE_EJECTE] = ejecte;
  if (ejecte && ejecte->nb_frame >= 1)
    for (int k = 1; k <= 3; ++k) copier_image(ejecte, 0, k);
}

void construire_bras(int sexe, int peau) {
  Partie** rangee0 = BBras[sexe][peau][0];
  Partie** rangee1 = BBras[sexe][peau][1];
  for (int r = 0; r < 2; ++r)
    for (int b = 0; b < 5; ++b) BBras[sexe][peau][r][b] = nullptr;
  std::string A = prefixe(sexe, peau) + "Bras/";
  rangee0[GUN] = requis(A + "gun", true, 1);
  rangee0[POING] = requis(A + "cc", true, 2);
  if (rangee0[POING] && rangee0[POING]->nb_frame >= 2) copier_image(rangee0[POING], 1, 2);
  rangee0[RIFLE] = requis(A + "rifle", true, 1);
  rangee0[HRIFLE] = requis(A + "hrifle", true, 1);
  rangee0[PROJECTILE] = requis(A + "projectile", true, 2);
  if (rangee0[PROJECTILE] && rangee0[PROJECTILE]->nb_frame >= 2) copier_image(rangee0[PROJECTILE], 1, 2);
  for (int b = 0; b < 5; ++b) rangee1[b] = rangee0[b];
  rangee0[RIFLE] = requis(A + "riflei", true, 1);
}

void noms_par_defaut() {
  general::nom_cine_fin_de_map = "khhio";
  general::nom_map = "map";
  general::nom_fond = "fond2.png";
  general::nom_sol = "base.png";
  general::nom_cine_debut_de_map = "Relka";
}

void icone() {
  FILE* f = Fichiers::ouvrir("qiv.bmp", "rb");
  SDL_Surface* icone = f ? SDL_LoadBMP_RW(SDL_RWFromFP(f, 1), 1) : nullptr;
  if (!icone) {
    signaler_fichier_absent("qiv.bmp");
    return;
  }
  SDL_WM_SetIcon(icone, nullptr);
  SDL_FreeSurface(icone);  // the window keeps its own copy
}

}  // namespace

void RemplirRepertoiresPersos() {
  static bool dossiers_faits = false;  // made once: soldiers keep pointers to them
  if (dossiers_faits) return;
  for (int i = 0; i < 11; ++i)
    for (const Dossier& d : Dossiers) RepertoiresPersos[i][d.action] = constconcatenation(Nom_Elements[i], d.nom);
  dossiers_faits = true;
}

bool initialisation() {
  manque = false;
  int decalages[2][3] = {{15, 37, 84}, {15, 37, 58}};
  for (int s = 0; s < 2; ++s)
    for (int k = 0; k < 3; ++k) general::decalages_y[s][k] = decalages[s][k];
  RemplirRepertoiresPersos();
  if constexpr (early)
    for (int k = 0; k < 6; ++k) general::Tirs[3][k] = general::Flammes[3][k] = nullptr;

  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "cannot start SDL: %s\n", SDL_GetError());
    return false;
  }
  icone();
  SDL_WM_SetCaption("Korvan and Vesk : Quorvath OPS", nullptr);
  general::ecran = SDL_SetVideoMode(960, 544, 32, SDL_HWSURFACE | SDL_DOUBLEBUF);
  if (!general::ecran) {
    std::fprintf(stderr, "cannot open the 960 x 544 window: %s\n", SDL_GetError());
    return false;
  }
  SDL_FillRect(general::ecran, nullptr, SDL_MapRGB(general::ecran->format, 122, 122, 122));
  Horloge::flip(general::ecran);
  general::origine = {0, 0, 0, 0};
  if (!TTF_WasInit() && TTF_Init() != 0) {
    std::fprintf(stderr, "cannot start the font library: %s\n", TTF_GetError());
    return false;
  }
  Son::initialiser(44100, 128);  // without sound the game still plays
  general::Police = TTF_OpenFont(Fichiers::resoudre("police.ttf").c_str(), 18);
  if (!general::Police) {
    std::fprintf(stderr, "cannot open the font \"police.ttf\"\n");
    return false;
  }
  general::Scrolling_Mappeur = general::Scrolling = general::origine;

  general::tirer = AllouerSon("Armes/tir.wav", false);
  general::Recharger = AllouerSon("Armes/recharger.wav", false);
  general::Mort[0] = AllouerSon("Armes/crihomme.wav", false);
  general::Mort[1] = AllouerSon("Armes/crifemme.wav", false);
  general::Impact = AllouerSon("Armes/Impact.wav", false);
  general::HeadShot = AllouerSon("Armes/Headshot.wav", false);
  general::explosion = AllouerSon("Armes/Explosion.wav", false);

  Partie* avance = Partie::AllouerPartie("Femmes/Blanc/run");
  for (Partie*& p : BCorps[1][0]) p = avance;
  for (const TableCorps& t : Tables) construire_corps(t);
  for (int i = 1; i <= 4; ++i) AllouerImage(("Explosion/" + std::to_string(i) + ".png").c_str(), 0, false);
  for (int s = 0; s < 2; ++s)
    for (int c = 0; c < 2; ++c) construire_bras(s, c);
  if (manque) return false;

  general::commencer = true;
  noms_par_defaut();
  return true;
}

int degrade(void*) {
  if (!general::ecran) return 0;
  for (int v = 0; v <= 255; ++v) {
    SDL_FillRect(general::ecran, nullptr, SDL_MapRGB(general::ecran->format, v, v, v));
    Horloge::flip(general::ecran);
    Horloge::attendre(1);
  }
  return 0;
}

int securite(void*) {
  // A watcher beside the game: once the game stops, so does it.
  while (general::continuer) {
    if (general::event.type == SDL_QUIT) general::continuer = false;
    Horloge::attendre(1);
  }
  return 0;
}

int SDL_main(int, char**) {
  if (!initialisation()) return 1;
  InitialiserMappeur();
  Horloge::flip(general::ecran);
  Logos(nullptr);
  if (Interface::Curseur) {
    Interface::Curseur->position.x = general::event.motion.x;
    Interface::Curseur->position.y = general::event.motion.y;
  }
  EcranTitre();
  return 0;
}
