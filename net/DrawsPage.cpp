#include "net/DrawsPage.h"

#include "core/Dates.h"
#include "core/TextForms.h"
#include "net/Extract.h"

#include <QCoreApplication>

namespace net {

namespace {

constexpr ExtractMode Strict = ExtractMode::Strict;
// One query asks for one date; a page claiming more draws than this is not a results page,
// and walking it block by block would cost time in proportion to its size squared.
constexpr int kMaxBlocksPerPage = 100;

QString tr(const char* text)
{
    return QCoreApplication::translate("net", text);
}

const QString kListStart = QStringLiteral("<div id=\"drawsList\">");
const QString kListEnd = QStringLiteral("<!-- while JQuery is not added to the grid... -->");
const QString kBlockStart = QStringLiteral("<div class=\"cuerpoRegionIzq\">");
const QString kBlockEnd = QStringLiteral("<div class=\"cuerpoRegionDerecha\">");
const QString kAreaStart = QStringLiteral("<p>Lucky combination</p>");
const QString kAreaEnd = QStringLiteral("</div>");
const QString kNumbersStart = QStringLiteral("<ul>");
const QString kNumbersEnd = QStringLiteral("</ul>");
const QString kNumberStart = QStringLiteral("<li>");
const QString kNumberEnd = QStringLiteral("</li>");
const QString kKeyStart = QStringLiteral("<span class=\"bolaPeq\">");
const QString kKeyEnd = QStringLiteral("</span>");

// A strict search that also fails when the start marker is absent: a draw with a number
// missing must not enter the archive as a zero.
QString requiredItem(QString& text, const QString& start, const QString& end)
{
    if (!text.contains(start, Qt::CaseInsensitive)) {
        throw core::EConvertError(tr("Не удалось найти пару идентификаторов \"%1\" - \"%2\" в тексте\n\n[%3]!")
                                      .arg(start, end, text.left(300)));
    }
    return ExtractBetweenAndCut(text, start, end, Strict);
}

} // namespace

QString OperatorQueryUrl(const QString& operatorUrl, std::int32_t fromYmd, std::int32_t toYmd)
{
    QString base = operatorUrl.trimmed();
    while (base.endsWith(u'/'))
        base.chop(1);
    return base + QStringLiteral("/en/buscador?startDate=%1&gameId=05&type=search&endDate=%2")
                      .arg(core::YmdText(fromYmd), core::YmdText(toYmd));
}

std::vector<core::TDrawRec> ParseDrawsPage(const QString& page, std::int32_t fromYmd, int archiveSize)
{
    std::vector<core::TDrawRec> draws;
    QString list = ExtractBetween(page, kListStart, kListEnd, Strict);
    int blocks = 0;
    for (;;) {
        QString block = ExtractBetweenAndCut(list, kBlockStart, kBlockEnd, ExtractMode::Empty);
        if (block.isEmpty())
            break;
        if (++blocks > kMaxBlocksPerPage)
            throw core::EConvertError(tr("На странице больше %1 тиражей за одну дату.").arg(kMaxBlocksPerPage));
        QString numbers = ExtractNested(block, kAreaStart, kAreaEnd, kNumbersStart, kNumbersEnd, Strict);
        if (numbers.isEmpty())
            continue;
        core::TDrawRec rec;
        rec.Num = archiveSize + static_cast<int>(draws.size()) + 1;
        core::SetDrawDateText(rec, core::YmdText(fromYmd).left(core::DrawDateMaxLen));
        bool seen[core::NumberCount + 1] = {};
        for (int i = 0; i < core::CombSize; ++i) {
            const QString item = requiredItem(numbers, kNumberStart, kNumberEnd);
            const int value = IntOrZero(item);
            if (value < 1 || value > core::NumberCount || seen[value])
                throw core::EConvertError(tr("Некорректное число тиража на странице: \"%1\"").arg(item.left(40)));
            seen[value] = true;
            rec.Values[i] = static_cast<std::uint8_t>(value);
        }
        if (!block.contains(kKeyStart, Qt::CaseInsensitive))
            throw core::EConvertError(tr("На странице нет ключевого числа тиража (\"%1\").").arg(kKeyStart));
        const QString keyText = ExtractBetween(block, kKeyStart, kKeyEnd, Strict);
        bool ok = false;
        const int key = TrimBlanks(keyText).toInt(&ok);
        if (!ok || key < 0 || key > core::ExtraMax)
            throw core::EConvertError(tr("Некорректное ключевое число на странице: \"%1\"").arg(keyText.left(40)));
        rec.Extra = static_cast<std::uint8_t>(key);
        draws.push_back(rec);
    }
    return draws;
}

} // namespace net
