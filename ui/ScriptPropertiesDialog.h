#pragma once

// "Свойства сценария": the title, author, language, visibility, application and description of
// a script of the online catalogue. Editable, OK runs the form's check (the title is checked on
// the host) and the dialog stays open, with the focus on the field at fault, until it passes;
// read-only, every field only shows its value and only Cancel is there.

#include "app/OnlineScripts.h"

#include <QDialog>

#include <memory>

namespace Ui {
class ScriptPropertiesDialog;
}

namespace ui {

class ScriptPropertiesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ScriptPropertiesDialog(const app::ScriptPropertiesForm& form, QWidget* parent = nullptr);
    ~ScriptPropertiesDialog() override;

    // The id unchanged, trimmed title and author, the chosen language, universal for the
    // second application choice, public for the first visibility choice, the description.
    online::tScriptData edited() const;

    void accept() override;

private:
    std::unique_ptr<Ui::ScriptPropertiesDialog> m_ui;
    app::ScriptPropertiesForm m_form;
};

} // namespace ui
