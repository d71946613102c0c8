#pragma once

#include <QByteArrayView>
#include <QJsonObject>
#include <QString>
#include <QUrl>

#include <optional>

// What a metadata probe learned about a link. Every field is optional because sites
// report very different subsets of them.
struct MediaInfo
{
    std::optional<QString> title;
    std::optional<QUrl> thumbnail;
    std::optional<double> duration;
    std::optional<QString> uploader;
    std::optional<QString> site;
    bool isPlaylist = false;
    std::optional<int> count;

    // Reads the probe's JSON dump. Absent when the text is not a JSON object; a key of
    // an unexpected type counts as missing and the rest is still used.
    static std::optional<MediaInfo> parse(QByteArrayView json);

    friend bool operator==(const MediaInfo &, const MediaInfo &) = default;
};

// The thumbnail of one JSON object: its "thumbnail" address, else the last entry of
// its "thumbnails" list, which sites order from smallest to largest.
std::optional<QUrl> bestThumb(const QJsonObject &dict);
