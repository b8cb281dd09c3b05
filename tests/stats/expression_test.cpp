#include "stats/Expression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

using stats::DrawFormula;
using stats::EvaluateExpression;
using stats::ExprError;
using stats::ExprErrorText;
using stats::ExprResult;

namespace {

const long double kPi = std::acos(-1.0L);

// The value of a text that must evaluate.
long double Value(const std::string& text)
{
    const ExprResult r = EvaluateExpression(text);
    EXPECT_TRUE(r.ok()) << text << ": " << ExprErrorText(r.Error).toStdString();
    return r.Value;
}

ExprError Error(const std::string& text)
{
    const ExprResult r = EvaluateExpression(text);
    if (!r.ok()) {
        EXPECT_EQ(r.Value, 0) << text;
    }
    return r.Error;
}

void ExpectValues(std::initializer_list<std::pair<std::string, long double>> cases)
{
    for (const auto& [text, value] : cases)
        EXPECT_EQ(Value(text), value) << text;
}

void ExpectErrors(std::initializer_list<std::pair<std::string, ExprError>> cases)
{
    for (const auto& [text, error] : cases)
        EXPECT_EQ(Error(text), error) << text;
}

std::string Repeat(const std::string& part, int times)
{
    std::string s;
    for (int i = 0; i < times; ++i)
        s += part;
    return s;
}

TEST(Expression, PowerSharesTheLevelOfProductAndQuotientLeftToRight)
{
    ExpectValues({{"2^3*2", 16},
                  {"2*3^2", 36},
                  {"2^3^2", 64},
                  {"8/2^2", 16},
                  {"2^2/8", 0.5},
                  {"2+3*4", 14},
                  {"2*3+4*5", 26},
                  {"10-4-3", 3},
                  {"100/10/5", 2},
                  {"(2+3)*4", 20},
                  {"2^(1+2)", 8},
                  {"((7))", 7}});
}

TEST(Expression, SignsOfTheTextAndOfNumbers)
{
    ExpectValues({{"-5+2", -3}, // "0" put in front
                  {"+4", 4},
                  {"-2^2", -4}, // 0 - 2^2
                  {"-(2+3)", -5},
                  {"--5", 5}, // 0 - (-5)
                  {"2*-3", -6},
                  {"2*+3", 6},
                  {"2--3", 5},
                  {"2^-1", 0.5},
                  {"2*-$10", -32}});
    // Only a number carries a sign of its own.
    ExpectErrors({{"2*-(3)", ExprError::Syntax},
                  {"2*--3", ExprError::Syntax},
                  {"2*-SIN(0)", ExprError::Syntax},
                  {"-", ExprError::Syntax},
                  {"5-", ExprError::Syntax}});
}

TEST(Expression, BlanksAndControlCharactersAreDroppedAndCaseIgnored)
{
    EXPECT_EQ(Value(" 2 3 "), 23);
    EXPECT_EQ(Value("1\t+\r\n2"), 3);
    EXPECT_EQ(Value(std::string("4\x01*\x1f") + "2"), 8);
    ExpectValues({{"sqrt(16)", 4}, {"Abs(-2)", 2}, {"1e2", 100}, {"$ff", 255}, {"s q r ( 3 )", 9}});
}

TEST(Expression, DecimalNumbers)
{
    ExpectValues({{"1.5E2", 150},
                  {"1.5E+2", 150},
                  {"25E-1", 2.5},
                  {"2,5", 2.5}, // the decimal comma of the program's locale
                  {".5", 0.5},
                  {"5.", 5},
                  {"0.1", 0.1L},
                  {"1E-2", 0.01L},
                  {"12345678901234567890", 12345678901234567890.0L},
                  {"000000000000000000000000042", 42}});
    ExpectErrors({{"1E", ExprError::Syntax},
                  {"1E+", ExprError::Syntax},
                  {"1.2.3", ExprError::Syntax},
                  {".", ExprError::Syntax},
                  {"E5", ExprError::Syntax}});
    // Beyond the extended range, and below it.
    EXPECT_EQ(Error("1E5000"), ExprError::FloatingPoint);
    EXPECT_EQ(Value("1E-5000"), 0);
}

TEST(Expression, ArithmeticIsInExtendedPrecision)
{
    EXPECT_EQ(Value("2^63+1-2^63"), 1); // 64 bits of mantissa
    EXPECT_EQ(Value("2^64+1-2^64"), 0); // and not 65
    EXPECT_NEAR(double(Value("1E4000/1E3999")), 10.0, 1e-12);
    EXPECT_EQ(Value("23/83"), 23.0L / 83.0L);
}

TEST(Expression, HexadecimalNumbers)
{
    ExpectValues({{"$10", 16},
                  {"$FF", 255},
                  {"$1E", 30},
                  {"$1E+1", 31}, // E is a digit here, not an exponent
                  {"$12345678", 305419896},
                  {"$7FFFFFFF", 2147483647},
                  {"$FFFFFFFF", 4294967295.0L},
                  {"-$10", -16},
                  {"$0A*2", 20}});
    ExpectErrors({{"$", ExprError::Syntax},
                  {"$G", ExprError::Syntax},
                  {"$123456789", ExprError::Syntax}, // nine digits
                  {"$1.5", ExprError::Syntax}});
}

TEST(Expression, EveryFunction)
{
    ExpectValues({{"ARCTAN(1)", std::atan(1.0L)},
                  {"COS(0)", 1},
                  {"COS(1)", std::cos(1.0L)},
                  {"SIN(1)", std::sin(1.0L)},
                  {"TAN(1)", std::sin(1.0L) / std::cos(1.0L)},
                  {"TAN(0)", 0},
                  {"ABS(-2.5)", 2.5},
                  {"EXP(1)", std::exp(1.0L)},
                  {"EXP(-100000)", 0},
                  {"LN(1)", 0}});
    EXPECT_NEAR(double(Value("LN(EXP(2))")), 2.0, 1e-15);
    EXPECT_NEAR(double(Value("LOG(1000)")), 3.0, 1e-15);
    ExpectValues({{"LOG(10)", 1},
                  {"SQRT(16)", 4},
                  {"SQRT(0)", 0},
                  {"SQRT(2)", std::sqrt(2.0L)},
                  {"SQR(3)", 9},
                  {"SQR(-4)", 16},
                  {"SQRT(SQR(3)+SQR(4))", 5}});
    // INT and ROUND: to the nearest integer, a half to the even neighbour.
    ExpectValues({{"INT(2.5)", 2},
                  {"INT(3.5)", 4},
                  {"INT(2.6)", 3},
                  {"INT(-2.5)", -2},
                  {"ROUND(0.5)", 0},
                  {"ROUND(1.5)", 2},
                  {"ROUND(2.4)", 2},
                  {"ROUND(-2.6)", -3},
                  {"ROUND(-3.5)", -4},
                  {"TRUNC(2.7)", 2},
                  {"TRUNC(-2.7)", -2},
                  {"FRAC(2.75)", 0.75},
                  {"FRAC(-2.75)", -0.75},
                  {"ARCSIN(1)", kPi / 2},
                  {"ARCSIN(-1)", -kPi / 2},
                  {"ARCSIN(0)", 0}});
    EXPECT_NEAR(double(Value("ARCSIN(0.5)")), double(kPi / 6), 1e-15);
    ExpectValues({{"ARCSIN(0.5)", std::atan(0.5L / std::sqrt(0.75L))}, {"ARCCOS(1)", 0}, {"ARCCOS(0)", kPi / 2}});
    EXPECT_NEAR(double(Value("ARCCOS(0.5)")), double(kPi / 3), 1e-15);
    EXPECT_NEAR(double(Value("ARCCOS(-1)")), double(kPi), 1e-15);
    ExpectValues({{"SIGN(-3)", -1},
                  {"SIGN(0)", 0},
                  {"SIGN(2.5)", 1},
                  {"NOT(5)", -6},
                  {"NOT(0)", -1},
                  {"NOT(-1)", 0},
                  {"NOT(2.9)", -3}, // complement of 2
                  {"NOT(-2.9)", 1}, // complement of -2
                  {"NOT(-2^63)", 9223372036854775807.0L}});
    EXPECT_EQ(Error("NOT(2^63)"), ExprError::FloatingPoint);
    EXPECT_EQ(Value("SIN(1,2)"), std::sin(1.2L)); // a decimal comma, not a second argument
}

TEST(Expression, FunctionsNeedTheirParentheses)
{
    ExpectErrors({{"SIN 1", ExprError::Syntax},
                  {"SIN()", ExprError::Syntax},
                  {"SINE(1)", ExprError::Syntax},
                  {"FOO(1)", ExprError::Syntax},
                  {"PI", ExprError::Syntax},
                  {"LOG10(5)", ExprError::Syntax},
                  {"SIN(1<2)", ExprError::Syntax},
                  {"SIN(1", ExprError::Parentheses}});
}

TEST(Expression, Powers)
{
    ExpectValues({{"0^0", 1},
                  {"5^0", 1},
                  {"0^3", 0},
                  {"0^0.5", 0},
                  {"(-2)^3", -8},
                  {"(-2)^2", 4},
                  {"4^0.5", 2},
                  {"2^10", 1024}});
    ExpectErrors({{"0^-1", ExprError::DivisionByZero},
                  {"(-8)^(1/3)", ExprError::FloatingPoint},
                  {"10^5000", ExprError::FloatingPoint}});
}

TEST(Expression, EveryErrorHasItsText)
{
    EXPECT_EQ(ExprErrorText(ExprError::None), QString());
    EXPECT_EQ(ExprErrorText(ExprError::Parentheses), QStringLiteral("Не хватает скобочки"));
    EXPECT_EQ(ExprErrorText(ExprError::Syntax), QStringLiteral("Синтаксическая ошибка"));
    EXPECT_EQ(ExprErrorText(ExprError::DivisionByZero), QStringLiteral("Деление на нуль"));
    EXPECT_EQ(ExprErrorText(ExprError::LogArgument), QStringLiteral("Выражение под логарифмом меньне нуля"));
    EXPECT_EQ(ExprErrorText(ExprError::RootArgument), QStringLiteral("Выражение под корнем меньне нуля"));
    EXPECT_EQ(ExprErrorText(ExprError::FloatingPoint), QStringLiteral("Ошибка в операции с плавающей точкой"));
    EXPECT_FALSE(ExprErrorText(ExprError::TooLong).isEmpty());
    EXPECT_FALSE(ExprErrorText(ExprError::TooDeep).isEmpty());

    ExpectErrors({{"(1+2", ExprError::Parentheses},
                  {"1+2)", ExprError::Parentheses},
                  {")1+2(", ExprError::Parentheses},
                  {"1/0", ExprError::DivisionByZero},
                  {"0/0", ExprError::DivisionByZero},
                  {"1/(2-2)", ExprError::DivisionByZero},
                  {"LN(0)", ExprError::LogArgument},
                  {"LN(-1)", ExprError::LogArgument},
                  {"LOG(0)", ExprError::LogArgument},
                  {"SQRT(-1)", ExprError::RootArgument},
                  {"ARCSIN(1.5)", ExprError::RootArgument},
                  {"ARCCOS(-2)", ExprError::RootArgument},
                  {"EXP(100000)", ExprError::FloatingPoint},
                  {"1E4000*1E4000", ExprError::FloatingPoint},
                  {"", ExprError::Syntax},
                  {"   ", ExprError::Syntax},
                  {"1+", ExprError::Syntax},
                  {"*2", ExprError::Syntax},
                  {"2A", ExprError::Syntax},
                  {"2(3)", ExprError::Syntax},
                  {"()", ExprError::Syntax},
                  {"n1+1", ExprError::Syntax}, // names mean nothing to the plain evaluator
                  {"2\xd0\x96", ExprError::Syntax}});
}

TEST(Expression, TheEndOfAnExpressionMayBeAComparisonOrAComma)
{
    ExpectValues({
        {"3<5", 3}, {"3=3", 3}, {"7>1", 7}, {"(2),7", 2}, {"1+1<$$!", 2}, // what follows is not evaluated
    });
    EXPECT_EQ(Error("3!"), ExprError::Syntax);
    EXPECT_EQ(Error("3;4"), ExprError::Syntax);
}

TEST(Expression, ErrorsComeInTextOrder)
{
    ExpectErrors({
        {"1/0+LN(0)", ExprError::DivisionByZero},
        {"LN(0)+1/0", ExprError::LogArgument},
        {"1/0+", ExprError::DivisionByZero},
        {"SQRT(-1)*", ExprError::RootArgument},
        {"1+*LN(0)", ExprError::Syntax},
        {"1/0+(2", ExprError::Parentheses}, // the parentheses are checked first
    });
}

TEST(Expression, LengthAndNestingAreLimited)
{
    const std::string longest = "11" + Repeat("+1", 2047); // 4096 characters
    ASSERT_EQ(longest.size(), stats::ExprMaxLength);
    EXPECT_EQ(Value(longest), 11 + 2047);
    EXPECT_EQ(Value(Repeat(" ", 5000) + longest + Repeat("\n", 5000)), 11 + 2047);
    EXPECT_EQ(Error(longest + "1"), ExprError::TooLong);
    EXPECT_EQ(Error(Repeat("(", 100000) + Repeat(")", 100000)), ExprError::TooLong);

    const int deep = stats::ExprMaxDepth;
    EXPECT_EQ(Value(Repeat("(", deep) + "7" + Repeat(")", deep)), 7);
    EXPECT_EQ(Value(Repeat("ABS(", deep) + "-7" + Repeat(")", deep)), 7);
    EXPECT_EQ(Value(Repeat("1+(", deep) + "1" + Repeat(")", deep)), deep + 1);
    long double chain = 3; // "(1+(2*" ... "3" ... "))": each pair of levels doubles and adds one
    for (int i = 0; i < deep / 2; ++i)
        chain = 1 + 2 * chain;
    EXPECT_EQ(Value(Repeat("(1+(2*", deep / 2) + "3" + Repeat("))", deep / 2)), chain);
    EXPECT_EQ(Error(Repeat("(", deep + 1) + "7" + Repeat(")", deep + 1)), ExprError::TooDeep);
    EXPECT_EQ(Error(Repeat("SIN(", 2000) + "1" + Repeat(")", 2000)), ExprError::TooLong);
    EXPECT_EQ(Error(Repeat("(", 2000) + Repeat(")", 2000)), ExprError::TooDeep);
}

// --- Formulas over the numbers of draws -------------------------------------------------------

const std::uint8_t kN[5] = {2, 7, 14, 33, 50};
const std::uint8_t kP[5] = {1, 3, 5, 8, 13};
const std::uint8_t kT[5] = {21, 34, 40, 45, 54};

long double FormulaValue(const char* text, const std::uint8_t* n = kN, const std::uint8_t* p = kP,
                         const std::uint8_t* t = kT)
{
    const DrawFormula f(text);
    const ExprResult r = f.evaluate(n, p, t);
    EXPECT_TRUE(r.ok()) << text << ": " << ExprErrorText(r.Error).toStdString();
    return r.Value;
}

ExprError FormulaError(const char* text, const std::uint8_t* n = kN)
{
    return DrawFormula(text).evaluate(n, kP, kT).Error;
}

TEST(DrawFormula, NamesStandForTheNumbersOfTheThreeDraws)
{
    EXPECT_EQ(FormulaValue("n1+n2+n3+n4+n5"), 106);
    EXPECT_EQ(FormulaValue("p1*100+p5"), 113);
    EXPECT_EQ(FormulaValue("t1*100+t5"), 2154);
    EXPECT_EQ(FormulaValue("N1+P2+t3"), 2 + 3 + 40);
    EXPECT_EQ(FormulaValue("(n1+n2+n3)/(n4+n5)"), 23.0L / 83.0L);
    EXPECT_EQ(FormulaValue("(n4+n5)/(n1+n2+n3)"), 83.0L / 23.0L);
    EXPECT_EQ(FormulaValue("-n1"), -2);
    EXPECT_EQ(FormulaValue("2*-n2"), -14);
    EXPECT_EQ(FormulaValue("n5-n1"), 48);
    EXPECT_EQ(FormulaValue("SQRT(n5-n1+1)"), 7);
    EXPECT_EQ(FormulaValue("n1^n1^n1"), 16);
    EXPECT_EQ(FormulaValue("n2<n1"), 7);
    for (const char* text : {"(n1+n2+n3)/(n4+n5)", "-n1", "2*-n2", "n1^n1^n1", "SQRT(n5-n1+1)", "( n1 + p1 )"})
        EXPECT_TRUE(DrawFormula(text).compiled()) << text;

    const std::uint8_t wide[5] = {0, 9, 10, 99, 255};
    EXPECT_EQ(FormulaValue("n1+n2+n3+n4+n5", wide), 373);
    EXPECT_EQ(FormulaValue("n5*2", wide), 510);
}

TEST(DrawFormula, NamesAreReplacedAsText)
{
    // The number texts join what stands next to them.
    EXPECT_EQ(FormulaValue("n1n2"), 27);
    EXPECT_EQ(FormulaValue("n3.n1"), Value("14.2"));
    EXPECT_EQ(FormulaValue("n1,5"), 2.5);
    EXPECT_EQ(FormulaValue("1En1"), 100);
    EXPECT_EQ(FormulaValue("1E-n1"), Value("1E-2"));
    EXPECT_EQ(FormulaValue("n10"), 20);
    EXPECT_EQ(FormulaValue("$n3"), 20);
    EXPECT_EQ(FormulaValue("n1 n2"), 27); // the blank goes after the replacement
    // n1 = 2 turns "nn1" into "n2", which is replaced in its turn; p1 n1 becomes "p12" then "12".
    EXPECT_EQ(FormulaValue("nn1"), 7);
    EXPECT_EQ(FormulaValue("pn1"), 3);
    EXPECT_EQ(FormulaValue("p1n1"), 12);
    for (const char* text : {"n1n2", "n3.n1", "n1,5", "1En1", "1E-n1", "n10", "$n3", "n1 n2", "nn1", "p1n1"})
        EXPECT_FALSE(DrawFormula(text).compiled()) << text;

    EXPECT_EQ(FormulaError("n 1"), ExprError::Syntax);
    EXPECT_EQ(FormulaError("n6"), ExprError::Syntax);
    EXPECT_EQ(FormulaError("n0"), ExprError::Syntax);
    EXPECT_EQ(FormulaError("x1"), ExprError::Syntax);
    EXPECT_EQ(FormulaError("SIn1(1)"), ExprError::Syntax);
}

TEST(DrawFormula, ErrorsOfTheFormula)
{
    EXPECT_EQ(FormulaError("(n1+n2"), ExprError::Parentheses);
    EXPECT_EQ(FormulaError("n1+"), ExprError::Syntax);
    EXPECT_EQ(FormulaError(""), ExprError::Syntax);
    const std::uint8_t seven[5] = {1, 7, 3, 4, 5};
    EXPECT_EQ(FormulaError("n1/(n2-7)", seven), ExprError::DivisionByZero);
    EXPECT_EQ(FormulaValue("n1/(n2-6)", seven), 1);
    EXPECT_EQ(FormulaError("LN(n1-1)", seven), ExprError::LogArgument);
    EXPECT_EQ(FormulaError("SQRT(n1-n2)"), ExprError::RootArgument);
    EXPECT_EQ(FormulaError("1/0+n1n2"), ExprError::DivisionByZero);

    // The longest formula, its names all numbers of three digits.
    const std::string longest = "n1" + Repeat("+n1", 682);
    ASSERT_EQ(longest.size(), DrawFormula::MaxTextLength);
    const std::uint8_t big[5] = {255, 255, 255, 255, 255};
    EXPECT_EQ(FormulaValue(longest.c_str(), big), 255 * 683);
    EXPECT_TRUE(DrawFormula(longest).compiled());
    EXPECT_EQ(FormulaError((longest + " ").c_str(), big), ExprError::TooLong);
    const std::string joined = Repeat("n1", 1024); // one number of 3072 digits after the replacement
    const ExprResult r = DrawFormula(joined).evaluate(big, kP, kT);
    EXPECT_TRUE(r.ok());
    EXPECT_GT(r.Value, 2.552e3071L);
    EXPECT_LT(r.Value, 2.553e3071L);
}

TEST(DrawFormula, CompiledFormAgreesWithTheReplacedText)
{
    const char* formulas[] = {
        "(n1+n2+n3)/(n4+n5)",
        "(n4+n5)/(n1+n2+n3)",
        "(n1+n3+n5)/(n2+n4)",
        "p1*t1/(n1+1)",
        "n1/(n2-p2)",
        "n1^-1+p5^0.5",
        "-n1-n2*-n3",
        "LN(n1-t1)+SQRT(p2)",
        "n1n2/p1",
        "1En1*n2",
        "NOT(n3)*SIGN(p4-t4)",
        "(n1<n2)",
        "n1,n2",
        "n5/0",
        "ARCSIN(n1/55)",
    };
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> number(0, 255);
    for (const char* text : formulas) {
        const DrawFormula f(text);
        for (int round = 0; round < 300; ++round) {
            std::uint8_t v[15];
            for (std::uint8_t& x : v)
                x = std::uint8_t(round < 3 ? round * 100 : number(rng));
            const ExprResult a = f.evaluate(v, v + 5, v + 10);
            const ExprResult b = f.evaluateBySubstitution(v, v + 5, v + 10);
            ASSERT_EQ(a.Error, b.Error) << text;
            ASSERT_EQ(a.Value, b.Value) << text;
        }
    }
}

} // namespace
