#include "AnalysisLog.h"

Q_LOGGING_CATEGORY(lcAnalysis, "tonbrook.analysis")
