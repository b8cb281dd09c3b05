#pragma once

// The draw dialog: number, the five numbers with the key number as text, date and time.

#include "core/GameTypes.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class DrawDialog;
}

namespace ui {

class DrawDialog : public QDialog
{
    Q_OBJECT

public:
    DrawDialog(const core::TDrawRec& rec, const QString& title, bool showDate, QWidget* parent = nullptr);
    ~DrawDialog() override;

    // The record with what was typed; valid after the dialog was accepted.
    const core::TDrawRec& record() const { return m_rec; }

    // Shows the refusal; tests replace it so no modal box blocks them.
    std::function<void(const QString&)> showError;

    void accept() override;

private:
    std::unique_ptr<Ui::DrawDialog> m_ui;
    core::TDrawRec m_rec;
    bool m_showDate;
};

} // namespace ui
