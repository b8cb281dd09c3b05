#pragma once

// The number card as a virtual model: one row per draw of the archive, newest first, the draw
// number in the row header; columns 1..54 and "E" for the key number.

#include <QAbstractTableModel>

#include <vector>

namespace app {
class Session;
}

namespace ui {

class CardModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kColumns = 55; // numbers 1..54, then the key number

    explicit CardModel(app::Session& session, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The archive changed: rows are produced anew.
    void reload();
    // Only the colours changed.
    void repaint();
    const std::vector<std::uint64_t>& masks() const { return m_masks; }

private:
    app::Session& m_session;
    std::vector<std::uint64_t> m_masks;
};

} // namespace ui
