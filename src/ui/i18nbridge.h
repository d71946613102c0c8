#pragma once

#include <QObject>
#include <QQmlEngine>
#include <QVariantList>

// The translation functions and formatters, for QML: I18n.l("Baixar"),
// I18n.lf("Falhou: %@", [message]), I18n.lp(n, "%ld arquivo|%ld arquivos"), I18n.bytes(n),
// I18n.time(seconds).
class I18nBridge : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(I18n)
    QML_SINGLETON

public:
    using QObject::QObject;

    Q_INVOKABLE QString l(const QString &text) const;
    Q_INVOKABLE QString lf(const QString &format, const QVariantList &arguments) const;
    Q_INVOKABLE QString lp(qint64 count, const QString &format) const;
    Q_INVOKABLE QString bytes(double bytes) const;
    Q_INVOKABLE QString time(double seconds) const;
};
