#include "MPLABConverter.h"

#include "MPLABXProject.h"
#include "WizardPage.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

void setTextColour(QLineEdit *edit, const QColor &colour)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, colour);
    edit->setPalette(palette);
}

// What a path edit must name. The MPLAB project may be a file or a folder.
enum class PathKind { Anything, Folder, File };

// Why the wizard refuses `path`, or the empty text when it takes it.
QString pathProblem(const QString &path, PathKind kind)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return MPLABConverter::tr("missing");
    if (kind == PathKind::Folder && !info.isDir())
        return MPLABConverter::tr("not a folder");
    if (kind == PathKind::File && info.isDir())
        return MPLABConverter::tr("not a file");
    return QString();
}

// Says beside the edit why its path is refused; the typed text keeps clear
// of that word.
void showReason(QLineEdit *edit, QLabel *reason, const QString &text)
{
    reason->setText(text);
    edit->setTextMargins(0, 0, text.isEmpty() ? 0 : edit->width() - reason->x(), 0);
}

// Shows in the edit's text colour, and in words beside it, whether its path
// names what it must, and returns that.
bool paintPath(QLineEdit *edit, QLabel *reason, PathKind kind)
{
    const QString problem = pathProblem(edit->text(), kind);
    setTextColour(edit, problem.isEmpty() ? QColor(0, 0, 0) : QColor(255, 0, 0));
    showReason(edit, reason, problem);
    return problem.isEmpty();
}

// The first browse dialog starts at the root of the current drive. Elsewhere
// than on Windows a backslash is a file name, not the root.
QString firstBrowseStart()
{
#ifdef Q_OS_WIN
    return QStringLiteral("\\");
#else
    return QStringLiteral("/");
#endif
}

// The name the tool takes by default for `project`, or nothing when it is
// not a project the tool reads.
QString defaultProjectName(const QFileInfo &project)
{
    if (project.isFile() && project.suffix().compare(QLatin1String("mcp"), Qt::CaseInsensitive) == 0)
        return project.completeBaseName();
    const QString folder = mplabXProjectFolder(project);
    if (folder.isEmpty())
        return QString();
    QString name = QFileInfo(folder).fileName();
    if (name.size() > 2 && name.endsWith(QLatin1String(".X"), Qt::CaseInsensitive))
        name.chop(2);
    return name;
}

} // namespace

MPLABConverter::MPLABConverter(QWidget *parent, const char *name, bool modal, Qt::WindowFlags fl)
    : MPLABConverterBase(parent, name, modal, fl),
      conversionProcess(nullptr),
      lastPath(firstBrowseStart()),
      configurationQuery(nullptr)
{
    Page0->setComplete(false);
    Page1->setComplete(false);
    setOption(QWizard::HaveHelpButton, false);

    connectSignals();
    watchKeyReleases();
    whitenWizardButtons();

    // Last, so that the loaded paths are validated through the connections.
    loadSettings();
}

MPLABConverter::~MPLABConverter()
{
    // A tool still running is killed when its process object goes with the
    // wizard; by then there is no wizard left to report to.
    if (conversionProcess)
        conversionProcess->disconnect(this);
    // The configuration queries are ended here, so none outlives the wizard.
    for (QProcess *query : findChildren<QProcess *>(QStringLiteral("configurationQuery"))) {
        query->disconnect(this);
        query->kill();
        query->waitForFinished(1000);
    }
}

void MPLABConverter::connectSignals()
{
    connect(MPLABProjectBrowseBtn, &QPushButton::clicked, this, &MPLABConverter::MPLABProjectBrowseBtn_clicked);
    connect(FenProjectBrowseBtn, &QPushButton::clicked, this, &MPLABConverter::FenProjectBrowseBtn_clicked);
    // Offered before the page is checked, so the check sees the name.
    connect(MPLABProjectEdit, &QLineEdit::textChanged, this, &MPLABConverter::offerProjectName);
    connect(MPLABProjectEdit, &QLineEdit::textChanged, this, &MPLABConverter::askForConfigurations);
    for (QLineEdit *edit : {MPLABProjectEdit, FenProjectEdit, FenNameEdit})
        connect(edit, &QLineEdit::textChanged, this, &MPLABConverter::Page0LineEdit_textchanged);
    for (QLineEdit *edit : {MsgPersonEdit, AnalPersonEdit, CmpPersonEdit})
        connect(edit, &QLineEdit::textChanged, this, &MPLABConverter::Page1LineEdit_textchanged);
    connect(MsgBrowseBtn, &QPushButton::clicked, this, &MPLABConverter::MsgBrowseBtn_clicked);
    connect(AnalBrowseBtn, &QPushButton::clicked, this, &MPLABConverter::AnalBrowseBtn_clicked);
    connect(CmpBrowseBtn, &QPushButton::clicked, this, &MPLABConverter::CmpBrowseBtn_clicked);
    connect(mappingsButton, &QPushButton::clicked, this, &MPLABConverter::mappingsButton_clicked);
}

