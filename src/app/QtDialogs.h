#pragma once

#include "Dialogs.h"

// The desktop dialogs: Qt message boxes, input boxes, file and colour dialogs, parented to the active window.
class QtDialogs : public Dialogs
{
public:
    Button message(const Message& message) override;
    std::optional<QString> inputText(const QString& caption, const QString& prompt, const QString& initial) override;
    QString openFileName(const QString& caption, const QString& folder, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& path, const QString& filter) override;
    QString existingFolder(const QString& caption, const QString& folder) override;
    std::optional<unsigned> chooseColor(unsigned initial) override;
    bool editConnection(const QString& udlFile) override;
};
