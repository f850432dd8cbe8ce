#include "battle/JouerMap.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "battle/Cinoche.h"
#include "battle/LireMap2.h"
#include "battle/Missions.h"
#include "battle/Objectifs.h"
#include "battle/Ordres.h"
#include "battle/Sauvegarde.h"
#include "characters/Tramer.h"
#include "characters/Vehicules.h"
#include "engine/Afficher_munitions.h"
#include "engine/Avis.h"
#include "engine/Barre.h"
#include "engine/BoucleMonde.h"
#include "engine/CompteurNumerique.h"
#include "engine/Constantes.h"
#include "engine/Evenement_meteorologique.h"
#include "engine/Fonctions.h"
#include "engine/Fonds.h"
#include "engine/FormatEcran.h"
#include "engine/Interface.h"
#include "engine/OuvrirImage.h"
#include "engine/Temps_Limite.h"
#include "engine/ecriture_dynamique.h"
#include "menus/MenuOver.h"
#include "menus/Pause.h"
#include "platform/Fichiers.h"
#include "platform/Horloge.h"

std::string nom_fichier_hero(char choix_map, int perso_choisi) {
  unsigned char choix = static_cast<unsigned char>(choix_map);
  if (choix == 0) return "Korvan";
  if (choix >= 2) return "Vesk";
  unsigned char hero = static_cast<unsigned char>(perso_choisi & 0xFF);
  // Only 0 and 2 name a hero; anything else comes from a damaged slot.
  if (hero != 0 && hero != 2) {
    std::fprintf(stderr, "hero choice %d names no hero: Korvan leads\n", perso_choisi);
    return "Korvan";
  }
  return hero == 0 ? "Korvan" : "Vesk";
}

namespace {

// Cells of a gauge picture over a given length; a missing picture gives none.
int32_t cellules(const Barre* b, int longueur) {
  if (!b || !b->image || !b->image[0] || b->image[0]->w <= 0) {
    std::fprintf(stderr, "gauge picture missing: the gauge stays empty\n");
    return 0;
  }
  return longueur / b->image[0]->w;
}

Barre* nouvelle_barre(const char* image, SDL_Rect pos) {
#if GAME_EARLY
  auto* b = new Barre();
  b->position = pos;
  b->image[0] = AllouerImage(image, 0, false);
  return b;
#else
  return new Barre(image, pos);
#endif
}

CompteurNumerique* nouveau_compteur(int32_t* valeur, SDL_Rect pos, SDL_Color c) {
#if GAME_EARLY
  return new CompteurNumerique(valeur, pos, c);
#else
  auto* w = new CompteurNumerique();
  w->suivre(valeur, pos, c);
  return w;
#endif
}

bool chevauche(const Mapping* a, const Mapping* b) {
  const SDL_Rect &p = a->position, &q = b->position;
  const SDL_Rect &s = a->TramePrincipale, &t = b->TramePrincipale;
  return p.x < q.x + t.w && q.x < p.x + s.w && p.y < q.y + t.h && q.y < p.y + s.h;
}

void embarquer_au_depart() {
  for (int v = 0; v < Vehicule::nb_vehicule && v < Vehicule::NB_MAX_VEHICULES; ++v) {
    Vehicule* vehicule = Vehicule::Vehicules[v];
    if (!vehicule || !vehicule->physique) continue;
    for (int i = 0; i < Tramer::nb_persos && i < Tramer::NB_MAX_PERSOS; ++i)
      if (Tramer* t = Tramer::Persos[i]; t && chevauche(vehicule, t)) vehicule->interragir(t);
  }
}

// The widgets of one battle, deleted (and so unregistered) when it ends.
struct HUD {
  std::vector<std::unique_ptr<Interface>> widgets;
  P_char* nom = &general::nom_perso;
  int32_t cent = 100;
  // The soldier whose life, aura and weapons are shown.
  Tramer* suivi = nullptr;
  Barre* vie = nullptr;
  Barre* aura = nullptr;
  CompteurNumerique* pv = nullptr;
  Afficher_OmbreArme* ombres[2] = {};
  Afficher_munitions* munitions[2] = {};

  // The frame picture, drawn before every other widget of the HUD: an ally
  // who took over during the world pass is shown from that very frame.
  struct Cadre : Interface {
    HUD* hud;
    explicit Cadre(HUD* h) : Interface("HUD.png", Rect(0, 0, 0, 0)), hud(h) {}
    void comportement() override {
      if (Tramer::Hero && Tramer::Hero != hud->suivi) hud->lier(Tramer::Hero);
      Interface::comportement();
    }
  };

