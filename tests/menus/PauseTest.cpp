// The pause screen over a running battle: its texts and objectives, and the
// three answers the battle acts on.
#include <filesystem>

#include "Bataille.h"
#include "Script.h"
#include "battle/JouerMap.h"
#include "battle/Sauvegarde.h"
#include "engine/Interface.h"
#include "menus/Pause.h"

namespace {

constexpr int MISSION = 0, PLAINE = 0;

class PauseBataille : public Bataille {
 protected:
  bool sauve() const { return std::filesystem::exists(dossier_ / nom_slot(1)); }
  static bool en_pause() { return general::pause && Tramer::Hero; }
  int hauteur(const char* t) {
    int h = 0;
    TTF_SizeText(general::Police, t, nullptr, &h);
    return h;
  }
};

TEST_F(PauseBataille, ReturnOpensThePauseWithObjectivesContinueRetryAndQuit) {
  general::wex_actuelle = 1250;
  bool textes = false, objectifs = false, libere = false;
  int32_t widgets = 0;
  Sint16 x_hero = 0;
  quand(en_bataille, [&] {
    widgets = Interface::derniere_interface;
    pousser_touche(SDLK_RETURN);
  });
  quand(en_pause, [&] {
    const int h = hauteur("Continue");
    textes = texte_a("Continue", 30, 88) && texte_a("Retry the level", 30, 88 + h) &&
             texte_a("Quit the Level", 30, 88 + 2 * h) && texte_a("Actual Wex : 1250", 600, 30);
    const int hl = hauteur("Take all Ennemies's Command Centers");
    objectifs = texte_a("Objectives : ", 376, 100) && texte_a("Take all Ennemies's Command Centers", 334, 166) &&
                texte_a("Or Exterminate all their reinforcement", 334, 166 + hl);
    EXPECT_EQ(Interface::derniere_interface, widgets + 1) << "the pause picture joins the HUD";
    // Escape on "Quit the Level" still continues.
    pousser_touche(SDLK_UP);
  });
  puis([] { pousser_touche(SDLK_ESCAPE); });
  quand([] { return en_bataille() && !general::pause; }, [&] {
    libere = Interface::derniere_interface == widgets;
    x_hero = Tramer::Hero->position.x;
    pousser_touche(SDLK_RETURN);
  });
  quand(en_pause, [] { pousser_touche(SDLK_DOWN); });
  puis([] { pousser_touche(SDLK_RETURN); });  // "Retry the level"
  quand([this] { return departs() == 2 && en_bataille() && !general::debut_partie; }, [] { pousser_touche(SDLK_RETURN); });
  quand(en_pause, [] { pousser_touche(SDLK_DOWN); });
  puis([] { pousser_touche(SDLK_DOWN); });
  puis([] { pousser_touche(SDLK_RETURN); });  // "Quit the Level"
  accrocher();
  EXPECT_EQ(JouerMap(MISSION, PLAINE), 1);
  EXPECT_TRUE(fini());
  EXPECT_TRUE(textes);
  EXPECT_TRUE(objectifs);
  EXPECT_TRUE(libere) << "the pause picture leaves the widget list";
  EXPECT_EQ(departs(), 2) << "the retry plays the map again from its start";
  EXPECT_FALSE(general::pause);
  EXPECT_TRUE(general::continuer);
  EXPECT_FALSE(sauve());
}

TEST_F(PauseBataille, KeysReleasedDuringThePauseAreReleasedAfterIt) {
  bool relache = false;
  quand(en_bataille, [] {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = SDLK_d;
    SDL_PushEvent(&e);
    pousser_touche(SDLK_RETURN);
  });
  quand(en_pause, [] {
    EXPECT_TRUE(Touches[SDLK_d]);
    SDL_Event e{};
    e.type = SDL_KEYUP;
    e.key.keysym.sym = SDLK_d;
    SDL_PushEvent(&e);
  });
  puis([] { pousser_touche(SDLK_RETURN); });
  quand([] { return en_bataille() && !general::pause; }, [&] {
    relache = !Touches[SDLK_d];
    fermer();
  });
  accrocher();
  EXPECT_EQ(JouerMap(MISSION, PLAINE), 3);
  EXPECT_TRUE(relache);
}

TEST_F(PauseBataille, ClosingTheWindowOnThePauseGivesTheHighlightedItem) {
  quand(en_bataille, [] { pousser_touche(SDLK_RETURN); });
  quand(en_pause, [] { pousser_touche(SDLK_DOWN); });
  puis([] { fermer(); });
  accrocher();
  EXPECT_EQ(JouerMap(MISSION, PLAINE), 3) << "a restart with the window closed is no battle";
  EXPECT_EQ(departs(), 1);
  EXPECT_FALSE(sauve());
}

}  // namespace
