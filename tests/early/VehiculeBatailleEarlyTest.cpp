// Whole earlier battles on the demo plain: an ally takes the rider at the
// start, the hero joins him with the use key, drives it, fires its gun,
// loses it with the ally inside, and comes back on foot; or leaves it over
// the turret's wreck, which takes him in and lets him out again. A plain
// crowded past the soldier and world tables still has both heroes and can be
// won; one whose hero finds no place is not played and leaves no ambience.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "Bataille.h"
#include "Embarquement.h"
#include "battle/JouerMap.h"
#include "characters/Vehicules.h"
#include "engine/Fonctions.h"
#include "engine/cc.h"
#include "weapons/Armes.h"

namespace {

void evenement_touche(SDLKey k, bool bas) {
  SDL_Event e{};
  e.type = bas ? SDL_KEYDOWN : SDL_KEYUP;
  e.key.state = bas ? SDL_PRESSED : SDL_RELEASED;
  e.key.keysym.sym = k;
  SDL_PushEvent(&e);
}

void evenement_bouton(bool bas) {
  SDL_Event e{};
  e.type = bas ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  e.button.button = SDL_BUTTON_LEFT;
  e.button.state = bas ? SDL_PRESSED : SDL_RELEASED;
  e.button.x = 700;
  e.button.y = 300;
  SDL_PushEvent(&e);
}

Vehicule* modele(const char* nom) {
  for (int i = 0; i < Vehicule::nb_vehicule; ++i)
    if (const char* n = Vehicule::Vehicules[i]->Nom.retournertexte(); n && !std::strcmp(n, nom))
      return Vehicule::Vehicules[i];
  return nullptr;
}

Vehicule* le_rider() { return modele("Vehicules/Terrestres/rider/"); }

// The ally drives the rider off at once: the hero keeps up with it until the
// use key takes and the camera follows the rider.
auto a_bord_du(Vehicule*& v, Tramer*& hero) {
  return [&v, &hero] {
    if (Mapping::centre_scrolling == v) return true;
    hero->position.x = static_cast<Sint16>(v->position.x + 60);
    hero->position.y = v->position.y;
    return false;
  };
}

// The crew drawn alone on a black screen leave it black.
bool equipage_invisible(Vehicule* v) {
  SDL_Surface* s = general::ecran;
  SDL_FillRect(s, nullptr, 0);
  for (int k = 0; k < v->nb_passager; ++k) v->passagers[k]->bliting();
  bool noir = true;
  SDL_LockSurface(s);
  for (int y = 0; y < s->h && noir; ++y)
    for (int x = 0; x < s->w && noir; ++x) noir = obtenirPixel(s, x, y) == SDL_MapRGB(s->format, 0, 0, 0);
  SDL_UnlockSurface(s);
  return noir;
}

}  // namespace

using BatailleAncienne = Bataille;

