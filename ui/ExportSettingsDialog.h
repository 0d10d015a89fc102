#pragma once

#include "export/ExportSettings.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QRadioButton;
class QSpinBox;

// 書き出し設定: how large saved pictures are, by scale or by height, and the print sheet's
// paper and printed frame width.
class ExportSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ExportSettingsDialog(const ExportSettings &settings, QWidget *parent = nullptr);

    ExportSettings settings() const;

private:
    ExportSettings m_settings;
    QRadioButton *m_byScale = nullptr;
    QRadioButton *m_byHeight = nullptr;
    QDoubleSpinBox *m_scale = nullptr;
    QSpinBox *m_height = nullptr;
    QComboBox *m_paper = nullptr;
    QDoubleSpinBox *m_frameWidth = nullptr;
};