void MPLABConverter::watchKeyReleases()
{
    for (QLineEdit *edit : {MPLABProjectEdit, FenProjectEdit, FenNameEdit,
                            MsgPersonEdit, AnalPersonEdit, CmpPersonEdit})
        edit->installEventFilter(this);
}

void MPLABConverter::whitenWizardButtons()
{
    for (WizardButton which : {NextButton, BackButton, CancelButton, FinishButton}) {
        QAbstractButton *wizardButton = button(which);
        wizardButton->setPalette(QPalette(QColor("white"), QColor("white")));
        QPalette palette = wizardButton->palette();
        palette.setColor(wizardButton->backgroundRole(), QColor("white"));
        wizardButton->setPalette(palette);
    }
}

QString MPLABConverter::toBackslashes(const QString &path)
{
    // Only Windows uses the backslash; elsewhere a picked path keeps its
    // slashes so that it still names the file it was picked as.
    return QDir::toNativeSeparators(path);
}

void MPLABConverter::Page0LineEdit_textchanged(const QString &)
{
    validatePage0();
}

void MPLABConverter::Page1LineEdit_textchanged(const QString &)
{
    validatePage1();
}

void MPLABConverter::validatePage0()
{
    const bool projectExists = paintPath(MPLABProjectEdit, MPLABProjectReason, PathKind::Anything);
    const bool folderExists = paintPath(FenProjectEdit, FenProjectReason, PathKind::Folder);
    Page0->setComplete(projectExists && folderExists && !FenNameEdit->text().isEmpty());
}

void MPLABConverter::validatePage1()
{
    bool valid = true;
    // The message and analyser personalities are optional: left empty they
    // keep whatever colour they had, lose their reason and count as valid.
    const std::pair<QLineEdit *, QLabel *> optionals[] = {{MsgPersonEdit, MsgPersonReason},
                                                          {AnalPersonEdit, AnalPersonReason}};
    for (const auto &[edit, reason] : optionals) {
        if (edit->text().isEmpty())
            showReason(edit, reason, QString());
        else if (!paintPath(edit, reason, PathKind::File))
            valid = false;
    }
    if (!paintPath(CmpPersonEdit, CmpPersonReason, PathKind::File))
        valid = false;
    Page1->setComplete(valid);
}

// A project picked or typed while no name is given offers the name the tool
// would take by default: an .mcp file's name cut before its last dot; an
// MPLAB X project folder's name (the one holding nbproject/configurations.xml)
// less a final ".X".
void MPLABConverter::offerProjectName()
{
    if (!FenNameEdit->text().isEmpty())
        return;
    const QString name = defaultProjectName(QFileInfo(MPLABProjectEdit->text()));
    if (!name.isEmpty())
        FenNameEdit->setText(name);
}

bool MPLABConverter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease) {
        if (watched == MPLABProjectEdit || watched == FenProjectEdit || watched == FenNameEdit) {
            validatePage0();
            return false;
        }
        if (watched == MsgPersonEdit || watched == AnalPersonEdit || watched == CmpPersonEdit) {
            validatePage1();
            return false;
        }
    }
    return MPLABConverterBase::eventFilter(watched, event);
}

void MPLABConverter::reject()
{
    if (conversionProcess) {
        // Leaving ends the program: a run cut short reports and saves nothing.
        conversionProcess->disconnect(this);
        conversionProcess->kill();
    }
    MPLABConverterBase::reject();
}
