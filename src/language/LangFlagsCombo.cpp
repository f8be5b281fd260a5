#include "LangFlagsCombo.h"

#include "Dialogs.h"
#include "LanguageEngine.h"

#include <QPainter>
#include <QSignalBlocker>

namespace {
constexpr int ErrorItem = 0;           // "chyba"
constexpr int InformationItem = 1;     // "informace"
constexpr int RestartNoticeItem = 101; // "Změny se plně projeví po restartování programu."
} // namespace

LangFlagsCombo::LangFlagsCombo(LanguageEngine& engine, Dialogs* dialogs, QWidget* parent)
    : QComboBox(parent), m_engine(engine), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("LangFlagsCombo1"));
    setAccessibleName(tr("jazyk programu"));
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    setIconSize(QSize(24, 16));
    reload();
    connect(this, &QComboBox::activated, this, &LangFlagsCombo::choose);
    connect(&engine, &LanguageEngine::languageChanged, this, &LangFlagsCombo::reload);
    connect(&engine, &LanguageEngine::languageListChanged, this, &LangFlagsCombo::reload);
}

QIcon LangFlagsCombo::iconFor(const QString& code) const
{
    const QString flag = m_engine.flagFile(code);
    if (!flag.isEmpty())
        return QIcon(flag);
    // Without a flag the ISO code stands in its place, drawn as a small badge of the flag's size.
    QPixmap badge(iconSize());
    badge.fill(Qt::transparent);
    QPainter painter(&badge);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(badge.rect().adjusted(0, 0, -1, -1));
    QFont small = font();
    small.setPixelSize(iconSize().height() - 5);
    small.setBold(true);
    painter.setFont(small);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(badge.rect(), Qt::AlignCenter, code.toUpper());
    return QIcon(badge);
}

void LangFlagsCombo::reload()
{
    const QSignalBlocker blocker(this);
    clear();
    for (const LanguageEngine::Language& language : m_engine.languages()) {
        addItem(iconFor(language.code), language.name, language.name);
        setItemData(count() - 1, language.code, Qt::ToolTipRole);
        if (language.name.compare(m_engine.currentName(), Qt::CaseInsensitive) == 0)
            setCurrentIndex(count() - 1);
    }
}

void LangFlagsCombo::choose(int index)
{
    const QString name = itemData(index).toString();
    if (name.isEmpty() || name == m_engine.currentName())
        return;
    QString error;
    if (!m_engine.setLanguage(name, &error)) {
        if (m_dialogs)
            m_dialogs->error(m_engine.lexiconText(ErrorItem), error);
        reload();
        return;
    }
    emit languageSwitched(m_engine.currentName());
    if (m_dialogs)
        m_dialogs->information(m_engine.lexiconText(InformationItem), m_engine.lexiconText(RestartNoticeItem));
}
