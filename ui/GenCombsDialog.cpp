#include "ui/GenCombsDialog.h"

#include "combos/CombList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace ui {

namespace {
constexpr int kMaxParamLength = 255;
constexpr int kFileMode = 4;
} // namespace

GenCombsDialog::GenCombsDialog(const core::TGenSettings& settings, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Создание нового списка комбинаций"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Режим генерации списка комбинаций:"), this));
    m_mode = new QComboBox(this);
    m_mode->setObjectName(QStringLiteral("cbCombsGenerateMode"));
    for (int mode = 0; mode < combos::kGenModeCount; ++mode)
        m_mode->addItem(combos::GenModeCaption(mode));
    m_mode->setCurrentIndex(settings.Mode < combos::kGenModeCount ? settings.Mode : 0);
    layout->addWidget(m_mode);

    layout->addWidget(new QLabel(tr("Мои числа или имя файла для загрузки:"), this));
    auto* paramRow = new QHBoxLayout;
    m_param = new QLineEdit(settings.Param, this);
    m_param->setObjectName(QStringLiteral("edCombsGenerateParam"));
    m_param->setMaxLength(kMaxParamLength);
    m_browse = new QToolButton(this);
    m_browse->setText(QStringLiteral("..."));
    paramRow->addWidget(m_param, 1);
    paramRow->addWidget(m_browse);
    layout->addLayout(paramRow);

    m_save = new QCheckBox(tr("Сохранить эти параметры для генерации комбинаций \"по умолчанию\""), this);
    m_save->setObjectName(QStringLiteral("cbSaveParameters"));
    m_save->setChecked(false);
    layout->addWidget(m_save);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setToolTip(tr("Создать список возможных комбинаций"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_mode, &QComboBox::currentIndexChanged, this, &GenCombsDialog::updateEnabled);
    connect(m_browse, &QToolButton::clicked, this, &GenCombsDialog::browse);
    updateEnabled();
    resize(520, sizeHint().height());
}

void GenCombsDialog::updateEnabled()
{
    const int mode = m_mode->currentIndex();
    m_param->setEnabled(mode >= 1 && mode <= kFileMode);
    m_browse->setEnabled(mode == kFileMode);
}

void GenCombsDialog::browse()
{
    const QString file = QFileDialog::getOpenFileName(this, QString(), m_param->text(), tr("Файлы комбинаций (*.lcv)"));
    if (!file.isEmpty())
        m_param->setText(file);
}

core::TGenSettings GenCombsDialog::settings() const
{
    core::TGenSettings s;
    s.Mode = std::uint8_t(std::max(0, m_mode->currentIndex()));
    s.Param = m_param->text().left(kMaxParamLength);
    return s;
}

bool GenCombsDialog::saveAsDefault() const
{
    return m_save->isChecked();
}

} // namespace ui
