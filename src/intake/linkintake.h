#pragma once

#include "intake/clipboardsuggestion.h"
#include "model/quality.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class Clipboard;
class Settings;

// Links that come from outside the window: "vireloom:" addresses from web pages and other
// programs, and the clipboard. An address is not the user's own act: it may carry one
// link, and one into the local network waits for the user's word unless the settings
// allow it. What is taken is handed on through `linkTaken`.
class LinkIntake : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString schemeLinkToConfirm READ schemeLinkToConfirm NOTIFY schemeChanged)
    Q_PROPERTY(QString schemeHostToConfirm READ schemeHostToConfirm NOTIFY schemeChanged)
    Q_PROPERTY(int schemeRefusedLinks READ schemeRefusedLinks NOTIFY schemeChanged)
    Q_PROPERTY(QString clipboardSuggestion READ clipboardSuggestionText NOTIFY clipboardSuggestionChanged)
    Q_PROPERTY(bool hasClipboardSuggestion READ hasClipboardSuggestion NOTIFY clipboardSuggestionChanged)

public:
    explicit LinkIntake(Settings *settings, QObject *parent = nullptr);

    // Without a clipboard there is nothing to offer or add from it.
    void setClipboard(Clipboard *clipboard) { m_clipboard = clipboard; }
    // Whether a link is in the download list already: it is not offered again.
    void setListed(std::function<bool(const QString &)> isListed) { m_isListed = std::move(isListed); }

    Q_INVOKABLE void handleSchemeURL(const QString &raw);
    // The first link from an address that waits to be confirmed, and its host.
    QString schemeLinkToConfirm() const;
    QString schemeHostToConfirm() const;
    Q_INVOKABLE void confirmSchemeLink();
    Q_INVOKABLE void ignoreSchemeLink();
    // How many links the last refused address carried, 0 when none was refused.
    int schemeRefusedLinks() const { return m_schemeRefusedLinks; }
    Q_INVOKABLE void dismissSchemeRefusal();

    std::optional<QString> clipboardSuggestion() const { return m_clipboardSuggestion.offer(); }
    QString clipboardSuggestionText() const { return m_clipboardSuggestion.offer().value_or(QString()); }
    bool hasClipboardSuggestion() const { return m_clipboardSuggestion.offer().has_value(); }
    Q_INVOKABLE void checkClipboard();
    Q_INVOKABLE void dismissClipboard();
    // Adds the links on the clipboard; false when it holds none.
    Q_INVOKABLE bool addFromClipboard();
    // A link was added by any path: it is not offered any more.
    void noteAdded(const QString &link);

signals:
    void schemeChanged();
    void clipboardSuggestionChanged();
    // Text whose links are to be downloaded; without a quality the default applies.
    // `guarded`: it came from outside and the user has not vouched for it.
    void linkTaken(const QString &text, const std::optional<Quality> &quality, bool playlist, bool guarded);
    // An address came: the application comes to the front, whatever it carried.
    void activationWanted();

private:
    struct SchemeLink
    {
        QString link;
        QString host;
        std::optional<Quality> quality;
        bool playlist = false;
    };
    void take(const SchemeLink &link, bool guarded);
    void askAbout(const SchemeLink &link);

    Settings *m_settings;
    Clipboard *m_clipboard = nullptr;
    std::function<bool(const QString &)> m_isListed;
    ClipboardSuggestion m_clipboardSuggestion;
    QList<SchemeLink> m_toConfirm;
    int m_schemeRefusedLinks = 0;
};
