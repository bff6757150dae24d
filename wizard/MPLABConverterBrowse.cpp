#include "MPLABConverter.h"

#include "MPLABXProject.h"
#include "PathMappingsDialog.h"

#include <QFileDialog>
#include <QLineEdit>

namespace {

class ProjectFileDialog : public QFileDialog
{
public:
    ProjectFileDialog(QWidget *parent, const QString &caption, const QString &start, const QString &filter)
        : QFileDialog(parent, caption, start, filter)
    {
        setAcceptMode(QFileDialog::AcceptOpen);
        setFileMode(QFileDialog::ExistingFile);
        setOption(QFileDialog::DontUseNativeDialog, true);
        connect(this, &QFileDialog::directoryEntered, this, [this](const QString &folder) { pickIfProject(folder); });
    }

    // The MPLAB X project folder opened, or empty.
    QString pickedFolder;

protected:
    void accept() override
    {
        const QStringList chosen = selectedFiles();
        if (chosen.size() == 1 && QFileInfo(chosen.front()).isDir() && pickIfProject(chosen.front()))
            return;
        QFileDialog::accept();
    }

private:
    bool pickIfProject(const QString &folder)
    {
        if (mplabXProjectFolder(QFileInfo(folder)).isEmpty())
            return false;
        pickedFolder = folder;
        QDialog::done(QDialog::Accepted);
        return true;
    }
};

} // namespace

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

// An .mcp file or an MPLAB X project: opening a project folder (pump.X,
// the folder holding nbproject), by a double click or by Open with the
// folder selected or typed, picks it, as the IDE's own dialog does; its
// nbproject/configurations.xml may be picked too. Qt's own dialog on every
// platform, since the system's file dialogs pick files or folders, not both.
void MPLABConverter::MPLABProjectBrowseBtn_clicked()
{
    ProjectFileDialog dialog(this, tr("Select an MPLAB Project"), lastPath,
                             tr("MPLAB Projects (*.mcp configurations.xml)"));
    dialog.setObjectName(QStringLiteral("open file dialog"));
    QString picked;
    if (dialog.exec() == QDialog::Accepted)
        picked = dialog.pickedFolder.isEmpty() ? dialog.selectedFiles().value(0) : dialog.pickedFolder;
    takeBrowseResult(picked, MPLABProjectEdit);
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

void MPLABConverter::mappingsButton_clicked()
{
    PathMappingsDialog dialog(pathMappings, [this] {
        const QString folder = toBackslashes(browseForDirectory(tr("Select the Folder on This Machine")));
        if (!folder.isEmpty())
            lastPath = folder;
        return folder;
    }, this);
    if (dialog.exec() == QDialog::Accepted)
        pathMappings = dialog.mappings();
}
