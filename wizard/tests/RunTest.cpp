// Running the tool from Finish, with a stand-in Quillbrook first on PATH:
// the arguments it receives, its output in the details pane, how its exit
// is reported, one run at a time, and every way out of the wizard.

#include "MPLABConverter.h"
#include "PathMappingsDialog.h"
#include "WizardPage.h"
#include "WizardTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

#include <functional>

#include <memory>

namespace {

const QString initialising = QStringLiteral("Initialising Project Conversion ...\n");
const QString converted = QStringLiteral("Project Converted Successfully!");

// Runs the application's event loop, as the program does, does `leave` in it
// and returns exec()'s result: 0 once the wizard's window has gone, 99 if the
// loop is still running after five seconds.
int execAndLeave(const std::function<void()> &leave)
{
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(99); });
    watchdog.start(5000);
    QTimer::singleShot(0, leave);
    return QApplication::exec();
}

// Opens the path mappings from the extensions page and types `rows` (pairs
// "from", "to") into its table, then OK.
void enterMappings(MPLABConverter &wizard, WizardDriver &driver, const QStringList &rows)
{
    ModalAnswer fill([&](QWidget *modal) {
        auto *dialog = qobject_cast<PathMappingsDialog *>(modal);
        for (qsizetype i = 0; i + 1 < rows.size(); i += 2) {
            if (i > 0)
                dialog->addButton->click();
            const int row = dialog->table->currentRow();
            dialog->table->item(row, 0)->setText(rows[i]);
            dialog->table->item(row, 1)->setText(rows[i + 1]);
        }
        dialog->accept();
    });
    driver.click(wizard.mappingsButton);
    QVERIFY(fill.answered());
}

} // namespace

class RunTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { scratch.reset(); }

    void successSendsEveryInputAsTypedAndShowsTheOutput();
    void emptyOptionsAreLeftOut();
    void configurationAndMappingsReachTheTool_data();
    void configurationAndMappingsReachTheTool();
    void logShowsTextAsTextAndSaysWhereToAct_data();
    void logShowsTextAsTextAndSaysWhereToAct();
    void failureShowsTheMessageBox();
    void standardErrorStandsApartInOrderAndWarningsAreCounted();
    void failureShowsTheToolsReason();
    void databaseBoxAddsCdbBesideTheProject_data();
    void databaseBoxAddsCdbBesideTheProject();
    void crashShowsNothing();
    void abortIsAFailureOnlyOnWindows();
    void linesSplitAcrossReadsShowWhole();
    void startFailureWithoutToolOnPath();
    void oneRunAtATime();
    void cancelDuringRunKillsTheTool();
    void everyWayOutEndsTheWizard_data();
    void everyWayOutEndsTheWizard();

private:
    void reachFinish(MPLABConverter &wizard, WizardDriver &driver);
    void startHeldRun(MPLABConverter &wizard, WizardDriver &driver);
    void waitForExit(MPLABConverter &wizard);

    std::unique_ptr<ScratchDir> scratch;
};

void RunTest::init()
{
    scratch = std::make_unique<ScratchDir>();
    for (const char *name : {"motor.mcp", "pic.p_c", "msg one.p_s", "anal.p_a"})
        scratch->write(QLatin1String(name));
}

// The shortest way to Finish: the mandatory inputs only.
void RunTest::reachFinish(MPLABConverter &wizard, WizardDriver &driver)
{
    driver.fillFirstPages(QStringLiteral("motor.mcp"), QStringLiteral("."), QStringLiteral("motor"),
                          QString(), QString(), QStringLiteral("pic.p_c"));
    driver.press(QWizard::NextButton);
    QVERIFY(driver.canPress(QWizard::FinishButton));
    QCOMPARE(wizard.currentPage(), wizard.Page3);
}

// Presses Finish and waits until the held stand-in has printed its line.
void RunTest::startHeldRun(MPLABConverter &wizard, WizardDriver &driver)
{
    reachFinish(wizard, driver);
    driver.press(QWizard::FinishButton);
    QTRY_VERIFY_WITH_TIMEOUT(wizard.DetailsText->toPlainText().contains(QLatin1String("line 1")), 10000);
}

