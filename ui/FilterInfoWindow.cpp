#include "ui/FilterInfoWindow.h"

#include "core/IniFile.h"
#include "stats/StatList.h"
#include "ui/WindowLayout.h"

#include <QApplication>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace ui {

namespace {

const QString kSection = QStringLiteral("TFormFilterInfo");

} // namespace

FilterInfoWindow::FilterInfoWindow(const QString& caption, const QString& page, const QString& stateFile,
                                   QWidget* parent)
    : QDialog(parent), m_browser(new QTextBrowser(this)), m_stateFile(stateFile)
{
    setObjectName(kSection);
    setWindowTitle(tr("Описание методики расчета"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    setFont(QApplication::font("QMenu"));
    resize(640, 520);

    m_browser->setObjectName(QStringLiteral("wbFilterInfo"));
    m_browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);

    m_hasPage = !page.isEmpty() && QFileInfo(page).isFile();
    if (m_hasPage) {
        m_browser->setSource(QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath()));
    } else {
        m_browser->setHtml(QStringLiteral("<h3>%1</h3><p>%2</p>")
                               .arg(caption.toHtmlEscaped(),
                                    tr("Описание этого метода расчета статистики отсутствует.").toHtmlEscaped()));
    }

    if (!m_stateFile.isEmpty()) {
        core::IniFile ini(m_stateFile);
        if (ini.load())
            PlacementLoad(*this, ini, kSection, false, true);
    }
}

void FilterInfoWindow::done(int result)
{
    if (!m_stateFile.isEmpty()) {
        core::IniFile ini(m_stateFile);
        // A state file that cannot be read is left alone rather than replaced by this one key.
        if (ini.load()) {
            PlacementSave(*this, ini, kSection);
            ini.save();
        }
    }
    QDialog::done(result);
}

void ShowFilterInfo(QWidget* parent, const stats::TStatList& list, int method, const QString& helpFile,
                    const QString& stateFile)
{
    if (method < 0 || method >= list.Count())
        return;
    const stats::TStatMethod& m = list.Items(method);
    FilterInfoWindow window(m.GetCaptionText(), m.Class->GetHelpTopic(m.Param, helpFile), stateFile, parent);
    window.exec();
}

} // namespace ui
