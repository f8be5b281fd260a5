#include "Tdm.h"

namespace {
Tdm* theInstance = nullptr;

// Answers nothing and shows nothing: in place until the desktop seams are installed.
class SilentDialogs : public Dialogs
{
public:
    Button message(const Message&) override { return No; }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override { return {}; }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString existingFolder(const QString&, const QString&) override { return {}; }
    std::optional<unsigned> chooseColor(unsigned) override { return {}; }
    bool editConnection(const QString&) override { return false; }
};

class NoShell : public Shell
{
public:
    bool openFile(const QString&, QString* error) override { return fail(error); }
    bool startProgram(const QString&, const QStringList&, bool, QString* error) override { return fail(error); }
    bool openUrl(const QString&, QString* error) override { return fail(error); }
    bool editTextFile(const QString&, QString* error) override { return fail(error); }

private:
    static bool fail(QString* error)
    {
        if (error)
            *error = QStringLiteral("no shell");
        return false;
    }
};
} // namespace

Tdm::Tdm(QObject* parent)
    : QObject(parent), m_dialogs(std::make_unique<SilentDialogs>()), m_shell(std::make_unique<NoShell>())
{
    setObjectName(QStringLiteral("dm"));
    m_language.attachLexicon(m_lexicon);
    theInstance = this;
}

Tdm::~Tdm()
{
    if (theInstance == this)
        theInstance = nullptr;
}

Tdm& Tdm::instance()
{
    Q_ASSERT(theInstance);
    return *theInstance;
}

void Tdm::setDialogs(std::unique_ptr<Dialogs> dialogs)
{
    m_dialogs = std::move(dialogs);
}

void Tdm::setShell(std::unique_ptr<Shell> shell)
{
    m_shell = std::move(shell);
}

void Tdm::reportError(const QString& message)
{
    m_dialogs->message({lex(Lexicon::Error), message, Dialogs::Icon::Error, Dialogs::Ok, Dialogs::Ok});
}

void Tdm::showError(const DbError& error)
{
    m_dialogs->error(lex(Lexicon::Error) + QStringLiteral(": ") + error.typeName(), error.message());
}
