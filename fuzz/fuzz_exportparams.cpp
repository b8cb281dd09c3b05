// Export parameter files (".exp") and the width texts of their fields: any file must load in
// both modes with every source column still there once, the widths and sheet names must come
// out as a sheet can take them, and what is saved must load back to what was loaded.
#include "core/IniFile.h"
#include "export/ExportParams.h"

#include <QSet>

#include <cmath>
#include <cstdlib>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// What a stored entry can hold of a text: its separator and line breaks do not survive.
QString stored(QString text)
{
    return text.replace(u';', u',').replace(u'\n', u' ').replace(u'\r', u' ');
}

bool same(const xls::TExportParams& a, const xls::TExportParams& b)
{
    if (a.Title != b.Title || a.Notes != b.Notes || a.ShowCreateTime != b.ShowCreateTime ||
        a.SheetName != b.SheetName || a.PageOrientation != b.PageOrientation || a.BaseFontSize != b.BaseFontSize ||
        a.Fields.size() != b.Fields.size())
        return false;
    for (int i = 0; i < a.Fields.size(); ++i) {
        const xls::TExportField& x = a.Fields[i];
        const xls::TExportField& y = b.Fields[i];
        if (x.Caption != y.Caption || x.Checked != y.Checked || x.Align != y.Align || x.WidthText != y.WidthText ||
            x.PhysicalIndex != y.PhysicalIndex || x.PhysicalName != y.PhysicalName)
            return false;
    }
    return true;
}

void checkFields(const xls::TExportParams& params, int columns)
{
    check(params.Fields.size() == columns);
    QSet<int> seen;
    for (const xls::TExportField& f : params.Fields) {
        check(f.PhysicalIndex >= 0 && f.PhysicalIndex < columns && !seen.contains(f.PhysicalIndex));
        seen.insert(f.PhysicalIndex);
        check(f.Align >= 0 && f.Align <= 2);
        const double width = xls::ReadColumnWidth(f.WidthText);
        check(std::isfinite(width) && width >= 0 && width <= xls::kColumnWidthMax);
    }
    check(params.PageOrientation >= 0 && params.PageOrientation <= 2);
    check(params.BaseFontSize >= xls::kFontSizeMin && params.BaseFontSize <= xls::kFontSizeMax);
    check(params.SheetName.size() <= xls::kSheetNameMax);
    const QString sheet = xls::CleanSheetName(params.SheetName);
    check(sheet.size() <= 31);
    for (const QChar c : sheet)
        check(c.unicode() >= 0x20 && !QStringLiteral("\"'*?:/\\[]").contains(c));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const xls::TableSource source(xls::SourceKind::ListView, QStringLiteral("FormMain"), QStringLiteral("lvDraws"),
                                  {{QStringLiteral("Тираж"), xls::AlignRight, 60},
                                   {QStringLiteral("Дата"), xls::AlignCenter, 80},
                                   {QStringLiteral("Комбинация"), xls::AlignLeft, 120},
                                   {QStringLiteral("Сумма"), xls::AlignRight, 0}},
                                  3, [](int row, int column) { return QString::number(row * 10 + column); });
    const QString section = xls::SectionName(source.ownerName(), source.controlName());
    const int columns = int(source.columns().size());

    for (const xls::LoadMode mode : {xls::LoadMode::Restore, xls::LoadMode::File}) {
        core::IniFile ini;
        ini.parse(bytes);
        xls::TExportParams params = xls::DefaultParams(source, QString(), QStringLiteral("Архив тиражей"));
        const xls::LoadResult result = xls::LoadParams(ini, section, mode, params);
        checkFields(params, columns);
        if (!result.Applied)
            continue;

        // Saved and loaded again, the parameters come back as a stored entry can hold them.
        xls::TExportParams expected = params;
        expected.Title = stored(expected.Title);
        expected.Notes = stored(expected.Notes);
        expected.SheetName = stored(expected.SheetName);
        for (xls::TExportField& f : expected.Fields) {
            f.Caption = stored(f.Caption);
            f.WidthText = stored(f.WidthText).trimmed();
        }
        core::IniFile out;
        out.parse(ini.serialize());
        xls::SaveParams(out, section, params, mode == xls::LoadMode::Restore);
        core::IniFile again;
        again.parse(out.serialize());
        xls::TExportParams reloaded = xls::DefaultParams(source, QString(), QString());
        const xls::LoadResult second = xls::LoadParams(again, section, xls::LoadMode::File, reloaded);
        check(second.Applied && second.RemovedItems.isEmpty());
        check(same(reloaded, expected));
    }

    const double width = xls::ReadColumnWidth(QString::fromUtf8(bytes));
    check(std::isfinite(width) && width >= 0 && width <= xls::kColumnWidthMax);
    return 0;
}
