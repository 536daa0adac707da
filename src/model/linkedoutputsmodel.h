#pragma once
#include <QAbstractListModel>
#include <QList>
#include <QPointer>

#include "model/output.h"

// The outputs that play one source, in ascending output index, as a list
// model that changes row by row: a view of a thousand outputs updates the
// rows that moved instead of rebuilding itself on every route.
class LinkedOutputsModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)

public:
    enum Role { OutputRole = Qt::UserRole + 1 };

    explicit LinkedOutputsModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;
    Q_INVOKABLE Output* at(int row) const;

    // Places `output` by its index; an output of the same index that is
    // already there (or whose object is gone) is replaced in its row.
    void insertOutput(Output* output);
    void removeOutputIndex(int outputIndex);

signals:
    void countChanged();

private:
    struct Row {
        int index;
        QPointer<Output> output;
    };
    // The first row whose output index is not below `outputIndex`.
    int lowerBound(int outputIndex) const;

    QList<Row> m_rows;
};
