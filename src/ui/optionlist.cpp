#include "optionlist.h"

#include "model/quality.h"

OptionList::OptionList(QList<Option> options, QObject *parent)
    : QAbstractListModel(parent)
    , m_options(std::move(options))
{
}

OptionList *OptionList::qualities(QObject *parent)
{
    QList<Option> options;
    for (const Quality &quality : Quality::allCases())
        options.append({quality.id(), quality.label()});
    return new OptionList(std::move(options), parent);
}

void OptionList::setOptions(const QList<Option> &options)
{
    for (qsizetype row = m_options.size() - 1; row >= 0; --row) {
        if (!options.contains(m_options.at(row))) {
            beginRemoveRows({}, int(row), int(row));
            m_options.remove(row);
            endRemoveRows();
        }
    }
    // What stays keeps its rows; where the order changed, a row comes in again at its place
    // and its old one goes with the tail.
    for (qsizetype row = 0; row < options.size(); ++row) {
        if (row < m_options.size() && m_options.at(row) == options.at(row))
            continue;
        beginInsertRows({}, int(row), int(row));
        m_options.insert(row, options.at(row));
        endInsertRows();
    }
    if (m_options.size() > options.size()) {
        beginRemoveRows({}, int(options.size()), int(m_options.size() - 1));
        m_options.resize(options.size());
        endRemoveRows();
    }
}

int OptionList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_options.size());
}

QVariant OptionList::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Option &option = m_options.at(index.row());
    switch (role) {
    case ValueRole:
        return option.value;
    case LabelRole:
        return option.label;
    default:
        return {};
    }
}

QHash<int, QByteArray> OptionList::roleNames() const
{
    return {{ValueRole, "value"}, {LabelRole, "label"}};
}

int OptionList::indexOf(const QString &value) const
{
    for (qsizetype i = 0; i < m_options.size(); ++i) {
        if (m_options.at(i).value == value)
            return int(i);
    }
    return -1;
}

int OptionList::nextStartingWith(const QString &prefix, int from) const
{
    const qsizetype count = m_options.size();
    for (qsizetype step = 1; step <= count && !prefix.isEmpty(); ++step) {
        const qsizetype row = ((from + step) % count + count) % count;
        if (m_options.at(row).label.startsWith(prefix, Qt::CaseInsensitive))
            return int(row);
    }
    return -1;
}

QString OptionList::labelFor(const QString &value) const
{
    for (const Option &option : m_options) {
        if (option.value == value)
            return option.label;
    }
    return value;
}
