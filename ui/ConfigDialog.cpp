#include "ui/ConfigDialog.h"

#include "ui_ConfigDialog.h"

#include "core/GameMath.h"

#include <QDir>
#include <QDoubleValidator>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>

#include <cmath>

namespace ui {

namespace {

constexpr int ProfitRows = core::CombSize + 1; // 0..5 numbers matched
constexpr int ProfitCountColumn = 0;
constexpr int ProfitSumColumn = 1;
constexpr int SegmentCellSize = 24;
constexpr double MoneyScale = 10000.0;
// Beyond this a prize no longer fits the ten-thousandths in 64 bits.
constexpr double MoneyMax = 9.0e14;

// A cell editor that lets through only what its pattern allows, so the grids never hold text
// the dialog would have to guess at.
class FilteredDelegate : public QStyledItemDelegate
{
public:
    FilteredDelegate(const QRegularExpression& allowed, int maxLength, QObject* parent)
        : QStyledItemDelegate(parent), m_allowed(allowed), m_maxLength(maxLength)
    {
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        if (m_maxLength > 0)
            editor->setMaxLength(m_maxLength);
        editor->setValidator(new QRegularExpressionValidator(m_allowed, editor));
        return editor;
    }

private:
    QRegularExpression m_allowed;
    int m_maxLength;
};

// The digit a segment cell holds, or -1 when it holds anything else.
int digitOf(const QString& text)
{
    if (text.size() != 1 || text.at(0) < u'0' || text.at(0) > u'9')
        return -1;
    return text.at(0).unicode() - u'0';
}

std::int64_t toMoney(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > MoneyMax)
        return 0;
    return std::llround(value * MoneyScale);
}

} // namespace