void RunTest::waitForExit(MPLABConverter &wizard)
{
    // Every handled exit ends by saving the settings.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(scratch->path(QStringLiteral("settings.txt"))), 10000);
    QTRY_VERIFY(wizard.button(QWizard::BackButton)->isEnabled());
}

void RunTest::successSendsEveryInputAsTypedAndShowsTheOutput()
{
    StandIn tool(*scratch);
    tool.printLines(3);
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    driver.fillFirstPages(QStringLiteral("motor.mcp"), QStringLiteral("."), QStringLiteral(" my motor "),
                          QStringLiteral("msg one.p_s"), QStringLiteral("anal.p_a"), QStringLiteral("pic.p_c"));
    driver.click(wizard.cppCheck);
    driver.click(wizard.hCheck);
    driver.type(wizard.CustExtEdit, QStringLiteral("res, xml,"));
    driver.click(wizard.switchesCheck);
    driver.press(QWizard::NextButton);
    driver.press(QWizard::FinishButton);
    QTRY_VERIFY_WITH_TIMEOUT(wizard.DetailsText->toPlainText().endsWith(converted), 10000);

    // The checked switches box adds "-sw", last.
    QCOMPARE(tool.arguments(),
             QStringList({"motor.mcp", ".", "-cp", "pic.p_c", "-pn", " my motor ", "-mp", "msg one.p_s",
                          "-ap", "anal.p_a", "-ext", "cpp,h,res, xml", "-sw"}));
    const QString log = wizard.DetailsText->toPlainText();
    QVERIFY2(log.startsWith(initialising), qPrintable(log));
    const qsizetype first = log.indexOf(QLatin1String("line 1"));
    const qsizetype second = log.indexOf(QLatin1String("line 2"));
    const qsizetype third = log.indexOf(QLatin1String("line 3"));
    QVERIFY2(first > 0 && first < second && second < third, qPrintable(log));
    QCOMPARE(driver.button(QWizard::CancelButton)->text(), QStringLiteral("Close"));
    waitForExit(wizard);
    QVERIFY(!driver.canPress(QWizard::FinishButton));
    // The box is not remembered: the settings hold the three paths only.
    QCOMPARE(scratch->read(QStringLiteral("settings.txt")),
             QByteArray("Message Personality:\nmsg one.p_s\n\nAnalyser Personality:\nanal.p_a\n\n"
                        "Compiler Personality:\npic.p_c\n\n"));

    // Back and Next bring a fresh summary and a second run; Close stays.
    driver.press(QWizard::BackButton);
    driver.press(QWizard::NextButton);
    QVERIFY(wizard.DetailsText->toPlainText().startsWith(QStringLiteral("MPLAB Project:\nmotor.mcp\n")));
    QVERIFY(driver.canPress(QWizard::FinishButton));
    tool.printLines(0);
    driver.press(QWizard::FinishButton);
    QTRY_COMPARE_WITH_TIMEOUT(wizard.DetailsText->toPlainText(), initialising + QLatin1Char('\n') + converted, 10000);
    QCOMPARE(driver.button(QWizard::CancelButton)->text(), QStringLiteral("Close"));
}

void RunTest::emptyOptionsAreLeftOut()
{
    StandIn tool(*scratch);
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    reachFinish(wizard, driver);
    driver.press(QWizard::FinishButton);
    waitForExit(wizard);
    QCOMPARE(tool.arguments(), QStringList({"motor.mcp", ".", "-cp", "pic.p_c", "-pn", "motor"}));
}

