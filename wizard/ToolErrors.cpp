#include "ToolErrors.h"

namespace {

const QString toolPrefix = QStringLiteral("Quillbrook: ");
const QString warningPrefix = QStringLiteral("Quillbrook: warning: ");
const QString errorPrefix = QStringLiteral("error: ");

QString lineText(QByteArray line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    return QString::fromLocal8Bit(line);
}

} // namespace

QStringList ToolErrors::take(const QByteArray &bytes)
{
    pending += bytes;
    QStringList lines;
    for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
        lines << lineText(pending.left(end));
        pending.remove(0, end + 1);
    }
    for (const QString &line : lines)
        note(line);
    return lines;
}

QStringList ToolErrors::finish()
{
    if (pending.isEmpty())
        return {};
    const QString line = lineText(pending);
    pending.clear();
    note(line);
    return {line};
}

void ToolErrors::note(const QString &line)
{
    if (line.startsWith(warningPrefix)) {
        ++warningCount;
        return;
    }
    if (!line.startsWith(toolPrefix))
        return;
    lastReason = line.mid(toolPrefix.size());
    if (lastReason.startsWith(errorPrefix))
        lastReason = lastReason.mid(errorPrefix.size());
}
