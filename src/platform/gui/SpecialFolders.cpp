#include "platform/gui/SpecialFolders.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace qx {

std::string specialFolderPath(int folder)
{
    QStandardPaths::StandardLocation location;
    switch (folder) {
    case CSIDL_PERSONAL: location = QStandardPaths::DocumentsLocation; break;
    case CSIDL_APPDATA: location = QStandardPaths::GenericConfigLocation; break;
    case CSIDL_LOCAL_APPDATA: location = QStandardPaths::GenericDataLocation; break;
    default: return {}; // no machine-wide settings folder is writable here
    }
    return QStandardPaths::writableLocation(location).toStdString();
}

std::string executablePath() { return QCoreApplication::applicationFilePath().toStdString(); }

} // namespace qx
