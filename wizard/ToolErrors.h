#ifndef TOOLERRORS_H
#define TOOLERRORS_H

#include "LineSplitter.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// What Quillbrook writes to standard error during one run, taken line by
// line as the bytes arrive: its warnings are counted, and any other line of
// its own is kept as the reason the run stopped.
class ToolErrors
{
public:
    // The lines completed by `bytes`; a partial line waits for the rest.
    QStringList take(const QByteArray &bytes);
    // The partial line left when the tool has ended, if any.
    QStringList finish();

    int warnings() const { return warningCount; }
    // A warning named "-map FROM=TO": sources or folders not on this machine.
    bool missingSources() const { return mapHinted; }
    // A warning named "-conf NAME": the project has other configurations.
    bool otherConfigurations() const { return confHinted; }
    // The text of the tool's last line that is not a warning, without its
    // "Quillbrook: " and "error: " prefixes; empty when there was none.
    QString reason() const { return lastReason; }

private:
    QStringList noted(const QStringList &taken);
    void note(const QString &line);

    LineSplitter lines;
    int warningCount = 0;
    bool mapHinted = false;
    bool confHinted = false;
    QString lastReason;
};

#endif
