#include "ui/FirstRunDialog.h"

#include "app/Session.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

FirstRunDialog::FirstRunDialog(app::Session& session, const QString& helpPath, QWidget* parent)
    : QDialog(parent), m_session(session), m_dontShow(new QCheckBox(tr("Больше не показывать данный диалог"), this))
{
    setWindowTitle(tr("Справочная информация"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Прежде чем начать работу, познакомьтесь с программой:"), this));

    auto* help = new QPushButton(tr("Открыть файл встроенной справочной системы"), this);
    help->setObjectName(QStringLiteral("btnHelp"));
    help->setEnabled(QFileInfo::exists(helpPath));
    connect(help, &QPushButton::clicked, this, [this, helpPath] { m_session.services().openHelp(helpPath); });
    layout->addWidget(help);

    // The maker's pages have no addresses in this build, so their buttons stay disabled.
    const QString pages[] = {
        tr("Статьи для начинающих"),      tr("Блог"),   tr("Видеоканал"), tr("Группа в социальной сети 1"),
        tr("Группа в социальной сети 2"), tr("Новости")};
    for (const QString& caption : pages) {
        auto* button = new QPushButton(caption, this);
        button->setEnabled(false);
        layout->addWidget(button);
    }

    m_dontShow->setObjectName(QStringLiteral("cbDontShow"));
    layout->addWidget(m_dontShow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void FirstRunDialog::done(int result)
{
    if (m_dontShow->isChecked())
        m_session.services().storeStateBool(QStringLiteral("FirstRun"), false);
    QDialog::done(result);
}

} // namespace ui
