#pragma once

class QDialog;
class QWidget;

// Runs a modal dialog and then hands the focus back to returnTo, or to the window that was
// active before the dialog. A desktop without a window manager would otherwise leave the focus
// nowhere, and the main window's shortcuts and access keys would stop working until the user
// clicked it.
int runModal(QDialog &dialog, QWidget *returnTo = nullptr);
