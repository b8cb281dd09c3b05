#include "export/XlsxWriter.h"

#include "core/Progress.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <chrono>
#include <cstdio>
#include <future>
#include <system_error>
#include <vector>

namespace xls {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("xls::XlsxWriter", text);
}

// A cell holds at most this many characters.
constexpr int kCellTextMax = 32767;

class Steps
{
public:
    explicit Steps(core::Progress* progress) : m_progress(progress) {}
    void text(const QString& t)
    {
        if (m_progress)
            m_progress->setText(t);
    }
    void step(int n = 1)
    {
        if (m_progress)
            m_progress->step(n);
    }
    void keepAlive()
    {
        if (m_progress)
            m_progress->keepAlive();
    }

private:
    core::Progress* m_progress;
};

// A decimal integer without leading zeros goes in as a number, as a spreadsheet would read it
// when typed; everything else stays text exactly as the list shows it.
bool integerValue(const QString& text, double& value)
{
    const int n = int(text.size());
    if (n == 0 || n > 15)
        return false;
    int i = text[0] == u'-' ? 1 : 0;
    if (i == n || (text[i] == u'0' && n - i > 1))
        return false;
    for (; i < n; ++i)
        if (text[i] < u'0' || text[i] > u'9')
            return false;
    if (text == QLatin1String("-0"))
        return false;
    value = text.toDouble();
    return true;
}

QByteArray cellBytes(const QString& text)
{
    QString clean = text.left(kCellTextMax);
    for (QChar& c : clean)
        if (c.unicode() < 0x20 && c != u'\n' && c != u'\t')
            c = u' ';
    return clean.toUtf8();
}

uint8_t alignOf(int align)
{
    switch (align) {
    case AlignRight:
        return LXW_ALIGN_RIGHT;
    case AlignCenter:
        return LXW_ALIGN_CENTER;
    default:
        return LXW_ALIGN_LEFT;
    }
}

QString libraryError(lxw_error code)
{
    return QString::fromUtf8(lxw_strerror(code));
}

struct Formats
{
    lxw_format* Heading = nullptr;
    lxw_format* Title = nullptr;
    lxw_format* Notes = nullptr;
    lxw_format* Date = nullptr;
    lxw_format* Header = nullptr;
    std::vector<lxw_format*> Column; // per exported column
    std::vector<lxw_format*> Data;   // the same with the thin border of the data block
};

Formats makeFormats(lxw_workbook* book, const TExportParams& params, const std::vector<const TExportField*>& fields)
{
    const int base = params.BaseFontSize;
    Formats f;
    f.Heading = workbook_add_format(book);
    format_set_font_size(f.Heading, std::max(base - 2, 1));
    format_set_italic(f.Heading);
    f.Title = workbook_add_format(book);
    format_set_font_size(f.Title, base + 4);
    format_set_bold(f.Title);
    format_set_align(f.Title, LXW_ALIGN_LEFT);
    format_set_align(f.Title, LXW_ALIGN_VERTICAL_CENTER);
    f.Notes = workbook_add_format(book);
    format_set_font_size(f.Notes, base);
    format_set_bold(f.Notes);
    f.Date = workbook_add_format(book);
    format_set_font_size(f.Date, base);
    format_set_italic(f.Date);
    f.Header = workbook_add_format(book);
    format_set_font_size(f.Header, base);
    format_set_align(f.Header, LXW_ALIGN_CENTER);
    format_set_align(f.Header, LXW_ALIGN_VERTICAL_CENTER);
    format_set_text_wrap(f.Header);
    // The header's heavier frame (weight 3 of the automation calls) is a medium line here.
    format_set_border(f.Header, LXW_BORDER_MEDIUM);
    for (const TExportField* field : fields) {
        lxw_format* column = workbook_add_format(book);
        format_set_font_size(column, base);
        format_set_align(column, alignOf(field->Align));
        format_set_align(column, LXW_ALIGN_VERTICAL_CENTER);
        f.Column.push_back(column);
        lxw_format* data = workbook_add_format(book);
        format_set_font_size(data, base);
        format_set_align(data, alignOf(field->Align));
        format_set_align(data, LXW_ALIGN_VERTICAL_CENTER);
        format_set_border(data, LXW_BORDER_THIN);
        f.Data.push_back(data);
    }
    return f;
}

QString sheetNameFor(const QString& base, int index)
{
    if (index == 0)
        return base;
    const QString suffix = QStringLiteral(" (%1)").arg(index + 1);
    const QString stem = base.isEmpty() ? tr("Лист") : base;
    return stem.left(31 - int(suffix.size())).trimmed() + suffix;
}

