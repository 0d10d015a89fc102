#pragma once

#include "codec/AnimationKind.h"
#include "export/ExportSettings.h"
#include "render/MotionOptions.h"
#include "ui/NumberBoxes.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QRadioButton;
class QSpinBox;

// 動画として保存: what kind of moving picture, how many pictures a second, how the sign moves
// (the plate's hold and turn, or the panel's page time and scroll speed, whichever look the
// roll has), how large, and over which frames.
class VideoOptionsDialog : public QDialog
{
    Q_OBJECT

public:
    struct Choice
    {
        AnimationKind kind = AnimationKind::Mp4;
        int fps = 30;
        MotionOptions motion;
        ExportSettings size;
    };

    VideoOptionsDialog(int frameCount, bool led, const Choice &choice, QWidget *parent = nullptr);

    Choice choice() const;

private:
    Choice m_choice;
    QComboBox *m_kind = nullptr;
    QSpinBox *m_fps = nullptr;
    QDoubleSpinBox *m_hold = nullptr;
    QDoubleSpinBox *m_turn = nullptr;
    QDoubleSpinBox *m_page = nullptr;
    QSpinBox *m_scroll = nullptr;
    QRadioButton *m_byScale = nullptr;
    QDoubleSpinBox *m_scale = nullptr;
    QSpinBox *m_height = nullptr;
    FrameRangeBoxes m_range;
};
