#include <fstream>

#include "Banc.h"
#include "platform/Fichiers.h"

using FichiersTest = Banc;

TEST_F(FichiersTest, NameIsFoundUnderAnotherLetterCase) {
  ecrire_fichier("Armes/Fumigene/tir.wav", "x");
  EXPECT_EQ(Fichiers::resoudre("Armes/Fumigene/tir.wav"), "Armes/Fumigene/tir.wav");
  EXPECT_EQ(Fichiers::resoudre("armes/fumigene/TIR.WAV"), "Armes/Fumigene/tir.wav");
  EXPECT_TRUE(Fichiers::existe("ARMES/fumigene/tir.wav"));
  EXPECT_FALSE(Fichiers::existe("Armes/Fumigene/autre.wav"));
  // A new file in an existing folder keeps its own name in the folder found.
  EXPECT_EQ(Fichiers::resoudre("armes/nouveau.txt"), "Armes/nouveau.txt");
  FILE* f = Fichiers::ouvrir("ARMES/FUMIGENE/TIR.wav", "rb");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(std::fgetc(f), 'x');
  std::fclose(f);
}

TEST_F(FichiersTest, SafeWriteReplacesOnlyAWholeFile) {
  ecrire_fichier("Systeme1.sav", "ancien");
  {
    Fichiers::EcritureSure e("systeme1.sav");
    ASSERT_TRUE(e.ouvert());
    std::fputs("nouveau", e.flux());
    // dropped without valider(): the old file stays
  }
  std::ifstream a("Systeme1.sav");
  std::string s;
  a >> s;
  EXPECT_EQ(s, "ancien");
  {
    Fichiers::EcritureSure e("systeme1.sav");
    std::fputs("nouveau", e.flux());
    EXPECT_TRUE(e.valider());
  }
  std::ifstream b("Systeme1.sav");
  b >> s;
  EXPECT_EQ(s, "nouveau");
  EXPECT_FALSE(Fichiers::EcritureSure("dossier/absent/x.map").valider());
  int fichiers = 0;
  for (auto& _ : std::filesystem::directory_iterator(".")) (void)_, ++fichiers;
  EXPECT_EQ(fichiers, 1);  // no temporary file left behind
}

TEST_F(FichiersTest, LittleEndianRecordsRoundTrip) {
  FILE* f = std::fopen("r.bin", "wb");
  Fichiers::ecrire_u8(f, 0x1FF);
  Fichiers::ecrire_le16(f, 0xBEEF);
  Fichiers::ecrire_le32(f, 0xDEADBEEFul);
  std::fclose(f);
  f = std::fopen("r.bin", "rb");
  unsigned char a;
  unsigned short b;
  unsigned int c;
  ASSERT_TRUE(Fichiers::lire_u8(f, a));
  ASSERT_TRUE(Fichiers::lire_le16(f, b));
  ASSERT_TRUE(Fichiers::lire_le32(f, c));
  EXPECT_EQ(a, 0xFF);
  EXPECT_EQ(b, 0xBEEF);
  EXPECT_EQ(c, 0xDEADBEEFu);
  EXPECT_FALSE(Fichiers::lire_u8(f, a));  // the end is reported, not invented
  std::fclose(f);
}

TEST_F(FichiersTest, VirtualClockMovesOnlyWhenAsked) {
  Horloge::regler(0);
  EXPECT_EQ(Horloge::ticks(), 0u);
  Horloge::attendre(10);
  EXPECT_EQ(Horloge::ticks(), 10u);
  int vus = 0;
  Horloge::crochet_image([&] { ++vus; });
  Horloge::flip(SDL_GetVideoSurface());
  EXPECT_EQ(Horloge::ticks(), 11u);  // a flip moves the clock one millisecond
  EXPECT_EQ(vus, 1);
  Horloge::graine(7);
  int a = Horloge::hasard();
  Horloge::graine(7);
  EXPECT_EQ(Horloge::hasard(), a);
}
