#pragma once

#include <QString>

// Writes a short H.264/AAC clip (a test pattern and a tone) with the machine's ffmpeg, a
// key frame every second and its index first, so that a section can be cut out over HTTP.
// Without sound when `sound` is false.
bool makeClip(const QString &file, int seconds, bool sound = true);

// Writes one two-second video with two audio renditions into `folder`, both as an HLS master
// playlist ("hls/master.m3u8") and as a DASH manifest ("dash/manifest.mpd"): English at
// 440 Hz in mono and German at 880 Hz in stereo, tagged "en" and "de", German listed first and English marked
// as the default. Every file the two reference lies below `folder`.
bool makeDubbedStreams(const QString &folder);
