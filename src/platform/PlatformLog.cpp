#include "PlatformLog.h"

// Debug output is off by default: the libraries report every damaged frame.
Q_LOGGING_CATEGORY(lcDecoder, "tonbrook.platform.decoder", QtWarningMsg)
Q_LOGGING_CATEGORY(lcOutput, "tonbrook.platform.output", QtWarningMsg)
Q_LOGGING_CATEGORY(lcEncoder, "tonbrook.platform.encoder", QtWarningMsg)
