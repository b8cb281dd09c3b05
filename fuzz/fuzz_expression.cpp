// The formula evaluator: plain texts, and draw formulas whose compiled form must give what the
// substituted text gives.
#include "stats/Expression.h"

#include <cmath>
#include <cstdlib>

namespace {

void Check(const stats::ExprResult& r)
{
    const bool sound = r.ok() ? std::isfinite(r.Value) : r.Value == 0 && r.Error <= stats::ExprError::TooDeep;
    if (!sound)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Check(stats::EvaluateExpression(text));

    // Numbers of one, two and three digits, and zeros as outside the archive.
    static const std::uint8_t sets[][15] = {
        {2, 7, 14, 33, 50, 1, 3, 5, 8, 13, 21, 34, 40, 45, 54},
        {0, 9, 10, 99, 255, 100, 1, 0, 5, 2, 0, 0, 0, 0, 0},
    };
    const stats::DrawFormula formula(text);
    for (const auto& v : sets) {
        const stats::ExprResult fast = formula.evaluate(v, v + 5, v + 10);
        const stats::ExprResult slow = formula.evaluateBySubstitution(v, v + 5, v + 10);
        Check(fast);
        Check(slow);
        if (fast.Error != slow.Error || !(fast.Value == slow.Value))
            std::abort();
    }
    return 0;
}
