#include <SDL_image.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

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
  // A throw that comes with none left lets nothing go.
  bouton(3) = false;
  for (int i = 0; i < 100 && t->action == PROJETER; ++i) image(t);
  t->ArmeSecondaire->charge_actuelle = 0;
  t->projeter();
  for (int i = 0; i < 100; ++i) image(t);
  EXPECT_EQ(objets<Grenades>().size(), 2u);
  EXPECT_EQ(t->ArmeSecondaire->get_charge_actuelle(), 0);
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

// Every long gun of the catalogue as the battle lays it, aiming level, for
// a man and a woman facing either way, standing, crouched and prone: the
// hand closes on the grip (the rearmost part hanging well below the hand:
// the stock's heel stays above it), the gun hides at most a tenth of the head
// and hangs no lower than the soles.
TEST_F(Dessin, EveryLongGunIsHeldInTheHandBelowTheFace) {
  LibererCatalogue();  // the whole catalogue, each weapon of its own kind
  vider_apparences();
  InitierPersos();
  struct Tete {
    int x, y, r;
  };
  // The demo bodies' heads facing right, by sex and posture.
  const Tete tetes[2][3] = {{{65, 28, 12}, {82, 43, 12}, {114, 96, 12}}, {{65, 24, 11}, {82, 33, 11}, {105, 45, 11}}};
  const int16_t actions[3] = {COURIR, DISCRET, RAMPER};
  SDL_Surface* e = general::ecran;
  const Uint32 fond = SDL_MapRGB(e->format, 255, 0, 255);
  for (int sexe = 0; sexe < 2; ++sexe) {
    Tramer* t = soldat(sexe ? "Femme" : "Homme", ALLIE, 400, SOL, 1, 100, 0, sexe);
    ASSERT_NE(t, nullptr);
    // The catalogue's guns are lent: the soldier frees his own, even after a failed check.
    struct Pret {
      Tramer* t;
      Armes* sienne;
      ~Pret() { t->ArmePrincipale = sienne; }
    } pret{t, t->ArmePrincipale};
    t->En_mouvement = false;
    // The bodies the battle crouches and crawls in.
    const std::string P = sexe ? "Femmes/Blanc/" : "Hommes/Blanc/";
    t->Corps[DISCRET] = Partie::AllouerPartie((P + "discret").c_str());
    t->Corps[RAMPER] = Partie::AllouerPartie((P + "couche").c_str());
    const int L = t->TramePrincipale.w;
    for (Armes* g : Element::ArmesPrincipales) {
      if (!g || g->get_type() == PISTOLETS) continue;
      t->ArmePrincipale = g;
      // The screen after one drawing, the arms always, bare body and gun as
      // asked: the far arm stays, whose size places the rest.
      auto dessin = [&](bool corps, bool arme) {
        Partie* C[20];
        Partie* Hb[20][11];
        Partie* VB[2][5];
        SDL_Surface* I[4];
        std::memcpy(C, t->Corps, sizeof C);
        std::memcpy(Hb, t->Habits, sizeof Hb);
        std::memcpy(VB, t->VBras, sizeof VB);
        std::memcpy(I, g->image, sizeof I);
        if (!corps)
          for (Partie*& c : t->Corps) c = nullptr;
        for (auto& h : t->Habits)
          for (Partie*& c : h) c = nullptr;
        for (auto& r : t->VBras)
          for (Partie*& c : r) c = nullptr;
        if (!arme)
          for (SDL_Surface*& i : g->image) i = nullptr;
        SDL_FillRect(e, nullptr, fond);
        t->blit_only();
        std::memcpy(t->Corps, C, sizeof C);
        std::memcpy(t->Habits, Hb, sizeof Hb);
        std::memcpy(t->VBras, VB, sizeof VB);
        std::memcpy(g->image, I, sizeof I);
        std::vector<std::vector<Uint32>> m(e->h, std::vector<Uint32>(e->w));
        SDL_LockSurface(e);
        for (int y = 0; y < e->h; ++y)
          for (int x = 0; x < e->w; ++x) m[y][x] = obtenirPixel(e, x, y);
        SDL_UnlockSurface(e);
        return m;
      };
      for (int p = 0; p < 3; ++p) {
        const SDL_Rect a = general::pos_bras[sexe][p][g->get_type()];
        if (a.x == 0 && a.y == 0) continue;  // nobody lies down with a heavy weapon
        for (int dir : {DROITE, GAUCHE}) {
          SCOPED_TRACE(std::string(g->get_nom()) + (sexe ? " woman" : " man") + " posture " + std::to_string(p) +
                       (dir == GAUCHE ? " facing left" : " facing right"));
          const bool gauche = dir == GAUCHE;
          t->action = actions[p];
          t->direction = static_cast<int16_t>(dir);
          const int sx = t->position.x + (gauche ? L - a.x : a.x), sy = t->position.y + a.y;
          SDL_Surface* v = g->donnerViseur();
          t->cible = Rect(sx + (gauche ? -1000 : 1000) + (v ? v->w / 2 : 0), sy + (v ? v->h / 2 : 0), 0, 0);
          const auto tout = dessin(true, true), sans_arme = dessin(true, false), bras = dessin(false, false),
                     bras_arme = dessin(false, true);

          const Tete& h = tetes[sexe][p];
          const int hx = t->position.x + (gauche ? L - 1 - h.x : h.x), hy = t->position.y + h.y;
          auto corps = [&](int x, int y) { return sans_arme[y][x] != fond; };
          ASSERT_TRUE(corps(hx, hy) && corps(hx, hy - h.r + 1) && !corps(hx, hy - h.r - 2)) << "the head is where we look";
          int tete = 0, cache = 0, semelles = 0, bas_arme = 0, main = gauche ? e->w : -1;
          for (int y = 0; y < e->h; ++y)
            for (int x = 0; x < e->w; ++x) {
              const bool dedans = (x - hx) * (x - hx) + (y - hy) * (y - hy) <= h.r * h.r;
              tete += dedans;
              cache += dedans && tout[y][x] != sans_arme[y][x];
              if (corps(x, y)) semelles = y;
              if (bras_arme[y][x] != bras[y][x]) bas_arme = y;
              if (bras[y][x] != fond) main = gauche ? std::min(main, x) : std::max(main, x);
            }
          // The hand is a disc of 5 px at the arm's far end.
          main += gauche ? 5 : -5;
          int haut_main = e->h, bas_main = -1;
          for (int y = 0; y < e->h; ++y)
            if (bras[y][main] != fond) haut_main = std::min(haut_main, y), bas_main = std::max(bas_main, y);
          const int y_main = (haut_main + bas_main) / 2;
          // From the butt forward, the first run of columns hanging 7 rows below the hand.
          int debut = -1, fin = -1;
          for (int i = 0; i < e->w; ++i) {
            const int x = gauche ? e->w - 1 - i : i;
            bool pend = false;
            for (int y = y_main + 7; y < e->h; ++y) pend = pend || bras_arme[y][x] != bras[y][x];
            if (pend && debut < 0) debut = x;
            if (pend) fin = x;
            if (!pend && debut >= 0) break;
          }
          ASSERT_GE(debut, 0) << "a grip under the hand";
          const int poignee = (debut + fin) / 2;
          EXPECT_LE(std::abs(poignee - main), 3) << "grip at " << poignee << ", hand at " << main;
          EXPECT_LE(cache * 10, tete) << cache << " of the head's " << tete << " px hidden";
          EXPECT_LE(bas_arme, semelles) << "below the soles";
        }
      }
    }
  }
}

TEST_F(Dessin, FiringFromCrouchLastsOneFrame) {
  Tramer* t = ordi(ALLIE);
  t->action = TIRER_DISCRET;
  t->bliting();
  EXPECT_EQ(t->action, DISCRET);
}

}  // namespace
