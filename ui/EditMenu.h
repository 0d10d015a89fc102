#pragma once

#include <QObject>

class QAction;
class QMenuBar;
class SignDocument;

// 編集: undo and redo of the document's history, each naming the step it would take back or
// again and greyed when there is none.
class EditMenu : public QObject
{
    Q_OBJECT

public:
    EditMenu(QMenuBar *menuBar, SignDocument &document, QObject *parent = nullptr);

private:
    void describeHistory();

    SignDocument &m_document;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
};
