#include "MPLABConverterBase.h"

#include "QuillbrookVersion.h"
#include "WizardPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

// Every text the user reads on the form, in one place for translators.
void MPLABConverterBase::languageChange()
{
    setWindowTitle(tr("MPLAB Project Converter 1.0"));

    groupBox1_3->setTitle(QString());
    textLabel1_3_3->setText(tr("Welcome to the Halden :: MPLAB Builder Project Converter"));
    textLabel2_2->setText(tr("This wizard will take you through the steps required to convert your MPLAB project file to a Tarn/Tarn++ project. \n"
                             "Select the project (.mcp) that you wish to convert.\n"
                             "You also need to specify the folder into which the Tarn/Tarn++ project will be created.  \n"
                             "The Tarn/Tarn++ project will be named according to the name specified."));
    groupBox2->setTitle(tr("Tarn / Tarn++ Project"));
    textLabel1_2->setText(tr("Name"));
    textLabel1->setText(tr("Folder"));
    FenProjectEdit->setToolTip(tr("Destination folder for the Tarn/Tarn++ project.",
                                  "Destination folder for the Tarn/Tarn++ project."));
    FenNameEdit->setToolTip(tr("Name of the Tarn/Tarn++ project.", "Name of the Tarn/Tarn++ project."));
    FenProjectBrowseBtn->setText(tr("Browse"));
    groupBox1->setTitle(tr("MPLAB"));
    MPLABProjectBrowseBtn->setText(tr("Browse"));
    MPLABProjectEdit->setToolTip(tr("Path to the .??? project file", "Path to the MPLAB .??? file."));
    textLabel1_3->setText(tr("Project File\n(.mcp)"));
    versionLabel->setText(tr("Version %1").arg(QLatin1String(QUILLBROOK_VERSION)));
    configurationLabel->setText(tr("Configuration"));
    configurationCombo->setToolTip(tr("The configuration of the MPLAB X project to convert (-conf)."));
    Page0->setTitle(QString());

    groupBox1_2->setTitle(tr("Message Personality"));
    MsgBrowseBtn->setText(tr("Browse"));
    MsgPersonEdit->setToolTip(tr("Path to the message personality to use for the project."));
    groupBox2_2_2->setTitle(tr("Template Analyser Personality"));
    AnalBrowseBtn->setText(tr("Browse"));
    groupBox2_2->setTitle(tr("Compiler Personality"));
    CmpPersonEdit->setToolTip(tr("Path to the compiler personality to use for the project."));
    CmpBrowseBtn->setText(tr("Browse"));
    groupBox1_3_2->setTitle(QString());
    textLabel2_2_2->setText(tr("Select the message personality and compiler personality (mandatory) to be used by the Tarn / Tarn++ \n"
                               "project.  \n"
                               "\n"
                               "Select a template analyser personality to use e.g. Calder, Brisk, Oakum.\n"
                               "\n"
                               "If you do not select a message personality, an empty default personality will be used."));
    Page1->setTitle(QString());

    groupBox1_3_2_2->setTitle(QString());
    textLabel2_2_2_2->setText(tr("Specify which file extensions should be searched for in the MPLAB project.\n"
                                 "These files will be added into the Tarn/Tarn++ project.  \n"
                                 "\n"
                                 "You can add custom extensions as a comma seperated list of extensions e.g res,xml"));
    groupBox7->setTitle(tr("File Extensions"));
    ccCheck->setText(tr("*.cc"));
    cxxCheck->setText(tr("*.cxx"));
    cCheck->setText(tr("*.c"));
    textLabel2->setText(tr("Custom Extensions"));
    hCheck->setText(tr("*.h"));
    hhCheck->setText(tr("*.hh"));
    hppCheck->setText(tr("*.hpp"));
    hxxCheck->setText(tr("*.hxx"));
    cppCheck->setText(tr("*.cpp"));
    CustExtEdit->setInputMask(QString());
    CustExtEdit->setToolTip(tr("Custom extensions list to add files of this type to the project.",
                               "Custom extensions list to add files of this type to the project."));
    switchesCheck->setText(tr("Read macros and include paths from compiler switches (-D, -I)"));
    mappingsButton->setText(tr("Path Mappings..."));
    mappingsButton->setToolTip(tr("Folders named on the project author's machine, and where they are on this one (-map)."));
    databaseCheck->setText(tr("Also write a compilation database (compile_commands.json) for clangd and cppcheck"));
    Page2->setTitle(QString());

    DetailsText->setPlainText(tr("MPLAB Project:\n\n\n"
                                 "Tarn/Tarn++ Project Directory:\n\n\n"
                                 "Tarn++ Project Name:\n\n\n"
                                 "Message Personality:\n\n\n"
                                 "Template Analyser Personality:\n\n\n"
                                 "Compiler Personality:\n\n\n"
                                 "Extensions:"));
    Page3->setTitle(QString());
}