ConfigDialog::ConfigDialog(const core::TConfigData& config, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::ConfigDialog>()), m_config(config)
{
    m_ui->setupUi(this);
    // Extended stakes are not offered in this build; the stored value passes through untouched.
    m_ui->lbMaxStake->hide();
    m_ui->edMaxStake->hide();

    const QLocale loc = numberLocale();

    QTableWidget* segments = m_ui->sgSegments;
    for (QHeaderView* header : {segments->horizontalHeader(), segments->verticalHeader()}) {
        header->setMinimumSectionSize(SegmentCellSize);
        header->setDefaultSectionSize(SegmentCellSize);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    segments->setItemDelegate(new FilteredDelegate(QRegularExpression(QStringLiteral("[0-9]")), 1, segments));

    QTableWidget* profits = m_ui->sgProfits;
    // Rows of one text line, so that the six prize rows show without scrolling.
    QHeaderView* profitRows = profits->verticalHeader();
    profitRows->setSectionResizeMode(QHeaderView::Fixed);
    profitRows->setDefaultSectionSize(profits->fontMetrics().height() + 6);
    profits->setRowCount(ProfitRows);
    profits->setMinimumHeight(profits->horizontalHeader()->sizeHint().height() +
                              ProfitRows * profitRows->defaultSectionSize() + 2 * profits->frameWidth() + 2);
    profits->horizontalHeader()->setSectionResizeMode(ProfitCountColumn, QHeaderView::ResizeToContents);
    const QString allowed = QStringLiteral("[0-9%1]*").arg(QRegularExpression::escape(loc.decimalPoint()));
    profits->setItemDelegateForColumn(ProfitSumColumn, new FilteredDelegate(QRegularExpression(allowed), 0, profits));

    m_ui->edMatrixCols->setValue(config.MatrixCols);
    layoutSegments(m_ui->edMatrixCols->value(), config.MatrixSegments);
    m_ui->edChannelSize->setValue(config.ChannelSize);
    m_ui->edCost->setValue(static_cast<double>(config.Cost) / MoneyScale);
    m_ui->edMaxStake->setValue(config.MaxStake);
    fillProfits(config.Profits);

    const std::pair<QLineEdit*, long double> coefficients[] = {
        {m_ui->edCdlCount, config.CDL.Count},
        {m_ui->edCdlDeviation, config.CDL.Deviation},
        {m_ui->edCdlLevel, config.CDL.Level},
    };
    for (const auto& [edit, value] : coefficients) {
        auto* validator = new QDoubleValidator(edit);
        validator->setLocale(loc);
        edit->setValidator(validator);
        edit->setText(loc.toString(static_cast<double>(value), 'g', QLocale::FloatingPointShortest));
    }
    m_ui->cbUsePercents->setChecked(config.CDL.UsePercents);
    m_ui->cbUseAbsValues->setChecked(config.CDL.UseAbsValues);

    connect(m_ui->edMatrixCols, &QSpinBox::valueChanged, this, &ConfigDialog::matrixColsChanged);
    connect(m_ui->sgSegments, &QTableWidget::itemChanged, this, &ConfigDialog::segmentChanged);
    connect(m_ui->btCaFile, &QToolButton::clicked, this, &ConfigDialog::pickCaFile);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &ConfigDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ConfigDialog::setNetwork(const net::NetworkSettings& network)
{
    m_ui->edOperatorUrl->setText(network.OperatorUrl);
    m_ui->edProxyListUrl->setText(network.ProxyListUrl);
    m_ui->edServiceUrl->setText(network.ServiceUrl);
    m_ui->edCaFile->setText(network.CaFile);
    m_ui->edClientName->setText(network.ClientName);
    m_ui->edClientMail->setText(network.ClientMail);
}

net::NetworkSettings ConfigDialog::network() const
{
    net::NetworkSettings n;
    n.OperatorUrl = m_ui->edOperatorUrl->text().trimmed();
    n.ProxyListUrl = m_ui->edProxyListUrl->text().trimmed();
    n.ServiceUrl = m_ui->edServiceUrl->text().trimmed();
    n.CaFile = m_ui->edCaFile->text().trimmed();
    n.ClientName = m_ui->edClientName->text().trimmed();
    n.ClientMail = m_ui->edClientMail->text().trimmed();
    return n;
}

void ConfigDialog::accept()
{
    // An address the requests could not use is refused here, where it can still be mended.
    for (QLineEdit* edit : {m_ui->edOperatorUrl, m_ui->edProxyListUrl, m_ui->edServiceUrl}) {
        if (net::IsValidServiceAddress(edit->text()))
            continue;
        m_ui->pcConfig->setCurrentWidget(m_ui->tsNetwork);
        edit->setFocus();
        showError(tr("Некорректный адрес: \"%1\"\n\nУкажите адрес вида https://имя-сервера[:порт] или оставьте поле "
                     "пустым.")
                      .arg(edit->text().trimmed()));
        return;
    }
    // The libraries echo the name and the address in their replies, whose markup they must not
    // break; the address is what makes entries the user's own.
    const QString name = m_ui->edClientName->text().trimmed();
    const QString mail = m_ui->edClientMail->text().trimmed();
    static const QRegularExpression mailForm(QStringLiteral("^[^\\s@<>]+@[^\\s@<>]+$"));
    QLineEdit* bad = nullptr;
    if (name.contains(u'<') || name.contains(u'>'))
        bad = m_ui->edClientName;
    else if (!mail.isEmpty() && !mailForm.match(mail).hasMatch())
        bad = m_ui->edClientMail;
    if (bad) {
        m_ui->pcConfig->setCurrentWidget(m_ui->tsNetwork);
        bad->setFocus();
        showError(bad == m_ui->edClientName ? tr("Имя не может содержать символы < и >.")
                                            : tr("Некорректный адрес электронной почты: \"%1\"").arg(mail));
        return;
    }
    QDialog::accept();
}

void ConfigDialog::pickCaFile()
{
    const QString file = QFileDialog::getOpenFileName(this, tr("Файл сертификатов"), m_ui->edCaFile->text(),
                                                      tr("Сертификаты (*.pem *.crt);;Все файлы (*)"));
    if (!file.isEmpty())
        m_ui->edCaFile->setText(QDir::toNativeSeparators(file));
}

ConfigDialog::~ConfigDialog() = default;

core::TConfigData ConfigDialog::result() const
{
    const QLocale loc = numberLocale();
    core::TConfigData r = m_config;
    r.MatrixCols = m_ui->edMatrixCols->value();
    r.ChannelSize = m_ui->edChannelSize->value();
    r.Cost = toMoney(m_ui->edCost->value());

    const auto coefficient = [&loc](const QLineEdit* edit) -> long double {
        bool ok = false;
        const double v = loc.toDouble(edit->text().trimmed(), &ok);
        return ok ? v : 0;
    };
    r.CDL.Count = coefficient(m_ui->edCdlCount);
    r.CDL.Deviation = coefficient(m_ui->edCdlDeviation);
    r.CDL.Level = coefficient(m_ui->edCdlLevel);
    r.CDL.UsePercents = m_ui->cbUsePercents->isChecked();
    r.CDL.UseAbsValues = m_ui->cbUseAbsValues->isChecked();

    r.Profits.clear();
    for (int k = 0; k < ProfitRows; ++k) {
        const QTableWidgetItem* item = m_ui->sgProfits->item(k, ProfitSumColumn);
        bool ok = false;
        const double v = item ? loc.toDouble(item->text().trimmed(), &ok) : 0;
        r.Profits.push_back({static_cast<std::uint8_t>(k), ok ? toMoney(v) : 0});
    }

    r.MatrixSegments = currentSegments();
    return r;
}

void ConfigDialog::showError(const QString& text)
{
    QMessageBox::critical(this, tr("Ошибка"), text);
}

QLocale ConfigDialog::numberLocale() const
{
    // Group separators cannot be typed into the prize cells, so they are never shown either.
    QLocale loc = locale();
    loc.setNumberOptions(QLocale::OmitGroupSeparator);
    return loc;
}

void ConfigDialog::fillProfits(const std::vector<core::TProfitRec>& profits)
{
    std::int64_t sums[ProfitRows] = {};
    // A later row for the same count overrides an earlier one, as when the table is read in order.
    for (const core::TProfitRec& p : profits) {
        if (p.Overlap < ProfitRows)
            sums[p.Overlap] = p.Profit;
    }

    const QLocale loc = numberLocale();
    for (int k = 0; k < ProfitRows; ++k) {
        auto* count = new QTableWidgetItem(QString::number(k));
        count->setFlags(Qt::ItemIsEnabled);
        count->setTextAlignment(Qt::AlignCenter);
        m_ui->sgProfits->setItem(k, ProfitCountColumn, count);

        auto* sum = new QTableWidgetItem(loc.toString(static_cast<double>(sums[k]) / MoneyScale, 'f', 2));
        sum->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_ui->sgProfits->setItem(k, ProfitSumColumn, sum);
    }
}

void ConfigDialog::layoutSegments(int cols, const core::TSegmentMap& segments)
{
    const QScopedValueRollback filling(m_filling, true);
    const int rows = core::GroupCount(1, core::NumberCount, cols);
    QTableWidget* grid = m_ui->sgSegments;
    grid->clearContents();
    grid->setColumnCount(cols);
    grid->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            const int n = row * cols + col + 1;
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (n <= core::NumberCount) {
                item->setText(QString::number(segments[n - 1]));
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
            } else {
                // The tail of the last row holds no number.
                item->setFlags(Qt::NoItemFlags);
            }
            grid->setItem(row, col, item);
        }
    }
    m_ui->edMatrixRows->setValue(rows);
}

