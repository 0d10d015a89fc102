#pragma once

#include "sign/SignLook.h"

#include <QDialog>

class QComboBox;
class QSpinBox;

// The LED panel's settings: the grid, its colours and how the dots are drawn.
class LedSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LedSettingsDialog(const LedSettings &settings, QWidget *parent = nullptr);

    LedSettings settings() const;

private:
    // The side display's size is fixed and a front display has 16 or 24 rows.
    void limitToGrid();

    QComboBox *m_grid = nullptr;
    QSpinBox *m_columns = nullptr;
    QSpinBox *m_rows = nullptr;
    QComboBox *m_colours = nullptr;
    QSpinBox *m_dotSize = nullptr;
    QSpinBox *m_gap = nullptr;
    QSpinBox *m_glow = nullptr;
};
