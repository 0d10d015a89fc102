#pragma once

#include "export/ExportManager.h"

#include <QString>

// What the user is told when a picture could not be saved: the file, why, and that nothing
// they had was lost.
QString saveFailureMessage(const ExportManager::Result &result);
