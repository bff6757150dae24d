#include "MPLABConverter.h"

#include "MPLABXProject.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

// The Configuration choice on Page0. The tool is asked for the names
// ("Quillbrook --configurations PROJECT") rather than the wizard reading the
// project, so that the choice offers exactly what a run accepts.

void MPLABConverter::askForConfigurations()
{
    if (configurationQuery) {
        // An answer about a project no longer named is of no use.
        configurationQuery->disconnect(this);
        connect(configurationQuery, &QProcess::finished, configurationQuery, &QObject::deleteLater);
        configurationQuery->kill();
        configurationQuery = nullptr;
    }
    configurationCombo->clear();
    const bool mplabX = !mplabXProjectFolder(QFileInfo(MPLABProjectEdit->text())).isEmpty();
    configurationLabel->setVisible(mplabX);
    configurationCombo->setVisible(mplabX);
    if (!mplabX)
        return;
    configurationQuery = new QProcess(this);
    configurationQuery->setObjectName(QStringLiteral("configurationQuery"));
    connect(configurationQuery, &QProcess::finished, this, &MPLABConverter::takeConfigurations);
    // Never reported: a tool that cannot start leaves the choice empty, and
    // the run then says so.
    configurationQuery->start(QStringLiteral("Quillbrook"),
                              {QStringLiteral("--configurations"), toBackslashes(MPLABProjectEdit->text())});
}

// A tool that fails leaves the choice empty: the run then converts the
// first configuration, or says why it cannot.
void MPLABConverter::takeConfigurations()
{
    QProcess *query = configurationQuery;
    configurationQuery = nullptr;
    query->deleteLater();
    if (query->exitStatus() != QProcess::NormalExit || query->exitCode() != 0)
        return;
    LineSplitter lines;
    QStringList names = lines.take(query->readAllStandardOutput());
    names << lines.finish();
    names.removeAll(QString());
    configurationCombo->addItems(names);
    configurationCombo->setCurrentIndex(names.isEmpty() ? -1 : 0);
}
