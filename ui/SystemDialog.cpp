#include "ui/SystemDialog.h"

#include "app/Services.h"
#include "core/Cp1251.h"
#include "online/Conventions.h"
#include "stakes/SystemGuarantee.h"

#include "ui_SystemDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSaveFile>
#include <QUrl>

namespace ui {

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

// Non-numbers count as 0, as the fields are read.
int number(const QString& text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? n : 0;
}

// Walking every draw of a big system against many lines takes a while; past this many line
// tests the dialog does not wait for it.
constexpr double kGuaranteeBudget = 4e9;

} // namespace

SystemDialog::SystemDialog(const stakes::tSystemData& system, bool editable, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::SystemDialog>()), m_system(system), m_editable(editable)
{
    m_ui->setupUi(this);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &SystemDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &SystemDialog::reject);
    showError = [this](const QString& text) { QMessageBox::critical(this, tr("Ошибка"), text); };
    openUrl = [this](const QString& url) {
        if (!QDesktopServices::openUrl(QUrl::fromUserInput(url)))
            showError(app::Services::linkFailureText(url));
    };
    pickOpenFile = [this] {
        return QFileDialog::getOpenFileName(this, QString(), QString(), tr("Текстовые файлы (*.txt);;Все файлы (*)"));
    };
    pickSaveFile = [this] {
        return QFileDialog::getSaveFileName(this, QString(), QString(), tr("Текстовые файлы (*.txt);;Все файлы (*)"));
    };

    m_ui->edTitle->setText(system.title);
    m_ui->edNums->setText(QString::number(system.nums));
    m_ui->edCLen->setText(QStringLiteral("5"));
    m_ui->edOlap->setText(QString::number(system.olap));
    m_ui->edCSize->setText(QString::number(system.csize));
    m_ui->edDescr->setPlainText(system.descr);
    m_ui->edAuthor->setText(system.author);
    m_ui->edURL->setText(system.url);
    m_ui->edCreated->setText(online::TimeText(system.created));
    m_ui->edDownloads->setText(QString::number(system.downloads));
    m_ui->edLastDownload->setText(online::TimeText(system.last_download));
    m_ui->edCombs->setPlainText(system.clist);
    m_ui->btnURL->setEnabled(!system.url.isEmpty());
    connect(m_ui->edURL, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_ui->btnURL->setEnabled(!text.isEmpty()); });
    connect(m_ui->btnURL, &QToolButton::clicked, this, [this] { openUrl(m_ui->edURL->text()); });

    if (!editable) {
        for (QLineEdit* edit : findChildren<QLineEdit*>())
            edit->setReadOnly(true);
        m_ui->edDescr->setReadOnly(true);
        m_ui->edCombs->setReadOnly(true);
        m_ui->buttonBox->button(QDialogButtonBox::Ok)->hide();
        QPushButton* cancel = m_ui->buttonBox->button(QDialogButtonBox::Cancel);
        cancel->setToolTip(tr("Закрыть окно"));
        cancel->setDefault(true);
        cancel->setFocus();
    } else {
        for (QLineEdit* edit : {m_ui->edNums, m_ui->edCLen, m_ui->edOlap})
            edit->installEventFilter(this);
        m_ui->edCombs->installEventFilter(this);
    }
    buildCombsMenu();
    updateGuarantee();
}

SystemDialog::~SystemDialog() = default;

