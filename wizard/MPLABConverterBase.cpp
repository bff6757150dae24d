#include "MPLABConverterBase.h"

#include "Banners.h"
#include "WizardPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

namespace {

// The page area every page is drawn for: the bottom banner ends at 380.
const QSize pageSize(532, 380);
const QSize openingSize(543, 463);
const qreal dialogFontSize = 7.5;

template <typename Widget>
Widget *place(QWidget *parent, const char *name, int x, int y, int width, int height)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(x, y, width, height);
    return widget;
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QPushButton *browseButton(QWidget *parent, const char *name, int x)
{
    auto *button = place<QPushButton>(parent, name, x, 20, 75, 25);
    setColour(button, QPalette::Button, Qt::white);
    return button;
}

QFrame *sideLine(QWidget *page, const char *name, int x)
{
    auto *line = place<QFrame>(page, name, x, 36, 20, 335);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel *wrappedLabel(QWidget *parent, const char *name, int y, int height)
{
    auto *label = place<QLabel>(parent, name, 10, y, 481, height);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

// A red label over the right end of a path edit; it lets clicks through to
// the edit.
QLabel *reasonLabel(QLineEdit *edit, const char *name)
{
    auto *label = place<QLabel>(edit, name, edit->width() - 94, 0, 90, edit->height());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    setColour(label, QPalette::WindowText, QColor(255, 0, 0));
    return label;
}

QCheckBox *extensionBox(QWidget *parent, const char *name, int x, int y)
{
    return place<QCheckBox>(parent, name, x, y, 50, 20);
}

} // namespace

MPLABConverterBase::MPLABConverterBase(QWidget *parent, const char *name, bool modal,
                                       Qt::WindowFlags fl)
    : QWizard(parent, fl),
      headerBanner(headerBannerPixmap()),
      footerBanner(footerBannerPixmap())
{
    setObjectName(QLatin1String(name ? name : "MPLABConverterBase"));
    setModal(modal);
    // The classic style shows neither a title row nor a side picture, so each
    // page keeps the whole page area for its own widgets.
    setWizardStyle(QWizard::ClassicStyle);
    setColour(this, QPalette::Window, QColor(255, 255, 255));
    // The fixed positions below were laid out for the narrow 8-point dialog
    // font of older desktops; today's wider default fonts would be clipped.
    // Arial has those metrics (Liberation Sans stands in for it on Linux).
    QFont dialogFont = font();
    dialogFont.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    dialogFont.setPointSizeF(dialogFontSize);
    setFont(dialogFont);

    buildPage0();
    buildPage1();
    buildPage2();
    buildPage3();
    languageChange();

    resize(openingSize.expandedTo(minimumSizeHint()));
}

WizardPage *MPLABConverterBase::newPage(const char *name)
{
    auto *page = new WizardPage(this);
    page->setObjectName(QLatin1String(name));
    // Without layouts a page has no size hint of its own.
    page->setMinimumSize(pageSize);
    return page;
}

QLabel *MPLABConverterBase::newHeader(QWidget *page, const char *name)
{
    auto *label = place<QLabel>(page, name, 0, 0, 532, 36);
    label->setPixmap(headerBanner);
    label->setScaledContents(true);
    return label;
}

QLabel *MPLABConverterBase::newFooter(QWidget *page, const char *name)
{
    // The 19-pixel image is stretched over the 20-pixel label.
    auto *label = place<QLabel>(page, name, 0, 360, 532, 20);
    label->setPixmap(footerBanner);
    label->setScaledContents(true);
    return label;
}

void MPLABConverterBase::buildPage0()
{
    Page0 = newPage("Page0");
    pixmapLabel3 = newHeader(Page0, "pixmapLabel3");

    groupBox1_3 = place<QGroupBox>(Page0, "groupBox1_3", 20, 40, 500, 140);
    textLabel1_3_3 = place<QLabel>(groupBox1_3, "textLabel1_3_3", 10, 10, 461, 21);
    QFont titleFont = textLabel1_3_3->font();
    titleFont.setPointSize(12);
    textLabel1_3_3->setFont(titleFont);
    textLabel2_2 = wrappedLabel(groupBox1_3, "textLabel2_2", 40, 90);

    groupBox2 = place<QGroupBox>(Page0, "groupBox2", 20, 260, 500, 87);
    textLabel1_2 = place<QLabel>(groupBox2, "textLabel1_2", 10, 56, 40, 20);
    textLabel1 = place<QLabel>(groupBox2, "textLabel1", 10, 20, 40, 20);
    FenProjectEdit = place<QLineEdit>(groupBox2, "FenProjectEdit", 95, 20, 300, 25);
    FenNameEdit = place<QLineEdit>(groupBox2, "FenNameEdit", 95, 55, 300, 25);
    FenProjectBrowseBtn = browseButton(groupBox2, "FenProjectBrowseBtn", 410);

    groupBox1 = place<QGroupBox>(Page0, "groupBox1", 20, 190, 500, 60);
    MPLABProjectBrowseBtn = browseButton(groupBox1, "MPLABProjectBrowseBtn", 410);
    MPLABProjectEdit = place<QLineEdit>(groupBox1, "MPLABProjectEdit", 95, 20, 300, 25);
    textLabel1_3 = place<QLabel>(groupBox1, "textLabel1_3", 10, 18, 84, 30);
    MPLABProjectReason = reasonLabel(MPLABProjectEdit, "MPLABProjectReason");
    FenProjectReason = reasonLabel(FenProjectEdit, "FenProjectReason");
    versionLabel = place<QLabel>(Page0, "versionLabel", 320, 347, 200, 13);
    versionLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The welcome text leaves the bottom right of its box empty; nothing
    // else on the page has room for a row of its own.
    configurationLabel = place<QLabel>(groupBox1_3, "configurationLabel", 225, 116, 85, 21);
    configurationLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    configurationCombo = place<QComboBox>(groupBox1_3, "configurationCombo", 315, 116, 175, 21);
    configurationLabel->setBuddy(configurationCombo);
    configurationLabel->hide();
    configurationCombo->hide();

    line1_2 = sideLine(Page0, "line1_2", 521);
    line1 = sideLine(Page0, "line1", -8);
    pixmapLabel3_3 = newFooter(Page0, "pixmapLabel3_3");

    // Tab through the boxes as they stand on the page, top to bottom.
    setTabOrder(MPLABProjectEdit, MPLABProjectBrowseBtn);
    setTabOrder(MPLABProjectBrowseBtn, FenProjectEdit);
    setTabOrder(FenProjectEdit, FenProjectBrowseBtn);
    setTabOrder(FenProjectBrowseBtn, FenNameEdit);
    setTabOrder(MPLABProjectBrowseBtn, configurationCombo);
    setTabOrder(configurationCombo, FenProjectEdit);
    addPage(Page0);
}

void MPLABConverterBase::buildPage1()
{
    Page1 = newPage("Page1");

    groupBox1_2 = place<QGroupBox>(Page1, "groupBox1_2", 20, 150, 500, 60);
    MsgBrowseBtn = browseButton(groupBox1_2, "MsgBrowseBtn", 420);
    MsgPersonEdit = place<QLineEdit>(groupBox1_2, "MsgPersonEdit", 10, 20, 390, 25);

    groupBox2_2_2 = place<QGroupBox>(Page1, "groupBox2_2_2", 20, 220, 500, 60);
    AnalBrowseBtn = browseButton(groupBox2_2_2, "AnalBrowseBtn", 420);
    AnalPersonEdit = place<QLineEdit>(groupBox2_2_2, "AnalPersonEdit", 10, 20, 390, 25);

    groupBox2_2 = place<QGroupBox>(Page1, "groupBox2_2", 20, 290, 500, 60);
    CmpPersonEdit = place<QLineEdit>(groupBox2_2, "CmpPersonEdit", 10, 20, 390, 25);
    CmpBrowseBtn = browseButton(groupBox2_2, "CmpBrowseBtn", 420);
    MsgPersonReason = reasonLabel(MsgPersonEdit, "MsgPersonReason");
    AnalPersonReason = reasonLabel(AnalPersonEdit, "AnalPersonReason");
    CmpPersonReason = reasonLabel(CmpPersonEdit, "CmpPersonReason");

    pixmapLabel3_2 = newHeader(Page1, "pixmapLabel3_2");
    groupBox1_3_2 = place<QGroupBox>(Page1, "groupBox1_3_2", 20, 40, 500, 100);
    textLabel2_2_2 = wrappedLabel(groupBox1_3_2, "textLabel2_2_2", 10, 84);

    line1_2_2 = sideLine(Page1, "line1_2_2", 521);
    line1_3 = sideLine(Page1, "line1_3", -8);
    pixmapLabel3_3_2 = newFooter(Page1, "pixmapLabel3_3_2");

    setTabOrder(MsgPersonEdit, MsgBrowseBtn);
    setTabOrder(MsgBrowseBtn, AnalPersonEdit);
    setTabOrder(AnalPersonEdit, AnalBrowseBtn);
    setTabOrder(AnalBrowseBtn, CmpPersonEdit);
    setTabOrder(CmpPersonEdit, CmpBrowseBtn);
    addPage(Page1);
}

void MPLABConverterBase::buildPage2()
{
    Page2 = newPage("Page2");

    groupBox1_3_2_2 = place<QGroupBox>(Page2, "groupBox1_3_2_2", 20, 40, 500, 100);
    textLabel2_2_2_2 = wrappedLabel(groupBox1_3_2_2, "textLabel2_2_2_2", 14, 70);

    groupBox7 = place<QGroupBox>(Page2, "groupBox7", 60, 160, 420, 160);
    ccCheck = extensionBox(groupBox7, "ccCheck", 120, 35);
    cxxCheck = extensionBox(groupBox7, "cxxCheck", 190, 35);
    cCheck = extensionBox(groupBox7, "cCheck", 260, 35);
    textLabel2 = place<QLabel>(groupBox7, "textLabel2", 50, 116, 100, 20);
    hCheck = extensionBox(groupBox7, "hCheck", 40, 75);
    hhCheck = extensionBox(groupBox7, "hhCheck", 120, 75);
    hppCheck = extensionBox(groupBox7, "hppCheck", 190, 75);
    hxxCheck = extensionBox(groupBox7, "hxxCheck", 260, 75);
    cppCheck = extensionBox(groupBox7, "cppCheck", 40, 35);
    CustExtEdit = place<QLineEdit>(groupBox7, "CustExtEdit", 160, 115, 144, 25);
    // Two rows between the extensions box and the bottom banner.
    switchesCheck = place<QCheckBox>(Page2, "switchesCheck", 60, 322, 338, 18);
    mappingsButton = place<QPushButton>(Page2, "mappingsButton", 400, 320, 95, 21);
    setColour(mappingsButton, QPalette::Button, Qt::white);
    databaseCheck = place<QCheckBox>(Page2, "databaseCheck", 60, 340, 460, 18);

    pixmapLabel3_2_2 = newHeader(Page2, "pixmapLabel3_2_2");
    line1_3_2 = sideLine(Page2, "line1_3_2", -8);
    line1_2_2_2 = sideLine(Page2, "line1_2_2_2", 521);
    pixmapLabel3_3_2_2 = newFooter(Page2, "pixmapLabel3_3_2_2");

    // Row by row, as the boxes stand on the page.
    setTabOrder(cppCheck, ccCheck);
    setTabOrder(ccCheck, cxxCheck);
    setTabOrder(cxxCheck, cCheck);
    setTabOrder(cCheck, hCheck);
    setTabOrder(hCheck, hhCheck);
    setTabOrder(hhCheck, hppCheck);
    setTabOrder(hppCheck, hxxCheck);
    setTabOrder(hxxCheck, CustExtEdit);
    setTabOrder(CustExtEdit, switchesCheck);
    setTabOrder(switchesCheck, mappingsButton);
    setTabOrder(mappingsButton, databaseCheck);
    addPage(Page2);
}

void MPLABConverterBase::buildPage3()
{
    Page3 = newPage("Page3");
    pixmapLabel3_2_2_2 = newHeader(Page3, "pixmapLabel3_2_2_2");

    DetailsText = place<QTextBrowser>(Page3, "DetailsText", 15, 40, 505, 300);
    QSizePolicy policy = DetailsText->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Fixed);
    policy.setVerticalPolicy(QSizePolicy::Expanding);
    policy.setHorizontalStretch(0);
    policy.setVerticalStretch(0);
    DetailsText->setSizePolicy(policy);

    line1_3_2_2 = sideLine(Page3, "line1_3_2_2", -8);
    line1_2_2_2_2 = sideLine(Page3, "line1_2_2_2_2", 521);
    pixmapLabel3_3_2_2_2 = newFooter(Page3, "pixmapLabel3_3_2_2_2");

    // Finish starts disabled; the wizard enables it once the inputs are
    // summarised.
    Page3->setComplete(false);
    addPage(Page3);
}
