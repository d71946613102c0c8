#pragma once

#include "model/failureaction.h"

#include <QString>
#include <QStringList>

#include <optional>

struct FailureDescription
{
    QString message;
    FailureAction action = FailureAction::none;
    // The engine itself failed, not the site, the network or the settings: it could not
    // read the page, work out a signature, was refused as an engine the site no longer
    // serves, or crashed with a traceback.
    bool engineFault = false;
    // The site asked for a login or a check that the visitor is no bot, or refused a page
    // that may need one: a browser's login may get through.
    bool loginWanted = false;
};

// Turns the engine's English failure text into one sentence with a hint, in the
// interface language. Text it does not recognise comes back exactly as given.
QString friendlyError(const QString &message);

// What the failure of a run is read against besides its output.
struct FailureContext
{
    // A browser was chosen for the login.
    bool browserChosen = false;
    // The run went through a proxy: a connection that failed is the proxy's.
    bool proxySet = false;
    // The cookies file the run was given, empty for none.
    QString cookiesFile;
};

// The sentence for a failed run together with the action that fits it. `log` is the
// run's output: a run that said it found no JavaScript runtime failed for want of one,
// whatever its last error reads. With a browser already chosen for its login, a site
// that still asks for one is more likely to need a newer engine.
// A failure nothing here recognises is one sentence with the engine's own line after it,
// cleaned of the request to report it and of the exception behind it.
FailureDescription describeFailure(const QString &raw, const QStringList &log, const FailureContext &context);
FailureDescription describeFailure(const QString &raw, const QStringList &log, bool browserChosen);

// Why a link from outside cannot run: the guard proxy it must go through cannot go on
// through the proxy the user set (https, socks4), or could not start.
QString guardUnavailable();

// An engine line as it may be shown: without its "ERROR:" prefix, the request to report
// the problem to the engine's makers and the exception that caused it.
QString engineLine(QStringView line);
QString unknownFailure(const QString &raw);

// The text a failed run is described by: its last error, else the engine's last line that
// says something (not the command line), else the exit status. An "ERROR:" line with nothing after it says nothing;
// the line that follows it carries the reason.
QString failureText(const std::optional<QString> &lastError, const QStringList &log, int status);
std::optional<QString> engineSaid(const std::optional<QString> &lastError, const QStringList &log);
// The sentence and action of a failed run; a run that said nothing is told by its status.
FailureDescription describeRun(const std::optional<QString> &lastError, const QStringList &log, int status, const FailureContext &context);
