#pragma once

#include "ui/downloadoptionsform.h"
#include "ui/optionlist.h"

#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QString>

class Downloader;

// The input card's logic: the typed text, the quality and playlist choices kept in the
// settings, whether "Baixar" may be pressed, and submitting.
class InputCardModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Downloader *downloader READ downloader WRITE setDownloader NOTIFY downloaderChanged)
    Q_PROPERTY(QString input READ input WRITE setInput NOTIFY inputChanged)
    Q_PROPERTY(bool empty READ empty NOTIFY inputChanged)
    Q_PROPERTY(bool canSubmit READ canSubmit NOTIFY canSubmitChanged)
    Q_PROPERTY(QString quality READ quality WRITE setQuality NOTIFY qualityChanged)
    Q_PROPERTY(QString qualityLabel READ qualityLabel NOTIFY qualityChanged)
    Q_PROPERTY(bool qualityAudio READ qualityAudio NOTIFY qualityChanged)
    Q_PROPERTY(bool playlist READ playlist WRITE setPlaylist NOTIFY playlistChanged)
    Q_PROPERTY(OptionList *qualities READ qualities CONSTANT)
    Q_PROPERTY(DownloadOptionsForm *options READ options CONSTANT)

public:
    explicit InputCardModel(QObject *parent = nullptr);

    Downloader *downloader() const { return m_downloader; }
    void setDownloader(Downloader *downloader);

    QString input() const { return m_input; }
    void setInput(const QString &input);
    // Nothing but spaces and tabs at either end: nothing to add.
    bool empty() const;
    bool canSubmit() const;

    // The preset's id; a stored id that names no preset reads as "best".
    QString quality() const;
    void setQuality(const QString &id);
    QString qualityLabel() const;
    bool qualityAudio() const;
    bool playlist() const;
    void setPlaylist(bool playlist);

    // Every preset, in menu order.
    OptionList *qualities() const { return m_qualities; }
    // The options sheet's fields; untouched, they ask for nothing.
    DownloadOptionsForm *options() const { return m_options; }

    // Adds the links of the trimmed text with the chosen quality, playlist flag and options,
    // then empties the field and the options; an empty text or a refused option adds
    // nothing and keeps everything.
    Q_INVOKABLE void submit();

signals:
    void downloaderChanged();
    void inputChanged();
    void canSubmitChanged();
    void qualityChanged();
    void playlistChanged();

private:
    void onSettingChanged(const QString &key);

    QPointer<Downloader> m_downloader;
    QString m_input;
    OptionList *m_qualities = OptionList::qualities(this);
    DownloadOptionsForm *m_options = new DownloadOptionsForm(this);
};
