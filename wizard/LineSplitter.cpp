#include "LineSplitter.h"

namespace {

QString lineText(QByteArray line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    return QString::fromLocal8Bit(line);
}

} // namespace

QStringList LineSplitter::take(const QByteArray &bytes)
{
    pending += bytes;
    QStringList lines;
    for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
        lines << lineText(pending.left(end));
        pending.remove(0, end + 1);
    }
    return lines;
}

QStringList LineSplitter::finish()
{
    if (pending.isEmpty())
        return {};
    const QString line = lineText(pending);
    pending.clear();
    return {line};
}
