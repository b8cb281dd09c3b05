#include "app/Session.h"

#include "app/CommandLine.h"
#include "app/ExportController.h"
#include "app/RatingsController.h"
#include "app/ScriptController.h"
#include "app/StakesController.h"
#include "app/TablesController.h"
#include "app/UpdateController.h"
#include "app/SystemsController.h"
#include "app/ViewsController.h"
#include "app/WebController.h"
#include "core/DrawArchive.h"
#include "core/Settings.h"
#include "core/TextForms.h"

#include <QHash>

#include <algorithm>

namespace app {

BusyScope::BusyScope(Session& session, const QString& status) : m_session(session)
{
    m_session.enterBusy();
    m_session.showStatus(status);
}

BusyScope::~BusyScope()
{
    m_session.showStatus(QString());
    m_session.leaveBusy();
}

ProgressScope::ProgressScope(UserIo& io, const QString& text, int total) : m_io(io)
{
    m_io.progressBegin(text, total);
}

ProgressScope::~ProgressScope()
{
    m_io.progressEnd();
}

Session::Session(UserIo& io, core::DataFolder folder, QStringList arguments, QObject* parent)
    : QObject(parent), m_io(io), m_folder(std::move(folder)), m_arguments(std::move(arguments)),
      m_ratings(std::make_unique<RatingsController>(*this)),
      m_stakes(std::make_unique<StakesController>(*this, *m_ratings)),
      m_tables(std::make_unique<TablesController>(*this)),
      m_script(std::make_unique<ScriptController>(*this)), m_views(std::make_unique<ViewsController>(*this)),
      m_web(std::make_unique<WebController>(*this)), m_export(std::make_unique<ExportController>(*this)),
      m_systems(std::make_unique<SystemsController>(*this)),
      m_update(std::make_unique<UpdateController>(*this))
{
    m_statList.setDraws(&m_draws);
}

Session::~Session() = default;

bool Session::hasCommandWord(const QString& word) const
{
    return HasCommandWord(m_arguments, word);
}

// ---- busy state, status text, messages

void Session::enterBusy()
{
    if (++m_busy == 1) {
        m_io.busyChanged(true);
        emit busyChanged(true);
    }
}

void Session::leaveBusy()
{
    if (m_busy == 0)
        return;
    if (--m_busy == 0) {
        m_io.busyChanged(false);
        emit busyChanged(false);
    }
}

void Session::showStatus(const QString& text)
{
    m_statusText = text;
    emit statusTextChanged(text);
    m_io.showStatus(text);
}

void Session::showError(const QString& text)
{
    m_io.showMessage(MessageKind::Error, text);
}

void Session::showInformation(const QString& text)
{
    m_io.showMessage(MessageKind::Information, text);
}

void Session::showAttention(const QString& text)
{
    m_io.showMessage(MessageKind::Attention, text);
}

void Session::showWarning(const QString& text)
{
    m_io.showMessage(MessageKind::Warning, text);
}

bool Session::askQuestion(const QString& caption, const QString& text)
{
    return m_io.askYesNo(caption, text, true, false);
}

bool Session::askConfirmation(const QString& text, bool yesDefault)
{
    return m_io.askYesNo(tr("Подтверждение"), text, yesDefault, false);
}

// ---- the draw archive

void Session::setDrawsOffset(int k)
{
    if (k == m_drawsOffset)
        return;
    m_drawsOffset = k;
    emit drawsOffsetChanged(k);
    drawsRefresh(false);
    recalcViews(false);
    emit drawsChanged(false);
}

bool Session::drawsLoad()
{
    const QString path = m_folder.drawsFile();
    bool ok = true;
    if (QFile::exists(path)) {
        BusyScope busy(*this, tr("Загрузка файла тиражей..."));
        QString error;
        ok = core::LoadDrawsFile(path, m_draws, &error);
        m_drawsFileDamaged = !ok;
        if (!ok)
            showError(tr("Ошибка чтения файла тиражей!\n\n%1").arg(error));
    }
    drawsRefresh(false);
    return ok;
}

bool Session::drawsSave()
{
    BusyScope busy(*this, tr("Сохранение файла тиражей..."));
    const QString path = m_folder.drawsFile();
    // What could not be read would be lost with the rewrite, so the old file is kept aside once.
    if (m_drawsFileDamaged) {
        const QString aside = path + QStringLiteral(".bad");
        QFile::remove(aside);
        if (QFile::copy(path, aside))
            m_drawsFileDamaged = false;
    }
    QString error;
    const bool ok = core::SaveDrawsFile(path, m_draws, &error);
    if (!ok)
        showError(tr("Ошибка записи в файл тиражей!\n\n%1").arg(error));
    drawsRefresh(true);
    return ok;
}

void Session::drawsClear()
{
    m_draws.clear();
    m_draws.shrink_to_fit();
}

void Session::drawsDelete(int index)
{
    core::DrawsDelete(m_draws, index);
}

void Session::drawsRefresh(bool force)
{
    const int size = static_cast<int>(m_draws.size());
    if (force || size != m_archiveSizeShown) {
        m_archiveSizeShown = size;
        emit drawsChanged(true);
    }
    m_nextDrawSet = core::NextDrawSet(m_draws, m_drawsOffset);
    emit statusPanelsChanged();
}

int Session::nextDrawNum(int k) const
{
    return core::NextDrawNum(m_draws, k);
}

QString Session::nextDrawText(int k) const
{
    return core::NextDrawText(m_draws, k);
}

std::int32_t Session::drawDateYmd(int k, int days) const
{
    return core::DrawDateYmd(m_draws, k, days);
}

core::TComb Session::drawCombAt(int k) const
{
    return core::DrawCombAt(m_draws, k);
}

int Session::findDrawIndex(int num) const
{
    return core::FindDrawIndex(m_draws, num);
}

bool Session::drawsAdd()
{
    core::TDrawRec rec;
    rec.Num = nextDrawNum(0);
    if (!m_io.editDraw(rec, tr("Введите данные следующего тиража"), true))
        return false;
    drawsAppend(rec);
    return true;
}

bool Session::drawsAppend(const core::TDrawRec& rec)
{
    m_draws.push_back(rec);
    const bool saved = drawsSave();
    recalcViews(false);
    return saved;
}

bool Session::drawsAppend(const core::TDrawsArray& recs)
{
    m_draws.insert(m_draws.end(), recs.begin(), recs.end());
    const bool saved = drawsSave();
    recalcViews(false);
    return saved;
}

bool Session::drawsEdit(int row)
{
    const int index = core::DrawIndexOfRow(m_draws, row);
    if (index < 0)
        return false;
    core::TDrawRec rec = m_draws[static_cast<std::size_t>(index)];
    if (!m_io.editDraw(rec, tr("Введите данные следующего тиража"), true))
        return false;
    drawsReplace(index, rec);
    return true;
}

bool Session::drawsReplace(int index, const core::TDrawRec& rec)
{
    if (index < 0 || index >= static_cast<int>(m_draws.size()))
        return false;
    m_draws[static_cast<std::size_t>(index)] = rec;
    const bool saved = drawsSave();
    recalcViews(false);
    return saved;
}

bool Session::drawsDeleteRows(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.isEmpty())
        return false;
    const QString question =
        rows.size() == 1 ? tr("Удалить выделенную запись?")
                         : tr("Удалить все выделенные записи (всего будет удалено %1 записи(ей))?").arg(rows.size());
    if (!m_io.askYesNo(tr("Предупреждение"), question, false, true))
        return false;

