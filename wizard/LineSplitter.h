#ifndef LINESPLITTER_H
#define LINESPLITTER_H

#include <QByteArray>
#include <QStringList>

// Bytes from one of the tool's pipes, taken apart into whole lines as they
// arrive: a read may end inside a line, or between the CR and the LF of a
// Windows line end.
class LineSplitter
{
public:
    // The lines completed by `bytes`, without their line ends; a partial
    // line waits for the rest.
    QStringList take(const QByteArray &bytes);
    // The partial line left when the tool has ended, if any.
    QStringList finish();

private:
    QByteArray pending;
};

#endif
