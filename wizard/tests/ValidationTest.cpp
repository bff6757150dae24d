// Path checks on the first two pages, shown in red and black, and the Next
// states they decide; the browse dialogs that fill the same edits.

#include "MPLABConverter.h"
#include "WizardPage.h"
#include "WizardTestSupport.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QColor black(0, 0, 0);
const QColor red(255, 0, 0);

// What a file dialog showed when it opened.
struct DialogSeen
{
    bool opened = false;
    QString caption;
    QString filter;
    QString name;
    QString startFolder;
    QStringList startSelection;
    bool directoriesOnly = false;
};

// Clicks a browse button, notes what the dialog shows, then pastes `path`
// into its name box and presses Open, or cancels it if `path` is empty.
// Pasted rather than typed, since typing pops up the completer, which may
// still hold the keyboard when Open is pressed; and with nothing selected in
// the lists, since the dialog selects its start file there once it has read
// the folder, and a selected file would win over the pasted folder.
DialogSeen browse(WizardDriver &driver, QAbstractButton *button, const QString &path)
{
    DialogSeen seen;
    ModalAnswer answer([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        seen = {true, dialog->windowTitle(), dialog->nameFilters().join(QLatin1Char(';')),
                dialog->objectName(), dialog->directory().absolutePath(), dialog->selectedFiles(),
                dialog->fileMode() == QFileDialog::Directory && dialog->testOption(QFileDialog::ShowDirsOnly)};
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        for (QAbstractItemView *list : dialog->findChildren<QAbstractItemView *>())
            list->clearSelection();
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    });
    driver.click(button);
    return seen;
}

QColor textColour(const QLineEdit *edit)
{
    return edit->palette().color(QPalette::Text);
}

} // namespace

class ValidationTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { scratch = std::make_unique<ScratchDir>(); }
    void cleanup() { scratch.reset(); }

    void firstPageNeedsBothPathsAndAName();
    void keyReleaseAloneRevalidates();
    void compilerPersonalityIsMandatory();
    void optionalPersonalitiesMayBeEmptyButNotMissing();
    void refusedPathsSayWhy();
    void projectFileOffersTheToolsDefaultName();
    void nextStatesPersistAcrossPages();
    void browseDialogsFillEditsAndShareTheirStart();
    void cancelledBrowseChangesNothing();
    void projectDialogTakesAnMplabXProjectFolder();
    void pickedPathsUseTheNativeSeparator();

private:
    std::unique_ptr<ScratchDir> scratch;
};

void ValidationTest::firstPageNeedsBothPathsAndAName()
{
    scratch->write(QStringLiteral("motor.mcp"));
    scratch->makeDir(QStringLiteral("out"));
    MPLABConverter wizard;
    WizardDriver driver(wizard);

    driver.type(wizard.MPLABProjectEdit, QStringLiteral("missing.mcp"));
    QCOMPARE(textColour(wizard.MPLABProjectEdit), red);
    QCOMPARE(textColour(wizard.FenProjectEdit), red); // empty counts as missing
    QVERIFY(!wizard.FenNameEdit->testAttribute(Qt::WA_SetPalette));

    // Relative paths are judged from the working directory.
    driver.type(wizard.MPLABProjectEdit, QStringLiteral("motor.mcp"));
    driver.type(wizard.FenProjectEdit, QStringLiteral("out"));
    QCOMPARE(textColour(wizard.MPLABProjectEdit), black);
    QCOMPARE(textColour(wizard.FenProjectEdit), black);
    driver.type(wizard.FenNameEdit, QString()); // the name offered from motor.mcp
    QVERIFY(!driver.canPress(QWizard::NextButton)); // no name yet

    driver.type(wizard.FenNameEdit, QStringLiteral(" "));
    QVERIFY(driver.canPress(QWizard::NextButton)); // blanks are a name

    // A folder in place of the project file passes as well.
    driver.type(wizard.MPLABProjectEdit, scratch->path(QStringLiteral("out")));
    QCOMPARE(textColour(wizard.MPLABProjectEdit), black);
    QVERIFY(driver.canPress(QWizard::NextButton));

    driver.type(wizard.FenProjectEdit, QString());
    QCOMPARE(textColour(wizard.FenProjectEdit), red);
    QVERIFY(!driver.canPress(QWizard::NextButton));
}

void ValidationTest::keyReleaseAloneRevalidates()
{
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    driver.type(wizard.CmpPersonEdit, QStringLiteral("late.p_c"));
    QCOMPARE(textColour(wizard.CmpPersonEdit), red);

    // The file appears after typing; releasing any key checks again.
    scratch->write(QStringLiteral("late.p_c"));
    QTest::keyRelease(wizard.CmpPersonEdit, Qt::Key_Shift);
    QCOMPARE(textColour(wizard.CmpPersonEdit), black);
    QVERIFY(wizard.Page1->isComplete());
}

