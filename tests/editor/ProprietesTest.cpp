// The two properties dialogs keep typed texts printable and short, and
// numbers inside what their fields hold.
#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "Banc.h"
#include "battle/Perso.h"
#include "characters/Element.h"
#include "editor/CreerPerso.h"
#include "editor/ProprieteMap.h"
#include "engine/Constantes.h"

namespace {

class Proprietes : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    general::continuer = true;
    general::event = SDL_Event{};
  }
  void TearDown() override {
    Horloge::crochet_image(nullptr);
    Banc::TearDown();
  }
  // Runs a dialog; every 12th frame the hook pushes the next key (SDLK_UNKNOWN
  // closes the window), then Return, the first `retour` frames after the last key.
  template <class F>
  void lancer(F dialogue, std::vector<std::pair<SDLKey, Uint16>> touches, int retour = 12) {
    int image = 0;
    size_t i = 0;
    general::event = SDL_Event{};  // nothing left over from a dialog before
    std::memset(Touches, 0, sizeof Touches);
    Horloge::crochet_image([&] {
      ++image;
      if (i < touches.size() ? image % 12 != 0 : (image - 12 * static_cast<int>(i) - retour) % 12 != 0) return;
      if (i < touches.size()) {
        SDL_Event fermer{};
        fermer.type = SDL_QUIT;
        if (touches[i].first == SDLK_UNKNOWN) SDL_PushEvent(&fermer);
        else pousser_touche(touches[i].first, touches[i].second);
        ++i;
      } else if (image < 2000) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = SDLK_RETURN;
        SDL_PushEvent(&e);
      } else {
        general::continuer = false;
      }
    });
    dialogue();
    Horloge::crochet_image(nullptr);
  }
};

}  // namespace

TEST_F(Proprietes, MapTextsTakePrintableCharactersUpToTheLimitAndNumbersNeverOverflow) {
  general::nom_fond = std::string(254, 'f').c_str();
  general::effectifs_map[0] = INT32_MAX / 10;
  general::temps_map = 0;
  lancer(proprietemap, {{SDLK_a, 'a'}, {SDLK_b, 'b'}, {SDLK_ESCAPE, 27}, {SDLK_DOWN, 0},
                        {SDLK_9, '9'}, {SDLK_RIGHT, 0}, {SDLK_UP, 0}, {SDLK_UP, 0}, {SDLK_LEFT, 0}});
  EXPECT_EQ(std::string(general::nom_fond.retournertexte()), std::string(254, 'f') + "a");
  EXPECT_EQ(general::effectifs_map[0], INT32_MAX / 10 + 1) << "a digit past the limit is refused";
  EXPECT_EQ(general::temps_map, 0) << "the time limit does not go below 0";
  EXPECT_TRUE(general::continuer);
}

TEST_F(Proprietes, AShortPressMovesOneRowWhileTheMouseMoves) {
  // Down pressed and released within a frame or two, behind and before a
  // stream of pointer motions; then Right on the row it reached.
  general::effectifs_map[0] = general::effectifs_map[1] = 0;
  int image = 0;
  Horloge::crochet_image([&] {
    ++image;
    SDL_Event e{};
    if (image == 20) {
      e.type = SDL_KEYDOWN;
      e.key.keysym.sym = SDLK_DOWN;
      SDL_PushEvent(&e);
      e.type = SDL_MOUSEMOTION;
      for (int i = 0; i < 40; ++i) {
        e.motion.x = static_cast<Uint16>(100 + i);
        SDL_PushEvent(&e);
      }
      e = SDL_Event{};
      e.type = SDL_KEYUP;
      e.key.keysym.sym = SDLK_DOWN;
      SDL_PushEvent(&e);
    } else if (image == 100) {
      pousser_touche(SDLK_RIGHT);
    } else if (image == 140) {
      e.type = SDL_KEYDOWN;
      e.key.keysym.sym = SDLK_RETURN;
      SDL_PushEvent(&e);
    } else if (image > 2000) {
      general::continuer = false;
    }
  });
  proprietemap();
  Horloge::crochet_image(nullptr);
  EXPECT_EQ(general::effectifs_map[0], 1) << "Right landed on the allies, one row down";
  EXPECT_EQ(general::effectifs_map[1], 0);
  EXPECT_TRUE(general::continuer);
}

TEST_F(Proprietes, CharacterLifeAndWexStayWithinTheirSixteenBits) {
  general::vie_perso = 70000;  // more than the file holds
  general::Wex = 5;
  general::nom_perso = "Garde";
  general::armeprincipale = 11;
  lancer(proprieteperso, {{SDLK_RIGHT, 0}, {SDLK_UP, 0}, {SDLK_UP, 0}, {SDLK_UP, 0}, {SDLK_UP, 0},
                          {SDLK_RIGHT, 0}, {SDLK_DOWN, 0}, {SDLK_LEFT, 0}});
  EXPECT_EQ(general::armeprincipale, 0) << "past the last weapon comes the first";
  EXPECT_EQ(general::vie_perso, VALEUR_PERSO_MAX);
  EXPECT_EQ(general::Wex, 5) << "Left stops above 0";
  EXPECT_STREQ(nom_arme_principale(-1), "");
  EXPECT_STREQ(nom_arme_principale(12), "");
}