// Packing the workbook (compressing every sheet into the zip file) takes seconds for a list of
// millions of rows and cannot report on its way, so it runs on a thread of its own while the
// progress is kept alive; without a thread to be had it runs here.
lxw_error closeWorkbook(lxw_workbook* book, Steps& steps)
{
    std::future<lxw_error> closing;
    try {
        closing = std::async(std::launch::async, [book] { return workbook_close(book); });
    } catch (const std::system_error&) {
        return workbook_close(book);
    }
    do
        steps.keepAlive();
    while (closing.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready);
    return closing.get();
}

class Writer
{
public:
    Writer(const ExportSource& source, const TExportParams& params, const RowPlan& rows, Steps& steps,
           const WriteOptions& options)
        : m_source(source), m_params(params), m_rows(rows), m_steps(steps), m_options(options)
    {
        for (const TExportField& field : params.Fields)
            if (field.Checked)
                m_fields.push_back(&field);
        m_layout = LayoutOf(params, !options.Heading.isEmpty());
    }

    bool write(const QString& file, QString* error, WriteResult& result)
    {
        const QByteArray fileName = QFile::encodeName(file);
        const QByteArray tmpDir = QFile::encodeName(m_options.TempDir);
        lxw_workbook_options opts{};
        opts.constant_memory = m_rows.count() >= m_options.ConstantMemoryFrom ? LXW_TRUE : LXW_FALSE;
        opts.tmpdir = m_options.TempDir.isEmpty() ? nullptr : const_cast<char*>(tmpDir.constData());
        opts.use_zip64 = LXW_TRUE;
        m_steps.text(tr("Создание рабочей книги..."));
        lxw_workbook* book = workbook_new_opt(fileName.constData(), &opts);
        if (!book) {
            *error = tr("Не удалось создать рабочую книгу \"%1\".").arg(file);
            return false;
        }
        m_steps.step();
        m_formats = makeFormats(book, m_params, m_fields);

        bool ok = true;
        const QString base = CleanSheetName(m_params.SheetName);
        const int perSheet = std::max(m_options.SheetRows - m_layout.HeaderRow, 1);
        int done = 0;
        for (int sheet = 0; ok && (sheet == 0 || done < m_rows.count()); ++sheet) {
            if (sheet == 0)
                m_steps.text(tr("Создание листа..."));
            const QByteArray name = sheetNameFor(base, sheet).toUtf8();
            lxw_worksheet* ws = workbook_add_worksheet(book, name.isEmpty() ? nullptr : name.constData());
            if (!ws) {
                *error = tr("Не удалось создать лист \"%1\".").arg(QString::fromUtf8(name));
                ok = false;
                break;
            }
            ++result.Sheets;
            const int count = std::min(perSheet, m_rows.count() - done);
            ok = writeSheet(ws, sheet == 0, done, count, error);
            done += count;
        }
        result.Rows = done;
        if (ok)
            m_steps.text(tr("Передача данных в Microsoft Excel..."));
        const lxw_error closed = closeWorkbook(book, m_steps);
        if (ok && closed != LXW_NO_ERROR) {
            *error = libraryError(closed);
            ok = false;
        }
        if (ok)
            m_steps.step();
        return ok;
    }

private:
    bool check(lxw_error code, QString* error)
    {
        if (code == LXW_NO_ERROR)
            return true;
        *error = libraryError(code);
        return false;
    }

