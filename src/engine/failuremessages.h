#pragma once

#include <QString>

// Turns the engine's English failure text into one sentence with a hint, in the
// interface language. Text it does not recognise comes back exactly as given.
QString friendlyError(const QString &message);
