// Whole battles on the demo maps, driven from the frame hook: the outcome,
// what is saved, the cut-scenes, the game-over screen and the maps that
// cannot be played.
#include <filesystem>

#include "Bataille.h"
#include "CarteEssai.h"
#include "Script.h"
#include "battle/JouerMap.h"
#include "battle/Sauvegarde.h"
#include "engine/Afficher_munitions.h"
#include "engine/Barre.h"
#include "engine/Interface.h"
#include "engine/OuvrirImage.h"
#include "weapons/Armes.h"

namespace fs = std::filesystem;

namespace {

constexpr int MISSION = 0, PLAINE = 0;

class Battle : public Bataille {
 protected:
  void SetUp() override {
    Bataille::SetUp();
    general::nb_mission_accompli = 0;
    general::nb_map_accompli_mission = 0;
    general::nb_map_accompli = 0;
  }
  bool sauve() const { return fs::exists(dossier_ / nom_slot(1)); }
  static bool game_over() { return Tramer::Hero && general::statut_jeu == 2; }
};

TEST_F(Battle, WonMapAdvancesTheCampaignSavesAndPlaysTheEndCutScene) {
  garder_cinematiques();
  int images_debut = 0, apres = 0, ciel = 0;
  quand([&] {
    if (en_bataille()) return true;
    if (!Tramer::Hero) ++images_debut, pousser_touche(SDLK_ESCAPE);  // the start cut-scene
    return false;
  }, [&] {
    EXPECT_EQ(general::effectifs_map[1], 30);
    general::effectifs_map[1] = 0;
  });
  quand([&] {
    if (general::statut_jeu != 0) return false;
    ciel = std::max<int>(ciel, pixel(480, 200).b);
    // Time for a picture to fade in, then skip the rest.
    if (++apres % 100 == 0) pousser_touche(SDLK_ESCAPE);
    return false;
  }, [] {});
  accrocher();
  EXPECT_EQ(JouerMap(MISSION, PLAINE), 0);
  EXPECT_EQ(departs(), 1);
  EXPECT_GT(images_debut, 0) << "the start cut-scene was shown";
  EXPECT_GT(apres, 0) << "the end cut-scene was shown";
  EXPECT_GT(ciel, 150) << "its sky, not the battle's grey";
  EXPECT_TRUE(sauve());
  EXPECT_EQ(general::nb_map_accompli_mission, 1);
  EXPECT_EQ(general::nb_map_accompli, 1);
  // The HUD went with the battle.
  EXPECT_EQ(Interface::derniere_interface, 0);
}

TEST_F(Battle, LostMapOpensGameOverWhoseRetryPlaysTheMapAgain) {
  bool textes = false;
  quand(en_bataille, [] { general::effectifs_map[0] = 0; });
  quand(game_over, [&] {
    int h = 0;
    TTF_SizeText(general::Police, "Retry ?", nullptr, &h);
    textes = texte_a("Retry ?", 300, 320) && texte_a("Return to main screen", 300, 320 + h);
    pousser_touche(SDLK_DOWN);
  });
  puis([] { pousser_touche(SDLK_UP); });
  puis([] { pousser_touche(SDLK_RETURN); });
  quand(en_bataille, [] { general::effectifs_map[1] = 0; });
  accrocher();
  EXPECT_EQ(JouerMap(MISSION, PLAINE), 0) << "the replay's win is the result";
  EXPECT_TRUE(textes);
  EXPECT_EQ(departs(), 2);
  EXPECT_TRUE(sauve());
}

TEST_F(Battle, LostMapLeftFromGameOverGivesOneAndSavesNothing) {
  quand(en_bataille, [] { general::effectifs_map[0] = 0; });
  quand(game_over, [] { pousser_touche(SDLK_DOWN); });
  puis([] { pousser_touche(SDLK_RETURN); });
  accrocher();
  EXPECT_EQ(JouerMap(MISSION, PLAINE), 1);
  EXPECT_EQ(departs(), 1);
  EXPECT_FALSE(sauve());
}

// The line of a notice, as it stands in the middle of the screen.
bool avis_a_l_ecran(const std::string& t) {
  int w = 0, h = 0;
  TTF_SizeText(general::Police, t.c_str(), &w, &h);
  return texte_a(t, (960 - w) / 2, (544 - h) / 2);
}

TEST_F(Battle, MissingOrDamagedMapPlaysNothingSavesNothingAndTellsThePlayer) {
  fs::rename(dossier_ / "Plaine.map", dossier_ / "Plaine.garde");
  int vus = 0;
  Uint32 debut = Horloge::ticks();
  accrocher();
  Horloge::crochet_image([&] { vus += avis_a_l_ecran("Map not found: Plaine.map"); });
  testing::internal::CaptureStderr();
  EXPECT_EQ(JouerMap(MISSION, PLAINE), 1);
  std::string erreurs = testing::internal::GetCapturedStderr();
  EXPECT_NE(erreurs.find("Plaine.map"), std::string::npos) << erreurs;
  EXPECT_GT(vus, 0);
  EXPECT_NEAR(static_cast<double>(Horloge::ticks() - debut), 3000.0, 200.0) << "about three seconds";
  EXPECT_FALSE(sauve());
  EXPECT_EQ(general::nb_map_accompli, 0);

  // Records cut short: no battle either.
  vus = 0;
  ecrire_fichier("Plaine.map", std::string("\x05\x00\x00\x00\x07\x01\x00", 7));
  Horloge::crochet_image([&] { vus += avis_a_l_ecran("Map damaged: Plaine.map"); });
  EXPECT_EQ(JouerMap(MISSION, PLAINE), 1);
  EXPECT_GT(vus, 0);
  EXPECT_FALSE(sauve());

  // A world so full that the hero finds no place in it: no battle either.
  fs::rename(dossier_ / "Plaine.garde", dossier_ / "Plaine.map");
  plaine_sans_place_pour_le_hero([] { return avis_a_l_ecran("Map without a hero: Plaine.map") && !Tramer::Hero; });
  EXPECT_FALSE(sauve());
}

TEST_F(Battle, AWonMapWhoseSlotCannotBeWrittenStandsAndTellsThePlayer) {
  fs::create_directory(dossier_ / nom_slot(1));  // nothing can be renamed over it
  int vus = 0;
  quand(en_bataille, [] { general::effectifs_map[1] = 0; });
  quand([&] {
    vus += avis_a_l_ecran("Could not save Systeme1.sav");
    return false;
  }, [] {});
  accrocher();
  EXPECT_EQ(JouerMap(MISSION, PLAINE), 0);
  EXPECT_GT(vus, 30) << "shown for a while";
  EXPECT_EQ(general::nb_map_accompli_mission, 1) << "the win stands";
  EXPECT_TRUE(fs::is_directory(dossier_ / nom_slot(1)));
}

TEST_F(Battle, ClosingTheWindowEndsTheBattleWithoutSavingEvenWithoutHudPictures) {
  fs::remove(dossier_ / "HUD" / "vie.png");
  fs::remove(dossier_ / "HUD" / "aura.png");
  quand(en_bataille, [] { fermer(); });
  accrocher();
  EXPECT_EQ(JouerMap(MISSION, PLAINE), 3);
  EXPECT_FALSE(general::continuer);
  EXPECT_FALSE(sauve());
  // A battle started with the window already closed plays nothing.
  EXPECT_EQ(JouerMap(MISSION, PLAINE), 3);
  EXPECT_EQ(departs(), 1);
}

TEST_F(Battle, HudAndReinforcementsStartFromWhatStandsOnTheMap) {
  bool vu = false;
  quand(en_bataille, [&] {
    vu = true;
    EXPECT_EQ(general::effectifs_map[0], 30);
    Tramer* h = Tramer::Hero;
    EXPECT_EQ(h->camp, ALLIE);
    EXPECT_EQ(h->classe, HERO);
    EXPECT_EQ(h->comportement_actuel, JOUEUR);
    EXPECT_EQ(Mapping::centre_scrolling, h);
    EXPECT_EQ(general::nom_perso.retournertexte(), std::string("Korvan"));
    // The life gauge: 278 points in cells of the cell picture's width.
    SDL_Surface* cellule = AllouerImage("HUD/vie.png", 0, false);
    ASSERT_NE(cellule, nullptr);
    ASSERT_GT(cellule->w, 0);
    bool jauge = false;
    for (int32_t i = 0; i < Interface::derniere_interface; ++i)
      if (auto* b = dynamic_cast<Barre*>(Interface::Interfaces[i]); b && b->valeur_suivie == &h->stats.pv_restants)
        jauge = b->nb_gellule == 278 / cellule->w;
    EXPECT_TRUE(jauge);
    fermer();
  });
  accrocher();
  EXPECT_EQ(JouerMap(MISSION, PLAINE), 3);
  EXPECT_TRUE(vu);
}

TEST_F(Battle, ReinforcementsAreNeverFewerThanTheSoldiersOnTheMap) {
  // Two allies and an enemy; the file gives 1 allied and 50 enemy reinforcements.
  ecrire_fichier("Plaine.map", carte({{DIVERS, 1, 240, 272}, {ALLIES, 0, 300, 230}, {ALLIES, 0, 340, 230},
                                      {ENNEMIS, 0, 600, 230}, {DIVERS, 5, 700, 230}, {DIVERS, 3, 200, 230}},
                                     true, 1, 50));
  int32_t allies = 0, ennemis = 0;
  quand(en_bataille, [&] {
    allies = general::effectifs_map[0];
    ennemis = general::effectifs_map[1];
    fermer();
  });
  accrocher();
  EXPECT_EQ(JouerMap(MISSION, PLAINE), 3);
  EXPECT_EQ(allies, 3) << "the hero counts";
  EXPECT_EQ(ennemis, 50);
}

TEST_F(Battle, AMapFillingTheSoldierAndWorldTablesKeepsRoomForBothHeroesAndItsBattleEnds) {
  const Foule f = plaine_comble();
  EXPECT_EQ(f.fin, 0);
  EXPECT_EQ(f.heros, 2) << "the player chose his hero: both come";
  EXPECT_NE(f.erreurs.find("the soldier table is full"), std::string::npos) << f.erreurs;
  EXPECT_NE(f.erreurs.find("the world table is full"), std::string::npos) << f.erreurs;
}

TEST_F(Battle, PointerAimsDirectlyOrByOffsetThroughTheScopeAndTheWheelLastsOneFrame) {
  auto bouger = [](int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
  };
  SDL_Rect direct{}, decale{}, abord{};
  bool roue = false, roue_apres = true;
  quand(en_bataille, [&] { bouger(100, 200); });
  puis([&] {
    direct = Tramer::Hero->cible;
    Tramer::Hero->action = VISER;
    Tramer::Hero->cible = {500, 100, 0, 0};
    bouger(130, 190);
  });
  puis([&] {
    decale = Tramer::Hero->cible;
    Tramer::Hero->affichage = false;  // aboard, still in his scope stance
    bouger(300, 250);
  });
  puis([&] {
    abord = Tramer::Hero->cible;
    Tramer::Hero->affichage = true;
    Tramer::Hero->action = COURIR;
    clic(10, 10, 4);
  });
  puis([&] { roue = Souris[4]; }, 1);
  puis([&] {
    roue_apres = Souris[4];
    fermer();
  }, 1);
  accrocher();
  EXPECT_EQ(JouerMap(MISSION, PLAINE), 3);
  EXPECT_EQ(direct.x, 100);
  EXPECT_EQ(direct.y, 200);
  EXPECT_EQ(decale.x, 530) << "through the scope the pointer moves the aim by its offset";
  EXPECT_EQ(decale.y, 90);
  EXPECT_EQ(abord.x, 300) << "aboard, the pointer aims directly";
  EXPECT_EQ(abord.y, 250);
  EXPECT_TRUE(roue);
  EXPECT_FALSE(roue_apres);
}

TEST_F(Battle, AButtonHeldAsTheLastMapEndedFiresNothingInTheNext) {
  Souris[SDL_BUTTON_LEFT] = true;  // still down when the last map was won
  bool tenu = true;
  int plein = -1, charge = -1;
  quand(en_bataille, [&] {
    tenu = Souris[SDL_BUTTON_LEFT];
    plein = Tramer::Hero->ArmePrincipale->get_recharge();
  });
  puis([&] {
    charge = Tramer::Hero->ArmePrincipale->get_charge_actuelle();
    fermer();
  }, 100);
  accrocher();
  EXPECT_EQ(JouerMap(MISSION, PLAINE), 3);
  EXPECT_FALSE(tenu);
  EXPECT_EQ(charge, plein) << "the hero has not fired by himself";
}

TEST_F(Battle, TheHerosGunFiresAfterTwentyFiveDaysOfPlayAsItDidAtStartUp) {
  EXPECT_GE(rafales_du_hero(0x80000000u + 60000), 3);
}

TEST_F(Battle, WithThePoolSpentTheHudShowsTheAllyWhoTakesOverFromThatFrame) {
  Tramer* premier = nullptr;
  bool vu = false;
  quand(en_bataille, [&] {
    premier = Tramer::Hero;
    for (int i = 0; i < Tramer::nb_persos; ++i)
      if (Tramer* t = Tramer::Persos[i]; t != premier && t->camp == ALLIE && t->ArmePrincipale) {
        t->ArmePrincipale->charge_actuelle = 7;
        t->ArmePrincipale->nb_munition = 11;
      }
    premier->vivant = false;
    premier->stats.pv_restants = 0;
    general::effectifs_map[ALLIE] = relever_nb_persos(ALLIE);  // nobody left to come back
    Horloge::avancer(5001);
  });
  // Inked pixels of a white line (the ammunition's white is 255, the life's 254).
  auto ligne_a = [](const std::string& texte, int x, int y) {
    SDL_Surface* s = TTF_RenderText_Solid(general::Police, texte.c_str(), SDL_Color{255, 255, 255, 0});
    bool ok = s != nullptr;
    for (int j = 0; ok && j < s->h; ++j)
      for (int i = 0; ok && i < s->w; ++i)
        if (static_cast<Uint8*>(s->pixels)[j * s->pitch + i]) ok = pixel(x + i, y + j).r >= 254;
    SDL_FreeSurface(s);
    return ok;
  };
  quand([&] { return Tramer::Hero != premier; }, [&] {
    vu = true;
    Tramer* h = Tramer::Hero;
    ASSERT_GT(h->stats.pv_restants, 0);
    EXPECT_TRUE(ligne_a(std::to_string(h->stats.pv_restants), 10, 64)) << "his life, not the dead hero's 0";
    EXPECT_TRUE(ligne_a(texte_munitions(h->ArmePrincipale->charge_actuelle, h->ArmePrincipale->nb_munition), 8, 515));
    int jauges = 0, icones = 0;
    for (int32_t i = 0; i < Interface::derniere_interface; ++i) {
      if (auto* b = dynamic_cast<Barre*>(Interface::Interfaces[i]))
        jauges += b->valeur_suivie == &h->stats.pv_restants || b->valeur_suivie == &h->aura;
      if (auto* o = dynamic_cast<Afficher_OmbreArme*>(Interface::Interfaces[i]))
        icones += o->pointeur2 == &h->ArmePrincipale || o->pointeur2 == &h->ArmeSecondaire;
    }
    EXPECT_EQ(jauges, 2);
    EXPECT_EQ(icones, 2);
    fermer();
  }, 0);
  accrocher();
  EXPECT_EQ(JouerMap(MISSION, PLAINE), 3);
  EXPECT_TRUE(vu);
}

TEST(HeroChoice, MapSettingAndPlayersChoiceNameTheHeroFile) {
  EXPECT_EQ(nom_fichier_hero(0, 2), "Korvan");
  EXPECT_EQ(nom_fichier_hero(2, 0), "Vesk");
  EXPECT_EQ(nom_fichier_hero(static_cast<char>(200), 0), "Vesk");
  EXPECT_EQ(nom_fichier_hero(1, 0), "Korvan");
  EXPECT_EQ(nom_fichier_hero(1, 2), "Vesk");
  EXPECT_EQ(nom_fichier_hero(1, 2 + 256), "Vesk") << "the low byte counts";
  // A choice naming no hero leads with the first one, not a missing file.
  EXPECT_EQ(nom_fichier_hero(1, 1), "Korvan");
  EXPECT_EQ(nom_fichier_hero(1, 7), "Korvan");
}

}  // namespace
