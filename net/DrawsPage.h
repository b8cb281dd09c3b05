#pragma once

// The lottery operator's results page: the address of one query and the parse of the draws
// it lists. The markup belongs to the operator; the markers here are what this parser relies on.

#include "core/GameTypes.h"

#include <QString>

#include <vector>

namespace net {

// The first query date of a download when the archive is empty: the first week of the format.
inline constexpr std::int32_t kFirstQueryYmd = 20050109;

// operatorUrl (scheme, host and port) + "/en/buscador?startDate=dd/mm/yyyy&gameId=05&..."
QString OperatorQueryUrl(const QString& operatorUrl, std::int32_t fromYmd, std::int32_t toYmd);

// The draws of one results page in the order they stand on it. The n-th gets the number
// archiveSize + n and the date of fromYmd. A page without the results list holds no draws; a
// block without numbers is skipped. Throws core::EConvertError when a block is broken: an end
// marker missing, fewer than five numbers, numbers that are not five different ones of 1..54,
// or no key number 0..9.
std::vector<core::TDrawRec> ParseDrawsPage(const QString& page, std::int32_t fromYmd, int archiveSize);

} // namespace net
