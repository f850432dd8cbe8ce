// Drawing a soldier, and the animation clock that lives with it: frame
// stepping, the end of one-shot actions, the melee blow, the marker and life
// bar over computer soldiers, and the respawn of the dead.
#include <cmath>
#include <cstdlib>
#include <string>

#include "characters/Tramer.h"
#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/FormatEcran.h"
#include "engine/OuvrirImage.h"
#include "weapons/Armes.h"

namespace {

int largeur_ecran() { return general::ecran ? general::ecran->w : 960; }
int hauteur_ecran() { return general::ecran ? general::ecran->h : 544; }

// Every table of arm sets has one entry per pose; a weapon of another kind
// (an aura picked mid-swing) is drawn with the first pose.
int pose(int genre) { return genre >= 0 && genre < NB_TYPE_BRAS ? genre : GUN; }
// The shoulder anchors know only the gun poses.
int pose_tir(int genre) { return genre >= 0 && genre < 3 ? genre : GUN; }

Partie* corps(Tramer& t) { return t.action >= 0 && t.action < 20 ? t.Corps[t.action] : nullptr; }
Partie* habit(Tramer& t, int i) { return t.action >= 0 && t.action < 20 ? t.Habits[t.action][i] : nullptr; }
int nb_frames(Partie* p) { return p ? p->nb_frame : 0; }

SDL_Surface* cadre(Partie* p, int f, int dir) {
  const int n = nb_frames(p);
  if (n == 0) return nullptr;
  if (f >= n) f %= n;
  if (f < 0) f = 0;
  return p->Image[(general::dezoom != 0 ? 2 : 0) + (dir == GAUCHE ? 1 : 0)][f];
}

void poser(SDL_Surface* s, int x, int y) {
  if (!s || !general::ecran) return;
  SDL_Rect r = Rect(x, y, 0, 0);
  Blitter(s, nullptr, general::ecran, &r);
}

void poser_cadre(Partie* p, int f, int dir, SDL_Rect T) { poser(cadre(p, f, dir), T.x, T.y); }

// The single picture of an arm set, by direction.
SDL_Surface* image_bras(Partie* p, int dir) {
  if (nb_frames(p) == 0) return nullptr;
  const char* n = p->Noms[dir == GAUCHE ? 1 : 0][0].retournertexte();
  if (!n || !*n) return nullptr;
  return AllouerImage(n, general::dezoom, false);
}

SDL_Rect taille(Partie* p) { return p ? p->dm_image : Rect(0, 0, 0, 0); }

float angle_vers(int ox, int oy, int tx, int ty) {
  const float dy = static_cast<float>(oy - ty), dx = static_cast<float>(tx - ox);
  if (dx == 0.0f && dy == 0.0f) return 0.0f;
  return std::atan(dy / dx) * 180.0f / 3.1415927f;
}

// The melee blow: every object of another camp within the blade's reach.
void frapper(Tramer& t) {
  Armes* lame = t.ArmeSecondaire;
  SDL_Surface* l = lame ? lame->donnerImage(0, general::dezoom) : nullptr;
  int r = t.TramePrincipale.w / 2 + (l ? l->w : 0) - 20;
  if (t.direction == GAUCHE) r = -r;
  t.colliser = -1;
  const int c = t.position.x + t.TramePrincipale.w / 2;
  const int haut = t.position.y, bas = t.position.y + t.TramePrincipale.h;
  const int16_t degats = static_cast<int16_t>((lame ? lame->get_force() : 0) * t.force);
  for (int32_t i = 0; i < Mapping::dernier_objet && i < Mapping::NB_OBJETS; ++i) {
    Mapping* o = Mapping::Objets[i];
    if (!o || o == &t || !o->image || !o->image[0] || !o->physique || o->camp == t.camp) continue;
    const int oh = o->position.y, ob = o->position.y + o->TramePrincipale.h;
    const int og = o->position.x, od = o->position.x + o->TramePrincipale.w;
    if (!(oh < bas - 40 && ob > haut)) continue;
    const bool atteint = t.direction == GAUCHE ? og < c && c + r < od : c < od && og < c + r;
    if (atteint) o->recevoirdegats(degats, &t, static_cast<int16_t>(t.direction == GAUCHE ? 1 : 0), 0.0, 35);
  }
}

int type_arme(Armes* a, int defaut) { return a ? a->get_type() : defaut; }

// A dead soldier plays its fall, then lies still.
void animer_mort(Tramer& t) {
  if (t.cycle.cycle(t.frequence) == 3) {
    ++t.diffusion;
    t.cycle.remise_a_zero();
  }
  if (t.action == ETRE_EJECTE) {
    if (t.diffusion > nb_frames(corps(t)) - 1) {
      t.diffusion = 0;
      t.action = MORT;
    }
    return;
  }
  const int dernier = nb_frames(corps(t)) - 1;
  if (t.diffusion > dernier) t.diffusion = static_cast<int16_t>(dernier < 0 ? 0 : dernier);
  t.action = MORT;
}

// The last frame of every walking set is the standing pose.
void pose_debout(Tramer& t) {
  const int n = nb_frames(corps(t));
  if (!t.En_mouvement && (t.action == COURIR || t.action == TIRER || t.action == DISCRET || t.action == TIRER_DISCRET))
    t.diffusion = static_cast<int16_t>(n > 0 ? n - 1 : 0);
}

void retour_a_la_marche(Tramer& t) {
  t.action = COURIR;
  t.frequence = t.frequenceTemp;
  t.bras_en_cours = static_cast<int16_t>(type_arme(t.ArmePrincipale, t.bras_en_cours));
}

// Only a jump, a landing, a blow, a throw and a knock-down have a step of
// their own.
bool a_son_propre_pas(int16_t action) {
  return action == SAUTER || action == ATTERRIR || action == COGNER || action == COGNER2 || action == PROJETER ||
         action == ETRE_EJECTE;
}

void animer(Tramer& t) {
  // Whatever cut such an action short (the posture or scope key, the AI's
  // orders, a fall, a respawn), he walks on at his normal step.
  if (!a_son_propre_pas(t.action)) t.frequence = t.frequenceTemp;
  if (t.cycle.cycle(t.frequence) == 3) {
    if (t.action == SAUTER) {
      if (t.saut < 1) {
        t.action = TOMBER;
        t.frequence = t.frequenceTemp;
      } else {
        t.saut = static_cast<int16_t>(t.saut - 8);
      }
    }
    ++t.diffusion;
    if (t.action == PROJETER && t.diffusion > 2) {
      t.diffusion = 0;
      retour_a_la_marche(t);
    }
  }
  t.TramePrincipale.y = t.action == ACOUVERT ? 8 : 0;
  const int n = nb_frames(corps(t));
  const bool coup = t.action == COGNER || t.action == COGNER2;
  if (coup && t.diffusion > n - 2) frapper(t);
  if (t.diffusion > n - 1) {
    if (coup) {
      t.decalage.y = 0;
      frapper(t);
      t.cycle.remise_a_zero();
      retour_a_la_marche(t);
      t.diffusion = 4;
    } else if (t.action == ATTERRIR) {
      t.decalage.y = 0;
      t.cycle.remise_a_zero();
      retour_a_la_marche(t);
      t.diffusion = 4;
    } else if (t.action == ETRE_EJECTE) {
      t.diffusion = 0;
      retour_a_la_marche(t);
      t.cycle.remise_a_zero();
    }
  }
  const int m = nb_frames(corps(t));
  if (t.diffusion > m - 1) t.diffusion = 0;
  if ((t.action == COURIR || t.action == TIRER) && t.diffusion > m - 2) t.diffusion = 0;
  pose_debout(t);
}

SDL_Rect place_ecran(const Tramer& t) {
  SDL_Rect T = t.position;
  T.x = static_cast<Sint16>(static_cast<int>(t.decalage.x * general::zoom + t.position.x) - general::Scrolling.x);
  T.y = static_cast<Sint16>(t.position.y + t.TramePrincipale.y - general::Scrolling.y);
  return T;
}

bool visible(const Tramer& t, SDL_Rect T) {
  return -t.TramePrincipale.w < T.x && T.x < largeur_ecran() && -t.TramePrincipale.h < T.y && T.y < hauteur_ecran();
}

void corps_et_habits(Tramer& t, SDL_Rect T) {
  poser_cadre(corps(t), t.diffusion, t.direction, T);
  for (int i = 0; i < NB_ELEMENTS; ++i) poser_cadre(habit(t, i), t.diffusion, t.direction, T);
}

// Phase 1 lets a thrown or laid item go: only a throw does, and only while an
// item is left. An item brought out mid-blow is never let go.
bool garde_en_main(const Tramer& t, const Armes& a) {
  return a.get_type() == GRENADES && (t.action != PROJETER || a.get_charge_actuelle() <= 0);
}

// Swing, throw and death: the whole body is one picture per frame.
void dessiner_corps_entier(Tramer& t, SDL_Rect T) {
  corps_et_habits(t, T);
  if (t.action != COGNER && t.action != PROJETER) return;
  t.bras_en_cours = static_cast<int16_t>(type_arme(t.ArmeSecondaire, t.bras_en_cours));
  if (Armes* a = t.ArmeSecondaire; a && !(t.diffusion == 1 && garde_en_main(t, *a))) {
    // What leaves his hand comes out beside him, not where the camera wraps.
    a->set_porteur(t.position);
    a->afficher_arme(T, t.diffusion, t.direction);
  }
  // The item leaves the hand at phase 1 only once.
  if (t.action == PROJETER && t.diffusion == 1) t.diffusion = 2;
  const int k = pose(t.bras_en_cours);
  poser_cadre(t.Bras[1][k], t.diffusion, t.direction, T);
  poser_cadre(t.VBras[1][k], t.diffusion, t.direction, T);
}

struct Piece {
  SDL_Surface* tourne = nullptr;
  int x = 0, y = 0;
};

// A picture turned by `rotation` degrees about the shoulder point e of the
// body picture: (x, y) is where the unturned picture would start, W x H its
// reference size.
Piece piece_tournee(SDL_Surface* s, SDL_Rect e, double rotation, double theta, int x, int y, int W, int H) {
  Piece p;
  if (!s) return p;
  p.tourne = tourner_garde(s, rotation, 1.0);
  if (!p.tourne) return p;
  const double c = std::cos(theta), s_ = std::sin(theta);
  x -= p.tourne->w / 2;
  y -= p.tourne->h / 2;
  y -= static_cast<int>(std::fabs(c) * (e.y - H / 2) + s_ * (W / 2 - e.x));
  x = static_cast<int>(std::fabs(s_) * (e.y - H / 2) + c * (W / 2 - e.x)) + x;
  p.x = x;
  p.y = y;
  return p;
}

void poser_piece(Piece& p) {
  if (!p.tourne) return;
  poser(p.tourne, p.x, p.y);
  p.tourne = nullptr;
}

// Arms and gun turned toward the aim point. `anime`: the battle's drawing;
// otherwise a frozen screen's.
void dessiner_vise(Tramer& t, SDL_Rect T, bool anime) {
  const int W = largeur_ecran(), H = hauteur_ecran();
  Armes* g = t.ArmePrincipale;
  t.bras_en_cours = static_cast<int16_t>(type_arme(g, t.bras_en_cours));
  const bool lunette = t.action == VISER || t.action == TIRER_VISER;
  const bool hero = t.classe == HERO;
  SDL_Rect Q = Rect(t.cible.x - general::Scrolling.x, t.cible.y - general::Scrolling.y, 0, 0);
  if (hero) {
    if (anime && lunette) {
      t.direction = t.position.x + t.TramePrincipale.w / 2 > general::Scrolling.x + W / 2 ? GAUCHE : DROITE;
    } else {
      if (anime || t.action != VISER) Q = Rect(t.cible.x, t.cible.y, 0, 0);
      t.direction = t.cible.x < W / 2 ? GAUCHE : DROITE;
    }
  }
  if (g) g->set_direction(t.direction);
  const int dir = t.direction == GAUCHE ? 1 : 0;

  // Every soldier hangs his arms on the anchors of his own body: a man's and a
  // woman's bodies differ.
  const int sexe = t.description.index_sexe();
  const SDL_Rect a = general::pos_bras[sexe][classe_posture(t.action)][pose_tir(t.bras_en_cours)];
  const SDL_Rect e = general::pos_epaule[sexe];
  SDL_Rect T2 = T;
  T2.x = static_cast<Sint16>(T.x + (dir ? t.TramePrincipale.w - a.x : a.x));
  T2.y = static_cast<Sint16>(T.y + a.y);

  SDL_Surface* viseur = g ? g->donnerViseur() : nullptr;
  if (!anime) {
    const double z = general::zoom;
    Q.x = static_cast<Sint16>(static_cast<int>(W * (1 - z) * 0.5 + static_cast<int>(Q.x * z)) - (viseur ? viseur->w / 2 : 0));
    Q.y = static_cast<Sint16>(static_cast<int>(static_cast<int>(Q.y * z) + H * (1 - z)) - (viseur ? viseur->h / 2 : 0));
  } else if (lunette) {
    if (SDL_Surface* l = AllouerImage("Armes/Lunette.png", 0, false)) {
      Q.x = static_cast<Sint16>(Q.x + l->w / 2);
      Q.y = static_cast<Sint16>(Q.y + l->h / 2);
    }
  } else if (viseur) {
    Q.x = static_cast<Sint16>(Q.x - viseur->w / 2);
    Q.y = static_cast<Sint16>(Q.y - viseur->h / 2);
  }
  float theta = angle_vers(T2.x, T2.y, Q.x, Q.y);
  if (dir) theta += 180.0f;
  if (hero && t.action != VISER) poser(viseur, Q.x, Q.y);

  if (g) g->set_camp(t.camp);
  if (!(T.x < W && T.x > -200)) return;

  const int k = pose(t.bras_en_cours);
  const double rotation = theta - 180.0 * dir;
  const double rad = theta * 3.14159265 / 180.0;
  const SDL_Rect bl = taille(t.Bras[0][k]), bp = taille(t.Bras[1][k]);
  const SDL_Rect ml = taille(t.VBras[0][k]), mp = taille(t.VBras[1][k]);
  SDL_Surface* arme = g ? g->donnerImage(dir, general::dezoom) : nullptr;
  const int aw = arme ? arme->w : 0;
  // The far arm and the sleeves are centred on the near arm before turning.
  auto cale = [&](SDL_Surface* img, SDL_Rect propre, int W_ref, int H_ref, double rot) {
    return piece_tournee(img, e, rot, rad, T2.x + propre.w / 2 - bp.w / 2, T2.y + propre.h / 2 - bp.h / 2, W_ref,
                         H_ref);
  };
  Piece bras_loin = cale(image_bras(t.Bras[0][k], dir), bl, bl.w, bl.h, rotation);
  Piece manche_loin = cale(image_bras(t.VBras[0][k], dir), ml, ml.w, bl.h, rotation);
  Piece manche_proche = cale(image_bras(t.VBras[1][k], dir), mp, mp.w, bp.h, rotation);
  Piece bras_proche = piece_tournee(image_bras(t.Bras[1][k], dir), e, rotation, rad, T2.x, T2.y, bp.w, bl.h);
  Piece fusil = piece_tournee(arme, e, rotation, rad, T2.x, T2.y, aw, bl.h);

  poser_piece(bras_loin);
  poser_piece(manche_loin);
  corps_et_habits(t, T);
  poser_piece(fusil);
  poser_piece(bras_proche);
  poser_piece(manche_proche);
}

void dessiner(Tramer& t, SDL_Rect T, bool anime) {
  if (t.action == COGNER || t.action == PROJETER || t.action == MORT)
    dessiner_corps_entier(t, T);
  else
    dessiner_vise(t, T, anime);
}

// Pips of the life bar: at least one while any life is left, never more
// than the bar holds.
int nb_pips(int largeur_barre, int largeur_pip, int pv, int pv_max) {
  if (largeur_pip <= 0 || pv <= 0) return 0;
  const int place = (largeur_barre - 6) / largeur_pip;
  if (place <= 0) return 0;
  int n = pv_max > 0 ? place * pv / pv_max : place;
  if (n < 1) n = 1;
  return n > place ? place : n;
}

void marqueurs(Tramer& t, SDL_Rect T) {
  static const char* const etats[5] = {"normal.png", "alerte.png", "hostile.png", "interrogatif.png", "hostile.png"};
  const bool allie = t.camp == ALLIE;
  const char* etat = t.action == MORT ? "mort.png" : etats[t.statut >= 0 && t.statut < 5 ? t.statut : 0];
  SDL_Surface* marque = AllouerImage((std::string(allie ? "HUD/Allies/" : "HUD/Ennemis/") + etat).c_str(), 0, false);
  SDL_Surface* barre = AllouerImage("HUD/barre.png", 0, false);
  SDL_Surface* pip = AllouerImage(allie ? "HUD/VieAlliee.png" : "HUD/VieEnnemie.png", 0, false);
  const int h = t.action == MORT ? general::decalages_y[0][2] : t.relever_decalage_y();
  const int bw = barre ? barre->w : 0, bh = barre ? barre->h : 0;
  const int x = T.x + t.TramePrincipale.w / 2 - bw / 2, y = T.y - bh - 10 + h;
  poser(barre, x, y);
  if (pip) {
    const int n = nb_pips(bw, pip->w, t.stats.pv_restants, t.stats.pv_max);
    for (int i = 0; i < n; ++i) poser(pip, x + 3 + i * pip->w, y + (bh - pip->h) / 2);
  }
  if (marque) poser(marque, T.x + t.TramePrincipale.w / 2 - marque->w / 2, y - marque->h);
}

void reapparition(Tramer& t) {
  if (!t.affichage || t.vivant || t.evenementie.cycle(5000) != 3) return;
  if (!t.reapparaitre || general::infiltration) return;
  if (t.classe == HERO) {
    t.reapparaitrehero();
  } else if (t.camp == ALLIE || t.camp == ENNEMI) {
    if (relever_nb_persos(t.camp) < general::effectifs_map[t.camp]) t.reapparaitre2();
  }
}

}  // namespace

void Tramer::bliting() {
  if (vivant)
    animer(*this);
  else
    animer_mort(*this);
  // Aboard a vehicle he is hidden: the vehicle is all that shows of him, and
  // it draws its own sight for the hero who drives it.
  if (affichage) {
    const SDL_Rect T = place_ecran(*this);
    if (visible(*this, T)) dessiner(*this, T, true);
    if (classe != HERO && -TramePrincipale.w < T.x && T.x < largeur_ecran()) marqueurs(*this, T);
  }
  if (cycle.cycle(frequence) == 3) cycle.remise_a_zero();
  if (action == TIRER_DISCRET) action = DISCRET;
  reapparition(*this);
}

void Tramer::blit_only() {
  TramePrincipale.y = action == ACOUVERT ? 8 : 0;
  if (vivant) {
    if (diffusion > nb_frames(corps(*this)) - 1) diffusion = 0;
    pose_debout(*this);
  }
  const SDL_Rect T = place_ecran(*this);
  if (affichage && visible(*this, T)) dessiner(*this, T, false);
}