void RunTest::configurationAndMappingsReachTheTool_data()
{
    QTest::addColumn<QString>("project");
    QTest::addColumn<QByteArray>("configurations"); // what the tool lists
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QStringList>("mappings");
    QTest::addColumn<bool>("switchesAndDatabase");
    QTest::addColumn<QStringList>("tail"); // the arguments after "-pn", "motor"
    QTest::addColumn<QString>("summaryTail");

    const QString database = MPLABConverter::toBackslashes(QStringLiteral(".") + QDir::separator()
                                                           + QStringLiteral("compile_commands.json"));
    const QString lib = MPLABConverter::toBackslashes(QStringLiteral("lib/c32"));
    QTest::newRow(".mcp: mappings in order, no choice")
        << "motor.mcp" << QByteArray("default,other") << -1 << QStringList{"C:\\C32", "lib/c32", "/old", "new"}
        << false << QStringList{"-map", "C:\\C32=" + lib, "-map", "/old=new"}
        << "\nPath Mappings:\nC:\\C32 -> lib/c32\n/old -> new\n";
    QTest::newRow("folder: the second configuration")
        << "pump.X" << QByteArray("default,PIC24FJ64GB002") << 1 << QStringList{} << false
        << QStringList{"-conf", "PIC24FJ64GB002"} << "\nConfiguration:\nPIC24FJ64GB002\n";
    QTest::newRow("configurations.xml: first chosen, a mapping, -sw and -cdb")
        << "pump.X/nbproject/configurations.xml" << QByteArray("default,PIC24") << 0
        << QStringList{"C:\\C32", "lib/c32"} << true
        << QStringList{"-sw", "-cdb", database, "-map", "C:\\C32=" + lib, "-conf", "default"}
        << "\nConfiguration:\ndefault\n\nPath Mappings:\nC:\\C32 -> lib/c32\n";
    QTest::newRow("folder: no names listed, no -conf")
        << "pump.X" << QByteArray("") << -1 << QStringList{} << true
        << QStringList{"-sw", "-cdb", database}
        << "\nCompilation Database:\n." + QString(QDir::separator()) + "compile_commands.json\n";
}

void RunTest::configurationAndMappingsReachTheTool()
{
    QFETCH(QString, project);
    QFETCH(QByteArray, configurations);
    QFETCH(int, chosen);
    QFETCH(QStringList, mappings);
    QFETCH(bool, switchesAndDatabase);
    QFETCH(QStringList, tail);
    QFETCH(QString, summaryTail);
    scratch->makeDir(QStringLiteral("pump.X/nbproject"));
    scratch->write(QStringLiteral("pump.X/nbproject/configurations.xml"));
    StandIn tool(*scratch);
    tool.listConfigurations(configurations);
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    driver.fillFirstPages(project, QStringLiteral("."), QStringLiteral("motor"), QString(), QString(),
                          QStringLiteral("pic.p_c"));
    // Shown for an MPLAB X project only, filled from the tool, the first chosen.
    QCOMPARE(wizard.configurationCombo->isVisibleTo(wizard.Page0), project != QLatin1String("motor.mcp"));
    if (chosen >= 0) {
        QTRY_COMPARE_WITH_TIMEOUT(wizard.configurationCombo->count(), 2, 10000);
        QCOMPARE(wizard.configurationCombo->currentIndex(), 0);
        wizard.configurationCombo->setCurrentIndex(chosen);
    }
    if (!mappings.isEmpty())
        enterMappings(wizard, driver, mappings);
    if (switchesAndDatabase) {
        driver.click(wizard.switchesCheck);
        driver.click(wizard.databaseCheck);
    }
    driver.press(QWizard::NextButton);
    const QString summary = wizard.DetailsText->toPlainText();
    QVERIFY2(summary.endsWith(summaryTail), qPrintable(summary));
    driver.press(QWizard::FinishButton);
    waitForExit(wizard);
    QCOMPARE(tool.arguments(), QStringList({MPLABConverter::toBackslashes(project), ".", "-cp", "pic.p_c",
                                            "-pn", "motor"}) + tail);
}

