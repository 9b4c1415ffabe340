// Logging category of the analysis subsystem (cache, cipher, model).
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcAnalysis)
