#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// The program's own error for operations that fail other than by a download failing.
// It carries one text, already translated, which is all the user is shown.
class VireloomError : public std::exception
{
public:
    static VireloomError msg(const QString &text) { return VireloomError(text); }

    const QString &description() const noexcept { return m_text; }
    const char *what() const noexcept override { return m_utf8.constData(); }

protected:
    explicit VireloomError(const QString &text);

private:
    QString m_text;
    QByteArray m_utf8;
};
