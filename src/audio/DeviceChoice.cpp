#include "DeviceChoice.h"

int indexOfDevice(const QStringList& names, QString deviceName)
{
    deviceName.remove(QStringLiteral(" (Default)"));
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i) == deviceName || names.at(i).contains(deviceName))
            return i;
    }
    return -1;
}
