// The form as it stands right after start: texts, object names, geometry and
// the state of every input.

#include "MPLABConverter.h"
#include "QuillbrookVersion.h"
#include "WizardPage.h"
#include "WizardTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include <memory>

class FormTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { scratch = std::make_unique<ScratchDir>(); }
    void cleanup() { scratch.reset(); }

    void startsEmptyAndUncolouredWithNextDisabled();
    void opensAtItsDesignedSize();
    void widgetsStandWhereTheFormPutsThem_data();
    void widgetsStandWhereTheFormPutsThem();
    void everyPageIsFramedByBannersAndLines();
    void longTextsAndTooltips();

private:
    std::unique_ptr<ScratchDir> scratch;
};

void FormTest::startsEmptyAndUncolouredWithNextDisabled()
{
    MPLABConverter wizard;
    WizardDriver driver(wizard);

    QCOMPARE(wizard.metaObject()->className(), "MPLABConverter");
    QCOMPARE(wizard.metaObject()->superClass()->className(), "MPLABConverterBase");
    QCOMPARE(wizard.objectName(), QStringLiteral("MPLABConverterBase"));
    QCOMPARE(wizard.wizardStyle(), QWizard::ClassicStyle);
    for (QLineEdit *edit : wizard.findChildren<QLineEdit *>()) {
        QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
        QVERIFY2(!edit->testAttribute(Qt::WA_SetPalette), qPrintable(edit->objectName()));
    }
    for (QCheckBox *box : wizard.findChildren<QCheckBox *>())
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    for (WizardPage *page : {wizard.Page0, wizard.Page1, wizard.Page2, wizard.Page3})
        QVERIFY(page->title().isEmpty());

    QCOMPARE(wizard.currentPage(), wizard.Page0);
    QVERIFY(!driver.canPress(QWizard::NextButton));
    QVERIFY(!driver.canPress(QWizard::BackButton));
    QVERIFY(!driver.button(QWizard::HelpButton)->isVisible());
    QVERIFY(!wizard.Page1->isComplete());
    QVERIFY(wizard.Page2->isComplete());
    QVERIFY(!wizard.Page3->isComplete());
}

void FormTest::opensAtItsDesignedSize()
{
    MPLABConverter wizard;
    WizardDriver driver(wizard);
    // The wizard raises its size to the minimum of its layout as it is shown.
    QCOMPARE(wizard.size(), QSize(543, 463).expandedTo(wizard.minimumSize()));
    // Every page keeps the whole area it was drawn for.
    QVERIFY(wizard.Page0->width() >= 532 && wizard.Page0->height() >= 380);
}

