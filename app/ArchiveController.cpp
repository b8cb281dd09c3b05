#include "app/ArchiveController.h"

#include "core/DrawArchive.h"
#include "core/TextForms.h"

#include <QFile>

#include <algorithm>

namespace app {

ArchiveController::ArchiveController(Services& services) : m_services(services) {}

void ArchiveController::setOffset(int k)
{
    if (k == m_offset)
        return;
    m_offset = k;
    emit drawsOffsetChanged(k);
    refresh(false);
    recalcViews(false);
    emit drawsChanged(false);
}

bool ArchiveController::load()
{
    const QString path = m_services.folder().drawsFile();
    bool ok = true;
    if (QFile::exists(path)) {
        BusyScope busy(m_services, tr("Загрузка файла тиражей..."));
        QString error;
        ok = core::LoadDrawsFile(path, m_draws, &error);
        m_fileDamaged = !ok;
        if (!ok)
            m_services.showError(tr("Ошибка чтения файла тиражей!\n\n%1").arg(error));
    }
    refresh(false);
    return ok;
}

bool ArchiveController::save()
{
    BusyScope busy(m_services, tr("Сохранение файла тиражей..."));
    const QString path = m_services.folder().drawsFile();
    // What could not be read would be lost with the rewrite, so the old file is kept aside once.
    if (m_fileDamaged) {
        const QString aside = path + QStringLiteral(".bad");
        QFile::remove(aside);
        if (QFile::copy(path, aside))
            m_fileDamaged = false;
    }
    QString error;
    const bool ok = core::SaveDrawsFile(path, m_draws, &error);
    if (!ok)
        m_services.showError(tr("Ошибка записи в файл тиражей!\n\n%1").arg(error));
    refresh(true);
    return ok;
}

void ArchiveController::clear()
{
    m_draws.clear();
    m_draws.shrink_to_fit();
}

void ArchiveController::deleteAt(int index)
{
    core::DrawsDelete(m_draws, index);
}

void ArchiveController::refresh(bool force)
{
    const int size = static_cast<int>(m_draws.size());
    if (force || size != m_sizeShown) {
        m_sizeShown = size;
        emit drawsChanged(true);
    }
    m_nextDrawSet = core::NextDrawSet(m_draws, m_offset);
    m_services.panelsChanged();
}

int ArchiveController::nextDrawNum(int k) const
{
    return core::NextDrawNum(m_draws, k);
}

QString ArchiveController::nextDrawText(int k) const
{
    return core::NextDrawText(m_draws, k);
}

std::int32_t ArchiveController::drawDateYmd(int k, int days) const
{
    return core::DrawDateYmd(m_draws, k, days);
}

core::TComb ArchiveController::drawCombAt(int k) const
{
    return core::DrawCombAt(m_draws, k);
}

int ArchiveController::findDrawIndex(int num) const
{
    return core::FindDrawIndex(m_draws, num);
}

bool ArchiveController::add()
{
    core::TDrawRec rec;
    rec.Num = nextDrawNum(0);
    if (!m_services.io().editDraw(rec, tr("Введите данные следующего тиража"), true))
        return false;
    // Only a saved draw checks stakes: a check against a draw the file lacks could not be undone.
    if (append(rec))
        emit drawEnteredByHand();
    return true;
}

bool ArchiveController::append(const core::TDrawRec& rec)
{
    m_draws.push_back(rec);
    const bool saved = save();
    recalcViews(false);
    return saved;
}

bool ArchiveController::append(const core::TDrawsArray& recs)
{
    m_draws.insert(m_draws.end(), recs.begin(), recs.end());
    const bool saved = save();
    recalcViews(false);
    return saved;
}

bool ArchiveController::edit(int row)
{
    const int index = core::DrawIndexOfRow(m_draws, row);
    if (index < 0)
        return false;
    core::TDrawRec rec = m_draws[static_cast<std::size_t>(index)];
    if (!m_services.io().editDraw(rec, tr("Введите данные следующего тиража"), true))
        return false;
    if (replace(index, rec))
        emit drawEnteredByHand();
    return true;
}

bool ArchiveController::replace(int index, const core::TDrawRec& rec)
{
    if (index < 0 || index >= static_cast<int>(m_draws.size()))
        return false;
    m_draws[static_cast<std::size_t>(index)] = rec;
    const bool saved = save();
    recalcViews(false);
    return saved;
}

bool ArchiveController::deleteRows(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.isEmpty())
        return false;
    const QString question =
        rows.size() == 1 ? tr("Удалить выделенную запись?")
                         : tr("Удалить все выделенные записи (всего будет удалено %1 записи(ей))?").arg(rows.size());
    if (!m_services.io().askYesNo(tr("Предупреждение"), question, false, true))
        return false;

    {
        BusyScope busy(m_services, tr("Удаление выделенных тиражей...."));
        // The numbers are taken from the rows as the person saw them, before anything is
        // deleted: read afterwards, a row could show a draw that was never selected.
        QList<int> numbers;
        for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
            const int shown = core::DrawIndexOfRow(m_draws, *it);
            if (shown >= 0)
                numbers << m_draws[static_cast<std::size_t>(shown)].Num;
        }
        try {
            for (int num : numbers)
                deleteAt(findDrawIndex(num));
        } catch (const core::EConvertError& e) {
            m_services.showError(e.message());
        }
        refresh(false);
        save();
        recalcViews(false);
    }
    return true;
}

void ArchiveController::toggleSorted()
{
    m_services.windowState().SortedDraws = !m_services.windowState().SortedDraws;
    m_services.storeStateBool(QStringLiteral("SortedDraws"), m_services.windowState().SortedDraws);
    emit drawsChanged(false);
    recalcViews(true);
}

void ArchiveController::recalcViews(bool force)
{
    if (m_batchMode)
        return;
    // The statistics table first, then the pages of graphs, card, layout and week.
    emit viewsRecalculated(force);
    emit pagesRecalculated(force);
}

void ArchiveController::setColorDraws(bool on)
{
    if (m_services.windowState().ColorDraws == on)
        return;
    m_services.windowState().ColorDraws = on;
    m_services.storeStateBool(QStringLiteral("ColorDraws"), on);
    emit drawsChanged(false);
}

} // namespace app
