#ifndef PATHMAPPINGSDIALOG_H
#define PATHMAPPINGSDIALOG_H

#include "PathMappings.h"

#include <QDialog>

#include <functional>

class QPushButton;
class QTableWidget;

// Edits the path mappings of a run: a table of rows "folder on the
// author's machine" / "folder on this machine", in the order the tool tries
// them, with Add, Remove and Browse for the folder on this machine.
class PathMappingsDialog : public QDialog
{
    Q_OBJECT

public:
    // `browse` asks for a folder on this machine; empty when cancelled.
    PathMappingsDialog(const PathMappings &mappings, std::function<QString()> browse,
                       QWidget *parent = nullptr);

    // The rows with both folders given, in the order shown.
    PathMappings mappings() const;

    QTableWidget *table;
    QPushButton *addButton;
    QPushButton *removeButton;
    QPushButton *browseButton;

private:
    void addRow(const PathMapping &mapping = PathMapping());
    void removeRow();
    void browseForTarget();

    std::function<QString()> browse;
};

#endif
