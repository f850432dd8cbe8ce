#include "weapons/Armes.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "characters/Tramer.h"
#include "engine/Constantes.h"
#include "engine/OuvrirImage.h"
#include "engine/OuvrirSon.h"
#include "weapons/Aura.h"
#include "weapons/Bouclier.h"
#include "weapons/Flamme.h"
#include "weapons/FlammeV.h"
#include "weapons/Fumigene.h"
#include "weapons/FusilaPompe.h"
#include "weapons/Grenade.h"
#include "weapons/Katana.h"
#include "weapons/LanceRoquette.h"
#include "weapons/Mineur.h"
#include "weapons/Projectiles.h"
#include "weapons/Tir.h"
#include "weapons/TirV.h"

Armes::Armes(const char* nom, short Type, short Force, short Vitesse, short Frequence, short Recharge,
             short Nb_munition, short Temps_de_Recharge, bool Snipe, short Decalage_y, short tb)
    : balle_en_cours(tb),
      snipe(Snipe),
      temps_de_recharge(Temps_de_Recharge),
      decalage_y(Decalage_y),
      recharge(Recharge),
      nb_munition(Nb_munition),
      charge_actuelle(Recharge) {
  charger_ressources(nom);
  force = Force;
  vitesse = Vitesse;
  type = Type;
  frequence = Frequence;
  armer_cycle();
}

Armes::Armes() : Armes("QD-AR", 1, 20, 80, 333, 6, 24, 1000, false, 0, 0) {}

void Armes::charger_ressources(const char* nom) {
  nom_arme = nom ? nom : "";
  const std::string n = nom_arme.retournertexte();
  const std::string F = "Armes/" + n + "/";
  viseur = AllouerImage((F + "viseur.png").c_str(), 0, false, false);
  if (!viseur) viseur = AllouerImage("viseur.png", 0, false);
  Ombre = AllouerImage((F + "ombre.png").c_str(), 0, false);
  const std::string P = F + n + ".png";
  charger_avec_miroir(P.c_str(), (P + "1").c_str(), image);
  tir = AllouerSon((F + n + ".wav").c_str(), false);
  if (!tir) tir = general::tirer;
  recharger = AllouerSon((F + "recharger.wav").c_str(), false);
  if (!recharger) recharger = general::Recharger;
}

void Armes::armer_cycle() {
  demarrer(cycle);
  // Taken modulo 2^32 as the timer reads it: past 2^31 ms of ticks a plain
  // difference would overflow.
  cycle.duree_de_depart =
      static_cast<int32_t>(static_cast<uint32_t>(cycle.duree_de_depart) - static_cast<uint32_t>(2 * frequence));
}

void Armes::reprendre(const Armes& a) {
  charger_ressources(a.nom_arme.retournertexte());
  snipe = a.snipe;
  recharge = a.recharge;
  charge_actuelle = a.charge_actuelle;
  nb_munition = a.nb_munition;
  decalage_y = a.decalage_y;
  temps_de_recharge = a.temps_de_recharge;
  for (int i = 0; i < 4; ++i) image[i] = a.image[i];
  type = a.type;
  force = a.force;
  vitesse = a.vitesse;
  frequence = a.frequence;
  hero = false;
  armer_cycle();
}

SDL_Surface* Armes::donnerImage(int dir, int dzoom) {
  const int i = 2 * dir + dzoom;
  return i >= 0 && i < 4 ? image[i] : nullptr;
}

bool Armes::peut_tirer(bool ne_pas_tirer) {
  if (ne_pas_tirer) return false;
  if (charge_actuelle <= 0) {
    etat_de_recharge = true;
    return false;
  }
  return !etat_de_recharge && cycle.cycle(frequence) == 3;
}

void Armes::consommer(bool illimite) {
  --charge_actuelle;
  if (illimite) ++nb_munition;
}

void Armes::etape_recharge(bool ne_pas_tirer) {
  if constexpr (early) {
    recharge_ancienne();
    return;
  }
  if (charge_actuelle <= 0) etat_de_recharge = true;
  if (!etat_de_recharge && !ne_pas_tirer) return;
  if (recharge <= charge_actuelle) {
    etat_de_recharge = false;
    return;
  }
  if (etat_de_recharge && cycle.cycle(temps_de_recharge) != 3) return;
  if (hero) Jouer_son(recharger, 255);
  nb_munition = static_cast<int16_t>(nb_munition + charge_actuelle);
  charge_actuelle = 0;
  etat_de_recharge = false;
  const int16_t prise = nb_munition < recharge ? nb_munition : recharge;
  nb_munition = static_cast<int16_t>(nb_munition - prise);
  charge_actuelle = prise;
  cycle.remise_a_zero();
}

void Armes::recharge_ancienne() {
  if (charge_actuelle <= 0) etat_de_recharge = true;
  if (!etat_de_recharge) return;
  if (charge_actuelle >= recharge) {
    etat_de_recharge = false;
    return;
  }
  if (charge_actuelle >= 0) {
    if (hero) Jouer_son(recharger, 255);
    nb_munition = static_cast<int16_t>(nb_munition + charge_actuelle);
  }
  charge_actuelle = -1;
  if (cycle.cycle(temps_de_recharge) != 3) return;
  etat_de_recharge = false;
  const int16_t prise = nb_munition < recharge ? nb_munition : recharge;
  nb_munition = static_cast<int16_t>(nb_munition - prise);
  charge_actuelle = prise;
  cycle.remise_a_zero();
}

