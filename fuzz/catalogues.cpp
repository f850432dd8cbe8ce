// Catalogs come from anywhere: whatever bytes one holds, every line becomes
// one entry in line order (maps and character files store that number), the
// tables refuse what they cannot hold, and nothing reads past the data.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Apparences.h"
#include "Dossier.h"
#include "battle/Catalogues.h"
#include "battle/Perso.h"
#include "editor/Objet_de_Reference.h"
#include "platform/Fichiers.h"

namespace {

struct Lecteur {
  const char* fichier;
  void (*lire)();
  int type;             // the palette kind, or -1 for the male appearance sets
  const char* dossier;  // joined before each name in the entry
  const char* retirer;  // bytes the reader drops from the names
  bool absent_vide;     // a missing catalog makes no entry at all
};

const Lecteur LECTEURS[] = {
    {"Objets.txt", LectureObjets, OBJET, "", "", false},
    {"Objets_Animes.txt", LectureObjetsAnimes, OBJET_ANIME, "Objets_Animes/", "", false},
    {"Persos.txt", LecturePersos, ALLIES, "", "", false},
    {"Obstacles.txt", LectureObstacles, OBSTACLE, "Obstacles/", "\r", true},
    {"Vehicules/Aeriens.txt", LectureVehiculesAeriens, VEHICULE_AERIEN, "Vehicules/Aeriens/", "\r", true},
    {"Ombres.txt", LectureOmbres, OMBRE, "", "\rNR", false},
    {"Hommes/Hommes.txt", LectureHommes, -1, "", "", false},
};
constexpr int NB_LECTEURS = sizeof(LECTEURS) / sizeof(LECTEURS[0]);

// The names the file should give, worked out apart from the readers: a NUL
// ends the file, LF ends a line, a CR just before an LF belongs to the line end.
std::vector<std::string> attendus(const std::string& texte, const Lecteur& l) {
  std::vector<std::string> noms(1);
  for (size_t i = 0; i < texte.size() && texte[i]; ++i) {
    if (texte[i] == '\n') {
      noms.emplace_back();
    } else if (!(texte[i] == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n')) {
      noms.back() += texte[i];
    }
  }
  for (std::string& n : noms) {
    std::string garde = l.dossier;
    for (char c : n)
      if (!std::strchr(l.retirer, c)) garde += c;
    n = garde;
  }
  return noms;
}

void verifier(bool ok) {
  if (!ok) __builtin_trap();
}

std::string texte_de(const P_char& p) { return p.retournertexte() ? p.retournertexte() : ""; }

// Palette entries of the kind, or of both sides for characters, in the order made.
std::vector<Objet_de_Reference*> entrees(int type) {
  std::vector<Objet_de_Reference*> v;
  verifier(Objet_de_Reference::nb_Objet_de_reference >= 0 &&
           Objet_de_Reference::nb_Objet_de_reference <= Objet_de_Reference::NB_MAX);
  for (long i = 0; i < Objet_de_Reference::nb_Objet_de_reference; ++i) {
    Objet_de_Reference* o = Objet_de_Reference::Objets_de_Reference[i];
    verifier(o != nullptr);
    if (o->type == type || (type == ALLIES && o->type == ENNEMIS)) v.push_back(o);
  }
  return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
  // Nothing an earlier input wrote: a character catalog names no file but
  // its own.
  dossier_propre("catalogue", {"Vehicules", "Hommes"});
  if (taille < 1) return 0;
  const Lecteur& l = LECTEURS[donnees[0] % NB_LECTEURS];
  // The selector alone stands for a missing catalog.
  const bool absent = taille == 1;
  const std::string texte(reinterpret_cast<const char*>(donnees) + 1, taille - 1);
  if (!absent) {
    FILE* f = std::fopen(l.fichier, "wb");
    if (!f) std::abort();
    std::fwrite(texte.data(), 1, texte.size(), f);
    std::fclose(f);
  }

  const std::vector<std::string> noms = absent && l.absent_vide ? std::vector<std::string>{} : attendus(texte, l);
  if (l.type < 0) {
    new Element("Aucun", 0);
    l.lire();
    const size_t n = std::min<size_t>(noms.size() + 1, NB_MAX_ELEMENTS);
    verifier(Element::dernier_element[0] == static_cast<int>(n));
    for (size_t i = 1; i < n; ++i) verifier(texte_de(Element::Elements[0][i]->nom) == "Hommes/" + noms[i - 1]);
    vider_apparences();
  } else {
    // Each kind holds so many entries and drops the lines past them; allies
    // and enemies are kinds apart, and a name without a file is an enemy.
    struct Attendue {
      std::string nom;
      int type;
    };
    std::vector<Attendue> gardees;
    long nb[AUCUN + 1] = {};
    for (const std::string& n : noms) {
      const int type = l.type != ALLIES ? l.type : LirePerso(n.c_str()).camp_perso ? ENNEMIS : ALLIES;
      if (nb[type] < Objet_de_Reference::NB_MAX_PAR_TYPE) {
        ++nb[type];
        gardees.push_back({n, type});
      }
    }
    l.lire();
    const std::vector<Objet_de_Reference*> v = entrees(l.type);
    verifier(v.size() == gardees.size());
    long numero[AUCUN + 1] = {};
    for (size_t i = 0; i < v.size(); ++i) {
      verifier(static_cast<int>(v[i]->type) == gardees[i].type);
      verifier(v[i]->element_actuel == numero[gardees[i].type]++);
      verifier(texte_de(v[i]->Nom) == gardees[i].nom);
    }
    Objet_de_Reference::Vider();
  }
  return 0;
}
