#include <SDL_image.h>

#include <string>

#include "Pilote.h"
#include "weapons/Aura.h"
#include "weapons/Grenade.h"
#include "weapons/Grenades.h"
#include "weapons/Katana.h"
#include "weapons/Lancer.h"

namespace {

class Dessin : public Pilote {
 protected:
  // Pixels of one colour along a screen row.
  static int pixels(int y, Uint8 r, Uint8 g, Uint8 b) {
    int n = 0;
    for (int x = 0; x < general::ecran->w; ++x) {
      Uint8 R, G, B;
      lire_rgb(general::ecran, x, y, R, G, B);
      if (R == r && G == g && B == b) ++n;
    }
    return n;
  }
  static void effacer() { SDL_FillRect(general::ecran, nullptr, 0); }
  // Pixels of the screen that are not black.
  static int allumes() {
    SDL_Surface* s = general::ecran;
    int n = 0;
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; ++y)
      for (int x = 0; x < s->w; ++x) n += obtenirPixel(s, x, y) != SDL_MapRGB(s->format, 0, 0, 0);
    SDL_UnlockSurface(s);
    return n;
  }
  // A computer soldier standing at (300, 300), aiming level to the right.
  Tramer* ordi(int camp) {
    Tramer* t = soldat(camp == ALLIE ? "Allie" : "Ennemi", camp, 300, 300);
    t->action = COURIR;
    t->cible = Rect(1300, 350, 0, 0);
    return t;
  }
  // Pips of 10 px on the row through the life bar of a standing soldier at y 300.
  int pips(Tramer* t, Uint8 r, Uint8 g, Uint8 b) {
    effacer();
    t->bliting();
    return pixels(300 - 24 + 15 + 7, r, g, b) / 10;
  }
};

TEST_F(Dessin, LifeBarShowsPipsInProportionAndAtLeastOneWhileAlive) {
  Tramer* a = ordi(ALLIE);
  EXPECT_EQ(pips(a, 60, 200, 60), 9);  // (100 - 6) / 10 pips in the bar
  a->stats.pv_restants = 50;
  EXPECT_EQ(pips(a, 60, 200, 60), 4);
  a->stats.pv_restants = 1;
  EXPECT_EQ(pips(a, 60, 200, 60), 1);
  // A character file may say 0 for the maximum.
  a->stats.pv_max = 0;
  a->stats.pv_restants = 5;
  EXPECT_EQ(pips(a, 60, 200, 60), 9);
  a->stats.pv_max = 100;
  a->stats.pv_restants = 400;
  EXPECT_EQ(pips(a, 60, 200, 60), 9);

  Tramer* e = ordi(ENNEMI);
  a->affichage = false;
  a->position.x = 2000;
  EXPECT_EQ(pips(e, 210, 50, 50), 9);
  e->classe = HERO;
  EXPECT_EQ(pips(e, 210, 50, 50), 0);
}

TEST_F(Dessin, DeadComputerSoldierShowsTheDeadMarker) {
  Tramer* a = ordi(ALLIE);
  a->vivant = false;
  a->action = MORT;
  effacer();
  a->bliting();
  // Marker centred over the soldier, its bottom on the bar (bar raised by 84 - 24).
  const int bas = 300 - 24 + 84;
  Uint8 r, g, b;
  lire_rgb(general::ecran, 300 + 65 - 6, bas - 10, r, g, b);
  // Grey "mort", not the green "normal" (80, 200, 80).
  EXPECT_NEAR(r, 90, 3);
  EXPECT_NEAR(g, 90, 3);
  EXPECT_NEAR(b, 90, 3);
}

