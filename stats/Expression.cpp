#include "stats/Expression.h"
#include "stats/ExpressionInternal.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <utility>

namespace stats {

// The operation codes and the arithmetic on the stack live in ExpressionArithmetic.cpp.
using namespace detail;

namespace {

struct Function
{
    std::string_view Name;
    Op Code;
};

constexpr Function kFunctions[] = {
    {"ARCTAN", OpArcTan}, {"COS", OpCos},     {"SIN", OpSin},     {"TAN", OpTan},   {"ABS", OpAbs},
    {"EXP", OpExp},       {"LN", OpLn},       {"LOG", OpLog},     {"SQRT", OpSqrt}, {"SQR", OpSqr},
    {"INT", OpInt},       {"ROUND", OpRound}, {"TRUNC", OpTrunc}, {"FRAC", OpFrac}, {"ARCSIN", OpArcSin},
    {"ARCCOS", OpArcCos}, {"SIGN", OpSign},   {"NOT", OpNot},
};

// Bytes 1..15 stand for the variables of a compiled draw formula; preparation drops every
// byte below "!" from a text, so they never come from the text itself.
bool IsSlot(char c)
{
    return c >= 1 && c <= DrawFormula::VariableCount;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

int HexDigit(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A text after preparation, with a "0" in front of a leading sign and a terminating zero.
struct Prepared
{
    char Text[ExprMaxLength + 2];
    std::size_t Length = 0;
};

// Drops blanks and control characters and upper-cases letters; withNames, the names n1..t5
// (case ignored) become the bytes 1..15. Then checks the length and the parentheses.
ExprError Prepare(std::string_view raw, Prepared& out, bool withNames)
{
    std::size_t len = 1; // Text[0] is kept free for the "0" in front of a sign
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = Upper(raw[i]);
        if (static_cast<unsigned char>(c) < '!')
            continue;
        if (len > ExprMaxLength)
            return ExprError::TooLong;
        if (withNames && i + 1 < raw.size() && raw[i + 1] >= '1' && raw[i + 1] <= '5' &&
            (c == 'N' || c == 'P' || c == 'T')) {
            const int group = c == 'N' ? 0 : c == 'P' ? 1 : 2;
            out.Text[len++] = char(1 + group * 5 + (raw[i + 1] - '1'));
            ++i;
            continue;
        }
        out.Text[len++] = c;
    }
    int depth = 0;
    int deepest = 0;
    bool balanced = true;
    for (std::size_t i = 1; i < len && balanced; ++i) {
        if (out.Text[i] == '(')
            deepest = std::max(deepest, ++depth);
        else if (out.Text[i] == ')')
            balanced = --depth >= 0;
    }
    if (!balanced || depth != 0)
        return ExprError::Parentheses;
    if (deepest > ExprMaxDepth)
        return ExprError::TooDeep;
    std::size_t start = 1;
    if (len > 1 && (out.Text[1] == '+' || out.Text[1] == '-')) {
        out.Text[0] = '0';
        start = 0;
    }
    std::memmove(out.Text, out.Text + start, len - start);
    out.Length = len - start;
    out.Text[out.Length] = 0;
    return ExprError::None;
}

// Whether every variable byte stands where its decimal text would be one whole number on its
// own: after nothing, "(", an operator or a sign that is not part of an exponent, and before
// the end, an operator, ")" or a comparison. Then the compiled form gives what the substituted
// text gives.
bool NamesStandAlone(const Prepared& p)
{
    const char* t = p.Text;
    for (std::size_t j = 0; j < p.Length; ++j) {
        if (!IsSlot(t[j]))
            continue;
        if (j > 0) {
            const char before = t[j - 1];
            const bool sign = before == '+' || before == '-';
            if (!(before == '(' || before == '*' || before == '/' || before == '^' ||
                  (sign && (j < 2 || t[j - 2] != 'E'))))
                return false;
        }
        const char after = t[j + 1];
        if (!(after == 0 || std::strchr("+-*/^)<=>", after) != nullptr))
            return false;
    }
    return true;
}

// Recursive descent over a prepared text. The sink either evaluates each step at once or
// records it; steps come in the order a left-to-right interpreter performs them, so both give
// the same first error. Every sink call returns false when the evaluation stops.
template <class Sink> class Parser
{
public:
    Parser(const char* text, Sink& sink) : m_text(text), m_sink(sink) {}

    void run()
    {
        if (!expression())
            return;
        const char c = peek();
        if (!(c == 0 || c == ')' || c == ',' || c == '<' || c == '=' || c == '>'))
            m_sink.fail(ExprError::Syntax);
    }

private:
    char peek() const { return m_text[m_pos]; }

    bool expression()
    {
        if (!term())
            return false;
        for (char c = peek(); c == '+' || c == '-'; c = peek()) {
            ++m_pos;
            if (!term() || !m_sink.op(c == '+' ? OpAdd : OpSub))
                return false;
        }
        return true;
    }

    bool term()
    {
        if (!factor())
            return false;
        for (char c = peek(); c == '*' || c == '/' || c == '^'; c = peek()) {
            ++m_pos;
            if (!factor() || !m_sink.op(c == '*' ? OpMul : c == '/' ? OpDiv : OpPow))
                return false;
        }
        return true;
    }

    bool factor()
    {
        const char c = peek();
        if (c == '(') {
            ++m_pos;
            return inner();
        }
        if (IsLetter(c))
            return function();
        return number();
    }

    // The rest of "(" expression ")".
    bool inner()
    {
        if (++m_depth > ExprMaxDepth) // preparation has checked this already
            return m_sink.fail(ExprError::TooDeep);
        if (!expression())
            return false;
        if (peek() != ')')
            return m_sink.fail(ExprError::Syntax);
        ++m_pos;
        --m_depth;
        return true;
    }

    bool function()
    {
        const std::size_t start = m_pos;
        while (IsLetter(peek()))
            ++m_pos;
        const std::string_view name(m_text + start, m_pos - start);
        for (const Function& f : kFunctions) {
            if (f.Name != name)
                continue;
            if (peek() != '(')
                break;
            ++m_pos;
            return inner() && m_sink.op(f.Code);
        }
        return m_sink.fail(ExprError::Syntax);
    }

    bool number()
    {
        bool negative = false;
        if (peek() == '+' || peek() == '-') {
            negative = peek() == '-';
            ++m_pos;
        }
        const char c = peek();
        if (IsSlot(c)) {
            ++m_pos;
            return m_sink.variable(c - 1) && (!negative || m_sink.op(OpNeg));
        }
        long double value = 0;
        if (c == '$') {
            ++m_pos;
            std::uint32_t v = 0;
            int count = 0;
            for (int d = HexDigit(peek()); count < 8 && d >= 0; d = HexDigit(peek())) {
                v = v * 16 + std::uint32_t(d);
                ++count;
                ++m_pos;
            }
            if (count == 0)
                return m_sink.fail(ExprError::Syntax);
            value = v;
        } else if (const ExprError e = decimal(value); e != ExprError::None) {
            return m_sink.fail(e);
        }
        return m_sink.constant(negative ? -value : value);
    }

    // digits ["." or "," digits] ["E" [sign] digits], at least one digit before the exponent.
    ExprError decimal(long double& value)
    {
        const std::size_t intStart = m_pos;
        while (IsDigit(peek()))
            ++m_pos;
        const std::size_t intEnd = m_pos;
        std::size_t fracStart = m_pos;
        if (peek() == '.' || peek() == ',')
            fracStart = ++m_pos;
        while (IsDigit(peek()))
            ++m_pos;
        const std::size_t fracEnd = m_pos;
        if (intEnd == intStart && fracEnd == fracStart)
            return ExprError::Syntax;
        bool hasExponent = false;
        bool negativeExponent = false;
        std::size_t expStart = 0;
        if (peek() == 'E') {
            hasExponent = true;
            ++m_pos;
            if (peek() == '+' || peek() == '-')
                negativeExponent = m_text[m_pos++] == '-';
            expStart = m_pos;
            while (IsDigit(peek()))
                ++m_pos;
            if (m_pos == expStart)
                return ExprError::Syntax;
        }
        if (!hasExponent && fracEnd == fracStart && intEnd - intStart <= 19) {
            // Whole numbers below 10^19 are exact in the 64-bit mantissa.
            std::uint64_t v = 0;
            for (std::size_t i = intStart; i < intEnd; ++i)
                v = v * 10 + std::uint64_t(m_text[i] - '0');
            value = static_cast<long double>(v);
            return ExprError::None;
        }
        // The standard conversion wants "." and digits on both sides of it.
        char* out = m_number.data();
        if (intEnd == intStart)
            *out++ = '0';
        out = std::copy(m_text + intStart, m_text + intEnd, out);
        *out++ = '.';
        if (fracEnd == fracStart)
            *out++ = '0';
        out = std::copy(m_text + fracStart, m_text + fracEnd, out);
        if (hasExponent) {
            *out++ = 'e';
            *out++ = negativeExponent ? '-' : '+';
            out = std::copy(m_text + expStart, m_text + m_pos, out);
        }
        const auto result = std::from_chars(m_number.data(), out, value, std::chars_format::general);
        if (result.ec == std::errc::result_out_of_range) {
            if (negativeExponent) { // too small: gradual underflow ends at 0
                value = 0;
                return ExprError::None;
            }
            return ExprError::FloatingPoint;
        }
        return result.ec == std::errc() ? ExprError::None : ExprError::Syntax;
    }

    const char* m_text;
    Sink& m_sink;
    std::size_t m_pos = 0;
    int m_depth = 0;
    std::array<char, ExprMaxLength + 8> m_number; // a number is never longer than the text
};

// Evaluates each step as the parser produces it.
class ImmediateSink
{
public:
    bool constant(long double v)
    {
        if (m_sp == kStackSize)
            return fail(ExprError::TooDeep);
        m_stack[std::size_t(m_sp++)] = v;
        return true;
    }
    bool variable(int) { return fail(ExprError::Syntax); } // a plain text has no variables
    bool op(std::uint8_t code)
    {
        const ExprError e = Apply(code, m_stack.data(), m_sp);
        return e == ExprError::None || fail(e);
    }
    bool fail(ExprError e)
    {
        m_error = e;
        return false;
    }
    ExprResult result() const
    {
        if (m_error != ExprError::None)
            return {0, m_error};
        return {m_stack[0], ExprError::None};
    }

private:
    std::array<long double, kStackSize> m_stack;
    int m_sp = 0;
    ExprError m_error = ExprError::None;
};

// Records the steps; an error of the text becomes a last step that fails.
class ProgramSink
{
public:
    explicit ProgramSink(std::vector<ExprStep>& code) : m_code(code) {}
    bool constant(long double v) { return add({v, OpConst, 0}, 1); }
    bool variable(int slot) { return add({0, OpVar, std::uint8_t((slot / 5) << 3 | slot % 5)}, 1); }
    bool op(std::uint8_t code) { return add({0, code, 0}, code < OpNeg ? -1 : 0); }
    bool fail(ExprError e)
    {
        m_code.push_back({0, OpFail, std::uint8_t(e)});
        return false;
    }

private:
    bool add(const ExprStep& step, int change)
    {
        m_sp += change;
        if (m_sp > kStackSize)
            return fail(ExprError::TooDeep);
        m_code.push_back(step);
        return true;
    }

    std::vector<ExprStep>& m_code;
    int m_sp = 0;
};

// The decimal text of a number 0..255; returns its length.
int DecimalText(std::uint8_t v, char* out)
{
    int len = 0;
    if (v >= 100)
        out[len++] = char('0' + v / 100);
    if (v >= 10)
        out[len++] = char('0' + v / 10 % 10);
    out[len++] = char('0' + v % 10);
    return len;
}

} // namespace

QString ExprErrorText(ExprError error)
{
    switch (error) {
    case ExprError::None:
        return {};
    case ExprError::Parentheses:
        return QCoreApplication::translate("stats", "Не хватает скобочки");
    case ExprError::Syntax:
        return QCoreApplication::translate("stats", "Синтаксическая ошибка");
    case ExprError::DivisionByZero:
        return QCoreApplication::translate("stats", "Деление на нуль");
    case ExprError::LogArgument:
        return QCoreApplication::translate("stats", "Выражение под логарифмом меньне нуля");
    case ExprError::RootArgument:
        return QCoreApplication::translate("stats", "Выражение под корнем меньне нуля");
    case ExprError::FloatingPoint:
        return QCoreApplication::translate("stats", "Ошибка в операции с плавающей точкой");
    case ExprError::TooLong:
        return QCoreApplication::translate("stats", "Слишком длинное выражение");
    case ExprError::TooDeep:
        return QCoreApplication::translate("stats", "Слишком много вложенных скобок");
    }
    return {};
}

ExprResult EvaluateExpression(std::string_view text)
{
    Prepared prepared;
    if (const ExprError e = Prepare(text, prepared, false); e != ExprError::None)
        return {0, e};
    ImmediateSink sink;
    Parser<ImmediateSink>(prepared.Text, sink).run();
    return sink.result();
}

DrawFormula::DrawFormula(std::string_view text) : m_text(text), m_compiled(true)
{
    if (text.size() > MaxTextLength) {
        m_code.push_back({0, OpFail, std::uint8_t(ExprError::TooLong)});
        return;
    }
    Prepared prepared;
    if (const ExprError e = Prepare(text, prepared, true); e != ExprError::None) {
        // Digits in place of the names change neither the parentheses nor the length limit.
        m_code.push_back({0, OpFail, std::uint8_t(e)});
        return;
    }
    if (!NamesStandAlone(prepared)) {
        m_compiled = false;
        return;
    }
    ProgramSink sink(m_code);
    Parser<ProgramSink>(prepared.Text, sink).run();
}

ExprResult DrawFormula::evaluate(const std::uint8_t* n, const std::uint8_t* p, const std::uint8_t* t) const
{
    if (!m_compiled)
        return evaluateBySubstitution(n, p, t);
    const std::uint8_t* const draws[3] = {n, p, t};
    return Run(m_code, draws);
}

ExprResult DrawFormula::evaluateBySubstitution(const std::uint8_t* n, const std::uint8_t* p,
                                               const std::uint8_t* t) const
{
    if (m_text.size() > MaxTextLength)
        return {0, ExprError::TooLong};
    // Each replacement turns two characters into at most three and uses up one letter of the
    // formula (the digits it writes are never letters), so the text at most doubles.
    std::array<char, ExprMaxLength + 4> a;
    std::array<char, ExprMaxLength + 4> b;
    char* from = a.data();
    char* to = b.data();
    std::size_t len = m_text.size();
    std::memcpy(from, m_text.data(), len);
    const std::uint8_t* groups[3] = {n, p, t};
    const char letters[3] = {'N', 'P', 'T'};
    for (int i = 0; i < 5; ++i) {
        for (int g = 0; g < 3; ++g) {
            char digits[3];
            const int count = DecimalText(groups[g][i], digits);
            std::size_t out = 0;
            for (std::size_t k = 0; k < len;) {
                if (out + 3 > ExprMaxLength + 1)
                    return {0, ExprError::TooLong}; // cannot happen, see above
                if (k + 1 < len && Upper(from[k]) == letters[g] && from[k + 1] == '1' + i) {
                    std::memcpy(to + out, digits, std::size_t(count));
                    out += std::size_t(count);
                    k += 2;
                } else {
                    to[out++] = from[k++];
                }
            }
            std::swap(from, to);
            len = out;
        }
    }
    return EvaluateExpression(std::string_view(from, len));
}

} // namespace stats
