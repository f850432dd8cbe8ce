#include "weapons/Explosion.h"

#include <vector>

#include "engine/Constantes.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"
#include "engine/OuvrirSon.h"

Explosion::Explosion(P_char dossier, SDL_Rect point, int d) {
  camp = NUL;
  // A soldier it knocks down slides this way.
  direction = DROITE;
  // The blast is heard from where it happens, not from the centre of a frame
  // it has yet to take.
  position = point;
  Jouer_son(general::explosion, calculer_volume(point, Mapping::centre_scrolling));
  layer = 8;
  Tas = true;
  frame_en_cours = 0;
  degat = d;
  nb_frame = 0;
  cycle.en_cours = true;
  cycle.remise_a_zero();
  const char* base = dossier.retournertexte() ? dossier.retournertexte() : "";
  while (nb_frame < NB_MAX_FRAMES) {
    P_char nom(base);
    nom + (nb_frame + 1);
    nom + ".png";
    // Only a missing first picture is worth a word: the others end the set.
    if (!AllouerImage(nom.retournertexte(), 0, false, nb_frame == 0)) break;
    Noms[nb_frame++] = nom;
  }
  if (nb_frame > 0) {
    SDL_Surface* premiere = AllouerImage(Noms[0].retournertexte(), 0, false);
    if (premiere) {
      position.x = borne16(position.x - premiere->w / 2);
      position.y = borne16(position.y - premiere->h / 2);
    }
  }
}

void Explosion::comportement() {
  vivant = frame_en_cours < nb_frame;
  if (cycle.cycle(100) != 3) return;
  if (nb_frame > 0) frapper();
  cycle.remise_a_zero();
  if (frame_en_cours < 255) ++frame_en_cours;
}

void Explosion::frapper() {
  const int W = TramePrincipale.w, H = TramePrincipale.h;
  const SDL_Rect e = position;
  // Targets are chosen first and struck after: a struck object may add or
  // remove world objects, which must not upset the scan. A strike may even
  // free a listed object (a splash sent away to make room) and a new object
  // take its address; so each target is struck only while the table still
  // holds that very object, known by its number. It is looked for where it
  // was found first, then wherever a compacted table has moved it.
  struct Cible {
    int32_t entree;
    Mapping* objet;
    uint64_t numero;
  };
  std::vector<Cible> cibles;
  auto touche = [&](int32_t i) {
    if (!Mapping::occupe(i)) return false;
    Mapping* o = Mapping::Objets[i];
    if (o == this || o->camp == camp) return false;
    const SDL_Rect p = o->position;
    return p.x < e.x + W && e.x < p.x + W && p.y < e.y + H && e.y < p.y + H;
  };
  for (int32_t i = premier_touche("explosion", 0, e.x - W, e.x + W, touche); i >= 0;
       i = premier_touche("explosion", i + 1, e.x - W, e.x + W, touche))
    cibles.push_back({i, Mapping::Objets[i], Mapping::Objets[i]->numero});
  const int16_t coup = static_cast<int16_t>(early ? degat : degat / nb_frame);
  for (const Cible& c : cibles) {
    bool present = c.entree < Mapping::dernier_objet && Mapping::Objets[c.entree] == c.objet;
    for (int32_t i = 0; i < Mapping::dernier_objet && !present; ++i) present = Mapping::Objets[i] == c.objet;
    // Only an object still in the table may be read: a freed one is not.
    if (present && c.objet->numero == c.numero) c.objet->recevoirdegats(coup, this, 0, 0.0, 0);
  }
}

void Explosion::bliting() {
  if (frame_en_cours >= nb_frame) {
    vivant = false;
    return;
  }
  SDL_Surface* s = AllouerImage(Noms[frame_en_cours].retournertexte(), general::dezoom, false);
  SDL_Rect r = position;
  r.x = static_cast<Sint16>(position.x - general::Scrolling.x);
  r.y = static_cast<Sint16>(position.y - general::Scrolling.y);
  if (s) Blitter(s, nullptr, general::ecran, &r);
}

Explosion* poser_explosion(const char* dossier, SDL_Rect point, int degat) {
  auto* e = new Explosion(P_char(dossier), point, degat);
  if (e->enregistre()) return e;
  delete e;
  return nullptr;
}

void Creer_Explosion(SDL_Rect point) { poser_explosion("Armes/Explosion3/", point, 0); }
