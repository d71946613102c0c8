#pragma once

#include "model/failureaction.h"

#include <QString>
#include <QStringList>

#include <optional>

struct FailureDescription
{
    QString message;
    FailureAction action = FailureAction::none;
};

// Turns the engine's English failure text into one sentence with a hint, in the
// interface language. Text it does not recognise comes back exactly as given.
QString friendlyError(const QString &message);

// The sentence for a failed run together with the action that fits it. `log` is the
// run's output: a run that said it found no JavaScript runtime failed for want of one,
// whatever its last error reads. With a browser already chosen for its login, a site
// that still asks for one is more likely to need a newer engine.
FailureDescription describeFailure(const QString &raw, const QStringList &log, bool browserChosen);

// The text a failed run is described by: its last error, else its last line that says
// something, else the exit status. An "ERROR:" line with nothing after it says nothing;
// the line that follows it carries the reason.
QString failureText(const std::optional<QString> &lastError, const QStringList &log, int status);
