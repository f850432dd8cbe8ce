// The whole program from its entry point, on the virtual clock, driven by
// events pushed after each flip.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "Script.h"
#include "battle/Sauvegarde.h"
#include "battle/Catalogues.h"
#include "characters/Element.h"
#include "editor/Objet_de_Reference.h"
#include "engine/Interface.h"
#include "characters/Tramer.h"
#include "engine/Logos.h"
#include "engine/Partie.h"
#include "menus/Chargement.h"

namespace fs = std::filesystem;

namespace {

// Frames before the title screen: the start-up's grey, the one before the
// logos, then the logos.
constexpr int AVANT_TITRE = 2 + NB_IMAGES_LOGOS;

std::string contenu(const std::string& nom) {
  std::ifstream f(nom, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

// The line of a notice, as it stands in the middle of the screen.
bool avis_a_l_ecran(const std::string& t) {
  int w = 0, h = 0;
  TTF_SizeText(general::Police, t.c_str(), &w, &h);
  return texte_a(t, (960 - w) / 2, (544 - h) / 2);
}

class FrontEnd : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    copier_donnees();
    general::continuer = true;
  }
  // A slot written by the game's own writer, then the values cleared again.
  void slot(int n, int32_t tues, int32_t morts, int32_t wex) {
    general::fichier_utilise = n;
    general::nb_tue = tues;
    general::nb_mort = morts;
    general::wex_actuelle = wex;
    ASSERT_TRUE(SauvegardeSysteme());
    general::nb_tue = general::nb_mort = general::wex_actuelle = 0;
    general::fichier_utilise = 0;
  }
  // From the title screen's first frame to the save-slot screen.
  void vers_les_slots(Script& s) { s.touche(SDLK_RETURN, AVANT_TITRE + 2); }
};

}  // namespace

TEST_F(FrontEnd, StartUpOpensTheWindowPlaysTheLogosLoadsEverythingAndFadesTheTitle) {
  Script s;
  char* titre = nullptr;
  SDL_Color logo_transparent{}, titre_1{}, titre_255{}, titre_256{};
  s.puis(1, [&] { SDL_WM_GetCaption(&titre, nullptr); })
      .puis(2, [&] { logo_transparent = pixel(700, 450); })  // logo 0 at alpha 0
      .puis(NB_IMAGES_LOGOS, [&] {
        EXPECT_EQ(s.images(), AVANT_TITRE + 1) << "the title's first frame follows the 156 logo frames";
        titre_1 = pixel(700, 450);
      })
      .puis(254, [&] { titre_255 = pixel(700, 450); })
      .puis(1, [&] { titre_256 = pixel(700, 450); })
      .fermer(1);
  EXPECT_EQ(s.lancer(), 0);
  EXPECT_FALSE(general::continuer);
  ASSERT_NE(titre, nullptr);
  EXPECT_STREQ(titre, "Korvan and Vesk : Quorvath OPS");
  EXPECT_EQ(logo_transparent.r, 180);
  EXPECT_EQ(logo_transparent.g, 20);
  // The title fades up from black, and is gone for one frame at 256.
  EXPECT_LE(titre_1.r, 1);
  EXPECT_EQ(titre_255.r, 46);
  EXPECT_EQ(titre_255.g, 74);
  EXPECT_EQ(titre_256.r, 0);
  EXPECT_EQ(general::fichier_utilise, -1);

  // What start-up and the logos built.
  EXPECT_TRUE(general::commencer);
  for (auto& sexe : BCorps)
    for (auto& peau : sexe)
      for (Partie* p : peau) EXPECT_NE(p, nullptr);
  EXPECT_EQ(BCorps[0][0][VISER]->nb_frame, 1);
  EXPECT_EQ(BCorps[0][0][COGNER]->nb_frame, 3);
  EXPECT_EQ(BCorps[1][1][ETRE_EJECTE]->nb_frame, 4);
  EXPECT_EQ(BCorps[0][1][SAUTER], BCorps[0][1][TOMBER]);
  EXPECT_NE(BBras[0][0][0][RIFLE], BBras[0][0][1][RIFLE]);
  EXPECT_EQ(BBras[0][0][0][GUN], BBras[0][0][1][GUN]);
  EXPECT_EQ(BBras[1][0][0][POING]->nb_frame, 3);
  EXPECT_GT(Element::dernier_element[0], 1) << "the men's sets were read";
  EXPECT_GT(Element::dernier_element[1], 1) << "the women's sets were read";
  EXPECT_STREQ(general::nom_map.retournertexte(), "map");

  // The palette: the empty entry, the ten fixed ones in order, then one entry
  // per line of every catalog.
  Objet_de_Reference** p = Objet_de_Reference::Objets_de_Reference;
  ASSERT_GT(Objet_de_Reference::nb_Objet_de_reference, 11);
  EXPECT_EQ(p[0], Objet_de_Reference::Vide);
  EXPECT_STREQ(p[1]->Nom.retournertexte(), "Ascenseur.png");
  EXPECT_EQ(p[7]->relever_camp(), 0) << "defendre.png";
  EXPECT_EQ(p[8]->relever_camp(), 1) << "detruire.png";
  EXPECT_STREQ(p[10]->Nom.retournertexte(), "eau.png");
  int attendu = 11;
  for (const char* c : {"Objets.txt", "ObjetsDestructible.txt", "Obstacles.txt", "Ombres.txt", "Persos.txt",
                        "Objets_Animes.txt", "Vehicules/Terrestres.txt", "Vehicules/Aeriens.txt",
                        "Vehicules/Polyvalents.txt"})
    attendu += static_cast<int>(LireLignesCatalogue(c).size());
  EXPECT_EQ(Objet_de_Reference::nb_Objet_de_reference, attendu) << "every catalog line has its entry";
  std::vector<char> kinds;
  for (int i = 11; i < attendu; ++i) kinds.push_back(p[i]->type);
  EXPECT_EQ(kinds.front(), OBJET) << "the objects' catalog comes first";
  EXPECT_EQ(kinds.back(), OBJET_ANIME) << "the animated objects' catalog comes last";
  ASSERT_NE(Interface::Curseur, nullptr);
  EXPECT_EQ(Interface::Curseur->position.x, 0);
}

