#include "app/OnlineScripts.h"

#include "app/OnlineService.h"
#include "app/ScriptController.h"
#include "app/Services.h"
#include "app/WebController.h"
#include "core/IniFile.h"
#include "core/Settings.h"
#include "scripts/ScriptFile.h"

namespace app {

namespace {

const QString kShownKey = QStringLiteral("ScriptLibraryOn");
const QString kFilterKey = QStringLiteral("ScriptLibraryFilter");

QString joined(const QString& sentence, const QString& error)
{
    return sentence + QStringLiteral("\n\n") + error;
}

} // namespace

OnlineScripts::OnlineScripts(Services& services, const WebController& web, ScriptController& script)
    : m_services(services), m_web(web), m_script(script)
{
}

QStringList OnlineScripts::filterCaptions()
{
    return {tr("Скрытые"),
            tr("Все, включая скрытые"),
            tr("Все, кроме скрытых (по умолчанию)"),
            tr("Только мои"),
            tr("Только публичные"),
            tr("С моими оценками"),
            tr("Без моих оценок"),
            tr("Новые (24 часа с момента публикации)")};
}

QString OnlineScripts::kindText(const online::tScriptInfo& row)
{
    return row.own ? tr("Мой") : tr("Общий");
}

QString OnlineScripts::programText(const online::tScriptInfo& row)
{
    return row.universal ? tr("Универсальный") : row.app_name;
}

QString OnlineScripts::myRatingText(const online::tScriptInfo& row)
{
    if (row.rating_you == -1)
        return tr("Скрытый");
    return row.rating_you > 0 ? QString::number(row.rating_you) : QString();
}

// ---- the switches

void OnlineScripts::readState(const core::IniFile& ini)
{
    m_shown = ini.readBool(core::kMainWindowSection, kShownKey, true);
    const int filter = ini.readInt(core::kMainWindowSection, kFilterKey, online::kScriptFilterDefault);
    m_filter = filter >= 0 && filter < online::kScriptFilterCount ? filter : online::kScriptFilterDefault;
}

void OnlineScripts::setShown(bool on)
{
    m_shown = on;
    m_services.storeStateBool(kShownKey, on);
    emit shownChanged(on);
    refresh();
}

void OnlineScripts::setFilter(int index)
{
    if (index < 0 || index >= online::kScriptFilterCount)
        return;
    m_filter = index;
    m_services.storeStateInt(kFilterKey, index);
    emit filterChanged(index);
    refresh();
}

void OnlineScripts::startUp()
{
    // Without a service address there is nothing to ask at every start; the refresh says why.
    if (m_shown && !m_web.network().ServiceUrl.trimmed().isEmpty())
        refresh();
}

// ---- the list

const online::tScriptInfo* OnlineScripts::row(int index) const
{
    return validRow(index) ? &m_rows[std::size_t(index)] : nullptr;
}

int OnlineScripts::rowOfId(int id) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].id == id)
            return int(i);
    }
    return -1;
}

void OnlineScripts::setRows(std::vector<online::tScriptInfo> rows)
{
    const int keep = m_currentId;
    m_rows = std::move(rows);
    emit listReset();
    m_currentId = keep;
    const int again = rowOfId(keep);
    if (again >= 0)
        emit rowWanted(again);
}

bool OnlineScripts::canDownload(int index) const
{
    return validRow(index) && m_rows[std::size_t(index)].usable;
}

bool OnlineScripts::canUpload() const
{
    return m_script.lineCount() > 0;
}

bool OnlineScripts::canReplace(int index) const
{
    return canDelete(index) && canUpload();
}

bool OnlineScripts::canDelete(int index) const
{
    return validRow(index) && m_rows[std::size_t(index)].ownUsable;
}

std::optional<online::ScriptsLibrary> OnlineScripts::open(QString& error) const
{
    auto service = OpenOnlineService(m_services, m_web, m_lcid, error);
    if (!service)
        return std::nullopt;
    return online::ScriptsLibrary(std::move(service->client), std::move(service->identity));
}

// ---- the commands

