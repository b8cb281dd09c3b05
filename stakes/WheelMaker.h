#pragma once

// Makes a wheeling system: for N numbers (positions 1..N), lines of five positions such that
// whenever m of the drawn numbers are among the N, some line holds t of them ("t if m"), with
// positions 1..b ("bankers") in every line, and with as few lines as the time allows.
//
// A randomized greedy start covers every m-set; then, each time the line that covers fewest sets
// alone is taken away, a weighted local search over the uncovered m-sets repairs the cover: it
// takes an uncovered set, and among the lines closest to it makes the swap of one number that
// covers the most weight, every uncovered set weighing one more after each move so that the
// search leaves the places where it would go round in circles. Two searches with different
// seeds run at once, one per core. The search stops at the lower bound
// it is given, when the time is up or when asked to; the best cover found is then checked by the
// exact verifier, and one that fails the check is never returned.

#include "stakes/SystemFile.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace stakes {

struct WheelParams
{
    int Nums = 0;      // N, 6..54
    int Guarantee = 0; // t, 2..4
    int Drawn = 5;     // m, t..5
    int Bankers = 0;   // b, 0..min(t - 1, 5 - t)
};

// Empty when a system with these parameters can be made, else the reason.
QString WheelParamsError(const WheelParams& params);

// Where a running search stands, for a progress window.
struct WheelProgress
{
    int Size = 0;       // lines of the best cover found so far (0 before the first)
    int Searching = 0;  // the size being searched for now
    double Seconds = 0; // since the start
};

struct WheelOptions
{
    double Seconds = 10;    // the time budget
    std::uint64_t Seed = 1; // the searches use Seed and Seed + 1
    int Threads = 2;        // searches at once
    int StopAt = 1;         // the lower bound: a cover of this size ends the search
    // Called about ten times a second on the calling thread; false stops the search, which
    // then returns the best cover found so far (the first cover is always completed).
    std::function<bool(const WheelProgress&)> Progress;
};

struct WheelResult
{
    std::vector<SystemLine> Lines; // the verified cover, sorted; empty when none was verified
    int VerifiedGuarantee = 0;     // the t the verifier found for the parameters' m
    bool ReachedBound = false;     // the size is the lower bound given
    bool Stopped = false;          // the progress callback asked to stop
    double Seconds = 0;
};

// Refuses bad parameters with an empty result (see WheelParamsError) before allocating.
WheelResult MakeWheel(const WheelParams& params, const WheelOptions& options);

// The Schönheim lower bound for covering every t-set of v points by blocks of k points:
// ceil(v/k * ceil((v-1)/(k-1) * ... ceil((v-t+1)/(k-t+1)))). 0 for t < 1 or v < k.
std::int64_t SchoenheimBound(int v, int k, int t);

} // namespace stakes