void RunTest::logShowsTextAsTextAndSaysWhereToAct_data()
{
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QByteArray>("errorLine");
    QTest::addColumn<QStringList>("tail"); // the last lines of the log

    const QString mapHint = QStringLiteral("To convert sources that are on this machine under another folder: "
                                           "Back to the file extensions page, Path Mappings...");
    const QString confHint = QStringLiteral("To convert another configuration: Back to the first page, Configuration.");
    const QString oneWarning = QStringLiteral("There was 1 warning: see the dark red line above.");
    QTest::newRow("markup on standard output")
        << QByteArray("  Creating Group - <b>bold</b>\n  Creating Group - a&amp;b <br>\n") << QByteArray()
        << QStringList{"  Creating Group - <b>bold</b>", "  Creating Group - a&amp;b <br>", converted};
    const QByteArray missing = "Quillbrook: warning: left out 4 of 4 sources that are not on this machine, "
                               "first C:\\<i>lib</i>\\a.c (-map FROM=TO points a folder written on "
                               "another machine at this one)";
    QTest::newRow("missing sources")
        << QByteArray() << missing
        << QStringList{QString::fromLatin1(missing), converted, oneWarning, mapHint};
    const QByteArray several = "Quillbrook: warning: C:\\p.X\\nbproject\\configurations.xml has several "
                               "configurations; converted default, not PIC24 (\"-conf NAME\" picks one)";
    QTest::newRow("other configurations")
        << QByteArray() << several << QStringList{QString::fromLatin1(several), converted, oneWarning, confHint};
    QTest::newRow("another warning, no hint")
        << QByteArray() << QByteArray("Quillbrook: warning: &lt;conf&gt; -map")
        << QStringList{"Quillbrook: warning: &lt;conf&gt; -map", converted, oneWarning};
}

void RunTest::logShowsTextAsTextAndSaysWhereToAct()
{
    QFETCH(QByteArray, output);
    QFETCH(QByteArray, errorLine);
    QFETCH(QStringList, tail);
    StandIn tool(*scratch);
    if (!output.isEmpty())
        tool.alsoPrint(output);
    if (!errorLine.isEmpty())
        tool.endWithErrorLine(errorLine);
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    reachFinish(wizard, driver);
    driver.press(QWizard::FinishButton);
    waitForExit(wizard);
    const QString log = wizard.DetailsText->toPlainText();
    QVERIFY2(log.endsWith(tail.join(QLatin1Char('\n'))), qPrintable(log));
}

void RunTest::failureShowsTheMessageBox()
{
    StandIn tool(*scratch);
    tool.printLines(1);
    tool.exitWith(1);
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    reachFinish(wizard, driver);
    QString caption, text;
    ModalAnswer closeBox([&](QWidget *modal) {
        caption = modal->windowTitle();
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            text = box->text();
        modal->close();
    });
    driver.press(QWizard::FinishButton);
    waitForExit(wizard);

    QVERIFY(closeBox.answered());
    QCOMPARE(caption, QStringLiteral("MPLAB Project Converter"));
    QCOMPARE(text, QStringLiteral("Project Conversion Failed!\nPlease check the details log and try again."));
    QVERIFY(wizard.DetailsText->toPlainText().contains(QLatin1String("line 1")));
    QVERIFY(!wizard.DetailsText->toPlainText().contains(converted));
    QVERIFY(driver.button(QWizard::CancelButton)->text() != QStringLiteral("Close"));
}

void RunTest::standardErrorStandsApartInOrderAndWarningsAreCounted()
{
    StandIn tool(*scratch);
    tool.printLines(3);
    tool.warnAfterLines(2);
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    reachFinish(wizard, driver);
    driver.press(QWizard::FinishButton);
    waitForExit(wizard);

    // Every line of both channels, in the order the tool wrote them.
    const QStringList expected = {"line 1", "Quillbrook: warning: warning 1", "line 2",
                                  "Quillbrook: warning: warning 2", "line 3", converted,
                                  "There were 2 warnings: see the dark red lines above."};
    const QString log = wizard.DetailsText->toPlainText();
    qsizetype at = 0;
    for (const QString &line : expected) {
        const qsizetype found = log.indexOf(line, at);
        QVERIFY2(found >= at, qPrintable(line + QStringLiteral(" in:\n") + log));
        at = found + line.size();
    }
    // Standard error is set apart in dark red; standard output is not.
    const QColor darkRed(139, 0, 0);
    int redBlocks = 0;
    for (QTextBlock block = wizard.DetailsText->document()->begin(); block.isValid(); block = block.next()) {
        if (block.text().isEmpty())
            continue;
        const bool red = block.begin().fragment().charFormat().foreground().color() == darkRed;
        QCOMPARE(red, block.text().startsWith(QLatin1String("Quillbrook: ")));
        redBlocks += red;
    }
    QCOMPARE(redBlocks, 2);
}

