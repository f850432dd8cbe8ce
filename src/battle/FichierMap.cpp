#include "battle/FichierMap.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "battle/Perso.h"
#include "editor/NomFichier.h"
#include "editor/Reference.h"
#include "engine/Constantes.h"

using namespace Fichiers;

namespace {

std::string nom_fichier() {
  const char* n = general::nom_map.retournertexte();
  return std::string(n ? n : "") + ".map";
}

bool ecrire_texte(FILE* f, const P_char& t) {
  const char* s = t.retournertexte();
  size_t n = s ? std::strlen(s) : 0;
  // The length has one byte: a longer text is cut rather than let its tail
  // be read as the rest of the map.
  if (n > TAILLE_MAX_TEXTE_MAP) n = TAILLE_MAX_TEXTE_MAP;
  if (!ecrire_u8(f, static_cast<unsigned>(n))) return false;
  return n == 0 || std::fwrite(s, 1, n, f) == n;
}

bool ecrire_entier(FILE* f, int32_t v) { return ecrire_le32(f, static_cast<uint32_t>(v)); }

bool reel(const Reference* r) { return r && r != Reference::Vide && r->type != AUCUN; }

// Reads a text into `t`; a truncated text leaves it as it was.
bool lire_texte(FILE* f, P_char& t) {
  unsigned char n;
  if (!lire_u8(f, n)) return false;
  char tampon[TAILLE_MAX_TEXTE_MAP + 1];
  if (n > 0 && std::fread(tampon, 1, n, f) != n) return false;
  tampon[n] = 0;
  t = tampon;
  return true;
}

bool lire_entier(FILE* f, int32_t& v) {
  unsigned int u;
  if (!lire_le32(f, u)) return false;
  v = static_cast<int32_t>(u);
  return true;
}

// Records the editor could not show (their catalog line is gone or moved),
// each with the slot of the list it was read before: a save writes them back
// as they were, in their place, so a marker still follows what it marks.
struct Garde {
  long rang;
  EnregistrementMap e;
};
std::vector<Garde> gardes;

bool ecrire_enregistrement(FILE* f, const EnregistrementMap& e) {
  return ecrire_u8(f, e.type) && ecrire_u8(f, static_cast<unsigned char>(e.numero)) && ecrire_entier(f, e.x) &&
         ecrire_entier(f, e.y) && (e.type != CIBLE || ecrire_le16(f, e.vie));
}

bool encore(FILE* f) {
  int c = std::fgetc(f);
  if (c == EOF) return false;
  std::ungetc(c, f);
  return true;
}


// Makes the items of one record; false when no palette entry matches.
bool placer(const EnregistrementMap& e) {
  SDL_Rect lieu = {static_cast<Sint16>(e.x & 0xFFFF), static_cast<Sint16>(e.y & 0xFFFF), 0, 0};
  bool trouve = false;
  for (long i = 0; i < Objet_de_Reference::nb_Objet_de_reference && i < Objet_de_Reference::NB_MAX; ++i) {
    Objet_de_Reference* o = Objet_de_Reference::Objets_de_Reference[i];
    if (!o || o->type != static_cast<char>(e.type) || o->element_actuel != e.numero) continue;
    trouve = true;
    if (e.type == CIBLE) {
      new ReferenceCible(o, lieu, e.vie);
    } else if (e.type == ENNEMIS || e.type == ALLIES) {
      (new Reference_Perso(o, lieu))->compter();
    } else {
      new Reference(o, lieu);
    }
  }
  return trouve;
}

}  // namespace

bool SauvegarderMap() {
  std::string nom = nom_fichier();
  // The typed map name becomes a path: it may not leave the folder nor
  // take the place of one of the game's own files.
  if (!nom_fichier_acceptable(general::nom_map.retournertexte())) {
    std::fprintf(stderr, "map \"%s\" not written: not a plain map name\n", nom.c_str());
    return false;
  }
  EcritureSure sortie(nom.c_str());
  FILE* f = sortie.flux();
  if (!f) {
    std::fprintf(stderr, "could not write the map \"%s\"\n", nom.c_str());
    return false;
  }
  int32_t n = static_cast<int32_t>(gardes.size());
  for (long i = 0; i < Reference::derniere_Reference; ++i) n += reel(Reference::References[i]);
  bool ok = ecrire_entier(f, n);
  size_t g = 0;
  for (long i = 0; ok && i <= Reference::derniere_Reference; ++i) {
    const bool fin = i == Reference::derniere_Reference;
    for (; ok && g < gardes.size() && (fin || gardes[g].rang <= i); ++g) ok = ecrire_enregistrement(f, gardes[g].e);
    if (fin) break;
    Reference* r = Reference::References[i];
    if (!reel(r)) continue;
    ok = ecrire_u8(f, static_cast<unsigned char>(r->type)) && ecrire_u8(f, static_cast<unsigned char>(r->Origine)) &&
         ecrire_entier(f, r->position.x) && ecrire_entier(f, r->position.y);
    if (ok && r->type == CIBLE) ok = ecrire_le16(f, static_cast<unsigned>(r->retourner_vie()) & 0xFFFF);
  }
  ok = ok && ecrire_u8(f, static_cast<unsigned char>(general::infiltration)) &&
       ecrire_u8(f, static_cast<unsigned char>(general::Choix_perso)) &&
       ecrire_entier(f, general::effectifs_map[1]) && ecrire_entier(f, general::effectifs_map[0]) &&
       ecrire_texte(f, general::nom_fond) && ecrire_texte(f, general::nom_sol) &&
       ecrire_texte(f, general::nom_cine_debut_de_map) && ecrire_texte(f, general::nom_cine_fin_de_map) &&
       ecrire_entier(f, general::temps_map) && ecrire_texte(f, general::Meteorologie);
  if (!ok || !sortie.valider()) {
    std::fprintf(stderr, "could not write the map \"%s\"\n", nom.c_str());
    return false;
  }
  return true;
}

