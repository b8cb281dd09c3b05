#include "ui/StakeFilterDialog.h"

#include "ui_StakeFilterDialog.h"

#include <QPushButton>

namespace ui {

StakeFilterDialog::StakeFilterDialog(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::StakeFilterDialog>())
{
    m_ui->setupUi(this);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &StakeFilterDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &StakeFilterDialog::reject);
    m_ui->buttonBox->button(QDialogButtonBox::Ok)->setToolTip(tr("Удалить ставки"));
    m_ui->buttonBox->button(QDialogButtonBox::Cancel)->setToolTip(tr("Отменить операцию и закрыть окно"));
    m_ui->cbCondition->setCurrentIndex(0);
    m_ui->edValue->setValue(0);
}

StakeFilterDialog::~StakeFilterDialog() = default;

int StakeFilterDialog::op() const
{
    return m_ui->cbCondition->currentIndex();
}

int StakeFilterDialog::value() const
{
    return m_ui->edValue->value();
}

} // namespace ui
