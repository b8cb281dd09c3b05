#include "ui/FiltersManagerDialog.h"

#include "app/UserIo.h"
#include "ui/FilterInfoWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <map>

namespace ui {

namespace {

// A small check box drawn by the current style: the mark of a favourite method.
QIcon tickIcon(const QWidget& widget, bool ticked)
{
    const int size = 16;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QStyleOptionButton option;
    option.initFrom(&widget);
    option.rect = QRect(1, 1, size - 2, size - 2);
    option.state = QStyle::State_Enabled | (ticked ? QStyle::State_On : QStyle::State_Off);
    widget.style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, &widget);
    painter.end();
    return QIcon(pixmap);
}

} // namespace

FiltersManagerDialog::FiltersManagerDialog(const stats::TStatList& list, app::UserIo& io,
                                           const core::DataFolder& folder, const QString& helpFile, QWidget* parent)
    : QDialog(parent), m_list(list), m_io(io), m_folder(folder), m_helpFile(helpFile), m_tree(new QTreeWidget(this)),
      m_count(new QLabel(this)), m_sortOnName(new QCheckBox(tr("Сортировать списки по названию метода"), this)),
      m_showGroupName(new QCheckBox(tr("Отображать идентификатор группы { xxx } перед названием метода"), this)),
      m_showFlags(new QCheckBox(tr("Отображать особенности метода [ YYY ] после названия метода"), this))
{
    setObjectName(QStringLiteral("TFormFiltersManager"));
    setWindowTitle(tr("Менеджер избранных методов расчета статистики"));
    setSizeGripEnabled(true);
    resize(760, 600);
    m_tickOn = tickIcon(*this, true);
    m_tickOff = tickIcon(*this, false);

    askName = [this](const QString& current) -> std::optional<QString> {
        bool ok = false;
        const QString text = QInputDialog::getText(this, tr("Переименование"), tr("Введите наименование фильтра:"),
                                                   QLineEdit::Normal, current, &ok);
        if (!ok)
            return std::nullopt;
        return text;
    };
    showInfo = [this](int method) { ShowFilterInfo(this, m_list, method, m_helpFile, m_folder.stateFile()); };

    m_tree->setObjectName(QStringLiteral("tvFilters"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setExpandsOnDoubleClick(false);
    m_tree->setUniformRowHeights(true);
    auto* label = new QLabel(tr("Отметьте методы расчета статистики, которые Вы хотите использовать:"), this);
    label->setBuddy(m_tree);
    m_count->setObjectName(QStringLiteral("lblCount"));

    m_sortOnName->setObjectName(QStringLiteral("cbSortOnName"));
    m_showGroupName->setObjectName(QStringLiteral("cbShowGroupName"));
    m_showFlags->setObjectName(QStringLiteral("cbShowFlags"));
    auto* options = new QGroupBox(tr(" Параметры вывода наименований в списках методов расчета статистики "), this);
    options->setObjectName(QStringLiteral("gbOptions"));
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(m_sortOnName);
    optionsLayout->addWidget(m_showGroupName);
    optionsLayout->addWidget(m_showFlags);
    m_sortOnName->setChecked(m_list.Ordered);
    m_showGroupName->setChecked(m_list.ShowGroupName);
    m_showFlags->setChecked(m_list.ShowMethodFlags);

    connect(addAction(QStringLiteral("CheckNone"), tr("Сбросить все"), tr("Снять отметки со всех фильтров")),
            &QAction::triggered, this, [this] { tickAll(false); });
    connect(addAction(QStringLiteral("CheckAll"), tr("Выбрать все"), tr("Поставить отметки у всех фильтров")),
            &QAction::triggered, this, [this] { tickAll(true); });
    connect(addAction(QStringLiteral("GroupNone"), tr("Сбросить группу"), tr("Снять отметки со всех фильтров группы")),
            &QAction::triggered, this, [this] { tickGroup(false); });
    connect(addAction(QStringLiteral("GroupAll"), tr("Выбрать группу"), tr("Поставить отметки у всех фильтров группы")),
            &QAction::triggered, this, [this] { tickGroup(true); });
    connect(addAction(QStringLiteral("Rename"), tr("Переименовать"), tr("Переименовать фильтр")), &QAction::triggered,
            this, &FiltersManagerDialog::renameSelected);
    connect(addAction(QStringLiteral("ResetName"), tr("Вернуть"), tr("Вернуть наименование \"по умолчанию\"")),
            &QAction::triggered, this, &FiltersManagerDialog::resetSelectedName);
    connect(addAction(QStringLiteral("Info"), tr("Описание"),
                      tr("Справочная информация о выделенном методе расчета статистики")),
            &QAction::triggered, this, [this] {
                if (QTreeWidgetItem* node = selectedMethodNode())
                    showInfo(node->data(0, MethodRole).toInt());
            });
    connect(addAction(QStringLiteral("NamesImport"), tr("Импорт названий"), tr("Импорт названий фильтров из файла")),
            &QAction::triggered, this, &FiltersManagerDialog::namesImport);
    connect(addAction(QStringLiteral("NamesExport"), tr("Экспорт названий"), tr("Экспорт названий фильтров в файл")),
            &QAction::triggered, this, &FiltersManagerDialog::namesExport);

    // Buttons beside the tree, in groups; the same commands in the tree's popup menu.
    auto* buttons = new QVBoxLayout;
    const QList<QStringList> groups{{QStringLiteral("CheckNone"), QStringLiteral("CheckAll")},
                                    {QStringLiteral("GroupNone"), QStringLiteral("GroupAll")},
                                    {QStringLiteral("Rename"), QStringLiteral("ResetName"), QStringLiteral("Info")},
                                    {QStringLiteral("NamesImport"), QStringLiteral("NamesExport")}};
    for (const QStringList& group : groups) {
        if (!m_tree->actions().isEmpty()) {
            buttons->addSpacing(10);
            auto* separator = new QAction(m_tree);
            separator->setSeparator(true);
            m_tree->addAction(separator);
        }
        for (const QString& name : group) {
            auto* button = new QToolButton(this);
            button->setObjectName(QStringLiteral("btn") + name);
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
            button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            button->setDefaultAction(action(name));
            buttons->addWidget(button);
            m_tree->addAction(action(name));
        }
    }
    buttons->addStretch(1);

    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* treeColumn = new QVBoxLayout;
    treeColumn->addWidget(label);
    treeColumn->addWidget(m_tree, 1);
    treeColumn->addWidget(m_count);
    auto* top = new QHBoxLayout;
    top->addLayout(treeColumn, 1);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(options);
    layout->addWidget(box);

    // Every press on a method node toggles it: the second press of a double click arrives as
    // the double click, so both count.
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { toggle(item); });
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { toggle(item); });
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &FiltersManagerDialog::updateActions);

    fillTree();
}

