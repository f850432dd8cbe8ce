#include "battle/Ordres.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "battle/JouerMap.h"
#include "characters/Tramer.h"
#include "characters/Vehicules.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/Interface.h"
#include "menus/EcranMenu.h"
#include "platform/Horloge.h"

const char* Noms_Ordres[3][20];
const char* Nombres_Grecques[11] = {"Qiv",   "Alpha", "Beta",  "Gamma",  "Delta", "Epsilon",
                                    "Sigma", "Supra", "Omega", "Supron", "Athis"};

namespace {

constexpr const char* NON_ORDONNABLE = "Non Ordonnable";
constexpr int NB_MAX_ESCOUADES_LISTE = 20;

Vehicule* New_Vehicules[Vehicule::NB_MAX_VEHICULES];
Tramer* New_Persos[NB_MAX_ESCOUADES_LISTE];

int distance_hero(Mapping* m) {
  if (!Tramer::Hero || !m) return 0;
  double dx = Tramer::Hero->calcul_distance_x(m), dy = Tramer::Hero->calcul_distance_y(m);
  return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

template <class T>
void trier(T** liste, int n) {
  std::stable_sort(liste, liste + n, [](T* a, T* b) { return distance_hero(a) < distance_hero(b); });
}

int hauteur_ligne(const ecriture* e) { return e && e->image && e->nb_ligne > 0 && e->image[0] ? e->image[0]->h : 0; }
int largeur_ligne(const ecriture* e) { return e && e->image && e->nb_ligne > 0 && e->image[0] ? e->image[0]->w : 0; }

Sint16 s16(int v) { return static_cast<Sint16>(v); }

}  // namespace

void Allouer_Ordres() {
  for (auto& camp : Noms_Ordres)
    for (const char*& n : camp) n = NON_ORDONNABLE;
  Noms_Ordres[ALLIE][TRAMER] = "Suivre Perso";
  Noms_Ordres[ALLIE][OBJET_DESTRUCTIBLE] = "Proteger Objet";
  Noms_Ordres[ALLIE][VEHICULE] = "Aller vers Vehicule";
  Noms_Ordres[ENNEMI][OBJET_DESTRUCTIBLE] = "Detruire Objet";
  Noms_Ordres[ENNEMI][VEHICULE] = "Detruire Vehicule";
  Noms_Ordres[NUL][OBJET_DESTRUCTIBLE] = "Detruire Objet";
  Noms_Ordres[NUL][VEHICULE] = "Aller vers Vehicule";
#if !GAME_EARLY
  Noms_Ordres[ALLIE][COMMAND] = "Prot\xE9ger Le CC";
  Noms_Ordres[ENNEMI][TRAMER] = "Detruire Escouade";
  Noms_Ordres[ENNEMI][COMMAND] = "Conqu\xE9rir le CC";
  Noms_Ordres[NUL][COMMAND] = "Conqu\xE9rir le CC";
#endif
}

const char* nom_ordre(Mapping* objectif) {
  if (!objectif) return NON_ORDONNABLE;
  // Camp and kind index the table: anything outside it is no order.
  if (objectif->camp < 0 || objectif->camp > 2 || objectif->type_objet < 0 || objectif->type_objet >= 20)
    return NON_ORDONNABLE;
  const char* n = Noms_Ordres[objectif->camp][objectif->type_objet];
  return n ? n : NON_ORDONNABLE;
}

Vehicule** Relever_Vehicules(int camp, int* count) {
  int n = 0;
  for (int i = 0; i < Vehicule::nb_vehicule && i < Vehicule::NB_MAX_VEHICULES; ++i)
    if (Vehicule* v = Vehicule::Vehicules[i]; v && v->camp == camp) New_Vehicules[n++] = v;
  if (count) *count = n;
  if (n == 0) return nullptr;
  trier(New_Vehicules, n);
  return New_Vehicules;
}

Tramer** Relever_Escouades(int camp, int* count) {
  int n = 0;
  if (camp == ALLIE || camp == ENNEMI) {
    int dernier = std::clamp<int>(Tramer::nb_escouade[camp], -1, Tramer::NB_ESCOUADES - 1);
    // A squad without members has no leader to list.
    for (int k = 0; k <= dernier && n < NB_MAX_ESCOUADES_LISTE; ++k)
      if (Tramer* chef = Tramer::Escouade[camp][k][0]) New_Persos[n++] = chef;
  }
  if (count) *count = n;
  trier(New_Persos, n);
  return New_Persos;
}

Mapping* ColliOrdre(SDL_Rect point) {
  const int x = s16(point.x + general::Scrolling.x), y = s16(point.y + general::Scrolling.y);
  for (int32_t i = 0; i < Mapping::dernier_objet && i < Mapping::NB_OBJETS; ++i) {
    if (!Mapping::occupe(i)) continue;
    Mapping* o = Mapping::Objets[i];
    const int t = o->type_objet;
    bool ordonnable = t == TRAMER || t == VEHICULE || t == OBJET_DESTRUCTIBLE;
#if !GAME_EARLY
    ordonnable = ordonnable || t == COMMAND;
#endif
    if (!ordonnable) continue;
    const SDL_Rect &p = o->position, &f = o->TramePrincipale;
    if (p.x < x && x < p.x + f.w && p.y < y && y < p.y + f.h) return o;
  }
  return nullptr;
}

SDL_Surface* Retourner_Surface(SDL_Surface* a, SDL_Surface* b, bool flag) { return flag ? a : b; }

namespace {

struct EcranOrdres {
  SDL_Surface* banniere = EcranMenu::charger("Menus/Ordres/banniere.png");
  SDL_Surface* squads = EcranMenu::charger("Menus/Ordres/squads.png");
  SDL_Surface* vehicules = EcranMenu::charger("Menus/Ordres/vehicules.png");
  SDL_Surface* liste = EcranMenu::charger("Menus/Ordres/liste.png");
  SDL_Surface* barre = EcranMenu::charger("Menus/Ordres/barre.png");
  // Missing pictures take no room.
  int B = banniere ? banniere->h : 0;
  int L = liste ? liste->w : 0;
  int S = squads ? squads->w : 0;
  int T = squads ? squads->h : 0;

