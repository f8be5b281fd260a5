#pragma once

#include <QMap>
#include <QObject>

class LanguageEngine;
class QWidget;
struct CaptionSlot;

// Captions the windows in the engine's current language, by object name. The first time it sees a control's
// text it remembers the design (Czech) text behind it, so switching back to Czech restores it; a text the
// program changes later (a label filled with data) is remembered anew and left as it is unless the language
// translates that very text.
class CaptionApplier : public QObject
{
    Q_OBJECT
public:
    explicit CaptionApplier(LanguageEngine& engine, QObject* parent = nullptr);
    ~CaptionApplier() override;

    // Captions one window and its own controls.
    void apply(QWidget* window);
    // Captions every window of the application; runs on every change of language.
    void applyAll();
    // Also captions each window when it is shown for the first time after a change of language, so windows
    // created later follow the language without being named here.
    void setAutoApply(bool on);

    // Every caption key of the window with its design text (texts that are empty are left out).
    QMap<QString, QString> collectCaptions(QWidget* window);
    // The same for every window of the application.
    QMap<QString, QString> collectAll();

    static QList<QWidget*> captionWindows();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rememberAll();
    // Returns the design text behind the slot's current text, remembering it on the object.
    QString remember(const CaptionSlot& slot);

    LanguageEngine& m_engine;
    bool m_autoApply = false;
};
