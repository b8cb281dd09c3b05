#include "export/ExportParams.h"

#include "core/IniFile.h"

#include <QCoreApplication>

#include <cmath>

namespace xls {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("xls::ExportParams", text);
}

const QString kRestore = QStringLiteral("RestoreParameters");
const QString kTitle = QStringLiteral("Title");
const QString kNotes = QStringLiteral("Notes");
const QString kShowCreateTime = QStringLiteral("ShowCreateTime");
const QString kSheetName = QStringLiteral("SheetName");
const QString kOrientation = QStringLiteral("PageOrientation");
const QString kFontSize = QStringLiteral("BaseFontSize");

QString itemKey(int i)
{
    return QStringLiteral("Item_%1").arg(i);
}

// The separator of the stored entries cannot be part of a word.
QString entryWord(const QString& text)
{
    QString word = text;
    word.replace(u';', u',');
    word.replace(u'\n', u' ');
    word.replace(u'\r', u' ');
    return word;
}

} // namespace

QString SectionName(const QString& owner, const QString& control)
{
    return QStringLiteral("EXPORT_EXCEL_%1.%2").arg(owner.toUpper(), control.toUpper());
}

QList<TExportField> FieldsFromSource(const ExportSource& source)
{
    QList<TExportField> fields;
    const QList<SourceColumn> columns = source.columns();
    for (int i = 0; i < columns.size(); ++i) {
        TExportField field;
        field.Caption = columns[i].Caption;
        field.PhysicalName = columns[i].Caption;
        field.PhysicalIndex = i;
        field.Checked = true;
        field.Align = source.kind() == SourceKind::ListView ? std::clamp(columns[i].Align, 0, 2) : int(AlignLeft);
        field.WidthText = WidthText(std::max(columns[i].PixelWidth, 0) / 8.0);
        fields << field;
    }
    return fields;
}

TExportParams DefaultParams(const ExportSource& source, const QString& title, const QString& sheetName)
{
    TExportParams params;
    params.Title = title;
    params.SheetName = sheetName.left(kSheetNameMax);
    params.Fields = FieldsFromSource(source);
    return params;
}

QString CleanSheetName(const QString& name)
{
    QString clean;
    clean.reserve(name.size());
    for (const QChar c : name) {
        switch (c.unicode()) {
        case u'"':
        case u'\'':
        case u'*':
        case u'?':
        case u':':
            break;
        case u'/':
        case u'\\':
            clean += u'-';
            break;
        case u'[':
            clean += u'(';
            break;
        case u']':
            clean += u')';
            break;
        default:
            // Control characters are no part of a sheet name either.
            if (c.unicode() >= 0x20)
                clean += c;
        }
    }
    return clean.left(31).trimmed();
}

double ReadColumnWidth(const QString& text)
{
    QString kept;
    for (const QChar c : text) {
        if (c.isDigit() && c.unicode() < 0x80)
            kept += c;
        else if (c == u'-')
            kept += c;
        else if (c == u'.' || c == u',')
            kept += u'.';
    }
    bool ok = false;
    const double width = kept.toDouble(&ok);
    // A negative or absurd width is no width a column can have.
    if (!ok || !std::isfinite(width) || width < 0)
        return 10;
    return std::min(width, kColumnWidthMax);
}

QString WidthText(double width)
{
    return QString::number(width, 'f', 2);
}

void GatherChecked(QList<TExportField>& fields)
{
    std::stable_partition(fields.begin(), fields.end(), [](const TExportField& f) { return f.Checked; });
}

QString AlignmentText(int align)
{
    switch (align) {
    case AlignRight:
        return tr("по правому краю");
    case AlignCenter:
        return tr("по центру");
    default:
        return tr("по левому краю");
    }
}

QString FieldEntry(const TExportField& field)
{
    // One pass over all six: a later arg() would also replace a "%1" inside a caption.
    return QStringLiteral("%1;%2;%3;%4;%5;%6")
        .arg(QString::number(field.PhysicalIndex), entryWord(field.PhysicalName), entryWord(field.Caption),
             field.Checked ? QStringLiteral("-1") : QStringLiteral("0"), QString::number(field.Align),
             entryWord(field.WidthText));
}