void FormTest::widgetsStandWhereTheFormPutsThem_data()
{
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");

    auto row = [](const char *name, const char *parent, QRect geometry, const char *text = "") {
        QTest::newRow(name) << QString::fromLatin1(parent) << geometry << QString::fromLatin1(text);
    };
    row("groupBox1_3", "Page0", {20, 40, 500, 140});
    row("textLabel1_3_3", "groupBox1_3", {10, 10, 461, 21},
        "Welcome to the Halden :: MPLAB Builder Project Converter");
    row("textLabel2_2", "groupBox1_3", {10, 40, 481, 90});
    row("groupBox2", "Page0", {20, 260, 500, 87}, "Tarn / Tarn++ Project");
    row("textLabel1_2", "groupBox2", {10, 56, 40, 20}, "Name");
    row("textLabel1", "groupBox2", {10, 20, 40, 20}, "Folder");
    row("FenProjectEdit", "groupBox2", {95, 20, 300, 25});
    row("FenNameEdit", "groupBox2", {95, 55, 300, 25});
    row("FenProjectBrowseBtn", "groupBox2", {410, 20, 75, 25}, "Browse");
    row("groupBox1", "Page0", {20, 190, 500, 60}, "MPLAB");
    row("MPLABProjectBrowseBtn", "groupBox1", {410, 20, 75, 25}, "Browse");
    row("MPLABProjectEdit", "groupBox1", {95, 20, 300, 25});
    row("textLabel1_3", "groupBox1", {10, 18, 84, 30}, "Project File\n(.mcp)");
    row("versionLabel", "Page0", {320, 347, 200, 13}, "Version " QUILLBROOK_VERSION);
    row("MPLABProjectReason", "MPLABProjectEdit", {206, 0, 90, 25});
    row("FenProjectReason", "FenProjectEdit", {206, 0, 90, 25});

    row("groupBox1_2", "Page1", {20, 150, 500, 60}, "Message Personality");
    row("MsgBrowseBtn", "groupBox1_2", {420, 20, 75, 25}, "Browse");
    row("MsgPersonEdit", "groupBox1_2", {10, 20, 390, 25});
    row("groupBox2_2_2", "Page1", {20, 220, 500, 60}, "Template Analyser Personality");
    row("AnalBrowseBtn", "groupBox2_2_2", {420, 20, 75, 25}, "Browse");
    row("AnalPersonEdit", "groupBox2_2_2", {10, 20, 390, 25});
    row("groupBox2_2", "Page1", {20, 290, 500, 60}, "Compiler Personality");
    row("CmpPersonEdit", "groupBox2_2", {10, 20, 390, 25});
    row("CmpBrowseBtn", "groupBox2_2", {420, 20, 75, 25}, "Browse");
    row("MsgPersonReason", "MsgPersonEdit", {296, 0, 90, 25});
    row("AnalPersonReason", "AnalPersonEdit", {296, 0, 90, 25});
    row("CmpPersonReason", "CmpPersonEdit", {296, 0, 90, 25});
    row("groupBox1_3_2", "Page1", {20, 40, 500, 100});
    row("textLabel2_2_2", "groupBox1_3_2", {10, 10, 481, 84});

    row("groupBox1_3_2_2", "Page2", {20, 40, 500, 100});
    row("textLabel2_2_2_2", "groupBox1_3_2_2", {10, 14, 481, 70});
    row("groupBox7", "Page2", {60, 160, 420, 160}, "File Extensions");
    row("cppCheck", "groupBox7", {40, 35, 50, 20}, "*.cpp");
    row("ccCheck", "groupBox7", {120, 35, 50, 20}, "*.cc");
    row("cxxCheck", "groupBox7", {190, 35, 50, 20}, "*.cxx");
    row("cCheck", "groupBox7", {260, 35, 50, 20}, "*.c");
    row("hCheck", "groupBox7", {40, 75, 50, 20}, "*.h");
    row("hhCheck", "groupBox7", {120, 75, 50, 20}, "*.hh");
    row("hppCheck", "groupBox7", {190, 75, 50, 20}, "*.hpp");
    row("hxxCheck", "groupBox7", {260, 75, 50, 20}, "*.hxx");
    row("textLabel2", "groupBox7", {50, 116, 100, 20}, "Custom Extensions");
    row("CustExtEdit", "groupBox7", {160, 115, 144, 25});
    row("configurationLabel", "groupBox1_3", {225, 116, 85, 21}, "Configuration");
    row("configurationCombo", "groupBox1_3", {315, 116, 175, 21});
    row("mappingsButton", "Page2", {400, 320, 95, 21}, "Path Mappings...");
    row("switchesCheck", "Page2", {60, 322, 338, 18},
        "Read macros and include paths from compiler switches (-D, -I)");
    row("databaseCheck", "Page2", {60, 340, 460, 18},
        "Also write a compilation database (compile_commands.json) for clangd and cppcheck");

    row("DetailsText", "Page3", {15, 40, 505, 300});
}

void FormTest::widgetsStandWhereTheFormPutsThem()
{
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);

    MPLABConverter wizard;
    auto *widget = wizard.findChild<QWidget *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(), geometry);
    QString shown;
    if (auto *label = qobject_cast<QLabel *>(widget))
        shown = label->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        shown = button->text();
    else if (auto *box = qobject_cast<QGroupBox *>(widget))
        shown = box->title();
    if (!text.isEmpty() || qobject_cast<QGroupBox *>(widget))
        QCOMPARE(shown, text);
    if (qobject_cast<QPushButton *>(widget))
        QCOMPARE(widget->palette().color(QPalette::Button), QColor(Qt::white));
}

void FormTest::everyPageIsFramedByBannersAndLines()
{
    MPLABConverter wizard;
    for (WizardPage *page : {wizard.Page0, wizard.Page1, wizard.Page2, wizard.Page3}) {
        QList<QRect> banners;
        for (QLabel *label : page->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
            if (label->pixmap().isNull())
                continue;
            banners << label->geometry();
            QVERIFY(label->pixmap().toImage().isGrayscale());
        }
        QCOMPARE(banners.size(), 2);
        QVERIFY(banners.contains(QRect(0, 0, 532, 36)));
        QVERIFY(banners.contains(QRect(0, 360, 532, 20)));
        QList<QRect> lines;
        for (QFrame *frame : page->findChildren<QFrame *>(Qt::FindDirectChildrenOnly)) {
            if (frame->frameShape() == QFrame::VLine)
                lines << frame->geometry();
        }
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines.contains(QRect(-8, 36, 20, 335)));
        QVERIFY(lines.contains(QRect(521, 36, 20, 335)));
    }
    QCOMPARE(wizard.palette().color(QPalette::Window), QColor(255, 255, 255));
}

