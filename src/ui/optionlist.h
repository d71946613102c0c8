#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QQmlEngine>
#include <QString>

// The choices of a menu over a text value, in menu order: what is stored, and what the
// menu reads.
class OptionList : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("option lists come from the views' helpers")

public:
    enum Role { ValueRole = Qt::UserRole + 1, LabelRole };

    struct Option
    {
        QString value;
        QString label;

        friend bool operator==(const Option &, const Option &) = default;
    };

    explicit OptionList(QList<Option> options, QObject *parent = nullptr);
    // Every quality preset: its id, and its label in the interface language.
    static OptionList *qualities(QObject *parent);

    const QList<Option> &options() const { return m_options; }
    // Takes the new choices row by row: those gone are removed, those new inserted.
    void setOptions(const QList<Option> &options);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // The label of the first option holding `value`; the value itself when none does.
    Q_INVOKABLE QString labelFor(const QString &value) const;
    // The row of the first option holding `value`; -1 when none does.
    Q_INVOKABLE int indexOf(const QString &value) const;
    // The row of the first option after `from` (wrapping round) whose label starts with
    // `prefix`, ignoring case; -1 when none does. What typing a letter in a menu moves to.
    Q_INVOKABLE int nextStartingWith(const QString &prefix, int from) const;

private:
    QList<Option> m_options;
};
