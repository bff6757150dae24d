// Leaving the extensions page: the extension list and the summary of all
// inputs that the details pane shows before Finish.

#include "MPLABConverter.h"
#include "WizardPage.h"
#include "WizardTestSupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>

#include <memory>

class ExtensionsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { scratch.reset(); }

    void extensionListFollowsTheBoxesAndTheCustomText_data();
    void extensionListFollowsTheBoxesAndTheCustomText();
    void summaryShowsEveryInputAsTyped();
    void leavingAgainRebuildsFromScratch();

private:
    void reachExtensions(MPLABConverter &wizard, WizardDriver &driver);

    std::unique_ptr<ScratchDir> scratch;
};

void ExtensionsTest::init()
{
    scratch = std::make_unique<ScratchDir>();
    scratch->write(QStringLiteral("motor.mcp"));
    scratch->write(QStringLiteral("pic.p_c"));
}

void ExtensionsTest::reachExtensions(MPLABConverter &wizard, WizardDriver &driver)
{
    driver.fillFirstPages(QStringLiteral("motor.mcp"), QStringLiteral("."), QStringLiteral("motor"),
                          QString(), QString(), QStringLiteral("pic.p_c"));
    QCOMPARE(wizard.currentPage(), wizard.Page2);
}

void ExtensionsTest::extensionListFollowsTheBoxesAndTheCustomText_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("custom");
    QTest::addColumn<QString>("expected");

    const QStringList everyBoxAsOnThePage = {
        QStringLiteral("hxxCheck"), QStringLiteral("hppCheck"), QStringLiteral("hhCheck"), QStringLiteral("hCheck"),
        QStringLiteral("cCheck"), QStringLiteral("cxxCheck"), QStringLiteral("ccCheck"), QStringLiteral("cppCheck")};
    QTest::newRow("nothing") << QStringList() << QString() << QString();
    QTest::newRow("boxes and custom")
        << QStringList{QStringLiteral("hCheck"), QStringLiteral("cppCheck")} << QStringLiteral("res,xml")
        << QStringLiteral("cpp,h,res,xml");
    QTest::newRow("every box in the tool's order")
        << everyBoxAsOnThePage << QString() << QStringLiteral("cpp,cc,cxx,c,h,hh,hpp,hxx");
    QTest::newRow("one trailing comma removed") << QStringList() << QStringLiteral("res,") << QStringLiteral("res");
    QTest::newRow("only the last of two") << QStringList() << QStringLiteral("res,,") << QStringLiteral("res,");
    QTest::newRow("leading comma kept") << QStringList() << QStringLiteral(",res") << QStringLiteral(",res");
    QTest::newRow("dots and blanks kept")
        << QStringList{QStringLiteral("cCheck")} << QStringLiteral(".res, xml") << QStringLiteral("c,.res, xml");
}

void ExtensionsTest::extensionListFollowsTheBoxesAndTheCustomText()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, custom);
    QFETCH(QString, expected);

    MPLABConverter wizard;
    WizardDriver driver(wizard);
    reachExtensions(wizard, driver);
    for (const QString &name : boxes)
        driver.click(wizard.findChild<QCheckBox *>(name));
    driver.type(wizard.CustExtEdit, custom);
    QVERIFY(driver.canPress(QWizard::NextButton));
    driver.press(QWizard::NextButton);

    QCOMPARE(wizard.currentPage(), wizard.Page3);
    const QString summary = wizard.DetailsText->toPlainText();
    QVERIFY2(summary.endsWith(QStringLiteral("\nFile Extensions:\n") + expected + QStringLiteral("\n")),
             qPrintable(summary));
    QVERIFY(driver.canPress(QWizard::FinishButton));
}

void ExtensionsTest::summaryShowsEveryInputAsTyped()
{
    scratch->write(QStringLiteral(" msg.p_s"));
    scratch->write(QStringLiteral("an al.p_a"));
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    driver.fillFirstPages(QStringLiteral("motor.mcp"), QStringLiteral("./"), QStringLiteral(" my project "),
                          QStringLiteral(" msg.p_s"), QStringLiteral("an al.p_a"), QStringLiteral("pic.p_c"));
    driver.click(wizard.hCheck);
    driver.press(QWizard::NextButton);

    QCOMPARE(wizard.DetailsText->toPlainText(),
             QStringLiteral("MPLAB Project:\nmotor.mcp\n\n"
                            "Tarn / Tarn++ Project Directory:\n./\n\n"
                            "Tarn / Tarn++ Project Name:\n my project \n\n"
                            "Message Personality:\n msg.p_s\n\n"
                            "Tamplate Analyser Personality:\nan al.p_a\n\n"
                            "Compiler Personality:\npic.p_c\n\n"
                            "File Extensions:\nh\n"));
}

void ExtensionsTest::leavingAgainRebuildsFromScratch()
{
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    reachExtensions(wizard, driver);
    driver.click(wizard.cppCheck);
    driver.type(wizard.CustExtEdit, QStringLiteral("asm"));
    driver.press(QWizard::NextButton);
    QVERIFY(wizard.DetailsText->toPlainText().endsWith(QStringLiteral("File Extensions:\ncpp,asm\n")));

    // The switches box, when checked, adds one piece at the end.
    driver.press(QWizard::BackButton);
    driver.click(wizard.switchesCheck);
    driver.press(QWizard::NextButton);
    QVERIFY(wizard.DetailsText->toPlainText().endsWith(
        QStringLiteral("File Extensions:\ncpp,asm\n\nCompiler Switches:\n"
                       "macros and include paths also read from -D and -I (-sw)\n")));

    driver.press(QWizard::BackButton);
    driver.click(wizard.switchesCheck);
    driver.click(wizard.cppCheck);
    driver.type(wizard.CustExtEdit, QString());
    driver.press(QWizard::NextButton);
    const QString summary = wizard.DetailsText->toPlainText();
    QVERIFY2(summary.startsWith(QStringLiteral("MPLAB Project:\n")), qPrintable(summary));
    QVERIFY2(summary.endsWith(QStringLiteral("Compiler Personality:\npic.p_c\n\nFile Extensions:\n\n")),
             qPrintable(summary));
}

QTEST_MAIN(ExtensionsTest)
#include "ExtensionsTest.moc"
