#include "ShellLog.h"

Q_LOGGING_CATEGORY(lcShell, "tonbrook.shell")
