#include "stakes/StakeTables.h"

#include "core/Cp1251.h"
#include "core/GameMath.h"
#include "core/SafeWrite.h"
#include "core/TextForms.h"
#include "stakes/StakeRecord.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <limits>

namespace stakes {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("stakes", text);
}

QString combText(const core::TComb& comb)
{
    QStringList parts;
    for (std::uint8_t n : comb.v)
        parts << QString::number(n);
    return parts.join(u';');
}

} // namespace

QString TableComment(const TTableRec& rec)
{
    return cp1251::decode(reinterpret_cast<const char*>(rec.Comment + 1), rec.Comment[0]);
}

void SetTableComment(TTableRec& rec, const QString& text)
{
    const QByteArray bytes = cp1251::encode(text).left(TableCommentMax);
    std::fill(std::begin(rec.Comment), std::end(rec.Comment), std::uint8_t(0));
    rec.Comment[0] = std::uint8_t(bytes.size());
    std::memcpy(rec.Comment + 1, bytes.constData(), std::size_t(bytes.size()));
}

TTableRec NewTableRec()
{
    TTableRec rec;
    SetTableComment(rec, tr("Регулярная ставка"));
    rec.Step = 1;
    rec.UseLastDraw = 0;
    return rec;
}

// ---- the file

bool TablesRead(QIODevice& device, TTablesArray& rules, qint64* tailBytes, QString* error)
{
    rules.clear();
    if (tailBytes)
        *tailBytes = 0;
    // A file (not a stream) tells its size, so a file that cannot be a list of rules is refused
    // before its records are collected.
    if (!device.isSequential() && device.size() > TableFileMaxRecords * TableRecSize) {
        if (error)
            *error = tr("Размер файла (%1 байт) превышает допустимый для файла регулярных ставок (%2 записей).")
                         .arg(device.size())
                         .arg(TableFileMaxRecords);
        return false;
    }
    char record[TableRecSize];
    for (;;) {
        const qint64 n = device.read(record, TableRecSize);
        if (n < 0) {
            if (error)
                *error = device.errorString();
            return false;
        }
        if (n < TableRecSize) {
            if (tailBytes)
                *tailBytes = n;
            return true;
        }
        if (qint64(rules.size()) >= TableFileMaxRecords) {
            if (error)
                *error = tr("Файл регулярных ставок содержит более %1 записей.").arg(TableFileMaxRecords);
            return false;
        }
        TTableRec rec;
        std::memcpy(rec.Comment, record, sizeof rec.Comment);
        rec.UseLastDraw = std::uint8_t(record[256]);
        std::memcpy(rec.StartComb.v, record + 257, core::CombSize);
        std::memcpy(rec.CurrentComb.v, record + 262, core::CombSize);
        rec.Reserved = std::uint8_t(record[267]);
        rec.Step = qFromLittleEndian<std::int32_t>(record + 268);
        rec.StakeCount = qFromLittleEndian<std::int32_t>(record + 272);
        rules.push_back(rec);
    }
}

bool TablesWrite(QIODevice& device, const TTablesArray& rules, QString* error)
{
    char record[TableRecSize];
    for (const TTableRec& rec : rules) {
        std::memcpy(record, rec.Comment, sizeof rec.Comment);
        record[256] = char(rec.UseLastDraw);
        std::memcpy(record + 257, rec.StartComb.v, core::CombSize);
        std::memcpy(record + 262, rec.CurrentComb.v, core::CombSize);
        record[267] = char(rec.Reserved);
        qToLittleEndian<std::int32_t>(rec.Step, record + 268);
        qToLittleEndian<std::int32_t>(rec.StakeCount, record + 272);
        if (device.write(record, TableRecSize) != TableRecSize) {
            if (error)
                *error = device.errorString();
            return false;
        }
    }
    return true;
}

bool TablesReadFile(const QString& path, TTablesArray& rules, qint64* tailBytes, QString* error)
{
    rules.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return TablesRead(file, rules, tailBytes, error);
}

bool TablesWriteFile(const QString& path, const TTablesArray& rules, QString* error)
{
    return core::WriteFileSafely(
        path, [&rules](QIODevice& device, QString* e) { return TablesWrite(device, rules, e); }, error);
}

void TableDelete(TTablesArray& rules, int index)
{
    if (index < 0 || std::size_t(index) >= rules.size())
        throw core::EConvertError(tr("Запись со индексом %1 в файле данных не найдена!").arg(index));
    rules.erase(rules.begin() + index);
}

// ---- advancing a rule

bool TableCombValid(const core::TComb& comb)
{
    for (int i = 0; i < core::CombSize; ++i) {
        if (comb.v[i] < 1 || comb.v[i] > core::NumberCount)
            return false;
        for (int j = 0; j < i; ++j)
            if (comb.v[j] == comb.v[i])
                return false;
    }
    return true;
}

