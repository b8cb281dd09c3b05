#pragma once

// The system parameters dialog: number matrix and its segments, channel size, stake price,
// prize table and the coefficients of the "Вес" column on the first page, the addresses of the
// network services on the page "Сеть". It edits copies; the caller takes result() and
// network() after OK.

#include "core/GameTypes.h"
#include "net/NetSettings.h"

#include <QDialog>
#include <QLocale>

#include <memory>

class QTableWidgetItem;

namespace Ui {
class ConfigDialog;
}

namespace ui {

class ConfigDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ConfigDialog(const core::TConfigData& config, QWidget* parent = nullptr);
    ~ConfigDialog() override;

    core::TConfigData result() const;
    void setNetwork(const net::NetworkSettings& network);
    net::NetworkSettings network() const;

    void accept() override;

protected:
    // Every error box of the dialog goes through here, so a test can catch the text instead of
    // waiting on a modal box.
    virtual void showError(const QString& text);

private:
    QLocale numberLocale() const;
    void fillProfits(const std::vector<core::TProfitRec>& profits);
    void layoutSegments(int cols, const core::TSegmentMap& segments);
    core::TSegmentMap currentSegments() const;
    void matrixColsChanged(int cols);
    void segmentChanged(QTableWidgetItem* item);
    void pickCaFile();

    std::unique_ptr<Ui::ConfigDialog> m_ui;
    core::TConfigData m_config; // what the dialog was opened with; keeps the fields it does not edit
    bool m_filling = false;     // the grid is being refilled by the dialog itself, not typed into
};

} // namespace ui
