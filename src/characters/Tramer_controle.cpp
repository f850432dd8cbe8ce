// The player's and the AI's action step: keys and mouse, movement physics,
// the aimed shot, the secondary items, and the hero's weapon pick-up.
#include <cmath>

#include "characters/Tramer.h"
#include "characters/InitierPersos.h"
#include "engine/Ascenseur.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"
#include "weapons/Armes.h"

namespace {

int largeur_ecran() { return general::ecran ? general::ecran->w : 960; }
int hauteur_ecran() { return general::ecran ? general::ecran->h : 544; }

Sint16 court16(double v) { return static_cast<Sint16>(static_cast<int>(v)); }

bool tient(int code) { return touche(code); }

// Strict overlap of two objects' boxes (position and frame size).
bool se_recouvrent(const Mapping* a, const Mapping* b) {
  return a->position.x < b->position.x + b->TramePrincipale.w && b->position.x < a->position.x + a->TramePrincipale.w &&
         a->position.y < b->position.y + b->TramePrincipale.h && b->position.y < a->position.y + a->TramePrincipale.h;
}

bool vivant_affiche(const Mapping* o) { return o && o->image && o->image[0] && o->affichage && o->vivant; }

// Another shown, live object under the soldier.
bool recouvre(const Tramer* t, int32_t i) {
  const Mapping* o = Mapping::Objets[i];
  return o != t && vivant_affiche(o) && se_recouvrent(t, o);
}

// Each object under the soldier in table order; the soldier may move on the way.
template <class G>
void a_portee(Tramer* t, const char* sonde, G&& agir) {
  Mapping::pour_chaque_touche(
      sonde, [t] { return std::pair<int, int>(t->position.x, t->position.x + t->TramePrincipale.w); },
      [t](int32_t i) { return recouvre(t, i); }, agir);
}

// What every probe refuses before looking at boxes.
bool candidat(const Mapping* moi, const Mapping* o, int32_t i) {
  if (!o || o == moi || !o->physique || o->camp == moi->camp || o->type_objet == OBJET_DESTRUCTIBLE) return false;
  if (static_cast<uint32_t>(i) == moi->element_actuel || !o->image || !o->image[0]) return false;
  return !(o->type_objet == VEHICULE && o->camp == NUL);
}

// The angle of the line from o to t in degrees, 0 to the right and 90 up.
// An aim point on the origin itself has no direction: it counts as straight ahead.
float angle_vers(int ox, int oy, int tx, int ty) {
  const float dy = static_cast<float>(oy - ty), dx = static_cast<float>(tx - ox);
  if (dx == 0.0f && dy == 0.0f) return 0.0f;
  return std::atan(dy / dx) * 180.0f / 3.14159265f;
}

}  // namespace

Armes* changerdarme(Armes* old, Armes** inv, int taille) {
  if (!inv || taille < 1) return old;
  Armes* r = inv[0];
  for (int i = 0; i + 1 < taille; ++i) inv[i] = inv[i + 1];
  inv[taille - 1] = old;
  return r;
}

int Tramer::p_collision(bool even, int32_t ignorer) {
  if (ignorer < 0) ignorer = 0;
  const int x = position.x, yy = position.y, w = TramePrincipale.w, h = TramePrincipale.h, tx = TramePrincipale.x;
  const bool horizontal = direction == DROITE || direction == GAUCHE;
  if (!horizontal && direction != BAS && direction != HAUT) return PAS_COLLISION;
  auto bloque_par = [&](int32_t i) {
    Mapping* o = Objets[i];
    if (!candidat(this, o, i)) return false;
    if (!even && (o->type_objet == TRAMER || o->type_objet == VEHICULE)) return false;
    // A lift carries whoever stands on it and stops nobody else.
    if constexpr (!early)
      if (o->type_objet == ASCENSEUR && direction != BAS) return false;

    const int haut = o->position.y + o->relever_decalage_y();
    const int bas = o->position.y + o->TramePrincipale.h;
    int L = o->position.x, W = o->TramePrincipale.w;
    if (o->direction == DROITE) W -= o->TramePrincipale.x;
    if (o->direction == GAUCHE) {
      L += o->TramePrincipale.x;
      W -= o->TramePrincipale.x;
    }
    if (horizontal) {
      if (!(yy + relever_decalage_y() < bas && haut < yy + h - 16)) return false;
      if (direction == DROITE) return L < x + w + vitesse - tx && x + w - tx < L + W;
      return x - vitesse + tx < L + W && L < x + tx;
    }
    if (!(x + tx < o->position.x + W && o->position.x < x + w - tx)) return false;
    if (direction == BAS) return yy + 8 < bas && o->position.y < yy + 8 + h;
    return yy - saut < bas && o->position.y < yy - vitesse + h;
  };
  return sonder_deplacement("soldier", ignorer, bloque_par);
}

