#pragma once

#include <QStyledItemDelegate>

class SignDocument;

// A row of the roll panel: the frame's number, its plate drawn small by the plate painter, and
// its name beside it.
class FrameThumbnailDelegate : public QStyledItemDelegate
{
public:
    static constexpr qreal kScale = 0.5;

    explicit FrameThumbnailDelegate(const SignDocument &document, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

private:
    QRect plateRect(const QStyleOptionViewItem &option, const QModelIndex &index) const;
    QRect nameRect(const QStyleOptionViewItem &option, const QModelIndex &index) const;

    const SignDocument &m_document;
};
