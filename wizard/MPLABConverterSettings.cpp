#include "MPLABConverter.h"

#include <QFile>
#include <QLineEdit>
#include <QTextStream>

#include <utility>

// "settings.txt" in the working directory remembers the three personality
// paths between runs, as entries of three lines: key, path, empty line.

namespace {

const QString settingsFileName = QStringLiteral("settings.txt");

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
    while (!in.atEnd()) {
        const QString line = in.readLine();
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
}
