#pragma once

// "Параметры proxy-сервера": no proxy, an automatic search, or a manual server with port, user
// and password (shown in clear). The fields are enabled only for the manual choice.

#include "core/GameTypes.h"

#include <QDialog>

#include <memory>

namespace Ui {
class ProxyDialog;
}

namespace ui {

class ProxyDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ProxyDialog(const core::TProxy& proxy, QWidget* parent = nullptr);
    ~ProxyDialog() override;

    // The chosen mode (0 none, 1 automatic, 2 manual) and the four fields as they stand.
    core::TProxy result() const;

private:
    void updateFields();

    std::unique_ptr<Ui::ProxyDialog> m_ui;
};

} // namespace ui
