#pragma once

#include <QString>

// Writes a short H.264/AAC clip (a test pattern and a tone) with the machine's ffmpeg.
bool makeClip(const QString &file, int seconds);
