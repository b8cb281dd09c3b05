#pragma once

// The sizes wheeling systems are measured against. The shipped table lists, for covering
// designs with lines of five ("t if t"), the best known sizes and lower bounds of the La Jolla
// Covering Repository (version 1.2, data CC-BY-4.0), and for some "t if m" systems the smallest
// sizes known to work; the Schönheim bound covers every "t if t" system the table lacks.

#include "stakes/WheelMaker.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace stakes {

struct WheelReferenceRow
{
    int Nums = 0;
    int Guarantee = 0;
    int Drawn = 0;
    int Size = 0;
    int LowerBound = 0; // 0: none given
    QString Status;     // "optimal", "best_known", "known" or "greedy"
};

// The rows of the table's text (header "numbers,guarantee,if,size,lower_bound,status"); nullopt
// with the line and the reason when a line does not fit.
std::optional<std::vector<WheelReferenceRow>> ParseWheelReference(const QByteArray& text, QString* error);

// The shipped table.
const std::vector<WheelReferenceRow>& WheelReferenceTable();

// What is known of the size of a system with these parameters.
struct WheelSizes
{
    int BestKnown = 0;           // the table's size (systems without bankers); 0 unknown
    QString Status;              // the table's status, empty when it has no row
    std::int64_t LowerBound = 0; // the larger of the table's bound and the Schönheim bound; 0 unknown
};
WheelSizes KnownWheelSizes(const WheelParams& params);

} // namespace stakes
