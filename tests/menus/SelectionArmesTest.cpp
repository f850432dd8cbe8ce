#include "Apparences.h"
#include "Choix.h"
#include "Script.h"
#include "characters/Element.h"
#include "characters/InitierPersos.h"
#include "menus/SelectionArmes.h"
#include "weapons/Armes.h"
#include "weapons/Katana.h"

namespace {

// The start-up catalogue, built afresh for each test and taken down after.
class Loadout : public Choix {
 protected:
  void SetUp() override {
    Choix::SetUp();
    vider_apparences();
    InitierPersos();
    general::wex_actuelle = 0;
    general::fusil_choisi = 0;
    general::pistolet_choisi = 8;
    general::melee_choisie = general::projectile_choisi = general::aura_choisie = 0;
  }
  void TearDown() override {
    LibererCatalogue();
    vider_apparences();
    general::wex_actuelle = 0;
    Choix::TearDown();
  }
  int ligne() {
    int h = 0;
    TTF_SizeText(general::Police, "QD-AR", nullptr, &h);
    return h;
  }
  // From a list screen back through its family screen to the root, then
  // "Start the Mission".
  static std::vector<Pas> puis_partir() { return touches({SDLK_ESCAPE, SDLK_UP, SDLK_RETURN}); }
};

bool gris(SDL_Color c) { return c.r == 122 && c.g == 122 && c.b == 122; }

}  // namespace

TEST_F(Loadout, WeaponsUnlockAtTheirThresholdAndNotBefore) {
  general::wex_actuelle = 499;
  EXPECT_EQ(zone_dispo(Fusils, 8), 1);
  general::wex_actuelle = 500;
  EXPECT_EQ(zone_dispo(Fusils, 8), 2);
  EXPECT_EQ(zone_dispo(Projectiles, 4), 3);
  general::wex_actuelle = 0;
  EXPECT_EQ(zone_dispo(Fusils, 8), 1);
  EXPECT_EQ(zone_dispo(Pistolets, 4), 1);
  EXPECT_EQ(zone_dispo(Melee, 5), 1);
  EXPECT_EQ(zone_dispo(Projectiles, 4), 1);
  EXPECT_EQ(zone_dispo(Element::Auras, 3), 3) << "every aura from the start";
  general::wex_actuelle = 100000;
  EXPECT_EQ(zone_dispo(Fusils, 8), 8);
  EXPECT_EQ(zone_dispo(Pistolets, 8), 4) << "the unused places of the list end it";
  general::wex_actuelle = -1;
  EXPECT_EQ(zone_dispo(Fusils, 8), 0);
  EXPECT_EQ(zone_dispo(nullptr, 8), 0);
}

TEST_F(Loadout, EscapeOnAListStoresItsFirstEntryAndLeavesTheOtherFamilysChoice) {
  general::wex_actuelle = 10000;
  general::fusil_choisi = 5;
  general::pistolet_choisi = 10;
  script(touches({SDLK_ESCAPE}) + puis_partir());
  Selectionner_Fusils(nullptr);
  EXPECT_EQ(general::fusil_choisi, 0);
  EXPECT_EQ(general::pistolet_choisi, 10);
  general::fusil_choisi = 3;
  script(touches({SDLK_ESCAPE}) + puis_partir());
  Selectionner_Pistolets(nullptr);
  EXPECT_EQ(general::pistolet_choisi, 8);
  EXPECT_EQ(general::fusil_choisi, 3) << "a glance at the light weapons leaves the rifle in hand";
  EXPECT_TRUE(general::continuer);
  EXPECT_FALSE(a_sec());
}

TEST_F(Loadout, UpFromTheFirstEntryGoesToTheLastUnlockedOne) {
  general::wex_actuelle = 500;
  int h = ligne();
  SDL_Color barre{}, dessous{};
  script(touches({SDLK_UP}) + std::vector<Pas>{[&] {
           barre = pixel(214, 230 + h + 2);
           dessous = pixel(214, 230 + 2 * h + 2);
         }} +
         touches({SDLK_RETURN}) + puis_partir());
  Selectionner_Fusils(nullptr);
  EXPECT_EQ(general::fusil_choisi, 1) << "N-10, not the locked last rifle";
  EXPECT_TRUE(gris(barre));
  EXPECT_FALSE(gris(dessous));

  general::wex_actuelle = 1000;
  script(touches({SDLK_UP, SDLK_RETURN}) + puis_partir());
  Selectionner_Projectile(nullptr);
  EXPECT_EQ(general::projectile_choisi, 3);

  general::wex_actuelle = 0;
  script(touches({SDLK_DOWN, SDLK_UP, SDLK_UP, SDLK_RETURN}) + puis_partir());
  Selectionner_Melee(nullptr);
  EXPECT_EQ(general::melee_choisie, 0) << "with one blade unlocked the highlight stays on it";
  EXPECT_FALSE(a_sec());
}