core::TSegmentMap ConfigDialog::currentSegments() const
{
    core::TSegmentMap segments = core::defaultSegments();
    const QTableWidget* grid = m_ui->sgSegments;
    const int cols = grid->columnCount();
    if (cols <= 0)
        return segments;
    for (int n = 1; n <= core::NumberCount; ++n) {
        const QTableWidgetItem* item = grid->item((n - 1) / cols, (n - 1) % cols);
        const int digit = item ? digitOf(item->text()) : -1;
        if (digit >= 0)
            segments[n - 1] = static_cast<std::uint8_t>(digit);
    }
    return segments;
}

void ConfigDialog::matrixColsChanged(int cols)
{
    layoutSegments(cols, currentSegments());
}

void ConfigDialog::segmentChanged(QTableWidgetItem* item)
{
    if (m_filling)
        return;
    const QString text = item->text();
    const int digit = digitOf(text);
    if (digit >= 1 && digit <= 9)
        return;
    // The box comes first: while it is up the cell still holds the typed text, so the editor
    // committing again on focus loss changes nothing and raises no second box.
    showError(tr("Некорректное значение: %1!\n\nУкажите любое число от 1 до 9").arg(text));
    const QScopedValueRollback filling(m_filling, true);
    item->setText(QStringLiteral("1"));
}

} // namespace ui
