#include "MPLABXProject.h"

#include <QDir>

QString mplabXProjectFolder(const QFileInfo &project)
{
    if (project.isDir()
        && QFileInfo(QDir(project.filePath()).filePath(QStringLiteral("nbproject/configurations.xml"))).isFile())
        return project.absoluteFilePath();
    if (!project.isFile() || project.fileName().compare(QLatin1String("configurations.xml"), Qt::CaseInsensitive) != 0)
        return QString();
    const QString folder = project.absolutePath();
    if (QFileInfo(folder).fileName().compare(QLatin1String("nbproject"), Qt::CaseInsensitive) == 0)
        return QFileInfo(folder).absolutePath();
    return folder;
}