void LireMap() {
  std::string nom = nom_fichier();
  FILE* f = ouvrir(nom.c_str(), "rb");
  if (!f) return;
  int32_t n = 0;
  bool entier = lire_entier(f, n);
  if (entier && n < 0) {
    std::fprintf(stderr, "map \"%s\" is damaged: %d records\n", nom.c_str(), n);
    entier = false;
  }
  int ignores = 0;
  for (int32_t i = 0; entier && i < n; ++i) {
    EnregistrementMap e;
    // A record cut short by the end of the file makes nothing.
    if (!lire_enregistrement_map(f, e)) {
      std::fprintf(stderr, "map \"%s\" is damaged: it ends inside record %d of %d\n", nom.c_str(), i, n);
      entier = false;
      break;
    }
    if (e.type == AUCUN) continue;
    const long rang = Reference::derniere_Reference;
    if (!placer(e)) {
      gardes.push_back({rang, e});
      ++ignores;
    }
  }
  if (ignores > 0)
    std::fprintf(stderr, "map \"%s\": %d items match nothing in the palette; they are kept as they are\n", nom.c_str(),
                 ignores);
  if (entier) lire_reglages_map(f);
  std::fclose(f);
}

bool lire_enregistrement_map(FILE* f, EnregistrementMap& e) {
  unsigned char n;
  unsigned int x, y;
  if (!lire_u8(f, e.type) || !lire_u8(f, n) || !lire_le32(f, x) || !lire_le32(f, y)) return false;
  e.numero = static_cast<signed char>(n);
  e.x = static_cast<int32_t>(x);
  e.y = static_cast<int32_t>(y);
  unsigned short vie = 0;
  if (e.type == CIBLE && !lire_le16(f, vie)) return false;
  e.vie = vie;
  return true;
}

bool lire_nombre_enregistrements(FILE* f, int32_t& n) { return lire_entier(f, n) && n >= 0; }

bool lire_reglages_map(FILE* f) {
  int32_t v;
  unsigned char c;
  // Each field is taken only when it is whole; a shorter file keeps the
  // current values of what it lacks.
  bool ok = lire_u8(f, c);
  if (ok) general::infiltration = static_cast<char>(c);
  ok = ok && lire_u8(f, c);
  if (ok) general::Choix_perso = static_cast<char>(c);
  ok = ok && lire_entier(f, v);
  if (ok) general::effectifs_map[1] = v;
  ok = ok && lire_entier(f, v);
  if (ok) general::effectifs_map[0] = v;
  ok = ok && lire_texte(f, general::nom_fond) && lire_texte(f, general::nom_sol);
  if (!ok) return false;
  if (encore(f) && lire_texte(f, general::nom_cine_debut_de_map) && lire_texte(f, general::nom_cine_fin_de_map) &&
      encore(f) && lire_entier(f, v)) {
    general::temps_map = v;
    lire_texte(f, general::Meteorologie);
  }
  return true;
}

Objet_de_Reference* entree_palette(int type, int numero) {
  for (long i = 0; i < Objet_de_Reference::nb_Objet_de_reference && i < Objet_de_Reference::NB_MAX; ++i) {
    Objet_de_Reference* o = Objet_de_Reference::Objets_de_Reference[i];
    if (o && o->type == static_cast<char>(type) && o->element_actuel == numero) return o;
  }
  return nullptr;
}

void CreerMap() {
  std::memset(Touches, 0, sizeof Touches);
  std::memset(Souris, 0, sizeof Souris);
  DesallouerMap();
  P_char nom = relever_nom_map("Veuillez relevez le nom de la nouvelle map", "Nouvelle_map");
  general::nom_map = nom;
  std::memset(Touches, 0, sizeof Touches);
  LireMap();
}

void DesallouerMap() {
  for (long i = 0; i < Reference::derniere_Reference; ++i) {
    Reference* r = Reference::References[i];
    if (reel(r)) delete r;
    Reference::References[i] = nullptr;
  }
  Reference::derniere_Reference = 0;
  gardes.clear();
}
