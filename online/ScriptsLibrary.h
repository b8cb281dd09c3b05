#pragma once

// The catalogue of scripts on the maker's service host: the list with its eight filters, the
// text of one script, the title check, publishing, replacing and deleting one's own scripts, and
// the users' ratings. Every request is one form post answered in the reply envelope.

#include "online/ClientIdentity.h"
#include "online/ServiceClient.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace online {

// One row of the catalogue as the list shows it.
struct tScriptInfo
{
    std::int32_t id = 0;
    QString author;  // <key_cl_name>
    QString cl_mail; // <key_cl_mail>: the author's e-mail
    std::int32_t lcid = 0;
    QString app_name; // the application the script was published from
    QString app_ver;
    QString app_guid;
    bool universal = false; // usable in any application of the family
    bool publics = false;   // visible to all users
    QDateTime created;      // local time; invalid = none
    double rating = 0;      // the average of the users' ratings
    std::int32_t rating_cnt = 0;
    std::int32_t rating_you = 0; // -1 hidden by the user, 0 not rated, 1..5 the user's rating
    std::int32_t downloads = 0;
    QDateTime last_download;
    QString title;
    QString descr;
    bool own = false;       // published with the user's e-mail
    bool usable = false;    // universal, or published from this application
    bool ownUsable = false; // both
};

// The properties of a script the dialog "Свойства сценария" shows and edits.
struct tScriptData
{
    std::int32_t id = -1; // -1 for a script not yet published
    QString author;
    std::int32_t lcid = 0;
    bool universal = false;
    bool publics = true;
    QString title;
    QString descr;
};

// One user's rating of a script, texts as the host sent them.
struct tScriptRate
{
    QString cl_name;
    QString rate;
    QDateTime created; // local time
    QString app_name;
    QString app_ver;
    QString notes;
};

// The filters of the list, in the order of their selector; a request sends the index − 1.
inline constexpr int kScriptFilterCount = 8;
inline constexpr int kScriptFilterDefault = 2;
inline constexpr int kScriptFilterHidden = 0;
inline constexpr int kScriptFilterAll = 1;
// The longest title and author name the dialog takes.
inline constexpr int kScriptTitleMax = 64;

class ScriptsLibrary
{
public:
    ScriptsLibrary(ServiceClient client, ClientIdentity identity)
        : m_client(std::move(client)), m_identity(std::move(identity))
    {
    }

    const ClientIdentity& identity() const { return m_identity; }

    // scr_getlist with the filter's index 0..7: one record per reply row, own and usable marked
    // for this identity. hasResult is false when the reply held no result. False with the
    // message for a failed request, an error row or a value that is not what it must be.
    bool list(int filter, std::vector<tScriptInfo>& rows, bool* hasResult, QString* error) const;
    // scr_getdata: the decoded text of the first row that begins with "<script>"; nullopt in
    // text when no such row came.
    bool fetchScript(std::int32_t id, std::optional<QString>& text, QString* error) const;
    // scr_chktitle: free when the host answers 0; nullopt in free when it did not answer at all.
    bool checkTitle(std::int32_t id, const QString& title, std::optional<bool>& free, QString* error) const;
    // scr_putscript with del_mode 0 and the lines as one text: the last "<id_scripts>" received,
    // nullopt when none came.
    bool publish(const tScriptData& data, const QStringList& lines, std::optional<std::int32_t>& id,
                 QString* error) const;
    // scr_putscript with del_mode 1: the host answers 0 for a deleted script.
    bool remove(const tScriptData& data, std::optional<std::int32_t>& id, QString* error) const;
    // scr_setrate: -1 hides the script from the user's list, 0 removes the user's rating, 1..5
    // rates it. A "<res_code>" below 0 is a failure.
    bool rate(std::int32_t id, int value, const QString& notes, QString* error) const;
    // scr_getrates: one record per reply row.
    bool rates(std::int32_t id, std::vector<tScriptRate>& rates, bool* hasResult, QString* error) const;

    // The fields of the requests, in order, for the tests to compare with what a host saw.
    QList<QByteArray> listFields(int filter) const;
    QList<QByteArray> putFields(const tScriptData& data, const QStringList* lines) const;
    QList<QByteArray> rateFields(std::int32_t id, int value, const QString& notes) const;

    // Sets own, usable and ownUsable of a row for this identity.
    void mark(tScriptInfo& row) const;

private:
    bool put(const tScriptData& data, const QStringList* lines, std::optional<std::int32_t>& id, QString* error) const;

    ServiceClient m_client;
    ClientIdentity m_identity;
};

// The average rating as the host writes it: a point or a comma before the decimals; 0 for
// anything that is not a number.
double ScriptRatingValue(const QByteArray& text);

} // namespace online