  void lier(Tramer* h) {
    if (!vie) return;
    suivi = h;
    ombres[0]->pointeur2 = &h->ArmePrincipale;
    ombres[1]->pointeur2 = &h->ArmeSecondaire;
    vie->valeur_suivie = &h->stats.pv_restants;
    vie->maximum_valeur_suivie = &h->stats.pv_max;
    aura->valeur_suivie = &h->aura;
    pv->valeur_suivie = &h->stats.pv_restants;
    munitions[0]->suivre(&h->ArmePrincipale);
    munitions[1]->suivre(&h->ArmeSecondaire);
  }

  template <class W>
  W* ajouter(W* w, int layer) {
    w->layer = static_cast<Uint8>(layer);
    widgets.emplace_back(w);
    return w;
  }

  void construire(Tramer* hero) {
#if !GAME_EARLY
    if (general::temps_map > 0) ajouter(new Temps_Limite(general::temps_map, Rect(600, 40, 0, 0)), 3);
#endif
    ajouter(new Cadre(this), 0);
    if (!hero) return;
    suivi = hero;
    ombres[0] = ajouter(new Afficher_OmbreArme(&hero->ArmePrincipale, Rect(6, 444, 0, 0)), 1);
    ombres[1] = ajouter(new Afficher_OmbreArme(&hero->ArmeSecondaire, Rect(786, 444, 0, 0)), 1);
    ajouter(new ecriture_dynamique(" ", &nom, Rect(6, 0, 0, 0)), 3);
    Mapping::centre_scrolling = hero;
    hero->position = general::Debut_map;
    vie = ajouter(nouvelle_barre("HUD/vie.png", Rect(8, 27, 0, 0)), 3);
    vie->valeur_suivie = &hero->stats.pv_restants;
    vie->maximum_valeur_suivie = &hero->stats.pv_max;
    vie->nb_gellule = cellules(vie, 278);
    aura = ajouter(nouvelle_barre("HUD/aura.png", Rect(90, 48, 0, 0)), 3);
    aura->valeur_suivie = &hero->aura;
    aura->maximum_valeur_suivie = &cent;
    aura->nb_gellule = cellules(aura, 200);
    pv = ajouter(nouveau_compteur(&hero->stats.pv_restants, Rect(10, 64, 0, 0), general::Blanc), 3);
    ajouter(nouveau_compteur(&general::effectifs_map[0], Rect(215, 100, 0, 0), general::Bleu), 3);
    ajouter(nouveau_compteur(&general::effectifs_map[1], Rect(234, 120, 0, 0), general::Rouge), 3);
    munitions[0] = ajouter(new Afficher_munitions(hero->ArmePrincipale, Rect(8, 515, 0, 0)), 3);
    munitions[0]->pointeur2 = &hero->ArmePrincipale;
    munitions[1] = ajouter(new Afficher_munitions(hero->ArmeSecondaire, Rect(800, 515, 0, 0)), 3);
    munitions[1]->pointeur2 = &hero->ArmeSecondaire;
  }
};

// Keys and buttons pressed before the battle, or during its cut-scene, are forgotten.
void oublier_touches() {
  std::memset(Touches, 0, sizeof Touches);
  std::memset(Souris, 0, sizeof Souris);
}

// Reinforcements are never fewer than the soldiers standing on the map.
void relever_renforts() {
  for (int c = 0; c < 2; ++c)
    if (relever_nb_persos(c) > general::effectifs_map[c]) general::effectifs_map[c] = relever_nb_persos(c);
}

Tramer* creer_hero() {
  general::nom_perso = nom_fichier_hero(general::Choix_perso, general::perso_choisi).c_str();
  Tramer* hero = Tramer::AllouerPerso(general::nom_perso.retournertexte(), true);
  Tramer::Hero = hero;
  if (!hero) {
    std::fprintf(stderr, "the hero could not be made: the battle has none\n");
    return nullptr;
  }
  hero->camp = ALLIE;
  Mapping::centre_scrolling = hero;
  general::hero = static_cast<int>(hero->element_actuel);
  hero->comportement_actuel = JOUEUR;
  hero->layer = static_cast<Uint8>(hero->layer + 1);
  hero->classe = HERO;
  return hero;
}

void viser(const SDL_MouseMotionEvent& m, SDL_Rect& old_cible) {
  Tramer* hero = Tramer::Hero;
  if (!hero) return;
  // Aboard a vehicle he is out of sight and his scope stance means nothing:
  // the pointer aims the vehicle.
  bool relatif = hero->affichage && (hero->action == VISER || (!early && hero->action == TIRER_VISER));
  if (relatif) {
    hero->cible.x = static_cast<Sint16>(hero->cible.x + m.x - old_cible.x);
    hero->cible.y = static_cast<Sint16>(hero->cible.y + m.y - old_cible.y);
    int cx = general::ecran ? general::ecran->w / 2 : 480, cy = general::ecran ? general::ecran->h / 2 : 272;
    SDL_WarpMouse(static_cast<Uint16>(cx), static_cast<Uint16>(cy));
    old_cible.x = static_cast<Sint16>(cx);
    old_cible.y = static_cast<Sint16>(cy);
  } else {
    hero->cible.x = static_cast<Sint16>(m.x);
    hero->cible.y = static_cast<Sint16>(m.y);
    old_cible = hero->cible;
    if (Mapping::centre_scrolling) Mapping::centre_scrolling->set_cible(hero->cible);
  }
}

struct Boucle {
  bool recommencer = false;
  bool cont = true;
  SDL_Rect old_cible = {0, 0, 0, 0};

