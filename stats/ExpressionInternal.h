#pragma once

// What the parser of Expression.cpp and the arithmetic of ExpressionArithmetic.cpp share: the
// operation codes a formula is compiled to, the size of the value stack, and the steps that
// compute on it. Private to the evaluator.

#include "stats/Expression.h"

#include <cstdint>
#include <vector>

namespace stats::detail {

// The operations of a compiled formula; the binary ones come first.
enum Op : std::uint8_t {
    OpAdd,
    OpSub,
    OpMul,
    OpDiv,
    OpPow,
    OpNeg,
    OpArcTan,
    OpCos,
    OpSin,
    OpTan,
    OpAbs,
    OpExp,
    OpLn,
    OpLog,
    OpSqrt,
    OpSqr,
    OpInt,
    OpRound,
    OpTrunc,
    OpFrac,
    OpArcSin,
    OpArcCos,
    OpSign,
    OpNot,
    OpConst,
    OpVar,
    OpFail,
};

// Each level of parentheses leaves at most two operands waiting (the left side of a sum and
// of a product) while the next one is pushed, so the stack never holds more than
// 2 * depth + 3 values.
inline constexpr int kStackSize = 2 * ExprMaxDepth + 8;

// Applies an operation to the top of the stack.
ExprError Apply(std::uint8_t op, long double* stack, int& sp);

// Runs a compiled formula; a variable step names its draw (n, p, t) in the high bits of its
// argument and the position in the low three.
ExprResult Run(const std::vector<ExprStep>& code, const std::uint8_t* const* draws);

} // namespace stats::detail