TEST_F(Proprietes, CreateOrLoadAsksOnceThenLoadsTheNamedCharacterAndCloses) {
  general::nom_perso = "Garde";
  general::vie_perso = 1234;
  ASSERT_TRUE(SauvegarderPerso());
  general::nom_perso = "Autre";
  general::vie_perso = 5;
  std::vector<std::pair<SDLKey, Uint16>> touches = {{SDLK_UP, 0}, {SDLK_RETURN, 13}};
  touches.insert(touches.end(), 7, {SDLK_BACKSPACE, 8});  // "Nouveau" is cleared
  for (char c : std::string("Garde")) touches.push_back({static_cast<SDLKey>(c | 0x20), static_cast<Uint16>(c)});
  lancer(proprieteperso, touches);
  EXPECT_TRUE(general::continuer) << "the dialog asked for a name again instead of closing";
  EXPECT_STREQ(general::nom_perso.retournertexte(), "Garde");
  EXPECT_EQ(general::vie_perso, 1234);
}

TEST_F(Proprietes, AWindowClosedAtCreateOrLoadLeavesTheCharacterBeingEditedWhole) {
  general::nom_perso = "Garde";
  general::sexe = 1;
  for (int& c : Element::Construction_en_cours) c = 3;
  // Closed while the new name is typed, then at the new character's sex.
  for (bool au_sexe : {false, true}) {
    general::continuer = true;
    std::vector<std::pair<SDLKey, Uint16>> touches = {{SDLK_UP, 0}, {SDLK_RETURN, 13}, {SDLK_z, 'z'}};
    if (au_sexe) touches.push_back({SDLK_RETURN, 13});
    touches.push_back({SDLK_UNKNOWN, 0});
    lancer(proprieteperso, touches);
    EXPECT_FALSE(general::continuer);
    EXPECT_STREQ(general::nom_perso.retournertexte(), "Garde");
    EXPECT_EQ(general::sexe, 1);
    EXPECT_EQ(std::count(std::begin(Element::Construction_en_cours), std::end(Element::Construction_en_cours), 3),
              std::size(Element::Construction_en_cours));
  }
  // Nor is a new character whose sex was never chosen written.
  general::continuer = true;
  lancer([] { creerPerso("Neuf"); }, {{SDLK_UNKNOWN, 0}});
  EXPECT_FALSE(std::filesystem::exists("Neuf"));
  for (int& c : Element::Construction_en_cours) c = 0;
  general::sexe = 0;
}

TEST_F(Proprietes, ReturnRightAfterARowMoveDoesTheRowsActionBeforeClosing) {
  // Past the dialogs' first half second, up to the save row, Return 3 frames on.
  std::vector<std::pair<SDLKey, Uint16>> touches(4, {SDLK_F1, 0});
  touches.insert(touches.end(), 3, {SDLK_UP, 0});
  general::nom_map = "Vite";
  lancer(proprietemap, touches, 3);
  EXPECT_TRUE(std::filesystem::exists("Vite.map"));
  touches.pop_back();  // the character's save row is two rows up
  general::nom_perso = "Vite";
  lancer(proprieteperso, touches, 3);
  EXPECT_TRUE(std::filesystem::exists("Vite"));
  EXPECT_TRUE(general::continuer);
  // A save that fails is not left behind a closed dialog.
  general::nom_map = "Mission1.txt";
  touches.push_back({SDLK_UP, 0});
  lancer(proprietemap, touches, 3);
  EXPECT_FALSE(general::continuer) << "the dialog closed on a failed save";
}

TEST_F(Proprietes, AReturnTappedDuringTheRowMovesWaitSavesOnceAndCloses) {
  retour_tape_dans_les_deux_dialogues();
}

TEST_F(Proprietes, ANameRetypedAfterClearingItGivesTheMapNoLeadingBlank) {
  general::nom_fond = "a";
  general::Meteorologie = "Rien/";
  std::vector<std::pair<SDLKey, Uint16>> touches = {{SDLK_BACKSPACE, 8}, {SDLK_b, 'b'}};
  touches.insert(touches.end(), 7, {SDLK_DOWN, 0});
  touches.insert(touches.end(), 5, {SDLK_BACKSPACE, 8});
  for (char c : std::string("Pluie/")) touches.push_back({static_cast<SDLKey>(c | 0x20), static_cast<Uint16>(c)});
  lancer(proprietemap, touches);
  EXPECT_STREQ(general::nom_fond.retournertexte(), "b");
  EXPECT_STREQ(general::Meteorologie.retournertexte(), "Pluie/") << "the row closed with the dialog";
}
