#pragma once

#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QString>

class Downloader;

// The texts of the banner that offers to install the engine: which parts are missing,
// and the installation's progress or failure once it has said anything.
class EngineBannerTexts : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Downloader *downloader READ downloader WRITE setDownloader NOTIFY downloaderChanged)
    Q_PROPERTY(QString title READ title NOTIFY textsChanged)
    Q_PROPERTY(QString detail READ detail NOTIFY textsChanged)

public:
    using QObject::QObject;

    Downloader *downloader() const { return m_downloader; }
    void setDownloader(Downloader *downloader);

    QString title() const;
    QString detail() const;

signals:
    void downloaderChanged();
    void textsChanged();

private:
    QPointer<Downloader> m_downloader;
};
