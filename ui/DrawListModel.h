#pragma once

// The draw list: a virtual model over the session's archive, newest draw first.

#include <QAbstractTableModel>

namespace app {
class Session;
}

namespace ui {

class DrawListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit DrawListModel(app::Session& session, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The archive changed size or content: rows are produced anew.
    void reload();
    // Only the look changed (offset row, colours, sorted numbers).
    void repaint();

private:
    app::Session& m_session;
    int m_rows = 0;
};

// 0x00BBGGRR, the colour order of the stored settings, to a Qt colour.
QColor ColorFromBgr(std::uint32_t bgr);

} // namespace ui
