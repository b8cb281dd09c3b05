#include "ui/WheelDialog.h"

#include "stakes/SystemFile.h"
#include "stakes/WheelReference.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {

WheelDialog::WheelDialog(const stakes::WheelParams& params, int seconds, QWidget* parent)
    : QDialog(parent), m_nums(new QSpinBox(this)), m_guarantee(new QSpinBox(this)), m_drawn(new QSpinBox(this)),
      m_bankers(new QSpinBox(this)), m_seconds(new QSpinBox(this)), m_sizes(new QLabel(this))
{
    setObjectName(QStringLiteral("WheelDialog"));
    setWindowTitle(tr("Создать систему"));
    m_nums->setObjectName(QStringLiteral("seNums"));
    m_nums->setRange(stakes::SystemNumsMin, stakes::SystemNumsMax);
    m_guarantee->setObjectName(QStringLiteral("seGuarantee"));
    m_guarantee->setRange(2, stakes::SystemOlapMax);
    m_drawn->setObjectName(QStringLiteral("seDrawn"));
    m_bankers->setObjectName(QStringLiteral("seBankers"));
    m_seconds->setObjectName(QStringLiteral("seSeconds"));
    m_seconds->setRange(1, 3600);
    m_sizes->setObjectName(QStringLiteral("lblSizes"));
    m_sizes->setWordWrap(true);

    m_nums->setValue(params.Nums);
    m_guarantee->setValue(params.Guarantee);
    m_drawn->setRange(m_guarantee->value(), 5);
    m_drawn->setValue(params.Drawn);
    m_bankers->setRange(0, std::min(m_guarantee->value() - 1, 5 - m_guarantee->value()));
    m_bankers->setValue(params.Bankers);
    m_seconds->setValue(std::clamp(seconds, 1, 3600));

    auto* form = new QFormLayout;
    form->addRow(tr("Чисел в системе:"), m_nums);
    form->addRow(tr("Гарантия, угадано в комбинации:"), m_guarantee);
    form->addRow(tr("если угадано чисел системы:"), m_drawn);
    form->addRow(tr("Опорных чисел (в каждой комбинации):"), m_bankers);
    form->addRow(tr("Время поиска, секунд:"), m_seconds);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_sizes);
    layout->addWidget(buttons);

    for (QSpinBox* box : {m_nums, m_guarantee, m_drawn, m_bankers})
        connect(box, &QSpinBox::valueChanged, this, &WheelDialog::follow);
    follow();
}

stakes::WheelParams WheelDialog::params() const
{
    return {m_nums->value(), m_guarantee->value(), m_drawn->value(), m_bankers->value()};
}

int WheelDialog::seconds() const
{
    return m_seconds->value();
}

QString WheelDialog::sizesText() const
{
    return m_sizes->text();
}

void WheelDialog::follow()
{
    const int t = m_guarantee->value();
    m_drawn->setRange(t, 5);
    m_bankers->setRange(0, std::min(t - 1, 5 - t));
    const stakes::WheelSizes sizes = stakes::KnownWheelSizes(params());
    const auto known = [](std::int64_t value) { return value > 0 ? QString::number(value) : tr("нет данных"); };
    m_sizes->setText(tr("Лучшая известная: %1, нижняя граница: %2 комбинаций.")
                         .arg(known(sizes.BestKnown), known(sizes.LowerBound)));
}

} // namespace ui