QString TableCheck(const TTableRec& rule, const core::TComb& drawComb)
{
    // The list asks this for every cell it paints: a sound rule costs no text.
    const auto name = [&rule] { return TableComment(rule); };
    if (rule.Step < -TableStepMax || rule.Step > TableStepMax)
        return tr("Шаг регулярной ставки \"%1\" (%2) вне пределов от -54 до 54.").arg(name()).arg(rule.Step);
    if (rule.UseLastDraw > 1)
        return tr("Регулярная ставка \"%1\" повреждена: неизвестный режим %2.").arg(name()).arg(rule.UseLastDraw);
    if (rule.UseLastDraw == 1) {
        if (!TableCombValid(drawComb))
            return tr("Для регулярной ставки \"%1\" нет корректного тиража в точке анализа: %2.")
                .arg(name(), combText(drawComb));
    } else if (!TableCombValid(rule.CurrentComb)) {
        return tr("Текущая комбинация регулярной ставки \"%1\" некорректна (%2): числа должны быть различными, "
                  "от 1 до 54.")
            .arg(name(), combText(rule.CurrentComb));
    }
    return {};
}

bool TableNextComb(TTableRec& rule, const core::TComb& drawComb, QString* error)
{
    const QString why = TableCheck(rule, drawComb);
    if (!why.isEmpty()) {
        if (error)
            *error = why;
        return false;
    }
    // A step within -54..54 wraps every number of 1..54 back into 1..54 by one wrap and keeps
    // them different, so the checked base always gives a valid combination.
    core::TComb next = core::ShiftComb(rule.UseLastDraw == 1 ? drawComb : rule.CurrentComb, rule.Step);
    core::SortComb(next);
    rule.CurrentComb = next;
    if (rule.StakeCount < std::numeric_limits<std::int32_t>::max())
        ++rule.StakeCount;
    return true;
}

// ---- adding rules

TableInputError TableInputCheck(const QString& comment, const QStringList& existing, bool ownComb,
                                const QString& combText, core::TComb& comb)
{
    if (ownComb) {
        core::TValueSet numbers;
        if (!ParseStakeNumbers(combText, numbers))
            return TableInputError::Comb;
        std::copy(numbers.Values, numbers.Values + core::CombSize, comb.v);
    }
    // A comment of blanks names nothing in the list or the rating.
    if (comment.trimmed().isEmpty())
        return TableInputError::CommentEmpty;
    for (const QString& other : existing)
        if (other.compare(comment, Qt::CaseInsensitive) == 0)
            return TableInputError::CommentTaken;
    return TableInputError::None;
}

QString TableInputErrorText(TableInputError error)
{
    switch (error) {
    case TableInputError::None:
        return {};
    case TableInputError::Comb:
        return tr("Введена некорректная комбинация!");
    case TableInputError::CommentEmpty:
        return tr("Необходимо ввести комментарий!");
    case TableInputError::CommentTaken:
        return tr("Запись с таким комментарией уже присутствует в списке!\nВыберите другой комментарий.");
    }
    return {};
}

TTablesArray TablesFromInput(const TTableRec& entered, const std::vector<TableSelection>& selected)
{
    TTablesArray made;
    if (entered.UseLastDraw == 1 || selected.size() == 1) {
        TTableRec rec = entered;
        core::SortComb(rec.StartComb);
        rec.CurrentComb = rec.StartComb;
        rec.StakeCount = 0;
        made.push_back(rec);
        return made;
    }
    const QString comment = TableComment(entered);
    made.reserve(selected.size());
    for (const TableSelection& s : selected) {
        TTableRec rec = entered;
        SetTableComment(rec, QStringLiteral("%1 (%2)").arg(comment).arg(s.Position));
        rec.StartComb = s.Comb;
        core::SortComb(rec.StartComb);
        rec.CurrentComb = rec.StartComb;
        rec.StakeCount = 0;
        made.push_back(rec);
    }
    return made;
}

// ---- the list

QStringList TableColumnCaptions()
{
    static const char* const kCaptions[] = {
        QT_TRANSLATE_NOOP("stakes", "Комментарий"), QT_TRANSLATE_NOOP("stakes", "Стартовая комбинация"),
        QT_TRANSLATE_NOOP("stakes", "Шаг"),         QT_TRANSLATE_NOOP("stakes", "Текущая комбинация"),
        QT_TRANSLATE_NOOP("stakes", "Ставок"),
    };
    QStringList list;
    for (const char* c : kCaptions)
        list << tr(c);
    return list;
}

QString TableCellText(const TTableRec& rec, int column)
{
    switch (column) {
    case TColComment:
        return TableComment(rec);
    case TColStart:
        return combText(rec.StartComb);
    case TColStep:
        return QString::number(rec.Step);
    case TColCurrent:
        return combText(rec.CurrentComb);
    case TColStakes:
        return QString::number(rec.StakeCount);
    default:
        return {};
    }
}

} // namespace stakes