bool SystemDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->edCombs && event->type() == QEvent::FocusOut) {
        combsCheck();
        return false;
    }
    if (event->type() == QEvent::KeyPress && watched != m_ui->edCombs) {
        // The number fields take digits, Enter and Escape; other characters are dropped.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (!text.isEmpty() && text.at(0).isPrint() && !text.at(0).isDigit()) {
            QApplication::beep();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool SystemDialog::combsCheck()
{
    QString error;
    const std::optional<stakes::CleanedSystemText> cleaned =
        stakes::CleanSystemText(m_ui->edCombs->toPlainText(), &error);
    if (!cleaned) {
        showError(error);
        return false;
    }
    if (cleaned->Text != m_ui->edCombs->toPlainText())
        m_ui->edCombs->setPlainText(cleaned->Text);
    m_ui->edNums->setText(QString::number(cleaned->Nums));
    m_ui->edCSize->setText(QString::number(cleaned->Count));
    updateGuarantee();
    return true;
}

QString SystemDialog::guaranteeText() const
{
    return m_ui->lblGuarantee->text();
}

void SystemDialog::updateGuarantee()
{
    const int nums = number(m_ui->edNums->text());
    std::vector<stakes::SystemLine> lines;
    QString error;
    if (nums < stakes::SystemNumsMin || nums > stakes::SystemNumsMax ||
        !stakes::ParseSystemLines(m_ui->edCombs->toPlainText(), nums, lines, &error) || lines.empty()) {
        m_ui->lblGuarantee->setText(tr("гарантия: -"));
        return;
    }
    double draws = 1;
    for (int k = 0; k < 5; ++k)
        draws = draws * (nums - k) / (k + 1);
    if (draws * double((lines.size() + 31) / 32) * 32 > kGuaranteeBudget) {
        m_ui->lblGuarantee->setText(tr("гарантия: не вычислялась (слишком много комбинаций)"));
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int claimed = number(m_ui->edOlap->text());
    const stakes::SystemGuaranteeResult g = stakes::SystemGuarantee(lines, nums, claimed);
    QApplication::restoreOverrideCursor();
    QString text = tr("гарантия: %1 из 5").arg(g.Guarantee);
    text += tr("; заявлен блок %1: ").arg(claimed);
    text += g.Misses == 0 ? tr("выполняется для всех %1 тиражей").arg(g.Draws)
                          : tr("не выполняется для %1 из %2 тиражей").arg(g.Misses).arg(g.Draws);
    m_ui->lblGuarantee->setText(text);
}

void SystemDialog::buildCombsMenu()
{
    m_combsMenu = new QMenu(this);
    m_combsMenu->setObjectName(QStringLiteral("pmCombs"));
    QAction* copy = m_combsMenu->addAction(tr("Копировать в буфер обмена"));
    copy->setObjectName(QStringLiteral("CombsCopy"));
    copy->setStatusTip(tr("Копировать в буфер обмена Windows"));
    connect(copy, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setText(m_ui->edCombs->toPlainText()); });
    QAction* paste = m_combsMenu->addAction(tr("Вставить из буфера обмена"));
    paste->setObjectName(QStringLiteral("CombsPaste"));
    paste->setStatusTip(tr("Вставить из буфера обмена Windows"));
    connect(paste, &QAction::triggered, this, [this] {
        m_ui->edCombs->setPlainText(QGuiApplication::clipboard()->text());
        combsCheck();
    });
    QAction* all = m_combsMenu->addAction(tr("Выделить все"));
    all->setObjectName(QStringLiteral("CombsSelectAll"));
    all->setStatusTip(tr("Выделить все комбинации"));
    connect(all, &QAction::triggered, m_ui->edCombs, &QPlainTextEdit::selectAll);
    m_combsMenu->addSeparator();
    QAction* load = m_combsMenu->addAction(tr("Загрузить из файла"));
    load->setObjectName(QStringLiteral("CombsLoad"));
    load->setStatusTip(tr("Загрузить из текстового файла"));
    connect(load, &QAction::triggered, this, &SystemDialog::loadFromFile);
    QAction* save = m_combsMenu->addAction(tr("Сохранить в файле"));
    save->setObjectName(QStringLiteral("CombsSave"));
    save->setStatusTip(tr("Сохранить в текстовом файле"));
    connect(save, &QAction::triggered, this, &SystemDialog::saveToFile);
    for (QAction* a : m_combsMenu->actions())
        a->setToolTip(a->statusTip());
    m_combsMenu->setToolTipsVisible(true);
    connect(m_combsMenu, &QMenu::aboutToShow, this, &SystemDialog::updateCombsMenu);
    connect(m_ui->edCombs, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_combsMenu->popup(m_ui->edCombs->viewport()->mapToGlobal(at)); });
    updateCombsMenu();
}

