#pragma once

// What a statistic class is without an instance: its code, caption, category, kind and
// parameter range. The registry holds one descriptor per class, in the order of every
// statistics selector; instances are made through the descriptor's factory.

#include "core/GameTypes.h"
#include "core/TextFormat.h"

#include <QString>

#include <vector>

#include <memory>
#include <optional>
#include <utility>

namespace stats {

class TCustomStat;

// Kind flags, in the order their letters are shown.
enum KindFlag : std::uint8_t {
    KindS = 1,  // the values depend on the order of the five numbers
    KindN = 2,  // computable from the five numbers alone: a full-set distribution exists
    KindD = 4,  // relates a draw to earlier draws and to the reference draw
    KindP = 8,  // period statistics
    KindG = 16, // a graph statistic: one value per draw
};

inline constexpr int CategoryCount = 13;
// The three-letter group name of a category ("num" .. "shr"); empty outside 0..12.
QString CategoryGroup(int category);
// The caption of a category in the interface language; empty outside 0..12.
QString CategoryCaption(int category);
// The letters of a set of flags, "S", "N", "D", "P", "G" in that order.
QString FlagLetters(std::uint8_t flags);

// What a statistic copies from the statistics list when it is created.
struct StatEnv
{
    const core::TDrawsArray* Draws = nullptr;
    core::TConfigData Config;
    core::TShreddingData Shredding;
};

// Where a parameter range comes from.
enum class ParamSource : std::uint8_t {
    None,       // no parameter
    Fixed,      // Min..Max of the descriptor
    Channels,   // 1..ceil(54 / ChannelSize)
    MatrixCols, // 1..MatrixCols
    MatrixRows, // 1..ceil(54 / MatrixCols)
    Segments,   // lowest..highest segment number of the map
};

struct StatClass;
using StatFactory = std::unique_ptr<TCustomStat> (*)(const StatClass&, const StatEnv&, int param);

struct StatClass
{
    int Row = 0;                // 1-based registry position
    const char* ClassName = ""; // TstValues ...
    // The class's own fill goes into its template before the parameter does: a fill of digits
    // is an integer, anything else a text ("KNM%d" with "2" is KNM2, "PRV%s" with "+1" is PRV+1).
    const char* CodeTemplate = ""; // "NUMS", "POS%d", "KNM%d", "PRV%s"
    const char* CodeFill = nullptr;
    const char* CaptionTemplate = ""; // translation source
    const char* CaptionFill = nullptr;
    int Category = 0;
    std::uint8_t Kind = 0; // S N D P
    bool Graph = false;
    bool ValueList = true;          // AllowsValueList
    bool Offered = true;            // false: in the registry but never offered
    const char* HelpCode = nullptr; // nullptr: the code, with "x" for the parameter
    ParamSource Params = ParamSource::None;
    int ParamMin = 0;
    int ParamMax = 0;
    StatFactory Create = nullptr; // nullptr: the class is not built yet and is not offered
    // A caption of its own that takes the parameter (nullptr: the template's).
    QString (*CaptionFmt)(int param) = nullptr;

    QString GetCode() const;
    QString GetCaption() const;
    QString GetHelpCode(int param) const;
    std::uint8_t GetKind() const { return Kind; }
    std::uint8_t GetFlags() const { return std::uint8_t(Kind | (Graph ? KindG : 0)); }
    QString GetCodeFmt(int param) const;
    QString GetCaptionFmt(int param) const;
    // The path of the description page, "filters/Filters_1049_<help code>.htm" in the folder of
    // the help file; empty when the help file does not exist. The page itself may be missing.
    QString GetHelpTopic(int param, const QString& helpFile) const;
    bool IsAvailable() const { return Offered && Create != nullptr; }
    bool IsListed() const { return true; }
    bool IsGraph() const { return Graph; }
    bool CanPrefetch() const { return (Kind & KindN) != 0; }
    bool AllowsValueList() const { return ValueList; }
    bool HasParam() const { return Params != ParamSource::None; }
    // Min, Max; Max < Min means no method.
    std::pair<int, int> GetParamRange(const StatEnv& env) const;
};

// The registry: every class in selector order.
const std::vector<const StatClass*>& Registry();
// The descriptor of a class by its class name, nullptr when unknown.
const StatClass* FindStatClass(const QString& className);

} // namespace stats
