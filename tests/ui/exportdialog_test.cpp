// The export dialog and the field dialog, the progress window, and the seven export actions of
// the main window with their captions and enabling rules.

#include "FakeUserIo.h"
#include "TestPaths.h"
#include "app/ArchiveController.h"
#include "app/ExportController.h"
#include "app/Languages.h"
#include "app/Session.h"
#include "core/IniFile.h"
#include "ui/ExportDialog.h"
#include "ui/ExportFieldDialog.h"
#include "ui/MainWindow.h"
#include "ui/QtUserIo.h"
#include "ui/ViewExportSource.h"

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

xls::ExportDialogState makeState()
{
    xls::TableSource source(xls::SourceKind::ListView, QStringLiteral("FormMain"), QStringLiteral("lvCombs"),
                            {{QStringLiteral("№ п.п."), xls::AlignRight, 48},
                             {QStringLiteral("1"), xls::AlignCenter, 32},
                             {QStringLiteral("S"), xls::AlignCenter, 40}},
                            100, [](int row, int) { return QString::number(row); });
    xls::ExportDialogState state;
    state.Params = xls::DefaultParams(source, QStringLiteral("Комбинации"), QStringLiteral("Комбинации"));
    state.AllRows = 100;
    state.SelectedRows = 7;
    state.Section = xls::SectionName(source.ownerName(), source.controlName());
    return state;
}

QStringList physicalOrder(const xls::ExportDialogState& state)
{
    QStringList names;
    for (const xls::TExportField& f : state.Params.Fields)
        names << f.PhysicalName + (f.Checked ? QString() : QStringLiteral("-"));
    return names;
}

} // namespace

class ExportDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void showsTheParametersAndTheRowCounts()
    {
        ui::ExportDialog dialog(makeState(), m_dir->filePath(QStringLiteral("state.frm")));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Экспорт в Microsoft Excel"));
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("edTitle"))->text(), QStringLiteral("Комбинации"));
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("edPageName"))->text(), QStringLiteral("Комбинации"));
        auto* mode = dialog.findChild<QComboBox*>(QStringLiteral("edSendMode"));
        auto* count = dialog.findChild<QLineEdit*>(QStringLiteral("edRecNum"));
        QCOMPARE(count->text(), QStringLiteral("100"));
        mode->setCurrentIndex(1);
        QCOMPARE(count->text(), QStringLiteral("7"));
        QCOMPARE(dialog.state().Params.Mode, xls::RowMode::Selected);
        auto* fields = dialog.findChild<QTreeWidget*>(QStringLiteral("lvFields"));
        QCOMPARE(fields->columnCount(), 4);
        QCOMPARE(fields->headerItem()->text(3), QStringLiteral("Физическое поле"));
        QCOMPARE(fields->topLevelItemCount(), 3);
        QCOMPARE(fields->topLevelItem(0)->text(1), QStringLiteral("по правому краю"));
        QCOMPARE(fields->topLevelItem(0)->text(2), QStringLiteral("6.00"));
        QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("btnParams"))->menu() != nullptr);
        // The field list starts wide enough for its captions and texts.
        for (int column = 0; column < 3; ++column)
            QVERIFY(fields->columnWidth(column) >= fields->header()->sectionSizeHint(column));
    }

    void aViewsSelectionIsItsRowsInOrderOnce()
    {
        QStandardItemModel model(200000, 3);
        QTableView view;
        view.setModel(&model);
        view.setSelectionBehavior(QAbstractItemView::SelectRows);
        view.setSelectionMode(QAbstractItemView::ExtendedSelection);
        const ui::ViewExportSource source(xls::SourceKind::ListView, QStringLiteral("lvCombs"), view, QString());
        QVERIFY(source.selection().Rows.isEmpty());
        QVERIFY(source.selection().MultiSelect);

        // Nothing selected: the current row stands for the selection.
        view.setCurrentIndex(model.index(5, 1));
        view.selectionModel()->clearSelection();
        QCOMPARE(source.selection().Rows, QList<int>{5});

        // Every row: one range of the whole list.
        view.selectAll();
        const QList<int> all = source.selection().Rows;
        QCOMPARE(all.size(), 200000);
        QCOMPARE(all.first(), 0);
        QCOMPARE(all.last(), 199999);

        // Ranges in any order, and single cells of one row, count each row once, in order.
        QItemSelectionModel& selection = *view.selectionModel();
        selection.clearSelection();
        selection.select(QItemSelection(model.index(10, 0), model.index(12, 2)), QItemSelectionModel::Select);
        selection.select(QItemSelection(model.index(3, 0), model.index(3, 2)), QItemSelectionModel::Select);
        selection.select(model.index(7, 0), QItemSelectionModel::Select);
        selection.select(model.index(7, 2), QItemSelectionModel::Select);
        QCOMPARE(source.selection().Rows, (QList<int>{3, 7, 10, 11, 12}));
    }

    void uncheckedFieldsGatherBelowAndMovesKeepThemThere()
    {
        ui::ExportDialog dialog(makeState(), QString());
        dialog.setChecked(0, false);
        QCOMPARE(physicalOrder(dialog.state()), (QStringList{QStringLiteral("1"), QStringLiteral("S"),
                                                             QStringLiteral("№ п.п.-")}));
        auto* fields = dialog.findChild<QTreeWidget*>(QStringLiteral("lvFields"));
        fields->setCurrentItem(fields->topLevelItem(0));
        dialog.moveCurrent(1);
        QCOMPARE(physicalOrder(dialog.state()), (QStringList{QStringLiteral("S"), QStringLiteral("1"),
                                                             QStringLiteral("№ п.п.-")}));
        // Moving the checked field below the unchecked one gathers it back above.
        dialog.moveCurrent(1);
        QCOMPARE(physicalOrder(dialog.state()), (QStringList{QStringLiteral("S"), QStringLiteral("1"),
                                                             QStringLiteral("№ п.п.-")}));
        // A click on the check box does the same, a turn later.
        fields->topLevelItem(2)->setCheckState(0, Qt::Checked);
        QTRY_COMPARE(physicalOrder(dialog.state()).last(), QStringLiteral("№ п.п."));
    }

    void parameterFilesRoundTrip()
    {
        const QString file = m_dir->filePath(QStringLiteral("p.exp"));
        {
            ui::ExportDialog dialog(makeState(), QString());
            dialog.findChild<QLineEdit*>(QStringLiteral("edTitle"))->setText(QStringLiteral("Из файла"));
            dialog.findChild<QComboBox*>(QStringLiteral("edOrientation"))->setCurrentIndex(2);
            dialog.setChecked(1, false);
            QVERIFY(dialog.saveParamsFile(file));
        }
        core::IniFile ini(file);
        QVERIFY(ini.load());
        QVERIFY(!ini.hasKey(QStringLiteral("EXPORT_EXCEL_FORMMAIN.LVCOMBS"), QStringLiteral("RestoreParameters")));
        ui::ExportDialog dialog(makeState(), QString());
        QVERIFY(dialog.loadParamsFile(file));
        QCOMPARE(dialog.state().Params.Title, QStringLiteral("Из файла"));
        QCOMPARE(dialog.state().Params.PageOrientation, 2);
        QCOMPARE(physicalOrder(dialog.state()).last(), QStringLiteral("1-"));
    }

    void fieldDialogStoresCaptionAlignmentAndWidth()
    {
        xls::TExportField field;
        field.Caption = QStringLiteral("Сумма");
        field.WidthText = QStringLiteral("8.00");
        field.PhysicalName = QStringLiteral("S");
        ui::ExportFieldDialog dialog(field);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Параметры поля"));
        dialog.findChild<QLineEdit*>(QStringLiteral("edCaption"))->setText(QStringLiteral("Итог"));
        dialog.findChild<QComboBox*>(QStringLiteral("edAlign"))->setCurrentIndex(2);
        dialog.findChild<QDoubleSpinBox*>(QStringLiteral("edWidth"))->setValue(300);
        const xls::TExportField edited = dialog.field();
        QCOMPARE(edited.Caption, QStringLiteral("Итог"));
        QCOMPARE(edited.Align, 2);
        QCOMPARE(edited.WidthText, QStringLiteral("300.00"));
        QCOMPARE(edited.PhysicalName, QStringLiteral("S"));
    }

    void progressWindowShowsTextAndGauge()
    {
        ui::QtUserIo io;
        io.progressWindowShow(QStringLiteral("Вызов Microsoft Excel..."), 10);
        QWidget* window = io.gaugeWindow();
        QVERIFY(window);
        QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
        io.progressWindowUpdate(QStringLiteral("Создание листа..."), 4);
        QCOMPARE(window->findChild<QProgressBar*>()->value(), 4);
        QCOMPARE(window->findChild<QLabel*>()->text(), QStringLiteral("Создание листа..."));
        io.progressWindowClose();
        QVERIFY(!io.gaugeWindow());
    }

    void theSevenActionsFollowTheirLists()
    {
        const QString dir = m_dir->path();
        QFile::copy(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), m_dir->filePath(QStringLiteral("Vertoma_5x54.ldr")));
        QFile::setPermissions(m_dir->filePath(QStringLiteral("Vertoma_5x54.ldr")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        testsupport::FakeUserIo io;
        app::LanguageSwitcher languages;
        app::Session session(io, core::DataFolder(dir, QStringLiteral("Vertoma_5x54"), dir));
        session.create();
        ui::MainWindow window(session, languages);
        window.initialise();
        const std::pair<const char*, QString> captions[] = {
            {"DrawsXlsExport", QStringLiteral("Экспорт в Microsoft Excel")},
            {"CombsXlsExport", QStringLiteral("Экспорт в Microsoft Excel")},
            {"DrawsStatExportToExcel", QStringLiteral("Экспорт статистики в Microsoft Excel")},
            {"RatingsXlsExport", QStringLiteral("Экспорт рейтинга в Microsoft Excel")},
            {"CardXlsExport", QStringLiteral("Экспорт карты тиражей в Microsoft Excel")},
            {"LayoutXlsExport", QStringLiteral("Экспорт схемы в Microsoft Excel")},
            {"StakesXlsExport", QStringLiteral("Экспорт ставок в Microsoft Excel")},
        };
        for (const auto& [name, caption] : captions) {
            QAction* a = window.action(QString::fromLatin1(name));
            QVERIFY2(a, name);
            QCOMPARE(a->text(), caption);
        }
        window.updateActionStates();
        QVERIFY(window.action(QStringLiteral("DrawsXlsExport"))->isEnabled());
        // No stakes and no rating rows yet: nothing to export there.
        QVERIFY(!window.action(QStringLiteral("RatingsXlsExport"))->isEnabled());

        // The draws' export opens the dialog on the page's caption; cancelled, nothing is written.
        io.exportEdits.enqueue(std::nullopt);
        window.action(QStringLiteral("DrawsXlsExport"))->trigger();
        QCOMPARE(io.exportStarts.size(), 1);
        QCOMPARE(io.exportStarts.first().Params.Title, QStringLiteral("Архив тиражей"));
        QCOMPARE(io.exportStarts.first().Params.SheetName, QStringLiteral("Архив тиражей"));
        QCOMPARE(io.exportStarts.first().AllRows, int(session.archive().draws().size()));
        QCOMPARE(io.exportStarts.first().Section, QStringLiteral("EXPORT_EXCEL_FORMMAIN.LVDRAWS"));

        // Every list exports under its page's caption, the one the tool's export takes too.
        const std::pair<const char*, app::ExportList> pages[] = {
            {"tsDraws", app::ExportList::Draws},   {"tsCombs", app::ExportList::Combs},
            {"tsStat", app::ExportList::Stat},     {"tsRatings", app::ExportList::Ratings},
            {"tsCard", app::ExportList::Card},     {"tsLayout", app::ExportList::Layout},
            {"tsStakes", app::ExportList::Stakes},
        };
        for (const auto& [name, list] : pages) {
            QWidget* page = window.findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY2(page, name);
            // A tab's page sits in the tab widget's stack.
            auto* tabs = qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget());
            QVERIFY2(tabs, name);
            QCOMPARE(tabs->tabText(tabs->indexOf(page)).remove(u'&'), app::ExportController::listCaption(list));
        }
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(ExportDialogTest)
#include "exportdialog_test.moc"
