#include "ColumnChooser.h"

#include "Dialogs.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTableView>
#include <QVBoxLayout>

ColumnChooser::ColumnChooser(QTableView* view, Dialogs& dialogs, const Texts& texts, QWidget* parent)
    : QDialog(parent), m_view(view), m_dialogs(dialogs), m_texts(texts), m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("vybersloupcuf"));
    setWindowTitle(texts.caption);
    m_list->setObjectName(QStringLiteral("sloupcelb"));
    auto* label = new QLabel(texts.caption + QLatin1Char(':'), this);
    label->setBuddy(m_list);

    const QHeaderView* header = view->horizontalHeader();
    const QAbstractItemModel* model = view->model();
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        auto* item = new QListWidgetItem(model->headerData(logical, Qt::Horizontal).toString(), m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(header->isSectionHidden(logical) ? Qt::Unchecked : Qt::Checked);
        item->setData(Qt::UserRole, logical);
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ColumnChooser::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ColumnChooser::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
}

void ColumnChooser::accept()
{
    bool any = false;
    for (int i = 0; i < m_list->count(); ++i)
        any = any || m_list->item(i)->checkState() == Qt::Checked;
    if (!any) {
        m_dialogs.warning(m_texts.warningCaption, m_texts.noColumn);
        return;
    }
    QHeaderView* header = m_view->horizontalHeader();
    for (int i = 0; i < m_list->count(); ++i) {
        const QListWidgetItem* item = m_list->item(i);
        header->setSectionHidden(item->data(Qt::UserRole).toInt(), item->checkState() != Qt::Checked);
    }
    QDialog::accept();
}
