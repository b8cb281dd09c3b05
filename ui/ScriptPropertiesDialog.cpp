#include "ui/ScriptPropertiesDialog.h"

#include "ui_ScriptPropertiesDialog.h"

#include <QPushButton>

namespace ui {

ScriptPropertiesDialog::ScriptPropertiesDialog(const app::ScriptPropertiesForm& form, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::ScriptPropertiesDialog>()), m_form(form)
{
    m_ui->setupUi(this);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &ScriptPropertiesDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &ScriptPropertiesDialog::reject);
    QPushButton* ok = m_ui->buttonBox->button(QDialogButtonBox::Ok);
    QPushButton* cancel = m_ui->buttonBox->button(QDialogButtonBox::Cancel);
    ok->setToolTip(tr("Отправить сценарий на сервер"));
    cancel->setToolTip(tr("Закрыть окно"));

    const online::tScriptData& data = form.data;
    m_ui->edTitle->setText(data.title);
    m_ui->edClName->setText(data.author);
    // A language the program does not have shows as the built-in one.
    int chosen = 0;
    for (const app::LanguageInfo& language : form.languages) {
        if (language.Lcid == data.lcid)
            chosen = m_ui->cbClLcid->count();
        m_ui->cbClLcid->addItem(language.Name, language.Lcid);
    }
    if (m_ui->cbClLcid->count() == 0)
        m_ui->cbClLcid->addItem(app::LanguageName(app::kNativeLanguage), app::kNativeLanguage);
    m_ui->cbClLcid->setCurrentIndex(chosen);
    m_ui->rbPublic->setChecked(data.publics);
    m_ui->rbPrivate->setChecked(!data.publics);
    m_ui->rbSingleApp->setText(tr("Только в \"%1\"").arg(form.appName));
    m_ui->rbSingleApp->setChecked(!data.universal);
    m_ui->rbAnyApp->setChecked(data.universal);
    m_ui->edDescr->setPlainText(data.descr);

    if (!form.editable) {
        m_ui->edTitle->setReadOnly(true);
        m_ui->edClName->setReadOnly(true);
        m_ui->edDescr->setReadOnly(true);
        m_ui->cbClLcid->setEnabled(false);
        m_ui->rgViewMode->setEnabled(false);
        m_ui->rgAppMode->setEnabled(false);
        ok->hide();
        cancel->setDefault(true);
        cancel->setFocus();
    } else {
        ok->setDefault(true);
        m_ui->edTitle->setFocus();
    }
}

ScriptPropertiesDialog::~ScriptPropertiesDialog() = default;

online::tScriptData ScriptPropertiesDialog::edited() const
{
    online::tScriptData data = m_form.data;
    data.title = m_ui->edTitle->text().trimmed();
    data.author = m_ui->edClName->text().trimmed();
    data.lcid = m_ui->cbClLcid->currentData().toInt();
    data.universal = m_ui->rbAnyApp->isChecked();
    data.publics = m_ui->rbPublic->isChecked();
    data.descr = m_ui->edDescr->toPlainText();
    return data;
}

void ScriptPropertiesDialog::accept()
{
    if (!m_form.editable)
        return;
    if (m_form.check) {
        switch (m_form.check(edited())) {
        case app::ScriptPropertiesVerdict::Accepted:
            break;
        case app::ScriptPropertiesVerdict::BadTitle:
        case app::ScriptPropertiesVerdict::CheckFailed:
            m_ui->edTitle->setFocus();
            m_ui->edTitle->selectAll();
            return;
        case app::ScriptPropertiesVerdict::BadAuthor:
            m_ui->edClName->setFocus();
            m_ui->edClName->selectAll();
            return;
        }
    }
    QDialog::accept();
}

} // namespace ui