QAction* FiltersManagerDialog::addAction(const QString& name, const QString& caption, const QString& hint)
{
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    a->setToolTip(hint);
    a->setStatusTip(hint);
    m_actions.insert(name, a);
    return a;
}

bool FiltersManagerDialog::isTicked(const QTreeWidgetItem* item)
{
    return item && item->data(0, TickRole).toBool();
}

void FiltersManagerDialog::fillTree()
{
    m_tree->clear();
    const QIcon groupIcon = style()->standardIcon(QStyle::SP_DirIcon);
    // Group nodes appear in the order their first method needs them.
    std::map<int, QTreeWidgetItem*> groups;
    for (int i = 0; i < m_list.Count(); ++i) {
        const stats::TStatMethod& m = m_list.Items(i);
        if (!m.Class->IsAvailable())
            continue;
        QTreeWidgetItem*& group = groups[m.Class->Category];
        if (!group) {
            group = new QTreeWidgetItem(m_tree, {stats::TStatList::GetCategoryCaption(m.Class->Category)});
            group->setIcon(0, groupIcon);
            group->setData(0, MethodRole, -1);
        }
        auto* node = new QTreeWidgetItem(group, {m.GetCaptionText()});
        node->setData(0, MethodRole, i);
        setTicked(node, m.Favorite);
    }
    m_tree->expandAll();
    m_count->setText(tr("всего %1 методов").arg(m_list.Count()));
    updateActions();
}

void FiltersManagerDialog::updateActions()
{
    const bool idle = !m_busy;
    const bool hasNodes = m_tree->topLevelItemCount() > 0;
    const bool selected = !m_tree->selectedItems().isEmpty();
    const bool method = selectedMethodNode() != nullptr;
    action(QStringLiteral("CheckNone"))->setEnabled(idle && hasNodes);
    action(QStringLiteral("CheckAll"))->setEnabled(idle && hasNodes);
    action(QStringLiteral("GroupNone"))->setEnabled(idle && selected);
    action(QStringLiteral("GroupAll"))->setEnabled(idle && selected);
    action(QStringLiteral("Rename"))->setEnabled(idle && method);
    action(QStringLiteral("ResetName"))->setEnabled(idle && method);
    action(QStringLiteral("Info"))->setEnabled(idle && method);
    action(QStringLiteral("NamesImport"))->setEnabled(idle);
    action(QStringLiteral("NamesExport"))->setEnabled(idle);
}

void FiltersManagerDialog::setTicked(QTreeWidgetItem* item, bool ticked)
{
    item->setData(0, TickRole, ticked);
    item->setIcon(0, ticked ? m_tickOn : m_tickOff);
}

