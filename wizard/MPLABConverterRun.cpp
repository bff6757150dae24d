#include "MPLABConverter.h"

#include "WizardPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QTextBlockFormat>
#include <QTextBrowser>
#include <QTextCharFormat>
#include <QTextCursor>

#include <utility>

bool MPLABConverter::validateCurrentPage()
{
    if (currentPage() == Page2)
        prepareConversion();
    return MPLABConverterBase::validateCurrentPage();
}

// Leaving the extensions page: the list and the summary are rebuilt from
// scratch each time, so going back and forth never leaves stale values.
void MPLABConverter::prepareConversion()
{
    extensionList = buildExtensionList();
    DetailsText->setPlainText(buildSummary());
    Page3->setComplete(true);
}

QString MPLABConverter::buildExtensionList() const
{
    // The tool reads the list in this order, which is not the order of the
    // boxes on the page.
    const std::pair<QCheckBox *, const char *> pieces[] = {
        {cppCheck, "cpp,"}, {ccCheck, "cc,"}, {cxxCheck, "cxx,"}, {cCheck, "c,"},
        {hCheck, "h,"}, {hhCheck, "hh,"}, {hppCheck, "hpp,"}, {hxxCheck, "hxx,"},
    };
    QString list;
    for (const auto &[box, piece] : pieces) {
        if (box->checkState() != Qt::Unchecked)
            list += QLatin1String(piece);
    }
    list += CustExtEdit->text();
    if (list.endsWith(QLatin1Char(',')))
        list.chop(1);
    return list;
}

QString MPLABConverter::buildSummary() const
{
    return QStringLiteral("MPLAB Project:\n") + MPLABProjectEdit->text() + QStringLiteral("\n\n")
        + QStringLiteral("Tarn / Tarn++ Project Directory:\n") + FenProjectEdit->text() + QStringLiteral("\n\n")
        + QStringLiteral("Tarn / Tarn++ Project Name:\n") + FenNameEdit->text() + QStringLiteral("\n\n")
        + QStringLiteral("Message Personality:\n") + MsgPersonEdit->text() + QStringLiteral("\n\n")
        + QStringLiteral("Tamplate Analyser Personality:\n") + AnalPersonEdit->text() + QStringLiteral("\n\n")
        + QStringLiteral("Compiler Personality:\n") + CmpPersonEdit->text() + QStringLiteral("\n\n")
        + QStringLiteral("File Extensions:\n") + extensionList + QStringLiteral("\n")
        + switchesSummary()
        + databaseSummary()
        + configurationSummary()
        + mappingsSummary();
}

// Shown only when asked for, so the summary of a plain run stays as it was.
QString MPLABConverter::switchesSummary() const
{
    if (!switchesCheck->isChecked())
        return QString();
    return QStringLiteral("\nCompiler Switches:\nmacros and include paths also read from -D and -I (-sw)\n");
}

// Beside the project, in the separators the destination was typed with.
QString MPLABConverter::databasePath() const
{
    const QString folder = FenProjectEdit->text();
    QChar separator = QDir::separator();
    if (folder.contains(QLatin1Char('\\')))
        separator = QLatin1Char('\\');
    else if (folder.contains(QLatin1Char('/')))
        separator = QLatin1Char('/');
    const bool ended = folder.endsWith(separator);
    return folder + (ended ? QString() : QString(separator)) + QStringLiteral("compile_commands.json");
}

QString MPLABConverter::databaseSummary() const
{
    if (!databaseCheck->isChecked())
        return QString();
    return QStringLiteral("\nCompilation Database:\n") + databasePath() + QStringLiteral("\n");
}

// Empty unless the project is an MPLAB X project whose names the tool listed.
QString MPLABConverter::chosenConfiguration() const
{
    return configurationCombo->isHidden() ? QString() : configurationCombo->currentText();
}

QString MPLABConverter::configurationSummary() const
{
    if (chosenConfiguration().isEmpty())
        return QString();
    return QStringLiteral("\nConfiguration:\n") + chosenConfiguration() + QStringLiteral("\n");
}

QString MPLABConverter::mappingsSummary() const
{
    if (pathMappings.isEmpty())
        return QString();
    QString summary = QStringLiteral("\nPath Mappings:\n");
    for (const PathMapping &mapping : pathMappings)
        summary += mapping.from + QStringLiteral(" -> ") + mapping.to + QStringLiteral("\n");
    return summary;
}

// Each text goes as typed, one argument each: the tool makes paths absolute
// and splits the extension list itself. Only the separators change: Windows
// takes a typed slash for a backslash, but the tool splits paths at
// backslashes only there, so paths go to it as Windows writes them.
QStringList MPLABConverter::conversionArguments() const
{
    QStringList arguments{toBackslashes(MPLABProjectEdit->text()), toBackslashes(FenProjectEdit->text()),
                          QStringLiteral("-cp"), toBackslashes(CmpPersonEdit->text()),
                          QStringLiteral("-pn"), FenNameEdit->text()};
    if (!MsgPersonEdit->text().isEmpty())
        arguments << QStringLiteral("-mp") << toBackslashes(MsgPersonEdit->text());
    if (!AnalPersonEdit->text().isEmpty())
        arguments << QStringLiteral("-ap") << toBackslashes(AnalPersonEdit->text());
    if (!extensionList.isEmpty())
        arguments << QStringLiteral("-ext") << extensionList;
    if (switchesCheck->isChecked())
        arguments << QStringLiteral("-sw");
    if (databaseCheck->isChecked())
        arguments << QStringLiteral("-cdb") << toBackslashes(databasePath());
    // The folder on the author's machine goes as typed: the tool takes
    // either separator there.
    for (const PathMapping &mapping : pathMappings)
        arguments << QStringLiteral("-map") << PathMapping{mapping.from, toBackslashes(mapping.to)}.argument();
    if (!chosenConfiguration().isEmpty())
        arguments << QStringLiteral("-conf") << chosenConfiguration();
    return arguments;
}

