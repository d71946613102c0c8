#pragma once

#include <QObject>
#include <QString>

// The state of one download. Only `failed` carries a value: the sentence shown to the user.
class DLState
{
    Q_GADGET

public:
    enum Kind { fetching, queued, downloading, processing, done, failed, cancelled };
    Q_ENUM(Kind)

    constexpr DLState(Kind kind = fetching)
        : m_kind(kind)
    {
    }
    static DLState failure(const QString &message);

    Kind kind() const { return m_kind; }
    // The failure message; empty for every other state.
    const QString &message() const { return m_message; }
    // The case's name, for views and logs.
    QString name() const;

    bool isActive() const { return m_kind == downloading || m_kind == processing; }
    bool isFinished() const { return m_kind == done || m_kind == failed || m_kind == cancelled; }

    friend bool operator==(const DLState &, const DLState &) = default;

private:
    Kind m_kind;
    QString m_message;
};