TEST_F(Dessin, MeleeSwingHitsEveryEnemyInReachAndNoFriend) {
  Tramer* t = hero(100);
  Tramer* e1 = soldat("E1", ENNEMI, 200, SOL);
  Tramer* e2 = soldat("E2", ENNEMI, 215, SOL);
  Tramer* ami = soldat("Ami", ALLIE, 205, SOL);
  Tramer* dos = soldat("Dos", ENNEMI, 0, SOL);  // behind the blade
  Tramer* loin = soldat("Loin", ENNEMI, 700, SOL);
  for (Tramer* s : {e1, e2, ami, dos, loin}) s->action = COURIR;
  proteger_fini();
  bouton(3) = true;
  image(t);
  bouton(3) = false;
  EXPECT_EQ(t->action, COGNER);
  EXPECT_EQ(t->bras_en_cours, POING);
  for (int i = 0; i < 400 && t->action == COGNER; ++i) image(t);
  EXPECT_EQ(t->action, COURIR);
  EXPECT_EQ(t->bras_en_cours, t->ArmePrincipale->get_type());
  EXPECT_LT(e1->stats.pv_restants, 100);
  EXPECT_LT(e2->stats.pv_restants, 100);
  EXPECT_EQ(ami->stats.pv_restants, 100);
  EXPECT_EQ(dos->stats.pv_restants, 100);
  EXPECT_EQ(loin->stats.pv_restants, 100);
}

// Computer soldiers stop and swing once the enemy's centre is under 200 px
// away: the lowered frame of every demo blade must reach that far, either way.
TEST_F(Dessin, EveryDemoBladeLandsTheBlowAComputerSoldierStartsUnder200Px) {
  for (const char* lame : {"Couteau/", "HG-2/", "HG/", "Kaiygh/", "Azura/"})
    for (int cote : {1, -1}) {
      ReinitialiserMap();
      Tramer* t = soldat("Sabreur", ALLIE, 300, SOL);
      Tramer* e = soldat("Cible", ENNEMI, 300 + 199 * cote, SOL);
      delete t->ArmeSecondaire;
      t->ArmeSecondaire = new Katana(P_char(lame), 60);
      t->action = e->action = COURIR;
      proteger_fini();
      for (int i = 0; i < 300 && e->stats.pv_restants == 100; ++i) {
        Horloge::avancer(10);
        t->comportement();
        t->bliting();
      }
      EXPECT_LT(e->stats.pv_restants, 100) << lame << (cote > 0 ? " facing right" : " facing left");
    }
}

TEST_F(Dessin, SwingEndsOnFrameFourOfTheWalk) {
  Tramer* t = soldat("Sabreur", ALLIE, 300, SOL);
  t->action = COURIR;
  t->cogner();
  for (int i = 0; i < 400 && t->action == COGNER; ++i) {
    Horloge::avancer(10);
    t->En_mouvement = true;
    t->bliting();
  }
  EXPECT_EQ(t->action, COURIR);
  EXPECT_EQ(t->diffusion, 4);
  EXPECT_EQ(t->frequence, 100);
}

TEST_F(Dessin, EachThrowReleasesOneGrenadeAndAtMostOneASecond) {
  Tramer* t = hero(300);
  delete t->ArmeSecondaire;
  t->ArmeSecondaire = new Grenade(P_char("Armes/Grenades/grenade.png"));
  Horloge::avancer(1500);
  bouton(3) = true;
  image(t);
  EXPECT_EQ(t->action, PROJETER);
  for (int i = 0; i < 95; ++i) image(t);
  EXPECT_EQ(objets<Grenades>().size(), 1u);
  EXPECT_EQ(t->ArmeSecondaire->get_charge_actuelle(), Lancer::NB_ITEMS - 1);
  for (int i = 0; i < 55; ++i) image(t);
  EXPECT_EQ(objets<Grenades>().size(), 2u);
  EXPECT_EQ(t->ArmeSecondaire->get_charge_actuelle(), Lancer::NB_ITEMS - 2);
  // Thrown by the hero's camp.
  EXPECT_EQ(objets<Grenades>().back()->camp, ALLIE);
}

