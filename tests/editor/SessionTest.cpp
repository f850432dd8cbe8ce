// Whole editor sessions from the title screen, on the virtual clock: the
// mouse builds a map, the dialogs edit it, and the hand-over dresses and
// saves a character.
#include <cstdlib>
#include <filesystem>
#include <tuple>
#include <vector>

#include "Palette.h"
#include "Script.h"
#include "battle/FichierMap.h"
#include "battle/Perso.h"
#include "battle/Sauvegarde.h"
#include "characters/Tramer.h"
#include "engine/cc.h"
#include "characters/Element.h"
#include "editor/CreerPerso.h"
#include "editor/Mappeur.h"
#include "engine/Logos.h"
#include "engine/Fonctions.h"
#include "engine/OuvrirImage.h"
#include "menus/EcranTitre.h"

namespace fs = std::filesystem;

namespace {

constexpr int AVANT_TITRE = 2 + NB_IMAGES_LOGOS;
// Frames between two acts of the editor's action timer (10 ms a frame).
constexpr int PAUSE = 30;

void pousser(Uint8 type, SDLKey k, Uint16 u = 0) {
  SDL_Event e{};
  e.type = type;
  e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
  e.key.keysym.sym = k;
  e.key.keysym.unicode = u;
  SDL_PushEvent(&e);
}
void appuyer(SDLKey k, Uint16 u = 0) { pousser(SDL_KEYDOWN, k, u); }
void relacher(SDLKey k) { pousser(SDL_KEYUP, k); }
void bouger(int x, int y) {
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.x = static_cast<Uint16>(x);
  e.motion.y = static_cast<Uint16>(y);
  SDL_PushEvent(&e);
}
void bouton_souris(Uint8 b, bool bas) {
  SDL_Event e{};
  e.type = bas ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  e.button.button = b;
  SDL_PushEvent(&e);
}
void taper(const char* t) {
  for (; *t; ++t) pousser_touche(static_cast<SDLKey>(*t >= 'A' && *t <= 'Z' ? *t - 'A' + 'a' : *t), *t);
}

struct Record {
  int type, origine, x, y, vie;
  bool operator==(const Record&) const = default;
};

std::vector<Record> items() {
  std::vector<Record> r;
  for (long i = 0; i < Reference::derniere_Reference; ++i) {
    Reference* p = Reference::References[i];
    if (!p || p->type == AUCUN) continue;
    r.push_back({p->type, p->Origine, p->position.x, p->position.y, p->type == CIBLE ? p->retourner_vie() : 0});
  }
  return r;
}

int compter(int type) {
  int n = 0;
  for (const Record& r : items()) n += r.type == type;
  return n;
}

Objet_de_Reference* premiere(int type) {
  for (long i = 0; i < Objet_de_Reference::nb_Objet_de_reference; ++i)
    if (Objet_de_Reference::Objets_de_Reference[i]->type == type) return Objet_de_Reference::Objets_de_Reference[i];
  return nullptr;
}

class Session : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    vider_palette();
    copier_donnees();
    general::continuer = true;
  }
  void TearDown() override {
    vider_palette();
    Banc::TearDown();
  }

  // From the title screen into the editor, naming the map "Aucun" + suffix.
  void ouvrir(Script& s, const char* suffixe) {
    s.puis(AVANT_TITRE + 2, [] {
      for (char c : ACCORD_EDITEUR) appuyer(static_cast<SDLKey>(c), static_cast<Uint16>(c));
    });
    s.puis(10, [suffixe] {
      taper(suffixe);
      pousser_touche(SDLK_RETURN);
    });
  }
  // A left click at a screen point, held for a few frames.
  void cliquer(Script& s, std::function<SDL_Rect()> ou, int bouton = SDL_BUTTON_LEFT) {
    s.puis(PAUSE, [ou, bouton] {
      SDL_Rect p = ou();
      bouger(p.x, p.y);
      bouton_souris(static_cast<Uint8>(bouton), true);
    });
    s.puis(4, [bouton] { bouton_souris(static_cast<Uint8>(bouton), false); });
  }
  void cliquer(Script& s, int x, int y, int bouton = SDL_BUTTON_LEFT) {
    cliquer(s, [x, y] { return Rect(x, y, 0, 0); }, bouton);
  }
  // The palette entry of a kind at that rank.
  static Objet_de_Reference* entree(int type, int rang) {
    long vus = 0;
    for (long i = 0; i < Objet_de_Reference::nb_Objet_de_reference; ++i) {
      Objet_de_Reference* o = Objet_de_Reference::Objets_de_Reference[i];
      if (o->type == type && vus++ == rang) return o;
    }
    ADD_FAILURE() << "no entry of kind " << type;
    return nullptr;
  }
  // Picks the first palette entry of a kind (its page is shown).
  void choisir(Script& s, int type, int rang = 0) {
    cliquer(s, [type, rang] {
      Objet_de_Reference* o = entree(type, rang);
      return o ? Rect(o->position.x + 2, o->position.y + 2, 0, 0) : Rect(0, 0, 0, 0);
    });
  }
  void page(Script& s, SDLKey k, int n) {
    for (int i = 0; i < n; ++i) s.puis(PAUSE, [k] { pousser_touche(k, static_cast<Uint16>(k)); });
  }
  // A key held down for some frames, as a hand would.
  void tenir(Script& s, SDLKey k, int attente, int duree = 4) {
    s.puis(attente, [k] { appuyer(k); });
    s.puis(duree, [k] { relacher(k); });
  }
};

}  // namespace

