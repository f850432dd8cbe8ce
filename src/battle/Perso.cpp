#include "battle/Perso.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <strings.h>

#include "characters/Element.h"
#include "engine/Constantes.h"

int index_sur(int v, int n) { return v >= 0 && v < n ? v : 0; }

int Perso::index_arme_principale() const { return index_sur(armeprincipale, 12); }
int Perso::index_arme_melee() const { return arme_melee % 5; }
int Perso::index_projectile() const { return index_sur(projectile, 4); }
int Perso::index_aura() const { return index_sur(aura, 3); }
int Perso::index_sexe() const { return index_sur(static_cast<unsigned char>(sexe), 2); }
int Perso::index_couleur() const { return index_sur(static_cast<unsigned char>(couleur_de_peau), 2); }

int Perso::index_vetement(int partie) const {
  if (partie < 0 || partie >= NB_ELEMENTS) return 0;
  return Element::relever(index_sexe(), Vetements[partie]) ? Vetements[partie] : 0;
}

int Perso::index_bras() const { return Element::relever(index_sexe(), Bras) ? Bras : 0; }

namespace {

// The 23 bytes in file order, as read; `n` of them came from the file.
struct Octets {
  unsigned char b[TAILLE_FICHIER_PERSO] = {};
  size_t n = 0;
  bool a(size_t i) const { return i < n; }
};

bool lire_octets(const char* nom, Octets& o, FILE*& f) {
  f = nom ? Fichiers::ouvrir(nom, "rb") : nullptr;
  if (!f) return false;
  o.n = std::fread(o.b, 1, TAILLE_FICHIER_PERSO, f);
  return true;
}

// A 16-bit value cut after its first byte keeps that byte as its low byte.
void lire16(const Octets& o, size_t i, int32_t& v) {
  if (o.a(i)) v = (v & ~0xFF) | o.b[i];
  if (o.a(i + 1)) v = (v & ~0xFF00) | (o.b[i + 1] << 8);
}

constexpr size_t O_SEXE = 0, O_PEAU = 1, O_ARME = 2, O_MELEE = 3, O_PROJ = 4, O_AURA = 5, O_HABITS = 6,
                 O_BRAS = 17, O_VIE = 18, O_WEX = 20, O_CAMP = 22;

}  // namespace

Perso LirePerso(const char* nom) {
  Perso p;
  Octets o;
  FILE* f;
  if (!lire_octets(nom, o, f)) return p;
  if (o.a(O_SEXE)) p.sexe = static_cast<char>(o.b[O_SEXE]);
  if (o.a(O_PEAU)) p.couleur_de_peau = static_cast<char>(o.b[O_PEAU]);
  if (o.a(O_ARME)) p.armeprincipale = o.b[O_ARME];
  if (o.a(O_MELEE)) p.arme_melee = o.b[O_MELEE];
  if (o.a(O_PROJ)) p.projectile = o.b[O_PROJ];
  if (o.a(O_AURA)) p.aura = o.b[O_AURA];
  for (int i = 0; i < NB_ELEMENTS; ++i)
    if (o.a(O_HABITS + i)) p.Vetements[i] = o.b[O_HABITS + i];
  if (o.a(O_BRAS)) p.Bras = o.b[O_BRAS];
  lire16(o, O_VIE, p.vie_perso);
  lire16(o, O_WEX, p.Wex);
  if (o.a(O_CAMP)) p.camp_perso = o.b[O_CAMP] != 0;
  if (o.n == TAILLE_FICHIER_PERSO) {
    // The trailer: each byte present replaces one byte of the time limit,
    // low byte first.
    unsigned char t[4];
    size_t m = std::fread(t, 1, 4, f);
    uint32_t v = static_cast<uint32_t>(general::temps_map);
    for (size_t i = 0; i < m; ++i) v = (v & ~(0xFFu << (8 * i))) | (static_cast<uint32_t>(t[i]) << (8 * i));
    general::temps_map = static_cast<int32_t>(v);
  }
  std::fclose(f);
  return p;
}

void LirePersoEditeur(const char* nom) {
  Octets o;
  FILE* f;
  if (!lire_octets(nom, o, f)) return;
  std::fclose(f);
  if (o.a(O_SEXE)) general::sexe = static_cast<char>(o.b[O_SEXE]);
  if (o.a(O_PEAU)) general::couleur_de_peau = static_cast<char>(o.b[O_PEAU]);
  if (o.a(O_ARME)) general::armeprincipale = static_cast<char>(o.b[O_ARME]);
  if (o.a(O_MELEE)) general::arme_melee = static_cast<char>(o.b[O_MELEE]);
  if (o.a(O_PROJ)) general::projectile = static_cast<char>(o.b[O_PROJ]);
  if (o.a(O_AURA)) general::aura = static_cast<char>(o.b[O_AURA]);
  // Wider values take the bytes read and nothing of what they held before.
  for (int i = 0; i < NB_ELEMENTS; ++i)
    if (o.a(O_HABITS + i)) Element::Construction_en_cours[i] = o.b[O_HABITS + i];
  if (o.a(O_BRAS)) Element::Bras_en_cours = o.b[O_BRAS];
  if (o.a(O_VIE)) general::vie_perso = 0;
  lire16(o, O_VIE, general::vie_perso);
  if (o.a(O_WEX)) general::Wex = 0;
  lire16(o, O_WEX, general::Wex);
  if (o.a(O_CAMP)) general::camp_perso = static_cast<char>(o.b[O_CAMP]);
}

