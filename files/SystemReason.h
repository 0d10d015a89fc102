#pragma once

#include <QString>

// The system's reason for a failed file operation, in Japanese, from its error number (errno):
// "ディスクに空きがありません。" for ENOSPC. A number the table does not know is told in the
// system's own words. 0 gives an empty string.
QString systemReason(int errorNumber);