    {
        BusyScope busy(*this, tr("Удаление выделенных тиражей...."));
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
                drawsDelete(findDrawIndex(num));
        } catch (const core::EConvertError& e) {
            showError(e.message());
        }
        drawsRefresh(false);
        drawsSave();
        recalcViews(false);
    }
    return true;
}

void Session::drawsToggleSorted()
{
    m_state.SortedDraws = !m_state.SortedDraws;
    storeStateBool(QStringLiteral("SortedDraws"), m_state.SortedDraws);
    emit drawsChanged(false);
    recalcViews(true);
}

void Session::recalcViews(bool force)
{
    if (m_batchMode)
        return;
    // The statistics table first, then the pages of graphs, card, layout and week.
    emit viewsRecalculated(force);
    m_views->recalc(force);
}

QString Session::statusPanel(int panel) const
{
    switch (panel) {
    case 0:
        return tr("Архив тиражей: %1").arg(m_draws.size());
    case 1:
        return tr("Следующий тираж: %1").arg(nextDrawNum(m_drawsOffset));
    case 2:
        return nextDrawText(m_drawsOffset);
    case 3:
        return tr("Комбинаций: %1").arg(m_combs.size());
    case 4:
        return m_stakes->panelText();
    case 5:
        return m_ratings->panelText();
    case 6:
        return m_statusText;
    default:
        return {};
    }
}

// ---- settings

