#pragma once

#include <QWidget>

class QAction;
class QListView;
class RollModel;
class SignDocument;

// The roll beside the main window: every frame as a small plate with its name, the current one
// selected. Choosing a row makes that frame the one the main window edits; the buttons add,
// duplicate, delete, move and rename frames, and rows can be dragged to another place.
class RollPanel : public QWidget
{
    Q_OBJECT

public:
    RollPanel(SignDocument &document, const QList<QAction *> &buttons, QWidget *parent = nullptr);

    QListView *list() const { return m_list; }
    // Edits the current frame's name in its row.
    void renameCurrent();
    // The buttons and one whole row of the list: shorter, the panel is of no use.
    int smallestUsefulHeight() const;

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void showCurrent(int index);

    SignDocument &m_document;
    RollModel *m_model = nullptr;
    QListView *m_list = nullptr;
    bool m_changingRows = false;
};
