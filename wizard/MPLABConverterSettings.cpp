#include "MPLABConverter.h"

#include <QFile>
#include <QLineEdit>
#include <QTextStream>

#include <utility>

// "settings.txt" in the working directory remembers the three personality
// paths between runs, as entries of three lines: key, path, empty line. The
// path mappings follow as entries of the same shape, one per mapping, in
// their order: a reader that does not know their key skips them, and their
// value ("FROM=TO") is never one of the personality keys.

namespace {

const QString settingsFileName = QStringLiteral("settings.txt");
const QString mappingKey = QStringLiteral("Path Mapping:");

} // namespace

QList<std::pair<QString, QLineEdit *>> MPLABConverter::settingsEntries() const
{
    return {
        {QStringLiteral("Message Personality:"), MsgPersonEdit},
        {QStringLiteral("Analyser Personality:"), AnalPersonEdit},
        {QStringLiteral("Compiler Personality:"), CmpPersonEdit},
    };
}

void MPLABConverter::loadSettings()
{
    QFile file(settingsFileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::System);
    pathMappings.clear();
    while (!in.atEnd()) {
        const QString line = in.readLine();
        PathMapping mapping;
        if (line == mappingKey) {
            if (PathMapping::fromArgument(in.readLine(), mapping))
                pathMappings << mapping;
            continue;
        }
        for (const auto &[key, edit] : settingsEntries()) {
            if (line == key) {
                // The value line is consumed here, so it is never taken for a key.
                edit->setText(in.readLine());
                break;
            }
        }
    }
}

void MPLABConverter::saveSettings()
{
    QFile file(settingsFileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    QTextStream out(&file);
    out.setEncoding(QStringConverter::System);
    for (const auto &[key, edit] : settingsEntries()) {
        if (!edit->text().isEmpty())
            out << key << "\n" << edit->text() << "\n\n";
    }
    for (const PathMapping &mapping : pathMappings)
        out << mappingKey << "\n" << mapping.argument() << "\n\n";
}
