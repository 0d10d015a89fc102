#pragma once

#include <QAbstractListModel>

class SignDocument;

// The document's frames as a list for the roll panel: one row a frame, its name shown and
// edited in place, and rows dragged to another place move the frame there. Every change goes
// through the document, so each is one undoable step.
class RollModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit RollModel(SignDocument &document, QObject *parent = nullptr);

    SignDocument &document() const { return m_document; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    bool moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                  const QModelIndex &destinationParent, int destinationChild) override;

private:
    SignDocument &m_document;
    // The rows the views know of, kept apart from the document so that it changes only between
    // a begin and its end.
    int m_rows = 0;
};
