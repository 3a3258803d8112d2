// Number reading (ParseReal) and writing (FormatoGeral) with the user's decimal separator, whatever
// the C library's locale.
#include "data/FormatoGeral.h"
#include "data/ParseReal.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

class Numeros : public ::testing::Test {
protected:
    void SetUp() override { DefinirSeparadorDecimal(','); }
    void TearDown() override { DefinirSeparadorDecimal(','); }
};

// Why the text was refused, or "accepted".
std::string Motivo(const char* texto) {
    try {
        ParseReal(texto);
    } catch (const EConvertError& erro) {
        return erro.what();
    }
    return "accepted";
}

TEST_F(Numeros, ReadsEveryAcceptedForm) {
    const struct {
        const char* texto;
        long double valor;
    } casos[] = {
        // clang-format off
        {"3,5", 3.5L},         {" 3,5 ", 3.5L},     {"   3,5", 3.5L},  {"-1,5E2", -150.0L},
        {",", 0.0L},           {"-,", 0.0L},        {"1e", 1.0L},      {"1E+", 1.0L},
        {"2e-", 2.0L},         {"+7", 7.0L},        {"007", 7.0L},     {"5,", 5.0L},
        {",25", 0.25L},        {"1,5e-3", 0.0015L}, {"2E+3", 2000.0L}, {"0", 0.0L},
        {"1e0005", 100000.0L}, {"0,1", 0.1L},       {"1,3", 1.3L},     {"3,1416", 3.1416L},
        // The extended range; below it a number reads as zero.
        {"1E4000", 1e4000L}, {"-1,18E4932", -1.18e4932L}, {"1E-4000", 1e-4000L}, {"1E-5000", 0.0L},
        {"1E-99999999999999999999", 0.0L}, {"0E99999999999999999999", 0.0L},
        // clang-format on
    };
    for (const auto& caso : casos)
        EXPECT_EQ(ParseReal(caso.texto), caso.valor) << '"' << caso.texto << '"';
    // Not binary fractions, or beyond 64 bits: the nearest extended real, as the compiler's
    // literal. Halfway between two of them near 1, 1 + 2^-64 rounds to even, i.e. to 1.
    EXPECT_EQ(ParseReal("0,0000000000000000000000000000000000000001"), 1e-40L);
    EXPECT_EQ(ParseReal("123456789,123456789"), 123456789.123456789L);
    EXPECT_EQ(ParseReal("12345678901234567890"), 12345678901234567890.0L);
    EXPECT_EQ(ParseReal("1,0000000000000000000542101086242752217003726400434970855712890625"),
              1.0L);
    DefinirSeparadorDecimal('.');
    EXPECT_EQ(ParseReal(" 2.5 "), 2.5L);
    EXPECT_EQ(ParseReal("."), 0.0L);
    EXPECT_EQ(ParseReal("-1.5e2"), -150.0L);
}

TEST_F(Numeros, RejectsEveryOtherTextWithItsReason) {
    const std::string invalido = "Texto não é um número válido.";
    for (const char* texto :
         {"",      "   ",   "-",   "+",     "1 000",     "3,5 m", "\t3",   "3.5",
          "1,2,3", "E5",    "e",   "- 5",   "1e5,0",     "1e 5",  "0x10",  "inf",
          "nan",   "1_000", "++1", "1e--2", "3\xc2\xa0", "1,5\t", "1E5E5", "٣"})
        EXPECT_EQ(Motivo(texto), invalido) << '"' << texto << '"';
    const std::string alemDaFaixa = "Número fora da faixa dos reais estendidos.";
    EXPECT_EQ(Motivo("1E5000"), alemDaFaixa);
    EXPECT_EQ(Motivo("-1,2E4932"), alemDaFaixa);
    EXPECT_EQ(Motivo("1E99999999999999999999"), alemDaFaixa);
    DefinirSeparadorDecimal('.');
    EXPECT_EQ(Motivo("2,5"), invalido);
}

TEST_F(Numeros, WritesTheShortestTextOfFifteenDigits) {
    // Scientific below 0.0001 and from 16 integer digits on. Rounded to 15 digits some values
    // reach the next power of ten, and are written as that.
    const struct {
        long double valor;
        const char* texto;
    } casos[] = {
        // clang-format off
        {2.5L, "2,5"}, {1.0L, "1"}, {21.06L, "21,06"}, {0.0L, "0"}, {-0.0L, "0"}, {100.0L, "100"},
        {-1.5L, "-1,5"}, {1.3L, "1,3"}, {0.1L, "0,1"}, {0.0001L, "0,0001"}, {0.00005L, "5E-5"},
        {1e15L, "1E15"}, {1.5e20L, "1,5E20"}, {-2.5e-7L, "-2,5E-7"}, {1e-100L, "1E-100"},
        {1e4000L, "1E4000"}, {-0.00012345L, "-0,00012345"},
        {1.0L / 3, "0,333333333333333"}, {2.0L / 3, "0,666666666666667"},
        {72.0075150L, "72,007515"}, {1234567.8901234567L, "1234567,89012346"},
        {123456789012345.0L, "123456789012345"}, {999999999999999.0L, "999999999999999"},
        {999999999999999.9L, "1E15"}, {0.00009999999999999999L, "0,0001"},
        {9.9999999999999999L, "10"}, {1.00000000000000049L, "1"},
        {1.0000000000000051L, "1,00000000000001"},
        // clang-format on
    };
    for (const auto& caso : casos)
        EXPECT_EQ(FormatoGeral(caso.valor), caso.texto);
    DefinirSeparadorDecimal('.');
    EXPECT_EQ(FormatoGeral(2.5L), "2.5");
    EXPECT_EQ(FormatoGeral(1.5e20L), "1.5E20");
    EXPECT_EQ(FormatoGeral(-0.0001L), "-0.0001");
}

TEST_F(Numeros, ReadsBackWhatItWrites) {
    for (long double v : {2.5L, 21.06L, 0.0001L, 5e-5L, 1.5e20L, -123.456L, 1e-300L})
        EXPECT_EQ(ParseReal(FormatoGeral(v)), v) << FormatoGeral(v);
}

TEST_F(Numeros, IgnoreTheCLibraryLocale) {
    // Under a Brazilian C locale the C library itself reads and writes commas.
    const std::string anterior = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "pt_BR.UTF-8") == nullptr)
        GTEST_SKIP() << "pt_BR.UTF-8 locale not installed";
    EXPECT_EQ(ParseReal("3,5"), 3.5L);
    DefinirSeparadorDecimal('.');
    EXPECT_EQ(ParseReal("3.5"), 3.5L);
    EXPECT_THROW(ParseReal("3,5"), EConvertError);
    EXPECT_EQ(FormatoGeral(2.5L), "2.5");
    EXPECT_EQ(FormatoGeral(5e-5L), "5E-5");
    std::setlocale(LC_ALL, anterior.c_str());
}

} // namespace