  bool mode_escouades = true;
  int ligne_escouade = 0, ligne_vehicule = 0;
  Tramer** chefs = nullptr;
  Vehicule** vehic = nullptr;
  int nb_chefs = 0, nb_vehic = 0;
  std::vector<std::unique_ptr<ecriture>> lignes_escouades, lignes_vehicules;
  std::unique_ptr<ecriture> etiquette;
  SDL_Rect pointeur = {0, 0, 0, 0};
  int h = 0;

  EcranOrdres() {
    vehic = Relever_Vehicules(ALLIE, &nb_vehic);
    chefs = Relever_Escouades(ALLIE, &nb_chefs);
    if (nb_chefs > 0 && chefs[0]->get_objectif()) montrer(chefs[0]);
    for (int i = 0; i < nb_vehic; ++i)
      lignes_vehicules.push_back(ligne("Vehicule " + std::to_string(vehic[i]->get_id()), i));
    for (int i = 0; i < nb_chefs; ++i) {
      int e = chefs[i]->escouade_en_cours;
      const char* rang = e >= 0 && e < 11 ? Nombres_Grecques[e] : "?";
      lignes_escouades.push_back(ligne(std::string("Escouade ") + rang, i));
    }
  }
  ~EcranOrdres() {
    for (SDL_Surface** s : {&banniere, &squads, &vehicules, &liste, &barre}) EcranMenu::liberer(*s);
  }

  std::unique_ptr<ecriture> ligne(const std::string& texte, int i) {
    auto e = std::make_unique<ecriture>(general::Police, P_char(texte.c_str()), Rect(20, B + 10 + i * h, 0, 0),
                                        general::Blanc);
    if (h == 0) {
      h = hauteur_ligne(e.get());
      e->position.y = s16(B + 10);
    }
    return e;
  }

  void montrer(Mapping* unite) {
    etiquette.reset();
    if (!unite || !unite->get_objectif()) return;
    etiquette = std::make_unique<ecriture>(general::Police, P_char(nom_ordre(unite->get_objectif())),
                                           Rect(L, B + T, 0, 0), general::Blanc);
  }

  Mapping* selection() {
    if (mode_escouades) return nb_chefs > 0 ? chefs[std::clamp(ligne_escouade, 0, nb_chefs - 1)] : nullptr;
    return nb_vehic > 0 ? vehic[std::clamp(ligne_vehicule, 0, nb_vehic - 1)] : nullptr;
  }

  void cadrer(Mapping* m, bool centre) {
    if (!m) return;
    const int W = general::ecran ? general::ecran->w : 960, H = general::ecran ? general::ecran->h : 544;
    general::Scrolling.x = s16(m->position.x + m->TramePrincipale.w / 2 - W / 2);
    general::Scrolling.y = centre ? s16(m->position.y + m->TramePrincipale.h / 2 - H / 2)
                                  : s16(m->position.y + m->TramePrincipale.h - H);
  }

