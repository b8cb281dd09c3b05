#include "FakeUserIo.h"

namespace testsupport {

void FakeUserIo::showStatus(const QString& text)
{
    statusTexts << text;
}

void FakeUserIo::busyChanged(bool busy)
{
    busyTransitions << busy;
}

void FakeUserIo::showMessage(app::MessageKind kind, const QString& text)
{
    messages.append({kind, text});
}

bool FakeUserIo::askYesNo(const QString& caption, const QString& text, bool yesDefault, bool warningIcon)
{
    questions.append({caption, text, yesDefault, warningIcon});
    return answers.isEmpty() ? false : answers.dequeue();
}

bool FakeUserIo::editDraw(core::TDrawRec& rec, const QString& title, bool)
{
    drawDialogTitles << title;
    if (drawEdits.isEmpty())
        return false;
    const auto edit = drawEdits.dequeue();
    if (!edit)
        return false;
    (*edit)(rec);
    return true;
}

bool FakeUserIo::editConfig(core::TConfigData& config)
{
    if (configEdits.isEmpty())
        return false;
    const auto edit = configEdits.dequeue();
    if (!edit)
        return false;
    config = *edit;
    return true;
}

bool FakeUserIo::editShredding(core::TShreddingData& data)
{
    if (shreddingEdits.isEmpty())
        return false;
    const auto edit = shreddingEdits.dequeue();
    if (!edit)
        return false;
    data = *edit;
    return true;
}

void FakeUserIo::openUrl(const QString& url)
{
    openedUrls << url;
}

QStringList FakeUserIo::messageTexts(app::MessageKind kind) const
{
    QStringList texts;
    for (const ShownMessage& m : messages) {
        if (m.kind == kind)
            texts << m.text;
    }
    return texts;
}

} // namespace testsupport