TEST_F(Loadout, AListWithNothingUnlockedStoresItsFirstEntry) {
  // A save slot can hold anything: below the first threshold nothing is
  // offered, and the stored choice still names a weapon.
  general::wex_actuelle = -50;
  general::fusil_choisi = 4;
  script(touches({SDLK_UP, SDLK_UP, SDLK_RETURN}) + puis_partir());
  Selectionner_Fusils(nullptr);
  EXPECT_EQ(general::fusil_choisi, 0);
  EXPECT_FALSE(a_sec());
}

TEST_F(Loadout, TheHighlightedWeaponsSheetIsDrawnAndMissingSheetsAreNot) {
  general::wex_actuelle = 10000;
  ecrire_png("Menus/histoire/Missions/armes/fusils/N10.png", 320, 160, 0xFF0000FFu);
  std::filesystem::remove("Menus/histoire/Missions/armes/fusils/old.png");
  SDL_Color premiere{}, deuxieme{}, absente{};
  script(std::vector<Pas>{[&] { premiere = pixel(100, 20); }} + touches({SDLK_DOWN}) +
         std::vector<Pas>{[&] { deuxieme = pixel(100, 20); }} + touches({SDLK_DOWN}) +
         std::vector<Pas>{[&] { absente = pixel(100, 20); }} + touches({SDLK_RETURN}) + puis_partir());
  Selectionner_Fusils(nullptr);
  EXPECT_EQ(general::fusil_choisi, 2);
  EXPECT_EQ(premiere.r, 50);
  EXPECT_EQ(premiere.g, 60);
  EXPECT_EQ(deuxieme.r, 255);
  EXPECT_EQ(deuxieme.g, 0);
  EXPECT_EQ(absente.r, 0) << "nothing where the sheet is missing";
  EXPECT_EQ(absente.g, 0);
}

TEST_F(Loadout, AWholeLoadoutThroughTheTreeThenStartTheMission) {
  general::wex_actuelle = 10000;
  bool titre = false, racine = false;
  script(std::vector<Pas>{[&] { titre = texte_a("Weapon's Choice :", 20, 220); }} +
         touches({SDLK_RETURN,                           // Main Weapon
                  SDLK_RETURN, SDLK_DOWN, SDLK_RETURN,   // rifle 1
                  SDLK_DOWN, SDLK_RETURN,                // Light Weapon
                  SDLK_DOWN, SDLK_DOWN, SDLK_RETURN,     // pistol 2
                  SDLK_ESCAPE,                           // back to the root
                  SDLK_DOWN, SDLK_RETURN,                // Secondary Weapon
                  SDLK_RETURN, SDLK_UP, SDLK_RETURN,     // blade 4
                  SDLK_DOWN, SDLK_RETURN, SDLK_DOWN, SDLK_RETURN,  // throwable 1
                  SDLK_DOWN, SDLK_DOWN, SDLK_RETURN,     // Aura
                  SDLK_DOWN, SDLK_DOWN, SDLK_RETURN}) +  // aura 2, back on the root
         std::vector<Pas>{[&] {
           // The root again, on its first item: the aura did not lead to
           // the secondary weapons.
           racine = texte_a("Weapon's Choice :", 20, 220) && gris(pixel(214, 326 + 2));
         }} +
         touches({SDLK_UP, SDLK_RETURN}));
  Selectionner_Armes(nullptr);
  EXPECT_TRUE(titre);
  EXPECT_TRUE(racine);
  EXPECT_EQ(general::fusil_choisi, 1);
  EXPECT_EQ(general::pistolet_choisi, 10);
  EXPECT_EQ(general::melee_choisie, 4);
  EXPECT_EQ(general::projectile_choisi, 1);
  EXPECT_EQ(general::aura_choisie, 2);
  EXPECT_TRUE(general::continuer);
  EXPECT_FALSE(a_sec());
}

TEST_F(Loadout, EscapeOnTheRootOpensTheMainMenu) {
  bool menu = false;
  script(touches({SDLK_ESCAPE}) + std::vector<Pas>{[&] { menu = texte_a("Story", 26, 230); }, fermer()});
  Selectionner_Armes(nullptr);
  EXPECT_TRUE(menu);
  EXPECT_FALSE(general::continuer);
}

TEST_F(Loadout, ClosingTheWindowOnAListKeepsTheHighlightAndUnwindsTheChain) {
  general::wex_actuelle = 10000;
  general::melee_choisie = 0;
  script(touches({SDLK_DOWN, SDLK_DOWN}) + std::vector<Pas>{fermer()});
  Selectionner_Melee(nullptr);
  EXPECT_EQ(general::melee_choisie, 2);
  EXPECT_FALSE(general::continuer);
  // Entered after the close, the screens pass straight through.
  general::aura_choisie = 1;
  Selectionner_Aura(nullptr);
  EXPECT_EQ(general::aura_choisie, 0);
  Selectionner_Armes_Principales(nullptr);
}
