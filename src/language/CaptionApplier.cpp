#include "CaptionApplier.h"

#include "CaptionSlots.h"
#include "LanguageEngine.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

constexpr char generationProperty[] = "_lngGeneration";

// The design text of a slot and the text it showed when last seen, kept on the control itself so they live
// and die with it.
QByteArray designProperty(const CaptionSlot& slot)
{
    return QByteArrayLiteral("_lngDesign_") + slot.id;
}

QByteArray shownProperty(const CaptionSlot& slot)
{
    return QByteArrayLiteral("_lngShown_") + slot.id;
}

} // namespace

CaptionApplier::CaptionApplier(LanguageEngine& engine, QObject* parent) : QObject(parent), m_engine(engine)
{
    connect(&engine, &LanguageEngine::aboutToChangeLanguage, this, &CaptionApplier::rememberAll);
    connect(&engine, &LanguageEngine::languageChanged, this, &CaptionApplier::applyAll);
}

CaptionApplier::~CaptionApplier()
{
    setAutoApply(false);
}

QList<QWidget*> CaptionApplier::captionWindows()
{
    QList<QWidget*> windows;
    const QWidgetList all = QApplication::topLevelWidgets();
    for (QWidget* w : all) {
        if (CaptionSlots::isCaptionWindow(w))
            windows << w;
    }
    return windows;
}

QString CaptionApplier::remember(const CaptionSlot& slot)
{
    const QString shown = slot.get();
    const QVariant design = slot.object->property(designProperty(slot));
    const QVariant lastShown = slot.object->property(shownProperty(slot));
    // Seen for the first time, or the program has put another text there since: that text, taken back to
    // the design language, is the design text from now on.
    if (!design.isValid() || lastShown.toString() != shown) {
        if (shown.isEmpty() && !design.isValid())
            return {};
        const QString designText = m_engine.designOf(shown);
        slot.object->setProperty(designProperty(slot), designText);
        slot.object->setProperty(shownProperty(slot), shown);
        return designText;
    }
    return design.toString();
}

void CaptionApplier::rememberAll()
{
    for (QWidget* window : captionWindows()) {
        for (const CaptionSlot& slot : CaptionSlots::of(window))
            remember(slot);
    }
}

void CaptionApplier::apply(QWidget* window)
{
    if (!CaptionSlots::isCaptionWindow(window))
        return;
    for (const CaptionSlot& slot : CaptionSlots::of(window)) {
        const QString design = remember(slot);
        if (design.isEmpty())
            continue;
        const QString translated = m_engine.captionFor(slot.key, design);
        const QString wanted = translated.isEmpty() ? design : translated;
        if (slot.get() != wanted)
            slot.set(wanted);
        slot.object->setProperty(shownProperty(slot), wanted);
    }
    window->setProperty(generationProperty, m_engine.generation());
}

void CaptionApplier::applyAll()
{
    for (QWidget* window : captionWindows())
        apply(window);
}

void CaptionApplier::setAutoApply(bool on)
{
    if (on == m_autoApply || !qApp)
        return;
    m_autoApply = on;
    if (on)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

bool CaptionApplier::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        const QVariant generation = widget->property(generationProperty);
        if (CaptionSlots::isCaptionWindow(widget) &&
            (!generation.isValid() || generation.toInt() != m_engine.generation()))
            apply(widget);
    }
    return QObject::eventFilter(watched, event);
}

QMap<QString, QString> CaptionApplier::collectCaptions(QWidget* window)
{
    QMap<QString, QString> captions;
    for (const CaptionSlot& slot : CaptionSlots::of(window)) {
        const QString design = remember(slot);
        if (!design.isEmpty())
            captions.insert(slot.key, design);
    }
    return captions;
}

QMap<QString, QString> CaptionApplier::collectAll()
{
    QMap<QString, QString> captions;
    for (QWidget* window : captionWindows())
        captions.insert(collectCaptions(window));
    return captions;
}
