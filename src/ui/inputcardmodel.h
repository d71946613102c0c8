#pragma once

#include "ui/cardchoice.h"
#include "ui/downloadoptionsform.h"
#include "ui/optionlist.h"
#include "ui/playlistplan.h"

#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QString>

class Downloader;
class PlaylistListing;

// The input card's logic: the typed text, the quality and playlist choices kept in the
// settings, whether "Baixar" may be pressed, and submitting.
class InputCardModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Downloader *downloader READ downloader WRITE setDownloader NOTIFY downloaderChanged)
    // The window's choice of quality and playlist, which the card shows and changes.
    Q_PROPERTY(CardChoice *choice READ choice WRITE setChoice NOTIFY choiceChanged)
    Q_PROPERTY(QString input READ input WRITE setInput NOTIFY inputChanged)
    Q_PROPERTY(bool empty READ empty NOTIFY inputChanged)
    Q_PROPERTY(bool canSubmit READ canSubmit NOTIFY canSubmitChanged)
    // Why the last submit added nothing (the text held no link); empty once the text changes.
    Q_PROPERTY(QString problem READ problem NOTIFY problemChanged)
    Q_PROPERTY(QString quality READ quality WRITE setQuality NOTIFY qualityChanged)
    Q_PROPERTY(QString qualityLabel READ qualityLabel NOTIFY qualityChanged)
    Q_PROPERTY(bool qualityAudio READ qualityAudio NOTIFY qualityChanged)
    Q_PROPERTY(bool playlist READ playlist WRITE setPlaylist NOTIFY playlistChanged)
    Q_PROPERTY(OptionList *qualities READ qualities CONSTANT)
    Q_PROPERTY(DownloadOptionsForm *options READ options CONSTANT)
    Q_PROPERTY(PlaylistPlan *plan READ plan CONSTANT)
    // The typed link is being read for its tracks, subtitles and formats.
    Q_PROPERTY(bool readingChoices READ readingChoices NOTIFY readingChoicesChanged)

public:
    explicit InputCardModel(QObject *parent = nullptr);

    Downloader *downloader() const { return m_downloader; }
    void setDownloader(Downloader *downloader);
    CardChoice *choice() const { return m_choice; }
    void setChoice(CardChoice *choice);

    QString input() const { return m_input; }
    void setInput(const QString &input);
    // Nothing but spaces and tabs at either end: nothing to add.
    bool empty() const;
    bool canSubmit() const;
    QString problem() const { return m_problem; }

    // The chosen preset's id; "best" without a choice to show.
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
    // The entries of the typed playlist link, once the user asked to see them.
    PlaylistPlan *plan() const { return m_plan; }

    // Adds the links of the trimmed text with the chosen quality, playlist flag, options and
    // picked playlist entries, then empties the field, the options and the plan; an empty
    // text, a refused option or a plan with nothing picked adds nothing and keeps everything.
    // Addresses typed without a scheme are taken as https; a text with no link at all is
    // kept, and `problem` says so.
    Q_INVOKABLE void submit();
    // Reads what the typed link offers into the options (its audio tracks, subtitles and
    // formats), when the text is one link to a single video; nothing happens otherwise or
    // when that link was read already.
    Q_INVOKABLE void readChoices();
    bool readingChoices() const;

signals:
    void downloaderChanged();
    void choiceChanged();
    void inputChanged();
    void canSubmitChanged();
    void problemChanged();
    void qualityChanged();
    void playlistChanged();
    void readingChoicesChanged();

private:
    void setProblem(const QString &problem);

    QPointer<Downloader> m_downloader;
    QPointer<CardChoice> m_choice;
    QString m_input;
    QString m_problem;
    OptionList *m_qualities = OptionList::qualities(this);
    DownloadOptionsForm *m_options = new DownloadOptionsForm(this);
    PlaylistPlan *m_plan = new PlaylistPlan(this);
    PlaylistListing *m_choiceReader = nullptr;
    // The text the options' choices were read for, and its link.
    QString m_choicesUrl;
    QString m_choicesLink;
};
