#include "EngineLog.h"

Q_LOGGING_CATEGORY(lcEngine, "belltide.engine", QtInfoMsg)
