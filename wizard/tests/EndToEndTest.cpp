// The wizard driving the real Quillbrook of this build over the bundled
// example project.

#include "MPLABConverter.h"
#include "WizardTestSupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>

class EndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void convertsTheBundledExample();
    void showsTheToolsWarningsAboutAFileThatIsNoProject();
};

void EndToEndTest::convertsTheBundledExample()
{
    ScratchDir scratch;
    const QByteArray previousPath = qgetenv("PATH");
    qputenv("PATH", QDir::toNativeSeparators(QStringLiteral(QUILLBROOK_DIR)).toLocal8Bit()
                        + QDir::listSeparator().toLatin1() + previousPath);
    // Typed as a user types them: on Windows the tool takes only the
    // backslash as a separator.
    const auto example = [](const char *name) {
        return QDir::toNativeSeparators(QStringLiteral(EXAMPLES_DIR "/") + QLatin1String(name));
    };

    MPLABConverter wizard;
    WizardDriver driver(wizard);
    driver.fillFirstPages(example("motor/motor.mcp"), QDir::toNativeSeparators(scratch.makeDir(QStringLiteral("out"))),
                          QStringLiteral("motor"), QString(), example("personalities/template.p_a"),
                          example("personalities/pic18.p_c"));
    driver.click(wizard.cCheck);
    driver.click(wizard.hCheck);
    driver.press(QWizard::NextButton);
    // A failed run's box would wait for a click: close it, and fail below.
    ModalAnswer failureBox([](QWidget *modal) { modal->close(); });
    driver.press(QWizard::FinishButton);
    QTRY_VERIFY_WITH_TIMEOUT(driver.button(QWizard::BackButton)->isEnabled(), 30000);
    qputenv("PATH", previousPath);

    const QString log = wizard.DetailsText->toPlainText();
    QVERIFY2(!failureBox.answered(), qPrintable(log));
    const qsizetype creating = log.indexOf(QLatin1String("Creating Tarn/Tarn++ Project ..."));
    const qsizetype group = log.indexOf(QLatin1String("  Creating Group - "));
    const qsizetype completed = log.indexOf(QLatin1String("Tarn/Tarn++ Project Completed!"));
    QVERIFY2(creating > 0 && creating < group && group < completed, qPrintable(log));
    QVERIFY2(log.endsWith(QLatin1String("Project Converted Successfully!")), qPrintable(log));
    QCOMPARE(driver.button(QWizard::CancelButton)->text(), QStringLiteral("Close"));
    QVERIFY(QFileInfo::exists(scratch.path(QStringLiteral("out/motor.prj"))));
    QVERIFY(scratch.read(QStringLiteral("settings.txt")).startsWith("Analyser Personality:\n"));
}

// A text file taken for the MPLAB project converts to an empty project; the
// tool's warning about it reaches the log, and the result line counts it.
void EndToEndTest::showsTheToolsWarningsAboutAFileThatIsNoProject()
{
    ScratchDir scratch;
    const QByteArray previousPath = qgetenv("PATH");
    qputenv("PATH", QDir::toNativeSeparators(QStringLiteral(QUILLBROOK_DIR)).toLocal8Bit()
                        + QDir::listSeparator().toLatin1() + previousPath);
    const QString notes = scratch.write(QStringLiteral("notes.txt"), "shopping list\nmilk\n");

    MPLABConverter wizard;
    WizardDriver driver(wizard);
    // Typed with slashes, which Windows takes as well as backslashes.
    driver.fillFirstPages(notes, scratch.makeDir(QStringLiteral("out")), QStringLiteral("notes"), QString(),
                          QString(), QStringLiteral(EXAMPLES_DIR "/personalities/pic18.p_c"));
    driver.press(QWizard::NextButton);
    ModalAnswer failureBox([](QWidget *modal) { modal->close(); });
    driver.press(QWizard::FinishButton);
    QTRY_VERIFY_WITH_TIMEOUT(driver.button(QWizard::BackButton)->isEnabled(), 30000);
    qputenv("PATH", previousPath);

    const QString log = wizard.DetailsText->toPlainText();
    QVERIFY2(!failureBox.answered(), qPrintable(log));
    QVERIFY2(log.contains(QLatin1String("\nQuillbrook: warning: ")), qPrintable(log));
    const qsizetype converted = log.indexOf(QLatin1String("Project Converted Successfully!\nThere "));
    QVERIFY2(converted > 0 && log.indexOf(QLatin1String("warning")) < converted, qPrintable(log));
}

QTEST_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