void RunTest::failureShowsTheToolsReason()
{
    StandIn tool(*scratch);
    tool.printLines(1);
    tool.endWithErrorLine("Quillbrook: error: /work/out/motor.prj: Permission denied");
    tool.exitWith(1);
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    reachFinish(wizard, driver);
    ModalAnswer closeBox([](QWidget *modal) { modal->close(); });
    driver.press(QWizard::FinishButton);
    waitForExit(wizard);
    QVERIFY(closeBox.answered());
    const QString log = wizard.DetailsText->toPlainText();
    QVERIFY2(log.endsWith(QStringLiteral("Quillbrook: error: /work/out/motor.prj: Permission denied\n"
                                         "Project Conversion Failed: /work/out/motor.prj: Permission denied")),
             qPrintable(log));
}

void RunTest::databaseBoxAddsCdbBesideTheProject_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("database");
    QTest::newRow("slashes") << QStringLiteral("out/sub") << QStringLiteral("out/sub/compile_commands.json");
    QTest::newRow("ending in one") << QStringLiteral("out/") << QStringLiteral("out/compile_commands.json");
    QTest::newRow("no separator") << QStringLiteral(".")
                                  << QStringLiteral(".") + QDir::separator() + QStringLiteral("compile_commands.json");
#ifdef Q_OS_WIN
    QTest::newRow("backslashes") << QStringLiteral("out\\sub") << QStringLiteral("out\\sub\\compile_commands.json");
#endif
}

void RunTest::databaseBoxAddsCdbBesideTheProject()
{
    QFETCH(QString, folder);
    QFETCH(QString, database);
    scratch->makeDir(QStringLiteral("out/sub"));
    StandIn tool(*scratch);
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    driver.fillFirstPages(QStringLiteral("motor.mcp"), folder, QStringLiteral("motor"), QString(), QString(),
                          QStringLiteral("pic.p_c"));
    driver.click(wizard.databaseCheck);
    driver.press(QWizard::NextButton);
    QVERIFY(wizard.DetailsText->toPlainText().endsWith(QStringLiteral("\nCompilation Database:\n") + database
                                                       + QLatin1Char('\n')));
    driver.press(QWizard::FinishButton);
    waitForExit(wizard);
    // The summary shows the path as typed; the tool gets it in the host's
    // separators (on Windows, a typed slash becomes a backslash).
    QCOMPARE(tool.arguments(), QStringList({"motor.mcp", MPLABConverter::toBackslashes(folder), "-cp", "pic.p_c",
                                            "-pn", "motor", "-cdb", MPLABConverter::toBackslashes(database)}));
}

void RunTest::crashShowsNothing()
{
    StandIn tool(*scratch);
    tool.crash();
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    reachFinish(wizard, driver);
    ModalAnswer unexpected([](QWidget *modal) { modal->close(); });
    driver.press(QWizard::FinishButton);
    waitForExit(wizard);
    QTest::qWait(100);
    QVERIFY(!unexpected.answered());
    QCOMPARE(wizard.DetailsText->toPlainText(), initialising);
}