void SystemDialog::updateCombsMenu()
{
    const auto named = [this](const char* name) { return m_combsMenu->findChild<QAction*>(QString::fromLatin1(name)); };
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    named("CombsCopy")->setEnabled(m_ui->edCombs->textCursor().hasSelection());
    named("CombsPaste")->setEnabled(m_editable && clip && clip->hasText());
    named("CombsLoad")->setEnabled(m_editable);
}

void SystemDialog::loadFromFile()
{
    const QString path = pickOpenFile();
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showError(tr("Ошибка чтения файла \"%1\"!").arg(path) + QStringLiteral("\n\n") + file.errorString());
        return;
    }
    const QByteArray bytes = file.read(qint64(16) << 20);
    m_ui->edCombs->setPlainText(cp1251::decode(bytes));
    combsCheck();
}

void SystemDialog::saveToFile()
{
    const QString path = pickSaveFile();
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    QString text = m_ui->edCombs->toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    const QByteArray bytes = cp1251::encode(text);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        showError(tr("Ошибка записи файла \"%1\"!").arg(path) + QStringLiteral("\n\n") + file.errorString());
}

void SystemDialog::accept()
{
    if (!m_editable)
        return;
    const auto refuse = [this](QWidget* field, const QString& text) {
        showError(text);
        field->setFocus();
    };
    if (m_ui->edTitle->text().trimmed().isEmpty())
        return refuse(m_ui->edTitle, tr("Название системы должно быть указано обязательно!"));
    const int nums = number(m_ui->edNums->text());
    if (nums < stakes::SystemNumsMin || nums > stakes::SystemNumsMax)
        return refuse(m_ui->edNums, tr("Указано недопустмое количество используемых чисел!"));
    const int olap = number(m_ui->edOlap->text());
    if (olap < 0 || olap > stakes::SystemOlapMax)
        return refuse(m_ui->edOlap, tr("Указан недопустмый размер блока!"));
    if (m_ui->edAuthor->text().trimmed().isEmpty())
        return refuse(m_ui->edAuthor, tr("Имя автора должно быть указано обязательно!"));
    if (m_ui->edDescr->toPlainText().trimmed().isEmpty())
        return refuse(m_ui->edDescr, tr("Описание системы должно быть указано обязательно!"));
    if (m_ui->edCombs->toPlainText().trimmed().isEmpty())
        return refuse(m_ui->edCombs, tr("Содержимое системы должно быть указано обязательно!"));
    // Lines over more positions than the system has numbers could never be played.
    std::vector<stakes::SystemLine> lines;
    QString error;
    if (!stakes::ParseSystemLines(m_ui->edCombs->toPlainText(), nums, lines, &error))
        return refuse(m_ui->edNums, tr("Комбинации системы не соответствуют количеству используемых чисел!") +
                                        QStringLiteral("\n\n") + error);
    QDialog::accept();
}

stakes::tSystemData SystemDialog::edited() const
{
    stakes::tSystemData r = m_system;
    r.nums = number(m_ui->edNums->text());
    r.olap = number(m_ui->edOlap->text());
    r.csize = number(m_ui->edCSize->text());
    r.title = m_ui->edTitle->text();
    r.author = m_ui->edAuthor->text();
    r.descr = m_ui->edDescr->toPlainText();
    r.url = m_ui->edURL->text();
    const QString created = m_ui->edCreated->text().trimmed();
    r.created = created.isEmpty() ? QDateTime::currentDateTime() : QDateTime::fromString(created, kTimeFormat);
    if (!r.created.isValid())
        r.created = QDateTime::currentDateTime();
    r.downloads = number(m_ui->edDownloads->text());
    const QString last = m_ui->edLastDownload->text().trimmed();
    r.last_download = last.isEmpty() ? QDateTime() : QDateTime::fromString(last, kTimeFormat);
    r.clist = m_ui->edCombs->toPlainText();
    return r;
}

} // namespace ui