TEST_F(FrontEnd, ANewGameTakesTheNextSlotAndQuitEndsTheProgram) {
  for (int n = 0; n < 3; ++n) slot(n, n + 1, 0, 0);
  Script s;
  vers_les_slots(s);
  s.touche(SDLK_RETURN, 4)  // "New Game"
      .puis(4, [&] { EXPECT_TRUE(fs::exists("Systeme3.sav")); })
      .touche(SDLK_DOWN)
      .touche(SDLK_DOWN)
      .touche(SDLK_DOWN)
      .touche(SDLK_RETURN);  // "Quit the Game"
  EXPECT_EQ(s.lancer(), 0);
  EXPECT_TRUE(s.fini());
  EXPECT_EQ(general::fichier_utilise, 3);
  EXPECT_EQ(Relever_Nb_Partie(), 4);
  EXPECT_FALSE(general::continuer);
}

TEST_F(FrontEnd, ANewGameWhoseSlotCannotBeWrittenTellsThePlayerAndGoesOn) {
  fs::create_directory("Systeme0.sav.tmp" + std::to_string(::getpid()));  // the slot's write goes here first
  bool avis = false;
  Script s;
  vers_les_slots(s);
  s.touche(SDLK_RETURN, 4)  // "New Game"
      .puis(4, [&] { avis = avis_a_l_ecran("Could not save Systeme0.sav"); })
      .quand(1, [] { return texte_a("Story", 26, 230); }, [] {})
      .fermer();
  EXPECT_EQ(s.lancer(), 0);
  EXPECT_TRUE(s.fini());
  EXPECT_TRUE(avis);
  EXPECT_FALSE(fs::exists("Systeme0.sav"));
}

TEST_F(FrontEnd, DeletingASlotMovesTheLaterSlotsDownWithTheirContents) {
  for (int n = 0; n < 3; ++n) slot(n, 10 * (n + 1), 0, 0);
  ecrire_fichier("Partie1.sav", "companion one");
  ecrire_fichier("Partie2.sav", "companion two");
  std::string deux = contenu("Systeme2.sav"), zero = contenu("Systeme0.sav");
  Script s;
  vers_les_slots(s);
  s.touche(SDLK_DOWN, 4)
      .touche(SDLK_DOWN)
      .touche(SDLK_RETURN)  // opens the list on "Delete"
      .touche(SDLK_DOWN)
      .touche(SDLK_RETURN)  // deletes the second slot; the screen reopens
      .puis(4, [&] { EXPECT_EQ(Relever_Nb_Partie(), 2); })
      .touche(SDLK_ESCAPE);
  EXPECT_EQ(s.lancer(), 0);
  EXPECT_TRUE(s.fini());
  EXPECT_EQ(contenu("Systeme0.sav"), zero);
  EXPECT_EQ(contenu("Systeme1.sav"), deux);
  EXPECT_FALSE(fs::exists("Systeme2.sav"));
  EXPECT_EQ(contenu("Partie1.sav"), "companion two");
  EXPECT_FALSE(fs::exists("Partie2.sav"));
  EXPECT_EQ(general::fichier_utilise, -1) << "Escape on the save slots ends the program";
}

