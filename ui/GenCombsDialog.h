#pragma once

// "Создание нового списка комбинаций": the generation mode, its numbers or file, and whether the
// choice becomes the stored default.

#include "core/GameTypes.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;

namespace ui {

class GenCombsDialog : public QDialog
{
    Q_OBJECT

public:
    GenCombsDialog(const core::TGenSettings& settings, QWidget* parent = nullptr);

    core::TGenSettings settings() const;
    bool saveAsDefault() const;

    QComboBox* modeBox() const { return m_mode; }
    QLineEdit* paramEdit() const { return m_param; }
    QToolButton* browseButton() const { return m_browse; }

private:
    void updateEnabled();
    void browse();

    QComboBox* m_mode = nullptr;
    QLineEdit* m_param = nullptr;
    QToolButton* m_browse = nullptr;
    QCheckBox* m_save = nullptr;
};

} // namespace ui
