#include "ui/RollModel.h"

#include "sign/SignDocument.h"

RollModel::RollModel(SignDocument &document, QObject *parent)
    : QAbstractListModel(parent)
    , m_document(document)
    , m_rows(document.frameCount())
{
    connect(&m_document, &SignDocument::frameInserted, this, [this](int row) {
        beginInsertRows({}, row, row);
        ++m_rows;
        endInsertRows();
    });
    connect(&m_document, &SignDocument::frameRemoved, this, [this](int row) {
        beginRemoveRows({}, row, row);
        --m_rows;
        endRemoveRows();
    });
    connect(&m_document, &SignDocument::frameMoved, this, [this](int from, int to) {
        beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
        endMoveRows();
    });
    connect(&m_document, &SignDocument::frameChanged, this,
            [this](int row) { emit dataChanged(index(row), index(row)); });
    // Every row's picture, and with it its height, follows the roll's look.
    connect(&m_document, &SignDocument::lookChanged, this, [this] {
        emit layoutAboutToBeChanged();
        emit layoutChanged();
    });
    connect(&m_document, &SignDocument::framesReplaced, this, [this] {
        beginResetModel();
        m_rows = m_document.frameCount();
        endResetModel();
    });
}

int RollModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant RollModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_document.frameCount())
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ToolTipRole)
        return {};
    return m_document.frame(index.row()).displayName();
}

bool RollModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const Frame &frame = m_document.frame(index.row());
    QString name = value.toString();
    // Left as its texts name it, the frame keeps going by its texts.
    if (name == frame.automaticName())
        name.clear();
    if (name != frame.name)
        m_document.renameFrame(index.row(), name);
    return true;
}

Qt::ItemFlags RollModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable | Qt::ItemIsDragEnabled;
}

Qt::DropActions RollModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

bool RollModel::moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                         const QModelIndex &destinationParent, int destinationChild)
{
    if (sourceParent.isValid() || destinationParent.isValid() || count != 1)
        return false;
    // destinationChild is the row the frame goes before, counted with the frame still in place.
    m_document.moveFrame(sourceRow,
                         destinationChild > sourceRow ? destinationChild - 1 : destinationChild);
    return true;
}
