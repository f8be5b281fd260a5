#include "QtDialogs.h"

#include "ConnectionDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QWidget* owner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QMessageBox::Icon toQt(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::Warning:
        return QMessageBox::Warning;
    case Dialogs::Icon::Error:
        return QMessageBox::Critical;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Dialogs::Button QtDialogs::message(const Message& message)
{
    QMessageBox box(toQt(message.icon), message.caption, message.text, QMessageBox::NoButton, owner());
    const QPair<Button, QMessageBox::StandardButton> map[] = {
        {Yes, QMessageBox::Yes}, {No, QMessageBox::No}, {Ok, QMessageBox::Ok}, {Cancel, QMessageBox::Cancel}};
    for (const auto& [ours, qt] : map) {
        if (message.buttons & ours) {
            box.addButton(qt);
            if (message.defaultButton == ours)
                box.setDefaultButton(qt);
        }
    }
    const int result = box.exec();
    for (const auto& [ours, qt] : map) {
        if (result == qt)
            return ours;
    }
    return (message.buttons & No) ? No : Cancel;
}

std::optional<QString> QtDialogs::inputText(const QString& caption, const QString& prompt, const QString& initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(owner(), caption, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtDialogs::openFileName(const QString& caption, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(owner(), caption, folder, filter);
}

QString QtDialogs::saveFileName(const QString& caption, const QString& path, const QString& filter)
{
    return QFileDialog::getSaveFileName(owner(), caption, path, filter);
}

QString QtDialogs::existingFolder(const QString& caption, const QString& folder)
{
    return QFileDialog::getExistingDirectory(owner(), caption, folder);
}

std::optional<unsigned> QtDialogs::chooseColor(unsigned initial)
{
    const QColor color = QColorDialog::getColor(QColor::fromRgb(initial), owner());
    if (!color.isValid())
        return std::nullopt;
    return color.rgb() & 0xFFFFFFu;
}

bool QtDialogs::editConnection(const QString& udlFile)
{
    ConnectionDialog dialog(udlFile, owner());
    return dialog.exec() == QDialog::Accepted;
}
