#pragma once

// The arithmetic evaluator of the user's formulas (the shredding statistic).
//
// Language: blanks and control characters are dropped and letters upper-cased; a text that
// starts with a sign gets "0" put in front. expression = term {("+" | "-") term};
// term = factor {("*" | "/" | "^") factor}, both left to right, so 2^3^2 is 64.
// factor = "(" expression ")" | number | function "(" expression ")". A number may carry its
// own sign (2*-3), has "." or "," as decimal point and an optional exponent, or is "$" and one
// to eight hexadecimal digits. After an expression the next character must be the end, ")",
// ",", "<", "=" or ">"; the text after a top-level ",", "<", "=" or ">" is not evaluated.
// Arithmetic is in extended precision (long double).
//
// The evaluator takes untrusted text: nothing it is given can crash it, recursion is bounded by
// ExprMaxDepth nested parentheses, the text by ExprMaxLength characters, the work is linear in
// the text and integers never overflow. Evaluating allocates nothing (the standard number
// conversion may, for a number of hundreds of digits); a DrawFormula allocates its steps once.
// Errors come in text order, as a left-to-right interpreter meets them: "1/0+" is a division
// by zero, not a syntax error.

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace stats {

enum class ExprError : std::uint8_t {
    None = 0,
    Parentheses,    // the parentheses do not balance
    Syntax,         // anything the grammar does not allow
    DivisionByZero, // also a power of 0 with a negative exponent, TAN where the cosine is 0
    LogArgument,    // LN or LOG of a value <= 0
    RootArgument,   // SQRT (or ARCSIN, ARCCOS beyond -1..1) of a negative value
    FloatingPoint,  // overflow, a power of a negative value with a fraction exponent, ...
    TooLong,        // more than ExprMaxLength characters after preparation
    TooDeep,        // parentheses nested deeper than ExprMaxDepth
};

// The message of an error, in the interface language; empty for None.
QString ExprErrorText(ExprError error);

struct ExprResult
{
    long double Value = 0; // 0 on error
    ExprError Error = ExprError::None;
    bool ok() const { return Error == ExprError::None; }
};

// Limits of the evaluator: characters after blanks are dropped, and nesting of parentheses
// (a function call counts as one level).
inline constexpr std::size_t ExprMaxLength = 4096;
inline constexpr int ExprMaxDepth = 64;

// Evaluates a text of 8-bit characters; characters outside ASCII never belong to the grammar.
ExprResult EvaluateExpression(std::string_view text);

// One step of a compiled formula (the operations are private to the evaluator).
struct ExprStep
{
    long double Value = 0; // a constant
    std::uint8_t Op = 0;
    std::uint8_t Arg = 0; // a variable slot or an error code
};

// A formula over the five numbers of a draw (n1..n5), of the draw before it (p1..p5) and of
// the draw two before it (t1..t5). The names are replaced by the decimal text of the numbers
// before the text is evaluated (case ignored, n1, p1, t1, then n2 ... t5), so "n1n2" is a
// number of several digits and "1En1" a power of ten. When every name stands where only a
// whole number can (the usual case), the formula is compiled once and evaluated without text;
// otherwise each evaluation substitutes the text into a buffer on the stack.
class DrawFormula
{
public:
    // Formulas longer than this are refused (TooLong): the substituted text then always fits
    // into the evaluator's limit.
    static constexpr std::size_t MaxTextLength = ExprMaxLength / 2;
    static constexpr int VariableCount = 15; // n1..n5, p1..p5, t1..t5

    explicit DrawFormula(std::string_view text = {});

    // n, p and t point to five numbers each.
    ExprResult evaluate(const std::uint8_t* n, const std::uint8_t* p, const std::uint8_t* t) const;
    // The same by substituting the text each time (the definition the compiled form follows).
    ExprResult evaluateBySubstitution(const std::uint8_t* n, const std::uint8_t* p, const std::uint8_t* t) const;
    // Whether evaluate runs the compiled form.
    bool compiled() const { return m_compiled; }

private:
    std::string m_text;
    std::vector<ExprStep> m_code;
    bool m_compiled = false;
};

} // namespace stats
