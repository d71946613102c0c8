#pragma once

#include "following/following.h"
#include "following/followinglist.h"

#include <QQmlEngine>

// The following service and its list, as QML reaches them through the Downloader: never
// created there.
struct FollowingForeign
{
    Q_GADGET
    QML_FOREIGN(Following)
    QML_NAMED_ELEMENT(Following)
    QML_UNCREATABLE("the following service belongs to the Downloader")
};

struct FollowingListForeign
{
    Q_GADGET
    QML_FOREIGN(FollowingList)
    QML_NAMED_ELEMENT(FollowingList)
    QML_UNCREATABLE("the followed sources belong to the following service")
};