void ValidationTest::compilerPersonalityIsMandatory()
{
    const QString compiler = scratch->write(QStringLiteral("pic.p_c"));
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    driver.fillFirstPages(compiler, scratch->path(), QStringLiteral("p"), QString(), QString(), QString());
    QCOMPARE(wizard.currentPage(), wizard.Page1);
    QVERIFY(!driver.canPress(QWizard::NextButton));

    driver.type(wizard.CmpPersonEdit, compiler);
    QCOMPARE(textColour(wizard.CmpPersonEdit), black);
    QVERIFY(driver.canPress(QWizard::NextButton));

    driver.type(wizard.CmpPersonEdit, QString());
    QCOMPARE(textColour(wizard.CmpPersonEdit), red);
    QVERIFY(!driver.canPress(QWizard::NextButton));
}

void ValidationTest::optionalPersonalitiesMayBeEmptyButNotMissing()
{
    const QString compiler = scratch->write(QStringLiteral("pic.p_c"));
    const QString analyser = scratch->write(QStringLiteral("pic.p_a"));
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    driver.type(wizard.CmpPersonEdit, compiler);
    QVERIFY(wizard.Page1->isComplete());
    QVERIFY(!wizard.MsgPersonEdit->testAttribute(Qt::WA_SetPalette));

    driver.type(wizard.MsgPersonEdit, QStringLiteral("nowhere.p_s"));
    QCOMPARE(textColour(wizard.MsgPersonEdit), red);
    QVERIFY(!wizard.Page1->isComplete());

    // Cleared, the edit stays red but no longer holds the page back.
    driver.type(wizard.MsgPersonEdit, QString());
    QCOMPARE(textColour(wizard.MsgPersonEdit), red);
    QVERIFY(wizard.Page1->isComplete());

    driver.type(wizard.AnalPersonEdit, QStringLiteral("nowhere.p_a"));
    QVERIFY(!wizard.Page1->isComplete());
    driver.type(wizard.AnalPersonEdit, analyser);
    QCOMPARE(textColour(wizard.AnalPersonEdit), black);
    QVERIFY(wizard.Page1->isComplete());
}

// Each path edit says in a word beside its text why it is refused: the
// destination must be a folder, a personality a file; the MPLAB project may
// be either.
void ValidationTest::refusedPathsSayWhy()
{
    const QString file = scratch->write(QStringLiteral("pic.p_c"));
    const QString folder = scratch->makeDir(QStringLiteral("out"));
    const QString missing = scratch->path(QStringLiteral("nowhere"));
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    struct Case
    {
        QLineEdit *edit;
        QLabel *reason;
        QString path;
        QString said;
    };
    const QString none;
    const Case cases[] = {
        {wizard.MPLABProjectEdit, wizard.MPLABProjectReason, missing, QStringLiteral("missing")},
        {wizard.MPLABProjectEdit, wizard.MPLABProjectReason, folder, none},
        {wizard.MPLABProjectEdit, wizard.MPLABProjectReason, file, none},
        {wizard.FenProjectEdit, wizard.FenProjectReason, file, QStringLiteral("not a folder")},
        {wizard.FenProjectEdit, wizard.FenProjectReason, QString(), QStringLiteral("missing")},
        {wizard.FenProjectEdit, wizard.FenProjectReason, folder, none},
        {wizard.CmpPersonEdit, wizard.CmpPersonReason, folder, QStringLiteral("not a file")},
        {wizard.CmpPersonEdit, wizard.CmpPersonReason, missing, QStringLiteral("missing")},
        {wizard.CmpPersonEdit, wizard.CmpPersonReason, file, none},
        {wizard.MsgPersonEdit, wizard.MsgPersonReason, folder, QStringLiteral("not a file")},
        {wizard.MsgPersonEdit, wizard.MsgPersonReason, QString(), none}, // optional
        {wizard.AnalPersonEdit, wizard.AnalPersonReason, missing, QStringLiteral("missing")},
        {wizard.AnalPersonEdit, wizard.AnalPersonReason, file, none},
    };
    for (const Case &c : cases) {
        driver.type(c.edit, c.path);
        QCOMPARE(c.reason->text(), c.said);
        if (!c.path.isEmpty())
            QCOMPARE(textColour(c.edit), c.said.isEmpty() ? black : red);
        // The typed text stops short of the word.
        QCOMPARE(c.edit->textMargins().right() > 0, !c.said.isEmpty());
    }
    driver.type(wizard.FenNameEdit, QStringLiteral("p"));
    driver.type(wizard.FenProjectEdit, file);
    QVERIFY(!wizard.Page0->isComplete()); // a file is no destination
    driver.type(wizard.FenProjectEdit, folder);
    QVERIFY(wizard.Page0->isComplete());
}

