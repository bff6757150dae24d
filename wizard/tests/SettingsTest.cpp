// "settings.txt" in the working directory: the personality paths it gives
// the wizard at start, and what each handled exit of the tool writes back.

#include "MPLABConverter.h"
#include "WizardPage.h"
#include "WizardTestSupport.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>

#include <memory>

class SettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { scratch = std::make_unique<ScratchDir>(); }
    void cleanup() { scratch.reset(); }

    void loadsTheEntriesItRecognises_data();
    void loadsTheEntriesItRecognises();
    void loadedPathsAreValidatedAtOnce();
    void runRewritesTheFileWithTheEditsThatHoldText();
    void unwritableFileIsLeftAlone();
    void mappingsRoundTripAndKeepOldFilesMeaning_data();
    void mappingsRoundTripAndKeepOldFilesMeaning();

private:
    void convert(MPLABConverter &wizard, WizardDriver &driver, const QString &message,
                 const QString &compiler);

    std::unique_ptr<ScratchDir> scratch;
};

void SettingsTest::loadsTheEntriesItRecognises_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected"); // message, analyser, compiler

    QTest::newRow("all three, CR LF, blanks kept")
        << QByteArray("Message Personality:\r\n  m.p_s \r\n\r\nAnalyser Personality:\r\na.p_a\r\n\r\n"
                      "Compiler Personality:\r\nc.p_c\r\n\r\n")
        << QStringList{"  m.p_s ", "a.p_a", "c.p_c"};
    QTest::newRow("a key's value is never a key")
        << QByteArray("Message Personality:\nCompiler Personality:\nc.p_c\n")
        << QStringList{"Compiler Personality:", "", ""};
    QTest::newRow("trailing blank or other case is no key")
        << QByteArray("Message Personality: \nm.p_s\ncompiler personality:\nc.p_c\n")
        << QStringList{"", "", ""};
    QTest::newRow("last occurrence wins, other lines ignored")
        << QByteArray("junk\nCompiler Personality:\nfirst\n\nmore junk\nCompiler Personality:\nsecond\n")
        << QStringList{"", "", "second"};
    QTest::newRow("key on the last line empties its edit")
        << QByteArray("Analyser Personality:\nold\nAnalyser Personality:")
        << QStringList{"", "", ""};
}

void SettingsTest::loadsTheEntriesItRecognises()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    scratch->write(QStringLiteral("settings.txt"), file);

    MPLABConverter wizard;
    QCOMPARE(QStringList({wizard.MsgPersonEdit->text(), wizard.AnalPersonEdit->text(),
                          wizard.CmpPersonEdit->text()}),
             expected);
    // Nothing but the personalities is remembered.
    QVERIFY(wizard.MPLABProjectEdit->text().isEmpty());
}

void SettingsTest::loadedPathsAreValidatedAtOnce()
{
    scratch->write(QStringLiteral("pic.p_c"));
    scratch->write(QStringLiteral("settings.txt"), "Compiler Personality:\npic.p_c\n\n");
    {
        MPLABConverter wizard;
        QCOMPARE(wizard.CmpPersonEdit->palette().color(QPalette::Text), QColor(0, 0, 0));
        QVERIFY(wizard.Page1->isComplete());
    }
    scratch->write(QStringLiteral("settings.txt"),
                   "Message Personality:\ngone.p_s\n\nCompiler Personality:\npic.p_c\n\n");
    MPLABConverter wizard;
    QCOMPARE(wizard.MsgPersonEdit->palette().color(QPalette::Text), QColor(255, 0, 0));
    QVERIFY(!wizard.Page1->isComplete());
}

// Page0 filled, Page1 as loaded but for the message and compiler
// personalities, then Finish until the tool has exited.
void SettingsTest::convert(MPLABConverter &wizard, WizardDriver &driver, const QString &message,
                           const QString &compiler)
{
    driver.type(wizard.MPLABProjectEdit, QStringLiteral("motor.mcp"));
    driver.type(wizard.FenProjectEdit, QStringLiteral("."));
    driver.type(wizard.FenNameEdit, QStringLiteral("motor"));
    driver.press(QWizard::NextButton);
    driver.type(wizard.MsgPersonEdit, message);
    driver.type(wizard.CmpPersonEdit, compiler);
    driver.press(QWizard::NextButton);
    driver.press(QWizard::NextButton);
    driver.press(QWizard::FinishButton);
    QTRY_VERIFY_WITH_TIMEOUT(wizard.DetailsText->toPlainText().endsWith(QLatin1String("Successfully!")), 10000);
    QTRY_VERIFY(driver.button(QWizard::BackButton)->isEnabled());
}

