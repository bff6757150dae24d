#include "PathMappings.h"

bool PathMapping::fromArgument(const QString &text, PathMapping &mapping)
{
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals <= 0 || equals + 1 == text.size())
        return false;
    mapping = {text.left(equals), text.mid(equals + 1)};
    return true;
}
