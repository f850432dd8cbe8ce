#include <SDL_image.h>

#include <cstdlib>
#include <string>

#include "Bataille.h"
#include "Choix.h"
#include "Script.h"
#include "characters/Element.h"
#include "engine/Fonctions.h"
#include "menus/SelectionPerso.h"
#include "weapons/Armes.h"

namespace {

// The backdrop beside each hero (each picture is 300 px wide), bright when
// highlighted.
bool fond_korvan(SDL_Color c, bool choisi) {
  int d = choisi ? 1 : 2;
  return c.r == 40 / d && c.g == 60 / d && c.b == 80 / d;
}
bool fond_vesk(SDL_Color c, bool choisi) {
  int d = choisi ? 1 : 2;
  return c.r == 60 / d && c.g == 45 / d && c.b == 75 / d;
}

}  // namespace

TEST_F(Choix, AnImposedHeroIgnoresLeftAndRightAndIsStoredEitherWay) {
  SDL_Color gauche{}, droite{};
  auto bords = [&] {
    gauche = pixel(340, 272);
    droite = pixel(620, 272);
  };
  script(touches({SDLK_RIGHT, SDLK_LEFT}) + std::vector<Pas>{bords} + touches({SDLK_RETURN}));
  general::perso_choisi = 2;
  EXPECT_EQ(Selectionner_Perso(nullptr, 0), 1);
  EXPECT_EQ(general::perso_choisi, 0);
  EXPECT_TRUE(fond_korvan(gauche, true) && fond_korvan(droite, true)) << "Korvan alone, centred";

  script(touches({SDLK_LEFT}) + std::vector<Pas>{bords} + touches({SDLK_ESCAPE}));
  EXPECT_EQ(Selectionner_Perso(nullptr, 2), 0);
  EXPECT_EQ(general::perso_choisi, 2);
  EXPECT_TRUE(fond_vesk(gauche, true) && fond_vesk(droite, true)) << "Vesk alone, centred";
  EXPECT_TRUE(general::continuer);
}

TEST_F(Choix, FreeChoiceSwapsTheHighlightAndStartsOnKorvanEachTime) {
  SDL_Color k{}, v{}, k2{}, v2{};
  bool titre = false;
  int w = 0;
  TTF_SizeText(general::Police, "Character's Choice", &w, nullptr);
  script(std::vector<Pas>{[&] {
           k = pixel(200, 272);
           v = pixel(760, 272);
           titre = texte_a("Character's Choice", 480 - w / 2, 40);
         }} +
         touches({SDLK_RIGHT}) + std::vector<Pas>{[&] {
           k2 = pixel(200, 272);
           v2 = pixel(760, 272);
         }} +
         touches({SDLK_ESCAPE}));
  EXPECT_EQ(Selectionner_Perso(nullptr, 1), 0);
  EXPECT_EQ(general::perso_choisi, 2) << "Escape keeps the highlighted hero";
  EXPECT_TRUE(titre);
  EXPECT_TRUE(fond_korvan(k, true));
  EXPECT_TRUE(fond_vesk(v, false));
  EXPECT_TRUE(fond_korvan(k2, false));
  EXPECT_TRUE(fond_vesk(v2, true));

  script(touches({SDLK_RIGHT, SDLK_RIGHT, SDLK_RETURN}));
  EXPECT_EQ(Selectionner_Perso(nullptr, 1), 1);
  EXPECT_EQ(general::perso_choisi, 0);
  script(touches({SDLK_LEFT, SDLK_RETURN}));
  EXPECT_EQ(Selectionner_Perso(nullptr, 1), 1);
  EXPECT_EQ(general::perso_choisi, 2);
  script(touches({SDLK_LEFT, SDLK_LEFT, SDLK_RETURN}));
  EXPECT_EQ(Selectionner_Perso(nullptr, 1), 1);
  EXPECT_EQ(general::perso_choisi, 0);
  script(touches({SDLK_RETURN}));
  EXPECT_EQ(Selectionner_Perso(nullptr, 1), 1) << "Return without moving";
  EXPECT_EQ(general::perso_choisi, 0);
}