void Armes::jouer_tir(Mapping* projectile, bool plein) {
  Jouer_son(tir, plein ? 255 : projectile->calculer_volume(Mapping::centre_scrolling));
}

#if GAME_EARLY
short Armes::Tirer(SDL_Rect pos, bool ne_pas_tirer, bool viser, double angle) {
  return feu(pos, ne_pas_tirer, viser, angle, false, false);
}
#else
short Armes::Tirer(SDL_Rect pos, bool ne_pas_tirer, bool viser, double angle, bool instantane, bool illimite) {
  return feu(pos, ne_pas_tirer, viser, angle, instantane, illimite);
}
#endif

short Armes::feu(SDL_Rect pos, bool ne_pas_tirer, bool viser, double angle, bool instantane, bool illimite) {
  if (peut_tirer(ne_pas_tirer)) {
    if (viser)
      tir_vise(pos, angle, instantane, illimite);
    else
      tir_droit(pos, illimite);
  }
  etape_recharge(ne_pas_tirer);
  return TIRER;
}

void Armes::tir_droit(SDL_Rect pos, bool illimite) {
  consommer(illimite);
  SDL_Rect p = pos;
  p.y = court(p.y + decalage_y);
  auto* f = new Flamme(p, direction);
  if (direction == GAUCHE) {
    f->position.x = court(f->position.x - f->TramePrincipale.w);
    p.x = court(p.x - f->TramePrincipale.w);
  }
  f->position.y = court(f->position.y - f->TramePrincipale.h / 2);
  retenir(f);

  auto* t = new Tir();
  if (direction == GAUCHE) p.x = court(p.x - t->TramePrincipale.w);
  t->position = p;
  t->direction = direction;
  t->force = force;
  t->vitesse = vitesse;
  t->camp = camp;
  jouer_tir(t);
  retenir(t);
  cycle.remise_a_zero();
}

void Armes::tir_vise(SDL_Rect pos, double angle, bool instantane, bool illimite) {
  auto* b = new TirV(pos, angle, direction, balle_en_cours);
  b->force = force;
  const double a = (angle - 180.0 * direction) * PI_ARMES / 180;
  b->p_y = vitesse * std::sin(a);
  b->vitesse = static_cast<int32_t>(vitesse * std::cos(a));
  b->camp = camp;
  b->sethero(hero);
  b->set_limite(!snipe);
  if (instantane) {
    const int vx = b->get_vecteur_x(), vy = b->get_vecteur_y();
    const int sens = direction == GAUCHE ? -1 : 1;
    auto pas = [&](int k) {
      b->position.x = court(b->position.x + k * sens * vx);
      b->y -= k * sens * vy;
    };
    // Without a whole step it would never get anywhere. At the world's 16-bit
    // edge it stops where it is: the next step would wrap it round to the
    // other end, and its first flight step there spends it.
    bool recule = vx != 0 || vy != 0;
    for (int s = 0; recule;) {
      if (hors_16_bits(b->position.x + static_cast<double>(sens * vx)) || hors_16_bits(b->y - sens * vy)) {
        recule = false;
        break;
      }
      s += std::abs(vx) + std::abs(vy);
      pas(1);
      if (s > 9999 || b->p_collision(0, false) == P_COLLISION) break;
    }
    if (recule) pas(-1);
  }
  retenir(new FlammeV(pos, angle, direction, balle_en_cours));
  jouer_tir(b, instantane);
  retenir(b);
  consommer(illimite);
  cycle.remise_a_zero();
}

namespace {
Armes* copie_par_genre(Armes* a) {
  switch (a->get_type2()) {
    case 0:
      return new Armes(*a);
    case 1:
      return new FusilaPompe(*a);
    case 2:
      return new LanceRoquette(*a);
    case 3:
      return new Katana(P_char(a->get_nom()), a->get_force());
    case 4:
      return new Grenade(P_char("Armes/Grenades/grenade.png"));
    case 5:
      return new Fumigene(P_char("Armes/fumigene/projectile.png"));
    case 6:
      return new Bouclier(P_char("Armes/Bouclier/projectile.png"));
    case 7:
      if constexpr (early) return new Grenade(P_char("Armes/Grenades/grenade.png"));
      return new Mineur(P_char("Armes/Mines/projectile.png"));
    case 8:
      return new Aura(*a);
    default:
      return nullptr;
  }
}
}  // namespace

Armes* Reproduire_Arme(Armes* a) {
  if (!a) return nullptr;
  Armes* c = copie_par_genre(a);
  // Which catalogue entry it is and what it takes to carry it go with every
  // copy: a dropped weapon is offered, and saved, by them.
  if (c) {
    c->id = a->id;
    c->wex_requis = a->wex_requis;
  }
  return c;
}
