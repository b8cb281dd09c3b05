#pragma once

// Where the program keeps its data and finds what it ships with. A copy unpacked into a folder
// of its own (or a build tree) keeps its files beside the executable, as the desktop design
// expects. An installed copy cannot write there: its data goes to the user's data home
// ($XDG_DATA_HOME/Vertoma_5x54, ~/.local/share/Vertoma_5x54 by default) and its help pages and
// language modules sit in the shared folder of the installation (<prefix>/share/Vertoma_5x54).

#include <QString>

namespace core {

class DataLocation
{
public:
    // What the choice of the data folder depends on, gathered by probe() or set by a test.
    struct Facts
    {
        QString ExeDir;
        bool ExeDirWritable = false;
        bool Installed = false; // the executable sits in the bin folder of an installation
        QString XdgDataHome;    // the environment's value, possibly empty or relative
        QString Home;
    };

    struct Choice
    {
        QString Dir;
        bool FromArgument = false; // "--data-dir" named it
        bool UserDataHome = false; // the folder under the user's data home
    };

    // The name of the program's folders under the data home and the installation's share folder.
    static const QString kFolderName;

    // The facts of a running program whose executable lies in exeDir, read from the file system
    // and the environment.
    static Facts probe(const QString& exeDir);

    // The data folder: the argument when given, else the executable's folder when it can be written to
    // and is not an installation, else the folder under the user's data home.
    static Choice choose(const QString& dataDirArgument, const Facts& facts);

    // The user's data home by the XDG rules: $XDG_DATA_HOME when it is an absolute path, else
    // <home>/.local/share.
    static QString userDataHome(const QString& xdgDataHome, const QString& home);

    // The shared folder of an installation whose executables lie in exeDir (<prefix>/bin):
    // <prefix>/share/Vertoma_5x54. installed() says whether it exists.
    static QString shareDir(const QString& exeDir);
    static bool installed(const QString& exeDir);

    // A folder this process can create files in.
    static bool writable(const QString& dir);

    // Makes the chosen folder when it is missing; false with the reason when that fails.
    static bool ensure(const Choice& choice, QString* error);
};

} // namespace core