std::optional<std::vector<online::tScriptInfo>> OnlineScripts::fetchList(int filter)
{
    QString error;
    std::vector<online::tScriptInfo> rows;
    const auto library = open(error);
    if (!library || !library->list(filter, rows, nullptr, &error)) {
        m_services.showError(joined(tr("Ошибка загрузки каталога online-сценариев!"), error));
        return std::nullopt;
    }
    return rows;
}

bool OnlineScripts::refresh()
{
    if (m_shown)
        return load(m_filter);
    const int keep = m_currentId;
    m_rows.clear();
    emit listReset();
    m_currentId = keep;
    return true;
}

bool OnlineScripts::load(int filter)
{
    std::optional<std::vector<online::tScriptInfo>> rows;
    {
        BusyScope busy(m_services, tr("Загрузка online-каталога сценариев..."));
        // The list goes first: a failed load leaves it empty.
        const int keep = m_currentId;
        m_rows.clear();
        emit listReset();
        m_currentId = keep;
        rows = fetchList(filter);
    }
    setRows(rows ? std::move(*rows) : std::vector<online::tScriptInfo>{});
    return rows.has_value();
}

bool OnlineScripts::download(int index)
{
    const QString sentence = tr("Ошибка загрузки online-сценария!");
    if (!canDownload(index)) {
        m_services.showError(joined(sentence, validRow(index) ? tr("Сценарий предназначен для другой программы.")
                                                              : tr("Сценарий не выбран.")));
        return false;
    }
    const online::tScriptInfo& script = m_rows[std::size_t(index)];
    m_currentId = script.id;
    bool done = false;
    {
        BusyScope busy(m_services, tr("Скачивание сценария из online-каталога..."));
        QString error;
        std::optional<QString> text;
        const auto library = open(error);
        if (!library || !library->fetchScript(script.id, text, &error)) {
            m_services.showError(joined(sentence, error));
        } else if (!text) {
            m_services.showError(joined(sentence, tr("Сервер не прислал текст сценария.")));
        } else {
            QStringList lines = online::TextLines(*text);
            // As the script file reader takes them: no line beyond its longest.
            for (QString& line : lines)
                line.truncate(scripts::kScriptLineMax);
            done = m_script.replaceLines(lines);
        }
    }
    // The host counted the download.
    if (done)
        refresh();
    return done;
}

online::tScriptData OnlineScripts::newProperties() const
{
    online::tScriptData data;
    QString error;
    if (const auto service = OpenOnlineService(m_services, m_web, m_lcid, error))
        data.author = service->identity.cl_name;
    data.lcid = m_lcid;
    return data;
}

online::tScriptData OnlineScripts::propertiesOf(int index) const
{
    online::tScriptData data;
    if (!validRow(index))
        return data;
    const online::tScriptInfo& r = m_rows[std::size_t(index)];
    data.id = r.id;
    data.author = r.author;
    data.lcid = r.lcid;
    data.universal = r.universal;
    data.publics = r.publics;
    data.title = r.title;
    data.descr = r.descr;
    return data;
}

ScriptPropertiesForm OnlineScripts::form(const online::tScriptData& data, bool editable)
{
    ScriptPropertiesForm f;
    f.data = data;
    f.editable = editable;
    f.languages = AvailableLanguages(m_services.folder());
    f.appName = QString::fromLatin1(online::kAppName);
    if (editable)
        f.check = [this](const online::tScriptData& d) { return checkProperties(d); };
    return f;
}

ScriptPropertiesVerdict OnlineScripts::checkProperties(const online::tScriptData& data)
{
    const QString title = data.title.trimmed();
    if (title.isEmpty()) {
        m_services.showAttention(tr("Название сценария должно быть указано обязательно!"));
        return ScriptPropertiesVerdict::BadTitle;
    }
    if (title.size() > online::kScriptTitleMax) {
        m_services.showAttention(
            tr("Название сценария не может быть длиннее %1 символов!").arg(online::kScriptTitleMax));
        return ScriptPropertiesVerdict::BadTitle;
    }
    {
        BusyScope busy(m_services, tr("Проверка названия сценария..."));
        QString error;
        std::optional<bool> free;
        const auto library = open(error);
        if (library && library->checkTitle(data.id, title, free, &error) && !free)
            error = tr("Сервер не ответил на проверку названия.");
        if (!free) {
            m_services.showError(joined(tr("Ошибка проверки уникальности online-сценария!"), error));
            return ScriptPropertiesVerdict::CheckFailed;
        }
        if (!*free) {
            m_services.showAttention(tr("Сценарий с таким названием уже существует!\nВыберите другое название."));
            return ScriptPropertiesVerdict::BadTitle;
        }
    }
    const QString author = data.author.trimmed();
    if (author.isEmpty()) {
        m_services.showAttention(tr("Имя автора должно быть указано обязательно!"));
        return ScriptPropertiesVerdict::BadAuthor;
    }
    if (author.size() > online::kScriptTitleMax) {
        m_services.showAttention(tr("Имя автора не может быть длиннее %1 символов!").arg(online::kScriptTitleMax));
        return ScriptPropertiesVerdict::BadAuthor;
    }
    return ScriptPropertiesVerdict::Accepted;
}

