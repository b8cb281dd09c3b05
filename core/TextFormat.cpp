#include "core/TextFormat.h"

#include <vector>

namespace core {

namespace {

QString integerText(std::int64_t value, int precision)
{
    QString digits = QString::number(value < 0 ? -(value + 1) + std::uint64_t{1} : std::uint64_t(value));
    if (precision > digits.size())
        digits.prepend(QString(precision - digits.size(), u'0'));
    return value < 0 ? u'-' + digits : digits;
}

QString padded(QString text, int width, bool left)
{
    if (width > text.size()) {
        const QString fill(width - text.size(), u' ');
        text = left ? text + fill : fill + text;
    }
    return text;
}

} // namespace

QString FormatText(const QString& pattern, std::initializer_list<FormatArg> argList)
{
    const std::vector<FormatArg> args(argList);
    QString out;
    out.reserve(pattern.size() + 16);
    std::size_t next = 0;
    const qsizetype n = pattern.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar ch = pattern[i];
        if (ch != u'%') {
            out += ch;
            ++i;
            continue;
        }
        if (i + 1 < n && pattern[i + 1] == u'%') {
            out += u'%';
            i += 2;
            continue;
        }
        // Parse "%[index:][-][width][.precision]type".
        qsizetype j = i + 1;
        auto readNumber = [&](int& value) {
            const qsizetype start = j;
            value = 0;
            while (j < n && pattern[j].isDigit() && j - start < 9) {
                value = value * 10 + pattern[j].digitValue();
                ++j;
            }
            return j > start;
        };
        int index = -1;
        int width = 0;
        int precision = -1;
        bool left = false;
        int number = 0;
        const qsizetype afterPercent = j;
        if (readNumber(number)) {
            if (j < n && pattern[j] == u':') {
                index = number;
                ++j;
            } else {
                j = afterPercent; // it was the width
            }
        }
        if (j < n && pattern[j] == u'-') {
            left = true;
            ++j;
        }
        readNumber(width);
        if (j < n && pattern[j] == u'.') {
            ++j;
            if (!readNumber(precision))
                precision = 0;
        }
        const std::size_t argIndex = index >= 0 ? std::size_t(index) : next;
        bool done = false;
        if (j < n && argIndex < args.size()) {
            const QChar type = pattern[j].toLower();
            if (type == u'd' && std::holds_alternative<std::int64_t>(args[argIndex])) {
                out += padded(integerText(std::get<std::int64_t>(args[argIndex]), precision), width, left);
                done = true;
            } else if (type == u's' && std::holds_alternative<QString>(args[argIndex])) {
                QString text = std::get<QString>(args[argIndex]);
                if (precision >= 0 && precision < text.size())
                    text.truncate(precision);
                out += padded(text, width, left);
                done = true;
            }
        }
        if (done) {
            next = argIndex + 1;
            i = j + 1;
        } else {
            out += ch; // leave the placeholder as written
            ++i;
        }
    }
    return out;
}

} // namespace core