TEST_F(Session, AMapBuiltWithTheMouseIsSavedReadBackAndItsCharacterDressedAndSaved) {
  Script s;
  std::vector<Record> carte;
  int effectif = 0, duree = 0;
  char infiltration = 0;
  std::string fond;
  int vetements[2] = {};
  int arme = 0, wex = 0;
  ouvrir(s, "Test");
  s.puis(20, [] {
    EXPECT_STREQ(general::nom_map.retournertexte(), "AucunTest");
    EXPECT_TRUE(texte_a("Objets", 0, TTF_FontHeight(general::Police))) << "the editor opens on the objects";
  });
  cliquer(s, 400, 300);  // the start point, selected from the start
  choisir(s, OBJET);
  cliquer(s, 500, 300);
  page(s, SDLK_d, 2);
  s.puis(PAUSE, [] {
    EXPECT_EQ(compter(DIVERS), 1);
    EXPECT_EQ(compter(OBJET), 1);
  });
  choisir(s, DIVERS, 1);  // "Debut.png" again, picked from its page
  cliquer(s, 600, 320);
  s.puis(PAUSE, [] {
    ASSERT_EQ(compter(DIVERS), 1) << "the first start point was deleted";
    Objet_de_Reference* debut = Objet_de_Reference::Objets_de_Reference[2];
    for (const Record& r : items())
      if (r.type == DIVERS) {
        EXPECT_EQ(r.x, 600 - debut->TramePrincipale.w / 2);
        EXPECT_EQ(r.y, 320 - debut->TramePrincipale.h / 2);
      }
  });
  page(s, SDLK_a, 1);  // destructible objects
  choisir(s, OBJETS_DESTRUCTIBLES);
  cliquer(s, 700, 400);
  page(s, SDLK_d, 6);  // 7, 8, 9, 11, 12, 0
  choisir(s, CIBLE, 1);  // "detruire.png"
  cliquer(s, 700, 400);  // asks the target's hit points
  s.puis(5, [] {
    for (SDLKey k : {SDLK_BACKSPACE, SDLK_BACKSPACE, SDLK_BACKSPACE}) pousser_touche(k, 8);
    taper("25");
    pousser_touche(SDLK_RETURN);
  });
  s.puis(PAUSE, [] {
    ASSERT_EQ(compter(CIBLE), 1);
    Reference* m = nullptr;
    Reference* t = nullptr;
    for (long i = 0; i < Reference::derniere_Reference; ++i) {
      Reference* r = Reference::References[i];
      if (r->type == CIBLE) m = r;
      if (r->type == OBJETS_DESTRUCTIBLES) t = r;
    }
    ASSERT_TRUE(m && t);
    EXPECT_EQ(m->retourner_vie(), 25);
    EXPECT_EQ(m->position.x, t->position.x);
    EXPECT_EQ(m->TramePrincipale.w, t->TramePrincipale.w);
  });
  page(s, SDLK_d, 4);  // allies
  choisir(s, ALLIES);
  s.puis(PAUSE, [] {
    // 49 allies already stand on the map; the mouse adds the 50th.
    Objet_de_Reference* a = premiere(ALLIES);
    for (int i = 0; i < 49; ++i) ASSERT_NE(placer_selection(a, 1000 + 70 * i, 200), nullptr);
    EXPECT_EQ(Reference_Perso::nb_allies, 49);
  });
  cliquer(s, 800, 300);
  cliquer(s, 850, 300);
  s.puis(PAUSE, [] {
    EXPECT_EQ(Reference_Perso::nb_allies, LIMITE_PAR_CAMP);
    EXPECT_EQ(compter(ALLIES), LIMITE_PAR_CAMP) << "the 51st ally is refused";
  });
  cliquer(s, 800, 300, SDL_BUTTON_RIGHT);
  s.puis(PAUSE, [] {
    EXPECT_EQ(Reference_Perso::nb_allies, LIMITE_PAR_CAMP - 1);
    general::effectifs_map[0] = 5;
    general::temps_map = 100;
    general::infiltration = 0;
    general::nom_fond = "ciel";
  });
  tenir(s, static_cast<SDLKey>(controles::C_PROP), PAUSE, 2);
  // The properties dialog: a letter on the background, 12 allied
  // reinforcements, infiltration on, 20 more seconds.
  s.puis(15, [] { taper("Z"); });
  tenir(s, SDLK_DOWN, 15);
  s.puis(15, [] {
    pousser_touche(SDLK_BACKSPACE, 8);
    taper("12");
  });
  for (int i = 0; i < 4; ++i) tenir(s, SDLK_DOWN, 15);
  tenir(s, SDLK_RIGHT, 15);
  for (int i = 0; i < 6; ++i) tenir(s, SDLK_UP, 15);
  tenir(s, SDLK_RIGHT, 15);
  tenir(s, SDLK_RIGHT, 15);
  // Return closes the dialog while the hand on the mouse moves it: the
  // editor stays.
  s.puis(15, [] { appuyer(SDLK_RETURN); });
  s.puis(4, [] { bouger(500, 200); });
  s.puis(4, [] {
    relacher(SDLK_RETURN);
    EXPECT_GT(Reference::derniere_Reference, 0) << "the Return that closed the dialog left the editor";
  });
  s.puis(PAUSE, [&] {
    EXPECT_STREQ(general::nom_fond.retournertexte(), "cielZ");
    EXPECT_EQ(general::effectifs_map[0], 12);
    EXPECT_EQ(general::infiltration, 1);
    EXPECT_EQ(general::temps_map, 120);
    carte = items();
    effectif = general::effectifs_map[0];
    duree = general::temps_map;
    infiltration = general::infiltration;
    fond = general::nom_fond.retournertexte();
    general::vie_perso = 65530;
    general::camp_perso = 1;
    pousser_touche(SDLK_RETURN);  // the hand-over
  });
  s.puis(10, [] {
    EXPECT_TRUE(fs::exists("AucunTest.map"));
    EXPECT_EQ(Reference::derniere_Reference, 0) << "the items were freed once saved";
    taper("Test");
    pousser_touche(SDLK_RETURN);
  });
  tenir(s, SDLK_RIGHT, 10, 300);  // the sex prompt: "Femme"
  s.puis(2, [] { pousser_touche(SDLK_RETURN); });
  // The creator: dress the first two parts.
  for (SDLKey k : {SDLK_RIGHT, SDLK_DOWN, SDLK_RIGHT})
    s.puis(10, [k] {
      Horloge::avancer(600);
      pousser_touche(k);
    });
  s.puis(10, [&] {
    EXPECT_EQ(general::sexe, 1);
    vetements[0] = Element::Construction_en_cours[0];
    vetements[1] = Element::Construction_en_cours[1];
    EXPECT_NE(vetements[0], 0);
    EXPECT_NE(vetements[1], 0);
    arme = general::armeprincipale;
    wex = general::Wex;
    Horloge::avancer(600);
  });
  tenir(s, static_cast<SDLKey>(controles::C_PROP), 1, 2);
  // The character's properties: next weapon, ally, life at the limit, Wex.
  tenir(s, SDLK_RIGHT, 15);
  for (int i = 0; i < 7; ++i) tenir(s, SDLK_DOWN, 15);
  tenir(s, SDLK_RIGHT, 15);
  tenir(s, SDLK_DOWN, 15);
  tenir(s, SDLK_RIGHT, 15);
  tenir(s, SDLK_RIGHT, 15);
  s.puis(5, [] { EXPECT_EQ(general::vie_perso, VALEUR_PERSO_MAX); });
  tenir(s, SDLK_LEFT, 15);
  tenir(s, SDLK_DOWN, 15);
  tenir(s, SDLK_RIGHT, 15);
  tenir(s, SDLK_RIGHT, 15);
  tenir(s, SDLK_DOWN, 15);
  tenir(s, SDLK_RETURN, 15, 6);  // row 10: save and close
  s.puis(20, [] {
    EXPECT_TRUE(fs::exists("SoldatTest"));
    pousser_touche(SDLK_RETURN);  // leave the creator
  });
  s.puis(20, [] { EXPECT_FALSE(fs::exists("AucunTest.map.tmp")); });
  s.fermer(20);
  EXPECT_EQ(s.lancer(), 0);
  EXPECT_TRUE(s.fini());

  // The map reads back with the same records and settings.
  DesallouerMap();
  general::nom_map = "AucunTest";
  general::effectifs_map[0] = general::temps_map = 0;
  general::infiltration = 0;
  general::nom_fond = "";
  LireMap();
  EXPECT_EQ(items(), carte);
  EXPECT_EQ(general::effectifs_map[0], effectif);
  EXPECT_EQ(general::temps_map, duree);
  EXPECT_EQ(general::infiltration, infiltration);
  EXPECT_EQ(general::nom_fond.retournertexte(), fond);

  Perso p = LirePerso("SoldatTest");
  EXPECT_EQ(p.sexe, 1);
  EXPECT_EQ(p.Vetements[0], vetements[0]);
  EXPECT_EQ(p.Vetements[1], vetements[1]);
  EXPECT_EQ(p.armeprincipale, (arme + 1) % 12);
  EXPECT_FALSE(p.camp_perso);
  EXPECT_EQ(p.vie_perso, VALEUR_PERSO_MAX - 10);
  EXPECT_EQ(p.Wex, wex + 20);
}

