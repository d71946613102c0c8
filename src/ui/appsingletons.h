#pragma once

#include "engine/downloadqueue.h"
#include "engine/enginesetup.h"
#include "engine/interrupteddownloads.h"
#include "history/historylist.h"
#include "intake/linkintake.h"
#include "model/downloaditem.h"
#include "model/downloadlist.h"
#include "root/downloader.h"
#include "ui/appsettings.h"
#include "ui/playlistplan.h"
#include "ui/shell.h"

#include <QJSEngine>
#include <QQmlEngine>

// The application's one Downloader, its settings and the Shell, as QML singletons. main() creates
// them before the QML engine and keeps them; QML never owns them.
template<typename T>
struct AppInstance
{
    static inline T *instance = nullptr;

    static T *create(QQmlEngine *, QJSEngine *)
    {
        Q_ASSERT_X(instance, "AppInstance", "set the instance before loading QML");
        QJSEngine::setObjectOwnership(instance, QJSEngine::CppOwnership);
        return instance;
    }
};

struct DownloaderSingleton : AppInstance<Downloader>
{
    Q_GADGET
    QML_FOREIGN(Downloader)
    QML_NAMED_ELEMENT(Downloader)
    QML_SINGLETON
};

struct AppSettingsSingleton : AppInstance<AppSettings>
{
    Q_GADGET
    QML_FOREIGN(AppSettings)
    QML_NAMED_ELEMENT(AppSettings)
    QML_SINGLETON
};

struct ShellSingleton : AppInstance<Shell>
{
    Q_GADGET
    QML_FOREIGN(Shell)
    QML_NAMED_ELEMENT(Shell)
    QML_SINGLETON
};

// The rows a failure can send the settings page to, as QML compares them.
namespace WantedSettingsForeign {
Q_NAMESPACE
QML_FOREIGN_NAMESPACE(WantedSettings)
QML_NAMED_ELEMENT(WantedSetting)
} // namespace WantedSettingsForeign

// The Downloader's services and the model's types, as QML reaches them through it: never
// created there.
struct EngineSetupForeign
{
    Q_GADGET
    QML_FOREIGN(EngineSetup)
    QML_NAMED_ELEMENT(EngineSetup)
    QML_UNCREATABLE("the engine belongs to the Downloader")
};

struct DownloadQueueForeign
{
    Q_GADGET
    QML_FOREIGN(DownloadQueue)
    QML_NAMED_ELEMENT(DownloadQueue)
    QML_UNCREATABLE("the queue belongs to the Downloader")
};

struct InterruptedDownloadsForeign
{
    Q_GADGET
    QML_FOREIGN(InterruptedDownloads)
    QML_NAMED_ELEMENT(InterruptedDownloads)
    QML_UNCREATABLE("the journal belongs to the Downloader")
};

struct LinkIntakeForeign
{
    Q_GADGET
    QML_FOREIGN(LinkIntake)
    QML_NAMED_ELEMENT(LinkIntake)
    QML_UNCREATABLE("link intake belongs to the Downloader")
};

struct DownloadItemForeign
{
    Q_GADGET
    QML_FOREIGN(DownloadItem)
    QML_NAMED_ELEMENT(DownloadItem)
    QML_UNCREATABLE("items come from the Downloader")
};

struct DownloadListForeign
{
    Q_GADGET
    QML_FOREIGN(DownloadList)
    QML_NAMED_ELEMENT(DownloadList)
    QML_UNCREATABLE("the list belongs to the Downloader")
};

struct HistoryListForeign
{
    Q_GADGET
    QML_FOREIGN(HistoryList)
    QML_NAMED_ELEMENT(HistoryList)
    QML_UNCREATABLE("the history belongs to the Downloader")
};

struct PlaylistPlanForeign
{
    Q_GADGET
    QML_FOREIGN(PlaylistPlan)
    QML_NAMED_ELEMENT(PlaylistPlan)
    QML_UNCREATABLE("the input card owns its plan")
};
