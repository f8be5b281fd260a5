#include "LoansModel.h"

#include "DayNumber.h"
#include "Lexicon.h"

#include <QBrush>
#include <QHash>

LoansModel::LoansModel(Database& db, QObject* parent) : ListQueryModel(db, parent)
{
    setDateFields({QStringLiteral("datefrom"), QStringLiteral("dateto"), QStringLiteral("returned")});
    setColumns(gridColumns());
}

QStringList LoansModel::gridColumns(const QString& firstField)
{
    return {firstField,
            QStringLiteral("datefrom"),
            QStringLiteral("dateto"),
            QStringLiteral("customer"),
            QStringLiteral("things"),
            QStringLiteral("advance"),
            QStringLiteral("price"),
            QStringLiteral("returned"),
            QStringLiteral("statusbefore"),
            QStringLiteral("statusafter"),
            QStringLiteral("accessories"),
            QStringLiteral("person1"),
            QStringLiteral("person2"),
            QStringLiteral("note")};
}

int LoansModel::titleItem(const QString& field)
{
    static const QHash<QString, int> items{
        {QStringLiteral("id"), 111},           {QStringLiteral("ownnumber"), 111},
        {QStringLiteral("datefrom"), 112},     {QStringLiteral("dateto"), 113},
        {QStringLiteral("customer"), 114},     {QStringLiteral("advance"), 115},
        {QStringLiteral("price"), 116},        {QStringLiteral("returned"), 117},
        {QStringLiteral("statusbefore"), 118}, {QStringLiteral("statusafter"), 119},
        {QStringLiteral("accessories"), 120},  {QStringLiteral("person1"), 121},
        {QStringLiteral("person2"), 122},      {QStringLiteral("note"), 123},
    };
    return items.value(field, -1);
}

void LoansModel::setFirstColumnField(const QString& field)
{
    QStringList fields = columns();
    if (!fields.isEmpty() && fields.first() == field)
        return;
    fields[0] = field;
    setColumns(fields);
}

void LoansModel::setColours(const LoanColours& colours)
{
    m_colours = colours;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::BackgroundRole, Qt::ForegroundRole});
}

void LoansModel::setLexicon(const Lexicon* lexicon)
{
    m_lexicon = lexicon;
    retitle();
}

double LoansModel::dayAt(int row, const QString& field) const
{
    const QVariant v = value(row, field);
    return v.isNull() ? 0.0 : v.toDouble();
}

QColor LoansModel::rowColour(int row) const
{
    // A statement that leaves out the due date gives its rows no band.
    if (row < 0 || row >= rowCount() || fieldIndex(QStringLiteral("dateto")) < 0)
        return LoanColours::toColor(LoanColours::White);
    return getbarvazapujcky(dayAt(row, QStringLiteral("dateto")), dayAt(row, QStringLiteral("returned")), m_colours);
}

QVariant LoansModel::rowBackground(int row) const
{
    return QBrush(rowColour(row));
}

QVariant LoansModel::rowForeground(int) const
{
    return QBrush(Qt::black);
}

QString LoansModel::columnTitle(const QString& field) const
{
    if (field == QLatin1String("things"))
        return tr("věci");
    const int item = titleItem(field);
    if (item < 0 || !m_lexicon)
        return item < 0 ? field : Lexicon::designText(item);
    return m_lexicon->text(item);
}
