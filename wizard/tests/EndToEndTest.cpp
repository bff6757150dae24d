// The wizard driving the real Quillbrook of this build over the bundled
// example project.

#include "MPLABConverter.h"
#include "PathMappingsDialog.h"
#include "WizardTestSupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
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
    void mplabXFolderWithAChosenConfigurationAndAMappedFolder();
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

namespace {

// Two configurations; one source where it was on its author's machine.
const char TwoConfigurations[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<configurationDescriptor version="65">
  <logicalFolder name="root" displayName="root" projectFiles="true">
    <itemPath>main.c</itemPath>
    <itemPath>C:/Author/usb/usb_device.c</itemPath>
  </logicalFolder>
  <confs>
    <conf name="PIC24FJ64GB002" type="2">
      <toolsSet><languageToolchain>XC16</languageToolchain><targetDevice>PIC24FJ64GB002</targetDevice></toolsSet>
      <C30><property key="preprocessor-macros" value="BOARD=1"/></C30>
    </conf>
    <conf name="PIC24FJ256GB106" type="2">
      <toolsSet><languageToolchain>XC16</languageToolchain><targetDevice>PIC24FJ256GB106</targetDevice></toolsSet>
      <C30><property key="preprocessor-macros" value="BOARD=2"/></C30>
    </conf>
  </confs>
</configurationDescriptor>
)";

// Finish, then the log once the tool has ended.
QString runToTheEnd(WizardDriver &driver, MPLABConverter &wizard)
{
    ModalAnswer failureBox([](QWidget *modal) { modal->close(); });
    driver.press(QWizard::FinishButton);
    if (!QTest::qWaitFor([&] { return driver.button(QWizard::BackButton)->isEnabled(); }, 30000))
        return QStringLiteral("the run did not end");
    return wizard.DetailsText->toPlainText();
}

} // namespace

// As a user with a project from another machine: the .X folder, the second
// configuration; the log says where to map the missing source, and with the
// mapping the database holds it.
void EndToEndTest::mplabXFolderWithAChosenConfigurationAndAMappedFolder()
{
    ScratchDir scratch;
    const QByteArray previousPath = qgetenv("PATH");
    qputenv("PATH", QDir::toNativeSeparators(QStringLiteral(QUILLBROOK_DIR)).toLocal8Bit()
                        + QDir::listSeparator().toLatin1() + previousPath);
    scratch.makeDir(QStringLiteral("usb_cdc.X/nbproject"));
    scratch.write(QStringLiteral("usb_cdc.X/nbproject/configurations.xml"), TwoConfigurations);
    scratch.write(QStringLiteral("usb_cdc.X/main.c"), "int main(void) { return 0; }\n");
    const QString here = QDir::toNativeSeparators(scratch.makeDir(QStringLiteral("here/usb")));
    scratch.write(QStringLiteral("here/usb/usb_device.c"), "void usb(void) {}\n");

    MPLABConverter wizard;
    WizardDriver driver(wizard);
    driver.fillFirstPages(QDir::toNativeSeparators(scratch.path(QStringLiteral("usb_cdc.X"))),
                          QDir::toNativeSeparators(scratch.makeDir(QStringLiteral("out"))), QStringLiteral("usb_cdc"),
                          QString(), QString(), QStringLiteral(EXAMPLES_DIR "/personalities/pic18.p_c"));
    QTRY_COMPARE_WITH_TIMEOUT(wizard.configurationCombo->count(), 2, 10000);
    QCOMPARE(wizard.configurationCombo->itemText(0), QStringLiteral("PIC24FJ64GB002"));
    wizard.configurationCombo->setCurrentIndex(1);
    driver.click(wizard.databaseCheck);
    driver.press(QWizard::NextButton);
    QString log = runToTheEnd(driver, wizard);
    QVERIFY2(log.contains(QLatin1String("Back to the file extensions page, Path Mappings...")), qPrintable(log));
    QVERIFY2(!log.contains(QLatin1String("-conf NAME")), qPrintable(log));
    QVERIFY(!scratch.read(QStringLiteral("out/compile_commands.json")).contains("usb_device.c"));

    driver.press(QWizard::BackButton);
    ModalAnswer fill([&](QWidget *modal) {
        auto *dialog = qobject_cast<PathMappingsDialog *>(modal);
        dialog->table->item(0, 0)->setText(QStringLiteral("C:\\Author"));
        dialog->table->item(0, 1)->setText(QFileInfo(here).path());
        dialog->accept();
    });
    driver.click(wizard.mappingsButton);
    QVERIFY(fill.answered());
    driver.press(QWizard::NextButton);
    log = runToTheEnd(driver, wizard);
    qputenv("PATH", previousPath);
    QVERIFY2(log.endsWith(QLatin1String("Project Converted Successfully!")), qPrintable(log));
    const QByteArray database = scratch.read(QStringLiteral("out/compile_commands.json"));
    QVERIFY2(database.contains("usb_device.c") && database.contains("here"), database.constData());
    // The chosen configuration's device, not the first one's.
    QVERIFY2(database.contains("256GB106") && !database.contains("64GB002"), database.constData());
}

QTEST_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
