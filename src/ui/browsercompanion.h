#pragma once

#include "platform/browserhosts.h"
#include "platform/browsers.h"
#include "ui/optionlist.h"

#include <QObject>
#include <QQmlEngine>
#include <QThreadPool>

class Downloader;
class DownloadItem;
class SiteLogins;

// What the window knows of the browsers on this machine, for the settings page and the
// cards: which have Vireloom's host set up for the extension, setting them up, where the
// extension's packages are, the profiles whose logins a failed download can be tried
// with, and the sites that remember one. Everything that reads the user's folders runs on
// a worker; the answers come back here.
class BrowserCompanion : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("the Shell holds the browser companion")
    Q_PROPERTY(QString hostsText READ hostsText NOTIFY hostsChanged)
    // The host is set up for at least one browser: the extension can send links.
    Q_PROPERTY(bool extensionReady READ extensionReady NOTIFY hostsChanged)
    Q_PROPERTY(bool settingUp READ settingUp NOTIFY settingUpChanged)
    Q_PROPERTY(QString outcome READ outcome NOTIFY outcomeChanged)
    Q_PROPERTY(bool outcomeFailed READ outcomeFailed NOTIFY outcomeChanged)
    Q_PROPERTY(QString extensionFolder READ extensionFolder NOTIFY extensionFolderChanged)
    Q_PROPERTY(QString extensionText READ extensionText NOTIFY extensionFolderChanged)
    // Browser profiles with a cookie store: the value as the engine reads it, the label as
    // the user knows it.
    Q_PROPERTY(OptionList *profiles READ profiles CONSTANT)
    // The sites that remember a browser's login: the site, and the profile's label.
    Q_PROPERTY(OptionList *sites READ sites CONSTANT)

public:
    BrowserCompanion(Downloader *downloader, QObject *parent = nullptr);
    ~BrowserCompanion() override;

    // Where everything is looked for; by default this user's folders, the host program
    // installed with the application and the record in the support folder.
    void setRoots(const Browsers::Roots &roots) { m_roots = roots; }
    void setHostProgram(const QString &program) { m_hostProgram = program; }
    void setRecordFile(const QString &file) { m_recordFile = file; }
    void setExtensionFolder(const QString &folder);

    QString hostsText() const { return m_hostsText; }
    bool extensionReady() const { return m_extensionReady; }
    bool settingUp() const { return m_settingUp; }
    QString outcome() const { return m_outcome; }
    bool outcomeFailed() const { return m_outcomeFailed; }
    QString extensionFolder() const { return m_extensionFolder; }
    QString extensionText() const;
    OptionList *profiles() const { return m_profiles; }
    OptionList *sites() const { return m_sites; }

    // Reads again which browsers are set up and which profiles there are.
    Q_INVOKABLE void refresh();
    // Writes the host's manifest into every browser found, as --register-browsers does.
    Q_INVOKABLE void setUp();
    Q_INVOKABLE void openExtensionFolder() const;
    // Opens the page the item came from (its link, when the browser did not say) in the
    // browser, where the user can log in and send it again with the extension.
    Q_INVOKABLE void openInBrowser(DownloadItem *item) const;
    Q_INVOKABLE void forgetSite(const QString &site);

    // The line on which browsers are set up, from the manifests' places.
    static QString hostsLine(const QList<BrowserHosts::Entry> &entries);
    // What setting up did, and whether it fell short.
    static std::pair<QString, bool> outcomeLine(const BrowserHosts::Outcome &outcome);

signals:
    void hostsChanged();
    void settingUpChanged();
    void outcomeChanged();
    void extensionFolderChanged();
    // A look at the browsers has come back.
    void refreshed();

private:
    struct Look
    {
        QList<BrowserHosts::Entry> hosts;
        QList<Browsers::Profile> profiles;
    };
    static Look look(const Browsers::Roots &roots, const QString &hostProgram, const QString &recordFile);
    // A look asked for by refresh() has come back.
    void take(const Look &look);
    void apply(const Look &look);
    void updateSites();

    Downloader *m_downloader;
    SiteLogins *m_siteLogins;
    Browsers::Roots m_roots = Browsers::Roots::current();
    QString m_hostProgram = BrowserHosts::hostProgram();
    QString m_recordFile = BrowserHosts::defaultRecordFile();
    QString m_extensionFolder = BrowserHosts::extensionFolder();
    OptionList *m_profiles;
    OptionList *m_sites;
    QString m_hostsText;
    bool m_extensionReady = false;
    bool m_looking = false;
    bool m_lookAgain = false;
    bool m_settingUp = false;
    QString m_outcome;
    bool m_outcomeFailed = false;
    // Last, so that it is gone first: its tasks end before what they report to.
    QThreadPool m_pool;
};
