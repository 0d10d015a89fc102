#include "ui/RollPanel.h"

#include "sign/SignDocument.h"
#include "ui/FrameThumbnailDelegate.h"
#include "ui/RollModel.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QListView>
#include <QToolButton>
#include <QVBoxLayout>

RollPanel::RollPanel(SignDocument &document, const QList<QAction *> &buttons, QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_document(document)
    , m_model(new RollModel(document, this))
    , m_list(new QListView(this))
{
    setObjectName(QStringLiteral("rollPanel"));
    setWindowTitle(tr("コマ一覧"));
    // Shown beside the main window as it opens, it must not take the keyboard from it.
    setAttribute(Qt::WA_ShowWithoutActivating);

    m_list->setObjectName(QStringLiteral("rollList"));
    m_list->setModel(m_model);
    m_list->setItemDelegate(new FrameThumbnailDelegate(document, m_list));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    m_list->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    // Every row is as tall as the next: the list need not ask each of 500 rows for its size.
    m_list->setUniformItemSizes(true);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setMinimumWidth(260);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // A right click on the list offers the same, with the menu's full words.
    m_list->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_list->addActions(buttons);

    auto *row = new QHBoxLayout;
    row->setSpacing(2);
    for (QAction *action : buttons) {
        auto *button = new QToolButton(this);
        button->setDefaultAction(action);
        button->setObjectName(action->objectName() + QStringLiteral("Button"));
        row->addWidget(button);
    }
    row->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(row);
    layout->addWidget(m_list);

    // While rows come and go the list moves its current row by itself; the document chooses the
    // current frame once the change is complete.
    const auto changing = [this] { m_changingRows = true; };
    const auto changed = [this] { m_changingRows = false; };
    connect(m_model, &QAbstractItemModel::rowsAboutToBeInserted, this, changing);
    connect(m_model, &QAbstractItemModel::rowsAboutToBeRemoved, this, changing);
    connect(m_model, &QAbstractItemModel::rowsAboutToBeMoved, this, changing);
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, changing);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, changed);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, changed);
    connect(m_model, &QAbstractItemModel::rowsMoved, this, changed);
    connect(m_model, &QAbstractItemModel::modelReset, this, changed);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid() && !m_changingRows)
                    m_document.setCurrentIndex(current.row());
            });
    connect(&m_document, &SignDocument::currentChanged, this, &RollPanel::showCurrent);
    connect(&m_document, &SignDocument::framesReplaced, this, [this] { showCurrent(0); });
    showCurrent(m_document.currentIndex());
}

void RollPanel::showCurrent(int index)
{
    const QModelIndex row = m_model->index(index);
    if (m_list->currentIndex() != row)
        m_list->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
    m_list->scrollTo(row);
}

void RollPanel::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit closed();
}

int RollPanel::smallestUsefulHeight() const
{
    const QMargins margins = layout()->contentsMargins();
    const int list = 2 * m_list->frameWidth() + m_list->sizeHintForRow(0);
    return margins.top() + layout()->itemAt(0)->sizeHint().height() + layout()->spacing() + list +
           margins.bottom();
}

bool RollPanel::event(QEvent *event)
{
    // A dialog or message box of the main window blocks the panel too: the panel steps beneath
    // so that nothing it covers is hidden, and comes back on top once the dialog has gone.
    if (event->type() == QEvent::WindowBlocked && isVisible())
        lower();
    else if (event->type() == QEvent::WindowUnblocked && isVisible())
        raise();
    return QWidget::event(event);
}

void RollPanel::renameCurrent()
{
    show();
    m_list->edit(m_model->index(m_document.currentIndex()));
}