std::string sans_blancs(const char* nom) {
  std::string n = nom ? nom : "";
  auto blanc = [](char c) { return c == ' ' || c == '\t' || c == '\xA0'; };
  size_t d = 0, f = n.size();
  while (d < f && blanc(n[d])) ++d;
  while (f > d && blanc(n[f - 1])) --f;
  return n.substr(d, f - d);
}

bool nom_fichier_acceptable(const char* nom) {
  if (!nom || !*nom || std::strcmp(nom, ".") == 0 || std::strcmp(nom, "..") == 0) return false;
  if (std::strchr(nom, '/') || std::strchr(nom, '\\')) return false;
  if (sans_blancs(nom) != nom) return false;
  static const char* const Reserves[] = {"Objets.txt",   "ObjetsDestructible.txt", "Objets_Animes.txt",
                                         "Obstacles.txt", "Ombres.txt",            "Persos.txt"};
  for (const char* r : Reserves)
    if (strcasecmp(nom, r) == 0) return false;
  // Save slots "Systeme<N>.sav" and "Partie<N>.sav", missions "Mission<N>.txt".
  auto numero = [nom](const char* debut, const char* fin) {
    size_t d = std::strlen(debut), f = std::strlen(fin), n = std::strlen(nom);
    if (n <= d + f || strncasecmp(nom, debut, d) != 0 || strcasecmp(nom + n - f, fin) != 0) return false;
    for (size_t i = d; i < n - f; ++i)
      if (nom[i] < '0' || nom[i] > '9') {
        if (!(i == d && nom[i] == '-')) return false;
      }
    return true;
  };
  return !numero("Systeme", ".sav") && !numero("Partie", ".sav") && !numero("Mission", ".txt");
}

bool nom_perso_acceptable(const char* nom) {
  if (!nom_fichier_acceptable(nom)) return false;
  // Character files have no extension; every other file of the folder has
  // one of these, and the case-blind lookup makes "POLICE.TTF" the font.
  static const char* const Autres[] = {".ttf", ".bmp", ".png", ".jpg", ".jpeg", ".wav", ".map", ".txt", ".sav", ".tmp"};
  const size_t n = std::strlen(nom);
  for (const char* e : Autres) {
    const size_t l = std::strlen(e);
    if (n >= l && strcasecmp(nom + n - l, e) == 0) return false;
  }
  std::error_code erreur;
  return !std::filesystem::is_directory(Fichiers::resoudre(nom), erreur);
}

bool SauvegarderPerso() {
  // The name row of the dialog keeps a lone space where the name was cleared.
  general::nom_perso = sans_blancs(general::nom_perso.retournertexte()).c_str();
  const char* nom = general::nom_perso.retournertexte();
  if (!nom_perso_acceptable(nom)) {
    std::fprintf(stderr, "Character file \"%s\" not written: not a plain character name\n", nom ? nom : "");
    return false;
  }
  unsigned char b[TAILLE_FICHIER_PERSO];
  b[O_SEXE] = static_cast<unsigned char>(general::sexe);
  b[O_PEAU] = static_cast<unsigned char>(general::couleur_de_peau);
  b[O_ARME] = static_cast<unsigned char>(general::armeprincipale);
  b[O_MELEE] = static_cast<unsigned char>(general::arme_melee);
  b[O_PROJ] = static_cast<unsigned char>(general::projectile);
  b[O_AURA] = static_cast<unsigned char>(general::aura);
  for (int i = 0; i < NB_ELEMENTS; ++i) b[O_HABITS + i] = static_cast<unsigned char>(Element::Construction_en_cours[i]);
  b[O_BRAS] = static_cast<unsigned char>(Element::Bras_en_cours);
  b[O_VIE] = static_cast<unsigned char>(general::vie_perso);
  b[O_VIE + 1] = static_cast<unsigned char>(general::vie_perso >> 8);
  b[O_WEX] = static_cast<unsigned char>(general::Wex);
  b[O_WEX + 1] = static_cast<unsigned char>(general::Wex >> 8);
  b[O_CAMP] = static_cast<unsigned char>(general::camp_perso);
  Fichiers::EcritureSure e(Fichiers::resoudre(nom).c_str());
  bool ok = e.ouvert() && std::fwrite(b, 1, sizeof b, e.flux()) == sizeof b && e.valider();
  if (!ok) std::fprintf(stderr, "Character file \"%s\" could not be written\n", nom);
  return ok;
}

Perso ReleverPersoEditeur() {
  Perso p;
  p.sexe = general::sexe;
  p.couleur_de_peau = general::couleur_de_peau;
  return p;
}
