// A whole first session from the program's entry point, on the virtual
// clock: a new game, the first mission's two maps won from the frame hook,
// back to the main menu with the progress in the slot, and the window closed.
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "PartieComplete.h"
#include "battle/Sauvegarde.h"
#include "editor/Objet_de_Reference.h"
#include "engine/Interface.h"

namespace {

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
  uint32_t secondes_alors = 0;
  // Skips whatever cut-scene is on screen, a while after it shows.
  auto passer = [&](bool cinematique) {
    if (!cinematique) return;
    ++cinematiques;
    if (++attente % 40 == 0) pousser_touche(SDLK_ESCAPE);
  };

  puis([] {
    Horloge::avancer(90000);  // a minute and a half on the title before "New Game"
    pousser_touche(SDLK_RETURN);
  }, AVANT_TITRE + 2);
  puis([] { pousser_touche(SDLK_RETURN); }, 4);                // "New Game"
  premiere_mission(choisi);
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
    // Ten enemies just came back; 15 s on, the window lets the next one in.
    Tramer* ennemi = nullptr;
    for (int i = 0; i < Tramer::nb_persos && !ennemi; ++i)
      if (Tramer::Persos[i]->camp == ENNEMI && Tramer::Persos[i]->affichage) ennemi = Tramer::Persos[i];
    ASSERT_NE(ennemi, nullptr);
    ennemi->vivant = false;
    Tramer::limite[ENNEMI] = 10;
    Horloge::avancer(15001);
    ennemi->reapparaitre2();
    EXPECT_TRUE(ennemi->vivant) << "the respawn window reopens 15 s after the battle began";
    general::effectifs_map[1] = 0;
  });
  quand([&] {
    if (general::statut_jeu == 0) ++images_fin;
    passer(general::statut_jeu == 0 || (general::statut_jeu == 1 && !Tramer::Hero));
    return combat();
  }, [&] {
    cartes[1] = general::nom_map.retournertexte();
    slot_apres_plaine = contenu(nom_slot(general::fichier_utilise));
    secondes_alors = Horloge::ticks() / 1000;
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
  EXPECT_TRUE(fini()) << "the script stopped after " << images() << " frames";
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
  // The new game's own seconds, read back from its slot, are not time from before this run.
  uint32_t temps = 0;
  for (int i = 3; i >= 0; --i) temps = temps << 8 | static_cast<unsigned char>(slot_apres_plaine[i]);
  EXPECT_GE(temps, 90u);
  EXPECT_LE(temps, secondes_alors) << "the play time counts the menus' seconds once";

  // The mission's last map moved the frontier to the next mission's first map.
  std::string slot = contenu(nom_slot(0));
  ASSERT_EQ(slot.size(), static_cast<size_t>(TAILLE_SLOT));
  general::nb_mission_accompli = general::nb_map_accompli_mission = general::nb_map_accompli = 0;  // a fresh run
  LectureSysteme(1, 0);
  EXPECT_EQ(general::nb_map_accompli, 2);
  EXPECT_EQ(general::nb_map_accompli_mission, 0);
  EXPECT_EQ(general::nb_mission_accompli, 1);
}
