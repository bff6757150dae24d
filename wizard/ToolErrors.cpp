#include "ToolErrors.h"

namespace {

const QString toolPrefix = QStringLiteral("Quillbrook: ");
const QString warningPrefix = QStringLiteral("Quillbrook: warning: ");
const QString errorPrefix = QStringLiteral("error: ");

} // namespace

QStringList ToolErrors::take(const QByteArray &bytes)
{
    return noted(lines.take(bytes));
}

QStringList ToolErrors::finish()
{
    return noted(lines.finish());
}

QStringList ToolErrors::noted(const QStringList &taken)
{
    for (const QString &line : taken)
        note(line);
    return taken;
}

void ToolErrors::note(const QString &line)
{
    if (line.startsWith(warningPrefix)) {
        ++warningCount;
        mapHinted = mapHinted || line.contains(QLatin1String("-map FROM=TO"));
        confHinted = confHinted || line.contains(QLatin1String("-conf NAME"));
        return;
    }
    if (!line.startsWith(toolPrefix))
        return;
    lastReason = line.mid(toolPrefix.size());
    if (lastReason.startsWith(errorPrefix))
        lastReason = lastReason.mid(errorPrefix.size());
}
