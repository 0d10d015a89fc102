#pragma once

#include "ui/TwipsControl.h"

#include <QWidget>

class SignDocument;

// The sign plate on screen: the plate painter draws the current frame, as the plate or as the
// LED panel shrunk to the plate's place; the line edits lie on top of it.
class PlateView : public TwipsControl<QWidget>
{
public:
    PlateView(const SignDocument &document, const TwipRect &rect, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const SignDocument &m_document;
};
