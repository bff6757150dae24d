#ifndef MPLABCONVERTERBASE_H
#define MPLABCONVERTERBASE_H

#include <QPixmap>
#include <QWizard>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;
class WizardPage;

// The wizard's form: four pages of widgets at fixed positions on a white
// background, framed by grey banners. It only builds itself and sets its
// texts; MPLABConverter adds the behaviour. Every widget's object name equals
// its member name.
class MPLABConverterBase : public QWizard
{
    Q_OBJECT

public:
    explicit MPLABConverterBase(QWidget *parent = nullptr, const char *name = nullptr,
                                bool modal = false, Qt::WindowFlags fl = {});

    // Page0: the MPLAB project, the destination folder and the project name.
    WizardPage *Page0;
    QLabel *pixmapLabel3;
    QGroupBox *groupBox1_3;
    QLabel *textLabel1_3_3;
    QLabel *textLabel2_2;
    QGroupBox *groupBox2;
    QLabel *textLabel1_2;
    QLabel *textLabel1;
    QLineEdit *FenProjectEdit;
    QLineEdit *FenNameEdit;
    QPushButton *FenProjectBrowseBtn;
    QGroupBox *groupBox1;
    QPushButton *MPLABProjectBrowseBtn;
    QLineEdit *MPLABProjectEdit;
    QLabel *textLabel1_3;
    // Inside the right end of each path edit: why the wizard refuses the
    // path, empty while it is fine.
    QLabel *MPLABProjectReason;
    QLabel *FenProjectReason;
    // Below the project box: the version of both programs.
    QLabel *versionLabel;
    // In the information box, below its text, shown only for an MPLAB X
    // project: the configuration to convert.
    QLabel *configurationLabel;
    QComboBox *configurationCombo;
    QFrame *line1_2;
    QFrame *line1;
    QLabel *pixmapLabel3_3;

    // Page1: the three personalities.
    WizardPage *Page1;
    QGroupBox *groupBox1_2;
    QPushButton *MsgBrowseBtn;
    QLineEdit *MsgPersonEdit;
    QGroupBox *groupBox2_2_2;
    QPushButton *AnalBrowseBtn;
    QLineEdit *AnalPersonEdit;
    QGroupBox *groupBox2_2;
    QLineEdit *CmpPersonEdit;
    QPushButton *CmpBrowseBtn;
    QLabel *MsgPersonReason;
    QLabel *AnalPersonReason;
    QLabel *CmpPersonReason;
    QLabel *pixmapLabel3_2;
    QGroupBox *groupBox1_3_2;
    QLabel *textLabel2_2_2;
    QFrame *line1_2_2;
    QFrame *line1_3;
    QLabel *pixmapLabel3_3_2;

    // Page2: the file extensions.
    WizardPage *Page2;
    QGroupBox *groupBox1_3_2_2;
    QLabel *textLabel2_2_2_2;
    QGroupBox *groupBox7;
    QCheckBox *ccCheck;
    QCheckBox *cxxCheck;
    QCheckBox *cCheck;
    QLabel *textLabel2;
    QCheckBox *hCheck;
    QCheckBox *hhCheck;
    QCheckBox *hppCheck;
    QCheckBox *hxxCheck;
    QCheckBox *cppCheck;
    QLineEdit *CustExtEdit;
    // Below the extensions: also read -D and -I compiler switches ("-sw").
    QCheckBox *switchesCheck;
    // Below that: also write a compilation database ("-cdb").
    QCheckBox *databaseCheck;
    // Beside the switches box: opens the path mappings ("-map").
    QPushButton *mappingsButton;
    QLabel *pixmapLabel3_2_2;
    QFrame *line1_3_2;
    QFrame *line1_2_2_2;
    QLabel *pixmapLabel3_3_2_2;

    // Page3: the summary and the conversion log.
    WizardPage *Page3;
    QLabel *pixmapLabel3_2_2_2;
    QTextBrowser *DetailsText;
    QFrame *line1_3_2_2;
    QFrame *line1_2_2_2_2;
    QLabel *pixmapLabel3_3_2_2_2;

protected slots:
    virtual void languageChange();

private:
    void buildPage0();
    void buildPage1();
    void buildPage2();
    void buildPage3();
    WizardPage *newPage(const char *name);
    QLabel *newHeader(QWidget *page, const char *name);
    QLabel *newFooter(QWidget *page, const char *name);

    QPixmap headerBanner;
    QPixmap footerBanner;
};

#endif