void ValidationTest::projectFileOffersTheToolsDefaultName()
{
    scratch->write(QStringLiteral("motor.rev.mcp"));
    const QString other = scratch->write(QStringLiteral("pump.mcp"));
    const QString browsed = scratch->write(QStringLiteral("fan.mcp"));
    scratch->write(QStringLiteral("notes.txt"));
    MPLABConverter wizard;
    WizardDriver driver(wizard);

    // Typed letter by letter: only the whole name of an existing .mcp counts.
    driver.type(wizard.MPLABProjectEdit, QStringLiteral("notes.txt"));
    QCOMPARE(wizard.FenNameEdit->text(), QString());
    driver.type(wizard.MPLABProjectEdit, QStringLiteral("motor.rev.mcp"));
    QCOMPARE(wizard.FenNameEdit->text(), QStringLiteral("motor.rev"));

    // A name already there is the user's and stays.
    driver.type(wizard.MPLABProjectEdit, other);
    QCOMPARE(wizard.FenNameEdit->text(), QStringLiteral("motor.rev"));
    driver.type(wizard.FenNameEdit, QString());
    browse(driver, wizard.MPLABProjectBrowseBtn, browsed);
    QCOMPARE(wizard.FenNameEdit->text(), QStringLiteral("fan"));

    // An MPLAB X project, by its folder or its configurations.xml.
    scratch->makeDir(QStringLiteral("heater.X/nbproject"));
    const QString configurations = scratch->write(QStringLiteral("heater.X/nbproject/configurations.xml"));
    for (const QString &project : {scratch->path(QStringLiteral("heater.X")), configurations}) {
        driver.type(wizard.FenNameEdit, QString());
        driver.type(wizard.MPLABProjectEdit, project);
        QCOMPARE(wizard.FenNameEdit->text(), QStringLiteral("heater"));
    }
}

void ValidationTest::nextStatesPersistAcrossPages()
{
    const QString compiler = scratch->write(QStringLiteral("pic.p_c"));
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    driver.fillFirstPages(compiler, scratch->path(), QStringLiteral("p"), QString(), QString(), compiler);
    QCOMPARE(wizard.currentPage(), wizard.Page2);
    QVERIFY(driver.canPress(QWizard::NextButton)); // the extensions need nothing

    driver.press(QWizard::BackButton);
    driver.press(QWizard::BackButton);
    QCOMPARE(wizard.currentPage(), wizard.Page0);
    QCOMPARE(wizard.FenNameEdit->text(), QStringLiteral("p")); // going back clears nothing
    QVERIFY(driver.canPress(QWizard::NextButton));
    driver.press(QWizard::NextButton);
    QVERIFY(driver.canPress(QWizard::NextButton));
}

void ValidationTest::browseDialogsFillEditsAndShareTheirStart()
{
    const QString project = scratch->write(QStringLiteral("motor.mcp"));
    const QString compiler = scratch->write(QStringLiteral("pic.p_c"));
    MPLABConverter wizard;
    WizardDriver driver(wizard);

    DialogSeen seen = browse(driver, wizard.MPLABProjectBrowseBtn, project);
    QVERIFY(seen.opened);
#ifndef Q_OS_WIN
    // The first dialog starts at the root, not at a file named "\\".
    QCOMPARE(seen.startFolder, QStringLiteral("/"));
    for (const QString &selected : seen.startSelection)
        QVERIFY2(!selected.contains(QLatin1Char('\\')), qPrintable(selected));
#endif
    QCOMPARE(seen.caption, QStringLiteral("Select an MPLAB Project"));
    QCOMPARE(seen.filter, QStringLiteral("MPLAB Projects (*.mcp configurations.xml)"));
    QCOMPARE(seen.name, QStringLiteral("open file dialog"));
    QCOMPARE(wizard.MPLABProjectEdit->text(), MPLABConverter::toBackslashes(project));
    QCOMPARE(textColour(wizard.MPLABProjectEdit), black);

    // Another button's dialog starts at the file picked last.
    seen = browse(driver, wizard.FenProjectBrowseBtn, scratch->path());
    QCOMPARE(seen.caption, QStringLiteral("Select the Tarn/Tarn++ Project Destination Directory"));
    QCOMPARE(seen.name, QStringLiteral("get existing directory"));
    QVERIFY(seen.directoriesOnly);
    QCOMPARE(seen.startFolder, scratch->path());
    QCOMPARE(wizard.FenProjectEdit->text(), MPLABConverter::toBackslashes(scratch->path()));

    driver.type(wizard.FenNameEdit, QStringLiteral("p"));
    driver.press(QWizard::NextButton);
    const QList<std::pair<QPushButton *, QStringList>> personalityDialogs = {
        {wizard.MsgBrowseBtn, {"Select a Message Personality", "Msg Personalities(*.p_s)"}},
        {wizard.AnalBrowseBtn, {"Select a Template Analyser Personality", "Analiser Personalities(*.p_a)"}},
        {wizard.CmpBrowseBtn, {"Select a Compiler Personality", "Cmp Personalities(*.p_c)"}},
    };
    for (const auto &[button, expected] : personalityDialogs) {
        seen = browse(driver, button, compiler);
        QCOMPARE(QStringList({seen.caption, seen.filter}), expected);
        QCOMPARE(seen.name, QStringLiteral("open file dialog"));
    }
    QCOMPARE(wizard.CmpPersonEdit->text(), MPLABConverter::toBackslashes(compiler));
    QVERIFY(driver.canPress(QWizard::NextButton));
}

