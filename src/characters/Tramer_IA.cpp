// The soldiers' behaviour between frames: aura and healing, the alert of
// infiltration maps and its reinforcements, the aim, and the AI modes. The
// AI never moves anyone itself: it sets the facing, the action and the aim
// and leaves the rest to the action step.
#include <cmath>
#include <cstdlib>

#include "characters/Tramer.h"
#include "characters/Vehicules.h"
#include "engine/Fonctions.h"
#include "engine/cc.h"
#include "weapons/Armes.h"

namespace {

constexpr int MODE_SANS_ENNEMI = 13;
constexpr int MAX_CLONES = 10;
constexpr int PORTEE_MELEE = 200;
constexpr int PORTEE_CAPTURE = 200;
constexpr int PORTEE_MONTER = 150;

int centre_x(const Mapping* o) { return o->position.x + (o->TramePrincipale.w >> 1); }
int centre_y(const Mapping* o) { return o->position.y + (o->TramePrincipale.h >> 1); }

int distance(Mapping* a, Mapping* b) {
  const double dx = a->calcul_distance_x(b), dy = a->calcul_distance_y(b);
  return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

int distance(Mapping* a, SDL_Rect r) {
  const double dx = a->calcul_distance_x(r), dy = a->calcul_distance_y(r);
  return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

int nb_listes() { return Tramer::nb_persos < Tramer::NB_MAX_PERSOS ? Tramer::nb_persos : Tramer::NB_MAX_PERSOS; }

int hauteur_vue() { return general::ecran ? general::ecran->h : 544; }

// Own top above its bottom and its top above own bottom.
bool meme_hauteur(const Mapping* a, const Mapping* b) {
  return a->position.y < b->position.y + b->TramePrincipale.h && b->position.y < a->position.y + a->TramePrincipale.h;
}

void faire_face(Tramer* t, Mapping* o) { t->direction = static_cast<int16_t>(t->retourner_sens(o)); }

void demi_tour(Tramer* t) { t->direction = t->direction == GAUCHE ? DROITE : GAUCHE; }

bool vivant_ennemi(const Tramer* t, const Tramer* o) {
  return o && o != t && o->camp != t->camp && o->stats.pv_restants > 0 && o->vivant;
}

// In front and nearer than the best so far: a gap of 0 is never in front.
bool devant(const Tramer* t, int cle, int meilleur) {
  if (std::abs(cle) >= std::abs(meilleur)) return false;
  return t->direction == GAUCHE ? cle < 0 : t->direction == DROITE ? cle > 0 : false;
}

// A vehicle with a seat for this soldier, the nearest; the later one wins a tie.
Vehicule* vehicule_libre(Tramer* t) {
  int meilleur = 10000;
  Vehicule* choisi = nullptr;
  const int n = Vehicule::nb_vehicule < Vehicule::NB_MAX_VEHICULES ? Vehicule::nb_vehicule : Vehicule::NB_MAX_VEHICULES;
  for (int i = 0; i < n; ++i) {
    Vehicule* v = Vehicule::Vehicules[i];
    // A wreck takes nobody; the earlier ones still did.
    if (!v || (!early && !v->physique) || (v->camp != NUL && v->camp != t->camp) ||
        v->nb_passager >= v->nb_passager_possible)
      continue;
    const int d = distance(t, v);
    if (d <= meilleur) {
      meilleur = d;
      choisi = v;
    }
  }
  return choisi;
}

// Another camp's smoke hides whoever stands in it from shooting out.
bool dans_fumee_adverse(Tramer* t) {
  const int x = t->position.x, yy = t->position.y, w = t->TramePrincipale.w, h = t->TramePrincipale.h;
  for (int32_t i = 0; i < Mapping::dernier_objet; ++i) {
    if (static_cast<uint32_t>(i) == t->element_actuel) continue;
    const Mapping* o = Mapping::Objets[i];
    if (!o || o->type_objet != FUMEE || !o->vivant || o->camp == t->camp) continue;
    if (x < o->position.x + o->TramePrincipale.w && o->position.x < x + w && yy < o->position.y + o->TramePrincipale.h &&
        o->position.y < yy + h)
      return true;
  }
  return false;
}

// Smoke blinds a soldier that was already firing too: it keeps its posture
// and lowers its weapon.
void cesser_feu(Tramer* t) {
  switch (t->action) {
    case TIRER: t->action = COURIR; break;
    case TIRER_DISCRET: t->action = DISCRET; break;
    case TIRER_RAMPER: t->action = RAMPER; break;
    case TIRER_VISER: t->action = VISER; break;
    default: break;
  }
}

// A reinforcement dropped above the soldier's own post, facing the enemy.
void appeler_renfort(Tramer* t) {
  if constexpr (early) return;  // the earlier game has no reinforcements
  cc* poste = ReleverCCLePlusProche_x(t, t->camp);
  if (!poste) poste = ReleverCCLePlusProche(t, t->camp);
  Tramer* ennemi = t->ReleverEnnemiLePlusProche();
  if (!poste || !ennemi || Tramer::nb_renfort >= MAX_CLONES) return;
  auto* c = new Tramer(t);
  c->Tas = true;
  c->position = poste->position;
  c->position.y = borne16(c->position.y - 100);
  c->clone = true;
  c->statut = 3;
  if (!Tramer::AjouterRenfort(c)) {
    delete c;
    return;
  }
  faire_face(c, ennemi);
}

}  // namespace

short Tramer::vue() {
  if constexpr (early) return 380;
  return classe == SNIPER && !general::infiltration ? 1520 : 380;
}

bool Tramer::get_cacher() { return nature_mvt() == 1 && cacher && !En_mouvement; }

// ---- Scans ----

Tramer* Tramer::ReleverEnnemiLePlusProche() {
  int meilleur = 100000;
  Tramer* choisi = nullptr;
  for (int i = 0; i < nb_listes(); ++i) {
    Tramer* o = Persos[i];
    if (i == id || !vivant_ennemi(this, o)) continue;
    const int cle = distance(this, o) * (o->get_etre_discret() ? 2 : 1);
    if (std::abs(cle) <= std::abs(meilleur)) {
      meilleur = cle;
      choisi = o;
    }
  }
  return choisi;
}

Tramer* Tramer::ReleverEnnemiLePlusProcheVisible() {
  int meilleur = 100000;
  Tramer* choisi = nullptr;
  for (int i = 0; i < nb_listes(); ++i) {
    Tramer* o = Persos[i];
    if (i == id || !vivant_ennemi(this, o) || !o->affichage || o->get_cacher() || !meme_hauteur(this, o)) continue;
    if (early && o->classe == HERO) continue;
    const int cle = (centre_x(o) - centre_x(this)) * (o->nature_mvt() + 1);
    if (devant(this, cle, meilleur)) {
      meilleur = cle;
      choisi = o;
    }
  }
  return choisi;
}

Tramer* Tramer::ReleverAllieLePlusProcheVisible() {
  int meilleur = 100000;
  Tramer* choisi = nullptr;
  for (int i = 0; i < nb_listes(); ++i) {
    Tramer* o = Persos[i];
    if (i == id || !o || o == this || o->camp != camp || o->stats.pv_restants <= 0 || !o->vivant || !o->affichage)
      continue;
    if (o->direction != direction || o->comportement_actuel == JOUEUR || !meme_hauteur(this, o)) continue;
    const int cle = centre_x(o) - centre_x(this);
    if (devant(this, cle, meilleur)) {
      meilleur = cle;
      choisi = o;
    }
  }
  return choisi;
}

// ---- The frame ----

namespace {

void tick_aura(Tramer* t) {
  if (t->aura >= 1 && t->aura_activee) {
    if (t->Taura.cycle(1000) != 3) return;
    t->aura -= 2;
    if (t->aura < 1) {
      t->aura = 0;
      t->retirer_aura();
    }
    t->Taura.remise_a_zero();
  } else if (!t->aura_activee && t->Taura.cycle(1000) == 3) {
    if (t->aura < 100) ++t->aura;
    t->Taura.remise_a_zero();
  }
}

void tick_vie(Tramer* t) {
  if (t->Tvie.cycle(1000) != 3) return;
  t->Tvie.remise_a_zero();
  t->stats.pv_restants += t->regeneration;
  if (t->stats.pv_restants > t->stats.pv_max) t->stats.pv_restants = t->stats.pv_max;
}

void alerte(Tramer* t) {
  if (!general::infiltration) {
    t->statut = 4;
    t->DureeStatut.remise_a_zero();
    return;
  }
  if (t->camp != ENNEMI) {
    if (t->camp == ALLIE && t->comportement_actuel != COPIER_JOUEUR) t->comportement_actuel = MODE_SANS_ENNEMI;
    t->statut = 4;
    t->DureeStatut.remise_a_zero();
    return;
  }
  if (t->statut == 0 && t->action == ETRE_EJECTE) {
    t->statut = 3;
    t->DureeStatut.remise_a_zero();
  }
  // Seen every frame from every state: a watched intruder holds the alert.
  if (Tramer* e = t->ReleverEnnemiLePlusProcheVisible(); e && distance(t, e) * (e->nature_mvt() + 1) < t->vue()) {
    t->statut = 2;
    t->DureeStatut.remise_a_zero();
  }
  if (t->statut == 3) {
    // A clone never calms down; the frame pass retires it after a minute.
    if (t->clone) {
      t->DureeStatut.cycle(60000);
    } else if (t->DureeStatut.cycle(5000) == 3) {
      t->statut = 0;
      t->DureeStatut.remise_a_zero();
    }
  } else if (t->statut == 2 && t->DureeStatut.cycle(1000) == 3) {
    t->statut = 1;
    t->DureeStatut.remise_a_zero();
  }
}

void renforts(Tramer* t) {
  if (t->statut != 1 || t->DureeStatut.cycle(500) != 3) return;
  appeler_renfort(t);
  t->DureeStatut.remise_a_zero();
}

// The aim creeps 10 px a frame toward the line through the enemy.
void rapprocher_visee(Tramer* t) {
  const int cx = centre_x(t), cy = centre_y(t);
  if (!(t->ArmePrincipale && t->ArmePrincipale->snipe))
    t->cible.x = borne16(t->direction == DROITE ? cx + 200 : cx - 200);
  Tramer* e = t->ReleverEnnemiLePlusProcheVisible();
  if (!e) {
    t->cible.y = borne16(t->position.y + t->TramePrincipale.w / 2 + 30);
    return;
  }
  if (distance(t, e) > t->vue()) {
    t->cible.y = borne16(t->position.y + t->TramePrincipale.h / 2 + 30);
    return;
  }
  const SDL_Surface* v = t->ArmePrincipale ? t->ArmePrincipale->viseur : nullptr;
  const int ax = t->cible.x + (v ? v->w / 2 : 0), ay = t->cible.y + (v ? v->h / 2 : 0);
  const int ecart = cx - ax;
  if (ecart == 0) return;  // a vertical line has no slope: wait a frame
  const int a = (cy - ay) / ecart;
  const int b = static_cast<int>(ay - static_cast<double>(a) * ax);
  const int ly = y(centre_x(e), a, b);
  const int ey = e->position.y + e->TramePrincipale.w / 2;
  if (std::abs(ly - ey) > 20) t->cible.y = borne16(t->cible.y + (ey < ly ? -10 : 10));
}

void choisir_mode(Tramer* t) {
  if (t->Objectif) {
    t->comportement_actuel = t->classe == HERO ? JOUEUR : ACCOMPLIR_OBJECTIF;
    return;
  }
  if (t->comportement_actuel == COPIER_JOUEUR) {
  } else if (t->classe == CONDUCTEUR) {
    t->comportement_actuel = REJOINDRE_VEHICULE;
    if (Tramer* e = t->ReleverEnnemiLePlusProcheVisible(); e && t->calcul_distance_x(e) < t->vue())
      t->Attaquer_Ennemi();
    if (!vehicule_libre(t) && t->action != VISER) t->Attaquer_Ennemi();
  } else if (t->classe != HERO && t->action != VISER) {
    t->Attaquer_Ennemi();
  }
  if (t->classe == HERO) t->comportement_actuel = JOUEUR;
}

void rejoindre_vehicule(Tramer* t) {
  Vehicule* v = vehicule_libre(t);
  if (!v) {
    t->Attaque();
    return;
  }
  // A vehicle is boarded from beside it, on either side.
  if (std::abs(t->calcul_distance_x(v)) <= PORTEE_MONTER)
    v->interragir(t);
  else
    t->direction = v->position.x <= t->position.x ? GAUCHE : DROITE;
  t->evenement_hero(0, t->En_mouvement);
}

// One step through standing, crouched and prone; a weapon of type 2 is
// never carried prone, so from there it cycles between the first two.
void changer_posture(Tramer* t) {
  const bool lourde = t->ArmePrincipale && t->ArmePrincipale->get_type() == 2;
  switch (t->action) {
    case TIRER: t->action = TIRER_DISCRET; break;
    case COURIR: t->action = DISCRET; break;
    case TIRER_DISCRET: t->action = lourde ? TIRER : TIRER_RAMPER; break;
    case DISCRET: t->action = lourde ? COURIR : RAMPER; break;
    default: t->action = COURIR; break;
  }
}

Tramer* allie_a_copier(Tramer* t) {
  int meilleur = 10000;
  Tramer* choisi = nullptr;
  for (int i = 0; i < nb_listes(); ++i) {
    Tramer* o = Tramer::Persos[i];
    if (!o || o == t || o->camp != t->camp || !o->vivant || !o->affichage) continue;
    const int d = distance(t, o);
    if (d <= meilleur) {
      meilleur = d;
      choisi = o;
    }
  }
  return choisi;
}

void copier_joueur(Tramer* t) {
  Tramer* a = allie_a_copier(t);
  if (!a) {
    t->Aucun();
    return;
  }
  if (std::abs(t->calcul_distance_x(a)) <= 150)
    t->En_mouvement = false;
  else
    t->direction = a->position.x <= t->position.x ? GAUCHE : DROITE;
  // A weapon of type 2 is never carried prone: crouching is as near as it gets.
  int cherchee = a->nature_mvt();
  if (cherchee == 2 && t->ArmePrincipale && t->ArmePrincipale->get_type() == 2) cherchee = 1;
  for (int pas = 0; pas < 4 && cherchee != t->nature_mvt(); ++pas) changer_posture(t);
  t->cacher = a->get_cacher();
  t->layer = a->layer;
  Tramer* e = t->ReleverEnnemiLePlusProche();
  if (!e) {
    if (t->nature_mvt() == 0) t->action = COURIR;
    t->evenement_hero(0, false);
    return;
  }
  const bool aveugle = dans_fumee_adverse(t);
  if (t->nature_mvt() == 0) {
    const bool feu = t->calcul_distance_x(e) < t->vue() && !t->cacher && !aveugle;
    t->action = feu ? TIRER : COURIR;
  } else if (aveugle) {
    cesser_feu(t);
  }
  t->evenement_hero(0, t->En_mouvement);
}

void executer_mode(Tramer* t) {
  switch (t->comportement_actuel) {
    case ACCOMPLIR_OBJECTIF: {
      Tramer* e = t->ReleverEnnemiLePlusProcheVisible();
      if (e && distance(t, e) < t->vue())
        t->Attaque();
      else if (!t->Objectif)
        t->Aucun();
      else
        t->Accomplir_Objectif();
      break;
    }
    case ATTAQUER_ENNEMI:
      if (t->statut == 0) {
        t->Effectuer_Ronde(t->pos_depart);
      } else if (t->statut == 3) {
        // Searching: a while for a soldier knocked about, for good for a clone.
        if (!t->clone && t->evenementie.cycle(5000) == 3) break;
        if (t->p_collision(false, 0) == P_COLLISION) demi_tour(t);
        t->Attaque();
      } else {
        t->Attaque();
      }
      break;
    case JOUEUR: t->evenement_hero(1, true); break;
    case REJOINDRE_VEHICULE: rejoindre_vehicule(t); break;
    case COPIER_JOUEUR: copier_joueur(t); break;
    default: t->Attaque(); break;
  }
}

}  // namespace

void Tramer::comportement() {
  if (!affichage || action == MORT || !vivant) {
    evenement_hero(0, false);
    return;
  }
  tick_aura(this);
  tick_vie(this);
  alerte(this);
  renforts(this);
  if (statut == 4 && Objectif) {
    if (!Objectif->vivant)
      Objectif = nullptr;
    else if (classe != HERO && comportement_actuel != COPIER_JOUEUR)
      comportement_actuel = ACCOMPLIR_OBJECTIF;
  }
  if (classe != HERO) rapprocher_visee(this);
  En_mouvement = true;
  choisir_mode(this);
  // Knocked down, he lies till the fall has played out, whatever his orders
  // say, and a landing, a blow or a throw plays out too: written over, it
  // would leave him its slow step for good. Only the player gets up at will.
  const bool geste = action == ATTERRIR || action == COGNER || action == COGNER2 || action == PROJETER;
  if ((action == ETRE_EJECTE || geste) && comportement_actuel != JOUEUR)
    evenement_hero(0, false);
  else
    executer_mode(this);
}

// ---- Behaviours ----

void Tramer::Aucun() { evenement_hero(0, false); }

void Tramer::Attaquer_Ennemi() {
  comportement_actuel = ATTAQUER_ENNEMI;
  if (!ReleverEnnemiLePlusProche()) comportement_actuel = MODE_SANS_ENNEMI;
}

void Tramer::Effectuer_Ronde(SDL_Rect centre) {
  bool tourner = distance(this, centre) > 800 || p_collision(true, 0) == P_COLLISION;
  if (tourner) {
    if constexpr (early)
      direction = static_cast<int16_t>(retourner_sens(centre));
    else
      direction = centre.x <= position.x ? GAUCHE : DROITE;
  }
  const int32_t v = vitesse;
  vitesse = v / 2;
  evenement_hero(0, true);
  vitesse = v;
}

void Tramer::Attaque() {
  bool bouger = true;
  if constexpr (!early) {
    cc* postes[2] = {ReleverCCLePlusProche(this, camp == ENNEMI ? ALLIE : ENNEMI), ReleverCCLePlusProche(this, NUL)};
    for (cc* p : postes)
      if (p && distance(this, p) < PORTEE_CAPTURE) {
        bouger = false;
        p->interragir(this);
      }
  }
  if (Tramer* a = ReleverAllieLePlusProcheVisible(); a && distance(this, a) <= (early ? 74 : 99)) bouger = false;

  Tramer* e = ReleverEnnemiLePlusProcheVisible();
  if (statut != 3 && statut != 0 && !e) {
    e = ReleverEnnemiLePlusProche();
    if (!e) {
      Aucun();
      return;
    }
    // The earlier game heads for him from any distance: turning only at
    // walls took its soldiers off the world, away from every enemy.
    const bool voir = early || calcul_distance_y(e) < hauteur_vue() / 2;
    if (voir)
      faire_face(this, e);
    else if (p_collision(false, 0) == P_COLLISION)
      demi_tour(this);
  }
  if (!e) {
    evenement_hero(0, true);
    return;
  }

  const int d = distance(this, e);
  if (d < PORTEE_MELEE) {
    cogner();
    faire_face(this, e);
    evenement_hero(0, false);
    return;
  }
  const int portee = vue() / (e->nature_mvt() + 1);
  if (d > portee) {
    action = COURIR;
    evenement_hero(0, bouger);
  } else if (dans_fumee_adverse(this)) {
    cesser_feu(this);
    evenement_hero(0, bouger);
  } else if (d < portee) {
    action = TIRER;
    // Computer soldiers fire at a quarter of the weapon's rate.
    Armes* arme = ArmePrincipale;
    const short periode = arme ? arme->get_frequence() : 0;
    if (arme) arme->set_frequence(static_cast<short>(periode * 4 > 32767 ? 32767 : periode * 4));
    evenement_hero(0, bouger);
    if (arme && ArmePrincipale == arme) arme->set_frequence(periode);
  } else {
    evenement_hero(0, bouger);
  }
}

void Tramer::Accomplir_Objectif() {
  Mapping* o = Objectif;
  if (!o) return;
  const int d = distance(this, o);
#if GAME_EARLY
  const bool centre_a_prendre = false;  // the early soldier takes no command centre
#else
  // A neutral post is there to be taken as much as an enemy one.
  const bool centre_a_prendre = o->type_objet == COMMAND && (o->camp == ENNEMI || o->camp == NUL);
#endif
  if (centre_a_prendre) {
    if (d < 400) {
      if (d < PORTEE_CAPTURE) o->interragir(this);
      // Nobody in sight to fight: he goes on to the post, or he would stop
      // short of it for good and never take it.
      if (d >= PORTEE_CAPTURE && !ReleverEnnemiLePlusProcheVisible()) {
        faire_face(this, o);
        evenement_hero(0, true);
      } else {
        Attaque();
      }
    } else {
      Effectuer_Ronde(o->position);
    }
  } else if (!early && o->type_objet == VEHICULE && o->camp != ENNEMI) {
    Effectuer_Ronde(o->position);
    if (d < 200) o->interragir(this);
  } else if (o->camp == ALLIE && o->type_objet != TRAMER) {
    Effectuer_Ronde(o->position);
  } else if (o->type_objet == TRAMER && d <= 200) {
    // Guard: stand beside it, looking out.
    direction = retourner_sens(o) == GAUCHE ? DROITE : GAUCHE;
    evenement_hero(0, false);
  } else {
    faire_face(this, o);
    evenement_hero(0, true);
  }
}