  void evenement(const SDL_Event& e) {
    switch (e.type) {
      case SDL_QUIT:
        general::continuer = false;
        break;
      case SDL_MOUSEBUTTONDOWN:
        bouton(e.button.button) = true;
        break;
      case SDL_MOUSEBUTTONUP:
        // The wheel stays turned for the whole frame.
        if (e.button.button != 4 && e.button.button != 5) bouton(e.button.button) = false;
        break;
      case SDL_KEYDOWN:
        if (e.key.keysym.sym == controles::C_ORDRE) selectionner_cibleur();
        if (e.key.keysym.sym == SDLK_RETURN) {
          int r = Pause();
          if (r == 1) recommencer = true;
          if (r == 2) cont = false;
        }
        touche(e.key.keysym.sym) = true;
        break;
      case SDL_KEYUP:
        touche(e.key.keysym.sym) = false;
        break;
      case SDL_MOUSEMOTION:
        viser(e.motion, old_cible);
        break;
      default:
        break;
    }
  }

  void image() {
    Souris[4] = Souris[5] = false;
    // Modal screens poll into the shared event: keep our own copy of each.
    while (SDL_PollEvent(&general::event)) {
      SDL_Event e = general::event;
      evenement(e);
    }
    if (general::ecran) remplir(general::ecran, nullptr, SDL_MapRGB(general::ecran->format, 122, 122, 122));
    BlitingMapping();
    Horloge::flip(general::ecran);
    Horloge::attendre(10);
    general::debut_partie = false;
    general::statut_jeu = check_statut_de_jeu();
  }
};

}  // namespace

namespace {

const char* nom_carte() { return general::nom_map.retournertexte() ? general::nom_map.retournertexte() : ""; }

// Back to the menus, as a map that cannot be played always went, but told.
void signaler_carte_illisible() {
  FILE* f = Fichiers::ouvrir(nom_carte(), "rb");
  const bool existe = f != nullptr;
  if (f) std::fclose(f);
  if (existe)
    Avertir(std::string(early ? "Map endommag\xE9" "e : " : "Map damaged: ") + nom_carte());
  else
    Avertir(std::string(early ? "Map introuvable : " : "Map not found: ") + nom_carte());
}

// The win stands even when the slot cannot be written; the player learns
// that it will not be there next time.
void enregistrer_victoire(int mission, int map) {
  mettre_systeme_a_jour(mission, map);
  SauvegardeSystemeAvertie();
}

}  // namespace

void dessiner_monde_fige() {
  // Straight shots still fly and probe here: the columns follow them as in a frame.
  IndexMonde::entrer_passe();
  for (int couche = 0; couche < 10; ++couche)
    for (int32_t i = 0; i < Mapping::dernier_objet && i < Mapping::NB_OBJETS; ++i)
      if (Mapping::occupe(i) && Mapping::Objets[i]->layer == couche) {
        IndexMonde::avant_appel(i);
        Mapping::Objets[i]->blit_only();
        IndexMonde::apres_appel(i);
      }
  IndexMonde::sortir_passe();
}

