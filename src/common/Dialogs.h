#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Every message box, question, input box, file dialog and colour choice of the program goes through this
// interface. The desktop implementation shows Qt dialogs; tests install a scripted one.
class Dialogs
{
public:
    enum class Icon
    {
        None,
        Information,
        Warning,
        Error,
        Question
    };
    enum Button
    {
        Ok = 0x1,
        Yes = 0x2,
        No = 0x4,
        Cancel = 0x8
    };

    struct Message
    {
        QString caption;
        QString text;
        Icon icon = Icon::Information;
        int buttons = Ok;
        Button defaultButton = Ok;
    };

    virtual ~Dialogs() = default;

    // Shows a message and returns the button pressed (Cancel/No when the box is closed otherwise).
    virtual Button message(const Message& message) = 0;
    virtual std::optional<QString> inputText(const QString& caption, const QString& prompt, const QString& initial) = 0;
    virtual QString openFileName(const QString& caption, const QString& folder, const QString& filter) = 0;
    virtual QString saveFileName(const QString& caption, const QString& path, const QString& filter) = 0;
    virtual QString existingFolder(const QString& caption, const QString& folder) = 0;
    // Colours travel as 0xRRGGBB.
    virtual std::optional<unsigned> chooseColor(unsigned initial) = 0;
    // Lets the user edit the database connection stored in the given connection file; true when saved.
    virtual bool editConnection(const QString& udlFile) = 0;

    // Conveniences over message().
    void error(const QString& caption, const QString& text) { message({caption, text, Icon::Error, Ok, Ok}); }
    void information(const QString& caption, const QString& text)
    {
        message({caption, text, Icon::Information, Ok, Ok});
    }
    void warning(const QString& caption, const QString& text) { message({caption, text, Icon::Warning, Ok, Ok}); }
    // Yes/No question; true unless the answer is No. With defaultNo the No button is the default one.
    bool ask(const QString& caption, const QString& text, Icon icon = Icon::Question, bool defaultNo = false)
    {
        return message({caption, text, icon, Yes | No, defaultNo ? No : Yes}) != No;
    }
};
