#pragma once

#include <exception>

// Thrown by a dialog object whose CancelError is set when the user cancels its dialog.
class DialogCancelled : public std::exception
{
public:
    const char *what() const noexcept override { return "dialog cancelled"; }
};