  void clic() {
    const int x = pointeur.x, y = pointeur.y;
    const int X = mode_escouades ? L + S / 2 : L;
    if (x > X && x < X + S / 2 && y > B && y < B + T) {
      mode_escouades = !mode_escouades;
      etiquette.reset();
      Mapping* m = selection();
      cadrer(m, true);
      montrer(m);
    } else if (x <= 214) {
      if (y <= 64) return;
      int& ligne = mode_escouades ? ligne_escouade : ligne_vehicule;
      const int n = mode_escouades ? nb_chefs : nb_vehic;
      if (!mode_escouades && n == 0) return;
      ligne = 0;
      if (h > 0 && y < 64 + h * n) {
        ligne = (y - 64) / h;
        Mapping* m = selection();
        cadrer(m, false);
        etiquette.reset();
        montrer(m);
      }
    } else if (Mapping* cible = ColliOrdre(pointeur)) {
      Mapping* m = selection();
      if (!m) return;
      etiquette.reset();
      if (mode_escouades) ordonner_escouade(static_cast<Tramer*>(m), cible);
      else m->set_objectif(cible);
      montrer(m);
    }
  }

  static void ordonner_escouade(Tramer* chef, Mapping* cible) {
    if constexpr (early) {
      chef->set_objectif(cible);
      return;
    }
    const int camp = chef->camp, e = chef->escouade_en_cours;
    if (camp < 0 || camp > 1 || e < 0 || e >= Tramer::NB_ESCOUADES) {
      chef->set_objectif(cible);
      return;
    }
    const int m = std::clamp<int>(Tramer::effectif_escouades[camp][e], 0, Tramer::TAILLE_ESCOUADE);
    for (int i = 0; i < m; ++i)
      if (Tramer* t = Tramer::Escouade[camp][e][i]) t->set_objectif(cible);
  }

  void dessiner() {
    SDL_Surface* ecran = general::ecran;
    if (!ecran) return;
    SDL_FillRect(ecran, nullptr, SDL_MapRGB(ecran->format, 122, 122, 122));
    dessiner_monde_fige();
    EcranMenu::poser(banniere, 0, 0);
    EcranMenu::poser(liste, 0, B);
    EcranMenu::poser(Retourner_Surface(squads, vehicules, mode_escouades), L, B);
    EcranMenu::poser(barre, L, B + T);
    const auto& lignes = mode_escouades ? lignes_escouades : lignes_vehicules;
    if (mode_escouades || nb_vehic > 0) {
      const ecriture* premiere = lignes_escouades.empty() ? nullptr : lignes_escouades[0].get();
      SDL_Rect r = Rect(25, 64 + (mode_escouades ? ligne_escouade : ligne_vehicule) * h, largeur_ligne(premiere),
                        hauteur_ligne(premiere));
      SDL_FillRect(ecran, &r, SDL_MapRGB(ecran->format, 255, 122, 255));
    }
    for (const auto& l : lignes) l->comportement();
    if (etiquette) etiquette->comportement();
    Horloge::flip(ecran);
  }
};

}  // namespace

void selectionner_cibleur() {
#if !GAME_EARLY
  general::pause = true;
#endif
  Allouer_Ordres();
  {
    EcranOrdres ecran;
    bool fin = false;
    while (!fin) {
      if (SDL_PollEvent(&general::event)) {
        const SDL_Event& e = general::event;
        if (e.type == SDL_KEYDOWN && e.key.keysym.sym == controles::C_ORDRE) fin = true;
        if (e.type == SDL_MOUSEBUTTONDOWN && e.button.button == 1) {
          ecran.pointeur.x = s16(e.button.x);
          ecran.pointeur.y = s16(e.button.y);
          ecran.clic();
        }
      }
      const SDL_Event& e = general::event;
      suivre_touches(e);
      switch (e.type) {
        case SDL_MOUSEMOTION:
          ecran.pointeur.x = s16(e.motion.x);
          ecran.pointeur.y = s16(e.motion.y);
          break;
        case SDL_QUIT:
          // Closes this screen only: the battle goes on.
          fin = true;
          break;
        default:
          break;
      }
      if (touche(controles::C_GAUCHE)) general::Scrolling.x = s16(general::Scrolling.x - 20);
      if (touche(controles::C_DROITE)) general::Scrolling.x = s16(general::Scrolling.x + 20);
      if (touche(controles::C_HAUT)) general::Scrolling.y = s16(general::Scrolling.y + 20);
      if (touche(controles::C_BAS)) general::Scrolling.y = s16(general::Scrolling.y - 20);
      ecran.dessiner();
    }
  }
#if !GAME_EARLY
  general::pause = false;
#endif
}