int JouerMap(int mission, int map) {
  ReinitialiserMap();
  // Nothing of the last battle may be followed or steered any more.
  Tramer::Hero = nullptr;
  Mapping::centre_scrolling = nullptr;
  // A button held as the last map ended would fire here until clicked again.
  oublier_touches();
  LectureSysteme(mission, map);
#if !GAME_EARLY
  general::pause = false;
#endif
  general::statut_jeu = EN_COURS;
  general::debut_partie = true;
  general::nom_map = LireNomMap(mission, map);
  // An empty entry has no enemy to fight: it is won at once, with no battle
  // and no cut-scene, so that the mission goes on.
  if (entree_vide(mission, map)) {
    enregistrer_victoire(mission, map);
    return 0;
  }
  const bool lisible = LireMap3(general::nom_map.retournertexte());
  general::seconde_life = false;
  // A battle without its map would be won on its first frame and saved.
  if (!lisible) {
    std::fprintf(stderr, "mission %d, map %d: no battle, its map \"%s\" is missing or damaged\n", mission + 1, map + 1,
                 nom_carte());
    signaler_carte_illisible();
    return general::continuer ? 1 : 3;
  }
  if (general::continuer) {
    if (!LireMap2()) {
      std::fprintf(stderr, "mission %d, map %d: no battle, its map is damaged\n", mission + 1, map + 1);
      signaler_carte_illisible();
      return general::continuer ? 1 : 3;
    }
    JouerCinoche(general::nom_cine_debut_de_map.retournertexte());
    // The early build counts the map's soldiers before its hero exists.
    if constexpr (early) relever_renforts();
  }
  general::zoom = 1.0;
  general::dezoom = 0;
  const std::string nom_fond = std::string("Fonds/") + (general::nom_fond.retournertexte() ? general::nom_fond.retournertexte() : "");
  const std::string nom_sol = std::string("Sol/") + (general::nom_sol.retournertexte() ? general::nom_sol.retournertexte() : "");
  Mapping* fond = new Fond(nom_fond.c_str());
  fond->Tas = true;
  if (!garder_si_visible(fond)) fond = nullptr;
  Mapping* sol = new Sol(nom_sol.c_str());
  sol->Tas = true;
  if (!garder_si_visible(sol)) sol = nullptr;
  Mapping* ssol = new SSol(nom_sol.c_str());
  ssol->Tas = true;
  if (!garder_si_visible(ssol)) ssol = nullptr;

  Tramer* hero = creer_hero();
  // With nobody to play, nothing but the pause screen could end the battle.
  // A hero the full world refused is freed with the map at the next battle.
  if (!hero || hero->element_actuel == Mapping::NON_ENREGISTRE) {
    Tramer::Hero = nullptr;
    Mapping::centre_scrolling = nullptr;
    // The ground the full world refused as well has no owner but us; the
    // background goes in any case, or its ambience plays on over the menus.
    for (Mapping* m : {sol, ssol})
      if (m && m->element_actuel == Mapping::NON_ENREGISTRE) delete m;
    delete fond;
    std::fprintf(stderr, "mission %d, map %d: no battle, it has no hero\n", mission + 1, map + 1);
    Avertir(std::string(early ? "Map sans h\xE9ros : " : "Map without a hero: ") + nom_carte());
    return general::continuer ? 1 : 3;
  }
  HUD hud;
  hud.construire(hero);
  Fichiers::EcritureSure framerate("tests sur le framerate.txt");
  if constexpr (!early) relever_renforts();
  hud.ajouter(new Evenement_meteorologique(general::Meteorologie), 2);
  oublier_touches();
  embarquer_au_depart();
  Creer_Objectifs();
  if (general::sous_marin && hero)
    for (Mapping* m : {sol, ssol})
      if (m) m->layer = static_cast<Uint8>(hero->layer + 1);
  Boucle boucle;
#if !GAME_EARLY
  for (int32_t i = 0; i < Mapping::dernier_objet && i < Mapping::NB_OBJETS; ++i)
    if (Mapping::occupe(i)) Mapping::Objets[i]->Init2();
#endif

  while (general::continuer && !boucle.recommencer && general::statut_jeu == EN_COURS && boucle.cont) boucle.image();

  // The early build's game-over screen still shows the lost battle's HUD;
  // it goes before a retry builds its own.
  const bool perdu = general::statut_jeu == PERDU;
  if (!early || !perdu) hud.widgets.clear();
  framerate.valider();
  if (general::statut_jeu == GAGNE) {
    enregistrer_victoire(mission, map);
    JouerCinoche(general::nom_cine_fin_de_map.retournertexte());
    return 0;
  }
  if (perdu) return MenuOver(mission, map, [&hud] { hud.widgets.clear(); });
  if (boucle.recommencer && general::continuer) return JouerMap(mission, map);
  if (!boucle.cont) return general::continuer ? 1 : 3;
  return 3;
}
