#include <memory>

#include "Armurerie.h"
#include "characters/Tramer.h"
#include "weapons/Armes.h"
#include "weapons/Aura.h"
#include "weapons/Bouclier.h"
#include "weapons/Fumigene.h"
#include "weapons/FusilaPompe.h"
#include "weapons/Grenade.h"
#include "weapons/Katana.h"
#include "weapons/LanceRoquette.h"
#include "weapons/Mineur.h"

using Copies = Armurerie;

TEST_F(Copies, EveryKindIsCopiedWithItsCatalogueEntryAndThreshold) {
  std::unique_ptr<Armes> armes[] = {
      std::make_unique<Armes>("QD-AR", FUSILS, 20, 80, 333, 6, 24, 1000, false, 0, 0),
      std::make_unique<FusilaPompe>("QD-SG", FUSILS, 25, 80, 333, 6, 24, 2500, false, 0),
      std::make_unique<LanceRoquette>("N-Dead-Launcher", FUSILS, 90, 80, 500, 20, 80, 5000, false, 0),
      std::make_unique<Katana>(P_char("Couteau/"), 60),
      std::make_unique<Grenade>(P_char("Armes/Grenades/grenade.png")),
      std::make_unique<Fumigene>(P_char("Armes/fumigene/projectile.png")),
      std::make_unique<Bouclier>(P_char("Armes/Bouclier/projectile.png")),
      std::make_unique<Mineur>(P_char("Armes/Mines/projectile.png")),
      std::make_unique<Aura>("Force", 7),
  };
  for (short k = 0; k < 9; ++k) {
    Armes* a = armes[k].get();
    ASSERT_EQ(a->get_type2(), k);
    a->set_id(static_cast<short>(k + 2));
    a->wex_requis = 8900 + k;
    std::unique_ptr<Armes> c(Reproduire_Arme(a));
    ASSERT_NE(c, nullptr) << k;
    EXPECT_EQ(c->get_type2(), k);
    EXPECT_EQ(c->get_id(), k + 2) << k;
    EXPECT_EQ(c->wex_requis, 8900 + k) << k;
  }
}

TEST_F(Copies, ThrownKindsAreCopiedFull) {
  Grenade g(P_char("Armes/Grenades/grenade.png"));
  g.charge_actuelle = 0;
  std::unique_ptr<Armes> c(Reproduire_Arme(&g));
  EXPECT_EQ(c->get_charge_actuelle(), 10);
  EXPECT_EQ(c->Tirer(Rect(0, 0, 0, 0), false, false, 0, false, false), PROJETER);
  EXPECT_EQ(static_cast<Lancer*>(c.get())->grenade[0], AllouerImage("Armes/Grenades/grenade.png", 0, false));
}

TEST_F(Copies, AuraFiresNothingAndItsCopyKeepsItsBoostAndSymbol) {
  Aura a("Vitesse", 6);
  EXPECT_EQ(a.get_type(), 6);
  EXPECT_EQ(a.get_charge_actuelle(), 0);
  EXPECT_EQ(a.get_nb_munition(), 0);
  EXPECT_EQ(a.donnerViseur(), nullptr);
  ASSERT_NE(a.donnerOmbre(), nullptr);
  EXPECT_EQ(a.donnerOmbre(), AllouerImage("Armes/Auras/Vitesse/ombre.png", 0, false));
  EXPECT_EQ(a.Tirer(Rect(0, 0, 0, 0), false, false, 0, false, false), 0);
  EXPECT_EQ(a.Tirer(Rect(5, 5, 0, 0), true, true, 90, true, true), 0);
  EXPECT_EQ(Mapping::dernier_objet, 0);

  a.sethero(true);
  std::unique_ptr<Armes> c(Reproduire_Arme(&a));
  EXPECT_EQ(c->get_type(), 6);
  EXPECT_EQ(c->donnerOmbre(), a.donnerOmbre());
  EXPECT_STREQ(c->get_nom(), "Vitesse");
  EXPECT_FALSE(c->hero);
}
