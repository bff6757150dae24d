#include "WizardTestSupport.h"

#include "MPLABConverter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

ScratchDir::ScratchDir()
    : previous(QDir::currentPath())
{
    QDir::setCurrent(dir.path());
}

ScratchDir::~ScratchDir()
{
    QDir::setCurrent(previous);
}

QString ScratchDir::path(const QString &name) const
{
    return name.isEmpty() ? dir.path() : dir.filePath(name);
}

QString ScratchDir::write(const QString &name, const QByteArray &contents) const
{
    QFile file(path(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(contents);
    return file.fileName();
}

QString ScratchDir::makeDir(const QString &name) const
{
    QDir(dir.path()).mkpath(name);
    return path(name);
}

QByteArray ScratchDir::read(const QString &name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

WizardDriver::WizardDriver(MPLABConverter &wizard)
    : wizard(wizard)
{
    wizard.show();
    if (!QTest::qWaitForWindowExposed(&wizard))
        qWarning("the wizard was not shown");
}

void WizardDriver::type(QLineEdit *edit, const QString &text)
{
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
}

void WizardDriver::click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

QAbstractButton *WizardDriver::button(QWizard::WizardButton which) const
{
    return wizard.button(which);
}

bool WizardDriver::canPress(QWizard::WizardButton which) const
{
    return button(which)->isVisible() && button(which)->isEnabled();
}

void WizardDriver::press(QWizard::WizardButton which)
{
    click(button(which));
}

void WizardDriver::fillFirstPages(const QString &project, const QString &folder, const QString &name,
                                  const QString &message, const QString &analyser,
                                  const QString &compiler)
{
    type(wizard.MPLABProjectEdit, project);
    type(wizard.FenProjectEdit, folder);
    type(wizard.FenNameEdit, name);
    press(QWizard::NextButton);
    type(wizard.MsgPersonEdit, message);
    type(wizard.AnalPersonEdit, analyser);
    type(wizard.CmpPersonEdit, compiler);
    press(QWizard::NextButton);
}

ModalAnswer::ModalAnswer(std::function<void(QWidget *)> answer)
    : answer(std::move(answer))
{
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [this] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        poll.stop();
        done = true;
        this->answer(modal);
    });
    poll.start();
}

bool ModalAnswer::answered() const
{
    return done;
}

namespace {

QByteArray prependToPath(const QString &folder)
{
    const QByteArray previous = qgetenv("PATH");
    qputenv("PATH", QDir::toNativeSeparators(folder).toLocal8Bit() + QDir::listSeparator().toLatin1()
                        + previous);
    return previous;
}

} // namespace

StandIn::StandIn(const ScratchDir &scratch)
    : scratch(scratch),
      previousPath(prependToPath(QStringLiteral(STANDIN_DIR)))
{
    qputenv("STANDIN_ARGS_FILE", scratch.path(QStringLiteral("standin-arguments")).toLocal8Bit());
}

StandIn::~StandIn()
{
    qputenv("PATH", previousPath);
    for (const char *name : {"STANDIN_ARGS_FILE", "STANDIN_LINES", "STANDIN_EXIT",
                             "STANDIN_CRASH", "STANDIN_ABORT", "STANDIN_PIECES", "STANDIN_HOLD_FILE",
                             "STANDIN_WARNINGS", "STANDIN_REASON", "STANDIN_OUTPUT",
                             "STANDIN_CONFIGURATIONS"})
        qunsetenv(name);
}

void StandIn::printLines(int count)
{
    qputenv("STANDIN_LINES", QByteArray::number(count));
}

void StandIn::printLinesInPieces(int count)
{
    printLines(count);
    qputenv("STANDIN_PIECES", "1");
}

void StandIn::warnAfterLines(int count)
{
    qputenv("STANDIN_WARNINGS", QByteArray::number(count));
}

void StandIn::endWithErrorLine(const QByteArray &line)
{
    qputenv("STANDIN_REASON", line);
}

void StandIn::alsoPrint(const QByteArray &text)
{
    qputenv("STANDIN_OUTPUT", text);
}

void StandIn::listConfigurations(const QByteArray &names)
{
    qputenv("STANDIN_CONFIGURATIONS", names);
}

void StandIn::exitWith(int status)
{
    qputenv("STANDIN_EXIT", QByteArray::number(status));
}

void StandIn::crash()
{
    qputenv("STANDIN_CRASH", "1");
}

void StandIn::abort()
{
    qputenv("STANDIN_ABORT", "1");
}

void StandIn::holdUntilReleased()
{
    qputenv("STANDIN_HOLD_FILE", scratch.path(QStringLiteral("standin-release")).toLocal8Bit());
}

void StandIn::release()
{
    scratch.write(QStringLiteral("standin-release"));
}

QStringList StandIn::arguments() const
{
    QString recorded = QString::fromLocal8Bit(scratch.read(QStringLiteral("standin-arguments")));
    recorded.chop(1); // the last argument's line end
    return recorded.split(QLatin1Char('\n'));
}

EmptyPath::EmptyPath(const ScratchDir &scratch)
    : previousPath(qgetenv("PATH"))
{
    qputenv("PATH", QDir::toNativeSeparators(scratch.makeDir(QStringLiteral("empty-bin"))).toLocal8Bit());
}

EmptyPath::~EmptyPath()
{
    qputenv("PATH", previousPath);
}
