#pragma once

#include <QObject>

#include <map>
#include <optional>

class QDBusVariant;

// Whether the Linux desktop asks applications to keep still: the desktop portal's
// `org.freedesktop.appearance` `reduced-motion`, GNOME's `enable-animations` through the
// portal, and the same GNOME key through gsettings (or dconf) where the portal has no
// answer. Every read is asynchronous; a source that is missing or silent counts as no
// preference, and any source asking for less motion wins.
class DesktopMotionPreference : public QObject
{
    Q_OBJECT

public:
    explicit DesktopMotionPreference(QObject *parent = nullptr);

    void start();
    bool isReduced() const;

    // What one portal setting says; nothing for settings that do not bear on motion.
    static std::optional<bool> reducedFromSetting(const QString &group, const QString &key, const QVariant &value);
    // What `gsettings get` or `dconf read` printed for enable-animations.
    static std::optional<bool> reducedFromAnimationsValue(const QByteArray &output);

signals:
    void changed();

private slots:
    void settingChanged(const QString &group, const QString &key, const QDBusVariant &value);

private:
    void readPortal(const QString &group, const QString &key);
    void readGnomeSettings();
    void record(const QString &source, std::optional<bool> reduced);

    std::map<QString, bool> m_answers;
};
