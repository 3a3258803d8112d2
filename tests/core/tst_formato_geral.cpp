#include "data/FormatoGeral.h"
#include "data/ParseReal.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

class FormatoGeralTest : public ::testing::Test {
protected:
    void SetUp() override { DefinirSeparadorDecimal(','); }
    void TearDown() override { DefinirSeparadorDecimal(','); }
};

struct Caso {
    long double valor;
    const char* texto;
};

TEST_F(FormatoGeralTest, ShortestTextOfFifteenDigitsWithComma) {
    const Caso casos[] = {
        {2.5L, "2,5"},
        {1.0L, "1"},
        {21.06L, "21,06"},
        {1.0L / 3, "0,333333333333333"},
        {2.0L / 3, "0,666666666666667"},
        {0.0001L, "0,0001"},
        {0.00005L, "5E-5"},
        {0.0L, "0"},
        {-0.0L, "0"},
        {100.0L, "100"},
        {-1.5L, "-1,5"},
        {-0.00012345L, "-0,00012345"},
        {1.3L, "1,3"},
        {72.0075150L, "72,007515"},
        {123456789012345.0L, "123456789012345"},
        {999999999999999.0L, "999999999999999"},
        {1e15L, "1E15"},
        {1.5e20L, "1,5E20"},
        {-2.5e-7L, "-2,5E-7"},
        {1e-100L, "1E-100"},
        {1234567.8901234567L, "1234567,89012346"},
        {0.1L, "0,1"},
        {1e4000L, "1E4000"},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(FormatoGeral(caso.valor), caso.texto) << caso.texto;
}

TEST_F(FormatoGeralTest, RoundingAtFifteenDigitsDecidesTheForm) {
    // Rounded to 15 digits these reach the next power of ten, and are written as that.
    EXPECT_EQ(FormatoGeral(999999999999999.9L), "1E15");
    EXPECT_EQ(FormatoGeral(0.00009999999999999999L), "0,0001");
    EXPECT_EQ(FormatoGeral(9.9999999999999999L), "10");
    EXPECT_EQ(FormatoGeral(1.00000000000000049L), "1");
    EXPECT_EQ(FormatoGeral(1.0000000000000051L), "1,00000000000001");
}

TEST_F(FormatoGeralTest, PointSeparator) {
    DefinirSeparadorDecimal('.');
    EXPECT_EQ(FormatoGeral(2.5L), "2.5");
    EXPECT_EQ(FormatoGeral(1.5e20L), "1.5E20");
    EXPECT_EQ(FormatoGeral(-0.0001L), "-0.0001");
}

TEST_F(FormatoGeralTest, ReadsBackWhatItWrites) {
    const long double valores[] = {2.5L, 21.06L, 0.0001L, 5e-5L, 1.5e20L, -123.456L, 1e-300L};
    for (long double v : valores)
        EXPECT_EQ(ParseReal(FormatoGeral(v)), v) << FormatoGeral(v);
}

TEST_F(FormatoGeralTest, IgnoresTheCLibraryLocale) {
    const std::string anterior = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "pt_BR.UTF-8") == nullptr)
        GTEST_SKIP() << "pt_BR.UTF-8 locale not installed";
    DefinirSeparadorDecimal('.');
    EXPECT_EQ(FormatoGeral(2.5L), "2.5");
    EXPECT_EQ(FormatoGeral(5e-5L), "5E-5");
    std::setlocale(LC_ALL, anterior.c_str());
}

} // namespace
