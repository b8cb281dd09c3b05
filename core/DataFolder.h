#pragma once

// Where the data files live: the executable's folder unless a data folder was given. Fixed
// file names stay the same whatever the executable is called; derived names follow its base
// name.

#include <QString>

namespace core {

class DataFolder
{
public:
    DataFolder() = default;
    // dir: the data folder; baseName: the executable's base name; exeDir: the executable's folder.
    DataFolder(const QString& dir, const QString& baseName, const QString& exeDir);

    const QString& dir() const { return m_dir; }
    const QString& baseName() const { return m_baseName; }
    const QString& exeDir() const { return m_exeDir; }

    QString file(const QString& name) const;
    QString derived(const QString& extension) const; // e.g. ".frm"

    QString drawsFile() const;  // "Vertoma_5x54.ldr"
    QString configFile() const; // "Vertoma_5x54.ini"
    QString stakesFile() const; // "Vertoma_5x54.lsk"
    QString lockFile() const;   // "Vertoma_5x54.lck", held for the whole run
    QString stateFile() const;  // base name + ".frm"
    QString namesFile() const;  // base name + ".flt"
    bool isDemo() const;        // the folder carries the demo marker

    static const QString kDemoMarker;

private:
    QString m_dir;
    QString m_baseName = QStringLiteral("Vertoma_5x54");
    QString m_exeDir;
};

} // namespace core
