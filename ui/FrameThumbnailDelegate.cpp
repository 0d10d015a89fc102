#include "ui/FrameThumbnailDelegate.h"

#include "render/PlatePainter.h"
#include "sign/SignDocument.h"

#include <QApplication>
#include <QPainter>

namespace {

constexpr int kMargin = 4;

// An LED panel is fitted into the room a plate takes, however many dots it has.
QSize thumbnailSize(const Frame &frame, const SignLook &look)
{
    const QSize plate = PlatePainter(frame).size() * FrameThumbnailDelegate::kScale;
    return look.isLed() ? PlatePainter(frame, look).size().scaled(plate, Qt::KeepAspectRatio)
                        : plate;
}

} // namespace

FrameThumbnailDelegate::FrameThumbnailDelegate(const SignDocument &document, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_document(document)
{}

QRect FrameThumbnailDelegate::plateRect(const QStyleOptionViewItem &option,
                                        const QModelIndex &index) const
{
    // Room at the left for the frame's number, up to four digits.
    const int numberWidth = option.fontMetrics.horizontalAdvance(QStringLiteral("0000"));
    const QSize size = thumbnailSize(m_document.frame(index.row()), m_document.look());
    return {option.rect.left() + kMargin * 2 + numberWidth,
            option.rect.top() + (option.rect.height() - size.height()) / 2, size.width(),
            size.height()};
}

QRect FrameThumbnailDelegate::nameRect(const QStyleOptionViewItem &option,
                                       const QModelIndex &index) const
{
    const int left = plateRect(option, index).right() + 1 + kMargin * 2;
    return {left, option.rect.top(), option.rect.right() - left - kMargin, option.rect.height()};
}

void FrameThumbnailDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.text.clear();
    QStyle *style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(QRect(option.rect.left() + kMargin, option.rect.top(),
                            plateRect(option, index).left() - option.rect.left() - kMargin * 2,
                            option.rect.height()),
                      Qt::AlignRight | Qt::AlignVCenter, QString::number(index.row() + 1));
    painter->drawText(nameRect(option, index), Qt::AlignLeft | Qt::AlignVCenter,
                      option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight,
                                                    nameRect(option, index).width()));
    const QRect plate = plateRect(option, index);
    const Frame &frame = m_document.frame(index.row());
    if (m_document.look().isLed()) {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawImage(
            plate.topLeft(),
            PlatePainter(frame, m_document.look()).renderFitted(plate.size(), ratio));
        painter->restore();
        return;
    }
    painter->setClipRect(plate);
    painter->translate(plate.topLeft());
    painter->scale(kScale, kScale);
    PlatePainter(frame).paint(*painter);
    painter->restore();
}

QSize FrameThumbnailDelegate::sizeHint(const QStyleOptionViewItem &option,
                                       const QModelIndex &index) const
{
    const QSize plate = thumbnailSize(m_document.frame(index.row()), m_document.look());
    return {plate.width() + option.fontMetrics.horizontalAdvance(QStringLiteral("0000")) +
                kMargin * 6 + option.fontMetrics.averageCharWidth() * 4,
            plate.height() + kMargin * 2};
}

void FrameThumbnailDelegate::updateEditorGeometry(QWidget *editor,
                                                  const QStyleOptionViewItem &option,
                                                  const QModelIndex &index) const
{
    const QRect name = nameRect(option, index);
    const int height = editor->sizeHint().height();
    editor->setGeometry(name.left(), name.top() + (name.height() - height) / 2, name.width(),
                        height);
}