TEST_F(Session, RefusedNamesAreAskedAgainAndAFailedSaveKeepsTheItemsAndTheEditor) {
  fs::create_directory("AucunBloque.map");  // nothing can be renamed over it
  Script s;
  ouvrir(s, "/../x");
  s.puis(10, [] {
    EXPECT_EQ(general::nom_map.retournertexte(), std::string("map")) << "the refused name was not taken";
    taper("Bloque");
    pousser_touche(SDLK_RETURN);
  });
  s.puis(10, [] {});  // the editor's action timer starts with it
  cliquer(s, 400, 300);
  s.puis(PAUSE, [] {
    EXPECT_STREQ(general::nom_map.retournertexte(), "AucunBloque");
    EXPECT_EQ(compter(DIVERS), 1);
    pousser_touche(SDLK_RETURN);
  });
  s.puis(5, [] {
    EXPECT_EQ(compter(DIVERS), 1) << "the items stay when the map could not be saved";
    EXPECT_TRUE(texte_a("Sauvegarde impossible : AucunBloque.map", LARGEUR_PALETTE + 10, 272));
    fs::remove("AucunBloque.map");
  });
  s.puis(PAUSE, [] { pousser_touche(SDLK_RETURN); });  // now it saves and hands over
  s.puis(10, [] {
    EXPECT_TRUE(fs::is_regular_file("AucunBloque.map"));
    taper("/../x");
    pousser_touche(SDLK_RETURN);
  });
  s.puis(10, [] {
    taper("2");
    pousser_touche(SDLK_RETURN);
  });
  s.puis(5, [] { pousser_touche(SDLK_RETURN); });  // the sex prompt
  s.puis(10, [] {
    EXPECT_STREQ(general::nom_perso.retournertexte(), "Soldat2");
    pousser_touche(SDLK_RETURN);
  });
  s.fermer(20);
  EXPECT_EQ(s.lancer(), 0);
  EXPECT_TRUE(s.fini());
  EXPECT_TRUE(fs::is_regular_file("Soldat2"));
  EXPECT_FALSE(fs::exists("x"));
  EXPECT_FALSE(fs::exists("Soldat/../x"));
}

