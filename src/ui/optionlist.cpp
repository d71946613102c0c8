#include "optionlist.h"

#include "model/quality.h"

OptionList::OptionList(QList<Option> options, QObject *parent) : QAbstractListModel(parent), m_options(std::move(options))
{
}

OptionList *OptionList::qualities(QObject *parent)
{
    QList<Option> options;
    for (const Quality &quality : Quality::allCases())
        options.append({quality.id(), quality.label()});
    return new OptionList(std::move(options), parent);
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

QString OptionList::labelFor(const QString &value) const
{
    for (const Option &option : m_options) {
        if (option.value == value)
            return option.label;
    }
    return value;
}
