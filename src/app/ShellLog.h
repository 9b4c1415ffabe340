// Logging category of the application shell (opening, entries, settings).
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcShell)