void Session::setColorDraws(bool on)
{
    if (m_state.ColorDraws == on)
        return;
    m_state.ColorDraws = on;
    storeStateBool(QStringLiteral("ColorDraws"), on);
    emit drawsChanged(false);
}

void Session::setColorCombs(bool on)
{
    if (m_state.ColorCombs == on)
        return;
    m_state.ColorCombs = on;
    storeStateBool(QStringLiteral("ColorCombs"), on);
    emit combsLookChanged();
}

void Session::setDrawsExclude(int count)
{
    m_state.DrawsExclude = std::max(0, count);
}

void Session::storeStateBool(const QString& key, bool value)
{
    QString error;
    if (!core::StateWriteBool(m_folder.stateFile(), core::kMainWindowSection, key, value, &error))
        showError(tr("Ошибка записи параметров программы!\n\n%1").arg(error));
}

void Session::storeStateInt(const QString& key, int value)
{
    QString error;
    if (!core::StateWriteInt(m_folder.stateFile(), core::kMainWindowSection, key, value, &error))
        showError(tr("Ошибка записи параметров программы!\n\n%1").arg(error));
}

bool Session::editConfig()
{
    core::TConfigData edited = config();
    net::NetworkSettings network = m_web->network();
    if (!m_io.editConfig(edited, network))
        return false;
    // The full-set files of the categories whose settings changed are rebuilt.
    std::uint16_t categories = 0;
    if (edited.MatrixCols != config().MatrixCols)
        categories |= 1u << 4;
    if (edited.ChannelSize != config().ChannelSize)
        categories |= 1u << 3;
    if (core::DigitsText(edited.MatrixSegments) != core::DigitsText(config().MatrixSegments))
        categories |= 1u << 5;
    m_statList.setConfig(edited);
    {
        BusyScope busy(*this, tr("Сохранение файла конфигурации..."));
        QString error;
        if (!core::ConfigSave(m_folder.configFile(), config(), &error))
            showError(tr("Ошибка записи в файл конфигурации!\n\n%1").arg(error));
        m_web->setNetwork(network);
        m_systems->useSettings(m_web->network());
    }
    // Parameter ranges follow the channel size, the matrix and the segments.
    statListReload();
    prefetchRebuildAll(false, categories);
    recalcViews(true);
    emit configChanged();
    return true;
}

bool Session::editShredding()
{
    core::TShreddingData edited = shredding();
    if (!m_io.editShredding(edited))
        return false;
    m_statList.setShredding(edited);
    {
        BusyScope busy(*this, tr("Сохранение файла конфигурации..."));
        QString error;
        if (!core::ShreddingSave(m_folder.configFile(), shredding(), &error))
            showError(tr("Ошибка записи в файл конфигурации!\n\n%1").arg(error));
    }
    prefetchRebuildAll(false, std::uint16_t(1u << 12));
    statListReload();
    emit configChanged();
    return true;
}

void Session::statListLoadNames()
{
    QString error;
    if (!m_statList.LoadFilterNames(m_folder.namesFile(), true, &error))
        showError(error);
}

void Session::statListReload(bool keep)
{
    QString error;
    const bool saved = m_statList.SaveFilterNames(m_folder.namesFile(), true, false, &error);
    if (!saved)
        showError(error);
    // What could not be stored is carried over the rebuild by method code, so a failed write
    // loses nothing of this run.
    const QString favorites = m_statList.GetFavoritesText();
    const bool ordered = m_statList.Ordered;
    const bool showGroupName = m_statList.ShowGroupName;
    const bool showMethodFlags = m_statList.ShowMethodFlags;
    QHash<QString, QString> names;
    for (int i = 0; i < m_statList.Count(); ++i)
        names.insert(m_statList.Items(i).GetCodeText().toUpper(), m_statList.Items(i).UserName);

    m_statList.Fill();
    m_statList.SelectAllFavorites();
    if (saved) {
        statListLoadNames();
    } else {
        m_statList.SetFavoritesText(favorites);
        m_statList.Ordered = ordered;
        m_statList.ShowGroupName = showGroupName;
        m_statList.ShowMethodFlags = showMethodFlags;
        for (int i = 0; i < m_statList.Count(); ++i)
            m_statList.Items(i).UserName = names.value(m_statList.Items(i).GetCodeText().toUpper());
    }
    emit statMethodsChanged(keep);
}

bool Session::canClose()
{
    return m_script->canClose();
}

bool Session::scriptRunning() const
{
    return m_script->running();
}

bool Session::stopRequested() const
{
    return m_script->stopRequested();
}

} // namespace app