LoadResult LoadParams(core::IniFile& ini, const QString& section, LoadMode mode, TExportParams& params)
{
    LoadResult result;
    if (!ini.sections().contains(section, Qt::CaseInsensitive))
        return result;
    result.Found = true;
    if (mode == LoadMode::Restore) {
        params.RestoreParameters = ini.readBool(section, kRestore, params.RestoreParameters);
        if (!params.RestoreParameters)
            return result;
    }
    result.Applied = true;
    if (mode == LoadMode::File || params.Title.isEmpty())
        params.Title = ini.readString(section, kTitle, params.Title);
    if (params.Notes.isEmpty())
        params.Notes = ini.readString(section, kNotes, params.Notes);
    params.ShowCreateTime = ini.readBool(section, kShowCreateTime, params.ShowCreateTime);
    params.SheetName = ini.readString(section, kSheetName, params.SheetName).left(kSheetNameMax);
    const int orientation = ini.readInt(section, kOrientation, params.PageOrientation);
    if (orientation >= 0 && orientation <= 2)
        params.PageOrientation = orientation;
    const int size = ini.readInt(section, kFontSize, params.BaseFontSize);
    if (size >= kFontSizeMin && size <= kFontSizeMax)
        params.BaseFontSize = size;

    QList<TExportField>& fields = params.Fields;
    for (int i = 0; i < fields.size(); ++i) {
        const QString key = itemKey(i);
        const QString value = ini.readString(section, key);
        if (value.isEmpty())
            continue;
        const QStringList words = value.split(u';');
        bool indexOk = false;
        const int index = words.size() == 6 ? words[0].trimmed().toInt(&indexOk) : -1;
        int found = -1;
        if (indexOk) {
            const QString name = words[1].trimmed();
            for (int j = 0; j < fields.size() && found < 0; ++j)
                if (fields[j].PhysicalIndex == index &&
                    fields[j].PhysicalName.trimmed().compare(name, Qt::CaseInsensitive) == 0)
                    found = j;
        }
        if (found < 0) {
            // The list's columns changed since the entry was written, or the entry is damaged.
            ini.eraseKey(section, key);
            result.RemovedItems << i;
            continue;
        }
        TExportField field = fields.takeAt(found);
        field.Caption = words[2];
        bool ok = false;
        const int checked = words[3].trimmed().toInt(&ok);
        if (ok)
            field.Checked = checked != 0;
        const int align = words[4].trimmed().toInt(&ok);
        if (ok && align >= 0 && align <= 2)
            field.Align = align;
        field.WidthText = words[5].trimmed();
        fields.insert(i, field);
    }
    return result;
}

void SaveParams(core::IniFile& ini, const QString& section, const TExportParams& params, bool withRestore)
{
    ini.eraseSection(section);
    if (withRestore)
        ini.writeBool(section, kRestore, params.RestoreParameters);
    ini.writeString(section, kTitle, entryWord(params.Title));
    ini.writeString(section, kNotes, entryWord(params.Notes));
    ini.writeBool(section, kShowCreateTime, params.ShowCreateTime);
    ini.writeString(section, kSheetName, entryWord(params.SheetName.left(kSheetNameMax)));
    ini.writeInt(section, kOrientation, params.PageOrientation);
    ini.writeInt(section, kFontSize, params.BaseFontSize);
    for (int i = 0; i < params.Fields.size(); ++i)
        ini.writeString(section, itemKey(i), FieldEntry(params.Fields[i]));
}

bool LoadParamsFile(const QString& path, const QString& section, LoadMode mode, TExportParams& params,
                    QString* error, LoadResult* result)
{
    core::IniFile ini(path);
    QString detail;
    if (!ini.load(&detail)) {
        if (error)
            *error = tr("Ошибка загрузки параметров экспорта из файла \"%1\"!\n\n%2").arg(path, detail);
        return false;
    }
    const LoadResult loaded = LoadParams(ini, section, mode, params);
    if (result)
        *result = loaded;
    return true;
}

bool SaveParamsFile(const QString& path, const QString& section, const TExportParams& params, bool withRestore,
                    QString* error)
{
    core::IniFile ini(path);
    QString detail;
    // The file's other sections stay; an unreadable file is not overwritten blindly.
    bool ok = ini.load(&detail);
    if (ok) {
        SaveParams(ini, section, params, withRestore);
        ok = ini.save(&detail);
    }
    if (!ok && error)
        *error = tr("Ошибка сохранения параметров экспорта в файле \"%1\"!\n\n%2").arg(path, detail);
    return ok;
}

} // namespace xls