int OnlineScripts::upload()
{
    ScriptPropertiesForm f = form(newProperties(), true);
    if (!m_services.io().editScriptProperties(f))
        return -1;
    return publish(f.data);
}

int OnlineScripts::publish(const online::tScriptData& data)
{
    const QString sentence = tr("Ошибка публикации online-сценария!");
    if (!canUpload()) {
        m_services.showError(joined(sentence, tr("Текущий сценарий не содержит ни одной строки.")));
        return -1;
    }
    int published = -1;
    {
        BusyScope busy(m_services, tr("Сохранение сценария в базе данных..."));
        QString error;
        const auto library = open(error);
        if (!library) {
            m_services.showError(joined(sentence, error));
            return -1;
        }
        std::optional<std::int32_t> id;
        online::tScriptData sent = data;
        sent.id = -1;
        sent.title = data.title.trimmed();
        sent.author = data.author.trimmed();
        if (!library->publish(sent, m_script.lines(), id, &error)) {
            m_services.showError(joined(tr("Ошибка сохранения online-сценария в базе данных!"), error));
            return -1;
        }
        if (!id || *id <= 0) {
            m_services.showError(joined(sentence, tr("Сервер не вернул идентификатор сценария.")));
            return -1;
        }
        online::tScriptInfo row;
        row.id = *id;
        row.author = sent.author;
        row.cl_mail = library->identity().cl_mail;
        row.lcid = sent.lcid;
        row.app_name = QString::fromLatin1(online::kAppName);
        row.app_ver = library->identity().appver;
        row.app_guid = library->identity().appid;
        row.universal = sent.universal;
        row.publics = sent.publics;
        row.created = QDateTime::currentDateTime();
        row.title = sent.title;
        row.descr = sent.descr;
        library->mark(row);
        std::vector<online::tScriptInfo> rows = m_rows;
        rows.push_back(std::move(row));
        m_currentId = *id;
        setRows(std::move(rows));
        published = *id;
    }
    refresh();
    return published;
}

bool OnlineScripts::replace(int index)
{
    if (!validRow(index))
        return false;
    ScriptPropertiesForm f = form(propertiesOf(index), true);
    if (!m_services.io().editScriptProperties(f))
        return false;
    return replaceWith(index, f.data);
}

bool OnlineScripts::replaceWith(int index, const online::tScriptData& data)
{
    const QString sentence = tr("Ошибка публикации online-сценария!");
    if (!canReplace(index)) {
        m_services.showError(joined(sentence, validRow(index) && canDelete(index)
                                                  ? tr("Текущий сценарий не содержит ни одной строки.")
                                                  : tr("Изменять можно только свои сценарии этой программы.")));
        return false;
    }
    bool done = false;
    {
        BusyScope busy(m_services, tr("Сохранение сценария в базе данных..."));
        QString error;
        std::optional<std::int32_t> id;
        online::tScriptData sent = data;
        sent.id = m_rows[std::size_t(index)].id;
        sent.title = data.title.trimmed();
        sent.author = data.author.trimmed();
        const auto library = open(error);
        if (!library || !library->publish(sent, m_script.lines(), id, &error)) {
            m_services.showError(joined(sentence, error));
        } else if (!id || *id <= 0) {
            m_services.showError(joined(sentence, tr("Сервер не вернул идентификатор сценария.")));
        } else {
            std::vector<online::tScriptInfo> rows = m_rows;
            online::tScriptInfo& r = rows[std::size_t(index)];
            r.id = *id;
            r.app_ver = library->identity().appver;
            r.created = QDateTime::currentDateTime();
            r.author = sent.author;
            r.lcid = sent.lcid;
            r.universal = sent.universal;
            r.publics = sent.publics;
            r.title = sent.title;
            r.descr = sent.descr;
            library->mark(r);
            m_currentId = *id;
            setRows(std::move(rows));
            done = true;
        }
    }
    if (done)
        refresh();
    return done;
}

