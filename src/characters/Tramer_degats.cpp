// A soldier's hits, death and return to the battle.
#include <cmath>
#include <typeinfo>

#include "characters/Sang.h"
#include "characters/Tramer.h"
#include "engine/OuvrirSon.h"
#include "engine/cc.h"
#include "weapons/ArmeSol.h"
#include "weapons/Armes.h"
#include "weapons/Explosion.h"
#include "weapons/Projectiles.h"
#include "weapons/Tir.h"
#include "weapons/TirV.h"

namespace {

// Only a bullet flies on through a soldier it could not hurt; a blast, a
// rocket that has burst or a vehicle must stay as it was.
bool traverse(Mapping* a) { return a && (typeid(*a) == typeid(Tir) || typeid(*a) == typeid(TirV)); }

void laisser_passer(Mapping* a) {
  if (traverse(a)) a->vivant = true;
}

int distance(Mapping* a, Mapping* b) {
  const double dx = a->calcul_distance_x(b), dy = a->calcul_distance_y(b);
  return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

int nb_listes() { return Tramer::nb_persos < Tramer::NB_MAX_PERSOS ? Tramer::nb_persos : Tramer::NB_MAX_PERSOS; }

bool camp_valide(int c) { return c == ALLIE || c == ENNEMI; }

}  // namespace

void Tramer::recevoirdegats(int16_t degats, Mapping* ATK, int16_t Direction, double angle, int16_t decalage_y) {
  if (!vivant || Invincibilite.cycle(2000) != 3 || degats <= 0 || stats.pv_restants <= 0) {
    laisser_passer(ATK);
    return;
  }
  if (action == MORT || action == ETRE_EJECTE) {
    laisser_passer(ATK);
    return;
  }
  const int volume = calculer_volume(Mapping::centre_scrolling);
  Jouer_son(general::Impact, volume);
  evenementie.remise_a_zero();
  if (statut == 0) statut = 3;

  // Only a hit that changes what he does starts his frames over: any other
  // would throw a thrown item again, or keep a blow from ever striking.
  if (degats > 20 && vitesse == 20) {
    action = ETRE_EJECTE;
    diffusion = 0;
  }

  const bool du_joueur = ATK && ATK->gethero();
  // A blast's picture reaches over every head: its ticks are never head hits.
  const bool tete = ATK && typeid(*ATK) != typeid(Explosion) && reapparaitre && decalage_y == 0 &&
                    ATK->position.y < position.y + 25 + relever_decalage_y();
  int32_t& pv = stats.pv_restants;
  if (tete && du_joueur) {
    pv = 0;
    ++general::nb_hs;
    Jouer_son(general::HeadShot, volume);
  } else if (tete && pv / 2 < pv - degats) {
    pv = pv / 2;
  } else {
    pv -= degats;
  }

  if (du_joueur && pv < 1 && classe != HERO) ++general::nb_tue;

  if (pv < 1) {
    if (du_joueur && !general::seconde_life) general::wex_actuelle += description.Wex;
    vivant = false;
    pv = 0;
    diffusion = 0;
    if (camp_valide(camp)) --general::effectifs_map[camp];
    tomber_arme();
    Jouer_son(general::Mort[description.index_sexe()], volume);
    if (classe == HERO) ++general::nb_mort;
  }

#if GAME_EARLY
  laisser_sang(ATK, Direction, angle, decalage_y);
#endif
  if (ATK) directionE = ATK->direction;
  if (Tramer* e = ennemi_le_plus_proche()) direction = static_cast<int16_t>(retourner_sens(e));
  En_mouvement = false;
}

#if GAME_EARLY
void Tramer::laisser_sang(Mapping* ATK, int16_t Direction, double angle, int16_t decalage_y) {
  // Where the hit landed, measured from the soldier; nobody keeps the splash.
  SDL_Rect ou = {0, 0, 0, 0};
  if (ATK) {
    ou.x = static_cast<Sint16>(position.x - ATK->position.x - TramePrincipale.x);
    ou.y = static_cast<Sint16>(ATK->position.y - position.y + decalage_y);
  }
  retenir(new Sang("Sang/", Direction, this, ou, 2, angle));
}
#endif

void Tramer::tomber_arme() {
  // Only an enemy's weapon the player has already unlocked is left behind.
  if (camp != ENNEMI || clone || !ArmePrincipale) return;
  if (ArmePrincipale->wex_requis >= general::wex_actuelle) return;
  retenir(new ArmeSol(ArmePrincipale, position));
}

Tramer* Tramer::ennemi_le_plus_proche() {
  int meilleur = 100000;
  Tramer* choisi = nullptr;
  for (int i = 0; i < nb_listes(); ++i) {
    Tramer* t = Persos[i];
    if (!t || t == this || i == id || t->camp == camp) continue;
    if (t->get_vie_restante() <= 0 || !t->vivant) continue;
    const int d = distance(this, t) * (t->get_etre_discret() ? 2 : 1);
    if (d <= meilleur) {
      meilleur = d;
      choisi = t;
    }
  }
  return choisi;
}

Mapping* Tramer::lieu_de_reapparition() {
  if constexpr (!early)
    if (cc* p = ReleverCCLePlusProche_x(this, camp)) return p;
  return ReleverCCLePlusProche(this, camp);
}

void Tramer::reapparaitre2() {
  if (!camp_valide(camp)) return;
#if !GAME_EARLY
  // The earlier build has no rate limit.
  if (TLimites.cycle(15000) == 3) {
    limite[0] = limite[1] = 0;
    TLimites.remise_a_zero();
  }
  if (limite[camp] >= 10) return;
#endif
  Mapping* lieu = lieu_de_reapparition();
  if (!lieu) return;
  position = lieu->position;
  position.y = borne16(position.y - 100);
  Initialiser(false);
  if constexpr (!early) ++limite[camp];
}

void Tramer::reapparaitrehero() {
  if (!camp_valide(camp)) return;
  if (early || relever_nb_persos(camp) < general::effectifs_map[camp]) {
    Mapping* lieu = lieu_de_reapparition();
    if (!lieu) return;
    position = lieu->position;
    position.y = borne16(position.y - 100);
    Initialiser(true);
    return;
  }
  // The pool is spent: the player goes on with the nearest living ally.
  int meilleur = 10000;
  Tramer* choisi = nullptr;
  for (int i = 0; i < nb_listes(); ++i) {
    Tramer* t = Persos[i];
    if (!t || t == this || i == id || t->camp != camp || !t->vivant || !t->affichage) continue;
    const int d = distance(this, t);
    if (d <= meilleur) {
      meilleur = d;
      choisi = t;
    }
  }
  if (!choisi) return;
  general::hero = static_cast<int>(choisi->element_actuel);
  Mapping::centre_scrolling = choisi;
  choisi->classe = HERO;
  choisi->comportement_actuel = JOUEUR;
  // Pick-ups, the scope and the HUD follow the soldier the player now controls.
  Hero = choisi;
  reapparaitre = false;
}
