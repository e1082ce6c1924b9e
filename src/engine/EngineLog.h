#pragma once

#include <QLoggingCategory>

// Diagnostics of the search, off unless enabled with
// QT_LOGGING_RULES="belltide.engine.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcEngine)
