#include "MPLABConverter.h"

#include <QFileDialog>
#include <QLineEdit>

// All five dialogs start where the last one that picked something ended, so
// that files kept side by side are found without climbing the tree again.

QString MPLABConverter::browseForFile(const QString &caption, const QString &filter)
{
    QFileDialog dialog(this, caption, lastPath, filter);
    dialog.setObjectName(QStringLiteral("open file dialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

QString MPLABConverter::browseForDirectory(const QString &caption)
{
    QFileDialog dialog(this, caption, lastPath);
    dialog.setObjectName(QStringLiteral("get existing directory"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

void MPLABConverter::takeBrowseResult(const QString &picked, QLineEdit *target)
{
    const QString path = toBackslashes(picked);
    if (path.isEmpty())
        return;
    lastPath = path;
    target->setText(path);
}

// An MPLAB X project is picked by its nbproject/configurations.xml.
void MPLABConverter::MPLABProjectBrowseBtn_clicked()
{
    takeBrowseResult(browseForFile(tr("Select an MPLAB Project"),
                                   tr("MPLAB Projects (*.mcp configurations.xml)")),
                     MPLABProjectEdit);
}

void MPLABConverter::FenProjectBrowseBtn_clicked()
{
    takeBrowseResult(browseForDirectory(tr("Select the Tarn/Tarn++ Project Destination Directory")),
                     FenProjectEdit);
}

void MPLABConverter::MsgBrowseBtn_clicked()
{
    takeBrowseResult(browseForFile(tr("Select a Message Personality"), tr("Msg Personalities(*.p_s)")),
                     MsgPersonEdit);
}

void MPLABConverter::AnalBrowseBtn_clicked()
{
    takeBrowseResult(browseForFile(tr("Select a Template Analyser Personality"),
                                   tr("Analiser Personalities(*.p_a)")),
                     AnalPersonEdit);
}

void MPLABConverter::CmpBrowseBtn_clicked()
{
    takeBrowseResult(browseForFile(tr("Select a Compiler Personality"), tr("Cmp Personalities(*.p_c)")),
                     CmpPersonEdit);
}