QList<QTreeWidgetItem*> FiltersManagerDialog::methodNodes() const
{
    QList<QTreeWidgetItem*> nodes;
    for (int g = 0; g < m_tree->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = m_tree->topLevelItem(g);
        for (int c = 0; c < group->childCount(); ++c)
            nodes << group->child(c);
    }
    return nodes;
}

QTreeWidgetItem* FiltersManagerDialog::selectedMethodNode() const
{
    const QList<QTreeWidgetItem*> selected = m_tree->selectedItems();
    if (selected.isEmpty() || selected.first()->data(0, MethodRole).toInt() < 0)
        return nullptr;
    return selected.first();
}

void FiltersManagerDialog::tickAll(bool ticked)
{
    for (QTreeWidgetItem* node : methodNodes())
        setTicked(node, ticked);
}

void FiltersManagerDialog::tickGroup(bool ticked)
{
    const QList<QTreeWidgetItem*> selected = m_tree->selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem* group = selected.first()->parent() ? selected.first()->parent() : selected.first();
    for (int c = 0; c < group->childCount(); ++c)
        setTicked(group->child(c), ticked);
}

void FiltersManagerDialog::toggle(QTreeWidgetItem* item)
{
    if (m_busy || !item || item->data(0, MethodRole).toInt() < 0)
        return;
    setTicked(item, !isTicked(item));
}

QString FiltersManagerDialog::defaultCaption(int method) const
{
    stats::TStatMethod m = m_list.Items(method);
    m.UserName.clear();
    return m.GetCaptionText();
}

bool FiltersManagerDialog::isDefaultCaption(int method, const QString& text) const
{
    // The shredding methods show their formula in the caption; either form is the default.
    const stats::TStatMethod& m = m_list.Items(method);
    return text.compare(m.Class->GetCaptionFmt(m.Param), Qt::CaseInsensitive) == 0 ||
           text.compare(defaultCaption(method), Qt::CaseInsensitive) == 0;
}

void FiltersManagerDialog::applyTicks()
{
    for (QTreeWidgetItem* node : methodNodes())
        m_list.Items(node->data(0, MethodRole).toInt()).Favorite = isTicked(node);
}

void FiltersManagerDialog::applyNames()
{
    for (QTreeWidgetItem* node : methodNodes()) {
        const int method = node->data(0, MethodRole).toInt();
        const QString text = node->text(0);
        m_list.Items(method).UserName = isDefaultCaption(method, text) ? QString() : text;
    }
}

void FiltersManagerDialog::renameSelected()
{
    QTreeWidgetItem* node = selectedMethodNode();
    if (!node)
        return;
    const std::optional<QString> name = askName(node->text(0));
    if (!name)
        return;
    // An empty name would leave an empty line in every selector: it means the default.
    const QString text = name->trimmed();
    node->setText(0, text.isEmpty() ? defaultCaption(node->data(0, MethodRole).toInt()) : text);
}

void FiltersManagerDialog::resetSelectedName()
{
    if (QTreeWidgetItem* node = selectedMethodNode())
        node->setText(0, defaultCaption(node->data(0, MethodRole).toInt()));
}

void FiltersManagerDialog::namesImport()
{
    const QString file = m_io.pickOpenFile(tr("Наименования фильтров (*.flt)"));
    if (file.isEmpty())
        return;
    m_busy = true;
    updateActions();
    // The ticks set so far survive the rebuilt tree; the names come from the file.
    applyTicks();
    QString error;
    if (!m_list.LoadFilterNames(file, false, &error))
        m_io.showMessage(app::MessageKind::Error, error);
    m_busy = false;
    fillTree();
}

void FiltersManagerDialog::namesExport()
{
    const QString file = m_io.pickSaveFile(tr("Наименования фильтров (*.flt)"), QStringLiteral("flt"));
    if (file.isEmpty())
        return;
    m_busy = true;
    updateActions();
    applyNames();
    QString error;
    if (!m_list.SaveFilterNames(file, false, true, &error))
        m_io.showMessage(app::MessageKind::Error, error);
    // The list holds the stored names again; the tree keeps the edited ones until OK.
    if (!m_list.LoadFilterNames(m_folder.namesFile(), false, &error))
        m_io.showMessage(app::MessageKind::Error, error);
    m_busy = false;
    updateActions();
}

void FiltersManagerDialog::accept()
{
    applyTicks();
    applyNames();
    m_list.NormalizeFavorites();
    m_list.Ordered = m_sortOnName->isChecked();
    m_list.ShowGroupName = m_showGroupName->isChecked();
    m_list.ShowMethodFlags = m_showFlags->isChecked();
    QDialog::accept();
}

} // namespace ui
