// The player's logging category; enable with
// QT_LOGGING_RULES="tonbrook.audio.*=true".
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcPlayer)
