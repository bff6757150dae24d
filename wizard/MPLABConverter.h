#ifndef MPLABCONVERTER_H
#define MPLABCONVERTER_H

#include "LineSplitter.h"
#include "MPLABConverterBase.h"
#include "PathMappings.h"
#include "ToolErrors.h"

#include <QList>
#include <QProcess>
#include <QString>

#include <utility>

class QLineEdit;

// The conversion wizard: validates the paths of the first two pages, runs the
// browse dialogs, turns the extensions page into an extension list and a
// summary, runs Quillbrook on Finish and remembers the personality paths in
// "settings.txt" in the working directory.
class MPLABConverter : public MPLABConverterBase
{
    Q_OBJECT

public:
    explicit MPLABConverter(QWidget *parent = nullptr, const char *name = nullptr,
                            bool modal = false, Qt::WindowFlags fl = {});
    ~MPLABConverter() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

    // A picked path in the platform's own separators.
    static QString toBackslashes(const QString &path);

public slots:
    void MPLABProjectBrowseBtn_clicked();
    void FenProjectBrowseBtn_clicked();
    void Page0LineEdit_textchanged(const QString &);
    void Page1LineEdit_textchanged(const QString &);
    void MsgBrowseBtn_clicked();
    void AnalBrowseBtn_clicked();
    void CmpBrowseBtn_clicked();
    void readFromStdout();
    void readFromStderr();
    void processExit();
    void processError(QProcess::ProcessError error);
    void mappingsButton_clicked();

protected:
    // Next pressed: on the extensions page this prepares the run.
    bool validateCurrentPage() override;

protected slots:
    void accept() override;
    void reject() override;

private:
    void connectSignals();
    void watchKeyReleases();
    void whitenWizardButtons();

    void validatePage0();
    void validatePage1();
    void offerProjectName();
    void askForConfigurations();
    void takeConfigurations();

    QString browseForFile(const QString &caption, const QString &filter);
    QString browseForDirectory(const QString &caption);
    void takeBrowseResult(const QString &picked, QLineEdit *target);

    void prepareConversion();
    QString buildExtensionList() const;
    QString buildSummary() const;
    QString switchesSummary() const;
    QString databasePath() const;
    QString databaseSummary() const;
    QString chosenConfiguration() const;
    QString configurationSummary() const;
    QString mappingsSummary() const;
    QStringList conversionArguments() const;
    void setRunning(bool running);
    void showOutputLines(const QStringList &lines);
    void appendText(const QString &text);
    void appendToolErrorLines(const QStringList &lines);
    void reportWarnings();
    void reportFailureReason();
    void reportWhereToAct();

    QList<std::pair<QString, QLineEdit *>> settingsEntries() const;
    void loadSettings();
    void saveSettings();

    QString extensionList;
    QProcess *conversionProcess;
    // The standard output and standard error of the latest run.
    LineSplitter outputLines;
    ToolErrors toolErrors;
    QString lastPath;
    // The folder mappings of the extensions page's dialog, in the order the
    // tool tries them; remembered in "settings.txt".
    PathMappings pathMappings;
    // The tool listing the configurations of the MPLAB X project on Page0.
    QProcess *configurationQuery;
};

#endif
