#pragma once

// Lays its widgets out in rows, left to right, starting a new row where the next one does not fit.
// The height follows the width, so a box layout above gives it as many rows as it needs.

#include <QLayout>
#include <QList>

namespace ui {

class FlowLayout : public QLayout
{
public:
    explicit FlowLayout(QWidget* parent = nullptr, int spacing = 2);
    ~FlowLayout() override;

    void insertWidget(int index, QWidget* widget);

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items in rect (only measures when apply is false); returns the height used.
    int arrange(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> m_items;
};

} // namespace ui
