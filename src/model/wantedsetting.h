#pragma once

#include <QObject>

// The row of the settings page that a failure's remedy lies in, for the page to open at.
// It lives with the model so the queue can name it; the page knows where each row is.
namespace WantedSettings {
Q_NAMESPACE

enum class Row { none, folder, browser, proxy, cookiesFile };
Q_ENUM_NS(Row)
} // namespace WantedSettings

using WantedSetting = WantedSettings::Row;
