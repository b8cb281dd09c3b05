#include "core/DrawInput.h"

#include "core/TextForms.h"

#include <QRegularExpression>

namespace core {

bool ParseDrawText(const QString& text, TDrawRec& rec)
{
    static const QRegularExpression separators(QStringLiteral("[,;]"));
    const QStringList words = text.split(separators);
    if (words.size() != CombSize + 1)
        return false;

    int numbers[CombSize];
    for (int i = 0; i < CombSize; ++i) {
        bool ok = false;
        const int n = words[i].trimmed().toInt(&ok);
        numbers[i] = ok ? n : 0;
        if (numbers[i] < 1 || numbers[i] > NumberCount)
            return false;
        for (int j = 0; j < i; ++j) {
            if (numbers[j] == numbers[i])
                return false;
        }
    }
    // The key number must be a number: a typo there would otherwise be stored silently as 0.
    bool ok = false;
    const int extra = words[CombSize].trimmed().toInt(&ok);
    if (!ok || extra < 0 || extra > ExtraMax)
        return false;

    for (int i = 0; i < CombSize; ++i)
        rec.Values[i] = static_cast<std::uint8_t>(numbers[i]);
    rec.Extra = static_cast<std::uint8_t>(extra);
    return true;
}

QString DrawTextOf(const TDrawRec& rec)
{
    QStringList parts;
    for (std::uint8_t n : rec.Values)
        parts << NumText(n);
    parts << NumText(rec.Extra);
    return parts.join(QLatin1Char(';'));
}

} // namespace core
