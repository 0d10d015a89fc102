#pragma once

class QWidget;

// Places a top-level window, frame included, in the middle of the screen it is on.
void centreOnScreen(QWidget *window);
