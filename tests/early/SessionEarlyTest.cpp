// An earlier-program session from its entry point: start-up, a new game, the
// first mission's hero and weapons, and a battle that fires and throws. The
// demo data holds every file it reads, the accented aura folders included.
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Script.h"
#include "battle/Perso.h"
#include "characters/Tramer.h"
#include "editor/CreerPerso.h"
#include "editor/ProprieteMap.h"
#include "engine/Logos.h"

namespace fs = std::filesystem;

namespace {

class SessionAncienne : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    copier_donnees();
    for (const auto& f : fs::directory_iterator(dossier_))
      if (f.path().extension() == ".sav") fs::remove(f.path());
    general::continuer = true;
    general::fichier_utilise = -1;
    general::nb_mission_accompli = general::nb_map_accompli_mission = general::nb_map_accompli = 0;
  }
};

void souris(Uint8 type, Uint8 bouton) {
  SDL_Event e{};
  e.type = type;
  e.button.button = bouton;
  e.button.x = 700;
  e.button.y = 300;
  SDL_PushEvent(&e);
}

}  // namespace

TEST_F(SessionAncienne, AStartUpAndABattleReadNoMissingFile) {
  bool combat = false;
  int images = 0;
  Script s;
  s.puis(2 + NB_IMAGES_LOGOS + 2, [] { pousser_touche(SDLK_RETURN); });  // the title
  s.puis(5, [] { pousser_touche(SDLK_RETURN); });                        // a new game
  s.puis(60, [] { pousser_touche(SDLK_RETURN); });                       // the story
  s.puis(10, [] { pousser_touche(SDLK_RETURN); });                       // the first mission
  s.puis(20, [] { pousser_touche(SDLK_RETURN); });                       // the hero
  s.puis(20, [] { pousser_touche(SDLK_UP); });                           // start the mission
  s.puis(5, [] { pousser_touche(SDLK_RETURN); });
  s.quand(2, [&] {
    if (!Tramer::Hero && ++images % 40 == 0) pousser_touche(SDLK_ESCAPE);  // cut-scenes
    return Tramer::Hero && general::statut_jeu == 1 && !general::debut_partie;
  }, [&] {
    combat = true;
    souris(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
  });
  s.puis(60, [] {
    souris(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
    souris(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
  });
  s.puis(60, [] { souris(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT); });
  s.fermer(100);
  testing::internal::CaptureStderr();
  EXPECT_EQ(s.lancer(), 0);
  const std::string erreurs = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(combat) << "the script stopped after " << s.images() << " frames";
  EXPECT_EQ(erreurs.find("missing file"), std::string::npos) << erreurs;
}

TEST_F(SessionAncienne, ANewGameWhoseSlotCannotBeWrittenTellsThePlayer) {
  fs::create_directory(dossier_ / ("Systeme0.sav.tmp" + std::to_string(::getpid())));  // the slot's write goes here
  const std::string avis = "Sauvegarde impossible : Systeme0.sav";
  bool vu = false;
  Script s;
  s.puis(2 + NB_IMAGES_LOGOS + 2, [] { pousser_touche(SDLK_RETURN); });  // the title
  s.puis(5, [] { pousser_touche(SDLK_RETURN); });                        // a new game
  s.puis(4, [&] {
    int w = 0, h = 0;
    TTF_SizeText(general::Police, avis.c_str(), &w, &h);
    vu = texte_a(avis, (960 - w) / 2, (544 - h) / 2);
  });
  s.fermer();
  EXPECT_EQ(s.lancer(), 0);
  EXPECT_TRUE(vu);
}

TEST_F(SessionAncienne, ALongEditingSessionHoldsNoMoreMemoryRoundAfterRound) {
  const std::vector<long> tenus = memoire_des_tours_editeur(4);
  ASSERT_EQ(tenus.size(), 4u) << "the script stopped short";
  EXPECT_LT(tenus[3] - tenus[1], 1 << 20) << "the title screens' pictures are held";
}

TEST_F(SessionAncienne, AReturnTappedDuringAPropertiesDialogsRowWaitSavesOnceAndCloses) {
  retour_tape_dans_les_deux_dialogues();
}
