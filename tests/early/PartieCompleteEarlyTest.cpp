// The early program from its entry point, on the virtual clock: its French
// slot and menu screens, the help pages, a battle lost twice (the HUD stays
// under the game-over picture, and a retry builds one HUD, not two), back to
// the main menu and the window closed.
#include <SDL_image.h>

#include <cstdlib>
#include <string>

#include "PartieComplete.h"
#include "battle/Sauvegarde.h"
#include "engine/CompteurNumerique.h"
#include "engine/Interface.h"

namespace {

class PartieAncienne : public PartieComplete {
 protected:
  void SetUp() override {
    PartieComplete::SetUp();
    // One saved game, so the slot list has a line to show.
    general::fichier_utilise = 0;
    ASSERT_TRUE(SauvegardeSysteme());
    general::fichier_utilise = -1;
    general::temps_de_jeu_pris = false;  // written by an earlier run
  }
};

// The opaque pixels of a help page's title band are on screen as they are in
// its file: the page drawn last is page k.
bool page_montree(int k) {
  const std::string nom = "Menus/Start/informations/" + std::to_string(k) + ".png";
  SDL_Surface* page = IMG_Load(nom.c_str());
  if (!page) return false;
  int encre = 0;
  bool ok = page->format->BytesPerPixel == 4;
  for (int y = 55; ok && y < 105; ++y)
    for (int x = 260; ok && x < 920; ++x) {
      Uint8 r, g, b, a;
      SDL_GetRGBA(static_cast<Uint32*>(page->pixels)[y * page->pitch / 4 + x], page->format, &r, &g, &b, &a);
      if (a != 255 || (r < 200 && g < 200)) continue;  // the title's yellow ink only
      ++encre;
      SDL_Color c = pixel(x, y);
      ok = std::abs(c.r - r) + std::abs(c.g - g) + std::abs(c.b - b) <= 3;
    }
  SDL_FreeSurface(page);
  return ok && encre > 50;
}

int compteurs_enregistres() {
  int n = 0;
  for (int32_t i = 0; i < Interface::derniere_interface; ++i)
    if (dynamic_cast<CompteurNumerique*>(Interface::Interfaces[i])) ++n;
  return n;
}

// A pixel of the battle seen through the game-over picture's dark red veil
// (40, 0, 0 at 120 of 255).
bool sous_le_voile(SDL_Color avant, int x, int y) {
  const double a = 120.0 / 255.0;
  SDL_Color c = pixel(x, y);
  return std::abs(c.r - (avant.r * (1 - a) + 40 * a)) <= 4 && std::abs(c.g - avant.g * (1 - a)) <= 4 &&
         std::abs(c.b - avant.b * (1 - a)) <= 4;
}

}  // namespace

