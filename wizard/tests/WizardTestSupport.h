#ifndef WIZARDTESTSUPPORT_H
#define WIZARDTESTSUPPORT_H

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWizard>

#include <functional>

class MPLABConverter;
class QAbstractButton;
class QLineEdit;

// A fresh working directory for one test: the wizard keeps "settings.txt" in
// the working directory and judges relative paths from there.
class ScratchDir
{
public:
    ScratchDir();
    ~ScratchDir();

    QString path(const QString &name = QString()) const;
    QString write(const QString &name, const QByteArray &contents = QByteArray()) const;
    QString makeDir(const QString &name) const;
    QByteArray read(const QString &name) const;

private:
    QTemporaryDir dir;
    QString previous;
};

// Works the wizard through its widgets as a user would: typing into edits
// and clicking buttons.
class WizardDriver
{
public:
    explicit WizardDriver(MPLABConverter &wizard);

    void type(QLineEdit *edit, const QString &text);
    void click(QAbstractButton *button);
    QAbstractButton *button(QWizard::WizardButton which) const;
    bool canPress(QWizard::WizardButton which) const;
    void press(QWizard::WizardButton which);

    // Fills Page0 and Page1 with the given texts and moves on to Page2.
    void fillFirstPages(const QString &project, const QString &folder, const QString &name,
                        const QString &message, const QString &analyser, const QString &compiler);

private:
    MPLABConverter &wizard;
};

// Answers the next modal window (a file dialog or a message box) that opens,
// from inside its own event loop. The answer must close the window.
class ModalAnswer
{
public:
    explicit ModalAnswer(std::function<void(QWidget *)> answer);
    bool answered() const;

private:
    QTimer poll;
    std::function<void(QWidget *)> answer;
    bool done = false;
};

// Puts the built stand-in for Quillbrook first on PATH for the lifetime of
// this object and tells it what to do.
class StandIn
{
public:
    explicit StandIn(const ScratchDir &scratch);
    ~StandIn();

    void printLines(int count);
    // The lines in pieces, CR LF line ends split, the last without one.
    void printLinesInPieces(int count);
    // Each of the first `count` lines is followed by a warning on standard error.
    void warnAfterLines(int count);
    // The last line on standard error, after the printed lines.
    void endWithErrorLine(const QByteArray &line);
    // Printed on standard output after the lines, as it is.
    void alsoPrint(const QByteArray &text);
    // The names it lists when asked "--configurations", comma-separated.
    void listConfigurations(const QByteArray &names);
    void exitWith(int status);
    void crash();
    void abort();
    void holdUntilReleased();
    void release();
    QStringList arguments() const;

private:
    const ScratchDir &scratch;
    QByteArray previousPath;
};

// PATH holding only an empty folder, so that no Quillbrook can be found.
class EmptyPath
{
public:
    explicit EmptyPath(const ScratchDir &scratch);
    ~EmptyPath();

private:
    QByteArray previousPath;
};

#endif