TEST_F(BatailleAncienne, TheHeroBoardsDrivesAndFiresTheRiderThenLeavesItsWreckAndComesBack) {
  const SDLKey utiliser = static_cast<SDLKey>(controles::C_INTERRAGIR);
  const SDLKey droite = static_cast<SDLKey>(controles::C_DROITE);
  Vehicule* v = nullptr;
  Tramer* hero = nullptr;
  int depart_x = 0, roule_x = 0, charge = 0, equipage = -1;
  Uint32 construit = 0;
  bool a_bord = false, detruit = false, dehors = false, revenu = false;
  quand(en_bataille, [&] {
    v = le_rider();
    hero = Tramer::Hero;
    construit = Horloge::ticks();
    if (!v) return fermer();
    evenement_touche(utiliser, true);
  });
  quand(a_bord_du(v, hero), [&] {
    evenement_touche(utiliser, false);
    a_bord = !hero->affichage && v->passagers[v->nb_passager - 1] == hero && equipage_invisible(v);
    depart_x = v->position.x;
    charge = v->ArmesVehic[0]->get_charge_actuelle();
    evenement_touche(droite, true);
  });
  puis([&] {
    evenement_touche(droite, false);
    roule_x = v->position.x;
    evenement_bouton(true);
  }, 10);
  puis([&] { evenement_bouton(false); }, 30);
  // The rider's protection ends five seconds after the map was read.
  quand([&] { return Horloge::ticks() - construit > 5200; }, [&] {
    v->recevoirdegats(1000, nullptr, 0, 0.0, 0);
    detruit = !v->physique && v->vivant;
    dehors = hero->affichage && Mapping::centre_scrolling == hero;
    equipage = v->nb_passager;
    evenement_touche(droite, true);
  });
  quand([&] { return hero->vivant && hero->affichage; }, [&] {
    revenu = true;
    evenement_touche(droite, false);
    fermer();
  }, 20);
  accrocher();
  EXPECT_EQ(JouerMap(0, 0), 3);
  ASSERT_NE(v, nullptr) << "the demo plain holds a rider";
  EXPECT_TRUE(a_bord) << "the use key boards it, the camera follows it and nothing of the crew shows";
  EXPECT_GT(roule_x, depart_x) << "the drive key moves it";
  EXPECT_LT(v->ArmesVehic[0]->get_charge_actuelle(), charge) << "the left button fires its gun";
  EXPECT_TRUE(detruit) << "a wreck is no longer solid but stays vivant";
  EXPECT_TRUE(dehors) << "the hero is put out of the wreck";
  EXPECT_EQ(equipage, 1) << "the ally who boarded at the start stays inside";
  EXPECT_TRUE(revenu) << "the hero comes back after dying in it";
  EXPECT_TRUE(fini());
}

TEST_F(BatailleAncienne, TheHeroPutOutOverTheTurretsWreckIsNeverTrappedThereAndComesBackAfterDying) {
  const SDLKey utiliser = static_cast<SDLKey>(controles::C_INTERRAGIR);
  Vehicule *v = nullptr, *epave = nullptr;
  Tramer* hero = nullptr;
  SDLKey vers{};
  bool dans_epave = false, dehors = false, au_sol = false, revenu = false;
  int equipage_epave = -1;
  Uint32 mort = 0, retour = 0;
  quand(en_bataille, [&] {
    v = le_rider();
    epave = modele("Vehicules/Terrestres/tourelles/");
    hero = Tramer::Hero;
    if (!v || !epave) fermer();
    // The enemies are taken off to the world's far edge and out of the
    // battle: nobody but the wreck is in the hero's way.
    for (int i = 0; i < Tramer::nb_persos; ++i)
      if (Tramer* t = Tramer::Persos[i]; t->camp == ENNEMI) {
        t->position.x = 32000;
        t->affichage = false;
      }
  });
  // The turret's protection ends five seconds after the map was read; nobody was ever aboard.
  quand([&] { return Horloge::ticks() > 5300; }, [&] {
    epave->recevoirdegats(1000, nullptr, 0, 0.0, 0);
    evenement_touche(utiliser, true);
  });
  quand(a_bord_du(v, hero), [&] {
    evenement_touche(utiliser, false);
    vers = static_cast<SDLKey>(v->position.x > epave->position.x ? controles::C_GAUCHE : controles::C_DROITE);
    evenement_touche(vers, true);
  });
  // The player stops over the wreck and holds the use key for about 0.3 s.
  quand([&] { return std::abs(v->position.x - epave->position.x) < 100; }, [&] { evenement_touche(vers, false); });
  puis([&] { evenement_touche(utiliser, true); }, 60);
  puis([&] { evenement_touche(utiliser, false); }, 30);
  // The key takes him into the wreck, which he then drives: the use key
  // held long enough puts him out again.
  puis([&] {
    dans_epave = !hero->affichage && Mapping::centre_scrolling == epave;
    evenement_touche(utiliser, true);
  }, 30);
  puis([&] { evenement_touche(utiliser, false); }, 70);
  puis([&] {
    dehors = hero->affichage && Mapping::centre_scrolling == hero;
    equipage_epave = epave->nb_passager;
    // Raised to the wreck's bottom edge, where the map put it (early wrecks
    // do not fall): on the ground as a soldier holds it, within the 8 px he
    // does not fall through, never below the soldiers' line.
    const int pieds = hero->position.y + hero->TramePrincipale.h;
    au_sol = pieds <= 544 - 15 && pieds > 544 - 15 - 8;
    // Shot down by an enemy soldier, past his protection.
    Horloge::avancer(2100);
    hero->recevoirdegats(10000, nullptr, 0, 0.0, 0);
    mort = Horloge::ticks();
  }, 30);
  quand([&] { return hero->vivant; }, [&] {
    retour = Horloge::ticks() - mort;
    for (int i = 0; i < cc::nb_cc; ++i)
      if (cc::CCs[i]->camp == ALLIE && cc::CCs[i]->position.x == hero->position.x) revenu = hero->affichage;
    fermer();
  });
  accrocher();
  EXPECT_EQ(JouerMap(0, 0), 3);
  ASSERT_NE(epave, nullptr) << "the demo plain holds a turret";
  EXPECT_TRUE(dans_epave) << "the earlier wrecks still take a driver";
  EXPECT_TRUE(dehors) << "and let him out on foot";
  EXPECT_EQ(equipage_epave, 0);
  EXPECT_TRUE(au_sol);
  EXPECT_TRUE(revenu) << "he comes back at the allied flag";
  EXPECT_LT(retour, 5500u);
  EXPECT_TRUE(fini());
}

