#include "XlsxReader.h"

#include <QProcess>
#include <QSet>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace testsupport {

namespace {

bool member(const QString& path, const QString& name, QByteArray& out)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, name});
    if (!unzip.waitForFinished(600000) || unzip.exitCode() != 0)
        return false;
    out = unzip.readAllStandardOutput();
    return true;
}

// "AB12" -> (12, 28)
std::pair<int, int> cellRef(const QString& ref)
{
    int column = 0;
    int i = 0;
    for (; i < ref.size() && ref[i].isLetter(); ++i)
        column = column * 26 + (ref[i].unicode() - u'A' + 1);
    return {ref.mid(i).toInt(), column};
}

QStringList sharedStrings(const QByteArray& xml)
{
    QStringList strings;
    QXmlStreamReader r(xml);
    QString current;
    bool inSi = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == QLatin1String("si")) {
            inSi = true;
            current.clear();
        } else if (r.isStartElement() && r.name() == QLatin1String("t") && inSi) {
            current += r.readElementText();
        } else if (r.isEndElement() && r.name() == QLatin1String("si")) {
            strings << current;
            inSi = false;
        }
    }
    return strings;
}

} // namespace

QString XlsxSheet::cell(int row, int column) const
{
    const auto it = Cells.find({row, column});
    return it == Cells.end() ? QString() : it->second;
}

int XlsxSheet::rowsWithData() const
{
    QSet<int> rows;
    for (const auto& [key, value] : Cells)
        rows.insert(key.first);
    return int(rows.size());
}

const XlsxStyle& XlsxBook::style(const XlsxSheet& sheet, int row, int column) const
{
    static const XlsxStyle none;
    const auto it = sheet.StyleIds.find({row, column});
    return it == sheet.StyleIds.end() || it->second >= Styles.size() ? none : Styles[it->second];
}

bool ReadXlsx(const QString& path, XlsxBook& book, QString* error)
{
    QByteArray workbook, styles, shared;
    if (!member(path, QStringLiteral("xl/workbook.xml"), workbook)) {
        *error = QStringLiteral("no xl/workbook.xml in ") + path;
        return false;
    }
    member(path, QStringLiteral("xl/sharedStrings.xml"), shared);
    const QStringList strings = sharedStrings(shared);

    // Styles: fonts, borders, then the cell formats that combine them.
    member(path, QStringLiteral("xl/styles.xml"), styles);
    {
        QXmlStreamReader r(styles);
        QList<XlsxStyle> fonts;
        QStringList borders;
        QString section;
        while (!r.atEnd()) {
            r.readNext();
            if (r.isStartElement()) {
                const QString n = r.name().toString();
                if (n == QLatin1String("fonts") || n == QLatin1String("borders") || n == QLatin1String("cellXfs") ||
                    n == QLatin1String("cellStyleXfs"))
                    section = n;
                else if (section == QLatin1String("fonts") && n == QLatin1String("font"))
                    fonts << XlsxStyle{};
                else if (section == QLatin1String("fonts") && n == QLatin1String("sz"))
                    fonts.last().FontSize = r.attributes().value(QLatin1String("val")).toDouble();
                else if (section == QLatin1String("fonts") && n == QLatin1String("b"))
                    fonts.last().Bold = true;
                else if (section == QLatin1String("fonts") && n == QLatin1String("i"))
                    fonts.last().Italic = true;
                else if (section == QLatin1String("borders") && n == QLatin1String("border"))
                    borders << QString();
                else if (section == QLatin1String("borders") && n == QLatin1String("left"))
                    borders.last() = r.attributes().value(QLatin1String("style")).toString();
                else if (section == QLatin1String("cellXfs") && n == QLatin1String("xf")) {
                    XlsxStyle s = fonts.value(r.attributes().value(QLatin1String("fontId")).toInt());
                    s.Border = borders.value(r.attributes().value(QLatin1String("borderId")).toInt());
                    book.Styles << s;
                } else if (section == QLatin1String("cellXfs") && n == QLatin1String("alignment")) {
                    book.Styles.last().Horizontal = r.attributes().value(QLatin1String("horizontal")).toString();
                    book.Styles.last().Vertical = r.attributes().value(QLatin1String("vertical")).toString();
                    book.Styles.last().Wrap = r.attributes().value(QLatin1String("wrapText")) == QLatin1String("1");
                }
            } else if (r.isEndElement()) {
                const QString n = r.name().toString();
                if (n == section)
                    section.clear();
            }
        }
    }

    QXmlStreamReader w(workbook);
    QStringList names;
    while (!w.atEnd()) {
        w.readNext();
        if (w.isStartElement() && w.name() == QLatin1String("sheet"))
            names << w.attributes().value(QLatin1String("name")).toString();
    }
    for (int i = 0; i < names.size(); ++i) {
        QByteArray xml;
        if (!member(path, QStringLiteral("xl/worksheets/sheet%1.xml").arg(i + 1), xml)) {
            *error = QStringLiteral("sheet %1 missing").arg(i + 1);
            return false;
        }
        XlsxSheet sheet;
        sheet.Name = names[i];
        QXmlStreamReader r(xml);
        std::pair<int, int> ref;
        QString type;
        while (!r.atEnd()) {
            r.readNext();
            if (!r.isStartElement())
                continue;
            const auto n = r.name();
            if (n == QLatin1String("col")) {
                const int min = r.attributes().value(QLatin1String("min")).toInt();
                const int max = r.attributes().value(QLatin1String("max")).toInt();
                for (int c = min; c <= max; ++c)
                    sheet.Widths[c] = r.attributes().value(QLatin1String("width")).toDouble();
            } else if (n == QLatin1String("pageSetup")) {
                sheet.Orientation = r.attributes().value(QLatin1String("orientation")).toString();
            } else if (n == QLatin1String("c")) {
                ref = cellRef(r.attributes().value(QLatin1String("r")).toString());
                type = r.attributes().value(QLatin1String("t")).toString();
                if (r.attributes().hasAttribute(QLatin1String("s")))
                    sheet.StyleIds[ref] = r.attributes().value(QLatin1String("s")).toInt();
                sheet.MaxRow = std::max(sheet.MaxRow, ref.first);
            } else if (n == QLatin1String("v")) {
                const QString v = r.readElementText();
                sheet.Cells[ref] = type == QLatin1String("s") ? strings.value(v.toInt()) : v;
            } else if (n == QLatin1String("t") && type == QLatin1String("inlineStr")) {
                book.InlineStrings = true;
                sheet.Cells[ref] += r.readElementText();
            }
        }
        if (r.hasError()) {
            *error = r.errorString();
            return false;
        }
        book.Sheets << sheet;
    }
    return true;
}

} // namespace testsupport
