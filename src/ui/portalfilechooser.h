#pragma once

#include <QDBusArgument>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariantMap>
#include <QWindow>
#include <QtQml/qqmlregistration.h>

// One filter of the portal's file chooser: a name and its glob patterns, a(us) on the bus.
struct PortalFilter
{
    struct Rule
    {
        uint type = 0; // 0: a glob pattern, 1: a MIME type
        QString pattern;

        friend bool operator==(const Rule &, const Rule &) = default;
    };

    QString name;
    QList<Rule> rules;

    friend bool operator==(const PortalFilter &, const PortalFilter &) = default;
};
Q_DECLARE_METATYPE(PortalFilter::Rule)
Q_DECLARE_METATYPE(PortalFilter)

QDBusArgument &operator<<(QDBusArgument &argument, const PortalFilter::Rule &rule);
const QDBusArgument &operator>>(const QDBusArgument &argument, PortalFilter::Rule &rule);
QDBusArgument &operator<<(QDBusArgument &argument, const PortalFilter &filter);
const QDBusArgument &operator>>(const QDBusArgument &argument, PortalFilter &filter);

// Qt's name filters ("Cookies files (*.txt)") as the portal's; one without patterns is left out.
QList<PortalFilter> portalFilters(const QStringList &nameFilters);

// The desktop's own file or folder chooser, asked for through the XDG desktop portal's
// FileChooser interface, which the desktops answer with their own dialog (with its "New
// folder" and places). Where no portal answers, or the one there cannot choose folders
// (before version 3), or its dialog could not be shown (it gave up at once), `unavailable`
// is emitted instead, and the page shows the window's own (FileChooserSheet): a chooser
// always opens, once.
class PortalFileChooser : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString title MEMBER m_title NOTIFY settingsChanged)
    Q_PROPERTY(QString acceptLabel MEMBER m_acceptLabel NOTIFY settingsChanged)
    Q_PROPERTY(bool selectFolder MEMBER m_selectFolder NOTIFY settingsChanged)
    Q_PROPERTY(QStringList nameFilters MEMBER m_nameFilters NOTIFY settingsChanged)
    Q_PROPERTY(QUrl currentFolder MEMBER m_currentFolder NOTIFY settingsChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)

public:
    explicit PortalFileChooser(QObject *parent = nullptr);

    // A dialog was asked for and has not answered yet.
    bool busy() const { return !m_requestPath.isEmpty() || m_asking; }

    // Asks for the dialog, placed over `parent` where the window system lets the portal
    // know it. Opening again while one is open does nothing.
    Q_INVOKABLE void open(QWindow *parent = nullptr);

    // The portal's window handle for `window` ("x11:<id>"; empty where there is none to give).
    static QString parentHandle(const QWindow *window);

    // What the portal's first answered address means: the file itself, or for a folder
    // (asked for as the place to save a file in) the folder that file would be in.
    static QUrl chosenUrl(const QUrl &answered, bool folder);

signals:
    void settingsChanged();
    void busyChanged();
    void accepted(const QUrl &url);
    void rejected();
    void unavailable();

private slots:
    void handleResponse(uint response, const QVariantMap &results);

private:
    void ask(uint version, const QString &parent);
    void listenAt(const QString &path);
    void finish();

    QString m_title;
    QString m_acceptLabel;
    bool m_selectFolder = false;
    QStringList m_nameFilters;
    QUrl m_currentFolder;
    // What the request in flight asks for: a folder, or a file; and since when.
    bool m_askedFolder = false;
    QElapsedTimer m_asked;
    bool m_asking = false;
    QString m_requestPath;
};
