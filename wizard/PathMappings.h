#ifndef PATHMAPPINGS_H
#define PATHMAPPINGS_H

#include <QList>
#include <QString>

// A folder as the MPLAB project names it (on its author's machine) and
// where that folder is on this machine: one "-map FROM=TO" of the tool.
struct PathMapping
{
    QString from;
    QString to;

    // The tool's value: it splits at the first "=".
    QString argument() const { return from + QLatin1Char('=') + to; }
    // The inverse of argument(); false without an "=" or with an empty side.
    static bool fromArgument(const QString &text, PathMapping &mapping);

    bool operator==(const PathMapping &other) const { return from == other.from && to == other.to; }
};

using PathMappings = QList<PathMapping>;

#endif
