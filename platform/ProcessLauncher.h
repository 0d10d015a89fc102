#pragma once

#include <QString>

// Hands a document or web address to the desktop, which opens it with the program the
// user associates with it. Never waits for what it starts.
class ProcessLauncher
{
public:
    virtual ~ProcessLauncher() = default;

    // False when the desktop reported that it could not start anything.
    virtual bool open(const QString &target) = 0;
};
