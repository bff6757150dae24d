// Fills the wizard with the bundled example project and personalities,
// converts it with the Quillbrook found on PATH and saves a picture of each
// page as the X server shows it.
//
// usage: WizardScreenshots EXAMPLES_FOLDER OUTPUT_FOLDER

#include "MPLABConverter.h"

#include <QApplication>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QScreen>
#include <QTextBrowser>
#include <QThread>

#include <cstdio>

namespace {

// Copies the examples into the scratch folder, so the paths on the pictures
// are short relative ones and the conversion writes nothing into the tree.
bool copyFolder(const QString &from, const QString &to)
{
    QDir source(from);
    if (!source.exists() || !QDir().mkpath(to))
        return false;
    QDirIterator files(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(path);
        const bool copied = files.fileInfo().isDir() ? QDir().mkpath(target)
                                                     : QFile::copy(path, target);
        if (!copied)
            return false;
    }
    return true;
}

// The first file with the suffix below the folder, relative to the working
// directory.
QString firstWithSuffix(const QString &folder, const QString &suffix)
{
    QDirIterator files(folder, {QLatin1String("*.") + suffix}, QDir::Files,
                       QDirIterator::Subdirectories);
    return files.hasNext() ? QDir::current().relativeFilePath(files.next()) : QString();
}

void settle(int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
}

bool save(MPLABConverter &wizard, const QString &folder, int page)
{
    settle(300);
    const QString file = QStringLiteral("%1/wizard-page%2.png").arg(folder).arg(page);
    const bool saved = wizard.screen()->grabWindow(wizard.winId()).save(file);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(file));
    return saved;
}

bool waitForTheTool(MPLABConverter &wizard)
{
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        if (wizard.DetailsText->toPlainText().contains(QLatin1String("Project Converted Successfully!")))
            return true;
        settle(50);
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: WizardScreenshots EXAMPLES_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    const QString output = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    // A fixed folder, so that the paths in the log shown are the same on
    // every run.
    QDir scratch(QDir::temp().filePath(QStringLiteral("wizard-example")));
    scratch.removeRecursively();
    if (!copyFolder(QString::fromLocal8Bit(argv[1]), scratch.path())) {
        std::fprintf(stderr, "cannot copy the examples from %s\n", argv[1]);
        return 1;
    }
    QDir::setCurrent(scratch.path());
    QDir().mkdir(QStringLiteral("converted"));
    // The examples hold more than one project and compiler personality.
    const QString project = QStringLiteral("motor/motor.mcp");

    MPLABConverter wizard;
    wizard.move(0, 0);
    wizard.show();

    wizard.MPLABProjectEdit->setText(project);
    wizard.FenProjectEdit->setText(QStringLiteral("converted"));
    wizard.FenNameEdit->setText(QFileInfo(project).completeBaseName());
    bool ok = save(wizard, output, 0);
    wizard.next();

    wizard.MsgPersonEdit->setText(firstWithSuffix(QStringLiteral("."), QStringLiteral("p_s")));
    wizard.AnalPersonEdit->setText(firstWithSuffix(QStringLiteral("."), QStringLiteral("p_a")));
    wizard.CmpPersonEdit->setText(QStringLiteral("personalities/pic18.p_c"));
    ok = save(wizard, output, 1) && ok;
    wizard.next();

    wizard.cCheck->setChecked(true);
    wizard.hCheck->setChecked(true);
    wizard.CustExtEdit->setText(QStringLiteral("asm,inc"));
    ok = save(wizard, output, 2) && ok;
    wizard.next();

    wizard.button(QWizard::FinishButton)->click();
    if (!waitForTheTool(wizard)) {
        std::fprintf(stderr, "the conversion did not succeed; is Quillbrook on PATH?\n");
        ok = false;
    }
    ok = save(wizard, output, 3) && ok;
    scratch.removeRecursively();
    return ok ? 0 : 1;
}