void SettingsTest::runRewritesTheFileWithTheEditsThatHoldText()
{
    for (const char *name : {"motor.mcp", "m.p_s", "a b.p_a", "c.p_c"})
        scratch->write(QLatin1String(name));
    scratch->write(QStringLiteral("settings.txt"),
                   "Compiler Personality:\r\nc.p_c\r\n\r\nAnalyser Personality:\r\na b.p_a\r\n\r\n");
    StandIn tool(*scratch);
    {
        MPLABConverter wizard;
        WizardDriver driver(wizard);
        convert(wizard, driver, QStringLiteral("m.p_s"), QStringLiteral("c.p_c"));
        QCOMPARE(scratch->read(QStringLiteral("settings.txt")),
                 QByteArray("Message Personality:\nm.p_s\n\nAnalyser Personality:\na b.p_a\n\n"
                            "Compiler Personality:\nc.p_c\n\n"));
    }
    // Cleared before the run, the message personality is gone afterwards.
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    QCOMPARE(wizard.MsgPersonEdit->text(), QStringLiteral("m.p_s"));
    convert(wizard, driver, QString(), QStringLiteral("c.p_c"));
    QCOMPARE(scratch->read(QStringLiteral("settings.txt")),
             QByteArray("Analyser Personality:\na b.p_a\n\nCompiler Personality:\nc.p_c\n\n"));
}

void SettingsTest::unwritableFileIsLeftAlone()
{
    scratch->write(QStringLiteral("motor.mcp"));
    scratch->write(QStringLiteral("c.p_c"));
    scratch->makeDir(QStringLiteral("settings.txt")); // cannot be opened as a file
    StandIn tool(*scratch);
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    convert(wizard, driver, QString(), QStringLiteral("c.p_c"));
    QVERIFY(QFileInfo(scratch->path(QStringLiteral("settings.txt"))).isDir());
}

namespace {

// The personalities a wizard that knows only their three keys reads from
// `file`: each key takes the line after it, every other line is skipped.
QStringList personalitiesWithoutMappings(const QByteArray &file)
{
    const QStringList keys = {"Message Personality:", "Analyser Personality:", "Compiler Personality:"};
    QStringList values(3);
    const QStringList lines = QString::fromLocal8Bit(file).split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype key = keys.indexOf(lines[i]);
        if (key >= 0)
            values[key] = lines.value(++i);
    }
    return values;
}

} // namespace

void SettingsTest::mappingsRoundTripAndKeepOldFilesMeaning_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("maps"); // the -map values of the run, in order
    QTest::addColumn<QByteArray>("written");

    const QByteArray personalities = "Message Personality:\nm.p_s\n\nCompiler Personality:\nc.p_c\n\n";
    QTest::newRow("an old file: no mappings, written back unchanged")
        << personalities << QStringList{} << personalities;
    const QByteArray mapped = personalities + "Path Mapping:\nC:\\C32=/opt/c32\n\nPath Mapping:\n/old=new dir\n\n";
    QTest::newRow("mappings in order, written back unchanged") << mapped
        << QStringList{"C:\\C32=" + MPLABConverter::toBackslashes("/opt/c32"), "/old=new dir"} << mapped;
    QTest::newRow("mappings before the personalities are written after them")
        << QByteArray("Path Mapping:\nA=B\n\n") + personalities << QStringList{"A=B"}
        << personalities + "Path Mapping:\nA=B\n\n";
    QTest::newRow("a mapping without both sides or without \"=\" is dropped")
        << QByteArray("Path Mapping:\n=B\n\nPath Mapping:\nC:\\C32\n\nCompiler Personality:\nc.p_c\n")
        << QStringList{} << QByteArray("Compiler Personality:\nc.p_c\n\n");
}

void SettingsTest::mappingsRoundTripAndKeepOldFilesMeaning()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, maps);
    QFETCH(QByteArray, written);
    for (const char *name : {"motor.mcp", "m.p_s", "c.p_c"})
        scratch->write(QLatin1String(name));
    scratch->write(QStringLiteral("settings.txt"), file);
    StandIn tool(*scratch);
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    const QStringList loaded = {wizard.MsgPersonEdit->text(), wizard.AnalPersonEdit->text(),
                                wizard.CmpPersonEdit->text()};
    // The mapping entries change nothing for a wizard that skips them.
    QCOMPARE(loaded, personalitiesWithoutMappings(file));
    convert(wizard, driver, wizard.MsgPersonEdit->text(), wizard.CmpPersonEdit->text());
    QStringList sent;
    const QStringList arguments = tool.arguments();
    for (qsizetype i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("-map"))
            sent << arguments[i + 1];
    }
    QCOMPARE(sent, maps);
    const QByteArray saved = scratch->read(QStringLiteral("settings.txt"));
    QCOMPARE(saved, written);
    QCOMPARE(personalitiesWithoutMappings(saved), loaded);
}

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
