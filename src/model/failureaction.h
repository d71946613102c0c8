#pragma once

#include <QObject>

// The one thing a user can do about a failure, when one fix is obvious. It lives with
// the model so an item can carry it; the engine decides which one fits.
namespace FailureActions {
Q_NAMESPACE

enum class Kind { none, updateEngine, chooseBrowser, installDeno, installMissing, openSettings, openProxy, chooseCookiesFile, tryNightly };
Q_ENUM_NS(Kind)
} // namespace FailureActions

using FailureAction = FailureActions::Kind;
