#include "stats/ExpressionInternal.h"

#include <array>
#include <cmath>

namespace stats::detail {

namespace {

constexpr long double kHalfPi = 1.570796326794896619231321691639751442L;

// To the nearest integer, a half to the even neighbour; exact for every finite value.
long double RoundHalfEven(long double x)
{
    const long double whole = std::trunc(x);
    const long double part = x - whole;
    const long double size = std::fabs(part);
    if (size > 0.5L || (size == 0.5L && std::fmod(whole, 2.0L) != 0))
        return whole + (part < 0 ? -1 : 1);
    return whole;
}

// arctan(x / sqrt(1 - x^2)); where the root is 0 (x = 1 or -1) the limit, +-pi/2.
ExprError ArcSin(long double x, long double& r)
{
    const long double rest = 1 - x * x;
    if (rest < 0)
        return ExprError::RootArgument;
    r = rest == 0 ? std::copysign(kHalfPi, x) : std::atan(x / std::sqrt(rest));
    return ExprError::None;
}

ExprError Power(long double a, long double b, long double& r)
{
    if (b == 0)
        r = 1;
    else if (a == 0) {
        if (b < 0)
            return ExprError::DivisionByZero;
        r = 0;
    } else if (a < 0 && b != std::trunc(b))
        return ExprError::FloatingPoint; // no real value
    else
        r = std::pow(a, b);
    return ExprError::None;
}

ExprError Binary(std::uint8_t op, long double a, long double b, long double& r)
{
    switch (op) {
    case OpAdd:
        r = a + b;
        break;
    case OpSub:
        r = a - b;
        break;
    case OpMul:
        r = a * b;
        break;
    case OpDiv:
        if (b == 0)
            return ExprError::DivisionByZero;
        r = a / b;
        break;
    default:
        return Power(a, b, r);
    }
    return ExprError::None;
}

ExprError Unary(std::uint8_t op, long double x, long double& r)
{
    switch (op) {
    case OpNeg:
        r = -x;
        break;
    case OpArcTan:
        r = std::atan(x);
        break;
    case OpCos:
        r = std::cos(x);
        break;
    case OpSin:
        r = std::sin(x);
        break;
    case OpTan: {
        const long double c = std::cos(x);
        if (c == 0)
            return ExprError::DivisionByZero;
        r = std::sin(x) / c;
        break;
    }
    case OpAbs:
        r = std::fabs(x);
        break;
    case OpExp:
        r = std::exp(x);
        break;
    case OpLn:
    case OpLog:
        if (x <= 0)
            return ExprError::LogArgument;
        r = op == OpLn ? std::log(x) : std::log10(x);
        break;
    case OpSqrt:
        if (x < 0)
            return ExprError::RootArgument;
        r = std::sqrt(x);
        break;
    case OpSqr:
        r = x * x;
        break;
    case OpInt:
    case OpRound:
        r = RoundHalfEven(x);
        break;
    case OpTrunc:
        r = std::trunc(x);
        break;
    case OpFrac:
        r = x - std::trunc(x);
        break;
    case OpArcSin:
        return ArcSin(x, r);
    case OpArcCos: {
        long double s = 0;
        const ExprError e = ArcSin(x, s);
        r = kHalfPi - s;
        return e;
    }
    case OpSign:
        r = x > 0 ? 1 : x < 0 ? -1 : 0;
        break;
    case OpNot: {
        // The complement of the whole part as a 64-bit integer; beyond that range there is none.
        const long double whole = std::trunc(x);
        if (!(whole >= -0x1p63L && whole < 0x1p63L))
            return ExprError::FloatingPoint;
        r = static_cast<long double>(~static_cast<std::int64_t>(whole));
        break;
    }
    default:
        return ExprError::Syntax;
    }
    return ExprError::None;
}

} // namespace

// Applies an operation to the top of the stack.
ExprError Apply(std::uint8_t op, long double* stack, int& sp)
{
    long double r = 0;
    ExprError e;
    if (op < OpNeg) {
        --sp;
        e = Binary(op, stack[sp - 1], stack[sp], r);
    } else {
        e = Unary(op, stack[sp - 1], r);
    }
    if (e != ExprError::None)
        return e;
    if (!std::isfinite(r))
        return ExprError::FloatingPoint;
    stack[sp - 1] = r;
    return ExprError::None;
}

// Runs a compiled formula; a variable step names its draw (n, p, t) in the high bits of its
// argument and the position in the low three. The four arithmetic operations, the bulk of a
// formula, are done here; the rest goes through Apply.
ExprResult Run(const std::vector<ExprStep>& code, const std::uint8_t* const* draws)
{
    std::array<long double, kStackSize> stack;
    int sp = 0;
    for (const ExprStep& s : code) {
        long double* top = stack.data() + sp - 1;
        switch (s.Op) {
        case OpConst:
            top[1] = s.Value;
            ++sp;
            continue;
        case OpVar:
            top[1] = draws[s.Arg >> 3][s.Arg & 7];
            ++sp;
            continue;
        case OpAdd:
            top[-1] += top[0];
            break;
        case OpSub:
            top[-1] -= top[0];
            break;
        case OpMul:
            top[-1] *= top[0];
            break;
        case OpDiv:
            if (top[0] == 0)
                return {0, ExprError::DivisionByZero};
            top[-1] /= top[0];
            break;
        case OpFail:
            return {0, ExprError(s.Arg)};
        default:
            if (const ExprError e = Apply(s.Op, stack.data(), sp); e != ExprError::None)
                return {0, e};
            continue;
        }
        --sp;
        if (!std::isfinite(top[-1]))
            return {0, ExprError::FloatingPoint};
    }
    if (sp != 1)
        return {0, ExprError::Syntax};
    return {stack[0], ExprError::None};
}

} // namespace stats::detail
