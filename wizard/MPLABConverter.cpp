#include "MPLABConverter.h"

#include "WizardPage.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace {

void setTextColour(QLineEdit *edit, const QColor &colour)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, colour);
    edit->setPalette(palette);
}

// Shows in the edit's text colour whether its path names anything on disk
// (a file or a folder) and returns that.
bool paintExistence(QLineEdit *edit)
{
    const bool exists = QFileInfo::exists(edit->text());
    setTextColour(edit, exists ? QColor(0, 0, 0) : QColor(255, 0, 0));
    return exists;
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

} // namespace

MPLABConverter::MPLABConverter(QWidget *parent, const char *name, bool modal, Qt::WindowFlags fl)
    : MPLABConverterBase(parent, name, modal, fl),
      conversionProcess(nullptr),
      lastPath(firstBrowseStart())
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
}

void MPLABConverter::connectSignals()
{
    connect(MPLABProjectBrowseBtn, &QPushButton::clicked, this, &MPLABConverter::MPLABProjectBrowseBtn_clicked);
    connect(FenProjectBrowseBtn, &QPushButton::clicked, this, &MPLABConverter::FenProjectBrowseBtn_clicked);
    for (QLineEdit *edit : {MPLABProjectEdit, FenProjectEdit, FenNameEdit})
        connect(edit, &QLineEdit::textChanged, this, &MPLABConverter::Page0LineEdit_textchanged);
    for (QLineEdit *edit : {MsgPersonEdit, AnalPersonEdit, CmpPersonEdit})
        connect(edit, &QLineEdit::textChanged, this, &MPLABConverter::Page1LineEdit_textchanged);
    connect(MsgBrowseBtn, &QPushButton::clicked, this, &MPLABConverter::MsgBrowseBtn_clicked);
    connect(AnalBrowseBtn, &QPushButton::clicked, this, &MPLABConverter::AnalBrowseBtn_clicked);
    connect(CmpBrowseBtn, &QPushButton::clicked, this, &MPLABConverter::CmpBrowseBtn_clicked);
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
    const bool projectExists = paintExistence(MPLABProjectEdit);
    const bool folderExists = paintExistence(FenProjectEdit);
    Page0->setComplete(projectExists && folderExists && !FenNameEdit->text().isEmpty());
}

void MPLABConverter::validatePage1()
{
    bool valid = true;
    // The message and analyser personalities are optional: left empty they
    // keep whatever colour they had and count as valid.
    for (QLineEdit *optional : {MsgPersonEdit, AnalPersonEdit}) {
        if (!optional->text().isEmpty() && !paintExistence(optional))
            valid = false;
    }
    if (!paintExistence(CmpPersonEdit))
        valid = false;
    Page1->setComplete(valid);
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
