// A whole first session from the program's entry point, on the virtual
// clock: a new game, the first mission's two maps won from the frame hook,
// back to the main menu with the progress in the slot, and the window closed.
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "Script.h"
#include "battle/Sauvegarde.h"
#include "characters/Tramer.h"
#include "editor/Objet_de_Reference.h"
#include "engine/Interface.h"
#include "engine/Demarrage.h"
#include "engine/Logos.h"

namespace fs = std::filesystem;

namespace {

constexpr int AVANT_TITRE = 2 + NB_IMAGES_LOGOS;
constexpr int LIMITE = 30000;

// Each step runs at the first frame its condition holds, at least `attente`
// frames after the step before. Too many frames, or a script run dry, close
// the window so the test cannot hang.
class PartieComplete : public Banc {
 protected:
  void SetUp() override {
    Banc::SetUp();
    copier_donnees();
    // A session played by hand in the data folder leaves its slots behind.
    for (const auto& f : fs::directory_iterator(dossier_))
      if (f.path().extension() == ".sav") fs::remove(f.path());
    general::continuer = true;
    general::fichier_utilise = -1;
    general::nb_mission_accompli = general::nb_map_accompli_mission = general::nb_map_accompli = 0;
    general::nb_tue = general::nb_mort = general::nb_hs = general::wex_actuelle = 0;
    general::temps_de_jeu = 0;
  }

  void quand(std::function<bool()> c, std::function<void()> f, int attente = 2) {
    etapes_.push_back({std::move(c), std::move(f), attente});
  }
  void puis(int attente, std::function<void()> f) { quand([] { return true; }, std::move(f), attente); }

  int lancer() {
    Horloge::crochet_image([this] {
      ++images_;
      ++depuis_;
      if (images_ > LIMITE || (etapes_.empty() && depuis_ > 200)) {
        fermer();
        return;
      }
      if (etapes_.empty() || depuis_ < etapes_.front().attente || !etapes_.front().quand()) return;
      depuis_ = 0;
      auto f = std::move(etapes_.front().faire);
      etapes_.pop_front();
      f();
    });
    int r = SDL_main(0, nullptr);
    Horloge::crochet_image(nullptr);
    return r;
  }
  static void fermer() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
  }
  static bool menu_principal() { return texte_a("Story", 26, 230); }
  static bool combat() { return Tramer::Hero && general::statut_jeu == 1 && !general::debut_partie; }

  struct Etape {
    std::function<bool()> quand;
    std::function<void()> faire;
    int attente;
  };
  std::deque<Etape> etapes_;
  int images_ = 0;
  int depuis_ = 0;
};

std::string contenu(const std::string& nom) {
  std::ifstream f(nom, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

}  // namespace

TEST_F(PartieComplete, ANewGameWinsTheFirstMissionSavesTheFrontierAndQuits) {
  bool choisi = false;
  int cinematiques = 0, images_fin = 0, attente = 0;
  std::string cartes[2];
  std::string slot_apres_plaine;
  // Skips whatever cut-scene is on screen, a while after it shows.
  auto passer = [&](bool cinematique) {
    if (!cinematique) return;
    ++cinematiques;
    if (++attente % 40 == 0) pousser_touche(SDLK_ESCAPE);
  };

  puis(AVANT_TITRE + 2, [] { pousser_touche(SDLK_RETURN); });  // the title
  puis(4, [] { pousser_touche(SDLK_RETURN); });                // "New Game"
  quand(menu_principal, [] { pousser_touche(SDLK_RETURN); }, 4);  // "Story"
  puis(4, [] { pousser_touche(SDLK_RETURN); });                    // the first mission
  puis(20, [] { pousser_touche(SDLK_RETURN); });                   // the hero
  puis(20, [] { pousser_touche(SDLK_UP); });                       // weapons: "Start the Mission"
  puis(5, [&] {
    pousser_touche(SDLK_RETURN);
    choisi = true;
  });
  quand([&] {
    passer(choisi && !Tramer::Hero);
    return combat();
  }, [&] {
    cartes[0] = general::nom_map.retournertexte();
    // The editor's palette column, left on the widget list, once hid the
    // battle's left side.
    EXPECT_FALSE(Cadre_Mappeur && Cadre_Mappeur->enregistre());
    SDL_Color c = pixel(100, 300);
    EXPECT_GT(std::abs(c.r - 40) + std::abs(c.g - 44) + std::abs(c.b - 52), 6)
        << "the editor's palette drawn over the battle";
    general::effectifs_map[1] = 0;
  });
  quand([&] {
    if (general::statut_jeu == 0) ++images_fin;
    passer(general::statut_jeu == 0 || (general::statut_jeu == 1 && !Tramer::Hero));
    return combat();
  }, [&] {
    cartes[1] = general::nom_map.retournertexte();
    slot_apres_plaine = contenu(nom_slot(general::fichier_utilise));
    general::effectifs_map[1] = 0;
  });
  quand([&] {
    if (menu_principal()) return true;
    passer(general::statut_jeu == 0);
    return false;
  }, [] { fermer(); }, 4);

  testing::internal::CaptureStderr();
  EXPECT_EQ(lancer(), 0);
  const std::string erreurs = testing::internal::GetCapturedStderr();
  EXPECT_EQ(erreurs.find("missing file"), std::string::npos) << "the demo data lacks what the game reads:\n" << erreurs;
  EXPECT_TRUE(etapes_.empty()) << "the script stopped after " << images_ << " frames";
  EXPECT_FALSE(general::continuer);
  EXPECT_EQ(cartes[0], "Plaine.map");
  EXPECT_EQ(cartes[1], "Usine.map") << "the won map chains the mission's next one";
  EXPECT_GT(images_fin, 0) << "the end cut-scene was shown";
  EXPECT_GT(cinematiques, 0);

  // A new game in an empty folder takes the first slot.
  ASSERT_EQ(general::fichier_utilise, 0);
  ASSERT_EQ(slot_apres_plaine.size(), static_cast<size_t>(TAILLE_SLOT));
  EXPECT_EQ(slot_apres_plaine[10], 1) << "one map completed";
  EXPECT_EQ(slot_apres_plaine[13], 1) << "the frontier moved to the mission's second map";
  EXPECT_EQ(slot_apres_plaine[14], 0);

  // The mission's last map moved the frontier to the next mission's first map.
  std::string slot = contenu(nom_slot(0));
  ASSERT_EQ(slot.size(), static_cast<size_t>(TAILLE_SLOT));
  general::nb_mission_accompli = general::nb_map_accompli_mission = general::nb_map_accompli = 0;  // a fresh run
  LectureSysteme(1, 0);
  EXPECT_EQ(general::nb_map_accompli, 2);
  EXPECT_EQ(general::nb_map_accompli_mission, 0);
  EXPECT_EQ(general::nb_mission_accompli, 1);
}
