#pragma once

#include "composer/TwipsControl.h"

#include <QImage>
#include <QWidget>

// The off-screen picture that keeps the last capture of the sign.
class PictureBox : public TwipsControl<QWidget>
{
public:
    explicit PictureBox(const TwipRect &rect, QWidget *parent = nullptr);

    QImage picture() const { return m_picture; }
    void setPicture(const QImage &picture);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};
