#include "battle/Objectifs.h"

#include <cstring>

#include "characters/Tramer.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/Mapping.h"
#include "engine/cc.h"

namespace {

int nb_persos() { return Tramer::nb_persos < Tramer::NB_MAX_PERSOS ? Tramer::nb_persos : Tramer::NB_MAX_PERSOS; }

// A living soldier of the camp that will not come back: the map's own.
bool reste_objectif(int camp) {
  for (int i = 0; i < nb_persos(); ++i) {
    const Tramer* t = Tramer::Persos[i];
    if (t && t->camp == camp && t->vivant && !t->reapparaitre) return true;
  }
  return false;
}

bool sol_sous_marin() {
  const char* s = general::nom_sol.retournertexte();
  if (!s) return false;
  return !std::strcmp(s, "eau/") || !std::strcmp(s, "eau2/") || !std::strcmp(s, "eau3/");
}

bool pres_de_la_fin(const Mapping* m) {
  if (!m) return false;
  const SDL_Rect& f = general::Fin_map;
  const SDL_Rect& p = m->position;
  return f.x < p.x + 100 && p.x < f.x + 100 && f.y < p.y + 100 && p.y < f.y + 100;
}

int statut_infiltration() {
  if ((Relever_nb_Objets_Destructibles(ENNEMI) < 1 || !Jeu::objets_a_detruire) && pres_de_la_fin(Mapping::centre_scrolling))
    return GAGNE;
  if (Tramer::Hero && Tramer::Hero->stats.pv_restants < 1) return PERDU;
  return EN_COURS;
}

int statut_bataille() {
  if (Relever_nb_Objets_Destructibles(ENNEMI) < 1 && Jeu::objets_a_detruire) return GAGNE;
  if (Relever_nb_Objets_Destructibles(ALLIE) < 1 && Jeu::objets_a_defendre) return PERDU;
  if (relever_nb_allies() < 1 && relever_nb_cc(ALLIE) < 1) return PERDU;
  if (relever_nb_ennemis() < 1 && relever_nb_cc(ENNEMI) < 1) return GAGNE;
  if (general::effectifs_map[1] <= 0) return GAGNE;
  if (general::effectifs_map[0] <= 0) return PERDU;
  return EN_COURS;
}

}  // namespace

int relever_nb_cc(int camp) {
  int n = 0;
  for (int i = 0; i < cc::nb_cc && i < cc::NB_MAX_CC; ++i)
    if (cc::CCs[i] && cc::CCs[i]->camp == camp) ++n;
  return n;
}

void Creer_Objectifs() {
  general::sous_marin = sol_sous_marin();
  Jeu::objets_a_detruire = ReleverObjetsaDetruire();
  Jeu::allie_a_proteger = reste_objectif(ALLIE);
  Jeu::ennemis_a_tuer = reste_objectif(ENNEMI);
  Jeu::objets_a_defendre = !general::infiltration && ReleverObjetsaDefendre();
}

int check_statut_de_jeu() {
#if !GAME_EARLY
  // At time up the command centres decide; a tie is lost.
  if (general::TimeUp) return relever_nb_cc(ALLIE) > relever_nb_cc(ENNEMI) ? GAGNE : PERDU;
#endif
  int r = general::infiltration ? statut_infiltration() : statut_bataille();
  if (r != EN_COURS) return r;
  if (Jeu::allie_a_proteger && !reste_objectif(ALLIE)) return PERDU;
  if (Jeu::ennemis_a_tuer && !reste_objectif(ENNEMI)) return GAGNE;
  return EN_COURS;
}

void LireObjectifs(char** Objectifs, int& nb_objectif, bool** etat_obj) {
  nb_objectif = 0;
  auto ligne = [&](const char* francais, const char* anglais) {
    Objectifs[nb_objectif++] = const_cast<char*>(retourneur(francais, anglais, early ? 1 : 0));
  };
  if (!general::infiltration) {
    ligne("Prenez tous les cc ennemis", "Take all Ennemies's Command Centers");
    ligne("ou \xE9liminez tous leurs renforts", "Or Exterminate all their reinforcement");
    if (Jeu::objets_a_detruire || Jeu::ennemis_a_tuer)
      ligne("Ou D\xE9truisez les cibles ennemies", "Or Destroy Ennemies's Targets");
    if (Jeu::objets_a_defendre || Jeu::allie_a_proteger)
      ligne(early ? "ET Prot\xE9ger les cibles alli\xE9" "es" : "Et Prot\xE9ger les cibles alli\xE9" "es",
            "And Protect allies's Targets");
  } else {
    if (Jeu::objets_a_detruire) ligne("D\xE9truisez les cibles ennemies puis", "Destroy Ennemies's Targets then");
    ligne("Rendez vous au bout de la map sans vous faire tuer", "Go to the end of the level");
  }
  for (int i = 0; i < nb_objectif; ++i)
    if (etat_obj && etat_obj[i]) *etat_obj[i] = true;
}
