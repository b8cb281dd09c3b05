#include "ui/TestCountDialog.h"

#include "ui_TestCountDialog.h"

#include <algorithm>

namespace ui {

TestCountDialog::TestCountDialog(int max, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TestCountDialog>())
{
    m_ui->setupUi(this);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &TestCountDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &TestCountDialog::reject);
    // An archive of one draw leaves nothing to test at; the box still cannot go below 1.
    m_ui->edTestCount->setRange(1, std::max(1, max));
    m_ui->edTestCount->setValue(10);
    m_ui->edTestCount->selectAll();
    m_ui->edTestCount->setFocus();
}

TestCountDialog::~TestCountDialog() = default;

int TestCountDialog::count() const
{
    return m_ui->edTestCount->value();
}

} // namespace ui