TEST_F(Choix, ClosingTheWindowOnTheHeroChoiceKeepsTheHighlightedHero) {
  script(touches({SDLK_RIGHT}) + std::vector<Pas>{fermer()});
  EXPECT_EQ(Selectionner_Perso(nullptr, 1), 1);
  EXPECT_EQ(general::perso_choisi, 2);
  EXPECT_FALSE(general::continuer);
}

TEST_F(Choix, HeroChoiceRunsWithoutItsPicturesAndOffersBothForAnUnknownSetting) {
  std::filesystem::remove_all("Menus");
  script(touches({SDLK_RIGHT, SDLK_RETURN}));
  EXPECT_EQ(Selectionner_Perso(nullptr, 7), 1);
  EXPECT_EQ(general::perso_choisi, 2) << "never a hero code the battle does not know";
  script(touches({SDLK_RETURN}));
  EXPECT_EQ(Selectionner_Perso(nullptr, -3), 1);
  EXPECT_EQ(general::perso_choisi, 0);
  EXPECT_FALSE(a_sec());
}

namespace {

class PortraitHeros : public Bataille {};

}  // namespace

// Each portrait shows its hero as the battle's own drawing puts him standing
// with the rifle aimed level to the right, with his own sex's shoulders: the
// body frame twice as large, its corner at (-20, 68) of the portrait. Over the
// same backdrop only the rounding of half see-through pixels may differ.
TEST_F(PortraitHeros, EachHeroStandsAsTheBattleDrawsHimAimingLevel) {
  struct Cas {
    const char* nom;
    const char* fichier;
    const char* arme;
    char sexe;
    Uint8 r, g, b;
  };
  general::Choix_perso = 0;  // no second hero brought along
  general::zoom = 1.0;
  general::dezoom = 0;
  general::Scrolling = general::origine;
  const Cas heros[2] = {{"Korvan", "korvan.png", "QD-AR", 0, 40, 60, 80}, {"Vesk", "vesk.png", "N-10", 1, 60, 45, 75}};
  for (const Cas& c : heros) {
    SCOPED_TRACE(c.nom);
    Tramer* t = Tramer::AllouerPerso(c.nom, false);
    ASSERT_NE(t, nullptr);
    Armes* arme = nullptr;
    for (Armes* a : Element::ArmesPrincipales)
      if (a && std::string(a->get_nom()) == c.arme) arme = a;
    ASSERT_NE(arme, nullptr);
    // The catalogue's weapon is lent: the soldier gets his own back before
    // the battle is cleared, or both would be freed twice.
    Armes* sienne = t->ArmePrincipale;
    t->ArmePrincipale = arme;
    general::sexe = c.sexe;
    t->classe = NORMAL;
    t->action = COURIR;
    t->En_mouvement = false;
    t->vivant = true;
    t->direction = DROITE;
    t->position = Rect(100, 100, 0, 0);
    const SDL_Rect epaule = general::pos_bras[static_cast<int>(c.sexe)][0][arme->get_type()];
    SDL_Surface* viseur = arme->donnerViseur();
    t->cible = Rect(2000, 100 + epaule.y + (viseur ? viseur->h / 2 : 0), 0, 0);
    SDL_FillRect(general::ecran, nullptr, SDL_MapRGB(general::ecran->format, c.r, c.g, c.b));
    t->blit_only();
    t->ArmePrincipale = sienne;

    SDL_Surface* p = IMG_Load((std::string("Menus/histoire/Missions/personnages/") + c.fichier).c_str());
    ASSERT_NE(p, nullptr);
    int ecarts = 0;
    for (int y = 0; y < 116; ++y)
      for (int x = 0; x < 150; ++x) {
        const int X = 2 * (x - 10), Y = 2 * y + 68;  // 116 rows: above the ground
        if (X < 4 || X >= p->w - 4) continue;       // the portrait's frame
        Uint8 r, g, b, R, G, B;
        lire_rgb(general::ecran, 100 + x, 100 + y, r, g, b);
        lire_rgb(p, X, Y, R, G, B);
        if (std::abs(r - R) > 3 || std::abs(g - G) > 3 || std::abs(b - B) > 3) ++ecarts;
      }
    SDL_FreeSurface(p);
    EXPECT_EQ(ecarts, 0);
  }
}
