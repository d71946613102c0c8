#pragma once

#include <QString>

// Writes a short H.264/AAC clip (a test pattern and a tone) with the machine's ffmpeg, a
// key frame every second and its index first, so that a section can be cut out over HTTP.
// Without sound when `sound` is false.
bool makeClip(const QString &file, int seconds, bool sound = true);
