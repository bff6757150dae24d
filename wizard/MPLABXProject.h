#ifndef MPLABXPROJECT_H
#define MPLABXPROJECT_H

#include <QFileInfo>
#include <QString>

// The folder of the MPLAB X project that `project` names, as the tool takes
// it: a folder holding nbproject/configurations.xml, or a configurations.xml
// (in nbproject, the folder above). Empty when `project` is no such thing.
QString mplabXProjectFolder(const QFileInfo &project);

#endif
