#include "composer/PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(const TwipRect &rect, QWidget *parent)
    : TwipsControl<QWidget>(rect, parent)
{}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}