// Nobody is in the enemies' sight at the start: they head for the allies
// behind them, and stay on the stretch of ground where the battle is.
TEST_F(BatailleAncienne, EnemiesWhoSeeNobodyHeadForTheNearestAllyAndNeverLeaveTheWorld) {
  int gauche = INT16_MAX, droite = INT16_MIN, loin = 0, premiere = 0;
  quand(en_bataille, [&] {
    premiere = images();
    for (int i = 0; i < Tramer::nb_persos; ++i) {
      gauche = std::min<int>(gauche, Tramer::Persos[i]->position.x);
      droite = std::max<int>(droite, Tramer::Persos[i]->position.x);
    }
  });
  quand([&] {
    for (int i = 0; i < Tramer::nb_persos; ++i)
      if (const Tramer* t = Tramer::Persos[i]; t->camp == ENNEMI)
        loin = std::max({loin, gauche - t->position.x, t->position.x - droite});
    return images() > premiere + 400;
  }, [] { fermer(); });
  accrocher();
  EXPECT_EQ(JouerMap(0, 0), 3);
  EXPECT_LT(loin, 960) << "an enemy left the battle's ground by " << loin << " px";
  EXPECT_TRUE(fini());
}

TEST_F(BatailleAncienne, APlainFillingTheSoldierAndWorldTablesKeepsRoomForBothHeroesAndItsBattleEnds) {
  const Foule f = plaine_comble();
  EXPECT_EQ(f.fin, 0);
  EXPECT_EQ(f.heros, 2) << "the player chose his hero: both come";
  EXPECT_NE(f.erreurs.find("the soldier table is full"), std::string::npos) << f.erreurs;
  EXPECT_NE(f.erreurs.find("the world table is full"), std::string::npos) << f.erreurs;
}

TEST_F(BatailleAncienne, APlainWhoseHeroFindsNoPlaceIsNotPlayedAndItsAmbienceStops) {
  plaine_sans_place_pour_le_hero([] { return !Tramer::Hero; });
}

using BordAncien = Embarquement;

TEST_F(BordAncien, AHeroLeavingTheTurretFromHisScopeIsBackInViewByKeyOrFromItsWreck) {
  quitter_la_tourelle_en_visant();
}

TEST_F(BordAncien, ASoldierAboardOneVehicleBoardsNoOtherAtTheStartOrByTheUseKey) {
  un_vehicule_a_la_fois();
}

TEST_F(BordAncien, TheHeroIsNeverInHisScopeStanceWithAGunThatHasNoneBySwapOrPickUp) {
  changer_de_fusil_en_visant();
}