TEST_F(Session, TypedNamesLoseTheirBlanksAndNeverNameOneOfTheGamesOwnFiles) {
  const auto police = fs::file_size("police.ttf");
  Script s;
  auto effacer = [](int n) {
    for (int i = 0; i < n; ++i) pousser_touche(SDLK_BACKSPACE, 8);
  };
  s.puis(AVANT_TITRE + 2, [] {
    for (char c : ACCORD_EDITEUR) appuyer(static_cast<SDLKey>(c), static_cast<Uint16>(c));
  });
  // "Aucun" cleared leaves a lone blank, which is no name; then a demo map
  // opens by its plain name.
  s.puis(10, [&] {
    effacer(5);
    pousser_touche(SDLK_RETURN);
  });
  s.puis(30, [&] {
    effacer(5);
    taper("Plaine");
    pousser_touche(SDLK_RETURN);
  });
  s.puis(30, [] {
    EXPECT_STREQ(general::nom_map.retournertexte(), "Plaine");
    EXPECT_GT(Reference::derniere_Reference, 0) << "the demo map was read";
  });
  s.puis(30, [] { pousser_touche(SDLK_RETURN); });  // the hand-over
  s.puis(10, [&] {
    effacer(6);
    pousser_touche(SDLK_RETURN);
  });
  s.puis(30, [&] {
    effacer(6);
    taper("POLICE.TTF");
    pousser_touche(SDLK_RETURN);
  });
  s.puis(30, [&] {
    effacer(6);
    taper("Plaine.map");
    pousser_touche(SDLK_RETURN);
  });
  s.puis(30, [&] {
    effacer(6);
    taper("Essai ");
    pousser_touche(SDLK_RETURN);
  });
  s.puis(30, [] { pousser_touche(SDLK_RETURN); });  // the sex prompt
  s.puis(10, [] {
    EXPECT_STREQ(general::nom_perso.retournertexte(), "Essai");
    pousser_touche(SDLK_RETURN);
  });
  s.fermer(20);
  EXPECT_EQ(s.lancer(), 0);
  EXPECT_TRUE(s.fini());
  EXPECT_EQ(fs::file_size("police.ttf"), police);
  EXPECT_FALSE(fs::exists(" ")) << "a cleared name wrote a file";
  EXPECT_FALSE(fs::exists(" .map"));
  EXPECT_FALSE(fs::exists(" Plaine.map"));
  EXPECT_FALSE(fs::exists(" Essai"));
  EXPECT_TRUE(fs::is_regular_file("Essai"));

  // The character editor's own name row writes through the same check.
  general::nom_perso = " qiv.bmp ";
  EXPECT_FALSE(SauvegarderPerso());
  general::nom_perso = " Relka2 ";
  EXPECT_TRUE(SauvegarderPerso());
  EXPECT_TRUE(fs::is_regular_file("Relka2"));
}