void ValidationTest::cancelledBrowseChangesNothing()
{
    const QString project = scratch->write(QStringLiteral("motor.mcp"));
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    browse(driver, wizard.MPLABProjectBrowseBtn, project);
    driver.type(wizard.MPLABProjectEdit, QStringLiteral("typed by hand"));

    QVERIFY(browse(driver, wizard.MPLABProjectBrowseBtn, QString()).opened);
    QCOMPARE(wizard.MPLABProjectEdit->text(), QStringLiteral("typed by hand"));

    // The start is still the path picked before the cancelled dialog.
    const DialogSeen seen = browse(driver, wizard.MPLABProjectBrowseBtn, QString());
    QCOMPARE(seen.startFolder, scratch->path());
    QCOMPARE(seen.startSelection, QStringList(project));
}

// Opening a folder in the project dialog goes into it, unless it is an
// MPLAB X project: then the folder itself is the pick, as an .mcp file is.
void ValidationTest::projectDialogTakesAnMplabXProjectFolder()
{
    // Wine's Z: drive (the Unix root) refuses its volume information to
    // Qt's own file dialog, which then waits on it; Windows itself has no
    // such drive, and the dialog's logic is the same on every platform.
    if (qEnvironmentVariableIsSet("WINEPREFIX"))
        QSKIP("Qt's own file dialog waits on Wine's Z: drive");
    const QString plain = scratch->makeDir(QStringLiteral("firmware.X"));
    const QString project = scratch->makeDir(QStringLiteral("firmware.X/pump.X/nbproject"));
    scratch->write(QStringLiteral("firmware.X/pump.X/nbproject/configurations.xml"));
    const QString folder = QFileInfo(project).absolutePath();
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    QString enteredFirst;
    bool stillOpen = false;
    ModalAnswer answer([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        for (QAbstractItemView *list : dialog->findChildren<QAbstractItemView *>())
            list->clearSelection();
        name->setText(plain);
        static_cast<QDialog *>(dialog)->accept();
        enteredFirst = dialog->directory().absolutePath();
        stillOpen = dialog->isVisible();
        name->setText(folder);
        static_cast<QDialog *>(dialog)->accept();
    });
    driver.click(wizard.MPLABProjectBrowseBtn);
    QVERIFY(answer.answered());
    QCOMPARE(enteredFirst, plain);
    QVERIFY(stillOpen);
    QCOMPARE(wizard.MPLABProjectEdit->text(), MPLABConverter::toBackslashes(folder));
    QCOMPARE(wizard.FenNameEdit->text(), QStringLiteral("pump"));
    QVERIFY(!wizard.configurationCombo->isHidden());
}

void ValidationTest::pickedPathsUseTheNativeSeparator()
{
#ifdef Q_OS_WIN
    QCOMPARE(MPLABConverter::toBackslashes(QStringLiteral("C:/work/motor.mcp")),
             QStringLiteral("C:\\work\\motor.mcp"));
#else
    // Elsewhere the slash is the separator, and the path must keep naming
    // the file it was picked as.
    QCOMPARE(MPLABConverter::toBackslashes(QStringLiteral("/work/motor.mcp")),
             QStringLiteral("/work/motor.mcp"));
#endif
}

QTEST_MAIN(ValidationTest)
#include "ValidationTest.moc"