TEST_F(FrontEnd, LoadingASlotOpensTheMainMenuAndStatisticsCountThePlayTime) {
  for (int n = 0; n < 3; ++n) slot(n, 5 + n, 2 + n, 100 * n);
  Script s;
  vers_les_slots(s);
  s.touche(SDLK_DOWN, 4)
      .touche(SDLK_RETURN)  // "Load a Saved Game"
      .touche(SDLK_DOWN)
      .touche(SDLK_DOWN)
      .touche(SDLK_RETURN)  // the third slot
      .puis(4, [&] {
        EXPECT_EQ(general::fichier_utilise, 2);
        EXPECT_EQ(general::nb_tue, 7);
        EXPECT_EQ(general::nb_mort, 4);
        EXPECT_EQ(general::wex_actuelle, 200);
        EXPECT_TRUE(texte_a("Story", 26, 230)) << "the main menu is open";
      })
      .touche(SDLK_DOWN)
      .touche(SDLK_RETURN)  // "Statistics"
      .puis(3, [&] {
        general::temps_de_jeu = 3599;
        Horloge::regler(0);
      });
  int h = 0, x_heures = 0, x_min = 0;
  s.puis(1, [&] {
     TTF_SizeText(general::Police, "Past Time : 0", &x_heures, &h);
     x_heures += 249;
     TTF_SizeText(general::Police, "  Hours 0", &x_min, nullptr);
     x_min += x_heures + 10;
     int y = 217 + h;
     EXPECT_TRUE(texte_a("Past Time : 0", 249, y));
     EXPECT_TRUE(texte_a("  Hours 59", x_heures, y));
     EXPECT_TRUE(texte_a("  min  59", x_min, y));
     EXPECT_TRUE(texte_a("Killed : 7", 249, 217 + 3 * h));
     Horloge::regler(1000);
   })
      .puis(1, [&] {
        int y = 217 + h;
        EXPECT_TRUE(texte_a("Past Time : 1", 249, y));
        EXPECT_TRUE(texte_a("  Hours 0", x_heures, y));
        EXPECT_TRUE(texte_a("  min  0", x_min, y));
      })
      .touche(SDLK_ESCAPE)  // back to a fresh main menu, on "Story"
      .touche(SDLK_DOWN)
      .touche(SDLK_DOWN)
      .touche(SDLK_RETURN)  // "Credits"
      .puis(3, [] {
        // The credits are drawn over the Escape hint's light key cap.
        SDL_Color c = pixel(860, 510);
        EXPECT_GT(c.r + c.g + c.b, 600) << "the Escape hint hidden under the credits";
      })
      .fermer();
  EXPECT_EQ(s.lancer(), 0);
  EXPECT_TRUE(s.fini());
  EXPECT_FALSE(general::continuer);
}

// Closing the window ends the program from wherever the player is.
class Fermeture : public FrontEnd, public ::testing::WithParamInterface<std::vector<SDLKey>> {};

TEST_P(Fermeture, ClosingTheWindowEndsTheProgram) {
  slot(0, 0, 0, 0);
  Script s;
  vers_les_slots(s);
  for (SDLKey k : GetParam()) s.touche(k, 4);
  s.fermer(4);
  EXPECT_EQ(s.lancer(), 0);
  EXPECT_TRUE(s.fini());
  EXPECT_FALSE(general::continuer);
}

INSTANTIATE_TEST_SUITE_P(
    Ecrans, Fermeture,
    ::testing::Values(std::vector<SDLKey>{},                                                 // save slots
                      std::vector<SDLKey>{SDLK_DOWN, SDLK_RETURN, SDLK_RETURN},              // main menu
                      std::vector<SDLKey>{SDLK_DOWN, SDLK_RETURN, SDLK_RETURN, SDLK_RETURN}, // story
                      std::vector<SDLKey>{SDLK_DOWN, SDLK_RETURN, SDLK_RETURN, SDLK_DOWN,
                                          SDLK_RETURN},                                       // statistics
                      std::vector<SDLKey>{SDLK_DOWN, SDLK_RETURN, SDLK_RETURN, SDLK_DOWN, SDLK_DOWN,
                                          SDLK_RETURN}));                                     // credits