TEST_F(PartieAncienne, FrenchMenusHelpPagesAndALostBattleShowingItsHudUnderTheGameOver) {
  bool choisi = false, menus_vus = false, pages_vues = false, sur_over = false, fin_vue = false;
  int widgets_combat = -1, widgets_retry = -1, attente = 0;
  SDL_Color bord_du_hud{}, ciel{};
  auto passer = [&](bool cinematique) {
    if (cinematique && ++attente % 40 == 0) pousser_touche(SDLK_ESCAPE);
  };
  auto perdre = [] { general::effectifs_map[0] = 0; };

  puis([] { pousser_touche(SDLK_RETURN); }, AVANT_TITRE + 2);  // the title
  quand([] { return texte_a("Nouvelle Partie", 26, 230); }, [] {
    EXPECT_TRUE(texte_a("Charger Partie", 26, 252));
    EXPECT_TRUE(texte_a("Supprimer Partie", 26, 272));
    EXPECT_TRUE(texte_a("- Partie 1", 250, 255));
    pousser_touche(SDLK_RETURN);
  });
  quand(menu_principal, [&] {
    EXPECT_TRUE(texte_a("Statistiques", 26, 252));
    EXPECT_TRUE(texte_a("Informations", 26, 272));
    EXPECT_TRUE(texte_a("Cr\xE9" "dits", 26, 294));
    EXPECT_TRUE(texte_a("Quitter", 26, 380));
    menus_vus = true;
    pousser_touche(SDLK_DOWN);
  }, 4);
  puis([] { pousser_touche(SDLK_DOWN); }, 3);
  puis([] { pousser_touche(SDLK_RETURN); }, 3);
  quand([] { return texte_a("Assignations", 26, 230); }, [] {
    EXPECT_TRUE(texte_a("Wex", 26, 252));
    EXPECT_TRUE(texte_a("L'OMUS", 26, 294));
    EXPECT_TRUE(texte_a("Les Nemesis", 26, 320));
    EXPECT_TRUE(page_montree(1));
    EXPECT_FALSE(page_montree(5));
    pousser_touche(SDLK_RETURN);  // nothing to open
  }, 4);
  puis([] {
    EXPECT_TRUE(page_montree(1)) << "Return left the help pages";
    pousser_touche(SDLK_UP);
  }, 3);
  puis([&] {
    EXPECT_TRUE(page_montree(5)) << "Up from the first title wraps to the last";
    SDL_Color barre = pixel(14, 338);
    EXPECT_EQ(barre.r, 122) << "the bar stands 20 px high on the last title";
    pages_vues = true;
    pousser_touche(SDLK_ESCAPE);
  }, 3);
  premiere_mission(choisi);
  quand([&] {
    passer(choisi && !Tramer::Hero);
    return combat();
  }, [&] {
    EXPECT_TRUE(texte_a(std::to_string(Tramer::Hero->stats.pv_restants), 10, 64)) << "the life counter";
    EXPECT_EQ(compteurs_enregistres(), 3);
    widgets_combat = Interface::derniere_interface;
    // The HUD frame's top border, and the sky beside it.
    bord_du_hud = pixel(250, 1);
    ciel = pixel(320, 1);
    EXPECT_NE(bord_du_hud.r, ciel.r);
    perdre();
  });
  quand([] { return texte_a("Recommencer le Niveau", 300, 320); }, [&] {
    EXPECT_EQ(compteurs_enregistres(), 3) << "the lost battle's counters stay on the widget list";
    EXPECT_EQ(Interface::derniere_interface, widgets_combat + 1) << "the HUD and the game-over picture";
    EXPECT_TRUE(sous_le_voile(bord_du_hud, 250, 1)) << "the HUD frame drawn under the game-over picture";
    EXPECT_TRUE(sous_le_voile(ciel, 320, 1));
    sur_over = true;
    pousser_touche(SDLK_RETURN);  // retry
  });
  quand([&] {
    passer(!combat());
    return combat();
  }, [&] {
    widgets_retry = Interface::derniere_interface;
    EXPECT_EQ(compteurs_enregistres(), 3) << "the lost HUD went before the retry built its own";
    perdre();
  });
  quand([] { return texte_a("Recommencer le Niveau", 300, 320); }, [] { pousser_touche(SDLK_DOWN); });
  puis([] { pousser_touche(SDLK_RETURN); }, 3);  // "Quitter la Partie"
  quand(menu_principal, [&] {
    EXPECT_EQ(compteurs_enregistres(), 0) << "the HUD went when the game-over screen closed";
    fin_vue = true;
    fermer();
  }, 4);

  EXPECT_EQ(lancer(), 0);
  EXPECT_TRUE(fini()) << "the script stopped after " << images() << " frames";
  EXPECT_FALSE(general::continuer);
  EXPECT_TRUE(menus_vus);
  EXPECT_TRUE(pages_vues);
  EXPECT_TRUE(sur_over);
  EXPECT_EQ(widgets_retry, widgets_combat);
  EXPECT_TRUE(fin_vue);
}