TEST_F(Dessin, CyclingToAnAuraMidSwingDrawsWithinTheArmTables) {
  Tramer* t = hero(300);
  delete t->Inventaire2[1];
  t->Inventaire2[1] = new Aura("Vitesse", VITESSE);
  bouton(3) = true;
  image(t);
  bouton(3) = false;
  ASSERT_EQ(t->action, COGNER);
  touche(controles::C_ARMES) = true;
  Horloge::avancer(260);
  image(t);
  Horloge::avancer(260);
  image(t);
  touche(controles::C_ARMES) = false;
  ASSERT_EQ(t->ArmeSecondaire->get_type2(), 8);
  for (int i = 0; i < 400 && t->action == COGNER; ++i) image(t);
  EXPECT_EQ(t->action, COURIR);
  // And the same through a throw.
  t->projeter();
  for (int i = 0; i < 100 && t->action == PROJETER; ++i) image(t);
  EXPECT_EQ(t->action, COURIR);
  t->blit_only();
}

TEST_F(Dessin, MissingArmSleeveAndSightPicturesDrawNothing) {
  Tramer* t = hero(300);
  Tramer* e = ordi(ENNEMI);
  e->classe = HERO;  // no life bar: only its own pictures could reach the screen
  auto dessiner = [&](int a) {
    t->action = e->action = static_cast<int16_t>(a);
    effacer();
    image(t);
    e->bliting();
    t->blit_only();
  };
  dessiner(COURIR);
  ASSERT_GT(allumes(), 0) << "with its pictures the soldier shows";
  for (Tramer* s : {t, e}) {
    for (int r = 0; r < 2; ++r)
      for (int k = 0; k < NB_TYPE_BRAS; ++k) s->Bras[r][k] = s->VBras[r][k] = nullptr;
    s->ArmePrincipale->viseur = nullptr;
    for (Partie*& p : s->Corps) p = nullptr;
    // Clothes and the weapons' own pictures go too, so any pixel left would
    // come from a missing picture being drawn anyway.
    for (auto& habits : s->Habits)
      for (Partie*& p : habits) p = nullptr;
    for (SDL_Surface*& i : s->ArmePrincipale->image) i = nullptr;
    if (auto* l = dynamic_cast<Lancer*>(s->ArmeSecondaire)) l->grenade[0] = l->grenade[1] = nullptr;
    if (auto* k = dynamic_cast<Katana*>(s->ArmeSecondaire)) k->katana = nullptr;
  }
  for (int a : {COURIR, TIRER_VISER, COGNER, PROJETER, MORT}) {
    dessiner(a);
    EXPECT_EQ(allumes(), 0) << "action " << a;
  }
}

TEST_F(Dessin, ASoldierAboardAVehicleShowsNothingButHisClockRuns) {
  Tramer* t = hero(300);
  Tramer* e = ordi(ENNEMI);
  effacer();
  for (Tramer* s : {t, e}) {
    s->affichage = false;
    s->En_mouvement = true;
    for (int i = 0; i < 15; ++i) {
      Horloge::avancer(10);
      s->bliting();
    }
    s->blit_only();
  }
  EXPECT_EQ(allumes(), 0) << "no body, clothes, arms, gun, sight, marker or life bar";
  EXPECT_GT(e->diffusion, 0) << "the walk steps on";
}

TEST_F(Dessin, StandingSoldierShowsTheLastFrameAndWalkingCyclesTheOthers) {
  Tramer* t = ordi(ALLIE);
  const int n = t->Corps[COURIR]->nb_frame;
  t->En_mouvement = false;
  t->bliting();
  EXPECT_EQ(t->diffusion, n - 1);
  t->En_mouvement = true;
  int plus_haut = 0;
  for (int i = 0; i < 300; ++i) {
    Horloge::avancer(10);
    t->bliting();
    if (t->diffusion > plus_haut) plus_haut = t->diffusion;
  }
  EXPECT_EQ(plus_haut, n - 2);
}