short Tramer::Esca_collision() {
  const int r = direction == GAUCHE ? -20 : 20;
  const int F = position.y + TramePrincipale.h;
  const int gauche = position.x + TramePrincipale.x + r, droite = position.x + TramePrincipale.w - TramePrincipale.x + r;
  const int32_t i = premier_touche("step", 0, gauche, droite, [&](int32_t i) {
    Mapping* o = Objets[i];
    if (!candidat(this, o, i) || (o->type_objet != OBSTACLES && o->type_objet != ASCENSEUR)) return false;
    const int haut = o->position.y, bas = o->position.y + o->TramePrincipale.h;
    return gauche < o->position.x + o->TramePrincipale.w && o->position.x < droite && F - 32 < bas && haut < F - 16 &&
           position.y < haut;
  });
  if (i < 0) return PAS_COLLISION;
  colliser = i;
  return P_COLLISION;
}

void Tramer::sauter() {
  if (action == TOMBER || action == SAUTER || action == ATTERRIR) return;
  action = SAUTER;
  saut = 40;
  frequence = 50;
  diffusion = 0;
  csaut.remise_a_zero();
}

void Tramer::tirer() {
  switch (action) {
    case VISER: action = TIRER_VISER; break;
    case COURIR: action = TIRER; break;
    case DISCRET: action = TIRER_DISCRET; break;
    case RAMPER: action = TIRER_RAMPER; break;
    default: break;
  }
}

// A blow or a throw: the one-shot action starts on a fresh 200 ms step. The
// step it comes back to is the normal one, never a jump's or a landing's
// that the posture key has just cut short.
void Tramer::commencer_geste(int16_t geste, int16_t bras) {
  action = geste;
  if (bras >= 0) bras_en_cours = bras;
  frequence = 200;
  cycle.remise_a_zero();
  diffusion = 0;
}

void Tramer::cogner() {
  if (action == COGNER2 || action == COGNER || action == TOMBER || action == SAUTER || action == PROJETER) return;
  commencer_geste(COGNER, POING);
}

void Tramer::projeter() {
  if (action == COGNER2 || action == COGNER || action == TOMBER || action == SAUTER || action == PROJETER) return;
  commencer_geste(PROJETER, PROJECTILE);
}

void Tramer::cogner2() {
  if (action == COGNER2 || action == COGNER || action == TOMBER || action == SAUTER) return;
  commencer_geste(COGNER2, -1);
}

void Tramer::tirer2() {
  if ((action != COURIR && action != DISCRET) || !ArmeSecondaire) return;
  Armes* a = ArmeSecondaire;
  const short r = a->Tirer(position, false, false, 0.0, false, false);
  if (r == COGNER) {
    cogner();
  } else if (r == PROJETER) {
    // At most one throw a second.
    if (a->cycle.cycle(1000) == 3) {
      a->set_camp(camp);
      projeter();
      a->cycle.remise_a_zero();
    }
  } else if (r == 0 && a->get_type2() == 8 && a->cycle.cycle(250) == 3) {
    if (!aura_activee) {
      int32_t* champ = a->type == VITESSE ? &vitesse : a->type == FORCE ? &force : a->type == REGENERATION ? &regeneration : nullptr;
      if (champ) {
        aura_activee = true;
        P_aura = champ;
        before_aura = *champ;
        *champ *= 2;
      }
    } else if (P_aura) {
      aura_activee = false;
      *P_aura = before_aura;
    }
    a->cycle.remise_a_zero();
  }
  diffusion = 0;
}

void Tramer::interraction() {
  if (evenementie.cycle(500) != 3) return;
  a_portee(this, "use", [this](Mapping* o) { o->interragir(this); });
  if (!cacher && layer == 0) {
    cacher = true;
  } else {
    cacher = false;
    layer = 4;
  }
  evenementie.remise_a_zero();
}

void Tramer::interraction2() {
  if (evenementie.cycle(500) == 3) {
    a_portee(this, "pick-up", [this](Mapping* o) { o->interragir2(this); });
    evenementie.remise_a_zero();
  }
  // The pick-up may have replaced the main weapon.
  if (ArmePrincipale) general::fusil_choisi = ArmePrincipale->get_id();
}

