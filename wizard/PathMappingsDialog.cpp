#include "PathMappingsDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { FromColumn, ToColumn };

QString cellText(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

PathMappingsDialog::PathMappingsDialog(const PathMappings &mappings, std::function<QString()> browse,
                                       QWidget *parent)
    : QDialog(parent),
      browse(std::move(browse))
{
    setObjectName(QStringLiteral("PathMappingsDialog"));
    setWindowTitle(tr("Path Mappings"));

    auto *explanation = new QLabel(
        tr("An MPLAB project names files where they were on its author's machine. For each folder "
           "written there, give the folder where it is on this machine: every path that starts "
           "with it is converted as starting with the folder on this machine. The first row that "
           "matches wins; letter case and \\ or / do not matter."),
        this);
    explanation->setWordWrap(true);

    table = new QTableWidget(0, 2, this);
    table->setObjectName(QStringLiteral("mappingsTable"));
    table->setHorizontalHeaderLabels({tr("Folder on the author's machine"), tr("Folder on this machine")});
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);

    addButton = new QPushButton(tr("Add"), this);
    removeButton = new QPushButton(tr("Remove"), this);
    browseButton = new QPushButton(tr("Browse..."), this);
    browseButton->setToolTip(tr("Pick the folder on this machine for the selected row."));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *rowButtons = new QHBoxLayout;
    rowButtons->addWidget(addButton);
    rowButtons->addWidget(removeButton);
    rowButtons->addWidget(browseButton);
    rowButtons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(table);
    layout->addLayout(rowButtons);
    layout->addWidget(buttons);
    resize(520, 300);

    connect(addButton, &QPushButton::clicked, this, [this] { addRow(); });
    connect(removeButton, &QPushButton::clicked, this, &PathMappingsDialog::removeRow);
    connect(browseButton, &QPushButton::clicked, this, &PathMappingsDialog::browseForTarget);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    for (const PathMapping &mapping : mappings)
        addRow(mapping);
    // An empty table offers one row to type into.
    if (mappings.isEmpty())
        addRow();
}

void PathMappingsDialog::addRow(const PathMapping &mapping)
{
    const int row = table->rowCount();
    table->insertRow(row);
    table->setItem(row, FromColumn, new QTableWidgetItem(mapping.from));
    table->setItem(row, ToColumn, new QTableWidgetItem(mapping.to));
    table->setCurrentCell(row, FromColumn);
}

void PathMappingsDialog::removeRow()
{
    if (table->currentRow() >= 0)
        table->removeRow(table->currentRow());
}

void PathMappingsDialog::browseForTarget()
{
    if (table->currentRow() < 0)
        addRow();
    const int row = table->currentRow();
    const QString folder = browse();
    if (!folder.isEmpty())
        table->setItem(row, ToColumn, new QTableWidgetItem(folder));
}

PathMappings PathMappingsDialog::mappings() const
{
    PathMappings complete;
    for (int row = 0; row < table->rowCount(); ++row) {
        const PathMapping mapping{cellText(table, row, FromColumn), cellText(table, row, ToColumn)};
        if (!mapping.from.isEmpty() && !mapping.to.isEmpty())
            complete << mapping;
    }
    return complete;
}