TEST_F(Dessin, DeadSoldierRespawnsFromItsDrawingAfterFiveSeconds) {
  centre(1000, 300, ENNEMI);
  Tramer* e = ordi(ENNEMI);
  e->vivant = false;
  e->action = MORT;
  e->evenementie.remise_a_zero();
  Horloge::avancer(4990);
  e->bliting();
  EXPECT_FALSE(e->vivant);
  Horloge::avancer(20);
  e->bliting();
  EXPECT_TRUE(e->vivant);
  EXPECT_EQ(e->position.x, 1000);
  EXPECT_EQ(e->position.y, 200);

  // Not while the camp already has its numbers alive, nor for a map target.
  e->vivant = false;
  e->evenementie.remise_a_zero();
  general::effectifs_map[ENNEMI] = relever_nb_persos(ENNEMI);
  Horloge::avancer(5010);
  e->bliting();
  EXPECT_FALSE(e->vivant);
  general::effectifs_map[ENNEMI] = 50;
  e->reapparaitre = false;
  e->bliting();
  EXPECT_FALSE(e->vivant);
  // The frozen screens never bring anyone back.
  e->reapparaitre = true;
  e->blit_only();
  EXPECT_FALSE(e->vivant);
  e->bliting();
  EXPECT_TRUE(e->vivant);
}

TEST_F(Dessin, DeadHeroIsBroughtBackByItsOwnRuleFromTheDrawing) {
  centre(800, 300, ALLIE);
  Tramer* t = hero(300);
  t->vivant = false;
  t->action = MORT;
  t->evenementie.remise_a_zero();
  general::effectifs_map[ALLIE] = 0;
  Horloge::avancer(5010);
  t->bliting();
  // The pool is spent and nobody is left: the hero stays down rather than crash.
  EXPECT_FALSE(t->vivant);
  general::effectifs_map[ALLIE] = 50;
  t->bliting();
  EXPECT_TRUE(t->vivant);
  EXPECT_EQ(t->position.x, 800);
}

TEST_F(Dessin, FrozenDrawingChangesNoAnimationState) {
  Tramer* t = soldat("Sabreur", ALLIE, 300, SOL);
  Tramer* e = soldat("Cible", ENNEMI, 350, SOL);
  proteger_fini();
  t->action = COGNER;
  t->diffusion = 6;
  t->frequence = 200;
  Horloge::avancer(1000);
  t->blit_only();
  EXPECT_EQ(t->action, COGNER);
  EXPECT_EQ(t->diffusion, 6);
  EXPECT_EQ(e->stats.pv_restants, 100);
  t->bliting();
  EXPECT_LT(e->stats.pv_restants, 100);
}

// Some pixel of a demo picture within r of (x, y) can be seen.
bool visible_pres(const std::string& nom, int x, int y, int r = 0) {
  SDL_Surface* s = IMG_Load((std::string(GAME_DATA_DIR) + "/" + nom).c_str());
  if (!s) return false;
  bool vu = false;
  SDL_LockSurface(s);
  for (int j = y - r; j <= y + r; ++j)
    for (int i = x - r; i <= x + r; ++i) {
      if (i < 0 || j < 0 || i >= s->w || j >= s->h) continue;
      Uint8 R, G, B, A;
      SDL_GetRGBA(obtenirPixel(s, i, j), s->format, &R, &G, &B, &A);
      vu = vu || A > 0;
    }
  SDL_UnlockSurface(s);
  SDL_FreeSurface(s);
  return vu;
}