// abort() ends a Windows program with status 3, a normal exit the wizard
// cannot tell from a failed run; elsewhere it is a crash and shows nothing.
void RunTest::abortIsAFailureOnlyOnWindows()
{
    StandIn tool(*scratch);
    tool.abort();
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    reachFinish(wizard, driver);
    QString text;
    ModalAnswer box([&](QWidget *modal) {
        if (auto *message = qobject_cast<QMessageBox *>(modal))
            text = message->text();
        modal->close();
    });
    driver.press(QWizard::FinishButton);
    waitForExit(wizard);
    QTest::qWait(100);
#ifdef Q_OS_WIN
    QCOMPARE(text, QStringLiteral("Project Conversion Failed!\nPlease check the details log and try again."));
#else
    QVERIFY(!box.answered());
#endif
    QCOMPARE(wizard.DetailsText->toPlainText(), initialising);
}

// However the reads cut the output, each line shows once, whole, with no
// blank line: neither a CR LF split between two reads nor a line split
// inside breaks it, and a last line without a line end still shows.
void RunTest::linesSplitAcrossReadsShowWhole()
{
    StandIn tool(*scratch);
    tool.printLinesInPieces(3);
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    reachFinish(wizard, driver);
    driver.press(QWizard::FinishButton);
    QTRY_VERIFY_WITH_TIMEOUT(wizard.DetailsText->toPlainText().endsWith(converted), 10000);
    QCOMPARE(wizard.DetailsText->toPlainText(),
             initialising + QStringLiteral("\nline 1\nline 2\nline 3\n") + converted);
}

void RunTest::startFailureWithoutToolOnPath()
{
    EmptyPath nothing(*scratch);
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    reachFinish(wizard, driver);
    driver.press(QWizard::FinishButton);
    QTRY_VERIFY(driver.button(QWizard::BackButton)->isEnabled());
#ifdef Q_OS_WIN
    const QString program = QStringLiteral("Quillbrook.exe");
#else
    const QString program = QStringLiteral("Quillbrook");
#endif
    QCOMPARE(wizard.DetailsText->toPlainText(),
             initialising + QStringLiteral("\nProject Conversion could not be executed: Please ensure ") + program
                 + QStringLiteral(" is set on the path.\n"));
    QVERIFY(!driver.canPress(QWizard::FinishButton));
    QVERIFY(!QFile::exists(scratch->path(QStringLiteral("settings.txt")))); // nothing exited
}

void RunTest::oneRunAtATime()
{
    StandIn tool(*scratch);
    tool.printLines(1);
    tool.holdUntilReleased();
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    startHeldRun(wizard, driver);
    QVERIFY(!driver.button(QWizard::BackButton)->isEnabled());
    QVERIFY(!driver.button(QWizard::FinishButton)->isEnabled());

    tool.release();
    waitForExit(wizard);
    QVERIFY(!driver.button(QWizard::FinishButton)->isEnabled());
}

void RunTest::cancelDuringRunKillsTheTool()
{
    StandIn tool(*scratch);
    tool.printLines(1);
    tool.holdUntilReleased();
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    startHeldRun(wizard, driver);
    auto *process = wizard.findChild<QProcess *>();
    QCOMPARE(process->state(), QProcess::Running);

    QCOMPARE(execAndLeave([&] { driver.press(QWizard::CancelButton); }), 0);
    QVERIFY(!wizard.isVisible());
    QTRY_COMPARE(process->state(), QProcess::NotRunning);
    QCOMPARE(process->exitStatus(), QProcess::CrashExit);
    QTest::qWait(100);
    QVERIFY(!QFile::exists(scratch->path(QStringLiteral("settings.txt")))); // Cancel saves nothing
}

void RunTest::everyWayOutEndsTheWizard_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("Cancel") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("close box") << 2;
}

void RunTest::everyWayOutEndsTheWizard()
{
    QFETCH(int, way);
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    const int result = execAndLeave([&] {
        if (way == 0)
            driver.press(QWizard::CancelButton);
        else if (way == 1)
            QTest::keyClick(&wizard, Qt::Key_Escape);
        else
            wizard.close();
    });
    QCOMPARE(result, 0);
    QVERIFY(!wizard.isVisible());
}

QTEST_MAIN(RunTest)
#include "RunTest.moc"
