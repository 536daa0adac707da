#include "model/linkedoutputsmodel.h"

#include <algorithm>

LinkedOutputsModel::LinkedOutputsModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

int LinkedOutputsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

QVariant LinkedOutputsModel::data(const QModelIndex& index, int role) const
{
    if (role != OutputRole || !index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    return QVariant::fromValue(m_rows.at(index.row()).output.data());
}

QHash<int, QByteArray> LinkedOutputsModel::roleNames() const
{
    return { { OutputRole, QByteArrayLiteral("output") } };
}

Output* LinkedOutputsModel::at(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row).output.data() : nullptr;
}

int LinkedOutputsModel::lowerBound(int outputIndex) const
{
    const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), outputIndex,
                                     [](const Row& row, int index) { return row.index < index; });
    return int(it - m_rows.begin());
}

void LinkedOutputsModel::insertOutput(Output* output)
{
    if (!output)
        return;
    const int row = lowerBound(output->index());
    if (row < m_rows.size() && m_rows.at(row).index == output->index()) {
        m_rows[row].output = output;
        const QModelIndex changed = createIndex(row, 0);
        emit dataChanged(changed, changed, { OutputRole });
        return;
    }
    beginInsertRows(QModelIndex(), row, row);
    m_rows.insert(row, Row { output->index(), output });
    endInsertRows();
    emit countChanged();
}

void LinkedOutputsModel::removeOutputIndex(int outputIndex)
{
    const int row = lowerBound(outputIndex);
    if (row >= m_rows.size() || m_rows.at(row).index != outputIndex)
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    emit countChanged();
}
