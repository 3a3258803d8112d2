#include "data/ParseReal.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

namespace {

class ParseRealTest : public ::testing::Test {
protected:
    void SetUp() override { DefinirSeparadorDecimal(','); }
    void TearDown() override { DefinirSeparadorDecimal(','); }
};

struct Aceito {
    const char* texto;
    long double valor;
};

TEST_F(ParseRealTest, ReadsEveryAcceptedFormWithComma) {
    const Aceito casos[] = {
        {"3,5", 3.5L},
        {" 3,5 ", 3.5L},
        {"   3,5", 3.5L},
        {"-1,5E2", -150.0L},
        {",", 0.0L},
        {"-,", 0.0L},
        {"1e", 1.0L},
        {"1E+", 1.0L},
        {"2e-", 2.0L},
        {"+7", 7.0L},
        {"007", 7.0L},
        {"5,", 5.0L},
        {",25", 0.25L},
        {"1,5e-3", 0.0015L},
        {"2E+3", 2000.0L},
        {"0", 0.0L},
        {"12345678901234567890", 12345678901234567890.0L},
        {"0,1", 0.1L},
        {"1e0005", 100000.0L},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(ParseReal(caso.texto), caso.valor) << '"' << caso.texto << '"';
}

TEST_F(ParseRealTest, RejectsEveryOtherText) {
    const char* casos[] = {"",      "   ",   "-",   "+",     "1 000",     "3,5 m", "\t3",   "3.5",
                           "1,2,3", "E5",    "e",   "- 5",   "1e5,0",     "1e 5",  "0x10",  "inf",
                           "nan",   "1_000", "++1", "1e--2", "3\xc2\xa0", "1,5\t", "1E5E5", "٣"};
    for (const char* texto : casos)
        EXPECT_THROW(ParseReal(texto), EConvertError) << '"' << texto << '"';
}

TEST_F(ParseRealTest, PointSeparatorMakesCommaInvalid) {
    DefinirSeparadorDecimal('.');
    EXPECT_EQ(SeparadorDecimal(), '.');
    EXPECT_EQ(ParseReal(" 2.5 "), 2.5L);
    EXPECT_EQ(ParseReal("."), 0.0L);
    EXPECT_EQ(ParseReal("-1.5e2"), -150.0L);
    EXPECT_THROW(ParseReal("2,5"), EConvertError);
}

TEST_F(ParseRealTest, RoundsToTheNearestExtendedReal) {
    // 0,1 and 1,3 are not binary fractions: the nearest extended real, as the compiler's literal.
    EXPECT_EQ(ParseReal("0,1"), 0.1L);
    EXPECT_EQ(ParseReal("1,3"), 1.3L);
    EXPECT_EQ(ParseReal("3,1416"), 3.1416L);
    EXPECT_EQ(ParseReal("0,0000000000000000000000000000000000000001"), 1e-40L);
    EXPECT_EQ(ParseReal("123456789,123456789"), 123456789.123456789L);
    // Halfway between two extended reals near 1: 1 + 2^-64 rounds to even, i.e. to 1.
    EXPECT_EQ(ParseReal("1,0000000000000000000542101086242752217003726400434970855712890625"),
              1.0L);
}

TEST_F(ParseRealTest, RangeIsTheExtendedRange) {
    EXPECT_EQ(ParseReal("1E4000"), 1e4000L);
    EXPECT_EQ(ParseReal("-1,18E4932"), -1.18e4932L);
    EXPECT_THROW(ParseReal("1E5000"), EConvertError);
    EXPECT_THROW(ParseReal("-1,2E4932"), EConvertError);
    EXPECT_THROW(ParseReal("1E99999999999999999999"), EConvertError);
    // Too small for the extended range: reads as zero.
    EXPECT_EQ(ParseReal("1E-5000"), 0.0L);
    EXPECT_EQ(ParseReal("1E-99999999999999999999"), 0.0L);
    EXPECT_EQ(ParseReal("0E99999999999999999999"), 0.0L);
    EXPECT_EQ(ParseReal("1E-4000"), 1e-4000L);
}

TEST_F(ParseRealTest, ConversionErrorIsOurOwnType) {
    try {
        ParseReal("abc");
        FAIL() << "no error raised";
    } catch (const EConvertError& erro) {
        EXPECT_STRNE(erro.what(), "");
    }
}

TEST_F(ParseRealTest, IgnoresTheCLibraryLocale) {
    // Under a Brazilian C locale strtold itself reads commas; the reader must not care.
    const std::string anterior = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "pt_BR.UTF-8") == nullptr)
        GTEST_SKIP() << "pt_BR.UTF-8 locale not installed";
    EXPECT_EQ(ParseReal("3,5"), 3.5L);
    DefinirSeparadorDecimal('.');
    EXPECT_EQ(ParseReal("3.5"), 3.5L);
    EXPECT_THROW(ParseReal("3,5"), EConvertError);
    std::setlocale(LC_ALL, anterior.c_str());
}

} // namespace