void FormTest::longTextsAndTooltips()
{
    MPLABConverter wizard;
    QCOMPARE(wizard.windowTitle(), QStringLiteral("MPLAB Project Converter 1.0"));
    QCOMPARE(wizard.textLabel1_3_3->font().pointSize(), 12);
    QCOMPARE(wizard.textLabel2_2->text(),
             QStringLiteral("This wizard will take you through the steps required to convert your MPLAB project file to a Tarn/Tarn++ project. \nSelect the project (.mcp) that you wish to convert.\nYou also need to specify the folder into which the Tarn/Tarn++ project will be created.  \nThe Tarn/Tarn++ project will be named according to the name specified."));
    QCOMPARE(wizard.textLabel2_2_2->text(),
             QStringLiteral("Select the message personality and compiler personality (mandatory) to be used by the Tarn / Tarn++ \nproject.  \n\nSelect a template analyser personality to use e.g. Calder, Brisk, Oakum.\n\nIf you do not select a message personality, an empty default personality will be used."));
    QCOMPARE(wizard.textLabel2_2_2_2->text(),
             QStringLiteral("Specify which file extensions should be searched for in the MPLAB project.\nThese files will be added into the Tarn/Tarn++ project.  \n\nYou can add custom extensions as a comma seperated list of extensions e.g res,xml"));
    QCOMPARE(wizard.DetailsText->toPlainText(),
             QStringLiteral("MPLAB Project:\n\n\nTarn/Tarn++ Project Directory:\n\n\nTarn++ Project Name:\n\n\nMessage Personality:\n\n\nTemplate Analyser Personality:\n\n\nCompiler Personality:\n\n\nExtensions:"));

    QCOMPARE(wizard.MPLABProjectEdit->toolTip(), QStringLiteral("Path to the .??? project file"));
    QCOMPARE(wizard.FenProjectEdit->toolTip(), QStringLiteral("Destination folder for the Tarn/Tarn++ project."));
    QCOMPARE(wizard.FenNameEdit->toolTip(), QStringLiteral("Name of the Tarn/Tarn++ project."));
    QCOMPARE(wizard.MsgPersonEdit->toolTip(), QStringLiteral("Path to the message personality to use for the project."));
    QVERIFY(wizard.AnalPersonEdit->toolTip().isEmpty());
    QCOMPARE(wizard.CmpPersonEdit->toolTip(), QStringLiteral("Path to the compiler personality to use for the project."));
    QCOMPARE(wizard.CustExtEdit->toolTip(), QStringLiteral("Custom extensions list to add files of this type to the project."));

    // The two boxes below the extensions show their whole texts in the
    // dialog font, above the bottom banner; so does the version.
    for (QWidget *widget : {static_cast<QWidget *>(wizard.switchesCheck),
                            static_cast<QWidget *>(wizard.databaseCheck),
                            static_cast<QWidget *>(wizard.versionLabel),
                            static_cast<QWidget *>(wizard.configurationLabel),
                            static_cast<QWidget *>(wizard.mappingsButton)}) {
        QCOMPARE(widget->font(), wizard.font());
        QVERIFY2(widget->sizeHint().width() <= widget->width(), qPrintable(widget->objectName()));
        QVERIFY2(widget->sizeHint().height() <= widget->height() + 1, qPrintable(widget->objectName()));
        QVERIFY(widget->geometry().bottom() < 360);
    }

    // The configuration row, hidden until an MPLAB X project is named, sits
    // below the last line of the welcome text, inside its box.
    QVERIFY(!wizard.configurationCombo->isVisibleTo(wizard.Page0));
    QVERIFY(!wizard.configurationLabel->isVisibleTo(wizard.Page0));
    const QRect text = QFontMetrics(wizard.textLabel2_2->font())
                           .boundingRect(QRect(QPoint(), wizard.textLabel2_2->size()),
                                         Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter,
                                         wizard.textLabel2_2->text())
                           .translated(wizard.textLabel2_2->pos());
    QVERIFY2(text.bottom() < wizard.configurationCombo->y(), qPrintable(QString::number(text.bottom())));
    QVERIFY(wizard.configurationCombo->geometry().bottom() < wizard.groupBox1_3->height() - 2);
    QVERIFY(wizard.configurationCombo->sizeHint().height() <= wizard.configurationCombo->height() + 2);
    QCOMPARE(wizard.configurationLabel->buddy(), wizard.configurationCombo);
}

QTEST_MAIN(FormTest)
#include "FormTest.moc"
