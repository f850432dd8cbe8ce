#include <gtest/gtest.h>

#include <cstring>

#include "engine/P_char.h"

namespace {
std::string prendre(char* t) {
  std::string s(t);
  delete[] t;
  return s;
}
}  // namespace

TEST(Texte, ConstConcatenationDropsOnlyOneLeadingBlankOfTheFirstText) {
  EXPECT_EQ(prendre(constconcatenation(" abc", "d")), "abcd");
  EXPECT_EQ(prendre(constconcatenation("  abc", "d")), " abcd");
  EXPECT_EQ(prendre(constconcatenation("abc", " d")), "abc d");
  EXPECT_EQ(prendre(constconcatenation("", "")), "");
}

TEST(Texte, PlusEqualsDropsTheHeldLeadingBlankWhilePlusKeepsIt) {
  P_char a(" x");
  a += "y";
  EXPECT_STREQ(a.retournertexte(), "xy");
  P_char b(" x");
  char* r = b + "y";
  EXPECT_STREQ(r, " xy");
  EXPECT_EQ(r, b.retournertexte());  // + changes the object itself
  P_char c(" n");
  c += 7;  // a number is appended without dropping the blank
  EXPECT_STREQ(c.retournertexte(), " n7");
}

TEST(Texte, IntcharWritesDecimalDigits) {
  EXPECT_EQ(prendre(intchar(0)), "0");
  EXPECT_EQ(prendre(intchar(9)), "9");
  EXPECT_EQ(prendre(intchar(10)), "10");
  EXPECT_EQ(prendre(intchar(105)), "105");
  EXPECT_EQ(prendre(intchar(-42)), "-42");
  EXPECT_EQ(prendre(intchar(-2147483647 - 1)), "-2147483648");
}

TEST(Texte, CharcmpComparesLengthAndBytes) {
  EXPECT_TRUE(charcmp("", ""));
  EXPECT_FALSE(charcmp("ab", "abc"));
  EXPECT_FALSE(charcmp("abd", "abc"));
  EXPECT_TRUE(charcmp("Armes/tir.wav", "Armes/tir.wav"));
}

TEST(Texte, SwitchboolFlipsOnlyZeroAndOne) {
  char c = 2;
  switchbool(c);
  EXPECT_EQ(c, 2);
  c = 1;
  switchbool(c);
  EXPECT_EQ(c, 0);
  bool b = false;
  switchbool(b);
  EXPECT_TRUE(b);
}

TEST(Texte, ConcatenationReleasesBothInputs) {
  char* a = new char[3];
  std::strcpy(a, "ab");
  char* b = new char[2];
  std::strcpy(b, "c");
  EXPECT_EQ(prendre(concatenation(a, b)), "abc");  // the sanitizer build catches a leak or double free
}

TEST(Texte, CopiesOwnTheirTextAndSelfAssignmentIsSafe) {
  P_char a("abc");
  P_char b(a);
  P_char c;
  c = a;
  a = "zz";
  EXPECT_STREQ(b.retournertexte(), "abc");
  EXPECT_STREQ(c.retournertexte(), "abc");
  a = a;
  EXPECT_STREQ(a.retournertexte(), "zz");
  a = a.retournertexte();  // its own text, through the char* assignment
  EXPECT_STREQ(a.retournertexte(), "zz");
  a = 12;
  EXPECT_STREQ(a.retournertexte(), "12");
  a + 3;
  EXPECT_STREQ(a.retournertexte(), "123");
  EXPECT_STREQ(P_char().retournertexte(), "");
}