namespace {

// An AI soldier waits on a lift that is still travelling.
bool sur_ascenseur_en_route(const Tramer* t) {
  const int pieds = t->position.y + t->TramePrincipale.h;
  const int n = Ascenseur::nb_ascenseurs < Ascenseur::NB_MAX_ASCENSEURS ? Ascenseur::nb_ascenseurs
                                                                          : Ascenseur::NB_MAX_ASCENSEURS;
  for (int i = 0; i < n; ++i) {
    const Ascenseur* a = Ascenseur::Ascenseurs[i];
    if (!a || a->etage) continue;
    const bool dessus = t->position.x < a->position.x + a->TramePrincipale.w &&
                        a->position.x < t->position.x + t->TramePrincipale.w;
    if (dessus && pieds - a->TramePrincipale.h - 8 < a->position.y && a->position.y < pieds + 8) return true;
  }
  return false;
}

}  // namespace

void Tramer::evenement_hero(int controlej, bool mouvement) {
  if (!affichage) return;
  En_mouvement = mouvement;
  const int W = largeur_ecran(), H = hauteur_ecran();

  if (controlej == 0) {
    // The earlier soldiers walk on whatever a lift is doing.
    if (!early && En_mouvement && sur_ascenseur_en_route(this)) En_mouvement = false;
  } else {
    // Posture: standing, crouched, prone, standing (a launcher is never fired prone).
    if (evenementie.cycle(500) == 3 && tient(controles::C_DISCRET)) {
      const bool lanceur = ArmePrincipale && ArmePrincipale->type == BAZOOKA;
      if (action == TIRER)
        action = TIRER_DISCRET;
      else if (action == COURIR)
        action = DISCRET;
      else if (action == TIRER_DISCRET)
        action = lanceur ? TIRER : TIRER_RAMPER;
      else if (action == DISCRET)
        action = lanceur ? COURIR : RAMPER;
      else
        action = COURIR;
      evenementie.remise_a_zero();
    }
#if !GAME_EARLY
    if (tient(controles::C_RECHARGER) && ArmePrincipale)
      ArmePrincipale->Tirer(general::origine, true, false, 0.0, false, false);
#endif
    if (cacher) {
      const bool couvert = premier_touche("cover", 0, position.x, position.x + TramePrincipale.w,
                                          [this](int32_t i) { return recouvre(this, i); }) >= 0;
      if (!couvert) {
        cacher = false;
        layer = 4;
      }
    }
    if (tient(controles::C_INTERRAGIR)) interraction();
    if (tient(101)) interraction2();
    if (action == ACOUVERT) {
      diffusion = 0;
      action = COURIR;
      if (ArmePrincipale) bras_en_cours = ArmePrincipale->type;
    }

    if (!bouton(5) && !tient(controles::C_ARMEP)) {
      if ((tient(controles::C_ARMES) || bouton(4)) && ArmeSecondaire && ArmeSecondaire->cycle.cycle(250) == 3) {
        ArmeSecondaire = changerdarme(ArmeSecondaire, Inventaire2, 2);
        if (ArmeSecondaire) ArmeSecondaire->cycle.remise_a_zero();
      }
    } else if (ArmePrincipale && Inventaire && ArmePrincipale->cycle.cycle(250) == 3 && action != VISER &&
               action != TIRER_VISER) {
      // Firing through the scope is still the scope: a pistol swapped in
      // between two shots would be left in it, with no key to lower it.
      general::pistolet_choisi = ArmePrincipale->get_id();
      ArmePrincipale = changerdarme(ArmePrincipale, Inventaire, 1);
      if (ArmePrincipale) {
        ArmePrincipale->cycle.remise_a_zero();
        general::fusil_choisi = ArmePrincipale->get_id();
        if (ArmePrincipale->type == BAZOOKA) action = COURIR;
      }
    }

    // A held button fires again below.
    if (action == TIRER) action = COURIR;
    else if (action == TIRER_DISCRET) action = DISCRET;
    else if (action == TIRER_RAMPER) action = RAMPER;
    else if (action == TIRER_VISER) action = VISER;

    const bool lunette = ArmePrincipale && ArmePrincipale->get_snipe();
    if (lunette && evenementie.cycle(200) == 3 && tient(controles::C_VISER)) {
      if (action == VISER) {
        baisser_lunette(this);
      } else {
        action = VISER;
        // The scope looks out from where he stands, and stops at the world's
        // edge: wrapped, it would look at the far edge, or the ground below.
        cible.x = borne16(direction == GAUCHE ? position.x - W / 2 : position.x);
        cible.y = borne16(position.y - H);
      }
      evenementie.remise_a_zero();
    }

    if (ArmePrincipale) ArmePrincipale->sethero(true);
    if (action == VISER || action == TIRER_VISER) {
      En_mouvement = false;
      if (tient(controles::C_GAUCHE)) cible.x = borne16(cible.x - 20);
      if (tient(controles::C_DROITE)) cible.x = borne16(cible.x + 20);
      if (tient(controles::C_BAS)) cible.y = borne16(cible.y - 20);
      if (tient(controles::C_HAUT)) cible.y = borne16(cible.y + 20);
    } else {
      const bool g = tient(controles::C_GAUCHE), d = tient(controles::C_DROITE);
      En_mouvement = g != d;
      if (g && !d) direction = GAUCHE;
      if (d && !g) direction = DROITE;
      if (tient(controles::C_SAUT)) sauter();
    }

    if (bouton(1))
      tirer();
    else if (bouton(3))
      tirer2();

    if (ArmePrincipale) ArmePrincipale->sethero(true);
    if (ArmeSecondaire) ArmeSecondaire->sethero(true);
    if (lunette && (action == VISER || action == TIRER_VISER)) general::Scrolling = cible;
  }

  const int16_t sens = direction;
  const int h = TramePrincipale.h;
  auto poser_sur_marche = [&] {
    if (colliser >= 0 && colliser < NB_OBJETS && Objets[colliser])
      position.y = borne16(Objets[colliser]->position.y - h + 8);
  };

  // Support: a soldier with nothing under its feet starts to fall.
  if (action != COGNER && action != TOMBER && action != SAUTER && action != ATTERRIR && action != ETRE_EJECTE &&
      vivant) {
    // The step ahead is looked for the way he faces; only the support probe looks down.
    const bool marche = En_mouvement && Esca_collision() == P_COLLISION;
    direction = BAS;
    if (marche) {
      direction = sens;
      poser_sur_marche();
    } else if (position.y + h + 8 <= H - 15 || general::sous_marin) {
      if (p_collision(false, 0) == PAS_COLLISION) action = TOMBER;
    } else if (position.y != H - h - 15 && p_collision(false, 0) == PAS_COLLISION) {
      // A fall whose last step another action cut short (the AI's, the
      // posture key's) still ends on the ground line, not beside it.
      position.y = court16(H - h - 15);
    }
    direction = sens;
  }

  if (action == COURIR && En_mouvement && Esca_collision() == P_COLLISION) poser_sur_marche();

  if (action == SAUTER) {
    direction = HAUT;
    if (csaut.cycle(50) == 3) {
      if (p_collision(false, 0) == P_COLLISION) {
        action = TOMBER;
      } else {
        // At the world's top the jump stops there and comes back down.
        position.y = borne16(position.y - saut);
        csaut.remise_a_zero();
      }
    }
    direction = sens;
  }

  if (action == TOMBER || action == MORT || action == ETRE_EJECTE || !vivant) {
    auto atterrir = [&](int y) {
      if (action == TOMBER) {
        action = ATTERRIR;
        frequence = 200;
      }
      position.y = borne16(y);
    };
    const bool marche = En_mouvement && Esca_collision() == P_COLLISION;
    direction = BAS;
    if (marche) {
      poser_sur_marche();
    } else if (p_collision(false, 0) == P_COLLISION) {
      if (colliser >= 0 && colliser < NB_OBJETS && Objets[colliser]) atterrir(Objets[colliser]->position.y - h + 8);
    } else if (position.y < H - h - 23 || general::sous_marin) {
      position.y = pas16(position.y, GRAVITE);
      if (general::Scrolling.y > 0 && !general::sous_marin) general::Scrolling.y = 0;
    } else {
      atterrir(H - h - 15);
    }
    direction = sens;
  }

  switch (action) {
    case COURIR:
    case DISCRET:
    case SAUTER:
    case ATTERRIR:
    case TOMBER:
    case TIRER:
    case TIRER_DISCRET:
      if (En_mouvement && (direction == DROITE || direction == GAUCHE) && p_collision(false, 0) == PAS_COLLISION)
        position.x = pas16(position.x, direction == DROITE ? vitesse : -vitesse);
      break;
    case ETRE_EJECTE:
      direction = directionE;
      if ((directionE == DROITE || directionE == GAUCHE) && p_collision(false, 0) == PAS_COLLISION)
        position.x = pas16(position.x, directionE == DROITE ? vitesse : -vitesse);
      direction = sens;
      break;
    default:
      break;
  }

  if ((action == TIRER || action == TIRER_DISCRET || action == TIRER_RAMPER || action == TIRER_VISER) &&
      posseder_arme && viser() && ArmePrincipale) {
    Armes* arme = ArmePrincipale;
    bras_en_cours = arme->type;
    SDL_Rect A = cible;
    if (classe == HERO) {
      if (action == TIRER_VISER) {
        direction = general::Scrolling.x + W / 2 < position.x + TramePrincipale.w / 2 ? GAUCHE : DROITE;
      } else {
        // Taken from where he stands: by the left or top edge the camera wraps,
        // and a sight in the void beyond would turn the shot away from it.
        A.x = pres16(A.x + general::Scrolling.x, position.x);
        A.y = pres16(A.y + general::Scrolling.y, position.y);
        if (cible.x != W / 2) direction = cible.x < W / 2 ? GAUCHE : DROITE;
      }
    }
    arme->set_direction(direction);
    const int gauche = direction == GAUCHE ? 1 : 0;
    const int k = bras_en_cours >= 0 && bras_en_cours < 3 ? bras_en_cours : 0;
    // The shot leaves from the shoulder drawn: the soldier's own.
    const SDL_Rect S = general::pos_bras[description.index_sexe()][classe_posture(action)][k];
    const int ox = gauche ? position.x + TramePrincipale.w - S.x : position.x + S.x;
    const int oy = position.y + S.y;

    int tx = A.x, ty = A.y;
    if (action == VISER || action == TIRER_VISER) {
      if (SDL_Surface* l = AllouerImage("Armes/Lunette.png", 0, false)) tx += l->w / 2, ty += l->h / 2;
    } else if (SDL_Surface* v = arme->donnerViseur()) {
      tx -= v->w / 2, ty -= v->h / 2;
    }
    float angle = angle_vers(ox, oy, tx, ty);
    if (gauche) angle += 180.0f;

    SDL_Surface* img = arme->donnerImage(0, general::dezoom);
    const double L = img ? img->w : 0;
    const double a = angle * 3.14159265 / 180.0;
    SDL_Rect M = Rect(borne16(static_cast<int>(ox + L * std::cos(a))), borne16(static_cast<int>(oy - L * std::sin(a))),
                      TramePrincipale.w, TramePrincipale.h);

    arme->set_camp(camp);
    const short avant = arme->get_charge_actuelle();
    arme->Tirer(M, false, true, angle, action == TIRER_VISER, false);
    // Recoil only when a round left: a reload finishing in this call raises
    // the count, and the earlier reload starting drops it from 0 to -1;
    // neither may kick the aim.
    if (avant > 0 && arme->get_charge_actuelle() < avant) {
      const int signe = Horloge::hasard() % 2 ? 1 : -1;
      // Held at the world's edge: a kick past it would send a computer
      // soldier's aim, or the hero's scope, to the far one.
      const Sint16 y = borne16(static_cast<int>(cible.y + signe * arme->get_force() * 0.7));
      if (classe == HERO && action != TIRER_VISER) Horloge::deplacer_souris(cible.x, y);
      cible.y = y;
    }
  }
}

void PrendreArme(Armes* ar) {
  // Tramer::Hero follows a hand-over, so the weapon goes to the soldier the
  // player controls, not to a dead one.
  Tramer* h = Tramer::Hero;
  if (!h || !ar) return;
  Armes* copie = Reproduire_Arme(ar);
  if (!copie) return;
  delete h->ArmePrincipale;
  h->ArmePrincipale = copie;
  // A gun with no scope is not looked through: the scope comes down as its
  // key would take it down, which that gun no longer could.
  if (!copie->get_snipe()) baisser_lunette(h);
}

void baisser_lunette(Tramer* t) {
  if (!t || (t->action != VISER && t->action != TIRER_VISER)) return;
  t->diffusion = 0;
  t->action = COURIR;
  if (t->ArmePrincipale) t->bras_en_cours = t->ArmePrincipale->type;
}

void ajouter_munition_hero(int) {
  Tramer* h = Tramer::Hero;
  if (h && h->ArmePrincipale) h->ArmePrincipale->ajouter_munitions(10);
}
