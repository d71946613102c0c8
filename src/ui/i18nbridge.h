#pragma once

#include <QObject>
#include <QQmlEngine>
#include <QVariantList>

// The translation functions and formatters, for QML: I18n.l("Baixar"),
// I18n.lf("Falhou: %@", [message]), I18n.lp("%ld arquivo|%ld arquivos", n), I18n.bytes(n),
// I18n.time(seconds). The text comes first and as a literal, which is how lupdate finds it.
class I18nBridge : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(I18n)
    QML_SINGLETON
    // The interface language is written from right to left: the window is mirrored.
    Q_PROPERTY(bool rightToLeft READ isRightToLeft CONSTANT)

public:
    using QObject::QObject;

    bool isRightToLeft() const;
    // A path or a link shown on its own, kept left to right in a mirrored window, where it
    // would otherwise be laid out from the right ("Downloads/~").
    Q_INVOKABLE QString leftToRight(const QString &text) const;
    Q_INVOKABLE QString l(const QString &text) const;
    Q_INVOKABLE QString lf(const QString &format, const QVariantList &arguments) const;
    Q_INVOKABLE QString lp(const QString &format, qint64 count) const;
    Q_INVOKABLE QString bytes(double bytes) const;
    Q_INVOKABLE QString time(double seconds) const;
};