// One conversion at a time: while the tool runs the user can neither start
// another one (Finish) nor go back to prepare one (Back).
void MPLABConverter::setRunning(bool running)
{
    if (running)
        Page3->setComplete(false);
    setOption(QWizard::DisabledBackButtonOnLastPage, running);
}

void MPLABConverter::accept()
{
    conversionProcess = new QProcess(this);
    outputLines = LineSplitter();
    toolErrors = ToolErrors();
    DetailsText->clear();
    DetailsText->setPlainText(tr("Initialising Project Conversion ...\n"));
    connect(conversionProcess, &QProcess::readyReadStandardOutput, this, &MPLABConverter::readFromStdout);
    connect(conversionProcess, &QProcess::readyReadStandardError, this, &MPLABConverter::readFromStderr);
    connect(conversionProcess, &QProcess::finished, this, &MPLABConverter::processExit);
    connect(conversionProcess, &QProcess::errorOccurred, this, &MPLABConverter::processError);
    // Locked before the start, because a failed start may be reported at once.
    setRunning(true);
    conversionProcess->start(QStringLiteral("Quillbrook"), conversionArguments());
}

// Only whole lines go to the pane, each read's as one paragraph: appending
// a read as it came would break a line the pipe cut in two, and on Windows
// a CR LF split between two reads would add a blank line.
void MPLABConverter::readFromStdout()
{
    showOutputLines(outputLines.take(conversionProcess->readAllStandardOutput()));
}

void MPLABConverter::showOutputLines(const QStringList &lines)
{
    if (!lines.isEmpty())
        appendText(lines.join(QLatin1Char('\n')));
}

// A new paragraph holding `text` as it is: QTextEdit::append would take a
// line that looks like markup (a folder named "<b>") for rich text.
void MPLABConverter::appendText(const QString &text)
{
    QTextCursor cursor(DetailsText->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    cursor.insertText(text, QTextCharFormat());
}

// The tool's warnings and reasons stand in the log as they come, each line a
// paragraph of its own in dark red, between the output lines they follow.
void MPLABConverter::readFromStderr()
{
    appendToolErrorLines(toolErrors.take(conversionProcess->readAllStandardError()));
}

void MPLABConverter::appendToolErrorLines(const QStringList &lines)
{
    QTextCharFormat format;
    format.setForeground(QColor(139, 0, 0));
    QTextCursor cursor(DetailsText->document());
    cursor.movePosition(QTextCursor::End);
    for (const QString &line : lines) {
        cursor.insertBlock(QTextBlockFormat(), format);
        cursor.insertText(line, format);
    }
}

void MPLABConverter::reportWarnings()
{
    const int count = toolErrors.warnings();
    if (count == 1)
        appendText(tr("There was 1 warning: see the dark red line above."));
    else if (count > 1)
        appendText(tr("There were %1 warnings: see the dark red lines above.").arg(count));
}

void MPLABConverter::reportFailureReason()
{
    if (!toolErrors.reason().isEmpty())
        appendText(tr("Project Conversion Failed: %1").arg(toolErrors.reason()));
}

// The tool's warnings name its own options; a wizard user acts elsewhere.
void MPLABConverter::reportWhereToAct()
{
    if (toolErrors.missingSources())
        appendText(tr("To convert sources that are on this machine under another folder: "
                      "Back to the file extensions page, Path Mappings..."));
    if (toolErrors.otherConfigurations())
        appendText(tr("To convert another configuration: Back to the first page, Configuration."));
}

void MPLABConverter::processError(QProcess::ProcessError error)
{
    // Any other error ends in finished(), which processExit() handles.
    if (error != QProcess::FailedToStart)
        return;
#ifdef Q_OS_WIN
    appendText(tr("Project Conversion could not be executed: Please ensure Quillbrook.exe is set on the path.\n"));
#else
    appendText(tr("Project Conversion could not be executed: Please ensure Quillbrook is set on the path.\n"));
#endif
    setRunning(false);
}

void MPLABConverter::processExit()
{
    setRunning(false);
    // Whatever is still in the pipes belongs above the result, with a last
    // line that has no line end.
    if (conversionProcess->bytesAvailable() > 0)
        readFromStdout();
    showOutputLines(outputLines.finish());
    readFromStderr();
    appendToolErrorLines(toolErrors.finish());
    if (conversionProcess->exitStatus() == QProcess::NormalExit) {
        if (conversionProcess->exitCode() == 0) {
            appendText(tr("Project Converted Successfully!"));
            reportWarnings();
            reportWhereToAct();
            setButtonText(CancelButton, tr("Close"));
        } else {
            reportFailureReason();
            reportWhereToAct();
            QMessageBox::about(nullptr, tr("MPLAB Project Converter"),
                               tr("Project Conversion Failed!\nPlease check the details log and try again."));
        }
    }
    saveSettings();
}
