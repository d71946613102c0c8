#pragma once

class QProcess;

// Engine processes run in a process group of their own, led by yt-dlp, so that a
// signal reaches the programs it starts (ffmpeg) as well, the way an interrupt from a
// terminal does. They are also tied to the application's life: if it ends in any way,
// even killed outright, the kernel sends yt-dlp a termination request.
void bindToApplication(QProcess &process);

// Sends `signal` to the process group of a process that has started. Returns false when
// the process is not running.
bool signalGroup(const QProcess &process, int signal);
