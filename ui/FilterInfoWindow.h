#pragma once

// The description of a statistic method: its help page in an embedded browser. The window
// keeps its size and position in the window-state file.

#include <QDialog>

class QTextBrowser;

namespace stats {
class TStatList;
}

namespace ui {

class FilterInfoWindow : public QDialog
{
    Q_OBJECT

public:
    // caption: the method's name, shown when the page is missing; page: the path of its help
    // page (may be empty or name a missing file); stateFile: the window-state file.
    FilterInfoWindow(const QString& caption, const QString& page, const QString& stateFile, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return m_browser; }
    // True when the page was found and shown.
    bool hasPage() const { return m_hasPage; }

    void done(int result) override;

private:
    QTextBrowser* m_browser;
    QString m_stateFile;
    bool m_hasPage = false;
};

// Shows the description of method (an index of the list) and waits until it is closed.
void ShowFilterInfo(QWidget* parent, const stats::TStatList& list, int method, const QString& helpFile,
                    const QString& stateFile);

} // namespace ui
