#include "Banc.h"
#include "engine/Timing.h"
#include "engine/caracteristiques.h"

using TimingTest = Banc;

TEST_F(TimingTest, AnswersTwoUntilThePeriodHasStrictlyPassedThenThree) {
  Horloge::regler(1000);
  Timing t;
  EXPECT_EQ(t.cycle(100), 2);  // not running
  Horloge::avancer(500);
  EXPECT_EQ(t.cycle(100), 2);  // still not running: never answers 3
  t.en_cours = true;
  t.remise_a_zero();
  Horloge::avancer(100);
  EXPECT_EQ(t.cycle(100), 2);  // exactly the period: not yet
  Horloge::avancer(1);
  EXPECT_EQ(t.cycle(100), 3);
  Horloge::avancer(1000);
  EXPECT_EQ(t.cycle(100), 3);  // stays 3 until the owner resets it
  t.remise_a_zero();
  EXPECT_EQ(t.cycle(100), 2);
  EXPECT_EQ(t.duree_en_cours, static_cast<int32_t>(Horloge::ticks()));
  // Through the tick count's half-way mark (24.8 days) and its wrap alike.
  for (Uint32 avant : {0x80000000u - 150, 0u - 150}) {
    Horloge::regler(avant);
    t.remise_a_zero();
    Horloge::avancer(100);
    EXPECT_EQ(t.cycle(100), 2);
    Horloge::avancer(1);
    EXPECT_EQ(t.cycle(100), 3);
    Horloge::avancer(100);
    EXPECT_EQ(t.cycle(100), 3) << "past " << avant + 150;
  }
  // A stamp made at start-up and read more than 2^31 ms later.
  Horloge::regler(0);
  t.remise_a_zero();
  Horloge::regler(0x80000000u + 60000);
  EXPECT_EQ(t.cycle(100), 3);
}

TEST(Caracteristiques, StartWithFullLifeAndNoAura) {
  caracteristiques c(150, 40, 3, 4);
  EXPECT_EQ(c.pv_max, 150);
  EXPECT_EQ(c.pv_restants, 150);
  EXPECT_EQ(c.aura, 0);
  EXPECT_EQ(c.limite_aura, 40);
  EXPECT_EQ(c.attaque, 3);
  EXPECT_EQ(c.defense, 4);
}