    bool writeSheet(lxw_worksheet* ws, bool first, int from, int count, QString* error)
    {
        if (first) {
            m_steps.step();
            m_steps.text(tr("Форматирование листа..."));
        }
        if (m_params.PageOrientation == 1)
            worksheet_set_portrait(ws);
        else if (m_params.PageOrientation == 2)
            worksheet_set_landscape(ws);
        if (first)
            m_steps.step();
        for (std::size_t c = 0; c < m_fields.size(); ++c) {
            const auto col = lxw_col_t(c);
            if (!check(worksheet_set_column(ws, col, col, ReadColumnWidth(m_fields[c]->WidthText), m_formats.Column[c]),
                       error))
                return false;
            if (first)
                m_steps.step();
        }

        // Rows of a constant-memory sheet must be written top to bottom.
        if (!m_options.Heading.isEmpty() &&
            !check(worksheet_write_string(ws, 0, 0, cellBytes(m_options.Heading).constData(), m_formats.Heading), error))
            return false;
        if (!check(worksheet_write_string(ws, lxw_row_t(m_layout.TitleRow - 1), 0,
                                          cellBytes(m_params.Title).constData(), m_formats.Title),
                   error))
            return false;
        if (m_layout.NotesRow &&
            !check(worksheet_write_string(ws, lxw_row_t(m_layout.NotesRow - 1), 0,
                                          cellBytes(m_params.Notes).constData(), m_formats.Notes),
                   error))
            return false;
        if (m_layout.DateRow &&
            !check(worksheet_write_string(ws, lxw_row_t(m_layout.DateRow - 1), 0,
                                          cellBytes(DateLineText(m_options.Now)).constData(), m_formats.Date),
                   error))
            return false;
        if (first)
            m_steps.step();

        const auto header = lxw_row_t(m_layout.HeaderRow - 1);
        for (std::size_t c = 0; c < m_fields.size(); ++c) {
            if (!check(worksheet_write_string(ws, header, lxw_col_t(c), cellBytes(m_fields[c]->Caption).constData(),
                                              m_formats.Header),
                       error))
                return false;
            if (first)
                m_steps.step();
        }

        if (first)
            m_steps.text(tr("Подготовка данных для экспорта..."));
        for (int i = 0; i < count; ++i) {
            const int row = m_rows.at(from + i);
            const auto target = lxw_row_t(m_layout.HeaderRow + i);
            for (std::size_t c = 0; c < m_fields.size(); ++c) {
                const QString text = m_source.cellText(row, m_fields[c]->PhysicalIndex);
                double number = 0;
                const lxw_error code =
                    integerValue(text, number)
                        ? worksheet_write_number(ws, target, lxw_col_t(c), number, m_formats.Data[c])
                    : text.isEmpty() ? worksheet_write_blank(ws, target, lxw_col_t(c), m_formats.Data[c])
                                     : worksheet_write_string(ws, target, lxw_col_t(c), cellBytes(text).constData(),
                                                              m_formats.Data[c]);
                if (!check(code, error))
                    return false;
            }
            m_steps.step();
        }
        return true;
    }

    const ExportSource& m_source;
    const TExportParams& m_params;
    const RowPlan& m_rows;
    Steps& m_steps;
    const WriteOptions& m_options;
    std::vector<const TExportField*> m_fields;
    SheetLayout m_layout;
    Formats m_formats;
};

} // namespace

SheetLayout LayoutOf(const TExportParams& params, bool heading)
{
    const int b = heading ? 2 : 0;
    const int s = (params.Notes.isEmpty() ? 0 : 1) + (params.ShowCreateTime ? 1 : 0);
    SheetLayout layout;
    layout.TitleRow = b + 1;
    layout.NotesRow = params.Notes.isEmpty() ? 0 : b + 2;
    layout.DateRow = params.ShowCreateTime ? b + s + 1 : 0;
    layout.HeaderRow = b + s + 3;
    return layout;
}

int ProgressSteps(const TExportParams& params, int rows)
{
    const auto fields = std::count_if(params.Fields.begin(), params.Fields.end(),
                                      [](const TExportField& f) { return f.Checked; });
    return 2 * int(fields) + rows + 5;
}

QString DateLineText(const QDateTime& now)
{
    return tr("Отчет построен: %1.").arg(QLocale::system().toString(now, QLocale::ShortFormat));
}

bool WriteWorkbook(const QString& path, const ExportSource& source, const TExportParams& params, const RowPlan& rows,
                   core::Progress* progress, const WriteOptions& options, QString* error, WriteResult* result)
{
    QString detail;
    WriteResult written;
    const QFileInfo target(path);
    // The workbook is assembled under a name of its own beside the target and renamed over it
    // only when complete.
    QTemporaryFile reserve(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                           QStringLiteral(".XXXXXX.~tmp"));
    if (!reserve.open()) {
        if (error)
            *error = tr("Ошибка экспорта данных в Microsoft Excel!\n%1").arg(reserve.errorString());
        return false;
    }
    const QString tmp = reserve.fileName();
    reserve.setAutoRemove(false);
    reserve.close();

    Steps steps(progress);
    Writer writer(source, params, rows, steps, options);
    bool ok = writer.write(tmp, &detail, written);
    if (ok && std::rename(QFile::encodeName(tmp).constData(), QFile::encodeName(path).constData()) != 0) {
        detail = tr("Не удалось переименовать \"%1\" в \"%2\".").arg(tmp, path);
        ok = false;
    }
    if (!ok) {
        QFile::remove(tmp);
        if (error)
            *error = tr("Ошибка экспорта данных в Microsoft Excel!\n%1").arg(detail);
        return false;
    }
    if (result)
        *result = written;
    return true;
}

} // namespace xls
