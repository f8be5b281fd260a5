#pragma once

#include "ListQueryModel.h"
#include "LoanColours.h"

class Lexicon;

// The loans list: the grid's columns with their lexicon titles, dates shown by the locale and blank when
// empty, and each row coloured by the days left until it is due.
class LoansModel : public ListQueryModel
{
    Q_OBJECT
public:
    explicit LoansModel(Database& db, QObject* parent = nullptr);

    // The grid's columns in their initial order; the first one is `id` or `ownnumber`.
    static QStringList gridColumns(const QString& firstField = QStringLiteral("id"));
    // The lexicon item of a column title, -1 for a field without one.
    static int titleItem(const QString& field);

    // Binds the first column to `id` or `ownnumber` (the start-up rule of the own number series).
    void setFirstColumnField(const QString& field);
    void setColours(const LoanColours& colours);
    const LoanColours& colours() const { return m_colours; }
    // Titles come from the lexicon while one is set, and follow it after languageChanged().
    void setLexicon(const Lexicon* lexicon);
    void languageChanged() { retitle(); }

    // The row's colour now; white for a row out of range.
    QColor rowColour(int row) const;
    qint64 idAt(int row) const { return value(row, QStringLiteral("id")).toLongLong(); }
    double dayAt(int row, const QString& field) const;

protected:
    QVariant rowBackground(int row) const override;
    QVariant rowForeground(int row) const override;
    QString columnTitle(const QString& field) const override;

private:
    LoanColours m_colours;
    const Lexicon* m_lexicon = nullptr;
};
