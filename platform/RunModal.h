#pragma once

class QDialog;

// Runs a modal dialog and then gives its owner window back the activation and the focus to the
// control that had it. A desktop without a window manager would otherwise leave the focus
// nowhere, and the window's shortcuts and access keys would stop working until the user clicked.
int runModal(QDialog &dialog);