// A map maker's whole round: a map built with the mouse on the editor's
// default background and ground, saved, listed in a mission file, and played
// from the title screen to its outcome.
TEST_F(Session, AMapBuiltInTheEditorIsListedInAMissionAndPlayedToItsEnd) {
  for (const auto& f : fs::directory_iterator(dossier_))
    if (f.path().extension() == ".sav") fs::remove(f.path());
  general::fichier_utilise = -1;
  general::nb_mission_accompli = general::nb_map_accompli_mission = general::nb_map_accompli = 0;
  general::nom_fond = "fond2.png";
  general::nom_sol = "base.png";
  general::infiltration = 0;
  general::temps_map = 0;
  bool combat_vu = false, gagne = false, menu_apres = false;
  std::string slot;
  int cinematiques = 0, surface = -1;
  auto menu_principal = [] { return texte_a("Story", 26, 230); };
  // The hero has landed: he stands on the soldiers' line.
  auto combat = [] {
    return Tramer::Hero && general::statut_jeu == 1 && !general::debut_partie && Tramer::Hero->action == COURIR;
  };

  Script s;
  s.puis(AVANT_TITRE + 2, [] {
    for (char c : ACCORD_EDITEUR) appuyer(static_cast<SDLKey>(c), static_cast<Uint16>(c));
  });
  s.puis(10, [] {
    for (int i = 0; i < 5; ++i) pousser_touche(SDLK_BACKSPACE, 8);
    taper("Essai");
    pousser_touche(SDLK_RETURN);
  });
  // What the editor shows as the surface where the command centre will go:
  // the first row under the empty map that is not the editor's grey.
  s.puis(30, [&] {
    for (int y = 300; y < general::ecran->h && surface < 0; ++y) {
      SDL_Color c = pixel(240, y);
      if (c.r != 122 || c.g != 122 || c.b != 122) surface = y;
    }
    ASSERT_GT(surface, 0) << "the editor draws a ground";
  });
  cliquer(s, 300, 380);  // the start point, selected from the start
  page(s, SDLK_d, 2);    // 5 -> 7: markers
  choisir(s, DIVERS, 2);  // "Fin.png"
  cliquer(s, 900, 380);
  // A neutral command centre set down on that surface, among the allies
  // and away from the enemy, who would take it.
  choisir(s, DIVERS, 4);
  cliquer(s, [&] {
    Objet_de_Reference* poste = entree(DIVERS, 4);
    const int h = poste ? poste->TramePrincipale.h : 0;
    return Rect(240, surface - h + h / 2, 0, 0);
  });
  page(s, SDLK_a, 5);    // 7 -> 2: obstacles, a ledge to stand on
  choisir(s, OBSTACLE);
  cliquer(s, 750, 470);
  page(s, SDLK_d, 1);    // enemies
  choisir(s, ENNEMIS);
  cliquer(s, 850, 300);
  page(s, SDLK_d, 1);    // allies
  choisir(s, ALLIES);
  cliquer(s, 400, 300);
  s.puis(PAUSE, [] {
    EXPECT_EQ(compter(DIVERS), 3);
    EXPECT_EQ(compter(OBSTACLE), 1);
    EXPECT_EQ(compter(ENNEMIS), 1);
    EXPECT_EQ(compter(ALLIES), 1);
    general::effectifs_map[1] = 0;  // no enemy comes back
    pousser_touche(SDLK_RETURN);    // save, and on to the character editor
  });
  s.puis(10, [] { pousser_touche(SDLK_RETURN); });  // "Soldat"
  s.puis(30, [] { pousser_touche(SDLK_RETURN); });  // the sex prompt
  s.puis(30, [this] {
    ASSERT_TRUE(fs::is_regular_file("Essai.map"));
    ecrire_fichier("Mission1.txt", "Essai.map");
    pousser_touche(SDLK_RETURN);  // leave the creator for the title screen
  });
  s.puis(30, [] { pousser_touche(SDLK_RETURN); });  // the title
  s.puis(5, [] { pousser_touche(SDLK_RETURN); });   // "New Game"
  s.quand(4, menu_principal, [] { pousser_touche(SDLK_RETURN); });  // "Story"
  s.puis(4, [] { pousser_touche(SDLK_RETURN); });   // the first mission
  s.puis(20, [] { pousser_touche(SDLK_RETURN); });  // the hero
  s.puis(20, [] { pousser_touche(SDLK_UP); });      // "Start the Mission"
  s.puis(5, [] { pousser_touche(SDLK_RETURN); });
  s.quand(2, [&] {
    if (!Tramer::Hero && ++cinematiques % 40 == 0) pousser_touche(SDLK_ESCAPE);
    return combat();
  }, [&] {
    combat_vu = true;
    EXPECT_STREQ(general::nom_map.retournertexte(), "Essai.map");
    // The default background and ground are drawn, not the battle's grey:
    // most of a row of sky and of a row of earth, whoever stands there.
    auto part = [](int y, int r, int g, int b) {
      int n = 0;
      for (int x = 200; x < 760; x += 40) {
        SDL_Color c = pixel(x, y);
        n += std::abs(c.r - r) < 4 && std::abs(c.g - g) < 4 && std::abs(c.b - b) < 4;
      }
      return n;
    };
    EXPECT_GE(part(200, 120, 170, 220), 8) << "background";
    EXPECT_GE(part(533, 125, 95, 60), 8) << "ground";
    // What stood on the editor's surface stands where the soldiers stand.
    SDL_Surface* poste = AllouerImage("Divers/cc-neutre.png", 0, false);
    ASSERT_TRUE(poste && cc::nb_cc == 1);
    EXPECT_NEAR(cc::CCs[0]->position.y + poste->h, Tramer::Hero->position.y + Tramer::Hero->TramePrincipale.h, 4);
    int camps[2] = {};
    for (int i = 0; i < Tramer::nb_persos; ++i)
      if (Tramer* t = Tramer::Persos[i]; t && t->vivant && (t->camp == ALLIE || t->camp == ENNEMI)) ++camps[t->camp];
    EXPECT_GE(camps[ALLIE], 2) << "the hero and the placed ally";
    EXPECT_EQ(camps[ENNEMI], 1);
    EXPECT_EQ(cc::nb_cc, 1);
  });
  s.quand(2, [&] {
    // The enemy falls, once his spawn protection is over: nobody is left to
    // come back.
    for (int i = 0; i < Tramer::nb_persos && general::statut_jeu == 1; ++i)
      if (Tramer* t = Tramer::Persos[i]; t && t->camp == ENNEMI && t->vivant)
        t->recevoirdegats(10000, Tramer::Hero, 0, 0.0, 0);
    if (general::statut_jeu == 0) gagne = true;
    if (gagne && ++cinematiques % 40 == 0) pousser_touche(SDLK_ESCAPE);
    return menu_principal();
  }, [&] {
    menu_apres = true;
    slot = nom_slot(general::fichier_utilise);
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
  });
  EXPECT_EQ(s.lancer(), 0);
  EXPECT_TRUE(s.fini()) << "the script stopped after " << s.images() << " frames";
  EXPECT_TRUE(combat_vu);
  EXPECT_TRUE(gagne);
  EXPECT_TRUE(menu_apres);
  EXPECT_EQ(general::nb_mission_accompli, 1) << "the one-map mission is done";
  EXPECT_TRUE(fs::is_regular_file(slot)) << "the won map was saved";
}

// Each round of the editor ends on a title screen nested in the last one;
// none of them holds its pictures while the editor is open.
TEST_F(Session, ALongEditingSessionHoldsNoMoreMemoryRoundAfterRound) {
  const std::vector<long> tenus = memoire_des_tours_editeur(4);
  ASSERT_EQ(tenus.size(), 4u) << "the script stopped short";
  EXPECT_LT(tenus[3] - tenus[1], 1 << 20) << "the title screens' pictures are held";
}