bool OnlineScripts::remove(int index)
{
    const QString sentence = tr("Ошибка публикации online-сценария!");
    if (!canDelete(index)) {
        m_services.showError(joined(sentence, tr("Удалять можно только свои сценарии этой программы.")));
        return false;
    }
    const online::tScriptData data = propertiesOf(index);
    if (!m_services.askConfirmation(tr("Вы действительно хотите удалить сценарий \"%1\"?").arg(data.title), false))
        return false;
    bool done = false;
    {
        BusyScope busy(m_services, tr("Удаление сценария из базы данных..."));
        QString error;
        std::optional<std::int32_t> id;
        const auto library = open(error);
        if (!library) {
            m_services.showError(joined(sentence, error));
            return false;
        }
        if (!library->remove(data, id, &error)) {
            m_services.showError(joined(tr("Ошибка удаления online-сценария из базы данных!"), error));
            return false;
        }
        if (id != 0) {
            // Only 0 says the script is gone; the row stays.
            m_services.showError(
                joined(tr("Ошибка удаления online-сценария из базы данных!"),
                       id ? tr("Сервер ответил кодом %1 вместо 0.").arg(*id) : tr("Сервер не подтвердил удаление.")));
            return false;
        }
        std::vector<online::tScriptInfo> rows = m_rows;
        rows.erase(rows.begin() + index);
        m_currentId = -1;
        setRows(std::move(rows));
        done = true;
    }
    refresh();
    return done;
}

bool OnlineScripts::view(int index)
{
    if (!validRow(index)) {
        m_services.showError(joined(tr("Ошибка просмотра свойств online-сценария!"), tr("Сценарий не выбран.")));
        return false;
    }
    ScriptPropertiesForm f = form(propertiesOf(index), false);
    m_services.io().editScriptProperties(f);
    return true;
}

bool OnlineScripts::rate(int index, int value)
{
    QString notes;
    if (value > 0 && !m_services.io().askText(tr("Комментарий"), tr("Вы можете оставить свой комментарий:"), notes))
        return false;
    return rateWith(index, value, notes);
}

bool OnlineScripts::rateWith(int index, int value, const QString& notes)
{
    const QString sentence = tr("Ошибка сохранения оценки online-сценария!");
    if (!validRow(index)) {
        m_services.showError(joined(sentence, tr("Сценарий не выбран.")));
        return false;
    }
    m_currentId = m_rows[std::size_t(index)].id;
    bool done = false;
    {
        BusyScope busy(m_services, tr("Отправка оценки на сервер..."));
        QString error;
        const auto library = open(error);
        done = library && library->rate(m_currentId, value, notes, &error);
        if (!done)
            m_services.showError(joined(sentence, error));
    }
    if (done)
        refresh();
    return done;
}

std::optional<std::vector<online::tScriptRate>> OnlineScripts::fetchRates(int index, bool* hasResult)
{
    const QString sentence = tr("Ошибка просмотра оценок online-сценария!");
    if (!validRow(index)) {
        m_services.showError(joined(sentence, tr("Сценарий не выбран.")));
        return std::nullopt;
    }
    BusyScope busy(m_services, tr("Загрузка списка оценок..."));
    QString error;
    std::vector<online::tScriptRate> rates;
    const auto library = open(error);
    if (!library || !library->rates(m_rows[std::size_t(index)].id, rates, hasResult, &error)) {
        m_services.showError(joined(sentence, error));
        return std::nullopt;
    }
    return rates;
}

bool OnlineScripts::showRates(int index)
{
    bool hasResult = false;
    const auto rates = fetchRates(index, &hasResult);
    if (!rates)
        return false;
    // A reply without a result shows nothing.
    if (hasResult)
        m_services.io().showScriptRates(*rates);
    return true;
}

} // namespace app
