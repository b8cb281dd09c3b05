#pragma once

// The program's self-update: the family's description file "Numeko_AU.cfg" with a section per
// product and the shared "GlobalOptions", the comparison of build numbers, the release notes,
// and the installation: download and verify the package, run it to unpack into the update
// folder, copy its files over the installation with the replaced files kept aside until the
// copy has succeeded. No windows here: the session shows the dialog and the messages.

#include "core/IniFile.h"
#include "core/Progress.h"
#include "net/Requests.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace online {

inline const QString kUpdateDescriptionPath = QStringLiteral("/files/autoupdates/Numeko_AU.cfg");
inline const QString kUpdateInfoFile = QStringLiteral("SelfUpdates.inf");
inline const QString kUpdateFolder = QStringLiteral("SelfUpdate");
inline const QString kGlobalOptions = QStringLiteral("GlobalOptions");

struct UpdateInfo
{
    QString VerId;
    QString Description;
    QString DownloadUrl;
    QString OriginalFileName;
    QString ChecksumCRC32;
    QString ChecksumSHA256; // checked as well when given
    QStringList GlobalDeleteAfter;
    QStringList DeleteAfter;
    QStringList GlobalDeleteBefore;
    QStringList DeleteBefore;
    QStringList GlobalExecAfter;
    QStringList ExecAfter;
    QStringList GlobalExecBefore;
    QStringList ExecBefore;
};

// The fourth number of a version text split on ",", "-", ".", "_"; 0 when missing or not a number.
int BuildNumber(const QString& version);
// The product's section of the description; a missing VerId means the running version.
UpdateInfo ReadUpdateInfo(const core::IniFile& ini, const QString& product, const QString& current);
bool UpdateExists(const QString& current, const UpdateInfo& info);

// Checksums of a file as upper-case hexadecimal text. Throw core::EConvertError when the file
// cannot be read.
QString Crc32Text(const QString& path);
QString Sha256Text(const QString& path);
// The reflected CRC-32 of IEEE 802.3 (initial value all ones, final complement).
quint32 Crc32(const QByteArray& bytes, quint32 crc = 0);

// A free name for a file set aside: the point of its extension turned into ".~" (one "~" more
// while the name is taken); a name without extension gets ".~" appended.
QString AsideName(const QString& path);
// The folder of the release notes next to the description at source.
QString NotesFolder(const QString& source);
// The names to try for the notes of verId, in order: with the language abbreviation, with the
// locale id, then without either; lcid 0 gives only the last.
QStringList NotesNames(const QString& verId, int lcid, const QString& abbreviation);

struct UpdateSite
{
    QString installDir;     // the executable's folder, which the update replaces files of
    QString product;        // the section of the description: the executable's file name
    QString currentVersion; // four numbers
    // The running executable: its replaced copy stays beside it until the next run removes it.
    QString runningExe;
    net::RequestOptions request; // certificate bundle, limits, keep-alive
    int processTimeoutSeconds = 60;
};

struct UpdateSearch
{
    bool exists = false;
    UpdateInfo info;
    QStringList notes;
};

class SelfUpdater
{
public:
    explicit SelfUpdater(UpdateSite site);

    const UpdateSite& site() const { return m_site; }
    QString path(const QString& name) const;
    QString updateFolder() const { return path(kUpdateFolder); }

    // False when files cannot be created in the installation folder (a system package).
    bool installWritable() const;
    // Deletes the "*.~*" leftovers of an earlier update; errors are ignored.
    void removeLeftovers() const;

    // An https:// source is downloaded with verified TLS; a plain http:// one is refused; any
    // other is a local file and is copied. The target's folder is created. Throws EConvertError.
    void downloadTo(const QString& source, const QString& file) const;

    // Search steps: leftovers, description, section, comparison, notes. Five steps of progress.
    // Throws EConvertError. SelfUpdates.inf is removed in every case.
    UpdateSearch search(const QString& source, int lcid, const QString& abbreviation, core::Progress& progress) const;
    // The installation, thirteen steps of progress. Throws EConvertError; the update folder is
    // removed in every case, and a failed copy puts the replaced files back.
    void install(const UpdateInfo& info, core::Progress& progress) const;

    // Downloads of the package in the last installation, for the record of a failed one.
    int downloadAttempts() const { return m_attempts; }

private:
    QStringList fetchNotes(const QString& source, const UpdateInfo& info, int lcid, const QString& abbreviation) const;
    void downloadPackage(const UpdateInfo& info, const QString& package) const;
    void runPackage(const QString& program) const;
    void deleteListed(const QStringList& names) const;
    void runListed(const QStringList& names) const;
    void copyOver() const;

    UpdateSite m_site;
    mutable int m_attempts = 0;
};

} // namespace online
