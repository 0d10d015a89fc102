#include "ui/NumberBoxes.h"

#include <QCoreApplication>
#include <QSpinBox>

#include <algorithm>

QSpinBox *numberBox(QWidget *parent, const char *name, int minimum, int maximum, int value,
                    const QString &suffix)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(minimum, maximum);
    box->setValue(value);
    box->setSuffix(suffix);
    return box;
}

FrameRangeBoxes frameRangeBoxes(QWidget *parent, const char *firstName, const char *lastName,
                                int frameCount, int first, int last)
{
    const QString unit = QCoreApplication::translate("FrameRangeBoxes", " コマ目");
    FrameRangeBoxes boxes;
    boxes.first = numberBox(parent, firstName, 1, frameCount, first + 1, unit);
    boxes.last = numberBox(parent, lastName, 1, frameCount,
                           last < 0 ? frameCount : std::min(last + 1, frameCount), unit);
    QObject::connect(boxes.first, &QSpinBox::valueChanged, boxes.last, &QSpinBox::setMinimum);
    QObject::connect(boxes.last, &QSpinBox::valueChanged, boxes.first, &QSpinBox::setMaximum);
    boxes.last->setMinimum(boxes.first->value());
    boxes.first->setMaximum(boxes.last->value());
    return boxes;
}

int FrameRangeBoxes::firstIndex() const
{
    return first->value() - 1;
}

int FrameRangeBoxes::lastIndex() const
{
    return last->value() == last->maximum() ? -1 : last->value() - 1;
}
