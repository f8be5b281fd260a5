#pragma once

#include "Dialogs.h"

#include <QList>
#include <QQueue>
#include <functional>

// Records every dialog the program opens and answers from queues. An unanswered question gets No, an
// unanswered input box is cancelled, so a test can never hang on a dialog.
class ScriptedDialogs : public Dialogs
{
public:
    struct Shown
    {
        QString kind; // "message", "input", "open", "save", "folder", "color", "connection"
        QString caption;
        QString text;
        Icon icon = Icon::None;
        int buttons = 0;
    };

    QList<Shown> shown;
    QQueue<Button> answers;
    QQueue<std::optional<QString>> inputs;
    QQueue<QString> files;
    QQueue<std::optional<unsigned>> colors;
    std::function<bool(const QString&)> onEditConnection; // default: cancelled

    Button message(const Message& m) override
    {
        shown.append({QStringLiteral("message"), m.caption, m.text, m.icon, m.buttons});
        if (!answers.isEmpty())
            return answers.dequeue();
        if (m.buttons & No)
            return No;
        return (m.buttons & Ok) ? Ok : Cancel;
    }
    std::optional<QString> inputText(const QString& caption, const QString& prompt, const QString&) override
    {
        shown.append({QStringLiteral("input"), caption, prompt});
        return inputs.isEmpty() ? std::nullopt : inputs.dequeue();
    }
    QString openFileName(const QString& caption, const QString&, const QString&) override
    {
        shown.append({QStringLiteral("open"), caption, {}});
        return files.isEmpty() ? QString() : files.dequeue();
    }
    QString saveFileName(const QString& caption, const QString&, const QString&) override
    {
        shown.append({QStringLiteral("save"), caption, {}});
        return files.isEmpty() ? QString() : files.dequeue();
    }
    QString existingFolder(const QString& caption, const QString&) override
    {
        shown.append({QStringLiteral("folder"), caption, {}});
        return files.isEmpty() ? QString() : files.dequeue();
    }
    std::optional<unsigned> chooseColor(unsigned) override
    {
        shown.append({QStringLiteral("color"), {}, {}});
        return colors.isEmpty() ? std::nullopt : colors.dequeue();
    }
    bool editConnection(const QString& udlFile) override
    {
        shown.append({QStringLiteral("connection"), {}, udlFile});
        return onEditConnection ? onEditConnection(udlFile) : false;
    }

    // The texts of the messages shown, in order.
    QStringList texts() const
    {
        QStringList result;
        for (const Shown& s : shown)
            result << s.text;
        return result;
    }
};