// Aimed arms hang from fixed shoulder points of the body frame by sex,
// posture and weapon, whatever the frame shows (knocked down and jumping
// soldiers keep the standing ones); swing and throw arms are laid over the
// whole frame and mirrored with it. Each must meet the body.
TEST_F(Dessin, DemoArmsMeetTheBodyInEveryPose) {
  struct Posture {
    int classe;
    const char* dossier;
    int nb;
  };
  const Posture poses[] = {{0, "run", 8}, {0, "saut", 3}, {0, "ejecte", 1}, {1, "discret", 5}, {2, "couche", 4}};
  const char* sexes[2] = {"Hommes/", "Femmes/"};
  for (int s = 0; s < 2; ++s)
    for (const char* peau : {"Blanc/", "Noir/"}) {
      const std::string P = std::string(sexes[s]) + peau;
      for (const Posture& p : poses)
        for (int k = 1; k <= p.nb; ++k)
          for (int genre = 0; genre < 3; ++genre) {
            const SDL_Rect a = general::pos_bras[s][p.classe][genre];
            if (a.x == 0 && a.y == 0) continue;  // nobody lies down with a heavy weapon
            // The dark-skinned women lie down in the light-skinned ones' crawl set.
            const std::string corps = s == 1 && p.classe == 2 ? "Femmes/Blanc/" : P;
            const std::string cadre = corps + p.dossier + std::to_string(k) + ".png";
            EXPECT_TRUE(visible_pres(cadre, a.x, a.y)) << cadre << " weapon kind " << genre;
          }
      SDL_Surface* corps = IMG_Load((std::string(GAME_DATA_DIR) + "/" + P + "run5.png").c_str());
      ASSERT_NE(corps, nullptr);
      const SDL_Rect e = general::pos_bras[s][0][RIFLE];
      for (const char* b : {"cc1", "cc2", "projectile1", "projectile2"}) {
        const std::string bras = P + "Bras/" + b + ".png";
        SDL_Surface* i = IMG_Load((std::string(GAME_DATA_DIR) + "/" + bras).c_str());
        ASSERT_NE(i, nullptr) << bras;
        EXPECT_EQ(i->w, corps->w) << bras;
        SDL_FreeSurface(i);
        EXPECT_TRUE(visible_pres(bras, e.x, e.y, 3)) << bras;
      }
      SDL_FreeSurface(corps);
    }
}

// The pistol is turned with the arm about the shoulder: it must sit in the
// hand, ahead of the body, not over the face.
TEST_F(Dessin, PistolIsHeldAheadOfTheFaceStandingOrProne) {
  Tramer* t = soldat("Tireur", ALLIE, 300, SOL, 2);  // QD-H
  ASSERT_NE(t, nullptr);
  t->action = COURIR;
  t->En_mouvement = false;
  const SDL_Rect a = general::pos_bras[0][0][GUN];
  SDL_Surface* v = t->ArmePrincipale->donnerViseur();
  t->cible = Rect(t->position.x + 1000, t->position.y + a.y + (v ? v->h / 2 : 0), 0, 0);  // level
  effacer();
  t->bliting();
  auto pistolet = [](int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) {
        Uint8 r, g, b;
        lire_rgb(general::ecran, x, y, r, g, b);
        n += r == 60 && g == 60 && b == 70;  // the QD-H's body
      }
    return n;
  };
  const int x = t->position.x, y = t->position.y;
  EXPECT_EQ(pistolet(x + 58, y + 16, x + 83, y + 41), 0) << "the head";
  EXPECT_GT(pistolet(x + 83, y + a.y - 20, x + 140, y + a.y + 20), 20) << "ahead of the shoulder";
  // Lying down, in front of him, though a woman was made after him.
  soldat("Femme", ALLIE, 2000, SOL, 2, 100, 0, 1);
  t->action = RAMPER;
  effacer();
  t->bliting();
  const SDL_Rect p = general::pos_bras[0][2][GUN];
  EXPECT_GT(pistolet(x + p.x, y + p.y - 15, x + p.x + 60, y + p.y + 15), 20) << "prone, from his own shoulder";
}

TEST_F(Dessin, FiringFromCrouchLastsOneFrame) {
  Tramer* t = ordi(ALLIE);
  t->action = TIRER_DISCRET;
  t->bliting();
  EXPECT_EQ(t->action, DISCRET);
}

}  // namespace
